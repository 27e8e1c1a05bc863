#include "model/ClientConfigFile.h"

#include "model/Lookup.h"
#include "model/SafeSave.h"
#include "model/ServerFields.h"
#include "model/TextLines.h"
#include "model/ThinClient.h"

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

void appendServerBlock(QString& out, const Server& server)
{
    out += QLatin1String("[SERVER]\n");
    for (const ClientField& entry : kClientFields) {
        const QString value = entry.field.valueOf(server);
        out += QLatin1String(entry.field.key);
        out += oneLine(entry.lowerCase ? value.toLower() : value);
        out += u'\n';
    }
    out += u'\n';
}

} // namespace

namespace ClientConfigFile {

QString fileName(const QString& serialNumber)
{
    if (serialNumber.isEmpty() || serialNumber.contains(u'/') || serialNumber.contains(u'\\') ||
        serialNumber.contains(QChar(0)))
        return {};
    return serialNumber.toUpper() + QStringLiteral(".conf");
}

QByteArray serialize(const ThinClient& client, const QList<Server*>& servers)
{
    QString out = configFileHeader("zev_tc.conf");
    for (const QString& id : client.server_ids) {
        if (const Server* server = findServerById(servers, id))
            appendServerBlock(out, *server);
    }
    return out.toUtf8();
}

bool write(QIODevice& device, const ThinClient& client, const QList<Server*>& servers)
{
    return ::writeAll(device, serialize(client, servers));
}

bool writeAll(const QString& workingDir, const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
              const ContinueQuestion& continueAfterFailure)
{
    for (const ThinClient* client : thinClients) {
        const QString name = fileName(client->serial_number);
        const QString path = workingDir + u'/' + (name.isEmpty() ? client->serial_number.toUpper() + ".conf" : name);
        const bool written =
            !name.isEmpty() && saveFile(path, [&](QIODevice& device) { return write(device, *client, servers); });
        if (!written && !continueAfterFailure(path))
            return false;
    }
    return true;
}

} // namespace ClientConfigFile
