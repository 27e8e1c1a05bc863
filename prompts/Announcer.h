#pragma once

#include <QString>
#include <QWidget>

// Says what just happened through a screen reader: where a sighted user sees a
// box move or reads the status bar, a blind one hears it. One invisible
// notification in the main window's status bar, shown anew with each text,
// which screen readers speak unasked (in a dialog's own it would be preceded by
// the dialog's title each time). A text said while no window of the program is
// active (a dialog closing, the window coming back) waits until one is, so that
// the window's own presentation does not cut it short.
class Announcer : public QWidget {
    Q_OBJECT
public:
    static void announce(QWidget* context, const QString& text);
    // What was said last in the window of context, for tests.
    static QString lastSaid(QWidget* context);

private:
    explicit Announcer(QWidget* parent);
    static Announcer* of(QWidget* context);
    void say(const QString& text);

    QString said;
    QString pending;
};
