#pragma once

#include <QList>
#include <QString>

class Server;
class ThinClient;

// First match in list order, letter case ignored; nullptr when there is none.
Server* findServerById(const QList<Server*>& servers, const QString& id);
ThinClient* findThinClientBySerial(const QList<ThinClient*>& thinClients, const QString& serial);
