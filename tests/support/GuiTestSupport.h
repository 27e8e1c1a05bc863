#pragma once

#include "dialogs/server/DlgServer.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QDesktopServices>
#include <QObject>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

// Widget tests link the static GUI library, whose images must be registered by hand.
inline void initZevResources()
{
    Q_INIT_RESOURCE(images);
}

// Keeps the tests away from the user's settings store.
inline void isolateSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Quorvane"), QStringLiteral("ZEV")).clear();
}

// Records the URLs the program asks the desktop to open, instead of starting a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    }
    ~UrlRecorder() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    }
    QList<QUrl> urls;

public slots:
    void openUrl(const QUrl& url) { urls.append(url); }
};

// Writes a plain 600 x 400 topology picture into folder and returns its path.
inline QString writeTestPicture(const QString& folder)
{
    QImage image(600, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QString path = folder + QStringLiteral("/topology.png");
    image.save(path);
    return path;
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
