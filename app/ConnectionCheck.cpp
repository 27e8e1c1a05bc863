#include "app/ConnectionCheck.h"

#include <QHostAddress>
#include <QHostInfo>

ConnectionCheck::ConnectionCheck(const ServerAddress& address, QObject* parent) : QObject(parent)
{
    clock.start();
    // Everything starts from the event loop: a check may end at once (an
    // address that is no address, a socket that fails on a broadcast address),
    // and its answer must come after the caller listens for it.
    if (!address.valid) {
        QTimer::singleShot(0, this, [this, problem = address.problem] {
            //: %1 what is wrong with the server's address
            finish(false, tr("cannot be checked: %1").arg(problem));
        });
        return;
    }
    connect(&socket, &QTcpSocket::connected, this, [this] { finish(true, tr("answers")); });
    connect(&socket, &QTcpSocket::errorOccurred, this, [this] { notAnswering(socket.errorString()); });
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, this, [this] { notAnswering(tr("no answer within 3 seconds")); });
    const QHostAddress literal(address.host);
    if (!literal.isNull()) {
        QTimer::singleShot(0, this, [this, literal, port = address.port] { connectTo(literal, port); });
        return;
    }
    // The name is looked up first, under the system's own time limit: the
    // three seconds are the connection's alone, however many checks wait for
    // the name service.
    QTimer::singleShot(0, this, [this, host = address.host, port = address.port] {
        QHostInfo::lookupHost(host, this, [this, port](const QHostInfo& found) {
            if (found.error() == QHostInfo::NoError && !found.addresses().isEmpty())
                connectTo(found.addresses().constFirst(), port);
            else
                notAnswering(found.error() == QHostInfo::UnknownError ? found.errorString()
                                                                       : tr("Host not found"));
        });
    });
}

void ConnectionCheck::connectTo(const QHostAddress& host, quint16 port)
{
    limit.start(kTimeLimitMs);
    socket.connectToHost(host, port);
}

void ConnectionCheck::notAnswering(const QString& reason)
{
    //: %1 why: the system's reason, or that it did not answer in time
    finish(false, tr("does not answer: %1").arg(reason));
}

void ConnectionCheck::finish(bool answered, const QString& result)
{
    if (done)
        return;
    done = true;
    limit.stop();
    socket.abort();
    emit finished(answered, result, clock.elapsed());
}
