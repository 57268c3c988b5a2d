#include "solve/VvodOtvetaMUi.h"

#include "app/DeystvieM.h"
#include "app/MsgBoxM.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/frmForma.h"
#include "basics/Cp1251.h"
#include "display/ShowSlovoM.h"
#include "solve/SolveRules.h"

namespace VvodOtvetaM {

void EnterAnswer(const QString& text) {
    frmForma* f = MainForm();
    if (!f) return;
    auto& d = Doc();
    const int32_t n = d.CurNumber, dir = d.CurDirection;
    const std::string typed = Cp(text);
    if (const auto clash = FindConflict(d, n, dir, typed)) {
        const std::string msg = Lang().LangLetterConflict + " " +
                                std::string(1, Cp1251::Char(clash->Crossing)) + ", " +
                                std::string(1, Cp1251::Char(clash->Typed));
        MsgBoxM::Show(Q(msg), MsgBoxM::Style::Critical);
        f->txtOtvet->setSelection(clash->Index, 1);
        return;
    }
    EnterWord(d, n, dir, typed);
    f->txtOtvet->clear();
    ShowSlovoM::DrawWord(n, dir, CellColor);
    const int64_t left = int64_t{d.WordCount} - d.SolvedCount;
    f->lblSlov->setText(DeystvieM::WordsCaption(left));
    if (left > 0) {
        if (const auto next = NextUnentered(d)) {
            ShowSlovoM::DrawWord(d.CurNumber, d.CurDirection, CellColor);
            d.CurNumber = next->first;
            d.CurDirection = next->second;
            ShowSlovoM::DrawWord(d.CurNumber, d.CurDirection, SelectionColor);
        }
    } else {
        MsgBoxM::Show(Q(Lang().LangSolvedMsg), MsgBoxM::Style::Information);
    }
}

} // namespace VvodOtvetaM
