#include "prompts/Announcer.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QStatusBar>
#include <QTimer>

namespace {

// Screen readers speak a notification when it appears.
class NotificationAccessible : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Notification) {}
};

QAccessibleInterface* notificationFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("Announcer") && object && object->isWidgetType())
        return new NotificationAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

// The window a dialog belongs to, through dialogs opened from dialogs.
QWidget* outermostWindow(QWidget* context)
{
    QWidget* window = context->window();
    while (window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

// In a status bar a screen reader says the text alone, without calling it a notification.
QWidget* placeFor(QWidget* window)
{
    if (auto* bar = window->findChild<QStatusBar*>())
        return bar;
    return window;
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(notificationFor), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setFixedSize(0, 0);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* focused) {
        if (!focused || pending.isEmpty())
            return;
        // After the screen reader has said the widget that has the keyboard now.
        QTimer::singleShot(0, this, [this] {
            say(pending);
            pending.clear();
        });
    });
}

Announcer* Announcer::of(QWidget* context)
{
    QWidget* window = outermostWindow(context);
    auto* announcer = window->findChild<Announcer*>();
    return announcer ? announcer : new Announcer(placeFor(window));
}

void Announcer::announce(QWidget* context, const QString& text)
{
    if (!context || text.isEmpty())
        return;
    Announcer* announcer = of(context);
    announcer->said = text;
    // A dialog that has just closed may still count as active until the window system says otherwise.
    if (const QWidget* active = QApplication::activeWindow(); active && active->isVisible())
        announcer->say(text);
    else
        announcer->pending = text;
}

QString Announcer::lastSaid(QWidget* context)
{
    return of(context)->said;
}

void Announcer::say(const QString& text)
{
    setAccessibleName(text);
    hide();
    show();
}
