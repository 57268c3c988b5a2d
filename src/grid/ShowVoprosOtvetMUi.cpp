#include "grid/ShowVoprosOtvetMUi.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ShowSlovoMUi.h"
#include "widgets/TextBox.h"
#include "widgets/UiText.h"

namespace ShowVoprosOtvetM {

void ShowClueAndAnswer(frmForma& f) {
    const auto& d = Doc();
    const int32_t n = d.CurNumber, dir = d.CurDirection;
    ShowSlovoM::DrawWord(f, n, dir, SelectionColor);
    const QString clue = Q(d.ClueTexts.Clue(n, dir));
    f.ShowClue(1 - dir, QString());
    f.ShowClue(dir, clue);
    f.ClueBox().setText(clue);
    f.AnswerBox().setText(Q(d.ClueTexts.Answer(n, dir)));
    f.ClueBox().setFocus();
    f.SelectionShown();
}

} // namespace ShowVoprosOtvetM
