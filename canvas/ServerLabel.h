#pragma once

#include <QLabel>
#include <QSet>
#include <QList>
#include <QPoint>
#include <QRect>

class Server;

// A server shown on the topology picture: a translucent box with its name.
// Dragging its middle moves it, dragging an edge or corner resizes it, and a
// right click offers to clone, edit or delete the server.
class ServerLabel : public QLabel {
    Q_OBJECT
public:
    ServerLabel(QWidget* parent, QRect* bounds, QList<Server*>* servers, Server* server);

    Server* serverRecord() const { return server; }
    // A red border while its server has not answered a connection check.
    void setUnanswered(bool notAnswering);
    bool isShownUnanswered() const { return unanswered; }
    // The ids of the servers whose labels show that they did not answer, and
    // those borders put back on labels made anew.
    static QSet<QString> unansweredServers(const QList<ServerLabel*>& labels);
    static void showUnanswered(const QList<ServerLabel*>& labels, const QSet<QString>& serverIds);

signals:
    void onDeleteServer(Server* srv, ServerLabel* srvLabel);
    void onNewServer(Server* s);
    void onDataChanged();
    // A finished change a user would name: an edit, a clone, a delete, or one
    // whole drag from press to release.
    void stepDone(const QString& name);
    void connectionCheckRequested(Server* server);

private slots:
    void onRightClick(QPoint point);
    void onCloneServerClicked();
    void onEditServerClicked();
    void onDeleteServerClicked();
    void onServerAdded(Server* s);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void dragTo(const QPoint& pointer);
    void showServerGeometry();
    // While its menu or a question about it is open.
    void setHighlighted(bool on);
    void openServerDialog(bool clone);

    QList<Server*>* servers;
    Server* server;
    QRect* bounds;
    int lastX = 0;
    int lastY = 0;
    int zone = 0;
    int pressX = 0;
    int pressY = 0;
    bool pressed = false;
    bool dragged = false;
    bool horizontalHold = false;
    bool verticalHold = false;
    bool inContextMenu = false;
    bool unanswered = false;
    bool highlighted = false;
    bool deleted = false;
};
