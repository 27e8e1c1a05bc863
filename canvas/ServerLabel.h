#pragma once

#include <QLabel>
#include <QSet>
#include <QList>
#include <QPoint>
#include <QRect>

struct LabelBox;

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
    // What labels made anew keep of the old ones, by server id: the red
    // borders of servers that did not answer, and the keyboard's place.
    struct Marks {
        QSet<QString> unanswered;
        QString focused;
    };
    static Marks marksOf(const QList<ServerLabel*>& labels);
    static void restoreMarks(const QList<ServerLabel*>& labels, const Marks& marks);
    // Tab goes through the labels as one reads the picture: top to bottom, then left to right.
    static void setReadingOrder(QList<ServerLabel*> labels);

signals:
    void onDeleteServer(Server* srv, ServerLabel* srvLabel);
    void onNewServer(Server* s);
    void onDataChanged();
    // A finished change a user would name: an edit, a clone, a delete, one
    // whole drag from press to release, or a run of arrow keys (continuing
    // after its first key).
    void stepDone(const QString& name, bool continuing = false);
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
    // On a focused label: arrows move it (Shift: by 10), Ctrl+arrows resize it,
    // Return or F2 edits, Delete deletes, the Menu key or Shift+F10 opens its menu.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void dragTo(const QPoint& pointer);
    void showServerGeometry();
    void applyBox(const LabelBox& box);
    QString stepName(bool resize) const;
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
    // A run of arrow keys: moved since the last step, and whether a step of the run was recorded.
    bool keyMoved = false;
    bool keyRunStarted = false;
    bool keyResize = false;
    bool deleted = false;
};
