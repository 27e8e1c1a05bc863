#include "app/ServerCheckDialog.h"

#include "app/ConnectionCheck.h"
#include "dialogs/TableText.h"
#include "model/Server.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ServerCheckDialog::ServerCheckDialog(QWidget* parent, const QList<Server*>& servers)
    : QDialog(parent), servers(servers)
{
    setWindowTitle(tr("Check all servers"));
    resize(760, 420);
    results = new QTableWidget(int(servers.size()), 4, this);
    results->setObjectName(QStringLiteral("tblResults"));
    results->setHorizontalHeaderLabels({tr("Server"), tr("Address"), tr("Result"),
                                        //: The column of how long each check took
                                        tr("Time")});
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setWordWrap(false);
    results->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    results->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch); // the reason, which may be long
    for (int row = 0; row < servers.size(); ++row) {
        results->setItem(row, 0, new QTableWidgetItem(servers[row]->display_name));
        //: A server's check has not begun yet
        results->setItem(row, 2, new QTableWidgetItem(tr("waiting")));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("btnCopy"));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(tableText(*results)); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(results);
    layout->addWidget(buttons);
    startChecks();
}

void ServerCheckDialog::startChecks()
{
    for (; underWay < kMostAtOnce && nextRow < servers.size(); ++nextRow, ++underWay) {
        const int row = nextRow;
        const Server* server = servers[row];
        const ServerAddress address = serverAddress(server->rps_hostname_port, server->rps_connection_type);
        results->setItem(row, 1, new QTableWidgetItem(address.text()));
        //: A server's check is under way
        results->item(row, 2)->setText(tr("checking"));
        auto* check = new ConnectionCheck(address, this);
        connect(check, &ConnectionCheck::finished, this,
                [this, check, row, server](bool answered, const QString& result, qint64 ms) {
                    results->item(row, 2)->setText(result);
                    //: %1 how long the check took, in milliseconds
                    results->setItem(row, 3, new QTableWidgetItem(tr("%1 ms").arg(ms)));
                    check->deleteLater();
                    --underWay;
                    emit checked(server->handle, answered);
                    startChecks();
                });
    }
}
