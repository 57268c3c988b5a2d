#include "display/ShowSlovoM.h"

#include <algorithm>

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/CellPainter.h"
#include "display/NewFontM.h"
#include "grid/FieldGeometry.h"

namespace ShowSlovoM {

void DrawNumber(int32_t x, int32_t y, int32_t number, Surface& surface) {
    CellPainter::DrawNumber(surface, x, y, number, Opt().NumberSize);
}

void DrawWord(int32_t n, int32_t d, int32_t fillColor) {
    frmForma* f = MainForm();
    if (!f) return;
    const auto& doc = Doc();
    const int32_t cs = Opt().CellSize;
    int32_t c = doc.ViewSlotTable.Get(n, Slot::X, d), r = doc.ViewSlotTable.Get(n, Slot::Y, d);
    const int32_t len = doc.ViewSlotTable.Get(n, Slot::Length, d);
    if (len <= 0) return;
    const FieldGeometry::Box first = FieldGeometry::CellBox(c, r, cs);
    const bool selecting = fillColor == SelectionColor;
    if (selecting) {
        // Bring the word's start into view.
        if (f->picPole->y() + first.Top < 0) f->VScroll1->setValue(first.Top - FieldGeometry::ScrollMargin);
        if (f->picPole->x() + first.Left < 0) f->HScroll1->setValue(first.Left - FieldGeometry::ScrollMargin);
    }
    Surface& s = f->picPole->S;
    const CellPainter::CellMetrics m{cs, std::clamp(Opt().NumberSize, 1, 3), NewFontM::LetterOffsetY};
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
    if (selecting) {
        // Bring the word's end into view: the right and bottom edges of the last cell drawn.
        const int viewBottom =
            f->picControl->height() - (f->HScroll1->isVisible() ? f->HScroll1->height() : 0);
        const int viewRight = f->picControl->width() - (f->VScroll1->isVisible() ? f->VScroll1->width() : 0);
        if (f->VScroll1->isVisible()) {
            const int u = last.Bottom - viewBottom;
            if (u > f->VScroll1->value()) f->VScroll1->setValue(u + FieldGeometry::ScrollMargin);
        }
        if (f->HScroll1->isVisible()) {
            const int u = last.Right - viewRight;
            if (u > f->HScroll1->value()) f->HScroll1->setValue(u + FieldGeometry::ScrollMargin);
        }
    }
}

} // namespace ShowSlovoM
