#include "grid/FoundNoOtvetMUi.h"

#include "app/ProgramState.h"
#include "grid/FoundNoOtvetM.h"
#include "grid/ShowVoprosOtvetMUi.h"

namespace FoundNoOtvetM {

void FindUnanswered(frmForma& f) {
    auto& d = Doc();
    if (const auto word = FirstUnanswered(d)) {
        d.CurNumber = word->first;
        d.CurDirection = word->second;
        ShowVoprosOtvetM::ShowClueAndAnswer(f);
    } else {
        d.CurNumber = 0;
        d.CurDirection = 1;
    }
}

} // namespace FoundNoOtvetM
