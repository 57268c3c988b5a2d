#pragma once
// What an authoring change needs to be undone and redone: the state of the whole crossword for changes of
// the grid, of one word for a clue and answer, of a few cells for a click while drawing, and the
// crossword's identity for its properties. The window side (app/EditHistoryUi) keeps them on the undo stack
// and redraws.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "document/KrossDocument.h"

namespace EditHistory {

// The crossword in authoring (modes 3 and 8) or while its grid is drawn (mode 2): everything undo must
// bring back. The working layers of a numbered grid are not kept: the entry rules keep them equal to what
// the layer builder makes of the words and answers, so they are rebuilt on restore. The drawn cells of a
// grid being drawn are kept. The file name and Modified are not part of it.
struct DocumentSnapshot {
    int32_t AppMode = 0;
    int32_t GridWidth = 0;
    int32_t GridHeight = 0;
    int32_t NoAnswers = 0;
    std::vector<unsigned char> DrawnCells; // mode 2: the cell codes row after row (r x GridWidth + c)
    bool EditingGrid = false;
    int32_t NumberCount = 0;
    int32_t WordCount = 0;
    Array3<int32_t> SlotTable;
    ClueTable ClueTexts;
    Array2<int32_t> SolvedWords;
    int32_t SolvedCount = 0;
    std::string KrossName, KrossAuthor, EditPassword;
    std::array<int32_t, 256> CodeTable{};
    std::array<int32_t, 256> DecodeTable{};
    int32_t ActiveStyle = 0;
    int32_t CurNumber = 0, CurDownNumber = 0, CurDirection = 0;
};

DocumentSnapshot TakeSnapshot(const KrossDocument& doc);
// Puts the snapshot back: every field above; in mode 2 the drawing grid from its cells, otherwise the
// working layers rebuilt from the words and answers.
void RestoreSnapshot(KrossDocument& doc, const DocumentSnapshot& s);

// One word of a crossword being authored: its texts and the letters of its cells (layers 3, 4 and 5 of
// each cell, from its first cell on).
struct WordState {
    int32_t Number = 0;
    int32_t Direction = 0;
    std::string Clue;
    std::string Answer;
    std::vector<std::array<int32_t, 3>> Letters;
    bool operator==(const WordState&) const = default;
};

WordState CaptureWord(const KrossDocument& doc, int32_t n, int32_t d);
// Puts a captured word back: its texts and the letters of its cells. Nothing for a word not on the grid.
void RestoreWord(KrossDocument& doc, const WordState& w);

// Name, author, edit password and the scrambling tables of the name.
struct Identity {
    std::string KrossName, KrossAuthor, EditPassword;
    std::array<int32_t, 256> CodeTable{};
    std::array<int32_t, 256> DecodeTable{};
    bool operator==(const Identity&) const = default;
};

Identity CaptureIdentity(const KrossDocument& doc);
void RestoreIdentity(KrossDocument& doc, const Identity& id);

// One cell of a grid being drawn set by a click: its code before and after.
struct CellChange {
    int32_t Col = 0, Row = 0;
    int32_t Before = 0, After = 0;
    bool operator==(const CellChange&) const = default;
};

// Sets the cells (c, r) of a grid being drawn to code v in order and returns what each step changed.
std::vector<CellChange> SetCells(KrossDocument& doc, const std::vector<std::pair<int32_t, int32_t>>& cells,
                                 int32_t v);
// The blocked cells of a grid being drawn, each as a change to open: what clearing the field changes.
std::vector<CellChange> BlockedCellsOpened(const KrossDocument& doc);

// Sets the cells to their After codes in order, or, undoing, to their Before codes in reverse order (a
// cell that a click sets twice comes back to its first code).
void ApplyCells(KrossDocument& doc, const std::vector<CellChange>& cells);
void UndoCells(KrossDocument& doc, const std::vector<CellChange>& cells);

} // namespace EditHistory
