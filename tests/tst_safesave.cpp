// How a file is replaced: its new content swaps places with its previous
// version, which the next save writes over, and nothing outside the working
// folder is ever written through a link.
#include "model/SafeSave.h"
#include "support/SampleRecords.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool save(const QString& path, const QByteArray& bytes)
{
    return saveFile(path, [&bytes](QIODevice& device) { return writeAll(device, bytes); });
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

} // namespace

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
                BatchSave batch(dir.path());
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

    // A previous version that something else can see is left alone and replaced by a new file.
    void sharedPreviousVersionIsNotWrittenThrough_data()
    {
        QTest::addColumn<bool>("symbolic");
        QTest::newRow("link to a file outside") << true;
        QTest::newRow("second name of a file outside") << false;
    }

    void sharedPreviousVersionIsNotWrittenThrough()
    {
        QFETCH(bool, symbolic);
        QTemporaryDir dir;
        QTemporaryDir outside;
        const QString precious = outside.filePath("precious");
        writePlain(precious, "keep me\n");
        writePlain(dir.filePath("zev.conf"), "old\n");
        QVERIFY(QDir(dir.path()).mkdir(".zev-previous"));
        const QByteArray previous = QFile::encodeName(dir.filePath(".zev-previous/zev.conf"));
        const QByteArray preciousName = QFile::encodeName(precious);
        QCOMPARE(symbolic ? ::symlink(preciousName.constData(), previous.constData())
                          : ::link(preciousName.constData(), previous.constData()),
                 0);

        QVERIFY(save(dir.filePath("zev.conf"), "new\n"));
        QCOMPARE(readTestFile(dir.filePath("zev.conf")), QByteArray("new\n"));
        QCOMPARE(readTestFile(precious), QByteArray("keep me\n"));
        QCOMPARE(readTestFile(dir.filePath(".zev-previous/zev.conf")), QByteArray("old\n"));
    }

    // zev.conf kept elsewhere through a link is saved where the link points;
    // a link in a device file's place is replaced, as a rename replaces it.
    void linkInTheTargetsPlace_data()
    {
        QTest::addColumn<bool>("oneFile");
        QTest::newRow("one file: followed") << true;
        QTest::newRow("device files: replaced") << false;
    }

    void linkInTheTargetsPlace()
    {
        QFETCH(bool, oneFile);
        QTemporaryDir dir;
        QTemporaryDir outside;
        const QString pointedTo = outside.filePath("shared.conf");
        writePlain(pointedTo, "old\n");
        const QString link = dir.filePath("AB12.conf");
        QVERIFY(QFile::link(pointedTo, link));
        if (oneFile) {
            QVERIFY(save(link, "new\n"));
        } else {
            BatchSave batch(dir.path());
            QVERIFY(batch.stage("AB12.conf", QByteArray("new\n")));
            QVERIFY(batch.commit([](const QString&) { return false; }));
        }
        QCOMPARE(QFileInfo(link).isSymLink(), oneFile);
        QCOMPARE(readTestFile(link), QByteArray("new\n"));
        QCOMPARE(readTestFile(pointedTo), oneFile ? QByteArray("new\n") : QByteArray("old\n"));
    }

    // While another program saves into the same folder, this save keeps off
    // the previous versions it is writing, and still saves whole.
    void saveWhileAnotherIsAtWork()
    {
        QTemporaryDir dir;
        QVERIFY(save(dir.filePath("zev.conf"), "one\n"));
        QVERIFY(save(dir.filePath("zev.conf"), "two\n"));
        const int other = ::open(QFile::encodeName(dir.filePath(".zev-previous")).constData(), O_RDONLY);
        QVERIFY(other >= 0 && ::flock(other, LOCK_EX | LOCK_NB) == 0);

        QVERIFY(save(dir.filePath("zev.conf"), "three\n"));
        ::close(other);
        QCOMPARE(readTestFile(dir.filePath("zev.conf")), QByteArray("three\n"));
        QCOMPARE(readTestFile(dir.filePath(".zev-previous/zev.conf")), QByteArray("one\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("zev.conf"));
    }

    // Without a folder of its own for the previous versions, the file is still
    // saved whole (written beside it and renamed), and nothing lands elsewhere.
    void unusablePreviousVersionsFolder_data()
    {
        QTest::addColumn<bool>("linkToAnotherFolder");
        QTest::newRow("a file in its place") << false;
        QTest::newRow("a link to another folder") << true;
    }

    void unusablePreviousVersionsFolder()
    {
        QFETCH(bool, linkToAnotherFolder);
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        writePlain(dir.filePath("zev.conf"), "old\n");
        if (linkToAnotherFolder)
            QVERIFY(QFile::link(elsewhere.path(), dir.filePath(".zev-previous")));
        else
            writePlain(dir.filePath(".zev-previous"), "not a folder\n");

        QVERIFY(save(dir.filePath("zev.conf"), "new\n"));
        QCOMPARE(readTestFile(dir.filePath("zev.conf")), QByteArray("new\n"));
        QVERIFY(QDir(elsewhere.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        QCOMPARE(QDir(dir.path()).entryList({"*zev-new*"}, QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestSafeSave)
#include "tst_safesave.moc"
