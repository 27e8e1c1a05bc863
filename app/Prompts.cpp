#include "app/Prompts.h"

#include <QFileDialog>

namespace {

Prompts* installedPrompts = nullptr;

} // namespace

Prompts& Prompts::current()
{
    static WidgetPrompts widgetPrompts;
    return installedPrompts ? *installedPrompts : widgetPrompts;
}

void Prompts::install(Prompts* prompts)
{
    installedPrompts = prompts;
}

QMessageBox::StandardButton Prompts::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    return current().question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
}

void WidgetPrompts::information(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void WidgetPrompts::warning(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::warning(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

QMessageBox::StandardButton WidgetPrompts::question(QWidget* parent, const QString& title, const QString& text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::question(parent, title, text, buttons, defaultButton);
}

QString WidgetPrompts::openFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString WidgetPrompts::saveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                    const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}
