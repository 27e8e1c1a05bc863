// Files no one should hand the program, but someone will: the reader and the
// import neither crash nor run away with memory, and apply their rules to
// whatever lines there are.
#include "model/ConfigFile.h"
#include "model/Server.h"
#include "model/ThinClient.h"
#include "model/ThinClientImport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

namespace {

qint64 peakRssMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() / 1024;
    }
    return 0;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(random.bounded(256));
    return bytes;
}

struct Read {
    QList<Server*> servers;
    QList<ThinClient*> thinClients;
    explicit Read(const QByteArray& content) { ConfigFile::parse(content, servers, thinClients); }
    ~Read()
    {
        qDeleteAll(servers);
        qDeleteAll(thinClients);
    }
};

} // namespace

class TestBadInput : public QObject {
    Q_OBJECT
private slots:
    void binaryData()
    {
        QByteArray content = randomBytes(1 << 20, 7);
        content.prepend("[SERVER]\nserver_id=first\n");
        Read read(content);
        QVERIFY(!read.servers.isEmpty());
        QCOMPARE(read.servers.first()->server_id, QStringLiteral("first"));
    }

    void nulBytesAndInvalidUtf8()
    {
        Read read(QByteArray("[SERVER]\0junk\nserver_id=a\0b\ndisplay_name=\xff\xfe ok\nxpos=\x80\x81\n", 55));
        QCOMPARE(read.servers.size(), 1);
        QCOMPARE(read.servers[0]->server_id, QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b")));
        QVERIFY(read.servers[0]->display_name.endsWith(QStringLiteral(" ok")));
        QCOMPARE(read.servers[0]->xpos, 0);
    }

    void fiftyMegabyteLine()
    {
        const qint64 before = peakRssMiB();
        {
            QByteArray content("[SERVER]\ndisplay_name=");
            content.append(QByteArray(50 << 20, 'x'));
            Read read(content);
            QCOMPARE(read.servers.size(), 1);
            QCOMPARE(read.servers[0]->display_name.size(), qsizetype(50 << 20));
            const QByteArray rejectedLine(50 << 20, 'y');
            QList<ThinClient*> clients;
            const auto stats = ThinClientImport::merge(rejectedLine, clients, [](const QString&) {});
            QCOMPARE(stats.added + stats.updated + stats.rejected, 0);
        }
        const qint64 growth = peakRssMiB() - before;
        qInfo("peak memory grew by %lld MiB for a 50 MB line", growth);
        QVERIFY2(growth < 800, "memory must stay a small multiple of the file's size");
    }

    void hundredThousandBlocks()
    {
        QByteArray content;
        for (int i = 0; i < 100000; ++i)
            content += "[SERVER]\nserver_id=" + QByteArray::number(i) + "\n[THINCLIENT]\nserial_number=S" +
                       QByteArray::number(i) + "\nserver=" + QByteArray::number(i) + "\n";
        QElapsedTimer timer;
        timer.start();
        Read read(content);
        QCOMPARE(read.servers.size(), 100000);
        QCOMPARE(read.thinClients.size(), 100000);
        QCOMPARE(read.thinClients.last()->server_ids, QStringList(QStringLiteral("99999")));
        QVERIFY2(timer.elapsed() < 10000, "reading 100,000 blocks must not take long");
    }

    void importOfBadLists_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("rejected");
        QTest::newRow("binary") << randomBytes(1 << 20, 11) << -1 << -1;
        QTest::newRow("NUL in serial") << QByteArray("a\0b,,,x\n", 8) << 0 << 1;
        QTest::newRow("invalid UTF-8") << QByteArray("\xff\xfe,,,x\n") << 1 << 0;
        QTest::newRow("CR only") << QByteArray("A1,,,x\rB2,,,y\r") << 2 << 0;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF#c\nA1,,,x\n") << 1 << 0;
    }

    void importOfBadLists()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, added);
        QFETCH(int, rejected);
        QList<ThinClient*> clients;
        int reported = 0;
        const auto stats = ThinClientImport::merge(content, clients, [&](const QString&) { ++reported; });
        QCOMPARE(stats.rejected, reported);
        QCOMPARE(clients.size(), stats.added);
        if (added >= 0)
            QCOMPARE(stats.added, added);
        if (rejected >= 0)
            QCOMPARE(stats.rejected, rejected);
        qDeleteAll(clients);
    }
};

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
