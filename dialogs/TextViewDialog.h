#pragma once

#include <QDialog>

// A text to read, not to edit, with "Copy" to put it on the clipboard.
class TextViewDialog : public QDialog {
    Q_OBJECT
public:
    TextViewDialog(QWidget* parent, const QString& title, const QString& text);
};
