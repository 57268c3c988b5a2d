#include "grid/AnalizReshotkiMUi.h"

#include "app/DeystvieMUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/FoundNoOtvetMUi.h"
#include "grid/LoadReshotkiMUi.h"
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
    ApplyWordTable(d, std::move(t));
    ShowAnalysedGrid(f);
}

void ShowAnalysedGrid(frmForma& f) {
    auto& d = Doc();
    LoadReshotkiM::LoadGrid(f);
    DeystvieM::ApplyMode(f);
    f.SetWordsCaption(DeystvieM::WordsCaption(d.WordCount));
    if (d.NoAnswers != 0) {
        f.setWindowTitle(DeystvieM::BareGridCaption(f));
    } else {
        f.setWindowTitle(DeystvieM::AuthoringCaption(f));
        f.ClueBox().setFocus();
        f.SetPrompt(Q(Lang().LangAuthorPrompt));
        FoundNoOtvetM::FindUnanswered(f);
    }
    d.Modified = true;
}

} // namespace AnalizReshotkiM
