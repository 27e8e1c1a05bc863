#pragma once

#include "model/ConfigRecords.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Where two sides changed the same thing differently. It names its record by
// key and the fields it covers, and is settled by them, never by its place in a list.
struct MergeConflict {
    ConfigRecords::Kind kind = ConfigRecords::Kind::Server;
    QString key;    // the record's key: its id or serial number, letter case aside
    QString field;  // the fields that merge as one, as zev.conf names them ("display_name", "xpos, ypos");
                    // "record" for a record deleted on one side; "repeated" for a key theirs holds
                    // again (theirs: the record takes the values of the last repeat; it stays one record)
    QString record; // "Server “Name” (id)" or "Thinclient “SERIAL”"
    QString base;   // each as the side holds it; "(none)" where the record is not there
    QString mine;
    QString theirs;
    bool takeTheirs = false; // the choice: theirs, or mine as it is

    std::optional<ConfigRecords::Record> theirsRecord; // what taking theirs brings: none for a record deleted there
};

// One record's change that came from theirs, or a conflict settled, in words.
struct MergeChange {
    ConfigRecords::Kind kind;
    QString key;
    QString text; // "Thinclient “TC1003”: servers from theirs"
};

struct MergeResult {
    ConfigRecords::Side merged;     // every conflict kept as mine
    QList<MergeConflict> conflicts; // in the order of the records
    QList<MergeChange> taken;       // taken from theirs without a conflict

    // The merged zev.conf, each conflict settled as its choice says.
    QByteArray text() const;
    // The merged zev.conf with each conflict marked as git marks one, for a
    // person or a merge tool to settle: the differing field lines of both
    // sides between "<<<<<<< ours", "=======" and ">>>>>>> theirs" (whole
    // records where the conflict is about the record), everything else merged.
    QByteArray markedText(int markerSize = 7) const;
    // What came from theirs and how each conflict was settled.
    QList<MergeChange> changes() const;
    // How many records of a kind took anything from theirs.
    int recordsTaken(ConfigRecords::Kind kind) const;
};

// A three-way merge of zev.conf texts: base is what was last read or written,
// mine the window's records, theirs the file as another program left it.
// Servers are matched by id and devices by serial number, in any letter case.
// Field group by field group, a change on one side is taken and the same change
// on both sides taken once; a device's servers merge as a set. A record deleted
// on one side and unchanged on the other goes; new records on either side
// stay, except a key that theirs holds more than once, which is a conflict.
// Linear in the size of the files.
MergeResult mergeConfigurations(const QByteArray& base, const QByteArray& mine, const QByteArray& theirs);
