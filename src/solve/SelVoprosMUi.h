#pragma once
// Choosing the clues of a number while a crossword with answers is solved.
#include <cstdint>

class frmForma;

namespace SelVoprosM {
// Shows the clues of number n's unsolved words and selects them; nothing when all of n's words are solved.
void SelectClue(frmForma& f, int32_t n);
} // namespace SelVoprosM
