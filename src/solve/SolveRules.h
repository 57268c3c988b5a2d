#pragma once
// Rules of solving: checking a typed answer against the stored ones (mode 5), entering words into a bare
// grid (mode 4), choosing the clues of a number, and deleting an answer. Letters are placed along the
// words as displayed (ViewSlotTable). The window code shows the messages and draws around these.
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "document/KrossDocument.h"
#include "grid/EntryRules.h"

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

namespace VvodOtvetaM {

// The first letter of the typed word (cp1251, upper-cased here) that clashes with the crossing word's
// letter (layer 5 - d, when not 0) along the displayed cells of word (n, d); nothing when all agree.
std::optional<LetterConflict> FindConflict(const KrossDocument& doc, int32_t n, int32_t d,
                                           std::string_view text);

// Enters the typed word into word (n, d) of a bare grid: the upper-cased letters go into layer 3 and
// layer 4 + d of the displayed cells in typed order; SolvedCount grows only when the word's first cell had
// no letter of its own before; ClueTexts(n, d) takes the word in unturned reading order; SolvedWords(n, d)
// = 1; Modified is set. The caller has checked FindConflict and the length; nothing happens for a word
// not on the grid.
void EnterWord(KrossDocument& doc, int32_t n, int32_t d, std::string_view text);

// The first word not yet entered: numbers 1..NumberCount, across before down, a displayed word with
// SolvedWords 0. Nothing when every word is entered.
std::optional<std::pair<int32_t, int32_t>> NextUnentered(const KrossDocument& doc);

} // namespace VvodOtvetaM

namespace SelVoprosM {

// The clues to show for number n: (a, d) with a = n when n has an unsolved across word, else 0, and d
// likewise for down. (0, 0) means nothing is left to show for n.
std::pair<int32_t, int32_t> CluesForNumber(const KrossDocument& doc, int32_t n);

} // namespace SelVoprosM
