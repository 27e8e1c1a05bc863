#pragma once

#include <QString>

// Where a connection check goes, from a server's "[protocol://]host[:port]":
// the port written there, or else the usual port of the server's protocol.
// A bracketed IPv6 address may carry a port; a bare one cannot. A user named
// before the host ("user@host") is passed over; for VNC and X11 a number
// below 100 after the host is a display ("host:1" is port 5901).
struct ServerAddress {
    QString host;
    quint16 port = 0;
    bool valid = false; // false for an empty host or a port that is no port
    QString problem;    // what is wrong with it, when not valid
    QString written;    // as the server holds it

    // "host:port", or what was written when that gives no address.
    QString text() const;
};

ServerAddress serverAddress(const QString& hostnamePort, const QString& connectionType);
