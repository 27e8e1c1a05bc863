#include "support/FakePrompts.h"

QStringList FakePrompts::kinds() const
{
    QStringList result;
    for (const Call& call : calls)
        result << call.kind;
    return result;
}

QStringList FakePrompts::titles() const
{
    QStringList result;
    for (const Call& call : calls)
        result << call.title;
    return result;
}

void FakePrompts::information(QWidget*, const QString& title, const QString& text)
{
    calls.append({QStringLiteral("information"), title, text, QMessageBox::Ok, QMessageBox::NoButton, {}});
}

void FakePrompts::warning(QWidget*, const QString& title, const QString& text)
{
    calls.append({QStringLiteral("warning"), title, text, QMessageBox::Ok, QMessageBox::NoButton, {}});
}

QMessageBox::StandardButton FakePrompts::question(QWidget*, const QString& title, const QString& text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton,
                                                  QMessageBox::StandardButton escapeButton)
{
    calls.append({QStringLiteral("question"), title, text, buttons, defaultButton, {}, escapeButton});
    if (answers.isEmpty()) {
        ++unexpected;
        return QMessageBox::No;
    }
    return answers.takeFirst();
}

QString FakePrompts::openFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter)
{
    calls.append({QStringLiteral("open"), caption, filter, {}, QMessageBox::NoButton, dir});
    return nextFileName();
}

QString FakePrompts::saveFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter)
{
    calls.append({QStringLiteral("save"), caption, filter, {}, QMessageBox::NoButton, dir});
    return nextFileName();
}

QString FakePrompts::nextFileName()
{
    if (fileNames.isEmpty()) {
        ++unexpected;
        return {};
    }
    return fileNames.takeFirst();
}
