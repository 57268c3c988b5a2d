#pragma once
// The one crossword the program holds: its grid, words, texts, the solver's progress and the selection.
#include <array>
#include <cstdint>
#include <string>

#include "basics/Arrays.h"

// Texts of the words. Normally three-index: the clue and the answer of each word (n, d). While a bare grid
// is solved it is two-index: the word the solver typed into each word (n, d).
// Reading or writing the other shape, or outside the bounds, reads "" and writes nothing.
class ClueTable {
  public:
    void Create3(int32_t numberCount) {
        two_ = false;
        t3_.Redim(numberCount, 1, 1);
        t2_.Clear();
    }
    void Create2(int32_t numberCount) {
        two_ = true;
        t2_.Redim(numberCount, 1);
        t3_.Clear();
    }
    void Clear() {
        two_ = false;
        t3_.Clear();
        t2_.Clear();
    }
    bool TwoDimensional() const { return two_; }
    int32_t NumberUbound() const { return two_ ? t2_.Ubound0() : t3_.Ubound0(); }

    // The clue and the stored answer of word (n, d) of the three-index table.
    std::string Clue(int64_t n, int64_t d) const { return get3(n, 0, d); }
    std::string Answer(int64_t n, int64_t d) const { return get3(n, 1, d); }
    void SetClue(int64_t n, int64_t d, std::string s) { set3(n, 0, d, std::move(s)); }
    void SetAnswer(int64_t n, int64_t d, std::string s) { set3(n, 1, d, std::move(s)); }
    // The word the solver typed into word (n, d) of a bare grid (the two-index table).
    std::string Word(int64_t n, int64_t d) const { return two_ ? t2_.Get(n, d) : std::string(); }
    void SetWord(int64_t n, int64_t d, std::string s) {
        if (two_) t2_.Set(n, d, std::move(s));
    }
    bool operator==(const ClueTable&) const = default;

  private:
    std::string get3(int64_t n, int64_t k, int64_t d) const {
        return two_ ? std::string() : t3_.Get(n, k, d);
    }
    void set3(int64_t n, int64_t k, int64_t d, std::string s) {
        if (!two_) t3_.Set(n, k, d, std::move(s));
    }
    bool two_ = false;
    Array3<std::string> t3_;
    Array2<std::string> t2_;
};

// Program modes: the values of AppMode.
namespace Mode {
constexpr int32_t None = 0;          // no crossword in work
constexpr int32_t Unused = 1;        // never entered
constexpr int32_t NewGrid = 2;       // drawing the grid of a new crossword
constexpr int32_t Authoring = 3;     // entering answers and clues
constexpr int32_t SolveBare = 4;     // solving a crossword stored without answers
constexpr int32_t Solve = 5;         // solving a crossword stored with answers
constexpr int32_t Incomplete = 6;    // a crossword was opened but an answer is missing
constexpr int32_t OpenFailed = 7;    // opening a crossword file failed
constexpr int32_t BareAuthoring = 8; // grid and numbering of a crossword without answers
} // namespace Mode

// The authoring mode of a crossword with answers (noAnswers 0) or without them (1).
constexpr int32_t AuthoringModeFor(int32_t noAnswers) {
    return noAnswers != 0 ? Mode::BareAuthoring : Mode::Authoring;
}
// The solving mode of a crossword with answers (noAnswers 0) or without them (1).
constexpr int32_t SolvingModeFor(int32_t noAnswers) {
    return noAnswers != 0 ? Mode::SolveBare : Mode::Solve;
}
// Authoring, with or without answers.
constexpr bool IsAuthoringMode(int32_t m) {
    return m == Mode::Authoring || m == Mode::BareAuthoring;
}
// Solving, with or without answers.
constexpr bool IsSolvingMode(int32_t m) {
    return m == Mode::SolveBare || m == Mode::Solve;
}
// A crossword is past its drawing: numbered, opened, or failed to open (modes 3 to 8).
constexpr bool IsPastDrawing(int32_t m) {
    return m > Mode::NewGrid;
}
// A numbered crossword is on screen: authored, solved, or opened with an answer missing (not while a
// grid is drawn, nor after a failed open).
constexpr bool HoldsCrossword(int32_t m) {
    return IsAuthoringMode(m) || IsSolvingMode(m) || m == Mode::Incomplete;
}
// The field answers clicks: drawing, authoring with answers, and both solving modes.
constexpr bool TakesFieldClicks(int32_t m) {
    return m == Mode::NewGrid || m == Mode::Authoring || m == Mode::SolveBare || m == Mode::Solve;
}

// Cell layers of the working grid.
namespace Layer {
constexpr int32_t Across = 0; // number of the selectable across word through the cell
constexpr int32_t Down = 1;   // number of the selectable down word through the cell
constexpr int32_t Number = 2; // clue number printed in the cell
constexpr int32_t Letter = 3; // code of the letter shown
constexpr int32_t AcrossLetter = 4;
constexpr int32_t DownLetter = 5;
} // namespace Layer

// Fields of the word tables: SlotTable(n, field, d).
namespace Slot {
constexpr int32_t X = 0;
constexpr int32_t Y = 1;
constexpr int32_t Length = 2;
} // namespace Slot

struct KrossDocument {
    int32_t GridWidth = 0;
    int32_t GridHeight = 0;
    std::string KrossName;    // cp1251; also the key of the scrambling tables
    std::string KrossAuthor;  // cp1251
    std::string EditPassword; // cp1251, held scrambled; empty = no password
    int32_t NoAnswers = 0;    // 1 = a bare grid without clues and answers
    int32_t NumberCount = 0;
    int32_t WordCount = 0;
    Array3<int32_t> SlotTable;     // 0..NumberCount x 0..2 x 0..1
    Array3<int32_t> ViewSlotTable; // the same as placed on the displayed grid
    ClueTable ClueTexts;
    // While a new grid is drawn: one layer, 0 open / 1 blocked, 0..GridWidth x 0..GridHeight x 0..0.
    // Afterwards the working layers 0..GridWidth x 0..GridHeight x 0..L.
    Array3<int32_t> GridLayers;
    Array2<int32_t> SolvedWords; // 0..NumberCount x 0..1
    int32_t SolvedCount = 0;
    // Paths are native file names (UTF-8 on Linux), not cp1251.
    std::string KrossFile;
    std::string OtvFile;
    std::string OtvKrossFile;
    std::string OtvKrossName; // cp1251
    bool Modified = false;
    // While a grid is drawn: true when it is the grid of an authored crossword brought back to drawing,
    // whose words (SlotTable, ClueTexts, NumberCount, WordCount) wait to be carried over by the next grid
    // ready; false for the grid of a new crossword, whose tables are left over from another one.
    bool EditingGrid = false;
    std::array<int32_t, 256> CodeTable{};
    std::array<int32_t, 256> DecodeTable{};

    // Selection.
    int32_t CurNumber = 0;
    int32_t CurDownNumber = 0;
    int32_t CurDirection = 0;
    int32_t ActiveStyle = 0; // display style of the crossword on screen: 0 classic, 1 turned ("Arabic")
    int32_t AppMode = Mode::None;

    // Cell code while a new grid is drawn.
    int32_t Cell(int64_t c, int64_t r) const { return GridLayers.Get(c, r, 0); }
    void SetCell(int64_t c, int64_t r, int32_t v) { GridLayers.Set(c, r, 0, v); }
    int32_t WordLength(int64_t n, int64_t d) const { return SlotTable.Get(n, Slot::Length, d); }
    int32_t ViewLength(int64_t n, int64_t d) const { return ViewSlotTable.Get(n, Slot::Length, d); }
};
