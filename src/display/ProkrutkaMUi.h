#pragma once
// The scroll bars of the field.
#include <QPoint>
#include <cstdint>

#include "grid/FieldGeometry.h"

class QScrollBar;
class QWidget;
class FieldWidget;

// The part of the main window the scroll bars work on: the field's container (the view), the field,
// both bars and the corner square between them.
struct ScrollParts {
    QWidget& View;
    FieldWidget& Field;
    QScrollBar& H;
    QScrollBar& V;
    QWidget& Corner;
};

namespace ProkrutkaM {
// Sizes, ranges and visibility of both scroll bars and the corner square, from the sizes of the field
// picture and of its container.
void UpdateScrollBars(const ScrollParts& p);
// Scrolls a box of the field (a word being selected) into view: a start above or left of the view comes
// ScrollMargin pixels inside its top or left edge; then, where a bar is shown, an end beyond the view's
// bottom or right edge comes ScrollMargin pixels past it.
void ScrollIntoView(const ScrollParts& p, const FieldGeometry::Box& box);
// The mouse wheel over the field: angle in eighths of a degree (120 a notch). Up and down scroll the field
// vertically, sideways (or up and down with Shift held) horizontally, a notch by the desktop's lines per
// notch counted in cells of cellSize pixels, at most a page. A hidden bar does not move.
void ScrollByWheel(const ScrollParts& p, QPoint angle, Qt::KeyboardModifiers modifiers, int32_t cellSize);
} // namespace ProkrutkaM
