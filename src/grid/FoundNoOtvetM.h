#pragma once
// Which word of the crossword being authored still lacks an answer.
#include <cstdint>
#include <optional>
#include <utility>

#include "document/KrossDocument.h"

namespace FoundNoOtvetM {

// The first word without an answer: numbers 1..NumberCount, across before down, a word that exists in
// SlotTable and whose answer Answer(n, d) is empty. Nothing when every word has an answer.
std::optional<std::pair<int32_t, int32_t>> FirstUnanswered(const KrossDocument& doc);

} // namespace FoundNoOtvetM
