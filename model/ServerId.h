#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

class Server;

// Month, day, year, hour, minute, second and millisecond of moment, as
// decimal numerals run together without padding.
QString makeServerId(const QDateTime& moment);

// The id of moment, or of the first later millisecond whose id no server in
// servers holds yet: unpadded numerals can make two moments read alike, and
// two servers can be made within one millisecond.
QString makeServerId(const QList<Server*>& servers, const QDateTime& moment = QDateTime::currentDateTime());
