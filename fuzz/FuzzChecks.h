#pragma once

#include "model/ConfigFile.h"
#include "model/Server.h"
#include "model/ServerFields.h"
#include "model/ThinClient.h"

#include <QList>

#include <cstdio>
#include <cstdlib>

// A property that does not hold is a finding: stop the fuzzer with a message.
#define FUZZ_REQUIRE(condition)                                                                                         \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                     \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

struct Records {
    QList<Server*> servers;
    QList<ThinClient*> thinClients;
    Records() = default;
    explicit Records(const QByteArray& content) { ConfigFile::parse(content, servers, thinClients); }
    ~Records()
    {
        qDeleteAll(servers);
        qDeleteAll(thinClients);
    }
    Records(const Records&) = delete;
    Records& operator=(const Records&) = delete;
};

inline bool sameServer(const Server& a, const Server& b)
{
    return a.server_id == b.server_id && a.display_name == b.display_name &&
           a.rps_hostname_port == b.rps_hostname_port && a.remote_app == b.remote_app &&
           a.rps_connection_type == b.rps_connection_type && a.rps_color_depth == b.rps_color_depth &&
           a.rps_graphics_quality == b.rps_graphics_quality && a.rps_audio_quality == b.rps_audio_quality &&
           a.rps_redirect_audio == b.rps_redirect_audio && a.rps_redirect_mic == b.rps_redirect_mic &&
           a.rps_latency == b.rps_latency && a.rps_security == b.rps_security &&
           a.rps_window_size == b.rps_window_size && a.rps_window_percentage == b.rps_window_percentage &&
           a.index_conxn_type == b.index_conxn_type && a.index_color_depth == b.index_color_depth &&
           a.index_graphics_quality == b.index_graphics_quality && a.index_audio_quality == b.index_audio_quality &&
           a.index_redirect_audio == b.index_redirect_audio && a.index_redirect_mic == b.index_redirect_mic &&
           a.index_latency == b.index_latency && a.index_security == b.index_security &&
           a.index_window_size == b.index_window_size && a.xpos == b.xpos && a.ypos == b.ypos &&
           a.width == b.width && a.height == b.height;
}

// Writing and reading again gives equal records, and the written file has
// exactly the lines its records make: no value spilled over a line end.
inline void checkRoundTrip(const QList<Server*>& servers, const QList<ThinClient*>& thinClients)
{
    const QByteArray written = ConfigFile::serialize(servers, thinClients);
    qsizetype expectedLines = 8 + 29 * servers.size();
    for (const ThinClient* client : thinClients)
        expectedLines += 4 + client->server_ids.size();
    FUZZ_REQUIRE(written.count('\n') == expectedLines);
    FUZZ_REQUIRE(!written.contains('\r'));

    Records again(written);
    FUZZ_REQUIRE(again.servers.size() == servers.size());
    FUZZ_REQUIRE(again.thinClients.size() == thinClients.size());
    for (qsizetype i = 0; i < servers.size(); ++i)
        FUZZ_REQUIRE(sameServer(*again.servers[i], *servers[i]));
    for (qsizetype i = 0; i < thinClients.size(); ++i) {
        FUZZ_REQUIRE(again.thinClients[i]->desc == thinClients[i]->desc);
        FUZZ_REQUIRE(again.thinClients[i]->serial_number == thinClients[i]->serial_number);
        FUZZ_REQUIRE(again.thinClients[i]->server_ids == thinClients[i]->server_ids);
    }
}
