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

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

bool save(const QString& path, const QByteArray& bytes)
{
    return saveFile(path, [&bytes](QIODevice& device) { return writeFully(device, bytes); });
}

bool writeOld(const QString& path, const QByteArray& bytes = "old\n")
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Makes what another user could have planted, step by step: "kind NAME [ARG]"
// with ";" between steps, "@" for the folder outside and "#" for our process id.
//   file: holds "old\n"   dir   fifo   link: to ARG   hard: second name of ARG
//   nobody: given to another user   mode: permissions ARG (octal)   big: 257 MiB
void plant(const QString& folder, const QString& outside, const QString& steps)
{
    for (const QString& step : steps.split(u';', Qt::SkipEmptyParts)) {
        const QStringList w = QString(step).replace(u'@', outside).replace(u'#', QString::number(::getpid())).split(u' ');
        const QString path = w[1].startsWith(u'/') ? w[1] : folder + u'/' + w[1];
        const QByteArray name = native(path);
        const QByteArray arg = native(w.value(2));
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

struct stat statOf(const QString& path)
{
    struct stat seen {};
    ::lstat(native(path).constData(), &seen);
    return seen;
}

// Everything in folder, with each file's content: what must not change.
QStringList contentsOf(const QString& folder)
{
    QStringList found;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        found << path.mid(folder.size()) + u'=' + QString::fromUtf8(readTestFile(path));
    }
    found.sort();
    return found;
}

// Runs check where file permissions really apply: as nobody, in a child
// process, with folder handed to nobody, when this process is root.
bool withoutRootRights(const QString& folder, const std::function<bool()>& check)
{
    if (::geteuid() != 0)
        return check();
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    while (entries.hasNext())
        ::lchown(native(entries.next()).constData(), kNobody, kNobody);
    ::chown(native(folder).constData(), kNobody, kNobody);
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 1;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

#define SKIP_UNLESS_ROOT_FOR(steps)                                                                                    \
    if (QString(steps).contains("nobody") && ::geteuid() != 0)                                                         \
    QSKIP("giving a file to another user needs root")

} // namespace

Q_DECLARE_METATYPE(SaveStep)
Q_DECLARE_METATYPE(ReadResult)

class TestSafeSave : public QObject {
    Q_OBJECT
private slots:
    // Each save writes over the previous version kept in ".zev-previous". Root
    // saving into another user's folder leaves that folder the owner's.
    void previousVersionIsKeptAndReused()
    {
        QTemporaryDir dir;
        if (::geteuid() == 0)
            plant(dir.path(), {}, "mode . 2770;nobody .");
        const QString target = dir.filePath("zev.conf");
        QVERIFY(save(target, "first, and longer than the others\n"));
        const ino_t firstFile = statOf(target).st_ino;
        QVERIFY(save(target, "second\n") && save(target, "third\n"));
        QCOMPARE(readTestFile(target), QByteArray("third\n"));
        QCOMPARE(readTestFile(dir.filePath(".zev-previous/zev.conf")), QByteArray("second\n"));
        QCOMPARE(statOf(target).st_ino, firstFile); // written over, not created anew
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("zev.conf"));
        const struct stat folder = statOf(dir.path());
        const struct stat previous = statOf(dir.filePath(".zev-previous"));
        QVERIFY(previous.st_uid == folder.st_uid && previous.st_gid == folder.st_gid);
        QCOMPARE(previous.st_mode & 07777, folder.st_mode & 02755);
    }

    // A file this user may not write is left as it is, as a plain open would
    // leave it: the save fails, whether it is zev.conf or a device's file.
    void readOnlyFilesAreNotReplaced()
    {
        QTemporaryDir dir;
        plant(dir.path(), {}, "file zev.conf;mode zev.conf 444;file AB12.conf;mode AB12.conf 444");
        QVERIFY(withoutRootRights(dir.path(), [&] {
            const bool configRefused = !save(dir.filePath("zev.conf"), "new\n");
            const SaveSession session(dir.path());
            return configRefused && !BatchSave(session).stage("AB12.conf", QByteArray("new\n"));
        }));
        QCOMPARE(readTestFile(dir.filePath("zev.conf")) + readTestFile(dir.filePath("AB12.conf")), QByteArray("old\nold\n"));
    }

    // Another user may plant anything at any name the save uses. zev.conf is
    // still saved whole, as this user's, and nothing outside changes.
    void plantedNames_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("mode");        // of zev.conf afterwards; -1 the new-file mode
        QTest::addColumn<QByteArray>("kept"); // the previous version afterwards; null: not looked at
        const QString old = "file zev.conf;mode zev.conf 640;";
        const QString folder = old + "dir .zev-previous;";
        QTest::newRow("link outside as previous version") << folder + "link .zev-previous/zev.conf @/x" << 0640 << QByteArray("old\n");
        QTest::newRow("second name of a file outside") << folder + "hard .zev-previous/zev.conf @/x" << 0640 << QByteArray("old\n");
        QTest::newRow("pipe as previous version") << folder + "fifo .zev-previous/zev.conf" << 0640 << QByteArray("old\n");
        QTest::newRow("another user's previous version")
            << folder + "file .zev-previous/zev.conf;nobody .zev-previous/zev.conf" << 0640 << QByteArray("old\n");
        QTest::newRow("another user's previous versions folder") << folder + "nobody .zev-previous" << 0640 << QByteArray("");
        QTest::newRow("previous versions folder links outside") << old + "link .zev-previous @" << 0640 << QByteArray("");
        QTest::newRow("pipe beside the target") << folder + "nobody .zev-previous;fifo .zev.conf.zev-new-#" << 0640 << QByteArray();
        QTest::newRow("pipe as zev.conf") << "fifo zev.conf" << -1 << QByteArray();
        QTest::newRow("set-id zev.conf of this user") << "file zev.conf;mode zev.conf 6777" << 0777 << QByteArray();
        QTest::newRow("set-id zev.conf of another user") << "file zev.conf;mode zev.conf 6777;nobody zev.conf" << -1 << QByteArray();
    }

    void plantedNames()
    {
        QFETCH(QString, steps);
        QFETCH(int, mode);
        QFETCH(QByteArray, kept);
        SKIP_UNLESS_ROOT_FOR(steps);
        ::alarm(20); // a save that blocks on a pipe fails here instead of hanging the suite
        QTemporaryDir dir;
        QTemporaryDir outside;
        plant(dir.path(), outside.path(), "file @/x;" + steps);
        const QStringList outsideBefore = contentsOf(outside.path());
        const QString target = dir.filePath("zev.conf");
        QVERIFY(save(target, "new\n"));
        ::alarm(0);
        QCOMPARE(readTestFile(target), QByteArray("new\n"));
        QCOMPARE(contentsOf(outside.path()), outsideBefore);
        QCOMPARE(statOf(target).st_uid, ::geteuid());
        const mode_t mask = ::umask(0);
        ::umask(mask);
        QCOMPARE(int(statOf(target).st_mode & 07777), mode < 0 ? int(0666 & ~mask) : mode);
        if (!kept.isNull())
            QCOMPARE(readTestFile(dir.filePath(".zev-previous/zev.conf")), kept);
    }

    // zev.conf kept elsewhere through a link is saved where the link points,
    // but only through links this user or root made; a link in a device
    // file's place is replaced, as a rename replaces it.
    void linkInTheTargetsPlace_data()
    {
        QTest::addColumn<bool>("oneFile");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("saved");
        QTest::newRow("zev.conf: own link followed") << true << "link AB12.conf @/x" << true;
        QTest::newRow("zev.conf: own link through a folder link") << true << "link AB12.conf in/x" << true;
        QTest::newRow("zev.conf: another user's link refused") << true << "link AB12.conf @/x;nobody AB12.conf" << false;
        QTest::newRow("zev.conf: through another user's folder link") << true << "link AB12.conf in/x;nobody in" << false;
        QTest::newRow("device file: link replaced") << false << "link AB12.conf @/x;nobody AB12.conf" << true;
    }

    void linkInTheTargetsPlace()
    {
        QFETCH(bool, oneFile);
        QFETCH(QString, steps);
        QFETCH(bool, saved);
        SKIP_UNLESS_ROOT_FOR(steps);
        QTemporaryDir dir;
        QTemporaryDir outside;
        plant(dir.path(), outside.path(), "file @/x;link in @;" + steps);
        const QString link = dir.filePath("AB12.conf");
        if (oneFile) {
            QCOMPARE(save(link, "new\n"), saved);
        } else {
            const SaveSession session(dir.path());
            BatchSave batch(session);
            QVERIFY(batch.stage("AB12.conf", QByteArray("new\n")));
            QVERIFY(batch.commit([](const QString&) { return false; }));
        }
        QCOMPARE(QFileInfo(link).isSymLink(), oneFile);
        QCOMPARE(readTestFile(outside.filePath("x")), oneFile && saved ? QByteArray("new\n") : QByteArray("old\n"));
        QCOMPARE(readTestFile(link), saved ? QByteArray("new\n") : QByteArray("old\n"));
    }

    // The previous-versions folder swapped for a link to another folder at any
    // step of a save: nothing lands, moves or vanishes outside.
    void folderSwappedDuringTheSave_data()
    {
        QTest::addColumn<SaveStep>("step");
        QTest::newRow("after opening it") << SaveStep::Started;
        QTest::newRow("after the first file") << SaveStep::Staged;
        QTest::newRow("before the sync") << SaveStep::Sync;
        QTest::newRow("after the first swap") << SaveStep::Placed;
    }

    void folderSwappedDuringTheSave()
    {
        QFETCH(SaveStep, step);
        QTemporaryDir dir;
        QTemporaryDir outside;
        const QStringList names{"AB12.conf", "CD34.conf", "EF56.conf"};
        for (const QString& name : names)
            QVERIFY(writeOld(dir.filePath(name)) && writeOld(outside.filePath(name), "private\n"));
        const QStringList outsideBefore = contentsOf(outside.path());
        bool swapped = false;
        setSaveStepHook([&](SaveStep reached) {
            if (reached == step && !swapped)
                swapped = QDir(dir.path()).rename(".zev-previous", "moved") &&
                          QFile::link(outside.path(), dir.filePath(".zev-previous"));
            return true;
        });
        bool saved = true;
        {
            const SaveSession session(dir.path());
            BatchSave batch(session);
            for (const QString& name : names)
                saved = batch.stage(name, QByteArray("new\n")) && saved;
            saved = batch.commit([](const QString&) { return false; }) && saved;
        }
        setSaveStepHook({});
        QVERIFY(swapped && saved);
        QCOMPARE(contentsOf(outside.path()), outsideBefore);
        for (const QString& name : names)
            QCOMPARE(readTestFile(dir.filePath(name)), QByteArray("new\n"));
    }

    // One save at a time per folder: a second one waits for the lock, then gives up.
    void oneSaveAtATime()
    {
        QTemporaryDir dir;
        const int other = ::open(native(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(other >= 0 && ::flock(other, LOCK_EX) == 0);
        QElapsedTimer waited;
        waited.start();
        QCOMPARE(SaveSession(dir.path(), 300).status(), SaveSession::Status::Busy);
        QVERIFY(waited.elapsed() >= 300);
        if (::fork() == 0) {
            ::usleep(200 * 1000);
            ::_exit(0); // the child's copy of the lock goes with it
        }
        ::close(other);
        QVERIFY(SaveSession(dir.path(), 5000).isReady());
        ::wait(nullptr);
        QCOMPARE(SaveSession(dir.filePath("missing")).status(), SaveSession::Status::NoFolder);
    }

    // Reading follows the same rules: only a regular file of a sane size,
    // reached through trusted links, and nothing that can block.
    void readRefusesWhatIsNotAPlainFile_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<ReadResult>("expected");
        QTest::newRow("plain file") << "file zev.conf" << ReadResult::Read;
        QTest::newRow("nothing") << "" << ReadResult::Missing;
        QTest::newRow("pipe") << "fifo zev.conf" << ReadResult::Refused;
        QTest::newRow("link to an endless device") << "link zev.conf /dev/zero" << ReadResult::Refused;
        QTest::newRow("too large") << "big zev.conf" << ReadResult::Refused;
        QTest::newRow("folder") << "dir zev.conf" << ReadResult::Refused;
        QTest::newRow("another user's link") << "file real;link zev.conf real;nobody zev.conf" << ReadResult::Refused;
    }

    void readRefusesWhatIsNotAPlainFile()
    {
        QFETCH(QString, steps);
        QFETCH(ReadResult, expected);
        SKIP_UNLESS_ROOT_FOR(steps);
        ::alarm(20);
        QTemporaryDir dir;
        plant(dir.path(), {}, steps);
        QByteArray content;
        QCOMPARE(readFile(dir.path(), "zev.conf", 256LL << 20, content), expected);
        ::alarm(0);
        QCOMPARE(content, expected == ReadResult::Read ? QByteArray("old\n") : QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
