#include "model/ClientConfigFile.h"
#include "model/SafeSave.h"
#include "model/Server.h"
#include "model/ThinClient.h"
#include "support/SampleRecords.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray header()
{
    const QByteArray golden = readTestFile(ZEV_TEST_DATA "/client_golden.conf");
    return golden.left(golden.indexOf("[SERVER]"));
}

QStringList displayNamesIn(const QByteArray& content)
{
    QStringList names;
    for (const QByteArray& line : content.split('\n')) {
        if (line.startsWith("display_name="))
            names << QString::fromUtf8(line.mid(13));
    }
    return names;
}

} // namespace

class TestClientConfigFile : public QObject {
    Q_OBJECT
private slots:
    void writesTheExactLayoutAndSkipsUnknownIds()
    {
        SampleFleet fleet;
        QCOMPARE(ClientConfigFile::serialize(*fleet.thinClients[0], fleet.servers),
                 readTestFile(ZEV_TEST_DATA "/client_golden.conf"));
    }

    void deviceWithoutServersGetsTheHeaderAlone()
    {
        SampleFleet fleet;
        QCOMPARE(ClientConfigFile::serialize(*fleet.thinClients[1], fleet.servers), header());
        ThinClient orphan(QStringLiteral("x"), QStringLiteral("X"));
        orphan.server_ids << QStringLiteral("nothing") << QStringLiteral("here");
        QCOMPARE(ClientConfigFile::serialize(orphan, fleet.servers), header());
    }

    void findsServersInTheDevicesOrderIgnoringCase()
    {
        SampleFleet fleet;
        fleet.servers[1]->server_id = QStringLiteral("abc1");
        fleet.servers[1]->display_name = QStringLiteral("Second");
        ThinClient client(QStringLiteral("d"), QStringLiteral("S1"));
        client.server_ids << QStringLiteral("ABC1") << QStringLiteral("1252026947045");
        QCOMPARE(displayNamesIn(ClientConfigFile::serialize(client, fleet.servers)),
                 QStringList({QStringLiteral("Second"), QStringLiteral(" Main office ")}));
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper-cased") << "ab12" << "AB12.conf";
        QTest::newRow("blanks kept") << " x 1" << " X 1.conf";
        QTest::newRow("dots stay inside") << ".." << "...conf";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("slash") << "../escape" << "";
        QTest::newRow("backslash") << "..\\escape" << "";
        QTest::newRow("absolute") << "/tmp/x" << "";
    }

    void fileNames()
    {
        QFETCH(QString, serial);
        QFETCH(QString, expected);
        QCOMPARE(ClientConfigFile::fileName(serial), expected);
    }

    // A device whose file cannot be written is asked about: Yes goes on with the
    // next device, No stops. Either way the save reports that not all got their file.
    void deviceFileFailures_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<QStringList>("asked");   // relative to the working folder
        QTest::addColumn<QStringList>("written"); // files in place afterwards
        const QStringList all{"AB12.conf", "CD34.conf", "EF56.conf"};
        const QStringList firstAndLast{"AB12.conf", "EF56.conf"};
        QTest::newRow("bad name, Yes") << "name" << true << QStringList("../OUTSIDE.conf") << firstAndLast;
        QTest::newRow("bad name, No") << "name" << false << QStringList("../OUTSIDE.conf") << QStringList("AB12.conf");
        QTest::newRow("folder in the way, Yes") << "folder" << true << QStringList("CD34.conf") << firstAndLast;
        QTest::newRow("folder in the way, No") << "folder" << false << QStringList("CD34.conf")
                                               << QStringList("AB12.conf");
        QTest::newRow("no folder, Yes") << "missing" << true << all << QStringList();
        QTest::newRow("no folder, No") << "missing" << false << QStringList("AB12.conf") << QStringList();
        QTest::newRow("sync fails, Yes") << "sync" << true << all << QStringList();
        QTest::newRow("sync fails, No") << "sync" << false << QStringList("AB12.conf") << QStringList();
    }

    void deviceFileFailures()
    {
        QFETCH(QString, cause);
        QFETCH(bool, goOn);
        QFETCH(QStringList, asked);
        QFETCH(QStringList, written);
        QTemporaryDir parent;
        const QString dir = parent.filePath("work");
        if (cause != "missing")
            QVERIFY(QDir().mkdir(dir));
        SampleFleet fleet;
        fleet.thinClients << new ThinClient(QStringLiteral("third"), QStringLiteral("EF56"));
        if (cause == "name")
            fleet.thinClients[1]->serial_number = QStringLiteral("../outside");
        if (cause == "folder")
            QVERIFY(QDir(dir).mkpath("CD34.conf/inside"));
        if (cause == "sync")
            setSaveStepHook([](SaveStep step) { return step != SaveStep::Sync; });

        QStringList seen;
        const bool complete = ClientConfigFile::writeAll(SaveSession(dir), fleet.servers, fleet.thinClients, [&](const QString& p) {
            seen << p.mid(dir.size() + 1);
            return goOn;
        });
        setSaveStepHook({});

        QVERIFY(!complete);
        QCOMPARE(seen, asked);
        QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden), written);
        if (!written.isEmpty())
            QCOMPARE(readTestFile(dir + "/AB12.conf"), readTestFile(ZEV_TEST_DATA "/client_golden.conf"));
        QVERIFY(!QFileInfo::exists(parent.filePath("OUTSIDE.conf")));
    }

    void replacesAnExistingFileWhole()
    {
        QTemporaryDir dir;
        SampleFleet fleet;
        QFile old(dir.filePath("CD34.conf"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
        old.close();
        QVERIFY(old.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(ClientConfigFile::writeAll(SaveSession(dir.path()), fleet.servers, fleet.thinClients, [](const QString&) {
            return false;
        }));
        QCOMPARE(readTestFile(dir.filePath("CD34.conf")), header());
        const QFile::Permissions kept = QFile(dir.filePath("CD34.conf")).permissions();
        QVERIFY(kept.testFlag(QFile::WriteOwner) && !kept.testFlag(QFile::ReadGroup) && !kept.testFlag(QFile::ReadOther));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void serialsDifferingOnlyInCaseShareAFile()
    {
        QTemporaryDir dir;
        SampleFleet fleet;
        fleet.thinClients[1]->server_ids << QStringLiteral("1252026947045");
        fleet.thinClients << new ThinClient(QStringLiteral("twin"), QStringLiteral("CD34"));
        QVERIFY(ClientConfigFile::writeAll(SaveSession(dir.path()), fleet.servers, fleet.thinClients, [](const QString&) {
            return false;
        }));
        QCOMPARE(readTestFile(dir.filePath("CD34.conf")), header()); // the later device's content, as if written in turn
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestClientConfigFile)
#include "tst_clientconfigfile.moc"
