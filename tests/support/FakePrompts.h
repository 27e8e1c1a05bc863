#pragma once

#include "prompts/Prompts.h"

#include <QStringList>

// Scripted stand-in for every message box and file dialog. Each call is kept
// in shown as "kind|title|text" (file dialogs: "open|caption|filter|folder");
// questions take the queued answers, file dialogs the queued names. A call
// that finds nothing queued counts as unexpected and gets No or an empty name.
class FakePrompts : public Prompts {
public:
    FakePrompts() { install(this); }
    ~FakePrompts() override { install(nullptr); }

    QStringList shown;
    QList<QMessageBox::StandardButton> answers;
    QStringList fileNames;
    int unexpected = 0;

    QStringList titles() const
    {
        QStringList result;
        for (const QString& call : shown)
            result << call.section(u'|', 1, 1);
        return result;
    }

    void information(QWidget*, const QString& title, const QString& text) override
    {
        record("information", title, text);
    }
    void warning(QWidget*, const QString& title, const QString& text) override { record("warning", title, text); }
    QMessageBox::StandardButton question(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons, QMessageBox::StandardButton,
                                         QMessageBox::StandardButton) override
    {
        record("question", title, text);
        return next(answers, QMessageBox::No);
    }
    QString openFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter) override
    {
        record("open", caption, filter + u'|' + dir);
        return next(fileNames, QString());
    }
    QString saveFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter) override
    {
        record("save", caption, filter + u'|' + dir);
        return next(fileNames, QString());
    }

private:
    void record(const char* kind, const QString& title, const QString& text)
    {
        shown << QLatin1String(kind) + u'|' + title + u'|' + text;
    }
    template <typename T>
    T next(QList<T>& queue, const T& none)
    {
        unexpected += queue.isEmpty() ? 1 : 0;
        return queue.isEmpty() ? none : queue.takeFirst();
    }
};
