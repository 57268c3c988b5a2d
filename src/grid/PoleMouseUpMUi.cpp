#include "grid/PoleMouseUpMUi.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ShowSlovoMUi.h"
#include "display/ShowVoprosMUi.h"
#include "grid/FieldGeometry.h"
#include "grid/NewPoleMUi.h"
#include "grid/ShowVoprosOtvetMUi.h"

namespace PoleMouseUpM {
namespace {

void toggleCell(frmForma& f, int32_t c, int32_t r) {
    auto& d = Doc();
    const int32_t v = d.Cell(c, r) != 0 ? 0 : 1;
    const int32_t color = v == 0 ? Colors::White : Colors::Green;
    const bool symmetric = f.Symmetric();
    for (auto [cc, rr] : FieldGeometry::SymmetryCells(c, r, d.GridWidth, d.GridHeight, symmetric)) {
        NewPoleM::DrawCell(f, cc, rr, color);
        d.SetCell(cc, rr, v);
    }
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
