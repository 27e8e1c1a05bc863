#include "model/ConfigRecords.h"

#include "model/ConfigFile.h"
#include "model/Lookup.h"
#include "model/ServerFields.h"
#include "model/ThinClient.h"

#include <QCoreApplication>

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

QString recordName(Kind kind, const Record& record, Wording wording)
{
    const auto words = [wording](const char* text) {
        return wording == Wording::Translated ? QCoreApplication::translate("ConfigRecords", text)
                                              : QString::fromUtf8(text);
    };
    //: %1 is the serial number of a device
    static const char* const kDevice = QT_TRANSLATE_NOOP("ConfigRecords", "Thinclient “%1”");
    //: %1 is the name of a server, %2 its id
    static const char* const kServer = QT_TRANSLATE_NOOP("ConfigRecords", "Server “%1” (%2)");
    //: %1 names a record whose id or serial number the file holds more than once
    static const char* const kRepeated = QT_TRANSLATE_NOOP("ConfigRecords", "%1 (repeated)");
    const QString name = kind == Kind::Device ? words(kDevice).arg(record.values[1])
                                              : words(kServer).arg(record.values[1], record.values[0]);
    return record.occurrence > 1 ? words(kRepeated).arg(name) : name;
}

} // namespace ConfigRecords
