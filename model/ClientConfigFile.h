#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class QIODevice;
class SaveSession;
class Server;
class ThinClient;

// The file each device reads: the settings of every server assigned to it.
namespace ClientConfigFile {

// "<SERIAL>.conf", or an empty text when the serial number cannot safely name
// a file inside the working directory (empty, or holding a path separator).
QString fileName(const QString& serialNumber);
bool isUsableSerial(QStringView serialNumber);

QByteArray serialize(const ThinClient& client, const QList<Server*>& servers);

// Asked with the full path of a file that could not be written; true goes on
// with the next device, false stops.
using ContinueQuestion = std::function<bool(const QString& path)>;

// Writes one file per device into the session's folder. Returns false when any
// device did not get its file, whether the caller went on after the failure or not.
bool writeAll(const SaveSession& session, const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
              const ContinueQuestion& continueAfterFailure);

} // namespace ClientConfigFile
