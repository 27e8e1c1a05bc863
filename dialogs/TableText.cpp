#include "dialogs/TableText.h"

#include <QStringList>
#include <QTableWidget>

QString tableText(const QTableWidget& table)
{
    QStringList lines;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells << (table.item(row, column) ? table.item(row, column)->text() : QString());
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}
