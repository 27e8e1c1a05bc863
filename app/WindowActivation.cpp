#include "app/WindowActivation.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

void activateWindowWithKeyboard()
{
    const QWindow* focused = QGuiApplication::focusWindow();
    if (!focused || QApplication::activePopupWidget())
        return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->windowHandle() == focused && window->isVisible() && QApplication::activeWindow() != window) {
            QApplication::setActiveWindow(window);
            return;
        }
    }
}

} // namespace

void keepActiveWindowInStep(QApplication& app)
{
    // Checked once the events of the change have been handled, the closing list's among them.
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, &app,
                     [&app] { QTimer::singleShot(0, &app, activateWindowWithKeyboard); });
}
