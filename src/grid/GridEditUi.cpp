#include "grid/GridEditUi.h"

#include "app/AuthoringTexts.h"
#include "app/DeystvieMUi.h"
#include "app/EditHistoryUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "grid/NewPoleMUi.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace GridEdit {

void EditGrid(frmForma& f) {
    auto& d = Doc();
    if (!IsAuthoringMode(d.AppMode)) return;
    EditHistory::DocumentSnapshot before = EditHistory::TakeSnapshot(d);
    BackToDrawing(d);
    ShowDrawing(f);
    EditHistory::RecordGridEdit(f, std::move(before));
}

void ShowDrawing(frmForma& f) {
    f.setWindowTitle(DeystvieM::NewGridCaption(f));
    NewPoleM::ShowDrawnGrid(f);
    DeystvieM::ApplyMode(f);
    f.Form_Resize();
}

bool DrawingToLose() {
    return HasDrawingToLose(Doc());
}

bool UnsavedWorkInDrawing() {
    const auto& d = Doc();
    return d.AppMode == Mode::NewGrid && d.EditingGrid && d.Modified;
}

bool ConfirmDiscardDrawing() {
    return MsgBoxM::Show(Tr(AuthoringTexts::DiscardDrawnGrid), MsgBoxM::Style::Confirm) ==
           MsgBoxM::Answer::Yes;
}

bool ConfirmDroppedWords(const std::vector<DroppedWord>& dropped) {
    if (dropped.empty()) return true;
    return MsgBoxM::Show(Q(DroppedWordsQuestion(Lang(), dropped)), MsgBoxM::Style::Confirm) ==
           MsgBoxM::Answer::Yes;
}

} // namespace GridEdit
