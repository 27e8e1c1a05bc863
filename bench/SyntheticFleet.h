#pragma once

#include "model/Server.h"
#include "model/ThinClient.h"

#include <QList>
#include <QString>

// A deterministic fleet for measurements and stress tests: the same sizes
// always give the same records, so runs can be compared.
struct SyntheticFleet {
    QList<Server*> servers;
    QList<ThinClient*> thinClients;

    SyntheticFleet(int deviceCount, int serverCount, int serversPerDevice)
    {
        servers.reserve(serverCount);
        for (int i = 0; i < serverCount; ++i)
            servers.append(makeServer(i));
        thinClients.reserve(deviceCount);
        for (int i = 0; i < deviceCount; ++i) {
            auto* client = new ThinClient(QStringLiteral("Desk %1, floor %2").arg(i).arg(i % 12), serial(i));
            for (int k = 0; k < serversPerDevice && serverCount > 0; ++k)
                client->server_ids.append(servers[(i * 7 + k * 13) % serverCount]->server_id);
            thinClients.append(client);
        }
    }
    ~SyntheticFleet()
    {
        qDeleteAll(servers);
        qDeleteAll(thinClients);
    }
    SyntheticFleet(const SyntheticFleet&) = delete;
    SyntheticFleet& operator=(const SyntheticFleet&) = delete;

    static QString serial(int i) { return QStringLiteral("TC%1").arg(i, 6, 10, QLatin1Char('0')); }

    // The values the server dialog stores for RDP with its defaults.
    static void applyRdpDefaults(Server* server)
    {
        server->rps_connection_type = QStringLiteral("rdp");
        server->rps_color_depth = QStringLiteral("Auto");
        server->rps_graphics_quality = QStringLiteral("Auto");
        server->rps_audio_quality = QStringLiteral("Best");
        server->rps_redirect_audio = QStringLiteral("Yes");
        server->rps_redirect_mic = QStringLiteral("Yes");
        server->rps_latency = QStringLiteral("Auto");
        server->rps_security = QStringLiteral("Default");
        server->rps_window_size = QStringLiteral("Auto");
        server->rps_window_percentage = QStringLiteral("80");
        server->index_conxn_type = 2;
        server->index_color_depth = 4;
        server->index_graphics_quality = 3;
        server->index_audio_quality = 0;
        server->index_redirect_audio = 0;
        server->index_redirect_mic = 0;
        server->index_latency = 3;
        server->index_security = 0;
        server->index_window_size = 2;
    }

    static Server* makeServer(int i)
    {
        auto* server = new Server;
        server->server_id = QStringLiteral("1252026%1").arg(100000 + i);
        server->display_name = QStringLiteral("Server %1").arg(i);
        server->rps_hostname_port = QStringLiteral("rdp://host%1.example:3389").arg(i);
        server->remote_app = i % 3 == 0 ? QStringLiteral("calc") : QString();
        applyRdpDefaults(server);
        server->xpos = (i % 10) * 77;
        server->ypos = (i / 10) * 77;
        server->width = 75;
        server->height = 75;
        return server;
    }
};
