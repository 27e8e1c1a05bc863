#include "model/ConfigCompare.h"

#include "model/ConfigRecords.h"
#include "model/Lookup.h"
#include "model/Translations.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace {

using namespace ConfigRecords;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConfigCompare)
};

const Kind kKinds[] = {Kind::Server, Kind::Device};

const Records& recordsOf(const Side& side, Kind kind)
{
    return kind == Kind::Server ? side.servers : side.devices;
}

// The keys of both files' records of a kind, sorted.
QStringList sortedKeys(const Records& one, const Records& other = {})
{
    QSet<QString> keys;
    for (const Record& record : one.list)
        keys.insert(record.key);
    for (const Record& record : other.list)
        keys.insert(record.key);
    QStringList sorted(keys.begin(), keys.end());
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

QString quoted(const QString& value)
{
    return u'“' + value + u'”';
}

// Servers by name, for people: "“Terminal farm”", with the id where two
// servers share the name, and the id alone for a server neither file holds.
class ServerNames {
public:
    explicit ServerNames(const QList<const Records*>& sides)
    {
        QHash<QString, int> uses;
        for (const Records* records : sides) {
            for (const Record& record : records->list) {
                if (!nameOf.contains(record.key)) {
                    nameOf.insert(record.key, record.values[1]);
                    ++uses[record.values[1]];
                }
            }
        }
        for (auto it = uses.cbegin(); it != uses.cend(); ++it) {
            if (it.value() > 1)
                shared.insert(it.key());
        }
    }

    QString operator()(const QString& id) const
    {
        const auto found = nameOf.constFind(caseInsensitiveKey(id));
        if (found == nameOf.cend())
            return id;
        return shared.contains(*found) ? quoted(*found) + QStringLiteral(" (") + id + u')' : quoted(*found);
    }

    QString list(const QStringList& ids) const
    {
        QStringList names;
        for (const QString& id : ids)
            names << (*this)(id);
        return names.join(QStringLiteral(", "));
    }

private:
    QHash<QString, QString> nameOf; // by id key
    QSet<QString> shared;
};

// The servers a device gained and lost, letter case aside.
QString serverChanges(const QStringList& older, const QStringList& newer, const ServerNames& names)
{
    const QSet<QString> before = serverIdKeys(older);
    const QSet<QString> after = serverIdKeys(newer);
    QStringList added;
    QStringList removed;
    for (const QString& id : newer)
        if (!before.contains(caseInsensitiveKey(id)))
            added << id;
    for (const QString& id : older)
        if (!after.contains(caseInsensitiveKey(id)))
            removed << id;
    QStringList parts;
    if (!added.isEmpty())
        //: %1 lists the servers by name
        parts << Text::tr("servers added %1").arg(names.list(added));
    if (!removed.isEmpty())
        //: %1 lists the servers by name
        parts << Text::tr("servers removed %1").arg(names.list(removed));
    const auto inOrder = [](const QStringList& ids) {
        QStringList keys;
        for (const QString& id : ids)
            keys << caseInsensitiveKey(id);
        return keys;
    };
    if (parts.isEmpty() && inOrder(older) != inOrder(newer))
        parts << Text::tr("servers reordered");
    return Translations::joinedParts(parts);
}

} // namespace

namespace ConfigCompare {

QStringList describe(const QByteArray& text)
{
    const Side side = readRecords(text);
    const ServerNames serverNames({&side.servers});
    QStringList lines;
    for (const Kind kind : kKinds) {
        const Records& records = recordsOf(side, kind);
        const QStringList names = fieldNames(kind);
        for (const QString& key : sortedKeys(records)) {
            const Record& record = *records.find(key);
            // Never translated: git compares these lines, whoever runs it.
            const QString head = recordName(kind, record, Wording::English) + QStringLiteral(": ");
            for (qsizetype i = 0; i < names.size(); ++i)
                lines << head + names[i] + QStringLiteral(" = ") + record.values[i];
            if (kind == Kind::Device)
                lines << head + QStringLiteral("servers = ") + serverNames.list(record.serverIds);
        }
    }
    return lines;
}

QStringList differences(const QByteArray& older, const QByteArray& newer)
{
    const Side before = readRecords(older);
    const Side after = readRecords(newer);
    const ServerNames serverNames({&after.servers, &before.servers});
    QStringList lines;
    for (const Kind kind : kKinds) {
        const Records& was = recordsOf(before, kind);
        const Records& is = recordsOf(after, kind);
        const QStringList names = fieldNames(kind);
        for (const QString& key : sortedKeys(was, is)) {
            const Record* old = was.find(key);
            const Record* now = is.find(key);
            if (!old || !now) {
                //: %1 names a server or a thinclient
                lines << (old ? Text::tr("%1 removed").arg(recordName(kind, *old))
                              : Text::tr("%1 added").arg(recordName(kind, *now)));
                continue;
            }
            const QString name = recordName(kind, *now);
            for (qsizetype i = 0; i < names.size(); ++i) {
                if (old->values[i] != now->values[i])
                    //: %1 names a server or a thinclient, %2 is a key of zev.conf, %3 its old value, %4 its new one
                    lines << Text::tr("%1: %2 “%3” → “%4”").arg(name, names[i], old->values[i], now->values[i]);
            }
            if (const QString servers = serverChanges(old->serverIds, now->serverIds, serverNames); !servers.isEmpty())
                //: %1 names a thinclient, %2 says how its servers changed
                lines << Text::tr("%1: %2").arg(name, servers);
        }
    }
    return lines;
}

} // namespace ConfigCompare
