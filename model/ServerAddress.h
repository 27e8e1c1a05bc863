#pragma once

#include <QString>

// Where a connection check goes, from a server's "[protocol://]host[:port]":
// the port written there, or else the usual port of the server's protocol.
// A bracketed IPv6 address may carry a port; a bare one cannot.
struct ServerAddress {
    QString host;
    quint16 port = 0;
    bool valid = false; // false for an empty host or a port that is no port
    QString written;    // as the server holds it

    // "host:port", or what was written when that gives no address.
    QString text() const;
};

ServerAddress serverAddress(const QString& hostnamePort, const QString& connectionType);
