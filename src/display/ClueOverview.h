#pragma once
// The overview of all clues: which words it lists and what it shows of each, by mode. While a crossword is
// solved it never shows the answer of a word that is not solved yet.
#include <cstdint>
#include <string>
#include <vector>

#include "document/KrossDocument.h"

namespace ClueOverview {

enum class WordMark {
    None,
    NoAnswer, // authoring: the word has no answer yet
    Solved,   // solving: the word is solved (or, in a bare grid, entered)
};

struct Entry {
    int32_t Number = 0;
    int32_t Direction = 0;
    int32_t Length = 0;
    std::string Clue;   // cp1251
    std::string Answer; // cp1251; empty unless it may be shown
    WordMark Mark = WordMark::None;
    bool operator==(const Entry&) const = default;
};

// True in the modes with numbered words on screen: authoring (with or without answers), both solving
// modes and a crossword opened with an answer missing.
bool ListsWords(int32_t appMode);

// The numbers that have a word in direction d, ascending; none in a mode that lists no words.
std::vector<int32_t> Numbers(const KrossDocument& doc, int32_t d);

// What the overview shows of word (n, d): authoring shows the clue and the answer, or marks a word without
// one; a bare grid being authored has neither; solving shows the clue, and the answer (or the word the
// solver entered) only once the word is solved; a crossword opened with an answer missing shows clues only.
Entry EntryOf(const KrossDocument& doc, int32_t n, int32_t d);

} // namespace ClueOverview
