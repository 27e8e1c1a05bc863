#include "model/Lookup.h"

#include <QtTest>

namespace {

Server* server(const QString& id)
{
    auto* s = new Server;
    s->server_id = id;
    return s;
}

} // namespace

class TestLookup : public QObject {
    Q_OBJECT
private slots:
    void sameAnswerAsTheListWalk_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QString>("sought");
        QTest::addColumn<int>("expected"); // position in ids, -1 for none
        QTest::newRow("exact") << QStringList{"a1", "b2"} << "b2" << 1;
        QTest::newRow("other case") << QStringList{"ab1", "CD2"} << "cd2" << 1;
        QTest::newRow("first of two") << QStringList{"X", "y", "x"} << "X" << 0;
        QTest::newRow("missing") << QStringList{"a"} << "b" << -1;
        QTest::newRow("empty list") << QStringList{} << "a" << -1;
        QTest::newRow("empty key") << QStringList{"a", ""} << "" << 1;
        QTest::newRow("sharp s is not ss") << QStringList{"STRASSE"} << QString::fromUtf8("stra\xC3\x9F" "e") << -1;
        QTest::newRow("final sigma") << QStringList{QString::fromUtf8("\xCE\xA3")} << QString::fromUtf8("\xCF\x82") << 0;
        QTest::newRow("outside the BMP") << QStringList{QString::fromUtf8("\xF0\x90\x90\x80")}
                                         << QString::fromUtf8("\xF0\x90\x90\xA8") << 0;
    }

    void sameAnswerAsTheListWalk()
    {
        QFETCH(QStringList, ids);
        QFETCH(QString, sought);
        QFETCH(int, expected);
        QList<Server*> servers;
        for (const QString& id : ids)
            servers << server(id);
        const ServerIndex index(servers);
        Server* want = expected < 0 ? nullptr : servers[expected];
        QCOMPARE(findServerById(servers, sought), want);
        QCOMPARE(index.find(sought), want);
        qDeleteAll(servers);
    }

    void followsTheList()
    {
        QList<ThinClient*> clients{new ThinClient("a", "AB1")};
        SerialIndex index(clients);
        QCOMPARE(index.find(u"ab1"), clients[0]);

        clients << new ThinClient("b", "CD2"); // appended: noticed without being told
        QCOMPARE(index.find(u"cd2"), clients[1]);

        ThinClient* removed = clients.takeFirst(); // shrunk: rebuilt
        QCOMPARE(index.find(u"ab1"), nullptr);
        clients.prepend(new ThinClient("c", "EF3")); // same size again: needs telling
        index.invalidate();
        QCOMPARE(index.find(u"ef3"), clients[0]);
        QCOMPARE(index.find(u"ab1"), nullptr);

        clients << new ThinClient("dup", "cd2");
        QCOMPARE(index.find(u"CD2"), clients[1]);
        delete removed;
        qDeleteAll(clients);
    }
};

QTEST_GUILESS_MAIN(TestLookup)
#include "tst_lookup.moc"
