#include "prompts/ReadableComboBox.h"

#include "prompts/AccessibleText.h"
#include "prompts/Announcer.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace {

class ReadableComboBoxAccessible : public QAccessibleWidget, public SegmentedText {
public:
    explicit ReadableComboBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    static QAccessibleInterface* make(const QString& className, QObject* object)
    {
        auto* box = qobject_cast<QComboBox*>(object);
        if (className != QLatin1String("QComboBox") || !box || box->isEditable())
            return nullptr; // one that can be typed in is read as text already
        return new ReadableComboBoxAccessible(box);
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The list it opens, as Qt's own combo box has it: Alt+Down reads the choices.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == box()->view() ? 0 : -1;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value || (kind == QAccessible::Name && box()->accessibleName().isEmpty()))
            return box()->currentText();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = box()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
    }

    // The current item, read as text that cannot be edited.
    QString text(int start, int end) const override { return box()->currentText().mid(start, end - start); }
    int characterCount() const override { return int(box()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

} // namespace

void installReadableComboBoxes()
{
    static const bool installed = (QAccessible::installFactory(ReadableComboBoxAccessible::make), true);
    Q_UNUSED(installed);
}

void sayChoices(QComboBox* box)
{
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] {
        if (box->hasFocus())
            Announcer::announce(box, box->currentText());
    });
}
