#include "grid/LoadReshotkiMUi.h"

#include <QCoreApplication>

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ShowReshotkaM.h"
#include "grid/FieldGeometry.h"
#include "grid/LoadReshotkiM.h"

namespace LoadReshotkiM {

void LoadGrid() {
    frmForma* f = MainForm();
    auto& d = Doc();
    const int32_t cs = Opt().CellSize;
    if (f) {
        f->picPole->S.Clear();
        f->picPole->S.Resize(FieldGeometry::NumberedFieldSide(d.GridWidth, cs),
                             FieldGeometry::NumberedFieldSide(d.GridHeight, cs));
        f->picPole->show();
    }
    BuildLayers(d);
    QCoreApplication::processEvents();
    ShowReshotkaM::RedrawGrid();
}

} // namespace LoadReshotkiM
