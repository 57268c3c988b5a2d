#include "grid/FoundNoOtvetM.h"

namespace FoundNoOtvetM {

std::optional<std::pair<int32_t, int32_t>> FirstUnanswered(const KrossDocument& doc) {
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (doc.WordLength(n, d) > 0 && doc.ClueTexts.Answer(n, d).empty()) return std::pair{n, d};
    return std::nullopt;
}

} // namespace FoundNoOtvetM
