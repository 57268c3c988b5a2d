#include "display/ShowSlovoMUi.h"

#include <algorithm>

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/CellPainter.h"
#include "display/NewFontMUi.h"
#include "grid/FieldGeometry.h"

namespace ShowSlovoM {

void DrawNumber(int32_t x, int32_t y, int32_t number, Surface& surface) {
    CellPainter::DrawNumber(surface, x, y, number, Opt().NumberSize);
}

void DrawWord(frmForma& f, int32_t n, int32_t d, int32_t fillColor) {
    const auto& doc = Doc();
    const int32_t cs = Opt().CellSize;
    int32_t c = doc.ViewSlotTable.Get(n, Slot::X, d), r = doc.ViewSlotTable.Get(n, Slot::Y, d);
    const int32_t len = doc.ViewSlotTable.Get(n, Slot::Length, d);
    if (len <= 0) return;
    Surface& s = f.FieldSurface();
    const CellPainter::CellMetrics m{cs, std::clamp(Opt().NumberSize, 1, 3), NewFontM::LetterOffsetY};
    const FieldGeometry::Box first = FieldGeometry::CellBox(c, r, cs);
    FieldGeometry::Box last = first;
    for (int32_t k = 1; k <= len; ++k) {
        last = FieldGeometry::CellBox(c, r, cs);
        const int32_t letter = doc.GridLayers.Get(c, r, Layer::Letter);
        CellPainter::DrawCell(s, last.Left, last.Top,
                              {fillColor, doc.GridLayers.Get(c, r, Layer::Number),
                               letter > 0 ? CellPainter::LetterText(letter) : QString()},
                              m);
        if (d == 0)
            ++c;
        else
            ++r;
    }
    // A selected word is brought into view, its start first.
    if (fillColor == SelectionColor) f.ScrollIntoView({first.Left, first.Top, last.Right, last.Bottom});
}

} // namespace ShowSlovoM
