#include "dialogs/thinclient/DlgAssignServers.h"

#include "dialogs/thinclient/AssignmentModel.h"
#include "dialogs/thinclient/CheckCopy.h"
#include "model/ThinClient.h"
#include "ui_dlgassignservers.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QTableView>

DlgAssignServers::DlgAssignServers(QWidget* parent, const QList<Server*>* servers, QList<ThinClient*>* thinClients)
    : TableDialog(parent), ui(std::make_unique<Ui::DlgAssignServers>()), servers(servers), thinClients(thinClients)
{
    ui->setupUi(this);
    buildWidgets();
}

DlgAssignServers::~DlgAssignServers() = default;

void DlgAssignServers::buildWidgets()
{
    model = new AssignmentModel(*servers, *thinClients, this);
    table = new QTableView(this);
    table->setObjectName(QStringLiteral("tblAssignments"));
    table->setModel(model);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setColumnWidth(0, 300);
    table->setColumnWidth(1, 130);
    // Uniform row heights keep a grid of thousands of devices quick to open.
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    buildFrame(table, {{tr("Shift click updates entire row"),
                        tr("Space ticks or clears a box; Shift+Space or a Shift click updates the entire row")},
                       {tr("Control click updates entire column"),
                        tr("Control+Space or a Control click updates the entire column")},
                       {tr("Control shift click updates all rows and columns"),
                        tr("Control+Shift+Space or a Control Shift click updates all rows and columns")},
                       {QString(14, u' '), QString()}});
    connect(table, &QTableView::clicked, this,
            [this](const QModelIndex& index) { onCellClicked(index.row(), index.column()); });
    // A box ticked with Space is as much a change as one ticked with the mouse.
    connect(model, &AssignmentModel::dataChanged, this, [this] { changed = true; });
}

void DlgAssignServers::onCellClicked(int row, int col)
{
    changed = true;
    const int state = model->checkState(row, col);
    switch (copyScopeFor(QGuiApplication::keyboardModifiers())) {
    case CopyScope::Grid:
        model->fillGrid(state);
        break;
    case CopyScope::Row:
        model->fillRow(row, state);
        break;
    case CopyScope::Column:
        model->fillColumn(col, state);
        break;
    case CopyScope::None:
        break;
    }
}

void DlgAssignServers::rowsShown(const std::vector<bool>& shown)
{
    model->setRowsShown(shown);
}

void DlgAssignServers::accept()
{
    for (int row = 0; row < thinClients->size(); ++row)
        (*thinClients)[row]->server_ids = model->checkedServerIds(row);
    if (changed)
        emit onDataChanged();
    QDialog::accept();
}

bool DlgAssignServers::hasChanges() const
{
    return model->differsFromStart();
}
