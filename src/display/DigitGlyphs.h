#pragma once
// The digit glyphs that clue numbers are drawn with. There are three strips, one per number size step:
// each holds the digits 0..9 in black on white followed by the same digits in black on yellow, so that a
// number printed into a selected (yellow) cell keeps the cell's background.
//
//   size 1: glyphs 5 x 7,   strip 100 x 7
//   size 2: glyphs 10 x 14, strip 200 x 14
//   size 3: glyphs 15 x 17, strip 300 x 17
//
// Sizes 2 and 3 are heavier drawings of the same digits (strokes of 2 and 3 pixels) and always leave the
// rightmost column of a glyph empty, so the digits of a number never run into each other.
#include <cstdint>
#include <string>
#include <vector>

namespace DigitGlyphs {

constexpr int32_t MinSize = 1;
constexpr int32_t MaxSize = 3;

// Colours of the strip, as 0xRRGGBB.
constexpr uint32_t Black = 0x000000;
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Yellow = 0xFFFF00;

// A number size brought into 1..3 (a smaller value gives 1, a larger one 3).
int32_t ClampSize(int32_t numberSize);

// Width of one glyph: 5 x the number size (5, 10, 15).
int32_t GlyphWidth(int32_t numberSize);

// Height of a glyph and of its strip: 7, 14 or 17.
int32_t GlyphHeight(int32_t numberSize);

// The rows of a digit, top row first, "#" a black pixel and "." the background. The number size is
// clamped to 1..3; a digit outside 0..9 has no rows (an empty list).
const std::vector<std::string>& Rows(int32_t numberSize, int32_t digit);

// True when pixel (x, y) of the digit's glyph is black; false outside the glyph or for a digit outside 0..9.
bool IsBlack(int32_t numberSize, int32_t digit, int32_t x, int32_t y);

// A strip as pixels, row by row, each pixel 0xRRGGBB.
struct StripImage {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Pixels; // Width x Height, row 0 first

    uint32_t At(int32_t x, int32_t y) const {
        return Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)];
    }
};

// The whole strip of a number size (clamped to 1..3): glyphs 0..9 on white, then glyphs 10..19 with the
// same digits on yellow; glyph g starts at x = g x GlyphWidth.
StripImage BuildStrip(int32_t numberSize);

} // namespace DigitGlyphs
