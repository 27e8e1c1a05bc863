#pragma once

#include "model/ServerAddress.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

// Whether a server answers: a TCP connection to its address, opened and
// closed again without a byte sent, given up after three seconds. It runs in
// the window's event loop, so the window never waits for it.
class ConnectionCheck : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeLimitMs = 3000;

    ConnectionCheck(const ServerAddress& address, QObject* parent);

    // "answers", or "does not answer: " and why.
    static QString resultText(bool answered, const QString& reason);

signals:
    // Sent once: answered, or else why not, and how long the check took.
    void finished(bool answered, const QString& reason, qint64 ms);

private:
    void finish(bool answered, const QString& reason);

    QTcpSocket socket;
    QTimer limit;
    QElapsedTimer clock;
    bool done = false;
};
