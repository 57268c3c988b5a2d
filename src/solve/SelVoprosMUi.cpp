#include "solve/SelVoprosMUi.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ShowVoprosMUi.h"
#include "solve/SelVoprosM.h"
#include "widgets/TextBox.h"

namespace SelVoprosM {

void SelectClue(frmForma& f, int32_t n) {
    const auto [a, d] = CluesForNumber(Doc(), n);
    if (a + d == 0) return;
    ShowVoprosM::ShowCrossingClues(f, a, d);
    f.AnswerBox().clear();
}

} // namespace SelVoprosM
