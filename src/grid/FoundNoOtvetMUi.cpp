#include "grid/FoundNoOtvetMUi.h"

#include "app/ProgramState.h"
#include "grid/EntryRules.h"
#include "grid/ShowVoprosOtvetM.h"

namespace FoundNoOtvetM {

void FindUnanswered() {
    auto& d = Doc();
    if (const auto word = FirstUnanswered(d)) {
        d.CurNumber = word->first;
        d.CurDirection = word->second;
        ShowVoprosOtvetM::ShowClueAndAnswer();
    } else {
        d.CurNumber = 0;
        d.CurDirection = 1;
    }
}

} // namespace FoundNoOtvetM
