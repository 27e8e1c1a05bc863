#pragma once

#include "prompts/Prompts.h"

#include <QList>
#include <QStringList>

// Scripted stand-in for every message box and file dialog. It records each
// call and answers with what the test queued; an unanswered question or file
// dialog is counted as unexpected and answered with No / an empty name.
class FakePrompts : public Prompts {
public:
    struct Call {
        QString kind; // "information", "warning", "question", "open", "save"
        QString title;
        QString text; // the box's text, or for file dialogs the filter
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QString dir;
    };

    FakePrompts() { install(this); }
    ~FakePrompts() override { install(nullptr); }

    QList<Call> calls;
    QList<QMessageBox::StandardButton> answers;
    QStringList fileNames;
    int unexpected = 0;

    QStringList titles() const { return each(&Call::title); }
    QStringList texts() const { return each(&Call::text); }

    void information(QWidget*, const QString& title, const QString& text) override
    {
        calls.append({"information", title, text, QMessageBox::NoButton, {}});
    }
    void warning(QWidget*, const QString& title, const QString& text) override
    {
        calls.append({"warning", title, text, QMessageBox::NoButton, {}});
    }
    QMessageBox::StandardButton question(QWidget*, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons, QMessageBox::StandardButton defaultButton,
                                         QMessageBox::StandardButton) override
    {
        calls.append({"question", title, text, defaultButton, {}});
        unexpected += answers.isEmpty() ? 1 : 0;
        return answers.isEmpty() ? QMessageBox::No : answers.takeFirst();
    }
    QString openFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter) override
    {
        calls.append({"open", caption, filter, QMessageBox::NoButton, dir});
        return nextFileName();
    }
    QString saveFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter) override
    {
        calls.append({"save", caption, filter, QMessageBox::NoButton, dir});
        return nextFileName();
    }

private:
    QStringList each(QString Call::*field) const
    {
        QStringList result;
        for (const Call& call : calls)
            result << call.*field;
        return result;
    }
    QString nextFileName()
    {
        unexpected += fileNames.isEmpty() ? 1 : 0;
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};
