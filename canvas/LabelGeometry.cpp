#include "canvas/LabelGeometry.h"

#include "model/Server.h"

#include <array>
#include <vector>

namespace {

// The left and top bands are 11 pixels wide (0 to 10), the right and bottom bands 9.
constexpr int kNearBand = 10;
constexpr int kFarBand = 9;

enum class Edge { Left, Right, Top, Bottom };

struct ZoneRule {
    Qt::CursorShape cursor;
    std::vector<Edge> edges; // in the order the drag applies them; none for a move
};

const std::array<ZoneRule, 9>& zoneRules()
{
    static const std::array<ZoneRule, 9> rules = {{
        {Qt::ArrowCursor, {}},
        {Qt::SizeFDiagCursor, {Edge::Top, Edge::Left}},
        {Qt::SizeBDiagCursor, {Edge::Top, Edge::Right}},
        {Qt::SizeBDiagCursor, {Edge::Bottom, Edge::Left}},
        {Qt::SizeFDiagCursor, {Edge::Bottom, Edge::Right}},
        {Qt::SizeHorCursor, {Edge::Left}},
        {Qt::SizeHorCursor, {Edge::Right}},
        {Qt::SizeVerCursor, {Edge::Top}},
        {Qt::SizeVerCursor, {Edge::Bottom}},
    }};
    return rules;
}

void moveStep(const DragInput& in, LabelBox& box)
{
    // The label follows the pointer, keeping the pressed point under it.
    const QPoint pointerInLabel = in.now - QPoint(box.xpos, box.ypos);
    box.xpos += pointerInLabel.x() - in.press.x();
    box.ypos += pointerInLabel.y() - in.press.y();
    if (box.xpos < in.bounds.left())
        box.xpos = in.bounds.left();
    if (box.ypos < in.bounds.top())
        box.ypos = in.bounds.top();
    // Right and bottom last, so they win for a label larger than the picture.
    if (box.xpos + box.width > in.bounds.width())
        box.xpos = in.bounds.width() - box.width;
    if (box.ypos + box.height > in.bounds.height())
        box.ypos = in.bounds.height() - box.height;
}

void leftEdgeStep(const DragInput& in, LabelBox& box)
{
    const int px = in.now.x();
    const int d = px - in.last.x();
    if (d == 0)
        return;
    if (px < in.bounds.left()) {
        box.width += box.xpos - in.bounds.left();
        box.xpos = in.bounds.left();
        return;
    }
    if (d > 0) {
        if (box.width - d > kMinimumLabelSize - 1) {
            box.xpos += d;
            box.width -= d;
        } else {
            box.xpos = box.xpos + box.width - kMinimumLabelSize;
            box.width = kMinimumLabelSize;
            box.horizontalHold = true;
        }
        return;
    }
    if (box.horizontalHold && box.xpos < px)
        return; // still right of the pinned edge
    box.horizontalHold = false;
    box.xpos += d;
    box.width -= d;
}

void rightEdgeStep(const DragInput& in, LabelBox& box)
{
    const int px = in.now.x();
    if (px == in.last.x())
        return;
    if (box.horizontalHold) {
        if (px <= box.xpos + kMinimumLabelSize - 1)
            return;
        box.horizontalHold = false;
    }
    if (px > in.bounds.width()) {
        box.width = in.bounds.width() - box.xpos;
        return;
    }
    const int newWidth = box.width + (px - in.last.x());
    if (newWidth < kMinimumLabelSize) {
        box.width = kMinimumLabelSize;
        box.horizontalHold = true;
    } else {
        box.width = newWidth;
    }
}

void topEdgeStep(const DragInput& in, LabelBox& box)
{
    const int py = in.now.y();
    const int d = in.last.y() - py;
    if (d == 0)
        return;
    if (box.verticalHold) {
        if (box.ypos < py)
            return;
        box.verticalHold = false;
    }
    if (py < in.bounds.top()) {
        box.height = box.ypos + box.height - in.bounds.top();
        box.ypos = in.bounds.top();
        return;
    }
    if (box.height + d < kMinimumLabelSize) {
        box.ypos = box.ypos + box.height - kMinimumLabelSize;
        box.height = kMinimumLabelSize;
        box.verticalHold = true;
        return;
    }
    box.ypos -= d;
    box.height += d;
}

void bottomEdgeStep(const DragInput& in, LabelBox& box)
{
    const int py = in.now.y();
    if (py == in.last.y())
        return;
    if (box.verticalHold) {
        if (py <= box.ypos + kMinimumLabelSize - 1)
            return;
        box.verticalHold = false;
    }
    if (py > in.bounds.height()) {
        box.height = in.bounds.height() - box.ypos;
        return;
    }
    const int newHeight = box.height + (py - in.last.y());
    if (newHeight < kMinimumLabelSize) {
        box.height = kMinimumLabelSize;
        box.verticalHold = true;
    } else {
        box.height = newHeight;
    }
}

} // namespace

int labelZoneAt(int x, int y, int width, int height)
{
    const bool left = x <= kNearBand;
    const bool right = x >= width - kFarBand;
    const bool top = y <= kNearBand;
    const bool bottom = y >= height - kFarBand;
    if (left && top)
        return 1;
    if (right && top)
        return 2;
    if (left && bottom)
        return 3;
    if (right && bottom)
        return 4;
    if (left)
        return 5;
    if (right)
        return 6;
    if (top)
        return 7;
    if (bottom)
        return 8;
    return 0;
}

Qt::CursorShape cursorForZone(int zone)
{
    return zoneRules().at(zone).cursor;
}

LabelBox dragStep(const DragInput& input, LabelBox box)
{
    // A label far off the picture (a hand-edited file) comes within reach first: no step can overflow.
    const QRect reach = labelRect(box.xpos, box.ypos, box.width, box.height);
    box.xpos = reach.x();
    box.ypos = reach.y();
    box.width = reach.width();
    box.height = reach.height();
    const ZoneRule& rule = zoneRules().at(input.zone);
    if (rule.edges.empty()) {
        moveStep(input, box);
        return box;
    }
    for (Edge edge : rule.edges) {
        switch (edge) {
        case Edge::Left:
            leftEdgeStep(input, box);
            break;
        case Edge::Right:
            rightEdgeStep(input, box);
            break;
        case Edge::Top:
            topEdgeStep(input, box);
            break;
        case Edge::Bottom:
            bottomEdgeStep(input, box);
            break;
        }
    }
    return box;
}

LabelBox keyStep(const QRect& bounds, LabelBox box, QPoint by, bool resize)
{
    box.horizontalHold = box.verticalHold = false;
    const QPoint corner(box.xpos + box.width, box.ypos + box.height);
    // A move keeps the label's own corner under the pointer; a resize drags the bottom-right corner.
    const DragInput input = resize ? DragInput{4, bounds, corner, corner + by, QPoint()}
                                   : DragInput{0, bounds, QPoint(), QPoint(box.xpos, box.ypos) + by, QPoint()};
    LabelBox moved = dragStep(input, box);
    moved.horizontalHold = moved.verticalHold = false;
    return moved;
}
