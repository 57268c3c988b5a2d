#include "grid/PoleMouseUpMUi.h"

#include "app/EditHistoryUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ShowSlovoMUi.h"
#include "display/ShowVoprosMUi.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/FieldGeometry.h"
#include "grid/NewPoleMUi.h"
#include "grid/ShowVoprosOtvetMUi.h"

namespace PoleMouseUpM {
namespace {

// The cell and its symmetric partners all take the code the clicked cell did not have; the numbers the
// grid would get follow. One undo step.
void toggleCell(frmForma& f, int32_t c, int32_t r) {
    auto& d = Doc();
    const int32_t v = d.Cell(c, r) != 0 ? 0 : 1;
    const auto cells = FieldGeometry::SymmetryCells(c, r, d.GridWidth, d.GridHeight, f.SymmetryInForce());
    const std::vector<int32_t> numbers = AnalizReshotkiM::CellNumbers(d);
    std::vector<EditHistory::CellChange> changes = EditHistory::SetCells(d, cells, v);
    NewPoleM::PaintChanges(f, numbers, changes);
    EditHistory::RecordCells(f, std::move(changes));
}

// Selects the word of the other direction through the cell when there is one, else the cell's word.
bool selectThroughCell(frmForma& f, int32_t c, int32_t r) {
    auto& d = Doc();
    const int32_t o = d.GridLayers.Get(c, r, 1 - d.CurDirection);
    const int32_t s = d.GridLayers.Get(c, r, d.CurDirection);
    if (o + s == 0) return false;
    if (d.CurNumber > 0) ShowSlovoM::DrawWord(f, d.CurNumber, d.CurDirection, CellColor);
    if (o > 0) d.CurDirection = 1 - d.CurDirection;
    d.CurNumber = d.GridLayers.Get(c, r, d.CurDirection);
    return true;
}

} // namespace

void FieldClick(frmForma& f, double x, double y) {
    auto& d = Doc();
    const auto cell = FieldGeometry::PointToCell(x, y, Opt().CellSize, d.GridWidth, d.GridHeight);
    if (!cell) return;
    const auto [c, r] = *cell;
    switch (d.AppMode) {
    case Mode::NewGrid:
        toggleCell(f, c, r);
        break;
    case Mode::Authoring:
        if (selectThroughCell(f, c, r)) ShowVoprosOtvetM::ShowClueAndAnswer(f);
        break;
    case Mode::SolveBare:
        if (selectThroughCell(f, c, r)) ShowSlovoM::DrawWord(f, d.CurNumber, d.CurDirection, SelectionColor);
        break;
    case Mode::Solve: {
        const int32_t a = d.GridLayers.Get(c, r, 0), dn = d.GridLayers.Get(c, r, 1);
        if (a + dn >= 1) ShowVoprosM::ShowCrossingClues(f, a, dn);
        break;
    }
    default:
        break;
    }
}

} // namespace PoleMouseUpM
