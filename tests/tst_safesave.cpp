// How a file is replaced in a working folder other users may write: its new
// content swaps places with its previous version, and nothing planted there
// is written through, reused, followed or waited on.
#include "model/SafeSave.h"
#include "support/SampleRecords.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <thread>

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

void writePlain(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
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

#define NEEDS_ROOT(needed)                                                                                             \
    if ((needed) && ::geteuid() != 0)                                                                                  \
    QSKIP("giving a file to another user needs root")

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
        QVERIFY(save(target, "first, and longer than the others\n"));
        const ino_t firstFile = statOf(target).st_ino;
        QVERIFY(save(target, "second\n"));
        QVERIFY(save(target, "third\n"));
        QCOMPARE(readTestFile(target), QByteArray("third\n"));
        QCOMPARE(readTestFile(dir.filePath(".zev-previous/zev.conf")), QByteArray("second\n"));
        QCOMPARE(statOf(target).st_ino, firstFile); // written over, not created anew
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("zev.conf"));
    }

    // A file this user may not write is left as it is, as a plain open would
    // leave it: the save fails, whether it is zev.conf or a device's file.
    void readOnlyFilesAreNotReplaced()
    {
        QTemporaryDir dir;
        writePlain(dir.filePath("zev.conf"), "old\n");
        writePlain(dir.filePath("AB12.conf"), "old\n");
        for (const char* name : {"zev.conf", "AB12.conf"})
            QCOMPARE(::chmod(native(dir.filePath(name)).constData(), 0444), 0);
        QVERIFY(withoutRootRights(dir.path(), [&] {
            const bool configRefused = !save(dir.filePath("zev.conf"), "new\n");
            const SaveSession session(dir.path());
            return configRefused && !BatchSave(session).stage("AB12.conf", QByteArray("new\n"));
        }));
        QCOMPARE(readTestFile(dir.filePath("zev.conf")), QByteArray("old\n"));
        QCOMPARE(readTestFile(dir.filePath("AB12.conf")), QByteArray("old\n"));
    }

    // Another user may plant anything at any name the save uses. The file is
    // still saved whole, as this user's, and nothing outside changes.
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
        NEEDS_ROOT(needsRoot);
        ::alarm(20); // a save that blocks on a pipe fails here instead of hanging the suite
        QTemporaryDir dir;
        QTemporaryDir outside;
        writePlain(outside.filePath("precious"), "keep me\n");
        const QString target = dir.filePath("zev.conf");
        const QString previous = dir.filePath(".zev-previous/zev.conf");
        writePlain(target, "old\n");
        QCOMPARE(::chmod(native(target).constData(), plant.contains("setid") ? 06777 : 0640), 0);
        if (plant.startsWith("previous") || plant.endsWith("foreign") || plant == "fallback fifo")
            QVERIFY(QDir(dir.path()).mkdir(".zev-previous"));
        if (plant == "previous link" || plant == "folder link")
            QVERIFY(QFile::link(plant == "folder link" ? outside.path() : outside.filePath("precious"),
                                plant == "folder link" ? dir.filePath(".zev-previous") : previous));
        if (plant == "previous hard link")
            QCOMPARE(::link(native(outside.filePath("precious")).constData(), native(previous).constData()), 0);
        if (plant == "previous fifo")
            makeFifo(previous);
        if (plant == "previous foreign") {
            writePlain(previous, "planted\n");
            giveToNobody(previous);
        }
        if (plant == "folder foreign" || plant == "fallback fifo")
            giveToNobody(dir.filePath(".zev-previous"));
        if (plant == "fallback fifo")
            makeFifo(dir.filePath(QStringLiteral(".zev.conf.zev-new-%1").arg(::getpid())));
        if (plant == "target fifo") {
            QFile::remove(target);
            makeFifo(target);
        }
        if (plant == "target foreign setid")
            giveToNobody(target);
        const QStringList outsideBefore = contentsOf(outside.path());

        QVERIFY(save(target, "new\n"));
        ::alarm(0);

        QCOMPARE(readTestFile(target), QByteArray("new\n"));
        QCOMPARE(contentsOf(outside.path()), outsideBefore);
        QCOMPARE(statOf(target).st_uid, ::geteuid());
        const mode_t mask = ::umask(0);
        ::umask(mask);
        QCOMPARE(int(statOf(target).st_mode & 07777), expectedMode < 0 ? int(0666 & ~mask) : expectedMode);
        if (plant.startsWith("previous"))
            QCOMPARE(readTestFile(previous), QByteArray("old\n"));
        if (plant == "folder foreign")
            QVERIFY(QDir(dir.filePath(".zev-previous")).isEmpty());
    }

    // zev.conf kept elsewhere through a link is saved where the link points,
    // but only through links this user or root made; a link in a device
    // file's place is replaced, as a rename replaces it.
    void linkInTheTargetsPlace_data()
    {
        QTest::addColumn<bool>("oneFile");
        QTest::addColumn<QString>("via"); // what the link is, and whose
        QTest::addColumn<bool>("saved");
        QTest::newRow("zev.conf: own link followed") << true << "file" << true;
        QTest::newRow("zev.conf: own link through a folder link") << true << "folder link" << true;
        QTest::newRow("zev.conf: another user's link refused") << true << "foreign file" << false;
        QTest::newRow("zev.conf: through another user's folder link") << true << "foreign folder link" << false;
        QTest::newRow("device file: link replaced") << false << "foreign file" << true;
    }

    void linkInTheTargetsPlace()
    {
        QFETCH(bool, oneFile);
        QFETCH(QString, via);
        QFETCH(bool, saved);
        NEEDS_ROOT(via.startsWith("foreign"));
        QTemporaryDir dir;
        QTemporaryDir outside;
        const QString pointedTo = outside.filePath("shared.conf");
        writePlain(pointedTo, "old\n");
        const QString link = dir.filePath("AB12.conf");
        const QString folderLink = dir.filePath("elsewhere");
        QVERIFY(QFile::link(outside.path(), folderLink));
        QVERIFY(QFile::link(via.endsWith("folder link") ? "elsewhere/shared.conf" : pointedTo, link));
        if (via.startsWith("foreign"))
            giveToNobody(via.endsWith("folder link") ? folderLink : link);

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
        for (const QString& name : names) {
            writePlain(dir.filePath(name), "old\n");
            writePlain(outside.filePath(name), "private\n");
        }
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

    // Reading follows the same rules: only a regular file of a sane size,
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
        NEEDS_ROOT(plant == "foreign link");
        ::alarm(20);
        QTemporaryDir dir;
        const QString path = dir.filePath("zev.conf");
        writePlain(dir.filePath("real.conf"), "content\n");
        if (plant == "file")
            QVERIFY(QFile::rename(dir.filePath("real.conf"), path));
        if (plant == "foreign link" || plant == "zero")
            QVERIFY(QFile::link(plant == "zero" ? "/dev/zero" : "real.conf", path));
        if (plant == "foreign link")
            giveToNobody(path);
        if (plant == "fifo")
            makeFifo(path);
        if (plant == "large") {
            QFile large(path);
            QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(257LL * 1024 * 1024));
        }
        if (plant == "folder")
            QVERIFY(QDir(dir.path()).mkdir("zev.conf"));
        QByteArray content;
        QCOMPARE(readFile(dir.path(), "zev.conf", 256LL * 1024 * 1024, content), expected);
        ::alarm(0);
        QCOMPARE(content, expected == ReadResult::Read ? QByteArray("content\n") : QByteArray());
    }

    // Root saving into another user's folder leaves that user a previous-versions
    // folder of their own, which root's next save still uses.
    void rootSavingIntoAnotherUsersFolder()
    {
        NEEDS_ROOT(true);
        QTemporaryDir dir;
        giveToNobody(dir.path());
        QVERIFY(save(dir.filePath("zev.conf"), "one\n"));
        const struct stat folder = statOf(dir.filePath(".zev-previous"));
        QVERIFY(folder.st_uid == kNobody && folder.st_gid == kNobody);
        QCOMPARE(folder.st_mode & 07777, statOf(dir.path()).st_mode & 02755);
        QVERIFY(save(dir.filePath("zev.conf"), "two\n"));
        QCOMPARE(readTestFile(dir.filePath(".zev-previous/zev.conf")), QByteArray("one\n"));
    }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
