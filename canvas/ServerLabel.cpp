#include "canvas/ServerLabel.h"

#include "prompts/Announcer.h"
#include "prompts/Prompts.h"
#include "canvas/LabelGeometry.h"
#include "model/Server.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QHash>
#include <QMenu>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace {

// Painted rather than set as a style sheet: a style sheet of its own costs every
// label several kilobytes, and a fleet may have thousands of servers.
const QColor kRestingColour(0, 0, 0, 80);
const QColor kHighlightedColour(0, 156, 181);
// A server that did not answer its last check, until the next check or edit.
const QColor kUnansweredBorder(Qt::red);
constexpr int kUnansweredBorderWidth = 2;

// The picture's dark surroundings would give the name a light colour, hard to read
// on the grey over a light picture: the name is always written in black.
const QPalette& namePalette()
{
    static const QPalette palette(Qt::black, Qt::white);
    return palette;
}

// What a screen reader makes of a label: a button it can press (its server
// opens) or open the menu of, named by its server, place and size.
class ServerLabelAccessible : public QAccessibleWidget {
public:
    explicit ServerLabelAccessible(ServerLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    static QAccessibleInterface* make(const QString& className, QObject* object)
    {
        if (className == QLatin1String("ServerLabel"))
            return new ServerLabelAccessible(static_cast<ServerLabel*>(object));
        return nullptr;
    }

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name:
            return label()->spokenName();
        case QAccessible::Description:
            //: What a screen reader says a server label's keys do
            return ServerLabel::tr(
                "Arrows move it, Control with arrows resizes it, Return opens it, Menu key for more");
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QStringList actionNames() const override
    {
        return {pressAction(), showMenuAction()};
    }

    // As a key would: not while another window holds the keyboard (a save's
    // progress, a dialog), and once the screen reader has had its answer.
    void doAction(const QString& action) override
    {
        const QWidget* modal = QApplication::activeModalWidget();
        if ((modal && modal != label()->window()) || !label()->isVisible())
            return;
        const QPointer<ServerLabel> target = label();
        QTimer::singleShot(0, target, [target, press = action == pressAction(), menu = action == showMenuAction()] {
            if (press)
                target->openServer();
            else if (menu)
                target->openMenu();
        });
    }

private:
    ServerLabel* label() const { return static_cast<ServerLabel*>(widget()); }
};

} // namespace

ServerLabel::ServerLabel(QWidget* parent, QRect* bounds, const Server& server)
    : QLabel(parent), handle(server.handle), bounds(bounds)
{
    static const bool installed = (QAccessible::installFactory(ServerLabelAccessible::make), true);
    Q_UNUSED(installed);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // Horizontal centre with both the vertical-centre and the bottom bit set, as labels always had.
    setAlignment(Qt::Alignment(0xC4));
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QLabel::customContextMenuRequested, this, &ServerLabel::onRightClick);
    showServer(server);
    show();
}

void ServerLabel::showServer(const Server& server)
{
    id = server.server_id;
    hostAndProtocol = server.rps_hostname_port + QStringLiteral(", ") + server.rps_connection_type.toUpper();
    box = {server.xpos, server.ypos, server.width, server.height, false, false};
    setText(server.display_name);
    showGeometry();
}

void ServerLabel::dismiss()
{
    setHighlighted(false);
    hide();
    deleted = true;
    if (!inContextMenu)
        deleteLater();
}

void ServerLabel::setUnanswered(bool notAnswering)
{
    if (unanswered == notAnswering)
        return;
    unanswered = notAnswering;
    update();
    tellNameChanged();
}

void ServerLabel::setHighlighted(bool on)
{
    highlighted = on;
    update();
}

void ServerLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), highlighted ? kHighlightedColour : kRestingColour);
    QRect textArea = contentsRect();
    if (unanswered && !highlighted) {
        const int half = kUnansweredBorderWidth / 2;
        painter.setPen(QPen(kUnansweredBorder, kUnansweredBorderWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(rect().adjusted(half, half, -half, -half));
        textArea.adjust(kUnansweredBorderWidth, kUnansweredBorderWidth, -kUnansweredBorderWidth, -kUnansweredBorderWidth);
    }
    style()->drawItemText(&painter, textArea, alignment(), namePalette(), isEnabled(), text(), QPalette::WindowText);
    if (hasFocus()) {
        // Dashes of white over black, inside any border: seen on every picture, unlike the highlight and the red.
        const QRect frame = rect().adjusted(3, 3, -4, -4);
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(frame);
        painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
        painter.drawRect(frame);
    }
}

ServerLabel::Marks ServerLabel::marksOf(const QList<ServerLabel*>& labels)
{
    Marks marks;
    for (const ServerLabel* label : labels) {
        if (label->unanswered)
            marks.unanswered.insert(label->id);
        if (label->hasFocus())
            marks.focused = label->id;
    }
    return marks;
}

void ServerLabel::restoreMarks(const QList<ServerLabel*>& labels, const Marks& marks)
{
    for (ServerLabel* label : labels) {
        label->setUnanswered(marks.unanswered.contains(label->id));
        if (!marks.focused.isEmpty() && label->id == marks.focused)
            label->setFocus();
    }
}

static bool readBefore(const ServerLabel* a, const ServerLabel* b)
{
    return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
}

void ServerLabel::setReadingOrder(QList<ServerLabel*> labels)
{
    std::stable_sort(labels.begin(), labels.end(), readBefore);
    for (qsizetype i = 1; i < labels.size(); ++i)
        QWidget::setTabOrder(labels[i - 1], labels[i]);
}

ServerLabel* ServerLabel::firstInReadingOrder(const QList<ServerLabel*>& labels)
{
    const auto first = std::min_element(labels.begin(), labels.end(), readBefore);
    return first == labels.end() ? nullptr : *first;
}

QString ServerLabel::spokenName() const
{
    // One pass: a server's name may hold a % of its own.
    //: A server label as a screen reader names it: %1 the server's name, %2 its address and protocol
    //: ("host:3389, RDP"), %3, %4 its place and %5 by %6 its size, in pixels
    QString name = tr("Server %1, %2, at %3, %4, %5 by %6")
                       .arg(text(), hostAndProtocol, QString::number(x()), QString::number(y()),
                            QString::number(width()), QString::number(height()));
    if (unanswered)
        //: Ends a server label's spoken name when its server did not answer a connection check
        name += tr(", did not answer");
    return name;
}

// Its place, and what a screen reader says of it.
void ServerLabel::showGeometry()
{
    setGeometry(placedBox());
    tellNameChanged();
}

void ServerLabel::tellNameChanged()
{
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QRect ServerLabel::placedBox() const
{
    return labelRect(box.xpos, box.ypos, box.width, box.height);
}

void ServerLabel::applyBox(const LabelBox& moved)
{
    box = moved;
    horizontalHold = moved.horizontalHold;
    verticalHold = moved.verticalHold;
    showGeometry();
}

// ---- keyboard ----------------------------------------------------------------

void ServerLabel::keyPressEvent(QKeyEvent* event)
{
    const int pixels = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    const QHash<int, QPoint> arrows{{Qt::Key_Left, QPoint(-pixels, 0)}, {Qt::Key_Right, QPoint(pixels, 0)},
                                    {Qt::Key_Up, QPoint(0, -pixels)},   {Qt::Key_Down, QPoint(0, pixels)}};
    if (arrows.contains(event->key())) {
        const bool resize = event->modifiers() & Qt::ControlModifier;
        if (resize != keyResize)
            keyRunStarted = false; // a move and a resize are two steps
        keyResize = resize;
        if (parentWidget())
            bounds->setSize(parentWidget()->size());
        applyBox(keyStep(*bounds, {box.xpos, box.ypos, box.width, box.height, false, false}, arrows[event->key()], resize));
        keyMoved = true;
        // Seen at once on the picture; said at once to a screen reader's user.
        if (resize)
            //: A label's new size in pixels, said as an arrow key resizes it: %1 its width, %2 its height
            Announcer::announce(this, tr("size %1 by %2").arg(width()).arg(height()));
        else
            //: A label's new place in pixels, said as an arrow key moves it
            Announcer::announce(this, tr("at %1, %2").arg(x()).arg(y()));
        return;
    }
    const QList<int> modifierKeys{Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta};
    if (!modifierKeys.contains(event->key()))
        keyRunStarted = false; // a Shift or Ctrl pressed on the way does not end a run
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        onEditServerClicked();
        return;
    case Qt::Key_Delete:
        onDeleteServerClicked();
        return;
    case Qt::Key_Menu:
        openMenu();
        return;
    case Qt::Key_F10:
        if (event->modifiers() & Qt::ShiftModifier) {
            openMenu();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

// Each release ends a key's moves: the first of a run is a step, the rest go on with it.
void ServerLabel::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat() || !keyMoved) {
        QLabel::keyReleaseEvent(event);
        return;
    }
    keyMoved = false;
    const bool continuing = keyRunStarted;
    keyRunStarted = true;
    emit placed(handle, placedBox(), keyResize, continuing);
}

void ServerLabel::focusOutEvent(QFocusEvent* event)
{
    keyRunStarted = false;
    QLabel::focusOutEvent(event);
}

// ---- mouse -------------------------------------------------------------------

void ServerLabel::mousePressEvent(QMouseEvent* event)
{
    keyRunStarted = false;
    const QPoint pos = event->position().toPoint();
    pressX = pos.x();
    pressY = pos.y();
    pressed = true;
}

void ServerLabel::mouseReleaseEvent(QMouseEvent*)
{
    const bool finished = pressed && dragged;
    pressed = false;
    dragged = false;
    if (finished)
        emit placed(handle, placedBox(), zone != 0, false);
}

void ServerLabel::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    // From the first move on, the bounds are the picture's area.
    if (parentWidget())
        bounds->setSize(parentWidget()->size());
    const QPoint pointer = mapToParent(pos);

    if (event->buttons() == Qt::LeftButton && pressed) {
        dragTo(pointer);
        return;
    }
    // No drag in progress: the zone follows the pointer, so a drag keeps the zone it began in.
    zone = labelZoneAt(pos.x(), pos.y(), width(), height());
    setCursor(cursorForZone(zone));
    lastX = pointer.x();
    lastY = pointer.y();
}

void ServerLabel::dragTo(const QPoint& pointer)
{
    const DragInput input{zone, *bounds, QPoint(lastX, lastY), pointer, QPoint(pressX, pressY)};
    applyBox(dragStep(input, {box.xpos, box.ypos, box.width, box.height, horizontalHold, verticalHold}));
    dragged = true;
    // A move measures from the press point, so only resizes track the last position.
    if (zone != 0) {
        lastX = pointer.x();
        lastY = pointer.y();
    }
}

// ---- context menu ------------------------------------------------------------

void ServerLabel::onRightClick(QPoint point)
{
    setHighlighted(true);
    inContextMenu = true;
    QMenu menu;
    connect(menu.addAction(tr("Clone this server")), &QAction::triggered, this,
            &ServerLabel::onCloneServerClicked);
    connect(menu.addAction(tr("Edit server settings")), &QAction::triggered, this,
            &ServerLabel::onEditServerClicked);
    connect(menu.addAction(tr("Check connection")), &QAction::triggered, this,
            [this] { emit connectionCheckRequested(handle); });
    connect(menu.addAction(tr("Delete server")), &QAction::triggered, this,
            &ServerLabel::onDeleteServerClicked);
    menu.exec(mapToGlobal(point));
    inContextMenu = false;
    setHighlighted(false);
    // Destroyed only now: the menu has finished its own event loop inside this call.
    if (deleted)
        deleteLater();
}

void ServerLabel::openServerDialog(bool clone)
{
    setHighlighted(false);
    emit serverDialogRequested(handle, clone);
}

void ServerLabel::onCloneServerClicked()
{
    openServerDialog(true);
}

void ServerLabel::openServer()
{
    onEditServerClicked();
}

void ServerLabel::openMenu()
{
    onRightClick(rect().center());
}

void ServerLabel::onEditServerClicked()
{
    openServerDialog(false);
}

void ServerLabel::onDeleteServerClicked()
{
    if (Prompts::askYesNo(window(), tr("Confirm delete server"),
                          tr("\nAre you sure you want to delete this server?")) == QMessageBox::No)
        return;
    emit deleteRequested(handle);
}
