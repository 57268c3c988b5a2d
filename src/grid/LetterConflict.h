#pragma once
// A typed letter that clashes with the letter a crossing word already puts in the cell: found when an
// author stores an answer and when a solver writes a word into a bare grid.
#include <cstdint>

struct LetterConflict {
    int32_t Index = 0;    // position in the typed text, from 0
    int32_t Crossing = 0; // code of the crossing word's letter
    int32_t Typed = 0;    // code of the typed (upper-cased) letter
    bool operator==(const LetterConflict&) const = default;
};
