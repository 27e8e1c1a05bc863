#include "dialogs/thinclient/DlgEditThinClient.h"

#include "dialogs/TextViewDialog.h"
#include "model/ClientConfigFile.h"
#include "model/ThinClient.h"
#include "prompts/Prompts.h"
#include "ui_dlgeditthinclient.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QSet>
#include <QTableWidget>

DlgEditThinClient::DlgEditThinClient(QWidget* parent, QList<ThinClient*>* thinClients, const QList<Server*>* servers)
    : TableDialog(parent), ui(std::make_unique<Ui::DlgEditThinClient>()), thinClients(thinClients), servers(servers)
{
    ui->setupUi(this);
    if (!thinClients->isEmpty())
        buildWidgets();
}

DlgEditThinClient::~DlgEditThinClient() = default;

void DlgEditThinClient::buildWidgets()
{
    tableWidget = new QTableWidget(thinClients->size(), 3, this);
    tableWidget->setObjectName(QStringLiteral("tblThinClients"));
    tableWidget->setHorizontalHeaderLabels({tr("Serial number"), tr("Description"), tr("Delete device")});
    tableWidget->horizontalHeader()->setStretchLastSection(true);
    fillTable();

    showFile = new QPushButton(tr("Show file"), this);
    showFile->setObjectName(QStringLiteral("btnShowFile"));
    showFile->setEnabled(false);
    buildFrame(tableWidget,
               {{tr("Control click selects entire column"),
                 tr("Control+Space or a Control click selects the entire column")},
                {tr("Type inside a description field to change it"),
                 tr("Type in a description, or press F2 on it, to change it")}},
               {showFile});
    connect(tableWidget, &QTableWidget::cellClicked, this, &DlgEditThinClient::onCellClicked);
    connect(tableWidget, &QTableWidget::currentCellChanged, this, &DlgEditThinClient::updateShowFile);
    connect(tableWidget, &QTableWidget::itemSelectionChanged, this, &DlgEditThinClient::updateShowFile);
    connect(showFile, &QPushButton::clicked, this, &DlgEditThinClient::onShowFileClicked);
}

// The device the user is looking at: the one whose row holds the selection (a
// click or the search selects a cell), else the one of the current cell; none
// when the filter hides that row.
int DlgEditThinClient::rowToShow() const
{
    QSet<int> rows;
    for (const QModelIndex& index : tableWidget->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    const int row = rows.size() == 1 ? *rows.cbegin() : tableWidget->currentRow();
    return row >= 0 && !tableWidget->isRowHidden(row) ? row : -1;
}

void DlgEditThinClient::updateShowFile()
{
    showFile->setEnabled(rowToShow() >= 0);
}

void DlgEditThinClient::rowsShown(const std::vector<bool>&)
{
    updateShowFile();
}

// Made from the records, not read from disk: the file the next save will write.
void DlgEditThinClient::onShowFileClicked()
{
    if (rowToShow() < 0)
        return;
    const ThinClient* client = clientOfRow(rowToShow());
    const QString fileName = ClientConfigFile::fileName(client->serial_number);
    TextViewDialog view(this, fileName.isEmpty() ? client->serial_number : fileName,
                        QString::fromUtf8(ClientConfigFile::serialize(*client, *servers)));
    view.exec();
}

void DlgEditThinClient::fillTable()
{
    for (int row = 0; row < thinClients->size(); ++row) {
        ThinClient* client = thinClients->at(row);
        auto* serial = new QTableWidgetItem(client->serial_number);
        serial->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        auto* description = new QTableWidgetItem(client->desc);
        description->setData(Qt::UserRole, QVariant::fromValue(static_cast<QObject*>(client)));
        auto* remove = new QTableWidgetItem;
        remove->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        remove->setCheckState(Qt::Unchecked);
        tableWidget->setItem(row, SerialColumn, serial);
        tableWidget->setItem(row, DescriptionColumn, description);
        tableWidget->setItem(row, DeleteColumn, remove);
    }
    tableWidget->resizeColumnsToContents();
}

void DlgEditThinClient::onCellClicked(int row, int col)
{
    // Only Control counts here; Control+Shift acts as Control.
    if (!(QGuiApplication::keyboardModifiers() & Qt::ControlModifier))
        return;
    const QVariant clickedState = tableWidget->item(row, col)->data(Qt::CheckStateRole);
    const auto state = clickedState.isValid() ? Qt::CheckState(clickedState.toInt()) : Qt::Unchecked;
    for (int r = 0; r < tableWidget->rowCount(); ++r) {
        if (!tableWidget->isRowHidden(r)) // only the rows the filter shows
            tableWidget->item(r, col)->setCheckState(state);
    }
}

bool DlgEditThinClient::isMarked(int row) const
{
    return tableWidget->item(row, DeleteColumn)->checkState() == Qt::Checked;
}

ThinClient* DlgEditThinClient::clientOfRow(int row) const
{
    return qobject_cast<ThinClient*>(tableWidget->item(row, DescriptionColumn)->data(Qt::UserRole).value<QObject*>());
}

void DlgEditThinClient::accept()
{
    int marked = 0;
    int empty = 0;
    for (int row = 0; row < tableWidget->rowCount(); ++row) {
        if (isMarked(row))
            ++marked;
        else if (tableWidget->item(row, DescriptionColumn)->text().isEmpty())
            ++empty;
    }
    if (empty > 0) {
        Prompts::current().information(this, tr("Validating input"),
                                       tr("Found one or more thinclients with empty description fields! \n\nPlease "
                                          "enter a description for them"));
        return;
    }
    // The count includes the devices a filter hides: OK deletes every marked row.
    if (marked > 0 && Prompts::askYesNo(this, tr("Confirm deletion"),
                                        tr("%Ln thinclients will be deleted.\n\nAre you sure you want to continue?",
                                           nullptr, marked)) == QMessageBox::No)
        return;

    QSet<ThinClient*> deleted;
    for (int row = 0; row < tableWidget->rowCount(); ++row) {
        ThinClient* client = clientOfRow(row);
        if (isMarked(row))
            deleted.insert(client);
        else
            client->desc = tableWidget->item(row, DescriptionColumn)->text();
    }
    // One pass over the list, however many devices go.
    thinClients->removeIf([&deleted](ThinClient* client) { return deleted.contains(client); });
    qDeleteAll(deleted);
    emit onDataChanged();
    QDialog::accept();
}

bool DlgEditThinClient::hasChanges() const
{
    for (int row = 0; row < tableWidget->rowCount(); ++row) {
        if (isMarked(row) || tableWidget->item(row, DescriptionColumn)->text() != clientOfRow(row)->desc)
            return true;
    }
    return false;
}
