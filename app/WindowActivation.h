#pragma once

class QApplication;

// Keeps the window Qt counts as active in step with the one the window system
// gives the keyboard. A file dialog closed with Return while its list of
// completions is open hands the keyboard back to the main window while Qt still
// counts the list as open; Qt then never activates the window, nothing in it has
// the keyboard, and a screen reader hears nothing. Once no list or menu is open,
// the window that has the keyboard is made the active one.
void keepActiveWindowInStep(QApplication& app);
