#include "model/ConfigCompare.h"

#include "model/ConfigRecords.h"
#include "model/Lookup.h"

#include <QSet>

#include <algorithm>

namespace {

using namespace ConfigRecords;

struct KindOf {
    Kind kind;
    const char* word; // as describe() names the record
};
const KindOf kKinds[] = {{Kind::Server, "server"}, {Kind::Device, "device"}};

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

// The servers a device gained and lost, letter case aside.
QString serverChanges(const QStringList& older, const QStringList& newer)
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
        parts << QStringLiteral("servers added ") + added.join(QStringLiteral(", "));
    if (!removed.isEmpty())
        parts << QStringLiteral("servers removed ") + removed.join(QStringLiteral(", "));
    const auto inOrder = [](const QStringList& ids) {
        QStringList keys;
        for (const QString& id : ids)
            keys << caseInsensitiveKey(id);
        return keys;
    };
    if (parts.isEmpty() && inOrder(older) != inOrder(newer))
        parts << QStringLiteral("servers reordered");
    return parts.join(QStringLiteral("; "));
}

} // namespace

namespace ConfigCompare {

QStringList describe(const QByteArray& text)
{
    const Side side = readRecords(text);
    QStringList lines;
    for (const KindOf& kind : kKinds) {
        const Records& records = recordsOf(side, kind.kind);
        const QStringList names = fieldNames(kind.kind);
        for (const QString& key : sortedKeys(records)) {
            const Record& record = *records.find(key);
            const QString head = QStringLiteral("%1 %2: ").arg(QLatin1String(kind.word),
                                                               record.values[kind.kind == Kind::Server ? 0 : 1]);
            for (qsizetype i = 0; i < names.size(); ++i)
                lines << head + names[i] + QStringLiteral(" = ") + record.values[i];
            if (kind.kind == Kind::Device)
                lines << head + QStringLiteral("servers = ") + record.serverIds.join(QStringLiteral(", "));
        }
    }
    return lines;
}

QStringList differences(const QByteArray& older, const QByteArray& newer)
{
    const Side before = readRecords(older);
    const Side after = readRecords(newer);
    QStringList lines;
    for (const KindOf& kind : kKinds) {
        const Records& was = recordsOf(before, kind.kind);
        const Records& is = recordsOf(after, kind.kind);
        const QStringList names = fieldNames(kind.kind);
        for (const QString& key : sortedKeys(was, is)) {
            const Record* old = was.find(key);
            const Record* now = is.find(key);
            if (!old || !now) {
                lines << recordName(kind.kind, old ? *old : *now) + (old ? QStringLiteral(" removed") : QStringLiteral(" added"));
                continue;
            }
            const QString name = recordName(kind.kind, *now) + QStringLiteral(": ");
            for (qsizetype i = 0; i < names.size(); ++i) {
                if (old->values[i] != now->values[i])
                    lines << name + names[i] + u' ' + quoted(old->values[i]) + QStringLiteral(" → ") + quoted(now->values[i]);
            }
            if (const QString servers = serverChanges(old->serverIds, now->serverIds); !servers.isEmpty())
                lines << name + servers;
        }
    }
    return lines;
}

} // namespace ConfigCompare
