#pragma once

#include "model/ServerAddress.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

// Whether a server answers: its name looked up, then a TCP connection to its
// address, opened and closed again without a byte sent, given up after three
// seconds. It runs in the window's event loop, so the window never waits for it.
class ConnectionCheck : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeLimitMs = 3000;

    ConnectionCheck(const ServerAddress& address, QObject* parent);

signals:
    // Sent once: whether it answered; "answers", "does not answer: " and why,
    // or "cannot be checked: " and what is wrong with the address; and how
    // long the check took.
    void finished(bool answered, const QString& result, qint64 ms);

private:
    void connectTo(const QHostAddress& host, quint16 port);
    void notAnswering(const QString& reason);
    void finish(bool answered, const QString& result);

    QTcpSocket socket;
    QTimer limit;
    QElapsedTimer clock;
    bool done = false;
};
