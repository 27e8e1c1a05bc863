#pragma once

#include <QList>
#include <QSize>
#include <QStringList>

class Server;
class ThinClient;

// What is wrong in a configuration, as a zev.conf edited by hand may have it:
// one line per problem, servers first, in the records' order, then the device
// files among filesInFolder that no device has (a device may still read one).
// Labels are checked against the picture only when its size is given.
// Nothing is changed.
QStringList configurationProblems(const QList<Server*>& servers, const QList<ThinClient*>& thinClients,
                                  const QSize& picture, const QStringList& filesInFolder = {});
