#pragma once

#include "dialogs/thinclient/TableDialog.h"

#include <QList>

#include <memory>

namespace Ui {
class DlgAssignServers;
}

class AssignmentModel;
class QTableView;
class Server;
class ThinClient;

// Which servers each device may use: a grid of devices by servers. Clicks
// change only the grid; OK writes every device's server list from it.
class DlgAssignServers : public TableDialog {
    Q_OBJECT
public:
    DlgAssignServers(QWidget* parent, const QList<Server*>* servers, QList<ThinClient*>* thinClients);
    ~DlgAssignServers() override;

    QTableView* grid() const { return table; }

signals:
    void onDataChanged();

private slots:
    void onCellClicked(int row, int col) override;

public slots:
    void accept() override;

private:
    void buildWidgets();
    void rowsShown(const std::vector<bool>& shown) override;
    bool hasChanges() const override;

    std::unique_ptr<Ui::DlgAssignServers> ui;
    const QList<Server*>* servers;
    QList<ThinClient*>* thinClients;
    AssignmentModel* model = nullptr;
    QTableView* table = nullptr;
    bool changed = false;
};
