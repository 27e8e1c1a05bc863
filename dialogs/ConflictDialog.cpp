#include "dialogs/ConflictDialog.h"

#include "dialogs/TableText.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kKeepColumn = 5;

// What the Keep column says of a row: whose value the merge keeps.
QString sideText(bool theirs)
{
    if (theirs) {
        //: Keep column of a merge conflict: the value another program saved is kept
        return ConflictDialog::tr("theirs");
    }
    //: Keep column of a merge conflict: the user's own value is kept
    return ConflictDialog::tr("mine");
}

} // namespace

ConflictDialog::ConflictDialog(QWidget* parent, const QList<MergeConflict>& conflicts) : QDialog(parent)
{
    setWindowTitle(tr("Merge conflicts"));
    resize(820, 360);
    auto* explanation = new QLabel(tr("These were changed both here and by another program, each differently. Choose "
                                      "what to keep for each; OK merges and saves, Cancel writes nothing."),
                                   this);
    explanation->setWordWrap(true);
    rows = new QTableWidget(int(conflicts.size()), kKeepColumn + 1, this);
    rows->setObjectName(QStringLiteral("conflicts"));
    rows->setHorizontalHeaderLabels({tr("Record"), tr("Field"), tr("Before"),
                                     //: Column header: the value as changed here
                                     tr("Mine"),
                                     //: Column header: the value as another program changed it
                                     tr("Theirs"), tr("Keep")});
    rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table for the buttons; the arrows move within it and Space switches a row's choice.
    rows->setTabKeyNavigation(false);
    rows->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < conflicts.size(); ++row) {
        const MergeConflict& conflict = conflicts[row];
        const QStringList cells{conflict.record, conflict.field, conflict.base, conflict.mine, conflict.theirs};
        for (int column = 0; column < cells.size(); ++column)
            rows->setItem(row, column, new QTableWidgetItem(cells[column]));
        auto* keep = new QTableWidgetItem(sideText(false));
        keep->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        keep->setCheckState(Qt::Unchecked);
        rows->setItem(row, kKeepColumn, keep);
    }
    // The box in the Keep column is ticked for theirs; its text says which.
    connect(rows, &QTableWidget::itemChanged, this, [](QTableWidgetItem* item) {
        if (item->column() == kKeepColumn)
            item->setText(sideText(item->checkState() == Qt::Checked));
    });
    rows->resizeColumnsToContents();
    rows->setCurrentCell(0, kKeepColumn);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    const auto addAction = [this, buttons](const QString& text, const QString& name) {
        QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    };
    connect(addAction(tr("All mine"), QStringLiteral("btnAllMine")), &QPushButton::clicked, this,
            [this] { keepAll(false); });
    connect(addAction(tr("All theirs"), QStringLiteral("btnAllTheirs")), &QPushButton::clicked, this,
            [this] { keepAll(true); });
    connect(addAction(tr("Copy"), QStringLiteral("btnCopy")), &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(tableText(*rows)); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(rows);
    layout->addWidget(buttons);
}

QList<bool> ConflictDialog::takeTheirs() const
{
    QList<bool> choices;
    for (int row = 0; row < rows->rowCount(); ++row)
        choices << (rows->item(row, kKeepColumn)->checkState() == Qt::Checked);
    return choices;
}

bool ConflictDialog::settle(QWidget* parent, QList<MergeConflict>& conflicts)
{
    ConflictDialog dialog(parent, conflicts);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QList<bool> choices = dialog.takeTheirs();
    for (qsizetype row = 0; row < conflicts.size(); ++row)
        conflicts[row].takeTheirs = choices[row];
    return true;
}

void ConflictDialog::keepAll(bool theirs)
{
    for (int row = 0; row < rows->rowCount(); ++row)
        rows->item(row, kKeepColumn)->setCheckState(theirs ? Qt::Checked : Qt::Unchecked);
}
