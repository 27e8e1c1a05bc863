#include "model/ConfigFile.h"

#include "model/BatchSave.h"
#include "model/ServerFields.h"
#include "model/TextLines.h"
#include "model/ThinClient.h"

namespace {

const QString kServerHeader = QStringLiteral("[SERVER]");
const QString kThinClientHeader = QStringLiteral("[THINCLIENT]");

// Every key holds exactly one "=", at its end, so "the line starts with the key"
// is the same as "the text up to the first = is the key", and no line can start
// with two different keys.
const ServerField* serverFieldFor(QStringView key)
{
    for (const ServerField& field : serverFields()) {
        if (key == field.key)
            return &field;
    }
    return nullptr;
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
            if (const ServerField* field = serverFieldFor(key)) {
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
        if (currentServer)
            field.assign(*currentServer, rest);
    }

    void storeThinClientValue(QStringView key, QStringView rest)
    {
        if (!currentThinClient)
            return;
        if (key == QLatin1String("desc="))
            currentThinClient->desc = rest.toString();
        else if (key == QLatin1String("serial_number="))
            currentThinClient->serial_number = rest.toString();
        else if (key == QLatin1String("server="))
            currentThinClient->server_ids.append(rest.toString());
    }

    QList<Server*>& servers;
    QList<ThinClient*>& thinClients;
    Server* currentServer = nullptr;
    ThinClient* currentThinClient = nullptr;
};

void appendServer(QString& out, const Server& server)
{
    out += QLatin1StringView("[SERVER]\n");
    for (const ServerField& field : serverFields())
        appendKeyValue(out, field.key, field.valueOf(server));
    out += u'\n';
}

void appendThinClient(QString& out, const ThinClient& client)
{
    out += QLatin1StringView("[THINCLIENT]\n");
    appendKeyValue(out, QLatin1StringView("desc="), client.desc);
    appendKeyValue(out, QLatin1StringView("serial_number="), client.serial_number);
    for (const QString& id : client.server_ids)
        appendKeyValue(out, QLatin1StringView("server="), id);
    out += u'\n';
}

} // namespace

namespace ConfigFile {

QString serverBlock(const Server& server)
{
    QString out;
    appendServer(out, server);
    return out;
}

QString thinClientBlock(const ThinClient& client)
{
    QString out;
    appendThinClient(out, client);
    return out;
}

qsizetype conflictMarkerLine(const QByteArray& content)
{
    // Read on every load: the bytes are searched, not decoded line by line.
    qsizetype first = -1;
    for (const QByteArrayView marker : {QByteArrayView("<<<<<<<"), QByteArrayView("======="), QByteArrayView(">>>>>>>")}) {
        const qsizetype at = content.startsWith(marker) ? 0 : content.indexOf('\n' + marker.toByteArray());
        if (at >= 0 && (first < 0 || at < first))
            first = at;
    }
    return first < 0 ? 0 : QByteArrayView(content).first(first + 1).count('\n') + 1;
}

QByteArray serialize(const QList<Server*>& servers, const QList<ThinClient*>& thinClients)
{
    QString out = configFileHeader("zev.conf");
    for (const Server* server : servers)
        appendServer(out, *server);
    for (const ThinClient* client : thinClients)
        appendThinClient(out, *client);
    return out.toUtf8();
}

void parse(const QByteArray& content, QList<Server*>& servers, QList<ThinClient*>& thinClients)
{
    Parser parser(servers, thinClients);
    forEachLine(content, [&parser](QStringView line) { parser.parseLine(line); });
}

} // namespace ConfigFile
