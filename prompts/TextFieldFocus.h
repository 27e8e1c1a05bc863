#pragma once

class QApplication;

// A text field reached with Tab is heard. Qt 6.4 lets a field select its text
// (and so move its caret) while it takes the keyboard, before it tells a screen
// reader that it has the keyboard; the reader follows the caret silently and
// then takes the news of the focus as old, so Tab to a field says nothing. The
// field is told it has the keyboard just after the screen reader is, or at the
// latest when a key reaches it.
void sayTextFieldsOnFocus(QApplication& app);
