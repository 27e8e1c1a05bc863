#pragma once

#include "dialogs/server/DlgServer.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

// Widget tests link the static GUI library, whose images must be registered by
// hand; they never touch the user's settings store.
inline void initGuiTest()
{
    Q_INIT_RESOURCE(images);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QStandardPaths::setTestModeEnabled(true);
}

inline void clearSettings()
{
    QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV")).clear();
}

// Writes a plain white 600 x 400 topology picture into folder and returns its path.
inline QString writeTestPicture(const QString& folder)
{
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString path = folder + QStringLiteral("/topology.png");
    image.save(path);
    return path;
}

// A mouse event with the buttons held as given, which QTest's own clicks cannot hold during a move.
inline void sendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, buttons, {});
    QApplication::sendEvent(widget, &event);
}

// Fills in and saves the server dialog that is open modally; returns its title.
inline QString saveServerInModalDialog(const QString& name, const QString& host)
{
    auto* dialog = qobject_cast<DlgServer*>(QApplication::activeModalWidget());
    if (!dialog)
        return {};
    dialog->findChild<QLineEdit*>(QStringLiteral("tbxDispName"))->setText(name);
    dialog->findChild<QLineEdit*>(QStringLiteral("tbxHostname"))->setText(host);
    dialog->findChild<QPushButton*>(QStringLiteral("btnSave"))->click();
    return dialog->windowTitle();
}
