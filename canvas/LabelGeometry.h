#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

// Where a server label sits and which of its edges is pinned at the minimum size.
struct LabelBox {
    int xpos = 0;
    int ypos = 0;
    int width = 0;
    int height = 0;
    bool horizontalHold = false;
    bool verticalHold = false;

    bool operator==(const LabelBox& other) const
    {
        return xpos == other.xpos && ypos == other.ypos && width == other.width && height == other.height &&
               horizontalHold == other.horizontalHold && verticalHold == other.verticalHold;
    }
};

// One drag step of a label, as the mouse handlers see it.
struct DragInput {
    int zone = 0;      // chosen when the drag began
    QRect bounds;      // the picture's area
    QPoint last;       // last pointer position, parent coordinates
    QPoint now;        // new pointer position, parent coordinates
    QPoint press;      // where the button went down, label coordinates
};

inline constexpr int kMinimumLabelSize = 30;

// The zone under a pointer at (x, y) of a label of the given size: 0 the
// middle, 1-4 the corners (tested first), 5-8 the left, right, top and bottom edges.
int labelZoneAt(int x, int y, int width, int height);
Qt::CursorShape cursorForZone(int zone);

// Moves (zone 0) or resizes (zones 1-8) the box by one pointer step.
LabelBox dragStep(const DragInput& input, LabelBox box);
// Moves the box by the given pixels, or resizes it from its bottom-right
// corner, as a drag by them would, within the same bounds and minimum size.
LabelBox keyStep(const QRect& bounds, LabelBox box, QPoint by, bool resize);
