#pragma once

#include "prompts/Prompts.h"

#include <QList>
#include <QStringList>

// Scripted stand-in for every message box and file dialog. It records each
// call and answers with what the test queued; an unanswered question or file
// dialog is recorded as unexpected and answered with No / an empty name.
class FakePrompts : public Prompts {
public:
    struct Call {
        QString kind; // "information", "warning", "question", "open", "save"
        QString title;
        QString text; // the caption's text, or for file dialogs the filter
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        QString dir;
        QMessageBox::StandardButton escapeButton = QMessageBox::NoButton;
    };

    FakePrompts() { install(this); }
    ~FakePrompts() override { install(nullptr); }

    QList<Call> calls;
    QList<QMessageBox::StandardButton> answers;
    QStringList fileNames;
    int unexpected = 0;

    QStringList kinds() const;
    QStringList titles() const;

    void information(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons buttons,
                                         QMessageBox::StandardButton defaultButton,
                                         QMessageBox::StandardButton escapeButton) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter) override;

private:
    QString nextFileName();
};
