#include "solve/VvodOtvetaMUi.h"

#include "app/DeystvieMUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "basics/Cp1251.h"
#include "display/ShowSlovoMUi.h"
#include "solve/VvodOtvetaM.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/TextBox.h"
#include "widgets/UiText.h"

namespace VvodOtvetaM {

void EnterAnswer(frmForma& f, const QString& text) {
    auto& d = Doc();
    const int32_t n = d.CurNumber, dir = d.CurDirection;
    const std::string typed = Cp(text);
    if (const auto clash = FindConflict(d, n, dir, typed)) {
        const std::string msg = Lang().LangLetterConflict + " " +
                                std::string(1, Cp1251::Char(clash->Crossing)) + ", " +
                                std::string(1, Cp1251::Char(clash->Typed));
        MsgBoxM::Show(Q(msg), MsgBoxM::Style::Critical);
        f.AnswerBox().setSelection(clash->Index, 1);
        return;
    }
    EnterWord(d, n, dir, typed);
    f.CluesChanged();
    f.AnswerBox().clear();
    ShowSlovoM::DrawWord(f, n, dir, CellColor);
    const int64_t left = int64_t{d.WordCount} - d.SolvedCount;
    f.SetWordsCaption(DeystvieM::WordsCaption(left));
    if (left > 0) {
        if (const auto next = NextUnentered(d)) {
            ShowSlovoM::DrawWord(f, d.CurNumber, d.CurDirection, CellColor);
            d.CurNumber = next->first;
            d.CurDirection = next->second;
            ShowSlovoM::DrawWord(f, d.CurNumber, d.CurDirection, SelectionColor);
        }
    } else {
        MsgBoxM::Show(Q(Lang().LangSolvedMsg), MsgBoxM::Style::Information);
    }
}

} // namespace VvodOtvetaM
