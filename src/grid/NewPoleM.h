#pragma once
// The empty field of a new grid.
namespace NewPoleM {
// Draws the field for the current size and cell size with every cell open, and scrolls to its corner.
void NewField();
} // namespace NewPoleM
