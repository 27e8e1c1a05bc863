#include "dialogs/thinclient/TableSearch.h"

#include "model/Lookup.h"

#include <QItemSelectionModel>
#include <QTableView>

namespace {

// In any letter case as serial numbers are compared (upper case, so that "strasse" finds "STRAßE").
bool cellHolds(const QAbstractItemModel* model, int row, int column, const QString& text)
{
    return serialKey(model->index(row, column).data(Qt::DisplayRole).toString()).contains(serialKey(text));
}

} // namespace

TableSearch::TableSearch(QTableView* view) : view(view) {}

bool TableSearch::rowMatches(int row, const QString& text) const
{
    return cellHolds(view->model(), row, 0, text) || cellHolds(view->model(), row, 1, text);
}

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
        if (!view->isRowHidden(row) && cellHolds(model, row, column, text)) {
            match = model->index(row, column);
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
