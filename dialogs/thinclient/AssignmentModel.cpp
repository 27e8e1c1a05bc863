#include "dialogs/thinclient/AssignmentModel.h"

#include "model/Lookup.h"
#include "model/Server.h"
#include "model/ThinClient.h"

#include <QHash>
#include <QtAlgorithms>

AssignmentModel::AssignmentModel(const QList<Server*>& servers, const QList<ThinClient*>& thinClients, QObject* parent)
    : QAbstractTableModel(parent), servers(servers), thinClients(thinClients),
      wordsPerRow((size_t(servers.size()) + kBitsPerWord - 1) / kBitsPerWord),
      cells(size_t(thinClients.size()) * wordsPerRow, 0)
{
    // Ids match in any letter case, as everywhere else (a hand-edited file may
    // write one differently); such a file may also give two servers one id.
    QHash<QString, QList<int>> columnsOfId;
    columnsOfId.reserve(servers.size());
    for (int j = 0; j < servers.size(); ++j)
        columnsOfId[caseInsensitiveKey(servers[j]->server_id)].append(j);
    for (int row = 0; row < thinClients.size(); ++row) {
        for (const QString& id : thinClients[row]->server_ids) {
            const auto found = columnsOfId.constFind(caseInsensitiveKey(id));
            if (found == columnsOfId.constEnd())
                continue;
            for (int j : *found)
                cells[wordOf(row, j)] |= bitOf(j);
        }
    }
    cellsAtStart = cells;
}

int AssignmentModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : thinClients.size();
}

int AssignmentModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kFirstServerColumn + servers.size();
}

QVariant AssignmentModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column();
    if (column < kFirstServerColumn) {
        if (role == Qt::DisplayRole) {
            const ThinClient* client = thinClients[index.row()];
            return column == 0 ? client->serial_number : client->desc;
        }
        if (role == Qt::CheckStateRole && textColumnHasCheckState[column])
            return Qt::Unchecked;
        return {};
    }
    if (role == Qt::CheckStateRole)
        return isChecked(index.row(), column - kFirstServerColumn) ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::AccessibleTextRole) { // what a screen reader says of the box
        const QString& serial = thinClients[index.row()]->serial_number;
        const QString& server = servers[column - kFirstServerColumn]->display_name;
        if (isChecked(index.row(), column - kFirstServerColumn)) {
            //: A box of the assignment grid: %1 is the device's serial number, %2 the server's display name
            return tr("%1 – %2: assigned").arg(serial, server);
        }
        //: A box of the assignment grid: %1 is the device's serial number, %2 the server's display name
        return tr("%1 – %2: not assigned").arg(serial, server);
    }
    return {};
}

bool AssignmentModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() < kFirstServerColumn)
        return false;
    setChecked(index.row(), index.column() - kFirstServerColumn, value.toInt() == Qt::Checked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

QVariant AssignmentModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return tr("Serial number");
    if (section == 1)
        return tr("Description");
    return servers.at(section - kFirstServerColumn)->display_name;
}

Qt::ItemFlags AssignmentModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() < kFirstServerColumn)
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
}

int AssignmentModel::checkState(int row, int column) const
{
    if (column < kFirstServerColumn)
        return Qt::Unchecked;
    return isChecked(row, column - kFirstServerColumn) ? Qt::Checked : Qt::Unchecked;
}

void AssignmentModel::fillRowCells(int row, int state)
{
    for (int j = 0; j < servers.size(); ++j)
        setChecked(row, j, state == Qt::Checked);
}

void AssignmentModel::fillRow(int row, int state)
{
    if (servers.isEmpty())
        return;
    fillRowCells(row, state);
    emit dataChanged(index(row, kFirstServerColumn), index(row, columnCount() - 1), {Qt::CheckStateRole});
}

void AssignmentModel::fillColumn(int column, int state)
{
    if (thinClients.isEmpty())
        return;
    if (column < kFirstServerColumn) {
        textColumnHasCheckState[column] = true; // a text cell's state is always 0
    } else {
        for (int row = 0; row < thinClients.size(); ++row) {
            if (isShown(row))
                setChecked(row, column - kFirstServerColumn, state == Qt::Checked);
        }
    }
    emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::CheckStateRole});
}

void AssignmentModel::fillGrid(int state)
{
    if (thinClients.isEmpty() || servers.isEmpty())
        return;
    for (int row = 0; row < thinClients.size(); ++row) {
        if (isShown(row))
            fillRowCells(row, state);
    }
    emit dataChanged(index(0, kFirstServerColumn), index(rowCount() - 1, columnCount() - 1), {Qt::CheckStateRole});
}

QStringList AssignmentModel::checkedServerIds(int row) const
{
    QStringList ids;
    for (size_t word = 0; word < wordsPerRow; ++word) {
        for (quint64 bits = cells[wordOf(row, 0) + word]; bits != 0; bits &= bits - 1)
            ids.append(servers[int(word) * kBitsPerWord + qCountTrailingZeroBits(bits)]->server_id);
    }
    return ids;
}
