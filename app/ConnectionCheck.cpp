#include "app/ConnectionCheck.h"

ConnectionCheck::ConnectionCheck(const ServerAddress& address, QObject* parent) : QObject(parent)
{
    clock.start();
    if (!address.valid) {
        // After the caller has connected to finished().
        QTimer::singleShot(0, this, [this] { finish(false, QStringLiteral("no host and port to try")); });
        return;
    }
    connect(&socket, &QTcpSocket::connected, this, [this] { finish(true, QString()); });
    connect(&socket, &QTcpSocket::errorOccurred, this, [this] { finish(false, socket.errorString()); });
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, this, [this] { finish(false, QStringLiteral("no answer within 3 seconds")); });
    // Started from the event loop too: a socket may fail at once (a broadcast
    // address), and its answer must come after the caller listens for it.
    QTimer::singleShot(0, this, [this, address] {
        limit.start(kTimeLimitMs);
        socket.connectToHost(address.host, address.port);
    });
}

QString ConnectionCheck::resultText(bool answered, const QString& reason)
{
    return answered ? QStringLiteral("answers") : QStringLiteral("does not answer: ") + reason;
}

void ConnectionCheck::finish(bool answered, const QString& reason)
{
    if (done)
        return;
    done = true;
    limit.stop();
    socket.abort();
    emit finished(answered, reason, clock.elapsed());
}
