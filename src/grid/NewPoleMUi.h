#pragma once
// The field of a grid being drawn: open cells white, blocked cells green, and in the open cells the
// numbers the grid would get if it were numbered now.
#include <cstdint>
#include <vector>

#include "document/EditHistory.h"

class frmForma;

namespace NewPoleM {
// Draws the field for the current size and cell size with every cell open, and scrolls to its corner; the
// numbers are those of the cells as the document holds them.
void NewField(frmForma& f);
// Draws the field with each cell as the document holds it (a grid brought back to drawing, or undone).
void ShowDrawnGrid(frmForma& f);
// After cells changed: paints the changed cells in their new colours, then every cell whose number
// differs from numbersBefore (AnalizReshotkiM::CellNumbers of the grid before the change).
void PaintChanges(frmForma& f, const std::vector<int32_t>& numbersBefore,
                  const std::vector<EditHistory::CellChange>& cells);
// Prints the numbers of the grid into its open cells (after the field was painted anew at another size).
void ShowNumbers(frmForma& f);
} // namespace NewPoleM
