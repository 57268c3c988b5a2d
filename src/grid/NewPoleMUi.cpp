#include "grid/NewPoleMUi.h"

#include <string>
#include <utility>

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/CellPainter.h"
#include "display/DigitGlyphs.h"
#include "display/FieldWidget.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/FieldGeometry.h"

namespace NewPoleM {

namespace {

// Cell (c, r) of the grid being drawn: its inside in the colour of its code, and the number it would get.
void paintCell(frmForma& f, int32_t c, int32_t r, int32_t number) {
    const int32_t cs = Opt().CellSize;
    const FieldGeometry::Box inside = FieldGeometry::InnerBox(c, r, cs);
    Surface& s = f.FieldSurface();
    const bool blocked = Doc().Cell(c, r) != 0;
    s.FillBox(inside.Left, inside.Top, inside.Right, inside.Bottom, blocked ? Colors::Green : Colors::White);
    if (!blocked && number > 0)
        CellPainter::DrawNumber(s, FieldGeometry::CellLeft(c, cs), FieldGeometry::CellTop(r, cs), number,
                                Opt().NumberSize);
}

int32_t numberAt(const std::vector<int32_t>& numbers, int32_t c, int32_t r) {
    const size_t i = static_cast<size_t>(r) * static_cast<size_t>(Doc().GridWidth) + static_cast<size_t>(c);
    return i < numbers.size() ? numbers[i] : 0;
}

// The numbers printed into the open cells as numbers gives them.
void printNumbers(frmForma& f, const std::vector<int32_t>& numbers) {
    const auto& d = Doc();
    const int32_t cs = Opt().CellSize;
    for (int32_t r = 0; r < d.GridHeight; ++r)
        for (int32_t c = 0; c < d.GridWidth; ++c)
            if (const int32_t n = numberAt(numbers, c, r); n > 0 && d.Cell(c, r) == 0)
                CellPainter::DrawNumber(f.FieldSurface(), FieldGeometry::CellLeft(c, cs),
                                        FieldGeometry::CellTop(r, cs), n, Opt().NumberSize);
}

} // namespace

void NewField(frmForma& f) {
    const auto& d = Doc();
    const int32_t cs = Opt().CellSize;
    using namespace FieldGeometry;
    Surface& s = f.FieldSurface();
    s.Clear();
    s.Resize(static_cast<int>(DrawingFieldSide(d.GridWidth, cs)),
             static_cast<int>(DrawingFieldSide(d.GridHeight, cs)));
    const Box grid = GridBox(d.GridWidth, d.GridHeight, cs);
    s.FillBox(grid.Left, grid.Top, grid.Right, grid.Bottom, Colors::White);
    for (int32_t c = 0; c <= d.GridWidth; ++c)
        s.Line(CellLeft(c, cs), grid.Top, CellLeft(c, cs), grid.Bottom, Colors::Black);
    // The horizontal lines are one pixel longer, which closes the bottom-right corner.
    for (int32_t r = 0; r <= d.GridHeight; ++r)
        s.Line(grid.Left, CellTop(r, cs), grid.Right + 1, CellTop(r, cs), Colors::Black);
    printNumbers(f, AnalizReshotkiM::CellNumbers(d));
    f.Field().show();
    f.UpdateScrollBars();
    f.ScrollHome();
}

void ShowDrawnGrid(frmForma& f) {
    NewField(f);
    const auto& d = Doc();
    const int32_t cs = Opt().CellSize;
    for (int32_t r = 0; r < d.GridHeight; ++r)
        for (int32_t c = 0; c < d.GridWidth; ++c)
            if (d.Cell(c, r) != 0) {
                const FieldGeometry::Box inside = FieldGeometry::InnerBox(c, r, cs);
                f.FieldSurface().FillBox(inside.Left, inside.Top, inside.Right, inside.Bottom, Colors::Green);
            }
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
    // A number wider than its cell runs into the cells on its right: print it again over a cell painted
    // after it.
    const int32_t cs = Opt().CellSize;
    const int32_t glyph = DigitGlyphs::GlyphWidth(Opt().NumberSize);
    for (auto [c, r] : painted)
        for (int32_t left = c - 1; left >= 0 && (c - left) * cs < FieldGeometry::NumberInset + 10 * glyph;
             --left) {
            const int32_t n = numberAt(numbers, left, r);
            if (n <= 0 || d.Cell(left, r) != 0) continue;
            const auto width = static_cast<int32_t>(std::to_string(n).size()) * glyph;
            if (FieldGeometry::NumberInset + width > (c - left) * cs)
                CellPainter::DrawNumber(f.FieldSurface(), FieldGeometry::CellLeft(left, cs),
                                        FieldGeometry::CellTop(r, cs), n, Opt().NumberSize);
        }
}

void ShowNumbers(frmForma& f) {
    printNumbers(f, AnalizReshotkiM::CellNumbers(Doc()));
}

} // namespace NewPoleM
