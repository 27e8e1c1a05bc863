#include "prompts/TextFieldFocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace {

// A field's own focus event, held back until Qt has told the screen reader.
class HeldFocus : public QFocusEvent {
public:
    explicit HeldFocus(Qt::FocusReason reason) : QFocusEvent(QEvent::FocusIn, reason) {}
};

class TextFieldFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn)
            return false;
        if (dynamic_cast<HeldFocus*>(event)) // dropped when the keyboard has moved on meanwhile
            return !static_cast<QWidget*>(watched)->hasFocus();
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (!field || (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason))
            return false;
        // Posted events come before any new key: nothing typed reaches the field first.
        QCoreApplication::postEvent(field, new HeldFocus(reason));
        return true;
    }
};

} // namespace

void sayTextFieldsOnFocus(QApplication& app)
{
    app.installEventFilter(new TextFieldFocus(&app));
}
