// A save killed at any moment leaves every file it writes either wholly as
// before or wholly as saved. A child process saves a large fleet and is
// killed with SIGKILL part-way, again and again.
#include "fixtures/SyntheticFleet.h"
#include "model/ClientConfigFile.h"
#include "model/ConfigFile.h"
#include "model/SafeSave.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

constexpr int kDevices = 20000;
constexpr int kServers = 200;
constexpr int kKills = 20;

// Version "A" or "B" of the fleet: every file differs between the two.
struct VersionedFleet : SyntheticFleet {
    explicit VersionedFleet(const QString& version) : SyntheticFleet(kDevices, kServers, 5)
    {
        for (Server* server : std::as_const(servers))
            server->display_name += QStringLiteral(" (%1)").arg(version);
        for (ThinClient* client : std::as_const(thinClients))
            client->desc += QStringLiteral(" (%1)").arg(version);
    }
};

// What the save routine does, without the window.
int saveChild(const QString& folder, const QString& version)
{
    VersionedFleet fleet(version);
    const SaveSession session(folder);
    saveFile(session, QStringLiteral("zev.conf"),
             [&](QIODevice& device) { return ConfigFile::write(device, fleet.servers, fleet.thinClients); });
    const bool complete = ClientConfigFile::writeAll(session, fleet.servers, fleet.thinClients,
                                                     [](const QString&) { return true; });
    return complete ? 0 : 1;
}

QByteArray digest(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

// File name -> digest of its content, for one version.
QHash<QString, QByteArray> expectedDigests(const QString& version)
{
    VersionedFleet fleet(version);
    QHash<QString, QByteArray> digests;
    digests.insert(QStringLiteral("zev.conf"), digest(ConfigFile::serialize(fleet.servers, fleet.thinClients)));
    for (const ThinClient* client : std::as_const(fleet.thinClients))
        digests.insert(ClientConfigFile::fileName(client->serial_number),
                       digest(ClientConfigFile::serialize(*client, fleet.servers)));
    return digests;
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT
private:
    QProcess* startChild(const QString& folder, const QString& version)
    {
        auto* child = new QProcess(this);
        child->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-child"), folder, version});
        child->waitForStarted();
        return child;
    }

private slots:
    void killedSavesLeaveWholeFiles()
    {
        QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/crash-XXXXXX"));
        const QHash<QString, QByteArray> versionA = expectedDigests(QStringLiteral("A"));
        const QHash<QString, QByteArray> versionB = expectedDigests(QStringLiteral("B"));

        // The first save creates the files; the second, timed, replaces them as every later one does.
        qint64 fullSave = 0;
        for (const QString& version : {QStringLiteral("A"), QStringLiteral("B")}) {
            QElapsedTimer timer;
            timer.start();
            QProcess* child = startChild(dir.path(), version);
            QVERIFY(child->waitForFinished(300000));
            QCOMPARE(child->exitCode(), 0);
            fullSave = timer.elapsed();
        }
        qInfo("one uninterrupted save of %d devices: %lld ms", kDevices, fullSave);

        int wholeB = 0;
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess* child = startChild(dir.path(), kill % 2 == 0 ? QStringLiteral("A") : QStringLiteral("B"));
            // Spread over the whole save, and a little past it in case this one runs slower.
            QThread::msleep(fullSave * 6 * (2 * kill + 1) / (5 * 2 * kKills));
            child->kill();
            child->waitForFinished();

            for (auto it = versionA.constBegin(); it != versionA.constEnd(); ++it) {
                QFile file(dir.filePath(it.key()));
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(it.key()));
                const QByteArray seen = digest(file.readAll());
                const bool isB = seen == versionB.value(it.key());
                QVERIFY2(seen == it.value() || isB,
                         qPrintable(QStringLiteral("kill %1: %2 is neither version").arg(kill).arg(it.key())));
                wholeB += isB ? 1 : 0;
            }
        }
        qInfo("%d kills; files found as version B after them: %d", kKills, wholeB);
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--save-child") == 0)
        return saveChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    TestCrashSafety test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashsafety.moc"
