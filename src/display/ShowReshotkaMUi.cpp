#include "display/ShowReshotkaMUi.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/FieldWidget.h"
#include "display/NewFontMUi.h"
#include "display/ShowSlovoMUi.h"
#include "display/ShowVoprosMUi.h"

namespace ShowReshotkaM {

void RedrawGrid(frmForma& f) {
    auto& d = Doc();
    FieldWidget& field = f.Field();
    field.SetMetrics(NewFontM::FieldMetrics());
    field.Clear();
    for (int32_t n = 1; n <= d.NumberCount; ++n)
        for (int32_t dir = 0; dir <= 1; ++dir)
            if (d.ViewSlotTable.Get(n, 2, dir) > 0) ShowSlovoM::DrawWord(f, n, dir, CellColor);
    f.UpdateScrollBars();
    f.ScrollHome();
    if (d.AppMode == Mode::SolveBare)
        ShowSlovoM::DrawWord(f, d.CurNumber, d.CurDirection, SelectionColor);
    else if (d.AppMode == Mode::Solve)
        ShowVoprosM::ShowCrossingClues(f, d.CurNumber, d.CurDownNumber);
}

} // namespace ShowReshotkaM
