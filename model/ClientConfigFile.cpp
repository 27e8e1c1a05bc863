#include "model/ClientConfigFile.h"

#include "model/BatchSave.h"
#include "model/Lookup.h"
#include "model/ServerFields.h"
#include "model/TextLines.h"
#include "model/ThinClient.h"

#include <QHash>

namespace {

struct ClientField {
    ServerField field;
    bool lowerCase; // the protocol values go to the device in small letters
};

const ClientField kClientFields[] = {
    {{"display_name=", &Server::display_name, nullptr}, false},
    {{"remote_app=", &Server::remote_app, nullptr}, false},
    {{"rps_hostname_port=", &Server::rps_hostname_port, nullptr}, false},
    {{"rps_connection_type=", &Server::rps_connection_type, nullptr}, true},
    {{"rps_color_depth=", &Server::rps_color_depth, nullptr}, true},
    {{"rps_graphics_quality=", &Server::rps_graphics_quality, nullptr}, true},
    {{"rps_audio_quality=", &Server::rps_audio_quality, nullptr}, true},
    {{"rps_redirect_audio=", &Server::rps_redirect_audio, nullptr}, true},
    {{"rps_redirect_mic=", &Server::rps_redirect_mic, nullptr}, true},
    {{"rps_latency=", &Server::rps_latency, nullptr}, true},
    {{"rps_security=", &Server::rps_security, nullptr}, true},
    {{"rps_window_size=", &Server::rps_window_size, nullptr}, true},
    {{"rps_percentage=", &Server::rps_window_percentage, nullptr}, true},
    {{"xpos=", nullptr, &Server::xpos}, false},
    {{"ypos=", nullptr, &Server::ypos}, false},
    {{"width=", nullptr, &Server::width}, false},
    {{"height=", nullptr, &Server::height}, false},
};

QByteArray serverBlock(const Server& server)
{
    QString out = QStringLiteral("[SERVER]\n");
    for (const ClientField& entry : kClientFields) {
        const QString value = entry.field.valueOf(server);
        appendKeyValue(out, QLatin1StringView(entry.field.key), entry.lowerCase ? value.toLower() : value);
    }
    out += u'\n';
    return out.toUtf8();
}

// Every device file is the header and some server blocks: each block is
// made once per save, and found by id through the index, not by walking the list.
class ServerBlocks {
public:
    explicit ServerBlocks(const QList<Server*>& servers)
        : header(configFileHeader("zev_tc.conf").toUtf8()), index(servers)
    {
    }

    QByteArray fileFor(const ThinClient& client) const
    {
        QByteArray out = header;
        for (const QString& id : client.server_ids) {
            if (const Server* server = index.find(id))
                out += blockOf(*server);
        }
        return out;
    }

private:
    const QByteArray& blockOf(const Server& server) const
    {
        auto found = blocks.find(&server);
        if (found == blocks.end())
            found = blocks.insert(&server, serverBlock(server));
        return *found;
    }

    QByteArray header;
    ServerIndex index;
    mutable QHash<const Server*, QByteArray> blocks;
};

} // namespace

namespace ClientConfigFile {

bool isUsableSerial(QStringView serialNumber)
{
    return !serialNumber.isEmpty() && !serialNumber.contains(u'/') && !serialNumber.contains(u'\\') &&
           !serialNumber.contains(QChar(0));
}

QString fileName(const QString& serialNumber)
{
    return isUsableSerial(serialNumber) ? serialNumber.toUpper() + QStringLiteral(".conf") : QString();
}

QByteArray serialize(const ThinClient& client, const QList<Server*>& servers)
{
    return ServerBlocks(servers).fileFor(client);
}

Staging stageAll(BatchSave& batch, const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
                 const ContinueQuestion& continueAfterFailure, const Progress& progress)
{
    const ServerBlocks blocks(servers);
    Staging staging;
    for (const ThinClient* client : thinClients) {
        const QString name = fileName(client->serial_number);
        const int error = name.isEmpty() ? int(kUnusableName) : batch.stage(name, blocks.fileFor(*client));
        if (error == 0) {
            ++staging.staged;
            if (progress && !progress(staging.staged, int(thinClients.size()))) {
                staging.stopped = staging.cancelled = true;
                break;
            }
            continue;
        }
        staging.allStaged = false;
        const QString shownName = name.isEmpty() ? client->serial_number.toUpper() + QStringLiteral(".conf") : name;
        if (!continueAfterFailure(batch.targetPath(shownName), error)) {
            staging.stopped = true;
            break;
        }
    }
    return staging;
}

bool writeAll(BatchSave& batch, const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
              const ContinueQuestion& continueAfterFailure)
{
    const Staging staging = stageAll(batch, servers, thinClients, continueAfterFailure);
    // After a stop, the devices before it keep their files and nothing more is asked.
    return batch.commit(staging.stopped ? BatchSave::Failed() : continueAfterFailure) && staging.allStaged;
}

} // namespace ClientConfigFile
