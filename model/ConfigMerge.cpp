#include "model/ConfigMerge.h"

#include "model/ConfigFile.h"
#include "model/ConfigRecords.h"
#include "model/Lookup.h"
#include "model/ServerFields.h"
#include "model/ThinClient.h"

#include <QHash>
#include <QSet>

#include <memory>

namespace {

using namespace ConfigRecords;

const QString kNone = QStringLiteral("(none)");

// What merges as one: a field, or a label's place (x and y) and its size
// (width and height), so that a label never lands where neither side put it.
struct Unit {
    QString name;
    QList<qsizetype> fields;
};

QList<Unit> mergeUnits(Kind kind)
{
    if (kind == Kind::Device)
        return {{QStringLiteral("desc"), {0}}, {QStringLiteral("serial_number"), {1}}};
    QList<Unit> units;
    const auto& fields = serverFields();
    const QStringList names = fieldNames(kind);
    for (qsizetype i = 0; i < qsizetype(fields.size()); ++i) {
        const QString& name = names[i];
        if (fields[i].number == &Server::ypos || fields[i].number == &Server::height) {
            units.last().name += QStringLiteral(", ") + name; // joins the x or the width before it
            units.last().fields << i;
        } else {
            units << Unit{name, {i}};
        }
    }
    return units;
}

QString valuesOf(const Record& record, const Unit& unit)
{
    QStringList values;
    for (qsizetype i : unit.fields)
        values << record.values[i];
    return values.join(QStringLiteral(", "));
}

// Each side's additions and removals applied, in mine's order, then theirs' additions in theirs' order.
QStringList mergedSet(const QStringList& base, const QStringList& mine, const QStringList& theirs)
{
    const QSet<QString> inBase = serverIdKeys(base);
    const QSet<QString> inTheirs = serverIdKeys(theirs);
    QSet<QString> inMerged;
    QStringList merged;
    for (const QString& id : mine) {
        const QString key = caseInsensitiveKey(id);
        if ((!inBase.contains(key) || inTheirs.contains(key)) && !inMerged.contains(key)) {
            merged << id;
            inMerged.insert(key);
        }
    }
    const QSet<QString> inMine = serverIdKeys(mine);
    for (const QString& id : theirs) {
        const QString key = caseInsensitiveKey(id);
        if (!inBase.contains(key) && !inMine.contains(key) && !inMerged.contains(key)) {
            merged << id;
            inMerged.insert(key);
        }
    }
    return merged;
}

class Merger {
public:
    explicit Merger(const QList<bool>& takeTheirs) : takeTheirs(takeTheirs) {}

    // The records of one kind, merged: mine's order, then what only theirs has.
    QList<Record> merge(Kind kind, const Records& base, const Records& mine, const Records& theirs, int& taken)
    {
        const QList<Unit> units = mergeUnits(kind);
        QList<Record> merged;
        for (const Record& m : mine.list) {
            const Record* b = base.find(m.key);
            const Record* t = theirs.find(m.key);
            bool tookTheirs = false;
            if (t) {
                merged << mergeFields(kind, units, b, m, *t, tookTheirs);
            } else if (!b) {
                merged << m; // new in mine
            } else if (m == *b) {
                tookTheirs = true; // deleted in theirs
            } else if (settle({recordName(kind, m), QStringLiteral("record"), QStringLiteral("present"),
                               QStringLiteral("changed"), QStringLiteral("deleted")})) {
                tookTheirs = true;
            } else {
                merged << m;
            }
            taken += tookTheirs ? 1 : 0;
        }
        for (const Record& t : theirs.list) {
            if (mine.find(t.key))
                continue;
            const Record* b = base.find(t.key);
            if (b && t == *b)
                continue; // deleted in mine
            if (!b || settle({recordName(kind, t), QStringLiteral("record"), QStringLiteral("present"),
                              QStringLiteral("deleted"), QStringLiteral("changed")})) {
                merged << t;
                ++taken;
            }
        }
        return merged;
    }

    QList<MergeConflict> conflicts;

private:
    Record mergeFields(Kind kind, const QList<Unit>& units, const Record* b, const Record& m, const Record& t,
                       bool& tookTheirs)
    {
        // Most records are as they were on one side at least: whole, not field by field.
        if (m == t || (b && *b == t))
            return m;
        if (b && *b == m) {
            tookTheirs = true;
            return t;
        }
        Record out = m;
        for (const Unit& unit : units) {
            const QString mv = valuesOf(m, unit);
            const QString tv = valuesOf(t, unit);
            const QString bv = b ? valuesOf(*b, unit) : kNone;
            if (mv == tv || (b && bv == tv))
                continue;
            if ((b && bv == mv) || settle({recordName(kind, m), unit.name, bv, mv, tv})) {
                for (qsizetype i : unit.fields)
                    out.values[i] = t.values[i];
                tookTheirs = true;
            }
        }
        if (m.serverIds != t.serverIds && !(b && b->serverIds == t.serverIds)) {
            out.serverIds = mergedSet(b ? b->serverIds : QStringList(), m.serverIds, t.serverIds);
            tookTheirs = tookTheirs || out.serverIds != m.serverIds;
        }
        return out;
    }

    // Lists the conflict; true when it is settled for theirs.
    bool settle(MergeConflict conflict)
    {
        const bool theirs = conflicts.size() < takeTheirs.size() && takeTheirs[conflicts.size()];
        conflicts << std::move(conflict);
        return theirs;
    }

    const QList<bool>& takeTheirs;
};

QByteArray written(const QList<Record>& servers, const QList<Record>& devices)
{
    QList<Server*> serverRecords;
    for (const Record& record : servers) {
        auto* server = new Server;
        for (qsizetype i = 0; i < record.values.size(); ++i)
            serverFields()[size_t(i)].assign(*server, record.values[i]);
        serverRecords << server;
    }
    QList<ThinClient*> deviceRecords;
    for (const Record& record : devices) {
        auto* device = new ThinClient(record.values[0], record.values[1]);
        device->server_ids = record.serverIds;
        deviceRecords << device;
    }
    const QByteArray text = ConfigFile::serialize(serverRecords, deviceRecords);
    qDeleteAll(serverRecords);
    qDeleteAll(deviceRecords);
    return text;
}

} // namespace

MergeResult mergeConfigurations(const QByteArray& base, const QByteArray& mine, const QByteArray& theirs,
                                const QList<bool>& takeTheirs)
{
    const Side baseSide = readRecords(base);
    const Side mineSide = readRecords(mine);
    const Side theirSide = readRecords(theirs);
    Merger merger(takeTheirs);
    MergeResult result;
    const QList<Record> servers =
        merger.merge(Kind::Server, baseSide.servers, mineSide.servers, theirSide.servers, result.serversTaken);
    const QList<Record> devices =
        merger.merge(Kind::Device, baseSide.devices, mineSide.devices, theirSide.devices, result.devicesTaken);
    result.text = written(servers, devices);
    result.conflicts = std::move(merger.conflicts);
    return result;
}
