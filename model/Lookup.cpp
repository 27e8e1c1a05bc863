#include "model/Lookup.h"

#include "model/Server.h"
#include "model/ThinClient.h"

Server* findServerById(const QList<Server*>& servers, const QString& id)
{
    for (Server* server : servers) {
        if (server->server_id.compare(id, Qt::CaseInsensitive) == 0)
            return server;
    }
    return nullptr;
}

ThinClient* findThinClientBySerial(const QList<ThinClient*>& thinClients, const QString& serial)
{
    for (ThinClient* client : thinClients) {
        if (client->serial_number.compare(serial, Qt::CaseInsensitive) == 0)
            return client;
    }
    return nullptr;
}
