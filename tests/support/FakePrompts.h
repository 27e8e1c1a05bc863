#pragma once

#include "prompts/Prompts.h"

#include <QStringList>
#include <QWidget>

// Scripted stand-in for every message box and file dialog. The title of each
// is kept in shown, and the folder a file dialog opened in; questions take the
// queued answers, file dialogs the queued names. A call that finds nothing
// queued counts as unexpected and gets No or an empty name.
class FakePrompts : public Prompts {
public:
    FakePrompts() { install(this); }
    ~FakePrompts() override { install(nullptr); }

    QStringList shown;
    QString folder;
    QList<QMessageBox::StandardButton> answers;
    QStringList fileNames;
    int unexpected = 0;

    QStringList details; // of the boxes that had any
    QStringList texts; // of the information and warning boxes
    void information(QWidget* parent, const QString& title, const QString& text, const QString& why = QString()) override
    {
        note(parent, title, why);
        texts << text;
    }
    void warning(QWidget* parent, const QString& title, const QString& text, const QString& why = QString()) override
    {
        note(parent, title, why);
        texts << text;
    }
    QStringList questions; // the texts of the questions asked
    QMessageBox::StandardButton question(QWidget* parent, const QString& title, const QString& text,
                                         QMessageBox::StandardButtons, QMessageBox::StandardButton,
                                         QMessageBox::StandardButton,
                                         const QMap<QMessageBox::StandardButton, QString>& = {}) override
    {
        note(parent, title, QString());
        questions << text;
        return next(answers, QMessageBox::No);
    }
    // Each conflict dialog takes the next of "mine", "theirs" or "cancel"; the conflicts shown
    // are kept as "record/field/base/mine/theirs".
    QStringList settlements;
    QStringList conflicts;
    bool settleConflicts(QWidget* parent, QList<MergeConflict>& shownConflicts) override
    {
        note(parent, QStringLiteral("Merge conflicts"), QString());
        for (const MergeConflict& c : shownConflicts)
            conflicts << QStringList{c.record, c.field, c.base, c.mine, c.theirs}.join(u'/');
        const QString settled = next(settlements, QStringLiteral("cancel"));
        for (MergeConflict& c : shownConflicts)
            c.takeTheirs = settled == QLatin1String("theirs");
        return settled != QLatin1String("cancel");
    }
    QString openFileName(QWidget*, const QString& caption, const QString& dir, const QString&) override
    {
        return fileDialog(caption, dir);
    }
    QString saveFileName(QWidget*, const QString& caption, const QString& dir, const QString&) override
    {
        return fileDialog(caption, dir);
    }

private:
    void note(QWidget*, const QString& title, const QString& why)
    {
        shown << title;
        if (!why.isEmpty())
            details << why;
    }
    QString fileDialog(const QString& caption, const QString& dir)
    {
        shown << caption;
        folder = dir;
        return next(fileNames, QString());
    }
    template <typename T>
    T next(QList<T>& queue, const T& none)
    {
        unexpected += queue.isEmpty() ? 1 : 0;
        return queue.isEmpty() ? none : queue.takeFirst();
    }
};
