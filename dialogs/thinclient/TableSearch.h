#pragma once

#include <QPersistentModelIndex>
#include <QString>

class QAbstractItemView;

// Find-next over the two text columns (serial number and description) of a
// table. The position survives from one search to the next, so each press
// goes on after the last match and wraps around at the end.
class TableSearch {
public:
    explicit TableSearch(QAbstractItemView* view);

    void findNext(const QString& text);

private:
    void advance(int rowCount);

    QAbstractItemView* view;
    QPersistentModelIndex lastFound;
    int row = 0;
    int column = 0;
};
