#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Where two sides changed the same thing differently.
struct MergeConflict {
    QString record; // "Server “Name” (id)" or "Thinclient “SERIAL”"
    QString field;  // a key of zev.conf, without its "="; "record" for a record deleted on one side
    QString base;   // each as the side holds it; "(none)" where the record is not there
    QString mine;
    QString theirs;
};

struct MergeResult {
    QByteArray text; // the merged zev.conf, each conflict settled as chosen
    QList<MergeConflict> conflicts;
    int serversTaken = 0; // records that took something from theirs
    int devicesTaken = 0;
};

// A three-way merge of zev.conf texts: base is what was last read or written,
// mine the window's records, theirs the file as another program left it.
// Servers are matched by id and devices by serial number, in any letter case.
// Field by field, a change on one side is taken and the same change on both
// sides taken once; a device's servers merge as a set. A record deleted on one
// side and unchanged on the other goes; new records on either side stay.
// takeTheirs settles conflicts in the order they are listed (true: theirs);
// any conflict it does not reach keeps mine.
MergeResult mergeConfigurations(const QByteArray& base, const QByteArray& mine, const QByteArray& theirs,
                                const QList<bool>& takeTheirs = {});
