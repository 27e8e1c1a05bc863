#pragma once

#include "model/ConfigFile.h"
#include "model/Server.h"
#include "model/ServerFields.h"
#include "model/ThinClient.h"
#include "fixtures/RecordText.h"

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
        FUZZ_REQUIRE(fieldsOf(*again.servers[i]) == fieldsOf(*servers[i]));
    for (qsizetype i = 0; i < thinClients.size(); ++i) {
        FUZZ_REQUIRE(again.thinClients[i]->desc == thinClients[i]->desc);
        FUZZ_REQUIRE(again.thinClients[i]->serial_number == thinClients[i]->serial_number);
        FUZZ_REQUIRE(again.thinClients[i]->server_ids == thinClients[i]->server_ids);
    }
}
