#pragma once

#include "dialogs/thinclient/TableSearch.h"

#include <QDialog>
#include <QStringList>

#include <memory>
#include <vector>

class QAbstractItemView;
class QCheckBox;
class QLineEdit;
class QTableView;
class QPushButton;

// The frame both device tables share: the table, lines of hints below it, and
// a row with the find-next search field, its button, and OK and Cancel
// (Cancel the default button), wired to accept() and reject().
class TableDialog : public QDialog {
    Q_OBJECT
protected:
    explicit TableDialog(QWidget* parent);
    ~TableDialog() override;

    // A hint under the table as it is shown, and as a screen reader says it:
    // its keys, for the user who cannot click.
    struct Hint {
        QString shown;
        QString spoken;
    };
    // The table, its hints, then a row: any extra buttons, the search field,
    // "Show matching only", OK and Cancel.
    void buildFrame(QTableView* table, const QList<Hint>& hints, const QList<QPushButton*>& extraButtons = {});
    void tellCheckChanged(const QModelIndex& cell);
    // Told which rows the filter shows (all when it is off), after it hid the others.
    virtual void rowsShown(const std::vector<bool>& shown) { Q_UNUSED(shown); }

    // Return in the search field searches and goes no further: the dialog's
    // default button (Cancel) would otherwise throw the table's changes away.
    // Shift or Ctrl with Space on a cell of the table toggles it and copies its
    // state as the same click would.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Whether the table holds changes that OK would write.
    virtual bool hasChanges() const = 0;
    // A cell clicked, or chosen from the keyboard with Shift or Ctrl and Space:
    // the dialog copies its state as the modifiers held say.
    virtual void onCellClicked(int row, int column) = 0;

public slots:
    // Cancel, Escape and the title bar's close ask first when the table holds
    // changes: they were never applied, so no undo could bring them back.
    void reject() override;

protected slots:
    void onSearchClicked();

private:
    void applyFilter();

    QTableView* view = nullptr;
    QLineEdit* searchField = nullptr;
    QCheckBox* matchingOnly = nullptr;
    std::unique_ptr<TableSearch> search;
};
