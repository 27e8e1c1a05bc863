#include "model/ClientConfigFile.h"
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

    void failureQuestion_data()
    {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("Yes writes the third") << true;
        QTest::newRow("No stops before the third") << false;
    }

    void failureQuestion()
    {
        QFETCH(bool, goOn);
        QTemporaryDir parent;
        const QString dir = parent.filePath("work");
        QVERIFY(QDir().mkdir(dir));
        SampleFleet fleet;
        fleet.thinClients.insert(1, new ThinClient(QStringLiteral("bad"), QStringLiteral("../outside")));

        QStringList asked;
        const bool complete = ClientConfigFile::writeAll(dir, fleet.servers, fleet.thinClients, [&](const QString& p) {
            asked << p;
            return goOn;
        });

        QCOMPARE(complete, goOn);
        QCOMPARE(asked, QStringList(dir + "/../OUTSIDE.conf"));
        QCOMPARE(readTestFile(dir + "/AB12.conf"), readTestFile(ZEV_TEST_DATA "/client_golden.conf"));
        QCOMPARE(QFileInfo::exists(dir + "/CD34.conf"), goOn);
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
        QVERIFY(ClientConfigFile::writeAll(dir.path(), fleet.servers, fleet.thinClients, [](const QString&) {
            return false;
        }));
        QCOMPARE(readTestFile(dir.filePath("CD34.conf")), header());
        const QFile::Permissions kept = QFile(dir.filePath("CD34.conf")).permissions();
        QVERIFY(kept.testFlag(QFile::WriteOwner) && !kept.testFlag(QFile::ReadGroup) && !kept.testFlag(QFile::ReadOther));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void targetThatCannotBeReplaced_data()
    {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("continue") << true;
        QTest::newRow("stop") << false;
    }

    void targetThatCannotBeReplaced()
    {
        QFETCH(bool, goOn);
        QTemporaryDir dir;
        SampleFleet fleet;
        fleet.thinClients << new ThinClient(QStringLiteral("third"), QStringLiteral("EF56"));
        // A folder in the way of the second device's file: it is written, but cannot be put in place.
        QVERIFY(QDir(dir.path()).mkpath("CD34.conf/inside"));
        QStringList asked;
        const bool complete = ClientConfigFile::writeAll(dir.path(), fleet.servers, fleet.thinClients,
                                                         [&](const QString& path) {
                                                             asked << path;
                                                             return goOn;
                                                         });
        QCOMPARE(complete, goOn);
        QCOMPARE(asked, QStringList(dir.filePath("CD34.conf")));
        QVERIFY(QFileInfo::exists(dir.filePath("AB12.conf")));
        QCOMPARE(QFileInfo::exists(dir.filePath("EF56.conf")), goOn);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), goOn ? QStringList({"AB12.conf", "EF56.conf"})
                                                                             : QStringList({"AB12.conf"}));
    }

    void serialsDifferingOnlyInCaseShareAFile()
    {
        QTemporaryDir dir;
        SampleFleet fleet;
        fleet.thinClients[1]->server_ids << QStringLiteral("1252026947045");
        fleet.thinClients << new ThinClient(QStringLiteral("twin"), QStringLiteral("CD34"));
        QVERIFY(ClientConfigFile::writeAll(dir.path(), fleet.servers, fleet.thinClients, [](const QString&) {
            return false;
        }));
        QCOMPARE(readTestFile(dir.filePath("CD34.conf")), header()); // the later device's content, as if written in turn
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void unwritableFolderAsksForEveryDevice()
    {
        SampleFleet fleet;
        int asked = 0;
        QVERIFY(ClientConfigFile::writeAll("/nonexistent-zev-folder", fleet.servers, fleet.thinClients,
                                           [&](const QString&) { return ++asked > 0; }));
        QCOMPARE(asked, 2);
    }
};

QTEST_GUILESS_MAIN(TestClientConfigFile)
#include "tst_clientconfigfile.moc"
