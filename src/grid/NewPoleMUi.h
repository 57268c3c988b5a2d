#pragma once
// The empty field of a new grid.
class frmForma;

namespace NewPoleM {
// Draws the field for the current size and cell size with every cell open, and scrolls to its corner.
void NewField(frmForma& f);
} // namespace NewPoleM
