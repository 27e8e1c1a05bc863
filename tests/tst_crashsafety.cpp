// A save killed at any moment leaves every file it writes either wholly as
// before or wholly as saved. A child process saves a large fleet and is
// killed with SIGKILL part-way, again and again.
#include "fixtures/SyntheticFleet.h"
#include "model/ClientConfigFile.h"
#include "model/ConfigFile.h"
#include "model/Workspace.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

constexpr int kKills = 20;

// Version "A" or "B" of a fleet of 20,000 devices, with five or four servers
// each: every file differs between the two.
SyntheticFleet fleetOf(const QString& version)
{
    return SyntheticFleet(20000, 200, version == "A" ? 5 : 4);
}

// File name -> digest of its content.
QHash<QString, QByteArray> digests(const QString& version)
{
    const SyntheticFleet fleet = fleetOf(version);
    const auto digest = [](const QByteArray& bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1); };
    QHash<QString, QByteArray> files{{"zev.conf", digest(ConfigFile::serialize(fleet.servers, fleet.thinClients))}};
    for (const ThinClient* client : std::as_const(fleet.thinClients))
        files.insert(ClientConfigFile::fileName(client->serial_number), digest(ClientConfigFile::serialize(*client, fleet.servers)));
    return files;
}

// The window's save, without the window: the fleet's records take the place
// of those loaded, and the previous run's zev.conf is replaced.
int saveChild(const QString& folder, const QString& version)
{
    SyntheticFleet fleet = fleetOf(version);
    Workspace workspace;
    workspace.load(folder + "/topology.png");
    workspace.editThinClients({});
    while (!workspace.servers().isEmpty())
        workspace.deleteServer(workspace.servers().constFirst()->handle);
    for (const Server* server : std::as_const(fleet.servers))
        workspace.addServer(*server);
    workspace.editThinClients(fleet.thinClients);
    SaveQuestions questions;
    questions.changedConfig = [](ConfigChange) { return ChangedConfigAnswer::Replace; };
    return workspace.save(questions).saved() ? 0 : 1;
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT
private slots:
    void killedSavesLeaveWholeFiles()
    {
        QTemporaryDir dir(QDir::currentPath() + "/crash-XXXXXX");
        const auto save = [&](int run) {
            auto* child = new QProcess(this);
            child->start(QCoreApplication::applicationFilePath(), {"--save-child", dir.path(), run % 2 ? "B" : "A"});
            child->waitForStarted();
            return child;
        };
        // The first save creates the files; the second, timed, replaces them as every later one does.
        QElapsedTimer timer;
        for (int run : {0, 1}) {
            timer.start();
            QProcess* child = save(run);
            QVERIFY(child->waitForFinished(300000) && child->exitCode() == 0);
        }
        const qint64 fullSave = timer.elapsed();
        qInfo("one uninterrupted save of 20,000 devices: %lld ms", fullSave);

        const QHash<QString, QByteArray> versionA = digests("A");
        const QHash<QString, QByteArray> versionB = digests("B");
        for (int kill = 0; kill < kKills; ++kill) {
            QProcess* child = save(kill);
            // Spread over the whole save, and a little past it in case this one runs slower.
            QThread::msleep(fullSave * 6 * (2 * kill + 1) / (5 * 2 * kKills));
            child->kill();
            child->waitForFinished();
            for (auto it = versionA.constBegin(); it != versionA.constEnd(); ++it) {
                QFile file(dir.filePath(it.key()));
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(it.key()));
                const QByteArray seen = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
                QVERIFY2(seen == it.value() || seen == versionB.value(it.key()),
                         qPrintable(QStringLiteral("kill %1: %2 is neither version").arg(kill).arg(it.key())));
            }
        }
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
