#pragma once

#include <QPersistentModelIndex>
#include <QString>

class QTableView;

// Find-next over the two text columns (serial number and description) of a
// table's shown rows. The position survives from one search to the next, so
// each press goes on after the last match and wraps around at the end.
class TableSearch {
public:
    explicit TableSearch(QTableView* view);

    void findNext(const QString& text);
    // The rule of both the search and the filter: the serial number or the
    // description holds the text, in any letter case.
    bool rowMatches(int row, const QString& text) const;

private:
    void advance(int rowCount);

    QTableView* view;
    QPersistentModelIndex lastFound;
    int row = 0;
    int column = 0;
};
