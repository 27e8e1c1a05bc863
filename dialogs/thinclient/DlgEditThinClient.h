#pragma once

#include "dialogs/thinclient/TableDialog.h"

#include <QList>

#include <memory>

namespace Ui {
class DlgEditThinClient;
}

class QTableWidget;
class ThinClient;

// Renames and deletes devices. Edits and marks stay in the table until OK.
class DlgEditThinClient : public TableDialog {
    Q_OBJECT
public:
    DlgEditThinClient(QWidget* parent, QList<ThinClient*>* thinClients);
    ~DlgEditThinClient() override;

    QTableWidget* table() const { return tableWidget; }

signals:
    void onDataChanged();

private slots:
    void onCellClicked(int row, int col);

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
};
