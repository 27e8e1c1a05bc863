#include "model/ConfigFile.h"

#include "model/SafeSave.h"
#include "model/ServerFields.h"
#include "model/TextLines.h"
#include "model/ThinClient.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

// The order of the keys in a written [SERVER] block; reading accepts them in any order.
const ServerField kServerFields[] = {
    {"server_id=", &Server::server_id, nullptr},
    {"display_name=", &Server::display_name, nullptr},
    {"remote_app=", &Server::remote_app, nullptr},
    {"rps_hostname_port=", &Server::rps_hostname_port, nullptr},
    {"rps_connection_type=", &Server::rps_connection_type, nullptr},
    {"rps_color_depth=", &Server::rps_color_depth, nullptr},
    {"rps_graphics_quality=", &Server::rps_graphics_quality, nullptr},
    {"rps_audio_quality=", &Server::rps_audio_quality, nullptr},
    {"rps_redirect_audio=", &Server::rps_redirect_audio, nullptr},
    {"rps_redirect_mic=", &Server::rps_redirect_mic, nullptr},
    {"rps_latency=", &Server::rps_latency, nullptr},
    {"rps_security=", &Server::rps_security, nullptr},
    {"rps_window_size=", &Server::rps_window_size, nullptr},
    {"rps_window_percentage=", &Server::rps_window_percentage, nullptr},
    {"index_conxn_type=", nullptr, &Server::index_conxn_type},
    {"index_color_depth=", nullptr, &Server::index_color_depth},
    {"index_graphics_quality=", nullptr, &Server::index_graphics_quality},
    {"index_audio_quality=", nullptr, &Server::index_audio_quality},
    {"index_redirect_audio=", nullptr, &Server::index_redirect_audio},
    {"index_redirect_mic=", nullptr, &Server::index_redirect_mic},
    {"index_latency=", nullptr, &Server::index_latency},
    {"index_security=", nullptr, &Server::index_security},
    {"index_window_size=", nullptr, &Server::index_window_size},
    {"xpos=", nullptr, &Server::xpos},
    {"ypos=", nullptr, &Server::ypos},
    {"width=", nullptr, &Server::width},
    {"height=", nullptr, &Server::height},
};

const QString kServerHeader = QStringLiteral("[SERVER]");
const QString kThinClientHeader = QStringLiteral("[THINCLIENT]");

// Every key holds exactly one "=", at its end, so "the line starts with the key"
// is the same as "the text up to the first = is the key": one hash look-up.
const QHash<QString, const ServerField*>& serverFieldsByKey()
{
    static const QHash<QString, const ServerField*> byKey = [] {
        QHash<QString, const ServerField*> hash;
        for (const ServerField& field : kServerFields)
            hash.insert(QString::fromLatin1(field.key), &field);
        return hash;
    }();
    return byKey;
}

qint32 wholeNumberOrZero(QStringView text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

class Parser {
public:
    Parser(QList<Server*>& servers, QList<ThinClient*>& thinClients) : servers(servers), thinClients(thinClients) {}

    void parseLine(QStringView line)
    {
        if (line.startsWith(u'#'))
            return;
        if (line.startsWith(kServerHeader)) {
            currentServer = new Server;
            servers.append(currentServer);
            return;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals >= 0) {
            const QStringView key = line.first(equals + 1);
            const QStringView rest = line.sliced(equals + 1);
            // Looked up through a view of the line: no copy of the key for every line.
            keyView.setRawData(key.data(), key.size());
            if (const ServerField* field = serverFieldsByKey().value(keyView)) {
                storeServerValue(*field, rest);
                return;
            }
            if (line.startsWith(kThinClientHeader)) { // a header line may hold a "=" after the brackets
                startThinClient();
                return;
            }
            storeThinClientValue(key, rest);
            return;
        }
        if (line.startsWith(kThinClientHeader))
            startThinClient();
    }

private:
    void startThinClient()
    {
        currentThinClient = new ThinClient;
        thinClients.append(currentThinClient);
    }

    void storeServerValue(const ServerField& field, QStringView rest)
    {
        if (!currentServer)
            return;
        if (field.text)
            currentServer->*field.text = rest.toString();
        else
            currentServer->*field.number = wholeNumberOrZero(rest);
    }

    void storeThinClientValue(QStringView key, QStringView rest)
    {
        if (!currentThinClient)
            return;
        if (key == u"desc=")
            currentThinClient->desc = rest.toString();
        else if (key == u"serial_number=")
            currentThinClient->serial_number = rest.toString();
        else if (key == u"server=")
            currentThinClient->server_ids.append(rest.toString());
    }

    QList<Server*>& servers;
    QList<ThinClient*>& thinClients;
    Server* currentServer = nullptr;
    ThinClient* currentThinClient = nullptr;
    QString keyView;
};

} // namespace

QString configFileHeader(const char* fileName)
{
    return QStringLiteral("#\n# Quorvane Inc\n#\n# %1 Ver 1.0\n#\n# Autogenerated by ZEV. Do not edit this file\n#\n\n")
        .arg(QLatin1String(fileName));
}

namespace ConfigFile {

QByteArray serialize(const QList<Server*>& servers, const QList<ThinClient*>& thinClients)
{
    QByteArray out = configFileHeader("zev.conf").toUtf8();
    out.reserve(servers.size() * 700 + thinClients.size() * 200);
    for (const Server* server : servers) {
        out += "[SERVER]\n";
        for (const ServerField& field : kServerFields)
            appendKeyValueLine(out, field.key, field.valueOf(*server));
        out += '\n';
    }
    for (const ThinClient* client : thinClients) {
        out += "[THINCLIENT]\n";
        appendKeyValueLine(out, "desc=", client->desc);
        appendKeyValueLine(out, "serial_number=", client->serial_number);
        for (const QString& id : client->server_ids)
            appendKeyValueLine(out, "server=", id);
        out += '\n';
    }
    return out;
}

bool write(QIODevice& device, const QList<Server*>& servers, const QList<ThinClient*>& thinClients)
{
    return writeAll(device, serialize(servers, thinClients));
}

void parse(const QByteArray& content, QList<Server*>& servers, QList<ThinClient*>& thinClients)
{
    Parser parser(servers, thinClients);
    forEachLine(content, [&parser](QStringView line) { parser.parseLine(line); });
}

ReadStatus read(const QString& path, QList<Server*>& servers, QList<ThinClient*>& thinClients)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QFileInfo::exists(path) ? ReadStatus::Unreadable : ReadStatus::Missing;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return ReadStatus::Unreadable;
    parse(content, servers, thinClients);
    return ReadStatus::Read;
}

} // namespace ConfigFile
