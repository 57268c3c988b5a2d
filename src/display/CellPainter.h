#pragma once
// The one painter of a crossword cell: fill, outline, clue number and letter. The field, the cell
// dialog's preview and the export pictures all draw their cells with it, so they look alike.
#include <QString>
#include <cstdint>

class Surface;

namespace CellPainter {

// What a cell shows. Number 0 prints no number, an empty Letter no letter.
struct CellLook {
    int32_t Fill = 0; // 0x00BBGGRR
    int32_t Number = 0;
    QString Letter;
};

// The sizes a cell is drawn with: its side, the number size 1..3 (another value prints no number) and the
// distance from the cell's top edge to the top of its letter (NewFontM::LetterOffsetY on the field).
struct CellMetrics {
    int32_t CellSize = 0;
    int32_t NumberSize = 1;
    int32_t LetterOffsetY = 0;
};

// The strip of digit glyphs of a number size (clamped to 1..3): the digits 0..9 on white, then on yellow.
const Surface& DigitStrip(int32_t numberSize);

// The cell whose top-left corner is (x, y), in the fixed order: filled, outlined in black (both over
// cellSize + 1 pixels), the number, then the letter over it. The number's glyphs start on the cell's fill,
// so they come from the yellow half of the strip in a selected cell; a cell of one or two pixels has no
// inside, its glyphs start on the outline or beyond and take the white half.
void DrawCell(Surface& s, int32_t x, int32_t y, const CellLook& look, const CellMetrics& m);

// The decimal digits of number (1 or more) into the cell whose corner is (x, y), from the white or the
// yellow half of the strip as the pixel where the glyphs start shows. Not clipped to the cell: a wide
// number runs into the next one.
void DrawNumber(Surface& s, int32_t x, int32_t y, int32_t number, int32_t numberSize);
// The same from the half given: yellow (the selected word's background) or white.
void DrawNumber(Surface& s, int32_t x, int32_t y, int32_t number, int32_t numberSize, bool yellow);

// How far a cell's drawing may reach beyond its box (from its corner to cellSize pixels right and down),
// in pixels on each side: numbers up to largestNumber, and any letter in the surface's font.
struct Reach {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const Reach&) const = default;
};
Reach DrawingReach(const Surface& s, const CellMetrics& m, int32_t largestNumber);

// A letter right-aligned in the cell whose corner is (x, y), in the surface's font and text colour.
void DrawLetter(Surface& s, int32_t x, int32_t y, const QString& letter, const CellMetrics& m);

// The one-character text of a cp1251 code.
const QString& LetterText(int32_t code);

} // namespace CellPainter
