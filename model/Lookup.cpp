#include "model/Lookup.h"

QString caseInsensitiveKey(const QString& text)
{
    return text.toCaseFolded();
}

QString serialKey(const QString& serial)
{
    return serial.toUpper();
}

QString hostAndApplicationKey(const QString& host, const QString& remoteApplication)
{
    return caseInsensitiveKey(host) + u'\n' + caseInsensitiveKey(remoteApplication);
}

QString hostAndApplicationKey(const Server& server)
{
    return hostAndApplicationKey(server.rps_hostname_port, server.remote_app);
}

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
    const QString sought = serialKey(serial);
    for (ThinClient* client : thinClients) {
        if (serialKey(client->serial_number) == sought)
            return client;
    }
    return nullptr;
}
