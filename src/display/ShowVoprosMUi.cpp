#include "display/ShowVoprosMUi.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ShowSlovoMUi.h"
#include "widgets/UiText.h"

namespace ShowVoprosM {
namespace {
std::string clueOf(int32_t n, int32_t d) {
    const auto& doc = Doc();
    if (doc.AppMode == Mode::SolveBare) return doc.ClueTexts.Word(n, d);
    if (doc.AppMode == Mode::Solve) return doc.ClueTexts.Clue(n, d);
    return {};
}
} // namespace

void ShowCrossingClues(frmForma& f, int32_t acrossNumber, int32_t downNumber) {
    auto& doc = Doc();
    if (acrossNumber != doc.CurNumber && doc.CurNumber > 0)
        ShowSlovoM::DrawWord(f, doc.CurNumber, 0, CellColor);
    if (downNumber != doc.CurDownNumber && doc.CurDownNumber > 0)
        ShowSlovoM::DrawWord(f, doc.CurDownNumber, 1, CellColor);
    if (acrossNumber != 0) {
        f.ShowClue(0, Q(clueOf(acrossNumber, 0)));
        ShowSlovoM::DrawWord(f, acrossNumber, 0, SelectionColor);
    } else {
        f.ShowClue(0, QString());
    }
    if (downNumber != 0) {
        f.ShowClue(1, Q(clueOf(downNumber, 1)));
        ShowSlovoM::DrawWord(f, downNumber, 1, SelectionColor);
    } else {
        f.ShowClue(1, QString());
    }
    doc.CurNumber = acrossNumber;
    doc.CurDownNumber = downNumber;
}

} // namespace ShowVoprosM
