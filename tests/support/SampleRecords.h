#pragma once

#include "fixtures/SyntheticFleet.h"
#include "model/Server.h"
#include "model/ThinClient.h"

#include <QFile>
#include <QIODevice>
#include <QList>

// The records behind tests/data/zev_golden.conf.
inline Server* sampleServer()
{
    Server* server = SyntheticFleet::rdpServer(QStringLiteral("1252026947045"), QStringLiteral(" Main office "),
                                               QStringLiteral("RDP://Host.Example:3389"), QStringLiteral("Calc"),
                                               QPoint(10, 20));
    server->rps_window_size = QStringLiteral("Percentage");
    server->index_window_size = 1;
    return server;
}

struct SampleFleet {
    QList<Server*> servers;
    QList<ThinClient*> thinClients;

    SampleFleet()
    {
        servers << sampleServer() << new Server;
        auto* frontDesk = new ThinClient(QStringLiteral("Front desk"), QStringLiteral("AB12"));
        frontDesk->server_ids << QStringLiteral("1252026947045") << QStringLiteral("gone");
        thinClients << frontDesk << new ThinClient(QStringLiteral("Spare"), QStringLiteral("cd34"));
    }
    ~SampleFleet()
    {
        qDeleteAll(servers);
        qDeleteAll(thinClients);
    }
    SampleFleet(const SampleFleet&) = delete;
    SampleFleet& operator=(const SampleFleet&) = delete;
};

inline QByteArray readTestFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A device that accepts limit bytes and then fails, like a disk that fills up.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(qint64 limit) : limit(limit) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 len) override
    {
        if (written >= limit)
            return -1;
        const qint64 accepted = qMin(len, limit - written);
        written += accepted;
        return accepted;
    }

private:
    qint64 limit;
    qint64 written = 0;
};
