#pragma once

#include "dialogs/thinclient/TableDialog.h"

#include <QList>

#include <memory>

namespace Ui {
class DlgEditThinClient;
}

class QPushButton;
class QTableWidget;
class Server;
class ThinClient;

// Renames and deletes devices. Edits and marks stay in the table until OK.
// "Show file" shows the selected device's file as the next save will write it.
class DlgEditThinClient : public TableDialog {
    Q_OBJECT
public:
    DlgEditThinClient(QWidget* parent, QList<ThinClient*>* thinClients, const QList<Server*>* servers);
    ~DlgEditThinClient() override;

    QTableWidget* table() const { return tableWidget; }

signals:
    void onDataChanged();

private slots:
    void onCellClicked(int row, int col) override;
    void onShowFileClicked();

public slots:
    void accept() override;

private:
    enum Column { SerialColumn, DescriptionColumn, DeleteColumn };

    void buildWidgets();
    void fillTable();
    bool isMarked(int row) const;
    ThinClient* clientOfRow(int row) const;
    int rowToShow() const;
    void updateShowFile();
    void rowsShown(const std::vector<bool>& shown) override;
    bool hasChanges() const override;

    std::unique_ptr<Ui::DlgEditThinClient> ui;
    QList<ThinClient*>* thinClients;
    const QList<Server*>* servers;
    QTableWidget* tableWidget = nullptr;
    QPushButton* showFile = nullptr;
};
