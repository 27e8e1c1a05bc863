#include "model/Server.h"
#include "model/ServerId.h"

#include <QtTest>

class TestServerId : public QObject {
    Q_OBJECT
private slots:
    void format_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("id");
        QTest::newRow("shortest") << QDateTime(QDate(2026, 1, 1), QTime(1, 1, 1, 1)) << "1120261111";
        QTest::newRow("longest") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59, 999)) << "12312026235959999";
        QTest::newRow("no padding") << QDateTime(QDate(2026, 12, 5), QTime(9, 4, 7, 45)) << "125202694745";
        QTest::newRow("zero parts") << QDateTime(QDate(2026, 1, 11), QTime(13, 30, 0, 500)) << "111202613300500";
    }

    void format()
    {
        QFETCH(QDateTime, moment);
        QFETCH(QString, id);
        QCOMPARE(makeServerId(moment), id);
        QCOMPARE(makeServerId(QList<Server*>(), moment), id);
    }

    void movesOnUntilTheIdIsFree()
    {
        // The 1st of November and the 11th of January read alike without padding.
        const QDateTime january(QDate(2026, 1, 11), QTime(10, 20, 30, 400));
        const QDateTime november(QDate(2026, 11, 1), QTime(10, 20, 30, 400));
        QCOMPARE(makeServerId(january), makeServerId(november));

        Server first;
        first.server_id = makeServerId(january);
        Server second;
        second.server_id = makeServerId(november.addMSecs(1));
        const QList<Server*> servers{&first, &second};

        QCOMPARE(makeServerId(servers, november), makeServerId(november.addMSecs(2)));
        QCOMPARE(makeServerId(servers, november.addSecs(5)), makeServerId(november.addSecs(5)));
    }
};

QTEST_GUILESS_MAIN(TestServerId)
#include "tst_serverid.moc"
