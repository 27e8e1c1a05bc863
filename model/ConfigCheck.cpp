#include "model/ConfigCheck.h"

#include "model/ClientConfigFile.h"
#include "model/Lookup.h"
#include "model/Server.h"

#include <QCoreApplication>
#include <QHash>
#include <QRect>
#include <QSet>

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConfigCheck)
};

void checkServers(const QList<Server*>& servers, const QSize& picture, QStringList& problems)
{
    ServerIndex earlierOfId{QList<Server*>()};
    QHash<QString, const Server*> firstOfPair;
    const QRect area(QPoint(0, 0), picture);
    for (Server* server : servers) {
        if (const Server* first = earlierOfId.find(server->server_id))
            problems << Text::tr("Servers “%1” and “%2” share the id %3")
                            .arg(first->display_name, server->display_name, server->server_id);
        earlierOfId.add(server);
        const QString pair = hostAndApplicationKey(*server);
        if (const Server* first = firstOfPair.value(pair))
            problems << Text::tr("Servers “%1” and “%2” share the host %3 and remote application “%4”")
                            .arg(first->display_name, server->display_name, server->rps_hostname_port,
                                 server->remote_app);
        else
            firstOfPair.insert(pair, server);
        if (!picture.isEmpty() && !area.contains(labelRect(*server)))
            problems << Text::tr("The label of server “%1” lies partly outside the picture").arg(server->display_name);
    }
}

void checkThinClients(const QList<ThinClient*>& thinClients, const QList<Server*>& servers, QStringList& problems)
{
    const ServerIndex serverOfId(servers);
    SerialIndex earlierOfSerial{QList<ThinClient*>()};
    for (ThinClient* client : thinClients) {
        if (!ClientConfigFile::isUsableSerial(client->serial_number))
            problems << Text::tr("Thinclient “%1”: the serial number “%2” cannot name a device file")
                            .arg(client->desc, client->serial_number);
        else if (const ThinClient* first = earlierOfSerial.find(client->serial_number))
            problems << Text::tr("Thinclients %1 (“%2”) and %3 (“%4”) share the device file %5")
                            .arg(first->serial_number, first->desc, client->serial_number, client->desc,
                                 ClientConfigFile::fileName(client->serial_number));
        earlierOfSerial.add(client);
        for (const QString& id : client->server_ids) {
            if (!serverOfId.find(id))
                problems << Text::tr("Thinclient %1 is assigned the server id %2, which no server has")
                                .arg(client->serial_number, id);
        }
    }
}

// The file of a device removed from the list, or renamed by hand, stays (the
// devices may rely on it): said, so that the administrator can see it.
void checkStaleFiles(const QList<ThinClient*>& thinClients, const QStringList& filesInFolder, QStringList& problems)
{
    QSet<QString> deviceFiles{QStringLiteral("zev.conf")};
    for (const ThinClient* client : thinClients)
        deviceFiles.insert(ClientConfigFile::fileName(client->serial_number));
    for (const QString& name : filesInFolder) {
        if (name.endsWith(QLatin1String(".conf")) && !deviceFiles.contains(name))
            problems << Text::tr("The file %1 belongs to no thinclient; a device may still read it").arg(name);
    }
}

} // namespace

QStringList configurationProblems(const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
                                  const QSize& picture, const QStringList& filesInFolder)
{
    QStringList problems;
    checkServers(servers, picture, problems);
    checkThinClients(thinClients, servers, problems);
    checkStaleFiles(thinClients, filesInFolder, problems);
    return problems;
}
