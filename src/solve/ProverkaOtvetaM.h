#pragma once
// Answer checking while a crossword with answers is solved (mode 5), and deleting an answer. Letters are
// placed along the words as displayed (ViewSlotTable). The window side (ProverkaOtvetaMUi) shows the
// messages and draws around these.
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "document/KrossDocument.h"

namespace ProverkaOtvetaM {

struct SolvedWord {
    int32_t Number = 0;
    int32_t Direction = 0;
    bool operator==(const SolvedWord&) const = default;
};

// Checks a typed answer (cp1251) against the words whose clues are shown: upper-cased, and reversed in
// the turned style, it must equal the stored answer of the across word CurNumber (tried first) or of the
// down word CurDownNumber. On a match that word is solved: its cells show the upper-cased text in typed
// order and lose its number in layer d, CurNumber (or CurDownNumber) becomes 0, SolvedCount grows by one,
// SolvedWords(n, d) = 1, Modified is set; the solved word is returned. Nothing changes otherwise.
std::optional<SolvedWord> SolveIfCorrect(KrossDocument& doc, std::string_view text);

// The next number with an unsolved word after number n: n + 1 .. NumberCount, then 1 .. n, one round
// only. Returns (a, b): a the number if its across word is unsolved, else 0; b likewise for down.
std::optional<std::pair<int32_t, int32_t>> NextUnsolvedNumber(const KrossDocument& doc, int32_t n);

// Whether Delete answer may act on word (n, d): in mode 3 when it has a stored answer, in mode 4 when it
// has been entered; never in other modes.
bool CanDeleteAnswer(const KrossDocument& doc, int32_t n, int32_t d);

// Deletes the answer of word (n, d) when CanDeleteAnswer holds: each displayed cell loses this word's
// letter and shows the crossing word's letter, if any; in mode 3 clue and answer are emptied, in mode 4
// the entered word is emptied, SolvedWords(n, d) = 0 and SolvedCount drops by one; Modified is set.
// The word stays selectable. False, with nothing changed, when the condition does not hold.
bool DeleteAnswer(KrossDocument& doc, int32_t n, int32_t d);

} // namespace ProverkaOtvetaM
