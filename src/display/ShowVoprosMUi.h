#pragma once
// The clues of the across and the down word through a cell.
#include <cstdint>

class frmForma;

namespace ShowVoprosM {
// Unselects the words shown before, shows the clue texts of the across and the down word in the two clue
// labels and selects both words (0 = no word in that direction); records them as the selection.
void ShowCrossingClues(frmForma& f, int32_t acrossNumber, int32_t downNumber);
} // namespace ShowVoprosM
