#include "grid/ShowVoprosOtvetM.h"

#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/frmForma.h"
#include "display/ShowSlovoM.h"
#include "document/frmFindWord.h"

namespace ShowVoprosOtvetM {

void ShowClueAndAnswer() {
    frmForma* f = MainForm();
    if (!f) return;
    const auto& d = Doc();
    const int32_t n = d.CurNumber, dir = d.CurDirection;
    ShowSlovoM::DrawWord(n, dir, SelectionColor);
    const QString clue = Q(d.ClueTexts.Get(n, 0, dir));
    f->lblVopros[static_cast<size_t>(1 - dir)]->setText(QString());
    f->lblVopros[static_cast<size_t>(dir)]->setText(clue);
    f->txtVoprosOtvet->setText(clue);
    f->txtOtvet->setText(Q(d.ClueTexts.Get(n, 1, dir)));
    f->txtVoprosOtvet->setFocus();
    // An open word-search window follows the selection.
    frmFindWord::FollowSelection();
}

} // namespace ShowVoprosOtvetM
