#pragma once
// Grid analysis: finds the words of a freshly drawn grid and numbers them.
#include <cstdint>
#include <vector>

#include "basics/Arrays.h"
#include "document/KrossDocument.h"

namespace AnalizReshotkiM {

struct WordTable {
    int32_t NumberCount = 0;
    int32_t WordCount = 0;
    Array3<int32_t> SlotTable; // 0..NumberCount x 0..2 x 0..1
};

// Words of the drawn grid (doc.Cell: 0 open, anything else blocked): every run of two or more open cells
// across or down is a word; the cells starting words are numbered 1.. in reading order, an across and a
// down word starting in the same cell share the number, and a direction without a word has length 0 at
// (0, 0). Time and memory are linear in the number of cells. NumberCount 0 means the grid has no word.
WordTable FindWords(const KrossDocument& doc);

// The number FindWords gives each cell of the drawn grid, row after row (cell (c, r) at r x GridWidth + c);
// 0 for a cell that starts no word. As fast as FindWords: shown live while the grid is drawn.
std::vector<int32_t> CellNumbers(const KrossDocument& doc);

// Makes t the document's word table: ClueTexts emptied (three-index), SolvedWords all 0, AppMode 3
// (8 for a crossword without answers), EditingGrid cleared, Modified set. The working layers are not
// rebuilt here.
void ApplyWordTable(KrossDocument& doc, WordTable t);

} // namespace AnalizReshotkiM
