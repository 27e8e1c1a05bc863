#pragma once

#include <QLabel>
#include <QList>
#include <QRect>

class Server;

// A server shown on the topology picture: a translucent box with its name.
class ServerLabel : public QLabel {
    Q_OBJECT
public:
    ServerLabel(QWidget* parent, QRect* bounds, QList<Server*>* servers, Server* server);

    Server* serverRecord() const { return server; }

signals:
    void onDeleteServer(Server* srv, ServerLabel* srvLabel);
    void onNewServer(Server* s);
    void onDataChanged();

private slots:
    void onServerAdded(Server* s);
    void onServerDataChanged();

private:
    QList<Server*>* servers;
    Server* server;
    QRect* bounds;
    int lastX = 0;
    int lastY = 0;
    int zone = 0;
    int pressX = 0;
    int pressY = 0;
    bool pressed = false;
    bool horizontalHold = false;
    bool verticalHold = false;
};
