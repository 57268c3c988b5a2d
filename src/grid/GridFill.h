#pragma once
// The fill and the crossword document: what the search is given, how its words enter the crossword, and
// which words of the word search keep the crossing words fillable.
//
// The window's Fill command runs in three steps: ProblemOf on the window's thread (a copy, so the search
// never touches the document), FillEngine::Fill on a worker thread, then, on the window's thread again,
// FilledWordsOf and EnterFill, which enters every word as the author would by hand. TakeBackFill undoes it.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "document/KrossDocument.h"
#include "grid/FillEngine.h"
#include "grid/FillWords.h"
#include "lang/LanguageFile.h"

// Language-file indexes of the fill's texts.
namespace FillText {
constexpr int32_t NoFill = 180;      // no fill exists; followed by a blank and the word that cannot be filled
constexpr int32_t Across = 181;      // "12 across"
constexpr int32_t Down = 182;        // "12 down"
constexpr int32_t Stopped = 183;     // the fill was stopped
constexpr int32_t TimedOut = 184;    // the time limit passed
constexpr int32_t NoWordLists = 185; // the word lists hold no words
constexpr int32_t ReadFailed = 186;  // after a file name: it cannot be read as a crossword
constexpr int32_t WriteFailed = 187; // after a file name: it could not be written
constexpr int32_t Usage = 188;       // how the command line's fill is called
constexpr int32_t FillCommand = 189; // the Kross menu's Fill command
constexpr int32_t FillAgain = 190;   // the Kross menu's Fill again command
constexpr int32_t Progress = 191;    // above the progress bar while the search runs
constexpr int32_t Stop = 192;        // the button that stops the search
constexpr int32_t KeepsCrossings = 193; // the word search's option: only words that keep crossings fillable
constexpr int32_t NothingToFill = 194;  // every word already has an answer
constexpr int32_t KeepsCrossingsTip = 195; // the tip of that option
} // namespace FillText

namespace GridFill {

struct GridProblem {
    FillEngine::Problem Problem;
    std::vector<std::pair<int32_t, int32_t>> Words; // (n, d) of each slot of Problem
};

// The words of the document that lie inside its grid, n = 1..NumberCount, across before down, with their
// answers (none for a bare grid).
GridProblem ProblemOf(const KrossDocument& doc);

struct FilledWord {
    int32_t Number = 0;
    int32_t Direction = 0;
    std::string Answer; // cp1251 capitals
    bool operator==(const FilledWord&) const = default;
};

// The words a complete fill gives to the words that had no answer, in the order of the problem.
std::vector<FilledWord> FilledWordsOf(const GridProblem& problem, const FillEngine::Result& result);

// Enters every filled word the way the author enters an answer (the entry rules: the letters into layer 3
// and the word's own layer, the answer, Modified set; the clue stays as it is, empty unless the author
// wrote one). The document must be in authoring
// (AppMode 3, layers built). All or nothing: false, with the document unchanged, when a word already has
// an answer or no longer agrees with its crossing letters (the document changed since ProblemOf). The
// selection is left to the caller.
bool EnterFill(KrossDocument& doc, const std::vector<FilledWord>& words);

// Removes the answers EnterFill entered, last first, leaving the layers and texts as before the fill
// (removal leaves Modified as it is).
void TakeBackFill(KrossDocument& doc, const std::vector<FilledWord>& words);

// What to tell the user when a fill ends without a complete fill (cp1251): that no fill exists, naming
// the word ("... 12 across"), that it was stopped, or that the time ran out. Empty for a complete fill.
std::string OutcomeMessage(const InterfaceTexts& texts, const GridProblem& problem,
                           const FillEngine::Result& result);

// Which words of the word search may go into word (n, d) of the document so that every crossing word
// without an answer can still be filled from the word lists, given the letters the other answers put into
// its cells (and, for a crossing word with an answer, that the letters agree).
class CrossingFilter {
  public:
    CrossingFilter(const KrossDocument& doc, int32_t n, int32_t d, const FillWords& words);
    // candidate: cp1251, compared in capitals; false for another length.
    bool Keeps(std::string_view candidate) const;

  private:
    using ByteSet = std::array<uint64_t, 4>;
    std::vector<ByteSet> allowed_; // per cell of the word: the bytes it may take
};

} // namespace GridFill
