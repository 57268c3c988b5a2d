#pragma once
// The window's fill: the Fill and Fill again commands of the Kross menu. The search runs on a worker
// thread behind a small window with a progress bar and a Stop button (Escape stops it too); the window
// keeps drawing meanwhile, and the crossword changes only when a complete fill is found.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>

class FillWords;
class frmForma;

namespace GridFill {

// Fills every word of the crossword being authored that has no answer, as one undo step. again: when the
// last fill is still the latest undo step, fills anew in its place (that step undone, the new fill one
// step); a fill always takes a new seed, and Fill again avoids the fill it replaces. Nothing happens
// outside authoring or while a fill runs.
void FillGrid(frmForma& f, bool again);

// True while a fill of the window runs.
bool Running();

// The word lists of the program folder prepared for filling: read once and kept while the files stay as
// they were (a changed file is read again). Safe to call from any thread.
std::shared_ptr<const FillWords> WordLists();

// Seconds a fill of the window may take before it gives up.
constexpr std::chrono::seconds WindowTimeLimit{60};

// For tests: a fixed first seed (each later fill takes the next one), and another time limit. Nothing and
// zero go back to a new seed each time and WindowTimeLimit.
void FixSeed(std::optional<uint64_t> seed);
void SetTimeLimit(std::chrono::milliseconds limit);

} // namespace GridFill
