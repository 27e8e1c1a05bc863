// How a file is replaced: its new content swaps places with its previous
// version, which the next save writes over, and nothing outside the working
// folder is ever written through a link.
#include "model/SafeSave.h"
#include "support/SampleRecords.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QThread>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <thread>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool save(const QString& path, const QByteArray& bytes)
{
    return saveFile(path, [&bytes](QIODevice& device) { return writeFully(device, bytes); });
}

ino_t inodeOf(const QString& path)
{
    struct stat seen;
    return ::lstat(QFile::encodeName(path).constData(), &seen) == 0 ? seen.st_ino : 0;
}

void writePlain(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

constexpr uid_t kNobody = 65534;

// Runs check as a user without root's rights, so that file permissions really
// apply: in a child process as nobody, with folder handed to nobody, when this
// one is root. Returns what check returned.
QString withoutRootRights(const QString& folder, const std::function<QString()>& check)
{
    if (::geteuid() != 0)
        return check();
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (entries.hasNext())
        ::lchown(QFile::encodeName(entries.next()).constData(), kNobody, kNobody);
    ::chown(QFile::encodeName(folder).constData(), kNobody, kNobody);
    int channel[2];
    if (::pipe(channel) != 0)
        return QStringLiteral("no pipe");
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        const QByteArray answer = dropped ? check().toUtf8() : QByteArray("could not become nobody");
        [[maybe_unused]] const ssize_t sent = ::write(channel[1], answer.constData(), size_t(answer.size()));
        ::_exit(0);
    }
    ::close(channel[1]);
    QByteArray answer;
    char buffer[256];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, got);
    ::close(channel[0]);
    ::waitpid(child, nullptr, 0);
    return QString::fromUtf8(answer);
}


bool isRoot()
{
    return ::geteuid() == 0;
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

void giveToNobody(const QString& path)
{
    QCOMPARE(::lchown(native(path).constData(), kNobody, kNobody), 0);
}

void makeFifo(const QString& path)
{
    QCOMPARE(::mkfifo(native(path).constData(), 0666), 0);
}

struct stat statOf(const QString& path)
{
    struct stat seen {};
    ::lstat(native(path).constData(), &seen);
    return seen;
}

mode_t umaskNow()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// Everything in folder, with each file's content: what must not change.
QStringList contentsOf(const QString& folder)
{
    QStringList found;
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        found << path.mid(folder.size()) + u'=' + QString::fromUtf8(readTestFile(path));
    }
    found.sort();
    return found;
}

} // namespace

Q_DECLARE_METATYPE(SaveStep)
Q_DECLARE_METATYPE(ReadResult)

class TestSafeSave : public QObject {
    Q_OBJECT
private slots:
    void previousVersionIsKeptAndReused()
    {
        QTemporaryDir dir;
        const QString target = dir.filePath("zev.conf");
        const QString previous = dir.filePath(".zev-previous/zev.conf");
        QVERIFY(save(target, "first, and longer than the others\n"));
        const ino_t firstFile = inodeOf(target);
        QVERIFY(save(target, "second\n"));
        QCOMPARE(readTestFile(target), QByteArray("second\n"));
        QCOMPARE(readTestFile(previous), QByteArray("first, and longer than the others\n"));

        QVERIFY(save(target, "third\n"));
        QCOMPARE(readTestFile(target), QByteArray("third\n"));
        QCOMPARE(readTestFile(previous), QByteArray("second\n"));
        QCOMPARE(inodeOf(target), firstFile); // written over, not created anew
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("zev.conf"));
    }

    // A file this user may not write is left as it is, as a plain open would
    // leave it: the save fails, whether it is zev.conf or a device's file.
    void fileThatMayNotBeWritten_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("oneFile");
        QTest::addColumn<QString>("expected"); // saved, then the two files' contents
        QTest::newRow("read-only zev.conf") << 0444 << true << "0 old old";
        QTest::newRow("read-only device file") << 0444 << false << "0 old old";
        QTest::newRow("writable zev.conf") << 0644 << true << "1 new old";
        QTest::newRow("writable device file") << 0644 << false << "1 new new";
    }

    void fileThatMayNotBeWritten()
    {
        QFETCH(int, mode);
        QFETCH(bool, oneFile);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString target = dir.filePath("AB12.conf");
        writePlain(target, "old\n");
        writePlain(dir.filePath("CD34.conf"), "old\n");
        QCOMPARE(::chmod(QFile::encodeName(target).constData(), mode_t(mode)), 0);
        const QString outcome = withoutRootRights(dir.path(), [&] {
            bool saved = false;
            if (oneFile) {
                saved = save(target, "new\n");
            } else {
                const SaveSession session(dir.path());
                BatchSave batch(session);
                saved = batch.stage("AB12.conf", QByteArray("new\n")) && batch.stage("CD34.conf", QByteArray("new\n"));
                saved = batch.commit([](const QString&) { return false; }) && saved;
            }
            return QStringLiteral("%1 %2 %3")
                .arg(int(saved))
                .arg(QString::fromUtf8(readTestFile(target).trimmed()),
                     QString::fromUtf8(readTestFile(dir.filePath("CD34.conf")).trimmed()));
        });
        QCOMPARE(outcome, expected);
    }

    // Another user may write the working folder and plant anything at any name
    // the save uses. Nothing planted is written through, reused, or waited on,
    // and the file is still saved whole.
    void plantedNames_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<bool>("needsRoot");   // to give files to another user
        QTest::addColumn<int>("expectedMode"); // of zev.conf afterwards; -1 the new-file mode
        QTest::newRow("link to a file outside as previous version") << "previous link" << false << 0640;
        QTest::newRow("second name of a file outside as previous version") << "previous hard link" << false << 0640;
        QTest::newRow("pipe as previous version") << "previous fifo" << false << 0640;
        QTest::newRow("another user's file as previous version") << "previous foreign" << true << 0640;
        QTest::newRow("previous versions folder of another user") << "folder foreign" << true << 0640;
        QTest::newRow("previous versions folder is a link outside") << "folder link" << false << 0640;
        QTest::newRow("previous versions folder is a file") << "folder file" << false << 0640;
        QTest::newRow("pipes at the names beside the target") << "fallback fifo" << true << 0640;
        QTest::newRow("pipe as zev.conf") << "target fifo" << false << -1;
        QTest::newRow("set-id zev.conf of this user") << "target setid" << false << 0777;
        QTest::newRow("set-id zev.conf of another user") << "target foreign setid" << true << -1;
    }

    void plantedNames()
    {
        QFETCH(QString, plant);
        QFETCH(bool, needsRoot);
        QFETCH(int, expectedMode);
        if (needsRoot && !isRoot())
            QSKIP("giving a file to another user needs root");
        ::alarm(20); // a save that blocks on a pipe fails here instead of hanging the suite
        QTemporaryDir dir;
        QTemporaryDir outside;
        writePlain(outside.filePath("precious"), "keep me\n");
        const QString target = dir.filePath("zev.conf");
        const QString previous = dir.filePath(".zev-previous/zev.conf");
        writePlain(target, "old\n");
        QCOMPARE(::chmod(native(target).constData(), 0640), 0);
        if (plant.startsWith("previous") || plant == "folder foreign" || plant == "fallback fifo")
            QVERIFY(QDir(dir.path()).mkdir(".zev-previous"));
        if (plant == "previous link")
            QVERIFY(QFile::link(outside.filePath("precious"), previous));
        if (plant == "previous hard link")
            QCOMPARE(::link(native(outside.filePath("precious")).constData(), native(previous).constData()), 0);
        if (plant == "previous fifo")
            makeFifo(previous);
        if (plant == "previous foreign") {
            writePlain(previous, "planted\n");
            QFile::setPermissions(previous, QFileDevice::Permissions(0x6666));
            giveToNobody(previous);
        }
        if (plant == "folder foreign" || plant == "fallback fifo")
            giveToNobody(dir.filePath(".zev-previous"));
        if (plant == "fallback fifo")
            makeFifo(dir.filePath(QStringLiteral(".zev.conf.zev-new-%1").arg(::getpid())));
        if (plant == "folder link")
            QVERIFY(QFile::link(outside.path(), dir.filePath(".zev-previous")));
        if (plant == "folder file")
            writePlain(dir.filePath(".zev-previous"), "not a folder\n");
        if (plant == "target fifo") {
            QFile::remove(target);
            makeFifo(target);
        }
        if (plant.contains("setid"))
            QCOMPARE(::chmod(native(target).constData(), 06777), 0);
        if (plant == "target foreign setid")
            giveToNobody(target);
        const QStringList outsideBefore = contentsOf(outside.path());

        QVERIFY(save(target, "new\n"));
        ::alarm(0);

        QCOMPARE(readTestFile(target), QByteArray("new\n"));
        QCOMPARE(contentsOf(outside.path()), outsideBefore);
        const struct stat saved = statOf(target);
        QCOMPARE(saved.st_uid, ::geteuid());
        QCOMPARE(int(saved.st_mode & 07777), expectedMode < 0 ? int(0666 & ~umaskNow()) : expectedMode);
        if (plant.startsWith("previous"))
            QCOMPARE(readTestFile(previous), QByteArray("old\n"));
        if (plant == "folder foreign")
            QCOMPARE(QDir(dir.filePath(".zev-previous")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList());
    }

    // zev.conf kept elsewhere through a link is saved where the link points,
    // but only through links this user or root made; a link in a device
    // file's place is replaced, as a rename replaces it.
    void linkInTheTargetsPlace_data()
    {
        QTest::addColumn<bool>("oneFile");
        QTest::addColumn<QString>("linkOwner"); // "self" or "nobody"
        QTest::addColumn<QString>("via");       // where the link points
        QTest::addColumn<bool>("saved");
        QTest::newRow("zev.conf: own link followed") << true << "self" << "file" << true;
        QTest::newRow("zev.conf: own link through a folder link") << true << "self" << "folder link" << true;
        QTest::newRow("zev.conf: another user's link refused") << true << "nobody" << "file" << false;
        QTest::newRow("zev.conf: through another user's folder link") << true << "self" << "foreign folder link"
                                                                       << false;
        QTest::newRow("device file: link replaced") << false << "nobody" << "file" << true;
    }

    void linkInTheTargetsPlace()
    {
        QFETCH(bool, oneFile);
        QFETCH(QString, linkOwner);
        QFETCH(QString, via);
        QFETCH(bool, saved);
        if ((linkOwner == "nobody" || via.startsWith("foreign")) && !isRoot())
            QSKIP("giving a link to another user needs root");
        QTemporaryDir dir;
        QTemporaryDir outside;
        const QString pointedTo = outside.filePath("shared.conf");
        writePlain(pointedTo, "old\n");
        const QString link = dir.filePath("AB12.conf");
        if (via == "file") {
            QVERIFY(QFile::link(pointedTo, link));
        } else {
            QVERIFY(QFile::link(outside.path(), dir.filePath("elsewhere")));
            QVERIFY(QFile::link("elsewhere/shared.conf", link));
            if (via.startsWith("foreign"))
                giveToNobody(dir.filePath("elsewhere"));
        }
        if (linkOwner == "nobody")
            giveToNobody(link);

        if (oneFile) {
            QCOMPARE(save(link, "new\n"), saved);
        } else {
            const SaveSession session(dir.path());
            BatchSave batch(session);
            QVERIFY(batch.stage("AB12.conf", QByteArray("new\n")));
            QVERIFY(batch.commit([](const QString&) { return false; }));
        }
        QCOMPARE(QFileInfo(link).isSymLink(), oneFile);
        QCOMPARE(readTestFile(pointedTo), oneFile && saved ? QByteArray("new\n") : QByteArray("old\n"));
        if (!oneFile)
            QCOMPARE(readTestFile(link), QByteArray("new\n"));
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
        for (const QString& name : names) {
            writePlain(dir.filePath(name), "old\n");
            writePlain(outside.filePath(name), "private\n");
        }
        const QStringList outsideBefore = contentsOf(outside.path());
        bool swapped = false;
        setSaveStepHook([&](SaveStep reached) {
            if (reached == step && !swapped) {
                swapped = QDir(dir.path()).rename(".zev-previous", "moved") &&
                          QFile::link(outside.path(), dir.filePath(".zev-previous"));
            }
            return true;
        });
        bool saved = false;
        {
            const SaveSession session(dir.path());
            BatchSave batch(session);
            saved = std::all_of(names.begin(), names.end(),
                                [&](const QString& name) { return batch.stage(name, QByteArray("new\n")); });
            saved = batch.commit([](const QString&) { return false; }) && saved;
        }
        setSaveStepHook({});

        QVERIFY(swapped);
        QVERIFY(saved);
        QCOMPARE(contentsOf(outside.path()), outsideBefore);
        for (const QString& name : names)
            QCOMPARE(readTestFile(dir.filePath(name)), QByteArray("new\n"));
    }

    // One save at a time per folder: a second one waits for the lock, then gives up.
    void oneSaveAtATime()
    {
        QTemporaryDir dir;
        {
            const SaveSession first(dir.path());
            QVERIFY(first.isReady());
            QElapsedTimer waited;
            waited.start();
            QCOMPARE(SaveSession(dir.path(), 300).status(), SaveSession::Status::Busy);
            QVERIFY(waited.elapsed() >= 300);
        }
        const int other = ::open(native(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
        QVERIFY(other >= 0 && ::flock(other, LOCK_EX) == 0);
        std::thread release([other] {
            QThread::msleep(200);
            ::close(other);
        });
        const SaveSession waiting(dir.path(), 5000);
        release.join();
        QVERIFY(waiting.isReady());
        QCOMPARE(SaveSession(dir.filePath("missing")).status(), SaveSession::Status::NoFolder);
    }

    // Reading follows the same rules: only a regular file, of a sane size,
    // reached through trusted links, and nothing that can block.
    void readRefusesWhatIsNotAPlainFile_data()
    {
        QTest::addColumn<QString>("plant");
        QTest::addColumn<ReadResult>("expected");
        QTest::newRow("plain file") << "file" << ReadResult::Read;
        QTest::newRow("nothing") << "none" << ReadResult::Missing;
        QTest::newRow("pipe") << "fifo" << ReadResult::Refused;
        QTest::newRow("link to an endless device") << "zero" << ReadResult::Refused;
        QTest::newRow("too large") << "large" << ReadResult::Refused;
        QTest::newRow("folder") << "folder" << ReadResult::Refused;
        QTest::newRow("another user's link") << "foreign link" << ReadResult::Refused;
    }

    void readRefusesWhatIsNotAPlainFile()
    {
        QFETCH(QString, plant);
        QFETCH(ReadResult, expected);
        if (plant == "foreign link" && !isRoot())
            QSKIP("giving a link to another user needs root");
        ::alarm(20);
        QTemporaryDir dir;
        const QString path = dir.filePath("zev.conf");
        if (plant == "file" || plant == "foreign link")
            writePlain(dir.filePath("real.conf"), "content\n");
        if (plant == "file")
            QVERIFY(QFile::rename(dir.filePath("real.conf"), path));
        if (plant == "foreign link") {
            QVERIFY(QFile::link("real.conf", path));
            giveToNobody(path);
        }
        if (plant == "fifo")
            makeFifo(path);
        if (plant == "zero")
            QVERIFY(QFile::link("/dev/zero", path));
        if (plant == "large") {
            QFile large(path);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(257LL * 1024 * 1024));
        }
        if (plant == "folder")
            QVERIFY(QDir(dir.path()).mkdir("zev.conf"));
        QByteArray content;
        QCOMPARE(readFile(dir.path(), "zev.conf", 256LL * 1024 * 1024, content), expected);
        ::alarm(0);
        QCOMPARE(content.isEmpty(), expected != ReadResult::Read);
    }

    // Root saving into another user's folder leaves that user a previous-versions
    // folder of their own, which root's next save still uses.
    void rootSavingIntoAnotherUsersFolder()
    {
        if (!isRoot())
            QSKIP("needs root");
        QTemporaryDir dir;
        giveToNobody(dir.path());
        QVERIFY(save(dir.filePath("zev.conf"), "one\n"));
        QVERIFY(save(dir.filePath("zev.conf"), "two\n"));
        const struct stat folder = statOf(dir.filePath(".zev-previous"));
        QCOMPARE(folder.st_uid, kNobody);
        QCOMPARE(folder.st_gid, gid_t(kNobody));
        QCOMPARE(readTestFile(dir.filePath(".zev-previous/zev.conf")), QByteArray("one\n"));
    }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
