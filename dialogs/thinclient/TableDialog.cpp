#include "dialogs/thinclient/TableDialog.h"

#include "prompts/Announcer.h"
#include "prompts/Prompts.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TableDialog::TableDialog(QWidget* parent) : QDialog(parent) {}

TableDialog::~TableDialog() = default;

void TableDialog::buildFrame(QTableView* table, const QList<Hint>& hints, const QList<QPushButton*>& extraButtons)
{
    view = table;
    view->setTabKeyNavigation(false); // the arrows go from cell to cell; Tab on to the buttons
    searchField = new QLineEdit(this);
    searchField->setObjectName(QStringLiteral("tbxSearch"));
    searchField->setAccessibleName(tr("Search by serial number or description"));
    searchField->setMinimumWidth(searchField->fontMetrics().averageCharWidth() * 20); // room for a serial number
    table->setAccessibleName(tr("Thinclients"));
    auto* searchButton = new QPushButton(tr("Search"), this);
    searchButton->setObjectName(QStringLiteral("btnSearch"));
    matchingOnly = new QCheckBox(tr("Show matching only"), this);
    matchingOnly->setObjectName(QStringLiteral("chkMatchingOnly"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true);

    auto* bottomRow = new QHBoxLayout;
    for (QPushButton* button : extraButtons) {
        button->setAutoDefault(false); // Return goes on reaching only the default button
        bottomRow->addWidget(button);
    }
    bottomRow->addWidget(searchField);
    bottomRow->addWidget(searchButton);
    bottomRow->addWidget(matchingOnly);
    bottomRow->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    for (const Hint& hint : hints) {
        auto* label = new QLabel(hint.shown, this);
        label->setAccessibleName(hint.spoken);
        layout->addWidget(label);
    }
    layout->addLayout(bottomRow);

    search = std::make_unique<TableSearch>(table);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    searchField->installEventFilter(this);
    view->installEventFilter(this);
    connect(view->model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex& last, const QList<int>& roles) {
                if (first == last && first == view->currentIndex() && view->hasFocus() &&
                    (roles.isEmpty() || roles.contains(Qt::CheckStateRole)))
                    tellCheckChanged(first);
            });
    connect(searchButton, &QPushButton::clicked, this, &TableDialog::onSearchClicked);
    connect(matchingOnly, &QCheckBox::toggled, this, &TableDialog::applyFilter);
    connect(searchField, &QLineEdit::textChanged, this, [this] {
        if (matchingOnly->isChecked())
            applyFilter();
    });
}

// Hides the rows that do not match the search text while "Show matching only"
// is ticked; their states stay as they are.
void TableDialog::applyFilter()
{
    const int rows = view->model()->rowCount();
    std::vector<bool> shown(size_t(rows), true);
    {
        // Told of each row hidden, the table would repaint and lay itself out again
        // each time (a quarter of a second per key at 20,000 devices): it is told
        // once, after.
        const QSignalBlocker quiet(view->verticalHeader());
        view->setUpdatesEnabled(false);
        for (int row = 0; row < rows; ++row) {
            shown[size_t(row)] = !matchingOnly->isChecked() || search->rowMatches(row, searchField->text());
            if (view->isRowHidden(row) == shown[size_t(row)])
                view->setRowHidden(row, !shown[size_t(row)]);
        }
        view->setUpdatesEnabled(true);
    }
    view->doItemsLayout();
    rowsShown(shown);
}

void TableDialog::reject()
{
    if (hasChanges() && Prompts::current().question(this, tr("Discard changes"),
                                                    tr("Discard the changes made in this table?"),
                                                    QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                                                    QMessageBox::No) != QMessageBox::Yes)
        return;
    QDialog::reject();
}

void TableDialog::onSearchClicked()
{
    search->findNext(searchField->text());
}

// A box ticked or cleared from the keyboard is said as the box it is, ticked or not.
void TableDialog::tellCheckChanged(const QModelIndex& cell)
{
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view);
    QAccessibleInterface* box = table && table->tableInterface() ? table->tableInterface()->cellAt(cell.row(), cell.column())
                                                                 : nullptr;
    if (!box)
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(box, changed);
    QAccessible::updateAccessibility(&event);
    // A screen reader may keep the change of a cell to itself: it is said as well.
    QString spoken = cell.data(Qt::AccessibleTextRole).toString();
    if (spoken.isEmpty()) {
        const QString column = view->model()->headerData(cell.column(), Qt::Horizontal).toString();
        if (cell.data(Qt::CheckStateRole).toInt() == Qt::Checked) {
            //: A box ticked from the keyboard; %1 is its column's header, e.g. Delete device
            spoken = tr("%1: ticked").arg(column);
        } else {
            //: A box cleared from the keyboard; %1 is its column's header, e.g. Delete device
            spoken = tr("%1: not ticked").arg(column);
        }
    }
    Announcer::announce(view, spoken);
}

bool TableDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == searchField && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        onSearchClicked();
        return true;
    }
    const QModelIndex cell = view->currentIndex();
    if (watched == view && key->key() == Qt::Key_Space && cell.isValid() &&
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
        if (cell.flags() & Qt::ItemIsUserCheckable)
            view->model()->setData(cell, cell.data(Qt::CheckStateRole).toInt() == Qt::Checked ? Qt::Unchecked : Qt::Checked,
                                   Qt::CheckStateRole);
        onCellClicked(cell.row(), cell.column());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
