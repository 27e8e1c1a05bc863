#pragma once

#include "canvas/LabelGeometry.h"

#include <QLabel>
#include <QSet>
#include <QList>
#include <QPoint>
#include <QRect>

class Server;

// A server shown on the topology picture: a translucent box with its name.
// Dragging its middle moves it, dragging an edge or corner resizes it, and a
// right click offers to clone, edit or delete the server. It shows what it was
// last given of its server and asks for every change by the server's handle.
class ServerLabel : public QLabel {
    Q_OBJECT
public:
    ServerLabel(QWidget* parent, QRect* bounds, const Server& server);

    quint64 serverHandle() const { return handle; }
    const QString& serverId() const { return id; }
    // The server as it is now: its name, place and what a screen reader says.
    void showServer(const Server& server);
    // What a screen reader says of it: its server, place and size, and whether it answered.
    QString spokenName() const;
    // What Return and the Menu key do.
    void openServer();
    void openMenu();
    // A red border while its server has not answered a connection check.
    void setUnanswered(bool notAnswering);
    // Its server is gone: hidden now, destroyed once its menu, if open, has closed.
    void dismiss();
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
    static ServerLabel* firstInReadingOrder(const QList<ServerLabel*>& labels);

signals:
    // One whole drag from press to release, or a key of a run of arrow keys
    // (continuing after the run's first key): the label's new box.
    void placed(quint64 handle, const QRect& box, bool resize, bool continuing);
    void serverDialogRequested(quint64 handle, bool clone);
    // After the user confirmed it.
    void deleteRequested(quint64 handle);
    void connectionCheckRequested(quint64 handle);

private slots:
    void onRightClick(QPoint point);
    void onCloneServerClicked();
    void onEditServerClicked();
    void onDeleteServerClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // On a focused label: arrows move it (Shift: by 10), Ctrl+arrows resize it,
    // Return or F2 edits, Delete deletes, the Menu key or Shift+F10 opens its menu.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void dragTo(const QPoint& pointer);
    void showGeometry();
    void tellNameChanged();
    void applyBox(const LabelBox& moved);
    // The box as the workspace takes it: within the bounds every label is kept in.
    QRect placedBox() const;
    // While its menu or a question about it is open.
    void setHighlighted(bool on);
    void openServerDialog(bool clone);

    quint64 handle;
    QString id;
    QString hostAndProtocol; // for a screen reader
    LabelBox box;            // as the server holds it, or as a drag or key has just made it
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
