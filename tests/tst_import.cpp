#include "model/ThinClient.h"
#include "model/ThinClientImport.h"

#include <QtTest>

namespace {

QString describe(const QList<ThinClient*>& clients)
{
    QStringList parts;
    for (const ThinClient* c : clients)
        parts << c->serial_number + "=" + c->desc + (c->server_ids.isEmpty() ? "" : "@" + c->server_ids.join(','));
    return parts.join(u';');
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT
private slots:
    void merge_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("after"); // the list started as AB12=Old@s1;ISS=Other
        QTest::addColumn<QList<int>>("stats"); // added, updated, rejected
        QTest::addColumn<QStringList>("rejectedLines");

        const QString start = "AB12=Old@s1;ISS=Other";
        QTest::newRow("empty file") << QByteArray() << start << QList<int>{0, 0, 0} << QStringList();
        QTest::newRow("comments and noise")
            << QByteArray("#X1,,,comment\n\nno separator\nA,,,B,,,C\nX,,Y\n") << start << QList<int>{0, 0, 0}
            << QStringList();
        QTest::newRow("new device upper-cased")
            << QByteArray("cd34,,,Front desk\n") << start + ";CD34=Front desk" << QList<int>{1, 0, 0} << QStringList();
        QTest::newRow("known serial in other case")
            << QByteArray("ab12,,,New text\n") << "AB12=New text@s1;ISS=Other" << QList<int>{0, 1, 0} << QStringList();
        QTest::newRow("same serial twice")
            << QByteArray("X1,,,first\nx1,,,second\n") << start + ";X1=second" << QList<int>{1, 1, 0}
            << QStringList();
        QTest::newRow("empty serial") << QByteArray(",,,nobody\nY1,,,y\n") << start + ";Y1=y" << QList<int>{1, 0, 1}
                                      << QStringList{",,,nobody"};
        QTest::newRow("path in serial")
            << QByteArray("../evil,,,x\na\\b,,,y\n") << start << QList<int>{0, 0, 2}
            << QStringList{"../evil,,,x", "a\\b,,,y"};
        QTest::newRow("four commas") << QByteArray("Z9,,,,word\n") << start + ";Z9=,word" << QList<int>{1, 0, 0}
                                     << QStringList();
        QTest::newRow("leading blank kept")
            << QByteArray(" ab12,,,blank\n") << start + "; AB12=blank" << QList<int>{1, 0, 0} << QStringList();
        QTest::newRow("empty description") << QByteArray("E1,,,\n") << start + ";E1=" << QList<int>{1, 0, 0}
                                           << QStringList();
        QTest::newRow("CRLF and byte-order mark")
            << QByteArray("\xEF\xBB\xBFQ1,,,q\r\nQ2,,,r\r\n") << start + ";Q1=q;Q2=r" << QList<int>{2, 0, 0}
            << QStringList();
        // A long list is read in two halves at once; what the first half adds
        // or rejects must still come before the second half, as line by line.
        QByteArray longList = "X1,,,first\n../bad,,,y\n";
        for (int i = 0; i < 12000; ++i)
            longList += "# a comment long enough to make this list a long one\n";
        longList += "x1,,,second\n../evil,,,x\nab12,,,New\nNEW2,,,n\n";
        QTest::newRow("long list read in two halves")
            << longList << "AB12=New@s1;ISS=Other;X1=second;NEW2=n" << QList<int>{2, 2, 2}
            << QStringList{"../bad,,,y", "../evil,,,x"};
        // One file name, one device: a serial number that upper-cases to a known one updates it.
        QTest::newRow("dotless i and sharp s name the file of ISS")
            << QByteArray("\xC4\xB1\xC3\x9F,,,two\n") << "AB12=Old@s1;ISS=two" << QList<int>{0, 1, 0}
            << QStringList();
        QTest::newRow("sharp s names the file of SS")
            << QByteArray("SS,,,one\n\xC3\x9F,,,two\n") << start + ";SS=two" << QList<int>{1, 1, 0} << QStringList();
        QTest::newRow("UTF-8 text") << QByteArray("\xC3\xA4" "1,,,K\xC3\xBC" "che\n") << start + QString::fromUtf8(";\xC3\x84" "1=K\xC3\xBC" "che")
                                    << QList<int>{1, 0, 0} << QStringList();
    }

    void merge()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, after);
        QFETCH(QList<int>, stats);
        QFETCH(QStringList, rejectedLines);

        auto* existing = new ThinClient("Old", "AB12");
        existing->server_ids << "s1";
        QList<ThinClient*> clients{existing, new ThinClient("Other", "ISS")};
        QStringList rejected;
        const auto result =
            ThinClientImport::merge(content, clients, [&rejected](const QString& line) { rejected << line; });

        QCOMPARE(describe(clients), after);
        QCOMPARE((QList<int>{result.added, result.updated, result.rejected}), stats);
        QCOMPARE(rejected, rejectedLines);
        QCOMPARE(clients.first(), existing);
        qDeleteAll(clients);
    }

    void statusText()
    {
        ThinClientImport::Stats stats;
        stats.added = 3;
        stats.updated = 12;
        stats.rejected = 0;
        QCOMPARE(ThinClientImport::statusText(stats),
                 QStringLiteral("\nImport completed. Here are the stats:\n\nNew entries:\t\t3\nUpdated entries:\t12\n"
                                "Rejected entries:\t0"));
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
