#include "fixtures/SyntheticFleet.h"
#include "model/ConfigFile.h"
#include "model/Server.h"
#include "model/ThinClient.h"
#include "fixtures/RecordText.h"
#include "support/SampleRecords.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A compact picture of what was read, for data-driven comparisons.
QString summary(const QList<Server*>& servers, const QList<ThinClient*>& thinClients)
{
    QStringList parts;
    for (const Server* s : servers)
        parts << QStringLiteral("S[%1|%2|%3|%4|%5]")
                     .arg(s->server_id, s->display_name)
                     .arg(s->xpos)
                     .arg(s->index_latency)
                     .arg(s->rps_window_percentage);
    for (const ThinClient* c : thinClients)
        parts << QStringLiteral("T[%1|%2|%3]").arg(c->desc, c->serial_number, c->server_ids.join(u','));
    return parts.join(u' ');
}

struct Parsed {
    QList<Server*> servers;
    QList<ThinClient*> thinClients;
    explicit Parsed(const QByteArray& content) { ConfigFile::parse(content, servers, thinClients); }
    ~Parsed()
    {
        qDeleteAll(servers);
        qDeleteAll(thinClients);
    }
    QString summary() const { return ::summary(servers, thinClients); }
};

} // namespace

class TestConfigFile : public QObject {
    Q_OBJECT
private slots:
    void writesTheExactLayout()
    {
        SampleFleet fleet;
        QCOMPARE(ConfigFile::serialize(fleet.servers, fleet.thinClients),
                 readTestFile(ZEV_TEST_DATA "/zev_golden.conf"));
    }

    void readsBackEveryFieldInOrder()
    {
        SampleFleet fleet;
        Parsed parsed(ConfigFile::serialize(fleet.servers, fleet.thinClients));
        QCOMPARE(parsed.servers.size(), 2);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(fieldsOf(*parsed.servers[i]), fieldsOf(*fleet.servers[i]));
        QCOMPARE(parsed.thinClients.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(parsed.thinClients[i]->desc, fleet.thinClients[i]->desc);
            QCOMPARE(parsed.thinClients[i]->serial_number, fleet.thinClients[i]->serial_number);
            QCOMPARE(parsed.thinClients[i]->server_ids, fleet.thinClients[i]->server_ids);
        }
    }

    void readerRules_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");

        QTest::newRow("empty file") << QByteArray() << QString();
        const QByteArray golden = readTestFile(ZEV_TEST_DATA "/zev_golden.conf");
        QTest::newRow("header only") << golden.left(golden.indexOf("[SERVER]")) << QString();
        QTest::newRow("comments") << QByteArray("#[SERVER]\n[SERVER]\n#server_id=x\n") << "S[||-1|-1|]";
        QTest::newRow("header with trailing text")
            << QByteArray("[SERVER] old\nserver_id=a\n[THINCLIENT]x\nserial_number=S\n") << "S[a||-1|-1|] T[|S|]";
        QTest::newRow("keys only with =") << QByteArray("[SERVER]\nserver_id a\nxpos 5\n") << "S[||-1|-1|]";
        QTest::newRow("line starting with a blank")
            << QByteArray("[SERVER]\n server_id=a\n\txpos=4\n") << "S[||-1|-1|]";
        QTest::newRow("separate current records")
            << QByteArray("[SERVER]\nserver_id=a\n[THINCLIENT]\ndisplay_name=N\nserial_number=S\nxpos=3\n")
            << "S[a|N|3|-1|] T[|S|]";
        QTest::newRow("keys before their block")
            << QByteArray("display_name=x\ndesc=y\n[THINCLIENT]\nserver_id=z\n[SERVER]\n") << "S[||-1|-1|] T[||]";
        QTest::newRow("repeated keys")
            << QByteArray("[SERVER]\nxpos=1\nxpos=2\n[THINCLIENT]\nserver=a\nserver=b\nserver=a\n")
            << "S[||2|-1|] T[||a,b,a]";
        QTest::newRow("values keep blanks and =")
            << QByteArray("[SERVER]\ndisplay_name= a=b \n[THINCLIENT]\ndesc=x==y\n") << "S[| a=b |-1|-1|] T[x==y||]";
        QTest::newRow("numbers") << QByteArray("[SERVER]\nxpos= 7 \nindex_latency=abc\n") << "S[||7|0|]";
        QTest::newRow("number with trailing letters") << QByteArray("[SERVER]\nxpos=12px\n") << "S[||0|-1|]";
        QTest::newRow("number out of range") << QByteArray("[SERVER]\nxpos=99999999999\n") << "S[||0|-1|]";
        QTest::newRow("CRLF line ends")
            << QByteArray("[SERVER]\r\nserver_id=a\r\nxpos=5\r\n[THINCLIENT]\r\nserver=a\r\n") << "S[a||5|-1|] T[||a]";
        QTest::newRow("CR line ends") << QByteArray("[SERVER]\rserver_id=a\rxpos=5\r") << "S[a||5|-1|]";
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[SERVER]\nserver_id=a\n") << "S[a||-1|-1|]";
        QTest::newRow("no line end at the end") << QByteArray("[SERVER]\nserver_id=a") << "S[a||-1|-1|]";
        QTest::newRow("unknown keys") << QByteArray("[SERVER]\nfoo=1\nrps_percentage=5\n") << "S[||-1|-1|]";
        QTest::newRow("case-sensitive keys") << QByteArray("[server]\n[SERVER]\nXPOS=5\n") << "S[||-1|-1|]";
    }

    void readerRules()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QCOMPARE(Parsed(content).summary(), expected);
    }

    void lineBreaksInValuesStayOnOneLine()
    {
        SampleFleet fleet;
        fleet.servers[0]->display_name = QStringLiteral("two\nlines\r\n[SERVER]");
        fleet.thinClients[0]->desc = QStringLiteral("desk\rserial_number=EVIL");
        Parsed parsed(ConfigFile::serialize(fleet.servers, fleet.thinClients));
        QCOMPARE(parsed.servers.size(), 2);
        QCOMPARE(parsed.servers[0]->display_name, QStringLiteral("two lines [SERVER]"));
        QCOMPARE(parsed.thinClients.size(), 2);
        QCOMPARE(parsed.thinClients[0]->desc, QStringLiteral("desk serial_number=EVIL"));
        QCOMPARE(parsed.thinClients[0]->serial_number, QStringLiteral("AB12"));
    }

    void emptyConfigurationWritesTheHeaderOnly()
    {
        const QByteArray content = ConfigFile::serialize({}, {});
        QVERIFY(content.startsWith("#\n# Quorvane Inc\n"));
        QCOMPARE(content.count('\n'), 8);
        QCOMPARE(Parsed(content).summary(), QString());
    }

    // A large fleet is written in slices made on two threads: they must come out whole and in order.
    void largeFleetComesOutInOrder()
    {
        SyntheticFleet fleet(9500, 30, 5);
        Parsed parsed(ConfigFile::serialize(fleet.servers, fleet.thinClients));
        QCOMPARE(parsed.summary(), summary(fleet.servers, fleet.thinClients));
    }

    // A small fleet is written in one go, a large one in slices made on two
    // threads; either way a device that fills up makes the write a failure.
    void shortWriteIsAFailure_data()
    {
        QTest::addColumn<int>("devices");
        QTest::addColumn<qint64>("limit");
        QTest::newRow("small: nothing accepted") << 3 << qint64(0);
        QTest::newRow("small: half") << 3 << qint64(2000);
        QTest::newRow("small: one byte short") << 3 << qint64(-1);
        QTest::newRow("large: nothing accepted") << 9500 << qint64(0);
        QTest::newRow("large: within the servers") << 9500 << qint64(5000);
        QTest::newRow("large: half way") << 9500 << qint64(900000);
        QTest::newRow("large: one byte short") << 9500 << qint64(-1);
    }

    void shortWriteIsAFailure()
    {
        QFETCH(int, devices);
        QFETCH(qint64, limit);
        SyntheticFleet fleet(devices, 30, 5);
        const qint64 size = ConfigFile::serialize(fleet.servers, fleet.thinClients).size();
        FailingDevice device(limit < 0 ? size + limit : limit);
        QVERIFY(!ConfigFile::write(device, fleet.servers, fleet.thinClients));
        FailingDevice roomy(size);
        QVERIFY(ConfigFile::write(roomy, fleet.servers, fleet.thinClients));
    }

    void readStatusOfFiles()
    {
        QTemporaryDir dir;
        QList<Server*> servers;
        QList<ThinClient*> thinClients;
        QCOMPARE(ConfigFile::read(dir.filePath("absent.conf"), servers, thinClients), ConfigFile::ReadStatus::Missing);
        QVERIFY(QDir(dir.path()).mkdir("zev.conf"));
        QCOMPARE(ConfigFile::read(dir.filePath("zev.conf"), servers, thinClients),
                 ConfigFile::ReadStatus::Unreadable);
        QCOMPARE(ConfigFile::read(ZEV_TEST_DATA "/zev_golden.conf", servers, thinClients),
                 ConfigFile::ReadStatus::Read);
        QCOMPARE(servers.size(), 2);
        QCOMPARE(thinClients.size(), 2);
        qDeleteAll(servers);
        qDeleteAll(thinClients);
    }
};

QTEST_GUILESS_MAIN(TestConfigFile)
#include "tst_configfile.moc"
