#include "dialogs/thinclient/DlgAssignServers.h"

#include "dialogs/thinclient/AssignmentModel.h"
#include "dialogs/thinclient/CheckCopy.h"
#include "model/ThinClient.h"
#include "ui_dlgassignservers.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

DlgAssignServers::DlgAssignServers(QWidget* parent, QList<Server*>* servers, QList<ThinClient*>* thinClients)
    : QDialog(parent), ui(std::make_unique<Ui::DlgAssignServers>()), servers(servers), thinClients(thinClients)
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

    searchField = new QLineEdit(this);
    searchField->setObjectName(QStringLiteral("tbxSearch"));
    auto* searchButton = new QPushButton(QStringLiteral("Search"), this);
    searchButton->setObjectName(QStringLiteral("btnSearch"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(searchField);
    bottomRow->addWidget(searchButton);
    bottomRow->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    layout->addWidget(new QLabel(QStringLiteral("Shift click updates entire row"), this));
    layout->addWidget(new QLabel(QStringLiteral("Control click updates entire column"), this));
    layout->addWidget(new QLabel(QStringLiteral("Control shift click updates all rows and columns"), this));
    layout->addWidget(new QLabel(QString(14, u' '), this));
    layout->addLayout(bottomRow);

    search = std::make_unique<TableSearch>(table);
    connect(buttons, &QDialogButtonBox::accepted, this, &DlgAssignServers::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DlgAssignServers::reject);
    connect(searchField, &QLineEdit::returnPressed, this, &DlgAssignServers::onSearchClicked);
    connect(searchButton, &QPushButton::clicked, this, &DlgAssignServers::onSearchClicked);
    connect(table, &QTableView::clicked, this,
            [this](const QModelIndex& index) { onCellClicked(index.row(), index.column()); });
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

void DlgAssignServers::onSearchClicked()
{
    search->findNext(searchField->text());
}

void DlgAssignServers::accept()
{
    for (int row = 0; row < thinClients->size(); ++row)
        (*thinClients)[row]->server_ids = model->checkedServerIds(row);
    if (changed)
        emit onDataChanged();
    QDialog::accept();
}

void DlgAssignServers::reject()
{
    QDialog::reject();
}
