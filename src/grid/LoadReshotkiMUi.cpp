#include "grid/LoadReshotkiMUi.h"

#include <QCoreApplication>

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/FieldWidget.h"
#include "display/ShowReshotkaMUi.h"
#include "grid/FieldGeometry.h"
#include "grid/LoadReshotkiM.h"

namespace LoadReshotkiM {

void LoadGrid(frmForma& f) {
    auto& d = Doc();
    const int32_t cs = Opt().CellSize;
    FieldWidget& field = f.Field();
    field.Clear();
    field.SetLayout(FieldGeometry::NumberedFieldSide(d.GridWidth, cs),
                    FieldGeometry::NumberedFieldSide(d.GridHeight, cs), d.GridWidth, d.GridHeight);
    field.show();
    BuildLayers(d);
    QCoreApplication::processEvents();
    ShowReshotkaM::RedrawGrid(f);
    f.CluesChanged();
}

} // namespace LoadReshotkiM
