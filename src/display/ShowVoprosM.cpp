#include "display/ShowVoprosM.h"

#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/frmForma.h"
#include "display/ShowSlovoM.h"

namespace ShowVoprosM {
namespace {
std::string clueOf(int32_t n, int32_t d) {
    const auto& doc = Doc();
    if (doc.AppMode == Mode::SolveBare) return doc.ClueTexts.Get(n, d);
    if (doc.AppMode == Mode::Solve) return doc.ClueTexts.Get(n, 0, d);
    return {};
}
} // namespace

void ShowCrossingClues(int32_t acrossNumber, int32_t downNumber) {
    frmForma* f = MainForm();
    if (!f) return;
    auto& doc = Doc();
    if (acrossNumber != doc.CurNumber && doc.CurNumber > 0) ShowSlovoM::DrawWord(doc.CurNumber, 0, CellColor);
    if (downNumber != doc.CurDownNumber && doc.CurDownNumber > 0)
        ShowSlovoM::DrawWord(doc.CurDownNumber, 1, CellColor);
    if (acrossNumber != 0) {
        f->lblVopros[0]->setText(Q(clueOf(acrossNumber, 0)));
        ShowSlovoM::DrawWord(acrossNumber, 0, SelectionColor);
    } else {
        f->lblVopros[0]->setText(QString());
    }
    if (downNumber != 0) {
        f->lblVopros[1]->setText(Q(clueOf(downNumber, 1)));
        ShowSlovoM::DrawWord(downNumber, 1, SelectionColor);
    } else {
        f->lblVopros[1]->setText(QString());
    }
    doc.CurNumber = acrossNumber;
    doc.CurDownNumber = downNumber;
}

} // namespace ShowVoprosM
