#pragma once
// The empty field of a new grid, and its cells while the grid is drawn.
#include <cstdint>

class frmForma;

namespace NewPoleM {
// Draws the empty field for the grid's size at the cell size in force: every cell open (white) inside
// its black grid lines; shows the field and scrolls it to its top-left corner.
void NewField(frmForma& f);
// Cell (c, r) of the grid being drawn shows colour inside its grid lines (white open, green blocked).
void DrawCell(frmForma& f, int32_t c, int32_t r, int32_t colour);
} // namespace NewPoleM
