#pragma once

#include "fixtures/SyntheticFleet.h"
#include "model/ConfigFile.h"
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

// The records behind the golden files, or those read from a zev.conf text; owned.
struct SampleFleet {
    QList<Server*> servers;
    QList<ThinClient*> thinClients;

    explicit SampleFleet(const QByteArray& zevConf) { ConfigFile::parse(zevConf, servers, thinClients); }
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
