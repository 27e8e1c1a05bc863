#pragma once

#include "bench/SyntheticFleet.h"
#include "model/Server.h"
#include "model/ThinClient.h"

#include <QFile>
#include <QIODevice>
#include <QList>

// The records behind tests/data/zev_golden.conf.
inline Server* sampleServer()
{
    auto* server = new Server;
    server->server_id = QStringLiteral("1252026947045");
    server->display_name = QStringLiteral(" Main office ");
    server->rps_hostname_port = QStringLiteral("RDP://Host.Example:3389");
    server->remote_app = QStringLiteral("Calc");
    SyntheticFleet::applyRdpDefaults(server);
    server->rps_window_size = QStringLiteral("Percentage");
    server->index_window_size = 1;
    server->xpos = 10;
    server->ypos = 20;
    server->width = 75;
    server->height = 75;
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

// Field-by-field equality, so a failing comparison names the field.
#define ZEV_COMPARE_SERVERS(a, b)                                                                                      \
    do {                                                                                                               \
        const Server& sa = (a);                                                                                        \
        const Server& sb = (b);                                                                                        \
        QCOMPARE(sa.server_id, sb.server_id);                                                                          \
        QCOMPARE(sa.display_name, sb.display_name);                                                                    \
        QCOMPARE(sa.rps_hostname_port, sb.rps_hostname_port);                                                          \
        QCOMPARE(sa.remote_app, sb.remote_app);                                                                        \
        QCOMPARE(sa.rps_connection_type, sb.rps_connection_type);                                                      \
        QCOMPARE(sa.rps_color_depth, sb.rps_color_depth);                                                              \
        QCOMPARE(sa.rps_graphics_quality, sb.rps_graphics_quality);                                                    \
        QCOMPARE(sa.rps_audio_quality, sb.rps_audio_quality);                                                          \
        QCOMPARE(sa.rps_redirect_audio, sb.rps_redirect_audio);                                                        \
        QCOMPARE(sa.rps_redirect_mic, sb.rps_redirect_mic);                                                            \
        QCOMPARE(sa.rps_latency, sb.rps_latency);                                                                      \
        QCOMPARE(sa.rps_security, sb.rps_security);                                                                    \
        QCOMPARE(sa.rps_window_size, sb.rps_window_size);                                                              \
        QCOMPARE(sa.rps_window_percentage, sb.rps_window_percentage);                                                  \
        QCOMPARE(sa.index_conxn_type, sb.index_conxn_type);                                                            \
        QCOMPARE(sa.index_color_depth, sb.index_color_depth);                                                          \
        QCOMPARE(sa.index_graphics_quality, sb.index_graphics_quality);                                                \
        QCOMPARE(sa.index_audio_quality, sb.index_audio_quality);                                                      \
        QCOMPARE(sa.index_redirect_audio, sb.index_redirect_audio);                                                    \
        QCOMPARE(sa.index_redirect_mic, sb.index_redirect_mic);                                                        \
        QCOMPARE(sa.index_latency, sb.index_latency);                                                                  \
        QCOMPARE(sa.index_security, sb.index_security);                                                                \
        QCOMPARE(sa.index_window_size, sb.index_window_size);                                                          \
        QCOMPARE(sa.xpos, sb.xpos);                                                                                    \
        QCOMPARE(sa.ypos, sb.ypos);                                                                                    \
        QCOMPARE(sa.width, sb.width);                                                                                  \
        QCOMPARE(sa.height, sb.height);                                                                                \
    } while (false)

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
