#pragma once
// Drawing the whole grid.
class frmForma;

namespace ShowReshotkaM {
// Clears the field, draws every word, scrolls back to the top-left corner and restores the selection.
void RedrawGrid(frmForma& f);
} // namespace ShowReshotkaM
