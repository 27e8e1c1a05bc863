#include "model/Lookup.h"

#include <QtTest>

class TestLookup : public QObject {
    Q_OBJECT
private slots:
    // The index answers as the walk through the list does: server ids without
    // regard to case, serial numbers by the file name they make.
    void sameAnswerAsTheListWalk_data()
    {
        QTest::addColumn<bool>("serials");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("sought");
        QTest::addColumn<int>("expected"); // position in keys, -1 for none
        QTest::newRow("exact") << false << QStringList{"a1", "b2"} << "b2" << 1;
        QTest::newRow("other case") << false << QStringList{"ab1", "CD2"} << "cd2" << 1;
        QTest::newRow("first of two") << false << QStringList{"X", "y", "x"} << "X" << 0;
        QTest::newRow("missing") << false << QStringList{"a"} << "b" << -1;
        QTest::newRow("empty key") << false << QStringList{"a", ""} << "" << 1;
        QTest::newRow("sharp s is not ss in an id")
            << false << QStringList{"STRASSE"} << QString::fromUtf8("stra\xC3\x9F" "e") << -1;
        QTest::newRow("final sigma") << false << QStringList{QString::fromUtf8("\xCE\xA3")} << QString::fromUtf8("\xCF\x82")
                                     << 0;
        QTest::newRow("outside the BMP") << false << QStringList{QString::fromUtf8("\xF0\x90\x90\x80")}
                                         << QString::fromUtf8("\xF0\x90\x90\xA8") << 0;
        QTest::newRow("serial in other case") << true << QStringList{"ab1", "CD2"} << "cD2" << 1;
        QTest::newRow("sharp s names the file of SS") << true << QStringList{"x", "SS"} << QString::fromUtf8("\xC3\x9F")
                                                      << 1;
        QTest::newRow("dotless i names the file of I") << true << QStringList{"I"} << QString::fromUtf8("\xC4\xB1")
                                                       << 0;
    }

    void sameAnswerAsTheListWalk()
    {
        QFETCH(bool, serials);
        QFETCH(QStringList, keys);
        QFETCH(QString, sought);
        QFETCH(int, expected);
        if (serials) {
            QList<ThinClient*> clients;
            for (const QString& key : keys)
                clients << new ThinClient(QString(), key);
            ThinClient* want = expected < 0 ? nullptr : clients[expected];
            QCOMPARE(findThinClientBySerial(clients, sought), want);
            QCOMPARE(SerialIndex(clients).find(sought), want);
            qDeleteAll(clients);
            return;
        }
        QList<Server*> servers;
        for (const QString& key : keys) {
            servers << new Server;
            servers.last()->server_id = key;
        }
        Server* want = expected < 0 ? nullptr : servers[expected];
        QCOMPARE(findServerById(servers, sought), want);
        QCOMPARE(ServerIndex(servers).find(sought), want);
        qDeleteAll(servers);
    }
};

QTEST_GUILESS_MAIN(TestLookup)
#include "tst_lookup.moc"
