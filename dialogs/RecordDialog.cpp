#include "dialogs/RecordDialog.h"

#include "prompts/Prompts.h"

#include <QKeyEvent>
#include <QPushButton>

RecordDialog::RecordDialog(QWidget* parent) : QDialog(parent) {}

void RecordDialog::connectRecordButtons(QPushButton* cancel, QPushButton* save, QPushButton* savePlusNew)
{
    // Return in a field presses no button at all. Every push button of the dialog
    // is meant, not only these three: a dialog makes the first auto-default button
    // it finds its default, and "Set default values" would then reset the options.
    // Return on a button that has the keyboard presses it, as Space does.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->installEventFilter(this);
    }
    connect(cancel, &QPushButton::clicked, this, &RecordDialog::onBtnCancelClicked);
    connect(save, &QPushButton::clicked, this, &RecordDialog::onBtnSaveClicked);
    connect(savePlusNew, &QPushButton::clicked, this, &RecordDialog::onBtnSavePlusClicked);
}

bool RecordDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (auto* button = qobject_cast<QPushButton*>(watched); button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool RecordDialog::refuse(BoxKind kind, const QString& title, const QString& text)
{
    if (kind == BoxKind::Warning)
        Prompts::current().warning(this, title, text);
    else
        Prompts::current().information(this, title, text);
    return false;
}

void RecordDialog::onBtnCancelClicked()
{
    done(0);
}

void RecordDialog::onBtnSaveClicked()
{
    if (saveRecord())
        done(0);
}

void RecordDialog::onBtnSavePlusClicked()
{
    if (saveRecord())
        prepareNextRecord();
}
