#include "model/ServerId.h"

#include "model/Lookup.h"

QString makeServerId(const QDateTime& moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    QString id;
    for (int part : {date.month(), date.day(), date.year(), time.hour(), time.minute(), time.second(), time.msec()})
        id += QString::number(part);
    return id;
}

QString makeServerId(const QList<Server*>& servers, const QDateTime& moment)
{
    QDateTime candidate = moment;
    QString id = makeServerId(candidate);
    while (findServerById(servers, id)) {
        candidate = candidate.addMSecs(1);
        id = makeServerId(candidate);
    }
    return id;
}
