#pragma once

#include <QDialog>

class QPushButton;

// The common behaviour of the dialogs that create records with "Cancel",
// "Save" and "Save + New": no button of the dialog is a default button, Save
// closes only after a successful save, Save + New keeps the dialog open for
// the next record, and a refused input leaves every field as the user left it.
class RecordDialog : public QDialog {
    Q_OBJECT
protected:
    explicit RecordDialog(QWidget* parent);

    // Connects the three buttons, and gives texts longer than the English ones room.
    void connectRecordButtons(QPushButton* cancel, QPushButton* save, QPushButton* savePlusNew);

    // Validates and stores the record; false when the user must correct something.
    virtual bool saveRecord() = 0;
    // Gets the fields ready for the next record after a successful Save + New.
    virtual void prepareNextRecord() = 0;

    enum class BoxKind { Information, Warning };
    // Tells the user why the input was refused; always returns false.
    bool refuse(BoxKind kind, const QString& title, const QString& text);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void makeRoomForLongerTexts(const QList<QPushButton*>& bottomRow);

protected slots:
    void onBtnCancelClicked();
    void onBtnSaveClicked();
    void onBtnSavePlusClicked();
};
