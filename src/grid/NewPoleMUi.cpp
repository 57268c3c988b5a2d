#include "grid/NewPoleMUi.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/FieldWidget.h"
#include "display/NewFontMUi.h"
#include "grid/FieldGeometry.h"

namespace NewPoleM {

void NewField(frmForma& f) {
    const auto& d = Doc();
    const int32_t cs = Opt().CellSize;
    using namespace FieldGeometry;
    FieldWidget& field = f.Field();
    field.SetLayout(static_cast<int>(DrawingFieldSide(d.GridWidth, cs)),
                    static_cast<int>(DrawingFieldSide(d.GridHeight, cs)), d.GridWidth, d.GridHeight);
    field.SetMetrics(NewFontM::FieldMetrics());
    field.Clear();
    // The grid's cells, each a white inside in its black outline: the grid lines close every side.
    for (int32_t r = 0; r < d.GridHeight; ++r)
        for (int32_t c = 0; c < d.GridWidth; ++c)
            DrawCell(f, c, r, Colors::White);
    field.show();
    f.UpdateScrollBars();
    f.ScrollHome();
}

void DrawCell(frmForma& f, int32_t c, int32_t r, int32_t colour) {
    f.Field().DrawCell(c, r, colour, 0, 0);
}

} // namespace NewPoleM
