#include "solve/ProverkaOtvetaMUi.h"

#include "app/DeystvieM.h"
#include "app/MsgBoxM.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/frmForma.h"
#include "display/ShowSlovoM.h"
#include "display/ShowVoprosM.h"
#include "solve/SolveRules.h"

namespace ProverkaOtvetaM {

void CheckAnswer(const QString& text) {
    frmForma* f = MainForm();
    if (!f) return;
    auto& d = Doc();
    const auto solved = SolveIfCorrect(d, Cp(text));
    if (!solved) {
        MsgBoxM::Show(Q(Lang().LangText[9]), MsgBoxM::Style::Information);
        return;
    }
    const int32_t n = solved->Number, dir = solved->Direction;
    ShowSlovoM::DrawWord(n, dir, CellColor);
    f->txtOtvet->clear();
    f->lblVopros[static_cast<size_t>(dir)]->setText(QString());
    const int64_t left = int64_t{d.WordCount} - d.SolvedCount;
    f->lblSlov->setText(DeystvieM::WordsCaption(left));
    if (dir == 0 && d.CurDownNumber >= 1) {
        ShowSlovoM::DrawWord(d.CurDownNumber, 1, SelectionColor);
        return;
    }
    if (dir == 1 && d.CurNumber > 0) {
        ShowSlovoM::DrawWord(d.CurNumber, 0, SelectionColor);
        return;
    }
    if (left >= 1) {
        if (const auto next = NextUnsolvedNumber(d, n))
            ShowVoprosM::ShowCrossingClues(next->first, next->second);
        return;
    }
    MsgBoxM::Show(Q(Lang().LangSolvedMsg), MsgBoxM::Style::Information);
}

} // namespace ProverkaOtvetaM
