#include "model/ConfigRecords.h"

#include "model/ConfigFile.h"
#include "model/Lookup.h"
#include "model/ServerFields.h"
#include "model/ThinClient.h"

namespace ConfigRecords {

void Records::add(Record record)
{
    // No key holds a line break, so a numbered one never meets a plain one.
    record.occurrence = ++seen[record.key];
    if (record.occurrence > 1)
        record.key += u'\n' + QString::number(record.occurrence);
    at.insert(record.key, list.size());
    list.append(std::move(record));
}

const Record* Records::find(const QString& key) const
{
    const auto found = at.constFind(key);
    return found == at.constEnd() ? nullptr : &list[*found];
}

Record* Records::find(const QString& key)
{
    const auto found = at.constFind(key);
    return found == at.constEnd() ? nullptr : &list[*found];
}

Side readRecords(const QByteArray& text)
{
    QList<Server*> servers;
    QList<ThinClient*> devices;
    ConfigFile::parse(text, servers, devices);
    Side side;
    for (const Server* server : std::as_const(servers)) {
        Record record{caseInsensitiveKey(server->server_id), {}, {}};
        for (const ServerField& field : serverFields())
            record.values << field.valueOf(*server);
        side.servers.add(std::move(record));
    }
    for (const ThinClient* device : std::as_const(devices))
        side.devices.add({serialKey(device->serial_number), {device->desc, device->serial_number}, device->server_ids});
    qDeleteAll(servers);
    qDeleteAll(devices);
    return side;
}

QStringList fieldNames(Kind kind)
{
    if (kind == Kind::Device)
        return {QStringLiteral("desc"), QStringLiteral("serial_number")};
    QStringList names;
    for (const ServerField& field : serverFields())
        names << QString(field.key).chopped(1);
    return names;
}

QSet<QString> serverIdKeys(const QStringList& ids)
{
    QSet<QString> keys;
    for (const QString& id : ids)
        keys.insert(caseInsensitiveKey(id));
    return keys;
}

QString recordName(Kind kind, const Record& record)
{
    const QString name = kind == Kind::Device ? QStringLiteral("Thinclient “%1”").arg(record.values[1])
                                              : QStringLiteral("Server “%1” (%2)").arg(record.values[1], record.values[0]);
    return record.occurrence > 1 ? name + QStringLiteral(" (repeated)") : name;
}

} // namespace ConfigRecords
