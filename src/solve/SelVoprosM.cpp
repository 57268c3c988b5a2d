#include "solve/SelVoprosM.h"

#include <algorithm>
#include <string>

#include "basics/Cp1251.h"
#include "grid/WordPlace.h"
#include "solve/SolvedCount.h"

namespace SelVoprosM {

std::pair<int32_t, int32_t> CluesForNumber(const KrossDocument& doc, int32_t n) {
    const bool across = doc.ViewLength(n, 0) > 0 && doc.SolvedWords.Get(n, 0) == 0;
    const bool down = doc.ViewLength(n, 1) > 0 && doc.SolvedWords.Get(n, 1) == 0;
    return {across ? n : 0, down ? n : 0};
}

} // namespace SelVoprosM
