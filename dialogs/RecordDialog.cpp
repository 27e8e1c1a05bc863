#include "dialogs/RecordDialog.h"

#include "prompts/Prompts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

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
    makeRoomForLongerTexts({cancel, save, savePlusNew});
    connect(cancel, &QPushButton::clicked, this, &RecordDialog::onBtnCancelClicked);
    connect(save, &QPushButton::clicked, this, &RecordDialog::onBtnSaveClicked);
    connect(savePlusNew, &QPushButton::clicked, this, &RecordDialog::onBtnSavePlusClicked);
}

namespace {
constexpr int kMargin = 5;
}

// The forms place every control where it stands in English. A translated label
// or button whose text is wider grows to its left (labels are right-aligned
// beside their fields), and the buttons of the bottom row then move left as far
// as the one to their right needs. English texts fit: nothing moves.
void RecordDialog::makeRoomForLongerTexts(const QList<QPushButton*>& bottomRow)
{
    const auto growLeftwards = [](QWidget* widget) {
        QRect place = widget->geometry();
        if (widget->sizeHint().width() > place.width()) {
            place.setLeft(std::max(kMargin, place.right() + 1 - widget->sizeHint().width()));
            widget->setGeometry(place);
        }
    };
    for (QLabel* label : findChildren<QLabel*>())
        growLeftwards(label);
    for (QPushButton* button : findChildren<QPushButton*>())
        growLeftwards(button);
    for (qsizetype i = bottomRow.size() - 2; i >= 0; --i) {
        QRect place = bottomRow[i]->geometry();
        const int overlap = place.right() + 3 - bottomRow[i + 1]->geometry().left();
        if (overlap > 0) {
            place.translate(-std::min(overlap, place.left() - kMargin), 0);
            bottomRow[i]->setGeometry(place);
        }
    }
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
