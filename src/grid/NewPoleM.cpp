#include "grid/NewPoleM.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ProkrutkaM.h"

namespace NewPoleM {

void NewField() {
    frmForma* f = MainForm();
    if (!f) return;
    const auto& d = Doc();
    const int32_t cs = Opt().CellSize;
    Surface& s = f->picPole->S;
    s.Clear();
    s.Resize(cs * d.GridWidth + 15, cs * d.GridHeight + 15);
    s.FillBox(5, 5, 5 + cs * d.GridWidth, 5 + cs * d.GridHeight, Colors::White);
    for (int32_t c = 0; c <= d.GridWidth; ++c)
        s.Line(5 + c * cs, 5, 5 + c * cs, 5 + cs * d.GridHeight, Colors::Black);
    // The horizontal lines are one pixel longer, which closes the bottom-right corner.
    for (int32_t r = 0; r <= d.GridHeight; ++r)
        s.Line(5, 5 + r * cs, 6 + cs * d.GridWidth, 5 + r * cs, Colors::Black);
    f->picPole->show();
    ProkrutkaM::UpdateScrollBars();
    f->HScroll1->setValue(0);
    f->VScroll1->setValue(0);
}

} // namespace NewPoleM
