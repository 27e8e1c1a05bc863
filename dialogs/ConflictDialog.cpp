#include "dialogs/ConflictDialog.h"

#include "dialogs/TableText.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kKeepColumn = 5;
const QStringList kSides{QStringLiteral("mine"), QStringLiteral("theirs")};

} // namespace

ConflictDialog::ConflictDialog(QWidget* parent, const QList<MergeConflict>& conflicts) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Merge conflicts"));
    resize(820, 360);
    auto* explanation = new QLabel(
        QStringLiteral("These were changed both here and by another program, each differently. Choose what to keep "
                       "for each; OK merges and saves, Cancel writes nothing."),
        this);
    explanation->setWordWrap(true);
    rows = new QTableWidget(int(conflicts.size()), kKeepColumn + 1, this);
    rows->setObjectName(QStringLiteral("conflicts"));
    rows->setHorizontalHeaderLabels(
        {QStringLiteral("Record"), QStringLiteral("Field"), QStringLiteral("Before"), QStringLiteral("Mine"),
         QStringLiteral("Theirs"), QStringLiteral("Keep")});
    rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < conflicts.size(); ++row) {
        const MergeConflict& conflict = conflicts[row];
        const QStringList cells{conflict.record, conflict.field, conflict.base, conflict.mine, conflict.theirs};
        for (int column = 0; column < cells.size(); ++column)
            rows->setItem(row, column, new QTableWidgetItem(cells[column]));
        auto* keep = new QComboBox(rows);
        keep->addItems(kSides);
        keep->setAccessibleName(QStringLiteral("Keep for %1, %2").arg(conflict.record, conflict.field));
        rows->setCellWidget(row, kKeepColumn, keep);
    }
    rows->resizeColumnsToContents();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    const auto addAction = [this, buttons](const QString& text, const QString& name) {
        QPushButton* button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        button->setObjectName(name);
        button->setAutoDefault(false);
        return button;
    };
    connect(addAction(QStringLiteral("All mine"), QStringLiteral("btnAllMine")), &QPushButton::clicked, this,
            [this] { keepAll(false); });
    connect(addAction(QStringLiteral("All theirs"), QStringLiteral("btnAllTheirs")), &QPushButton::clicked, this,
            [this] { keepAll(true); });
    connect(addAction(QStringLiteral("Copy"), QStringLiteral("btnCopy")), &QPushButton::clicked, this,
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
        choices << (static_cast<QComboBox*>(rows->cellWidget(row, kKeepColumn))->currentIndex() == 1);
    return choices;
}

void ConflictDialog::keepAll(bool theirs)
{
    for (int row = 0; row < rows->rowCount(); ++row)
        static_cast<QComboBox*>(rows->cellWidget(row, kKeepColumn))->setCurrentIndex(theirs ? 1 : 0);
}
