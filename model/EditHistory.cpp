#include "model/EditHistory.h"

namespace {

// Fast compression: a step at fleet scale must not make the window stutter.
constexpr int kCompressionLevel = 1;

} // namespace

void EditHistory::reset(const QByteArray& state)
{
    states = {{QString(), qCompress(state, kCompressionLevel)}};
    used = states[0].compressed.size();
    currentState = state;
    current = 0;
    saved = 0;
}

bool EditHistory::record(const QString& name, const QByteArray& state, bool continuing)
{
    if (current < 0 || state == currentState)
        return false;
    // The step goes on: the last one, of that name, not undone, not saved since.
    if (continuing && current > 0 && !canRedo() && saved != current && states[current].stepName == name) {
        used -= states[current].compressed.size();
        states[current].compressed = qCompress(state, kCompressionLevel);
        used += states[current].compressed.size();
        currentState = state;
        return true;
    }
    while (states.size() > current + 1)
        used -= states.takeLast().compressed.size();
    if (saved > current)
        saved = -1;
    states.append({name, qCompress(state, kCompressionLevel)});
    used += states.last().compressed.size();
    currentState = state;
    ++current;
    dropOldestBeyondBudget();
    return true;
}

QByteArray EditHistory::undo()
{
    if (canUndo())
        moveTo(current - 1);
    return currentState;
}

QByteArray EditHistory::redo()
{
    if (canRedo())
        moveTo(current + 1);
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
        used -= states.takeFirst().compressed.size();
        --current;
        saved = saved > 0 ? saved - 1 : -1;
    }
}
