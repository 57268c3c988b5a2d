#include "grid/AnalizReshotkiMUi.h"

#include "app/DeystvieM.h"
#include "app/MsgBoxM.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/frmForma.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/FoundNoOtvetMUi.h"
#include "grid/LoadReshotkiMUi.h"

namespace AnalizReshotkiM {

void AnalyseGrid() {
    auto& d = Doc();
    WordTable t = FindWords(d);
    if (t.NumberCount == 0) {
        MsgBoxM::Show(Q(Lang().LangNoWordsMsg), MsgBoxM::Style::Critical);
        return;
    }
    ApplyWordTable(d, std::move(t));
    ShowAnalysedGrid();
}

void ShowAnalysedGrid() {
    frmForma* f = MainForm();
    auto& d = Doc();
    LoadReshotkiM::LoadGrid();
    DeystvieM::ApplyMode();
    if (!f) return;
    f->lblSlov->setText(DeystvieM::WordsCaption(d.WordCount));
    if (d.NoAnswers != 0) {
        f->setWindowTitle(DeystvieM::BareGridCaption());
    } else {
        f->setWindowTitle(DeystvieM::AuthoringCaption());
        f->txtVoprosOtvet->setFocus();
        f->lblVoprosOtvet->setText(Q(Lang().LangAuthorPrompt));
        FoundNoOtvetM::FindUnanswered();
    }
    d.Modified = true;
}

} // namespace AnalizReshotkiM
