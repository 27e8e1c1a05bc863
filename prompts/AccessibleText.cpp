#include "prompts/AccessibleText.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>

QString textSegment(const QString& text, int offset, QAccessible::TextBoundaryType type, int step, int* start,
                    int* end)
{
    *start = *end = -1;
    if (offset < 0 || offset > text.size())
        return {};
    QTextBoundaryFinder::BoundaryType finderType;
    switch (type) {
    case QAccessible::CharBoundary:
        finderType = QTextBoundaryFinder::Grapheme;
        break;
    case QAccessible::WordBoundary:
        finderType = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        finderType = QTextBoundaryFinder::Sentence;
        break;
    default: // a line, a paragraph or the whole: a field holds one line
        if (step != 0 || text.isEmpty())
            return {};
        *start = 0;
        *end = int(text.size());
        return text;
    }
    // Every boundary once, from the start of the text to its end.
    QList<int> boundaries{0};
    QTextBoundaryFinder finder(finderType, text);
    for (int at = finder.toNextBoundary(); at > 0 && at <= text.size(); at = finder.toNextBoundary())
        boundaries << at;
    if (boundaries.last() != text.size())
        boundaries << int(text.size());
    // The piece holding the offset; at the very end, the last piece.
    const qsizetype pieces = boundaries.size() - 1;
    if (pieces < 1)
        return {};
    qsizetype piece = std::upper_bound(boundaries.begin(), boundaries.end(), offset) - boundaries.begin() - 1;
    piece = std::min(piece, pieces - 1) + step;
    if (piece < 0 || piece >= pieces)
        return {};
    *start = boundaries[piece];
    *end = boundaries[piece + 1];
    return text.mid(*start, *end - *start);
}

QString SegmentedText::segment(int offset, QAccessible::TextBoundaryType type, int step, int* start, int* end) const
{
    const QString all = text(0, characterCount());
    if (offset == -2)
        offset = cursorPosition();
    else if (offset == -1)
        offset = int(all.size());
    return textSegment(all, offset, type, step, start, end);
}

QString SegmentedText::attributes(int, int* start, int* end) const
{
    *start = 0;
    *end = characterCount();
    return {};
}

QString SegmentedText::textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const
{
    return segment(offset, type, -1, start, end);
}

QString SegmentedText::textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const
{
    return segment(offset, type, 0, start, end);
}

QString SegmentedText::textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const
{
    return segment(offset, type, 1, start, end);
}

namespace {

// A one-line field as a screen reader reads and edits it: what it shows
// (dots for a password), its caret and selection.
class LineEditAccessible : public QAccessibleWidget, public SegmentedText, public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* field) : QAccessibleWidget(field, QAccessible::EditableText) {}

    static QAccessibleInterface* make(const QString& className, QObject* object)
    {
        auto* field = qobject_cast<QLineEdit*>(object);
        return className == QLatin1String("QLineEdit") && field ? new LineEditAccessible(field) : nullptr;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString& text) override
    {
        if (kind == QAccessible::Value && !field()->isReadOnly())
            field()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !field()->isReadOnly();
        state.readOnly = field()->isReadOnly();
        state.passwordEdit = field()->echoMode() != QLineEdit::Normal;
        state.selectableText = true;
        return state;
    }

    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && field()->hasSelectedText()) {
            *start = field()->selectionStart();
            *end = *start + field()->selectionLength();
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int start, int end) override { field()->setSelection(start, end - start); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint& point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { field()->setCursorPosition(start); }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        if (field()->isReadOnly())
            return;
        QString now = field()->text();
        now.replace(start, end - start, text);
        field()->setText(now);
    }

private:
    QLineEdit* field() const { return static_cast<QLineEdit*>(widget()); }
    QString shown() const { return field()->displayText(); }
};

} // namespace

void installReadableLineEdits()
{
    static const bool installed = (QAccessible::installFactory(LineEditAccessible::make), true);
    Q_UNUSED(installed);
}
