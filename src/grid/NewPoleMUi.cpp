#include "grid/NewPoleMUi.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/FieldWidget.h"
#include "grid/FieldGeometry.h"

namespace NewPoleM {

void NewField(frmForma& f) {
    const auto& d = Doc();
    const int32_t cs = Opt().CellSize;
    using namespace FieldGeometry;
    Surface& s = f.FieldSurface();
    s.Clear();
    s.Resize(static_cast<int>(DrawingFieldSide(d.GridWidth, cs)),
             static_cast<int>(DrawingFieldSide(d.GridHeight, cs)));
    const Box grid = GridBox(d.GridWidth, d.GridHeight, cs);
    s.FillBox(grid.Left, grid.Top, grid.Right, grid.Bottom, Colors::White);
    for (int32_t c = 0; c <= d.GridWidth; ++c)
        s.Line(CellLeft(c, cs), grid.Top, CellLeft(c, cs), grid.Bottom, Colors::Black);
    // The horizontal lines are one pixel longer, which closes the bottom-right corner.
    for (int32_t r = 0; r <= d.GridHeight; ++r)
        s.Line(grid.Left, CellTop(r, cs), grid.Right + 1, CellTop(r, cs), Colors::Black);
    f.Field().show();
    f.UpdateScrollBars();
    f.ScrollHome();
}

} // namespace NewPoleM
