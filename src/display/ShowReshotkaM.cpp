#include "display/ShowReshotkaM.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ProkrutkaM.h"
#include "display/ShowSlovoM.h"
#include "display/ShowVoprosM.h"

namespace ShowReshotkaM {

void RedrawGrid() {
    frmForma* f = MainForm();
    if (!f) return;
    auto& d = Doc();
    f->picPole->S.Clear();
    for (int32_t n = 1; n <= d.NumberCount; ++n)
        for (int32_t dir = 0; dir <= 1; ++dir)
            if (d.ViewSlotTable.Get(n, 2, dir) > 0) ShowSlovoM::DrawWord(n, dir, CellColor);
    ProkrutkaM::UpdateScrollBars();
    f->HScroll1->setValue(0);
    f->VScroll1->setValue(0);
    if (d.AppMode == Mode::SolveBare)
        ShowSlovoM::DrawWord(d.CurNumber, d.CurDirection, SelectionColor);
    else if (d.AppMode == Mode::Solve)
        ShowVoprosM::ShowCrossingClues(d.CurNumber, d.CurDownNumber);
}

} // namespace ShowReshotkaM
