#pragma once

#include "dialogs/thinclient/TableSearch.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QAbstractItemView;
class QLineEdit;
class QPushButton;

// The frame both device tables share: the table, lines of hints below it, and
// a row with the find-next search field, its button, and OK and Cancel
// (Cancel the default button), wired to accept() and reject().
class TableDialog : public QDialog {
    Q_OBJECT
protected:
    explicit TableDialog(QWidget* parent);
    ~TableDialog() override;

    // The table, its hints, then a row: any extra buttons, the search field, OK and Cancel.
    void buildFrame(QAbstractItemView* table, const QStringList& hints, const QList<QPushButton*>& extraButtons = {});

    // Return in the search field searches and goes no further: the dialog's
    // default button (Cancel) would otherwise throw the table's changes away.
    bool eventFilter(QObject* watched, QEvent* event) override;

protected slots:
    void onSearchClicked();

private:
    QLineEdit* searchField = nullptr;
    std::unique_ptr<TableSearch> search;
};
