#pragma once

#include <Qt>

// Where a modifier click copies the clicked cell's check state.
enum class CopyScope { None, Row, Column, Grid };

// Shift: the row; Control: the column; both: the whole grid. Other modifiers play no part.
inline CopyScope copyScopeFor(Qt::KeyboardModifiers modifiers)
{
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool control = modifiers & Qt::ControlModifier;
    if (shift && control)
        return CopyScope::Grid;
    if (shift)
        return CopyScope::Row;
    if (control)
        return CopyScope::Column;
    return CopyScope::None;
}
