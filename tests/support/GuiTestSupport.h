#pragma once

#include <QApplication>
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
