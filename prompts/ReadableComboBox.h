#pragma once

class QComboBox;

// Drop-down lists whose value a screen reader can read. Qt 6.4 hands a screen
// reader a list's value neither as text nor as a selection, so the reader says
// "Connect using combo box" and never "RDP": every list that cannot be typed in
// is offered as text that reads its current item. Before the first list is made.
void installReadableComboBoxes();

// A choice made in the box while it has the keyboard is said aloud.
void sayChoices(QComboBox* box);
