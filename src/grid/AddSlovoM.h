#pragma once
// Rules of answer and clue entry while a crossword is authored: whether a typed answer agrees with the
// crossing words, and how storing or removing an answer changes the working layers and texts. The window
// side (AddSlovoMUi) shows the messages and draws around these.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "document/KrossDocument.h"
#include "grid/LetterConflict.h"

namespace AddSlovoM {

enum class StoreCheck {
    Ok,       // the answer may be stored
    Refused,  // silently refused: a space in it, a length other than the word's, or no such word
    Conflict, // a letter clashes with a crossing word (see LetterConflict)
};

struct StoreVerdict {
    StoreCheck Kind = StoreCheck::Refused;
    LetterConflict Conflict; // meaningful for Conflict only
};

// Whether answer (cp1251, upper-cased here) may be stored for word (n, d). The characters are taken in
// order along the word's cells from its SlotTable start; the first one that is a space refuses the
// answer, the first one that differs from a crossing letter (layer 5 - d, when not 0) is the conflict.
StoreVerdict CheckStore(const KrossDocument& doc, int32_t n, int32_t d, std::string_view answer);

// Stores an answer that CheckStore accepted: layer 3 and layer 4 + d of each cell take its codes,
// Clue(n, d) = clue, Answer(n, d) = the upper-cased answer, Modified set. Does nothing
// unless CheckStore gives Ok.
void StoreAnswer(KrossDocument& doc, int32_t n, int32_t d, std::string_view clue, std::string_view answer);

// Removes the stored answer of word (n, d): each cell shows the crossing word's letter (or none) and loses
// this word's letter; Clue(n, d) = clue, the answer emptied. Modified is left as it was.
// False, with nothing changed, when the word has no stored answer.
bool RemoveAnswer(KrossDocument& doc, int32_t n, int32_t d, std::string_view clue);

// The word to select after word (n, d) was stored or removed: the other direction of n when it exists and
// has no answer, otherwise FoundNoOtvetM::FirstUnanswered.
std::optional<std::pair<int32_t, int32_t>> NextAfterEntry(const KrossDocument& doc, int32_t n, int32_t d);

} // namespace AddSlovoM
