#include "grid/NewPoleMUi.h"

#include <string>
#include <utility>

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/DigitGlyphs.h"
#include "display/FieldWidget.h"
#include "display/NewFontMUi.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/FieldGeometry.h"

namespace NewPoleM {

namespace {

// Cell (c, r) of the grid being drawn: its inside in the colour of its code, and the number it would get.
void paintCell(frmForma& f, int32_t c, int32_t r, int32_t number) {
    const bool blocked = Doc().Cell(c, r) != 0;
    f.Field().DrawCell(c, r, blocked ? Colors::Green : Colors::White, blocked ? 0 : number, 0);
}

int32_t numberAt(const std::vector<int32_t>& numbers, int32_t c, int32_t r) {
    const size_t i = static_cast<size_t>(r) * static_cast<size_t>(Doc().GridWidth) + static_cast<size_t>(c);
    return i < numbers.size() ? numbers[i] : 0;
}

// The numbered open cells drawn again with their numbers, over the cells drawn before them.
void printNumbers(frmForma& f, const std::vector<int32_t>& numbers) {
    const auto& d = Doc();
    for (int32_t r = 0; r < d.GridHeight; ++r)
        for (int32_t c = 0; c < d.GridWidth; ++c)
            if (const int32_t n = numberAt(numbers, c, r); n > 0 && d.Cell(c, r) == 0)
                f.Field().DrawCell(c, r, Colors::White, n, 0);
}

} // namespace

void NewField(frmForma& f) {
    const auto& d = Doc();
    const int32_t cs = Opt().CellSize;
    using namespace FieldGeometry;
    FieldWidget& field = f.Field();
    field.SetLayout(static_cast<int>(DrawingFieldSide(d.GridWidth, cs)),
                    static_cast<int>(DrawingFieldSide(d.GridHeight, cs)), d.GridWidth, d.GridHeight);
    field.SetMetrics(NewFontM::FieldMetrics());
    field.Clear();
    // The grid's cells, each a white inside in its black outline: the grid lines close every side.
    for (int32_t r = 0; r < d.GridHeight; ++r)
        for (int32_t c = 0; c < d.GridWidth; ++c)
            field.DrawCell(c, r, Colors::White, 0, 0);
    printNumbers(f, AnalizReshotkiM::CellNumbers(d));
    field.show();
    f.UpdateScrollBars();
    f.ScrollHome();
}

void ShowDrawnGrid(frmForma& f) {
    NewField(f);
    const auto& d = Doc();
    for (int32_t r = 0; r < d.GridHeight; ++r)
        for (int32_t c = 0; c < d.GridWidth; ++c)
            if (d.Cell(c, r) != 0) f.Field().DrawCell(c, r, Colors::Green, 0, 0);
}

void PaintChanges(frmForma& f, const std::vector<int32_t>& numbersBefore,
                  const std::vector<EditHistory::CellChange>& cells) {
    const auto& d = Doc();
    const std::vector<int32_t> numbers = AnalizReshotkiM::CellNumbers(d);
    std::vector<std::pair<int32_t, int32_t>> painted;
    // The changed cells first, in the order they were set, as a click paints them.
    for (const auto& cell : cells) {
        paintCell(f, cell.Col, cell.Row, numberAt(numbers, cell.Col, cell.Row));
        painted.emplace_back(cell.Col, cell.Row);
    }
    for (int32_t r = 0; r < d.GridHeight; ++r)
        for (int32_t c = 0; c < d.GridWidth; ++c)
            if (numberAt(numbers, c, r) != numberAt(numbersBefore, c, r)) {
                paintCell(f, c, r, numberAt(numbers, c, r));
                painted.emplace_back(c, r);
            }
    // A number wider than its cell runs into the cells on its right: its cell is drawn again, so the
    // number lies over a cell painted after it.
    const int32_t cs = Opt().CellSize;
    const int32_t glyph = DigitGlyphs::GlyphWidth(Opt().NumberSize);
    for (auto [c, r] : painted)
        for (int32_t left = c - 1; left >= 0 && (c - left) * cs < FieldGeometry::NumberInset + 10 * glyph;
             --left) {
            const int32_t n = numberAt(numbers, left, r);
            if (n <= 0 || d.Cell(left, r) != 0) continue;
            const auto width = static_cast<int32_t>(std::to_string(n).size()) * glyph;
            if (FieldGeometry::NumberInset + width > (c - left) * cs)
                f.Field().DrawCell(left, r, Colors::White, n, 0);
        }
}

void ShowNumbers(frmForma& f) {
    printNumbers(f, AnalizReshotkiM::CellNumbers(Doc()));
}

} // namespace NewPoleM
