#pragma once

#include <QAccessibleTextInterface>
#include <QString>

// A piece of a short text as a screen reader asks for it: the character, word
// or sentence at, before or after an offset (step 0, -1 or +1), between two
// boundaries of that kind; a line, a paragraph or more is the whole text. The
// offset -1 stands for the end and -2 for the caret, which the caller resolves.
// Qt 6.4's own answer loops for ever on some words (Ctrl+Left in a field froze
// the program under a screen reader); this one walks the text once.
QString textSegment(const QString& text, int offset, QAccessible::TextBoundaryType type, int step, int* start,
                    int* end);

// The text interface's questions about pieces, answered by textSegment, and
// about formatting: the text is one run without attributes (a screen reader
// reads the text run by run, and a run of nothing cost it the last letter).
class SegmentedText : public QAccessibleTextInterface {
public:
    QString attributes(int offset, int* start, int* end) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override;

private:
    QString segment(int offset, QAccessible::TextBoundaryType type, int step, int* start, int* end) const;
};

// Text fields a screen reader can read word by word without freezing the
// program. Before the first field is made.
void installReadableLineEdits();
