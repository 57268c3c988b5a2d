#include "grid/AnalizReshotkiMUi.h"

#include <optional>

#include "app/DeystvieMUi.h"
#include "app/EditHistoryUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/FoundNoOtvetMUi.h"
#include "grid/GridEditUi.h"
#include "grid/LoadReshotkiMUi.h"
#include "grid/ShowVoprosOtvetMUi.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/TextBox.h"
#include "widgets/UiText.h"

namespace AnalizReshotkiM {

void AnalyseGrid(frmForma& f) {
    auto& d = Doc();
    WordTable t = FindWords(d);
    if (t.NumberCount == 0) {
        MsgBoxM::Show(Q(Lang().LangNoWordsMsg), MsgBoxM::Style::Critical);
        return;
    }
    // After a grid edit the words that stay keep their clues and answers; the others are named first.
    std::optional<GridEdit::CarriedTexts> carried;
    if (d.EditingGrid) {
        carried = GridEdit::CarryOver(d, t);
        if (!GridEdit::ConfirmDroppedWords(carried->Dropped)) return;
    }
    EditHistory::DocumentSnapshot before = EditHistory::TakeSnapshot(d);
    ApplyWordTable(d, std::move(t));
    if (carried) d.ClueTexts = std::move(carried->Texts);
    ShowAnalysedGrid(f);
    EditHistory::RecordGridReady(f, std::move(before));
}

void ShowNumberedGrid(frmForma& f, bool selectFirstUnanswered) {
    auto& d = Doc();
    LoadReshotkiM::LoadGrid(f);
    DeystvieM::ApplyMode(f);
    f.SetWordsCaption(DeystvieM::WordsCaption(d.WordCount));
    if (d.NoAnswers != 0) {
        f.setWindowTitle(DeystvieM::BareGridCaption(f));
        return;
    }
    f.setWindowTitle(DeystvieM::AuthoringCaption(f));
    f.ClueBox().setFocus();
    f.SetPrompt(Q(Lang().LangAuthorPrompt));
    if (selectFirstUnanswered)
        FoundNoOtvetM::FindUnanswered(f);
    else if (d.CurNumber > 0)
        ShowVoprosOtvetM::ShowClueAndAnswer(f);
}

void ShowAnalysedGrid(frmForma& f) {
    ShowNumberedGrid(f, true);
    Doc().Modified = true;
}

} // namespace AnalizReshotkiM
