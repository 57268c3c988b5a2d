#pragma once
// The letter font of the grid pictures and the cell metrics derived from it.
#include <QFont>
#include <cstdint>

#include "app/SettingsFile.h"
#include "display/CellPainter.h"

class Surface;
class frmForma;

namespace NewFontM {

// Distance from a cell's top edge to the top of its letter: CellSize minus the height of "0" in the
// letter font, rounded. Negative when the font is taller than the cell.
extern int32_t LetterOffsetY;

// Sets the letter font and colour on the window's field and export picture, and recomputes LetterOffsetY
// from the field's font.
void ApplyLetterFont(frmForma& f);
// The same for one surface (the export picture of the command line, which has no window).
void ApplyLetterFontTo(Surface& surface);

// The sizes the field's cells are drawn with now: CellSize, NumberSize (1..3) and LetterOffsetY.
CellPainter::CellMetrics FieldMetrics();

// The letter font described by the settings (face, size, bold, italic, underline; never struck out).
QFont LetterFont(const Settings& s);

// Registers sensible sans-serif faces for the classic face names that do not exist on this platform.
void RegisterFontSubstitutes();

} // namespace NewFontM
