#pragma once
// Answer entry while a bare grid is solved (mode 4): words are checked only against crossing letters.
// The window side (VvodOtvetaMUi) shows the messages and draws around these.
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "document/KrossDocument.h"
#include "grid/LetterConflict.h"

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
