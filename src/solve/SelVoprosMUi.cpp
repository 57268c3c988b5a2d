#include "solve/SelVoprosMUi.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ShowVoprosM.h"
#include "solve/SolveRules.h"

namespace SelVoprosM {

void SelectClue(int32_t n) {
    const auto [a, d] = CluesForNumber(Doc(), n);
    if (a + d == 0) return;
    ShowVoprosM::ShowCrossingClues(a, d);
    if (MainForm()) MainForm()->txtOtvet->clear();
}

} // namespace SelVoprosM
