#include "model/ConfigMerge.h"

#include "model/ConfigFile.h"
#include "model/Lookup.h"
#include "model/Server.h"
#include "model/ServerFields.h"
#include "model/ThinClient.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <memory>

namespace {

using namespace ConfigRecords;

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConfigMerge)
};

// A conflict's field names (zev.conf's keys, "record", "repeated") are
// compared by the code: never translated. Its values' words are shown.
QString none()
{
    //: the value of a side of a merge conflict that does not hold the record, or the field
    return Text::tr("(none)");
}

const QString kWholeRecord = QStringLiteral("record");
const QString kRepeated = QStringLiteral("repeated");
const QString kServersGroup = QStringLiteral("servers");

// What merges as one: a field, or the fields the field table joins to it.
struct Group {
    QString name;
    QList<qsizetype> fields;
};

QList<Group> mergeGroups(Kind kind)
{
    if (kind == Kind::Device)
        return {{QStringLiteral("desc"), {0}}, {QStringLiteral("serial_number"), {1}}};
    QList<Group> groups;
    const auto& fields = serverFields();
    const QStringList names = fieldNames(kind);
    for (qsizetype i = 0; i < qsizetype(fields.size()); ++i) {
        if (fields[size_t(i)].mergesWithPrevious && !groups.isEmpty()) {
            groups.last().name += QStringLiteral(", ") + names[i];
            groups.last().fields << i;
        } else {
            groups << Group{names[i], {i}};
        }
    }
    return groups;
}

const Group* groupNamed(Kind kind, const QString& name)
{
    static const QList<Group> serverGroups = mergeGroups(Kind::Server);
    static const QList<Group> deviceGroups = mergeGroups(Kind::Device);
    for (const Group& group : kind == Kind::Server ? serverGroups : deviceGroups) {
        if (group.name == name)
            return &group;
    }
    return nullptr;
}

QString valuesOf(const Record& record, const Group& group)
{
    QStringList values;
    for (qsizetype i : group.fields)
        values << record.values[i];
    return values.join(QStringLiteral(", "));
}

QString plainKey(const QString& key)
{
    return key.section(u'\n', 0, 0);
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

// A key theirs holds again: its conflict, and how many repeats it has seen.
struct Repeats {
    qsizetype conflict;
    int count;
};

class Merger {
public:
    explicit Merger(MergeResult& result) : result(result) {}

    // The records of one kind, merged: mine's order, then what only theirs has.
    void merge(Kind kind, const Records& base, const Records& mine, const Records& theirs, Records& merged)
    {
        const QList<Group> groups = mergeGroups(kind);
        for (const Record& m : mine.list) {
            const Record* b = base.find(m.key);
            const Record* t = theirs.find(m.key);
            if (t)
                merged.add(mergeFields(kind, groups, b, m, *t));
            else if (!b)
                merged.add(m); // new in mine
            else if (m == *b)
                //: %1 names a server or a thinclient
                took(kind, m, Text::tr("%1: deleted as in theirs").arg(recordName(kind, m)));
            else {
                //: the state of a record on each side of a merge conflict: before, ours, theirs
                conflict(kind, m, kWholeRecord, Text::tr("present"), Text::tr("changed"), Text::tr("deleted"),
                         std::nullopt);
                merged.add(m);
            }
        }
        QHash<QString, Repeats> repeatConflicts; // by the plain key
        for (const Record& t : theirs.list) {
            if (mine.find(t.key))
                continue;
            const Record* b = base.find(t.key);
            if (b && t == *b)
                continue; // deleted in mine
            if (b) {
                conflict(kind, t, kWholeRecord, Text::tr("present"), Text::tr("deleted"), Text::tr("changed"), t);
            } else if (t.occurrence > 1) {
                repeated(kind, t, mine, theirs, repeatConflicts);
            } else {
                merged.add(t);
                //: %1 names a server or a thinclient
                took(kind, t, Text::tr("%1: added from theirs").arg(recordName(kind, t)));
            }
        }
    }

private:
    Record mergeFields(Kind kind, const QList<Group>& groups, const Record* b, const Record& m, const Record& t)
    {
        // Most records are as they were on one side at least: whole, not field by field.
        if (m == t || (b && *b == t))
            return m;
        QStringList fromTheirs;
        Record out = m;
        const bool mineUnchanged = b && *b == m;
        for (const Group& group : groups) {
            const QString mv = valuesOf(m, group);
            const QString tv = valuesOf(t, group);
            const QString bv = b ? valuesOf(*b, group) : none();
            if (mv == tv || (b && bv == tv))
                continue;
            if (mineUnchanged || (b && bv == mv)) {
                for (qsizetype i : group.fields)
                    out.values[i] = t.values[i];
                fromTheirs << group.name;
            } else {
                conflict(kind, m, group.name, bv, mv, tv, t);
            }
        }
        if (m.serverIds != t.serverIds && !(b && b->serverIds == t.serverIds)) {
            out.serverIds = mineUnchanged ? t.serverIds : mergedSet(b ? b->serverIds : QStringList(), m.serverIds, t.serverIds);
            if (out.serverIds != m.serverIds)
                fromTheirs << kServersGroup;
        }
        if (!fromTheirs.isEmpty())
            //: %1 names a server or a thinclient, %2 lists keys of zev.conf
            took(kind, out,
                 Text::tr("%1: %2 from theirs").arg(recordName(kind, out), fromTheirs.join(QStringLiteral(", "))));
        return out;
    }

    // All of theirs' repeats of one key are one conflict, and the key stays one
    // record: mine keeps it as merged, theirs takes the values of its last repeat.
    void repeated(Kind kind, const Record& t, const Records& mine, const Records& theirs,
                  QHash<QString, Repeats>& repeatConflicts)
    {
        const QString key = plainKey(t.key);
        auto found = repeatConflicts.find(key);
        if (found == repeatConflicts.end()) {
            const Record* own = mine.find(key);
            const Record* first = theirs.find(key); // always there: t repeats it
            //: how often the record is on this side of a merge conflict
            conflict(kind, own ? *own : *first, kRepeated, none(), own ? Text::tr("once") : none(), QString(),
                     std::nullopt);
            result.conflicts.last().key = key;
            found = repeatConflicts.insert(key, {result.conflicts.size() - 1, 0});
        }
        MergeConflict& repeats = result.conflicts[found->conflict];
        repeats.theirsRecord = t;
        const int count = ++found->count;
        //: how often theirs holds the record again
        repeats.theirs = Text::tr("%Ln more times", nullptr, count);
    }

    void conflict(Kind kind, const Record& record, const QString& field, const QString& base, const QString& mine,
                  const QString& theirs, const std::optional<Record>& theirsRecord)
    {
        result.conflicts << MergeConflict{kind,  record.key, field,          recordName(kind, record), base,
                                          mine,  theirs,     /*takeTheirs*/ false, theirsRecord};
    }

    // text names the record, then says what came from theirs.
    void took(Kind kind, const Record& record, const QString& text)
    {
        result.taken << MergeChange{kind, record.key, text};
    }

    MergeResult& result;
};

Server* serverFrom(const Record& record)
{
    auto* server = new Server;
    for (qsizetype i = 0; i < record.values.size(); ++i)
        serverFields()[size_t(i)].assign(*server, record.values[i]);
    return server;
}

ThinClient* deviceFrom(const Record& record)
{
    auto* device = new ThinClient(record.values[0], record.values[1]);
    device->server_ids = record.serverIds;
    return device;
}

// A record's block as zev.conf holds it: its kind's header line, then a line per value.
QString blockOf(Kind kind, const Record& record)
{
    if (kind == Kind::Server) {
        const std::unique_ptr<Server> server(serverFrom(record));
        return ConfigFile::serverBlock(*server);
    }
    const std::unique_ptr<ThinClient> device(deviceFrom(record));
    return ConfigFile::thinClientBlock(*device);
}

QByteArray written(const QList<Record>& servers, const QList<Record>& devices, const QSet<QString>& leftOut)
{
    QList<Server*> serverRecords;
    for (const Record& record : servers) {
        if (!leftOut.contains(u's' + record.key))
            serverRecords << serverFrom(record);
    }
    QList<ThinClient*> deviceRecords;
    for (const Record& record : devices) {
        if (!leftOut.contains(u'd' + record.key))
            deviceRecords << deviceFrom(record);
    }
    const QByteArray text = ConfigFile::serialize(serverRecords, deviceRecords);
    qDeleteAll(serverRecords);
    qDeleteAll(deviceRecords);
    return text;
}

// The record of key takes record's values; added when there is none.
void takeValues(Records& records, const QString& key, Record record)
{
    if (Record* existing = records.find(key)) {
        existing->values = record.values;
        existing->serverIds = record.serverIds;
        return;
    }
    record.key = key;
    records.add(record);
}

QChar kindLetter(Kind kind)
{
    return kind == Kind::Server ? u's' : u'd';
}

} // namespace

QByteArray MergeResult::text() const
{
    Side settled = merged;
    QSet<QString> leftOut; // a kind's letter, then the key
    for (const MergeConflict& conflict : conflicts) {
        if (!conflict.takeTheirs)
            continue;
        Records& records = conflict.kind == Kind::Server ? settled.servers : settled.devices;
        if (conflict.field == kWholeRecord && !conflict.theirsRecord) {
            leftOut.insert(kindLetter(conflict.kind) + conflict.key);
        } else if (conflict.field == kWholeRecord) {
            records.add(*conflict.theirsRecord);
        } else if (conflict.field == kRepeated) {
            takeValues(records, conflict.key, *conflict.theirsRecord);
        } else if (Record* record = records.find(conflict.key)) {
            if (const Group* group = groupNamed(conflict.kind, conflict.field)) {
                for (qsizetype i : group->fields)
                    record->values[i] = conflict.theirsRecord->values[i];
            }
        }
    }
    return written(settled.servers.list, settled.devices.list, leftOut);
}

namespace {

// Conflict markers as git writes them, markerSize characters long.
class Markers {
public:
    explicit Markers(int markerSize)
        : ours(QString(markerSize, u'<') + QStringLiteral(" ours\n")), middle(QString(markerSize, u'=') + u'\n'),
          theirs(QString(markerSize, u'>') + QStringLiteral(" theirs\n"))
    {
    }
    QString around(const QString& mine, const QString& their) const { return ours + mine + middle + their + theirs; }

private:
    QString ours;
    QString middle;
    QString theirs;
};

// A record's block with each conflicting field group marked: the lines of
// both sides between markers, in the group's place. The lines of a group
// follow one another, each value on the line after the header line.
QString markedFields(Kind kind, const Record& mine, const QList<const MergeConflict*>& fieldConflicts, const Markers& markers)
{
    const QStringList mineLines = blockOf(kind, mine).split(u'\n');
    const QStringList theirLines = blockOf(kind, *fieldConflicts.first()->theirsRecord).split(u'\n');
    QHash<qsizetype, const Group*> groupStarting; // line -> the conflicting group whose first line it is
    QSet<qsizetype> inGroup;
    for (const MergeConflict* conflict : fieldConflicts) {
        if (const Group* group = groupNamed(kind, conflict->field)) {
            groupStarting.insert(1 + group->fields.first(), group);
            for (qsizetype field : group->fields)
                inGroup.insert(1 + field);
        }
    }
    QString out;
    for (qsizetype line = 0; line + 1 < mineLines.size(); ++line) {
        if (const Group* group = groupStarting.value(line)) {
            QString mineSide;
            QString theirSide;
            for (qsizetype field : group->fields) {
                mineSide += mineLines[1 + field] + u'\n';
                theirSide += theirLines.value(1 + field) + u'\n';
            }
            out += markers.around(mineSide, theirSide);
        } else if (!inGroup.contains(line)) {
            out += mineLines[line] + u'\n';
        }
    }
    return out;
}

} // namespace

QByteArray MergeResult::markedText(int markerSize) const
{
    const Markers markers(markerSize);
    QHash<QString, QList<const MergeConflict*>> byRecord; // a kind's letter, then the key
    for (const MergeConflict& conflict : conflicts)
        byRecord[kindLetter(conflict.kind) + conflict.key] << &conflict;
    QString out = configFileHeader("zev.conf");
    for (const Kind kind : {Kind::Server, Kind::Device}) {
        const Records& records = kind == Kind::Server ? merged.servers : merged.devices;
        for (const Record& record : records.list) {
            const QList<const MergeConflict*> found = byRecord.value(kindLetter(kind) + record.key);
            const bool whole = std::any_of(found.begin(), found.end(), [](const MergeConflict* conflict) {
                return conflict->field == kWholeRecord || conflict->field == kRepeated;
            });
            if (found.isEmpty())
                out += blockOf(kind, record);
            else if (whole)
                out += markers.around(blockOf(kind, record),
                                      found.first()->theirsRecord ? blockOf(kind, *found.first()->theirsRecord) : QString());
            else
                out += markedFields(kind, record, found, markers);
        }
        // Deleted here and changed there: theirs alone holds the record.
        for (const MergeConflict& conflict : conflicts) {
            if (conflict.kind == kind && conflict.field == kWholeRecord && conflict.theirsRecord && !records.find(conflict.key))
                out += markers.around(QString(), blockOf(kind, *conflict.theirsRecord));
        }
    }
    return out.toUtf8();
}

QList<MergeChange> MergeResult::changes() const
{
    QList<MergeChange> all = taken;
    for (const MergeConflict& conflict : conflicts)
        //: %1 names a server or a thinclient, %2 the keys of zev.conf in conflict
        all << MergeChange{conflict.kind, conflict.key,
                           (conflict.takeTheirs ? Text::tr("%1: %2 settled for theirs")
                                                : Text::tr("%1: %2 settled for mine"))
                               .arg(conflict.record, conflict.field)};
    return all;
}

int MergeResult::recordsTaken(Kind kind) const
{
    QSet<QString> keys;
    for (const MergeChange& change : taken) {
        if (change.kind == kind)
            keys.insert(plainKey(change.key));
    }
    for (const MergeConflict& conflict : conflicts) {
        if (conflict.kind == kind && conflict.takeTheirs)
            keys.insert(plainKey(conflict.key));
    }
    return int(keys.size());
}

MergeResult mergeConfigurations(const QByteArray& base, const QByteArray& mine, const QByteArray& theirs)
{
    const Side baseSide = readRecords(base);
    const Side mineSide = readRecords(mine);
    const Side theirSide = readRecords(theirs);
    MergeResult result;
    Merger merger(result);
    merger.merge(Kind::Server, baseSide.servers, mineSide.servers, theirSide.servers, result.merged.servers);
    merger.merge(Kind::Device, baseSide.devices, mineSide.devices, theirSide.devices, result.merged.devices);
    return result;
}
