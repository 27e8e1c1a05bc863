// How a file is replaced in a working folder other users may write: its new
// content swaps places with its previous version, and nothing planted there
// is written through, reused, followed or waited on.
#include "model/SafeSave.h"
#include "support/SampleRecords.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

bool writeOld(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("old\n") == 4;
}

// Makes what another user could have planted, step by step: "kind NAME [ARG]"
// with ";" between steps, "@" for the folder outside and "#" for our process id.
//   file: holds "old\n"   dir   fifo   link: to ARG   hard: second name of ARG
//   nobody: given to another user   mode: permissions ARG (octal)   big: 257 MiB
//   swap: when the save reaches step ARG (0 started, 1 staged, 2 sync, 3 placed),
//         NAME is moved to "moved" and a link to the folder outside takes its place
void plant(const QString& folder, const QString& outside, const QString& steps)
{
    for (const QString& step : steps.split(u';', Qt::SkipEmptyParts)) {
        const QStringList w = QString(step).replace(u'@', outside).replace(u'#', QString::number(::getpid())).split(u' ');
        const QString path = w[1].startsWith(u'/') ? w[1] : folder + u'/' + w[1];
        if (w[0] == "swap") {
            setSaveStepHook([=, swapped = false](SaveStep reached) mutable {
                if (int(reached) == w[2].toInt() && !swapped)
                    swapped = QFile::rename(path, folder + "/moved") && QFile::link(outside, path);
                return true;
            });
            continue;
        }
        const QByteArray name = QFile::encodeName(path);
        const QByteArray arg = QFile::encodeName(w.value(2));
        const QString& kind = w[0];
        const bool done = kind == "file"     ? writeOld(path)
                          : kind == "dir"    ? ::mkdir(name, 0755) == 0
                          : kind == "fifo"   ? ::mkfifo(name, 0666) == 0
                          : kind == "link"   ? ::symlink(arg, name) == 0
                          : kind == "hard"   ? ::link(arg, name) == 0
                          : kind == "nobody" ? ::lchown(name, kNobody, kNobody) == 0
                          : kind == "mode"   ? ::chmod(name, w[2].toUInt(nullptr, 8)) == 0
                                             : writeOld(path) && ::truncate(name, 257LL << 20) == 0;
        QVERIFY2(done, qPrintable(step));
    }
}

// Both folders in one line, sorted: "name=content(mode)" for a file, "name/(mode)"
// for a folder, "name->target" for a link, "name|" for a pipe, each with "~" when another user's; "@" stands for
// the folder outside and "#" for our process id.
QString snapshot(const QString& folder, const QString& outside = {})
{
    QStringList entries;
    for (const QString& root : {folder, outside}) {
        if (root.isEmpty())
            continue;
        QDirIterator it(root, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            struct stat seen {};
            ::lstat(QFile::encodeName(path).constData(), &seen);
            QString entry = (root == outside ? "@" : "") + path.mid(root.size() + (root == outside ? 0 : 1));
            entry.replace(QString::number(::getpid()), "#");
            char target[4096] = {};
            const QString mode = "(" + QString::number(seen.st_mode & 07777, 8) + ")";
            if (S_ISREG(seen.st_mode))
                entry += "=" + readTestFile(path).trimmed() + mode;
            else if (S_ISDIR(seen.st_mode))
                entry += "/" + mode;
            else if (S_ISLNK(seen.st_mode) && ::readlink(QFile::encodeName(path), target, sizeof target - 1) > 0)
                entry += "->" + QString::fromLocal8Bit(target).replace(outside, "@");
            else if (S_ISFIFO(seen.st_mode))
                entry += "|";
            else
                continue;
            entries << entry + (seen.st_uid == kNobody ? "~" : "");
        }
    }
    entries.sort();
    return entries.join(u' ');
}

// Runs check where file permissions really apply: as nobody, in a child
// process, with folder handed to nobody, when this process is root.
bool withoutRootRights(const QString& folder, const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext())
        ::lchown(QFile::encodeName(entries.next()).constData(), kNobody, kNobody);
    ::chown(QFile::encodeName(folder).constData(), kNobody, kNobody);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

Q_DECLARE_METATYPE(ReadResult)

class TestSafeSave : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ::umask(022); }

    // A save swaps the new content with the previous version kept in
    // ".zev-previous", a folder that belongs to the working folder's owner. What
    // another user may plant at any name a save or a read uses, before it or while
    // it runs, and what the operation must then do: zev.conf saved whole, as this
    // user's, through no link but this user's or root's, with nothing outside
    // written, moved or removed; a device file's link replaced; a read only of a
    // regular file of sane size.
    void attacks_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("op"); // save (zev.conf alone), batch (as a device file) or read; [as nobody]
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QString>("after"); // both folders afterwards; empty: not looked at
        const QString old = "file zev.conf;mode zev.conf 640;";
        const QString folder = old + "dir .zev-previous;";
        const QString kept = ".zev-previous/(755) .zev-previous/zev.conf=old(640) @/x=old(644) zev.conf=new(640)";
        QTest::newRow("previous version reused") << folder + "file .zev-previous/zev.conf" << "save" << "saved" << kept;
        QTest::newRow("root saving in another user's folder") << old + "mode . 2770;nobody ." << "save" << "saved"
            << ".zev-previous/(2750)~ .zev-previous/zev.conf=old(640) @/x=old(644) zev.conf=new(640)";
        QTest::newRow("link outside as previous version") << folder + "link .zev-previous/zev.conf @/x" << "save" << "saved" << kept;
        QTest::newRow("second name of a file outside") << folder + "hard .zev-previous/zev.conf @/x" << "save" << "saved" << kept;
        QTest::newRow("pipe as previous version") << folder + "fifo .zev-previous/zev.conf" << "save" << "saved" << kept;
        QTest::newRow("another user's previous version")
            << folder + "file .zev-previous/zev.conf;nobody .zev-previous/zev.conf" << "save" << "saved" << kept;
        QTest::newRow("another user's previous versions folder") << folder + "nobody .zev-previous" << "save" << "saved"
            << ".zev-previous/(755)~ @/x=old(644) zev.conf=new(640)";
        QTest::newRow("previous versions folder links outside") << old + "link .zev-previous @" << "save" << "saved"
            << ".zev-previous->@ @/x=old(644) zev.conf=new(640)";
        QTest::newRow("pipe beside the target") << folder + "nobody .zev-previous;fifo .zev.conf.zev-new-#" << "save" << "saved"
            << ".zev-previous/(755)~ .zev.conf.zev-new-#| @/x=old(644) zev.conf=new(640)";
        QTest::newRow("pipe as zev.conf") << "fifo zev.conf" << "save" << "saved" << ".zev-previous/(700) @/x=old(644) zev.conf=new(644)";
        QTest::newRow("set-id zev.conf of this user") << "file zev.conf;mode zev.conf 6777" << "save" << "saved"
            << ".zev-previous/(700) .zev-previous/zev.conf=old(6777) @/x=old(644) zev.conf=new(777)";
        QTest::newRow("set-id zev.conf of another user") << "file zev.conf;mode zev.conf 6777;nobody zev.conf" << "save" << "saved"
            << ".zev-previous/(700) .zev-previous/zev.conf=old(777)~ @/x=old(644) zev.conf=new(644)";
        QTest::newRow("own link followed") << "link zev.conf @/x" << "save" << "saved"
            << "@/.zev-previous/(700) @/.zev-previous/x=old(644) @/x=new(644) zev.conf->@/x";
        QTest::newRow("own link through a folder link") << "link in @;link zev.conf in/x" << "save" << "saved"
            << "@/.zev-previous/(700) @/.zev-previous/x=old(644) @/x=new(644) in->@ zev.conf->in/x";
        QTest::newRow("another user's link refused") << "link zev.conf @/x;nobody zev.conf" << "save" << "refused"
            << "@/x=old(644) zev.conf->@/x~";
        QTest::newRow("through another user's folder link") << "link in @;nobody in;link zev.conf in/x" << "save" << "refused"
            << "@/x=old(644) in->@~ zev.conf->in/x";
        QTest::newRow("device file: link replaced") << "link zev.conf @/x;nobody zev.conf" << "batch" << "saved"
            << ".zev-previous/(700) @/x=old(644) zev.conf=new(644)";
        for (const char* swapAt : {"0", "1", "2", "3"})
            QTest::addRow("previous versions folder swapped for a link at step %s", swapAt)
                << folder + "swap .zev-previous " + swapAt << "batch" << "saved"
                << ".zev-previous->@ @/x=old(644) moved/(755) moved/zev.conf=old(640) zev.conf=new(640)";
        QTest::newRow("read-only zev.conf") << "file zev.conf;mode zev.conf 444" << "save as nobody" << "refused"
            << ".zev-previous/(700)~ @/x=old(644) zev.conf=old(444)~";
        QTest::newRow("read-only device file") << "file zev.conf;mode zev.conf 444" << "batch as nobody" << "refused"
            << ".zev-previous/(700)~ @/x=old(644) zev.conf=old(444)~";
        QTest::newRow("read: plain file") << "file zev.conf" << "read" << "read old" << "";
        QTest::newRow("read: nothing") << "" << "read" << "missing" << "";
        QTest::newRow("read: pipe") << "fifo zev.conf" << "read" << "refused" << "";
        QTest::newRow("read: link to an endless device") << "link zev.conf /dev/zero" << "read" << "refused" << "";
        QTest::newRow("read: too large") << "big zev.conf" << "read" << "refused" << "";
        QTest::newRow("read: folder") << "dir zev.conf" << "read" << "refused" << "";
        QTest::newRow("read: another user's link") << "file real;link zev.conf real;nobody zev.conf" << "read" << "refused" << "";
    }

    void attacks()
    {
        QFETCH(QString, steps);
        QFETCH(QString, op);
        QFETCH(QString, outcome);
        QFETCH(QString, after);
        if ((steps + op).contains("nobody") && ::geteuid() != 0)
            QSKIP("giving a file to another user needs root");
        ::alarm(20); // an operation that blocks on a pipe fails here instead of hanging the suite
        QTemporaryDir dir;
        QTemporaryDir outside;
        plant(dir.path(), outside.path(), "file @/x;" + steps);
        const auto run = [&]() -> QString {
            QByteArray content;
            if (op == "read") {
                const ReadResult read = readFile(dir.path(), "zev.conf", 256LL << 20, content);
                return read == ReadResult::Read ? "read " + content.trimmed() : read == ReadResult::Missing ? "missing" : "refused";
            }
            if (op.startsWith("save"))
                return saveFile(dir.filePath("zev.conf"), [](QIODevice& file) { return writeFully(file, "new\n"); })
                           ? "saved" : "refused";
            const SaveSession session(dir.path());
            BatchSave batch(session);
            return batch.stage("zev.conf", QByteArray("new\n")) && batch.commit([](const QString&) { return false; }) ? "saved" : "refused";
        };
        // "as nobody": where file permissions apply, in a child process
        const QString seen = !op.endsWith("as nobody") ? run()
                             : withoutRootRights(dir.path(), [&] { return run() == outcome; }) ? outcome : "not " + outcome;
        ::alarm(0);
        setSaveStepHook({});
        QCOMPARE(seen, outcome);
        if (!after.isEmpty())
            QCOMPARE(snapshot(dir.path(), outside.path()), after);
    }

    // One save at a time per folder: a second one waits for the lock, then gives up.
    void oneSaveAtATime()
    {
        QTemporaryDir dir;
        const int other = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(other >= 0 && ::flock(other, LOCK_EX) == 0);
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(SaveSession(dir.path(), 300).status(), SaveSession::Status::Busy);
        QVERIFY(waited.elapsed() >= 300);
        ::close(other);
        QVERIFY(SaveSession(dir.path(), 300).isReady());
        QCOMPARE(SaveSession(dir.filePath("missing")).status(), SaveSession::Status::NoFolder);
    }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
