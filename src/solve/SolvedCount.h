#pragma once
// The solved-word count and the unsolved test that answer checking and answer entry share.
#include <cstdint>
#include <limits>

#include "document/KrossDocument.h"

namespace SolvedCount {

// The solved count comes from an answers file as well; it saturates rather than wraps.
inline void CountUp(KrossDocument& doc) {
    if (doc.SolvedCount < std::numeric_limits<int32_t>::max()) ++doc.SolvedCount;
}
inline void CountDown(KrossDocument& doc) {
    if (doc.SolvedCount > std::numeric_limits<int32_t>::min()) --doc.SolvedCount;
}

// True when word (n, d) exists on the displayed grid and is not solved yet.
inline bool Unsolved(const KrossDocument& doc, int32_t n, int32_t d) {
    return doc.ViewLength(n, d) != 0 && doc.SolvedWords.Get(n, d) == 0;
}

} // namespace SolvedCount
