#include "dialogs/thinclient/TableSearch.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

TableSearch::TableSearch(QAbstractItemView* view) : view(view) {}

void TableSearch::advance(int rowCount)
{
    if (column == 0) {
        column = 1;
        return;
    }
    column = 0;
    row = (row + 1) % rowCount;
}

void TableSearch::findNext(const QString& text)
{
    if (text.isEmpty())
        return;
    const QAbstractItemModel* model = view->model();
    const int rowCount = model->rowCount();
    QModelIndex match;
    for (int tries = 0; tries < 2 * rowCount; ++tries) {
        const QModelIndex cell = model->index(row, column);
        if (cell.data(Qt::DisplayRole).toString().contains(text, Qt::CaseInsensitive)) {
            match = cell;
            break;
        }
        advance(rowCount);
    }
    if (!match.isValid())
        return;

    QItemSelectionModel* selection = view->selectionModel();
    if (lastFound.isValid())
        selection->select(lastFound, QItemSelectionModel::Deselect);
    lastFound = match;
    view->scrollTo(match, QAbstractItemView::EnsureVisible);
    selection->select(match, QItemSelectionModel::Select);
    advance(rowCount);
}
