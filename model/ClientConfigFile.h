#pragma once

#include "model/DiskStamp.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

class BatchSave;
class Server;
class ThinClient;

// The file each device reads: the settings of every server assigned to it.
namespace ClientConfigFile {

// "<SERIAL>.conf", or an empty text when the serial number cannot safely name
// a file inside the working directory (empty, or holding a path separator).
QString fileName(const QString& serialNumber);
bool isUsableSerial(QStringView serialNumber);

QByteArray serialize(const ThinClient& client, const QList<Server*>& servers);

// Asked with the full path of a file that could not be written and why (an
// errno value or a FileRefusal); true goes on with the next device, false stops.
using ContinueQuestion = std::function<bool(const QString& path, int error)>;

// Told after each device file is written, with how many are and how many
// there are in all; false cancels: nothing is put in place.
using Progress = std::function<bool(int written, int total)>;

// A device file as the program last wrote it or found it right: its stamp,
// and what it is made of (the digests of its header and of the assigned
// servers' blocks, in order: the same making is the same bytes).
struct KnownFile {
    FileStamp stamp;
    QByteArray madeOf;
};
using KnownFiles = QHash<QString, KnownFile>;

// Stages one file per device in batch (folder is the batch's), to be committed
// after zev.conf. After a stop, the devices before it are staged and the rest
// are not. With known files, a file whose stamp and making are unchanged is
// left alone: neither read nor written, it keeps its bytes, inode and times.
struct Staging {
    bool allStaged = true;
    bool stopped = false;
    bool cancelled = false; // by progress
    int staged = 0;         // device files
    int unchanged = 0;      // left alone
    // Each file staged when known files were given: its making, and its stamp as written.
    struct Written {
        QString name;
        QByteArray madeOf;
        FileStamp stamp;
    };
    QList<Written> written;
};
Staging stageAll(BatchSave& batch, int folder, const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
                 const ContinueQuestion& continueAfterFailure, const Progress& progress = {},
                 const KnownFiles* known = nullptr);
// After a commit: the staged files now in place, each while it still is the
// file written (its rename moved only its change time); any other is forgotten.
void remember(int folder, const Staging& staging, KnownFiles& known);
// A device file that does not hold what zev.conf gives it (a save killed
// while putting files in place, or after zev.conf): its name, and whether it
// is missing or differs.
struct FileBehind {
    QString name;
    bool missing;
};
// Reads back every device's file in folder; the devices read them as they are.
// The files found right are known from then on.
QList<FileBehind> filesBehind(int folder, const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
                              KnownFiles* known = nullptr);
// Stages and commits them: true when every device got its file.
bool writeAll(BatchSave& batch, const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
              const ContinueQuestion& continueAfterFailure);

} // namespace ClientConfigFile
