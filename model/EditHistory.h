#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// The states the records went through, for undo and redo. A state is the
// whole of zev.conf's text, so restoring one cannot drift from what a save
// would write. States are kept compressed; past the byte budget the oldest
// are dropped.
class EditHistory {
public:
    static constexpr qsizetype kDefaultByteBudget = 128 * 1024 * 1024;

    explicit EditHistory(qsizetype byteBudget = kDefaultByteBudget) : budget(byteBudget) {}

    // Starts a new history at state, which is also what is on disk.
    void reset(const QByteArray& state);
    // A step that also moved the base of the next merge (a merge, a reload):
    // zev.conf as the step found it, before and after.
    struct BaseMove {
        QByteArray before;
        QByteArray after;
    };

    // Adds the step name that led to state; false, and nothing added, when
    // state is the current one. A continuing step (a run of keys moving one
    // label) replaces the last state instead, while that step is the last one,
    // of the same name, neither undone nor saved since.
    bool record(const QString& name, const QByteArray& state, bool continuing = false,
                const std::optional<BaseMove>& baseMove = std::nullopt);

    bool canUndo() const { return current > 0; }
    bool canRedo() const { return current + 1 < states.size(); }
    QString undoName() const { return canUndo() ? states[current].stepName : QString(); }
    QString redoName() const { return canRedo() ? states[current + 1].stepName : QString(); }
    // Each returns the state to restore; base, when given, receives the merge
    // base to put back where the step undone or redone moved it.
    QByteArray undo(std::optional<QByteArray>* base = nullptr);
    QByteArray redo(std::optional<QByteArray>* base = nullptr);

    // The current state is what is on disk now.
    void markSaved() { saved = current; }
    // No state of the history is wholly on disk (a save that wrote only part of it).
    void markNothingSaved() { saved = -1; }
    bool isAtSavedState() const { return current == saved; }
    qsizetype steps() const { return states.size() - 1; }
    qsizetype bytes() const { return used + currentState.size(); }

private:
    struct State {
        QString stepName; // of the step that led here
        QByteArray compressed;
        QByteArray baseBefore; // compressed; both empty unless the step moved the base
        QByteArray baseAfter;
        bool movesBase = false;

        qsizetype size() const { return compressed.size() + baseBefore.size() + baseAfter.size(); }
    };
    void moveTo(qsizetype index);
    void dropOldestBeyondBudget();

    QList<State> states;
    QByteArray currentState;
    qsizetype current = -1;
    qsizetype saved = -1; // -1: no state in the history is what is on disk
    qsizetype budget;
    qsizetype used = 0;
};
