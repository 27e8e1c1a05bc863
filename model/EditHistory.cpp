#include "model/EditHistory.h"

namespace {

// Fast compression: a step at fleet scale must not make the window stutter.
constexpr int kCompressionLevel = 1;

} // namespace

void EditHistory::reset(const QByteArray& state)
{
    states = {{QString(), qCompress(state, kCompressionLevel), {}, {}, false}};
    used = states[0].size();
    currentState = state;
    current = 0;
    saved = 0;
}

bool EditHistory::record(const QString& name, const QByteArray& state, bool continuing,
                         const std::optional<BaseMove>& baseMove)
{
    if (current < 0 || state == currentState)
        return false;
    continuing = continuing && !baseMove;
    // The step goes on: the last one, of that name, not undone, not saved since.
    if (continuing && current > 0 && !canRedo() && saved != current && states[current].stepName == name) {
        used -= states[current].size();
        states[current].compressed = qCompress(state, kCompressionLevel);
        used += states[current].size();
        currentState = state;
        return true;
    }
    while (states.size() > current + 1)
        used -= states.takeLast().size();
    if (saved > current)
        saved = -1;
    State step{name, qCompress(state, kCompressionLevel), {}, {}, false};
    if (baseMove) {
        step.baseBefore = qCompress(baseMove->before, kCompressionLevel);
        step.baseAfter = qCompress(baseMove->after, kCompressionLevel);
        step.movesBase = true;
    }
    states.append(std::move(step));
    used += states.last().size();
    currentState = state;
    ++current;
    dropOldestBeyondBudget();
    return true;
}

QByteArray EditHistory::undo(std::optional<QByteArray>* base)
{
    if (canUndo()) {
        if (base && states[current].movesBase)
            *base = qUncompress(states[current].baseBefore);
        moveTo(current - 1);
    }
    return currentState;
}

QByteArray EditHistory::redo(std::optional<QByteArray>* base)
{
    if (canRedo()) {
        moveTo(current + 1);
        if (base && states[current].movesBase)
            *base = qUncompress(states[current].baseAfter);
    }
    return currentState;
}

void EditHistory::moveTo(qsizetype index)
{
    current = index;
    currentState = qUncompress(states[current].compressed);
}

void EditHistory::dropOldestBeyondBudget()
{
    while (bytes() > budget && current > 0) {
        used -= states.takeFirst().size();
        --current;
        saved = saved > 0 ? saved - 1 : -1;
    }
}
