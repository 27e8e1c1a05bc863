#include "model/ConfigFile.h"

#include "model/SafeSave.h"
#include "model/ServerFields.h"
#include "model/TextLines.h"
#include "model/ThinClient.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

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

void appendServer(KeyValueLines& out, const Server& server)
{
    out.append("[SERVER]\n");
    for (const ServerField& field : kServerFields)
        out.appendLine(QLatin1StringView(field.key), field.valueOf(server));
    out.append("\n");
}

void appendThinClient(KeyValueLines& out, const ThinClient& client)
{
    out.append("[THINCLIENT]\n");
    out.appendLine(QLatin1StringView("desc="), client.desc);
    out.appendLine(QLatin1StringView("serial_number="), client.serial_number);
    for (const QString& id : client.server_ids)
        out.appendLine(QLatin1StringView("server="), id);
    out.append("\n");
}

constexpr qsizetype kDevicesPerSlice = 1000;

qsizetype sliceCount(const QList<ThinClient*>& thinClients)
{
    return 1 + (thinClients.size() + kDevicesPerSlice - 1) / kDevicesPerSlice;
}

// The file's text in slices: the header and the servers, then the devices a
// thousand at a time.
QByteArray makeSlice(qsizetype slice, const QList<Server*>& servers, const QList<ThinClient*>& thinClients)
{
    if (slice == 0) {
        KeyValueLines out(1024 + servers.size() * 700);
        out.append(configFileHeader("zev.conf").toUtf8());
        for (const Server* server : servers)
            appendServer(out, *server);
        return out.take();
    }
    const qsizetype first = (slice - 1) * kDevicesPerSlice;
    const qsizetype last = qMin(first + kDevicesPerSlice, thinClients.size());
    KeyValueLines out((last - first) * 200);
    for (qsizetype i = first; i < last; ++i)
        appendThinClient(out, *thinClients[i]);
    return out.take();
}

// Slices made by a helper thread, handed over in order, a few at a time.
class SliceQueue {
public:
    void put(QByteArray slice)
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return waiting.size() < 2 || stopped; });
        waiting.push_back(std::move(slice));
        changed.notify_all();
    }
    QByteArray take()
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [this] { return !waiting.empty(); });
        QByteArray slice = std::move(waiting.front());
        waiting.pop_front();
        changed.notify_all();
        return slice;
    }
    void stop()
    {
        const std::lock_guard lock(mutex);
        stopped = true;
        changed.notify_all();
    }
    bool isStopped()
    {
        const std::lock_guard lock(mutex);
        return stopped;
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<QByteArray> waiting;
    bool stopped = false;
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
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    write(buffer, servers, thinClients);
    return buffer.data();
}

bool write(QIODevice& device, const QList<Server*>& servers, const QList<ThinClient*>& thinClients)
{
    const qsizetype slices = sliceCount(thinClients);
    constexpr qsizetype kShareFrom = 5;
    if (slices < kShareFrom) {
        for (qsizetype slice = 0; slice < slices; ++slice) {
            if (!writeAll(device, makeSlice(slice, servers, thinClients)))
                return false;
        }
        return true;
    }
    // A large fleet: a helper thread makes the odd slices while this one makes
    // the even ones and hands them all to the device in order. Both cores make
    // text, and the first slices are on their way to the disk before the last
    // ones exist.
    SliceQueue odd;
    std::thread helper([&] {
        for (qsizetype slice = 1; slice < slices && !odd.isStopped(); slice += 2)
            odd.put(makeSlice(slice, servers, thinClients));
    });
    bool written = true;
    for (qsizetype slice = 0; slice < slices && written; ++slice)
        written = writeAll(device, slice % 2 == 0 ? makeSlice(slice, servers, thinClients) : odd.take());
    odd.stop();
    helper.join();
    return written;
}

void parse(const QByteArray& content, QList<Server*>& servers, QList<ThinClient*>& thinClients)
{
    Parser parser(servers, thinClients);
    forEachLine(content, [&parser](QStringView line) { parser.parseLine(line); });
}

ReadStatus read(const QString& path, QList<Server*>& servers, QList<ThinClient*>& thinClients)
{
    // A fleet of 20,000 devices makes about 3.5 MB; anything far larger is not a zev.conf.
    constexpr qint64 kLargestConfig = 256 * 1024 * 1024;
    const QFileInfo file(path);
    QByteArray content;
    switch (readFile(file.absolutePath(), file.fileName(), kLargestConfig, content)) {
    case ReadResult::Missing:
        return ReadStatus::Missing;
    case ReadResult::Refused:
        return ReadStatus::Unreadable;
    case ReadResult::Read:
        break;
    }
    parse(content, servers, thinClients);
    return ReadStatus::Read;
}

} // namespace ConfigFile
