#pragma once

#include "model/Translations.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStandardPaths>

// Widget tests link the static GUI library, whose images must be registered by
// hand; they never touch the user's settings store, and read English.
inline void initGuiTest()
{
    Q_INIT_RESOURCE(images);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QStandardPaths::setTestModeEnabled(true);
    Translations::install(*QCoreApplication::instance(), QProcessEnvironment()); // English, whatever the machine's
}

// A mouse event with the buttons held as given, which QTest's own clicks cannot hold during a move.
inline void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, {});
    QApplication::sendEvent(widget, &event);
}
