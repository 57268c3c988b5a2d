#pragma once
// Drawing one word of the grid, and the clue numbers.
#include <cstdint>

class Surface;
class frmForma;

namespace ShowSlovoM {
// Draws every cell of word (n, d) on the window's field in the fill colour, with its outline, number and
// letter; the selection colour also scrolls the word into view.
void DrawWord(frmForma& f, int32_t n, int32_t d, int32_t fillColor);
// Prints the digits of number into the cell whose top-left corner is (x, y), from the white or yellow
// half of the digit strip, as the pixel where the digits start shows.
void DrawNumber(int32_t x, int32_t y, int32_t number, Surface& surface);
} // namespace ShowSlovoM
