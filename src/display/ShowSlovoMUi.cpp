#include "display/ShowSlovoMUi.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/CellPainter.h"
#include "display/FieldWidget.h"
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
    FieldWidget& field = f.Field();
    const FieldGeometry::Box first = FieldGeometry::CellBox(c, r, cs);
    // Each cell shows the fill with its number and letter from the layers, over its earlier drawings.
    for (int32_t k = 1; k <= len; ++k) {
        field.DrawCell(c, r, fillColor, doc.GridLayers.Get(c, r, Layer::Number),
                       doc.GridLayers.Get(c, r, Layer::Letter));
        if (k < len) (d == 0 ? c : r) += 1;
    }
    // A selected word is brought into view, its start first.
    const FieldGeometry::Box last = FieldGeometry::CellBox(c, r, cs);
    if (fillColor == SelectionColor) f.ScrollIntoView({first.Left, first.Top, last.Right, last.Bottom});
}

} // namespace ShowSlovoM
