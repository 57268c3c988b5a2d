#pragma once
// Filling a grid from the word lists: every word without an answer gets a word of the lists so that
// every crossing letter agrees and no word appears twice (nor repeats an answer already given); the
// answers given stay. Plain logic without any window, safe to run on a worker thread: the search reads
// only its arguments and reports through the options.
//
// The search keeps, for every word still to fill, the words of its length that fit the letters its cells
// still allow, and for every cell the letters that both its words can still take (a cell in one word only
// is bound by that word alone). After each placed word it narrows these until nothing changes. It places
// the word with the fewest fitting words first, tries the words that leave the crossing words the most
// choice first, jumps back over placements that had no part in a dead end, and starts afresh, with what it
// learnt about the hard words, when a try runs long. A seed decides the order among equally good words, so
// one seed always gives the same fill.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "grid/FillWords.h"

namespace FillEngine {

// One word of the grid: its first cell, length and direction (0 across, 1 down), and its answer
// (cp1251) when it already has one; an empty answer marks a word to fill.
struct Slot {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Length = 0;
    int32_t Direction = 0;
    std::string Answer;
};

struct Problem {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<Slot> Slots;
};

struct Progress {
    int32_t ToFill = 0;     // words without an answer
    int32_t Placed = 0;     // words placed by the search at this moment
    int32_t MostPlaced = 0; // the most it has placed at once so far
    uint64_t Steps = 0;     // words tried
    uint32_t Restarts = 0;
    std::chrono::milliseconds Elapsed{0};
};

struct Options {
    uint64_t Seed = 1;
    std::chrono::milliseconds TimeLimit{0};          // 0: no limit
    const std::atomic<bool>* Cancel = nullptr;       // set from any thread to stop the search
    std::function<void(const Progress&)> OnProgress; // called on the searching thread
    std::chrono::milliseconds ProgressInterval{100};
};

enum class Outcome {
    Filled,     // Answers holds a complete fill
    Impossible, // no fill exists with these letters and lists; Unfillable names a word
    Stopped,    // Cancel was set
    TimedOut,   // TimeLimit passed
};

struct Result {
    Outcome Kind = Outcome::Impossible;
    // For Filled: per slot of the problem, the word placed (cp1251 capitals), or "" for a slot that had
    // an answer. Empty otherwise.
    std::vector<std::string> Answers;
    // For Impossible: the index of a slot without an answer that cannot be filled: the one whose words ran
    // out first when the letters given alone rule it out, else the one that ran out most often in the
    // search.
    int32_t Unfillable = -1;
    Progress Last; // the figures at the end
};

// Fills the problem's slots without an answer from words. A slot that does not lie inside the grid, or
// whose length has no word list (outside 2..24), cannot be filled. A given answer of the wrong length
// binds no cells. Answers given that disagree with each other in a cell leave no letter for that cell.
Result Fill(const Problem& problem, const FillWords& words, const Options& options);

} // namespace FillEngine
