#include "solve/ProverkaOtvetaMUi.h"

#include "app/DeystvieMUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ShowSlovoMUi.h"
#include "display/ShowVoprosMUi.h"
#include "solve/ProverkaOtvetaM.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/TextBox.h"
#include "widgets/UiText.h"

namespace ProverkaOtvetaM {

void CheckAnswer(frmForma& f, const QString& text) {
    auto& d = Doc();
    const auto solved = SolveIfCorrect(d, Cp(text));
    if (!solved) {
        MsgBoxM::Show(Q(Lang().LangText[LangTextItem::WrongAnswerMsg]), MsgBoxM::Style::Information);
        return;
    }
    const int32_t n = solved->Number, dir = solved->Direction;
    f.CluesChanged();
    ShowSlovoM::DrawWord(f, n, dir, CellColor);
    f.AnswerBox().clear();
    f.ShowClue(dir, QString());
    const int64_t left = int64_t{d.WordCount} - d.SolvedCount;
    f.SetWordsCaption(DeystvieM::WordsCaption(left));
    if (dir == 0 && d.CurDownNumber >= 1) {
        ShowSlovoM::DrawWord(f, d.CurDownNumber, 1, SelectionColor);
        return;
    }
    if (dir == 1 && d.CurNumber > 0) {
        ShowSlovoM::DrawWord(f, d.CurNumber, 0, SelectionColor);
        return;
    }
    if (left >= 1) {
        if (const auto next = NextUnsolvedNumber(d, n))
            ShowVoprosM::ShowCrossingClues(f, next->first, next->second);
        return;
    }
    MsgBoxM::Show(Q(Lang().LangSolvedMsg), MsgBoxM::Style::Information);
}

} // namespace ProverkaOtvetaM
