#include "dialogs/thinclient/TableDialog.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TableDialog::TableDialog(QWidget* parent) : QDialog(parent) {}

TableDialog::~TableDialog() = default;

void TableDialog::buildFrame(QAbstractItemView* table, const QStringList& hints,
                             const QList<QPushButton*>& extraButtons)
{
    searchField = new QLineEdit(this);
    searchField->setObjectName(QStringLiteral("tbxSearch"));
    auto* searchButton = new QPushButton(QStringLiteral("Search"), this);
    searchButton->setObjectName(QStringLiteral("btnSearch"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true);

    auto* bottomRow = new QHBoxLayout;
    for (QPushButton* button : extraButtons) {
        button->setAutoDefault(false); // Return goes on reaching only the default button
        bottomRow->addWidget(button);
    }
    bottomRow->addWidget(searchField);
    bottomRow->addWidget(searchButton);
    bottomRow->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table);
    for (const QString& hint : hints)
        layout->addWidget(new QLabel(hint, this));
    layout->addLayout(bottomRow);

    search = std::make_unique<TableSearch>(table);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    searchField->installEventFilter(this);
    connect(searchButton, &QPushButton::clicked, this, &TableDialog::onSearchClicked);
}

void TableDialog::onSearchClicked()
{
    search->findNext(searchField->text());
}

bool TableDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == searchField && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            onSearchClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
