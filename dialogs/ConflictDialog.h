#pragma once

#include "model/ConfigMerge.h"

#include <QDialog>
#include <QList>

class QTableWidget;

// The conflicts of a merge, one row each (record, field, base, mine, theirs),
// and which side to keep for each: mine unless its Keep box is ticked for theirs.
class ConflictDialog : public QDialog {
    Q_OBJECT
public:
    ConflictDialog(QWidget* parent, const QList<MergeConflict>& conflicts);

    // For each conflict, in order: true to keep theirs.
    QList<bool> takeTheirs() const;
    // Shows the conflicts and sets each one's choice; false when cancelled.
    static bool settle(QWidget* parent, QList<MergeConflict>& conflicts);
    QTableWidget* table() const { return rows; }

private:
    void keepAll(bool theirs);

    QTableWidget* rows;
};
