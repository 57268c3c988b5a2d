#pragma once
// Choosing the clues of a clue number while solving.
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "document/KrossDocument.h"

namespace SelVoprosM {

// The clues to show for number n: (a, d) with a = n when n has an unsolved across word, else 0, and d
// likewise for down. (0, 0) means nothing is left to show for n.
std::pair<int32_t, int32_t> CluesForNumber(const KrossDocument& doc, int32_t n);

} // namespace SelVoprosM
