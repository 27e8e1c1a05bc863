#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// A zev.conf's records as the merge and the comparisons see them: each
// record's values as text, in the order of its fields, matched across files
// by a key (a server's id, a device's serial number, in any letter case).
namespace ConfigRecords {

enum class Kind { Server, Device };

struct Record {
    QString key;
    QStringList values; // a server's in the field table's order; a device's description and serial number
    QStringList serverIds;
    int occurrence = 1; // 2 and on: its id or serial number was met before in the same file

    bool operator==(const Record& other) const { return values == other.values && serverIds == other.serverIds; }
};

// One file's records of one kind, in file order, found by key.
struct Records {
    QList<Record> list;
    QHash<QString, qsizetype> at;

    // A key met again (a hand-edited file may repeat an id) is numbered, so that
    // each record is matched with the one in the same place in another file.
    void add(Record record);
    const Record* find(const QString& key) const;
    Record* find(const QString& key);

private:
    QHash<QString, int> seen; // how often each plain key was met
};

struct Side {
    Records servers;
    Records devices;
};

Side readRecords(const QByteArray& text);
// The names of a kind's values, as zev.conf's keys.
QStringList fieldNames(Kind kind);
// The ids of a device's servers as they are compared, letter case aside.
QSet<QString> serverIdKeys(const QStringList& ids);
// How a record is named: in the user's language, or in English whatever the
// language (zevctl show, whose lines git compares).
enum class Wording { Translated, English };
// "Server “Name” (id)" or "Thinclient “SERIAL”", and " (repeated)" after a repeat of a key.
QString recordName(Kind kind, const Record& record, Wording wording = Wording::Translated);

} // namespace ConfigRecords
