#pragma once

#include "dialogs/thinclient/TableSearch.h"

#include <QDialog>
#include <QList>

#include <memory>

namespace Ui {
class DlgEditThinClient;
}

class QLineEdit;
class QTableWidget;
class ThinClient;

// Renames and deletes devices. Edits and marks stay in the table until OK.
class DlgEditThinClient : public QDialog {
    Q_OBJECT
public:
    DlgEditThinClient(QWidget* parent, QList<ThinClient*>* thinClients);
    ~DlgEditThinClient() override;

    QTableWidget* table() const { return tableWidget; }

signals:
    void onDataChanged();

private slots:
    void onCellClicked(int row, int col);
    void onSearchClicked();

public slots:
    void accept() override;
    void reject() override;

private:
    enum Column { SerialColumn, DescriptionColumn, DeleteColumn };

    void buildWidgets();
    void fillTable();
    bool isMarked(int row) const;
    ThinClient* clientOfRow(int row) const;

    std::unique_ptr<Ui::DlgEditThinClient> ui;
    QList<ThinClient*>* thinClients;
    QTableWidget* tableWidget = nullptr;
    QLineEdit* searchField = nullptr;
    std::unique_ptr<TableSearch> search;
};
