#include "prompts/TextFieldFocus.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>

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
        switch (event->type()) {
        case QEvent::FocusIn:
            if (delivering)
                return false;
            if (dynamic_cast<HeldFocus*>(event)) // once, and only while the field still has the keyboard
                return !takePending(watched) || !static_cast<QWidget*>(watched)->hasFocus();
            return hold(watched, static_cast<QFocusEvent*>(event)->reason());
        case QEvent::FocusOut:
            takePending(watched);
            return false;
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
        case QEvent::InputMethod:
            // Keys typed right after Tab can come before the held event: the
            // field is told it has the keyboard first, so that they replace its
            // selected text as they would have.
            if (takePending(watched)) {
                HeldFocus now(reason);
                delivering = true;
                QCoreApplication::sendEvent(watched, &now);
                delivering = false;
            }
            return false;
        default:
            return false;
        }
    }

private:
    bool hold(QObject* watched, Qt::FocusReason why)
    {
        auto* field = qobject_cast<QLineEdit*>(watched);
        if (!field || (why != Qt::TabFocusReason && why != Qt::BacktabFocusReason))
            return false;
        pending = field;
        reason = why;
        QCoreApplication::postEvent(field, new HeldFocus(why));
        return true;
    }

    // Whether watched was waiting for its focus event; it is not any more.
    bool takePending(QObject* watched)
    {
        if (!pending || watched != pending.data())
            return false;
        pending = nullptr;
        return true;
    }

    QPointer<QLineEdit> pending;
    Qt::FocusReason reason = Qt::OtherFocusReason;
    bool delivering = false;
};

} // namespace

void sayTextFieldsOnFocus(QApplication& app)
{
    app.installEventFilter(new TextFieldFocus(&app));
}
