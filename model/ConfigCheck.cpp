#include "model/ConfigCheck.h"

#include "model/ClientConfigFile.h"
#include "model/Lookup.h"

#include <QHash>
#include <QRect>

namespace {

// The first record of each key; a later one with the same key is reported with it.
template <typename Record>
const Record* firstWithKey(QHash<QString, const Record*>& firsts, const QString& key, const Record* record)
{
    const auto found = firsts.constFind(key);
    if (found != firsts.constEnd())
        return found.value();
    firsts.insert(key, record);
    return nullptr;
}

void checkServers(const QList<Server*>& servers, const QSize& picture, QStringList& problems)
{
    QHash<QString, const Server*> firstOfId;
    QHash<QString, const Server*> firstOfPair;
    const QRect area(QPoint(0, 0), picture);
    for (const Server* server : servers) {
        if (const Server* first = firstWithKey(firstOfId, caseInsensitiveKey(server->server_id), server))
            problems << QStringLiteral("Servers “%1” and “%2” share the id %3")
                            .arg(first->display_name, server->display_name, server->server_id);
        if (const Server* first = firstWithKey(firstOfPair, hostAndApplicationKey(*server), server))
            problems << QStringLiteral("Servers “%1” and “%2” share the host %3 and remote application “%4”")
                            .arg(first->display_name, server->display_name, server->rps_hostname_port,
                                 server->remote_app);
        if (!area.contains(QRect(server->xpos, server->ypos, server->width, server->height)))
            problems << QStringLiteral("The label of server “%1” lies partly outside the picture")
                            .arg(server->display_name);
    }
}

void checkThinClients(const QList<ThinClient*>& thinClients, const QList<Server*>& servers, QStringList& problems)
{
    const ServerIndex serverOfId(servers);
    QHash<QString, const ThinClient*> firstOfSerial;
    for (const ThinClient* client : thinClients) {
        if (!ClientConfigFile::isUsableSerial(client->serial_number))
            problems << QStringLiteral("Thinclient “%1”: the serial number “%2” cannot name a device file")
                            .arg(client->desc, client->serial_number);
        else if (const ThinClient* first = firstWithKey(firstOfSerial, serialKey(client->serial_number), client))
            problems << QStringLiteral("Thinclients “%1” and “%2” share the serial number %3")
                            .arg(first->desc, client->desc, client->serial_number);
        for (const QString& id : client->server_ids) {
            if (!serverOfId.find(id))
                problems << QStringLiteral("Thinclient %1 is assigned the server id %2, which no server has")
                                .arg(client->serial_number, id);
        }
    }
}

} // namespace

QStringList configurationProblems(const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
                                  const QSize& picture)
{
    QStringList problems;
    checkServers(servers, picture, problems);
    checkThinClients(thinClients, servers, problems);
    return problems;
}
