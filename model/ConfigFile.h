#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class Server;
class ThinClient;

// zev.conf: a comment header, a [SERVER] block per server, then a
// [THINCLIENT] block per device.
namespace ConfigFile {

// A fleet of 20,000 devices makes about 3.5 MB; anything far larger is not a zev.conf.
constexpr qint64 kLargestConfig = 256 * 1024 * 1024;

QByteArray serialize(const QList<Server*>& servers, const QList<ThinClient*>& thinClients);

// One record's block as serialize writes it.
QString serverBlock(const Server& server);
QString thinClientBlock(const ThinClient& client);

// The first line (counted from 1) that is a merge conflict marker ("<<<<<<<",
// "=======", ">>>>>>>", as git and zevctl merge write them), or 0: a file
// holding one is two versions at once, not a configuration.
qsizetype conflictMarkerLine(const QByteArray& content);

// Appends the records found in content to the two lists. Never fails: lines it
// does not understand are passed over.
void parse(const QByteArray& content, QList<Server*>& servers, QList<ThinClient*>& thinClients);

} // namespace ConfigFile
