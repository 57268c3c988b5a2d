#pragma once
// Editing the grid of an authored crossword: back to drawing with the grid as it is, and, at the next grid
// ready, carrying the clues and answers of the words that still exist over to their new numbers.
#include <cstdint>
#include <string>
#include <vector>

#include "document/KrossDocument.h"
#include "grid/AnalizReshotkiM.h"
#include "lang/LanguageFile.h"

namespace GridEdit {

// Turns a numbered crossword into a grid being drawn: GridLayers becomes the one-layer drawing grid with
// the cells covered by the words of SlotTable open (0) and every other cell blocked (1); AppMode 2;
// EditingGrid set, so that SlotTable, ClueTexts, NumberCount and WordCount wait for the next grid ready;
// nothing selected. A word that does not lie inside the grid opens no cell.
void BackToDrawing(KrossDocument& doc);

// A word of the edited crossword that no longer exists, with the texts it loses.
struct DroppedWord {
    int32_t Number = 0;
    int32_t Direction = 0;
    std::string Clue;
    std::string Answer;
    bool operator==(const DroppedWord&) const = default;
};

struct CarriedTexts {
    ClueTable Texts;                  // three-index, numbered as the fresh table
    std::vector<DroppedWord> Dropped; // by old number, across before down
};

// The texts of a fresh word table after a grid edit. A word of the fresh table takes the clue and answer of
// the edited crossword's word (doc.SlotTable, doc.ClueTexts) with the same first cell, direction and length;
// every other word starts empty. A word of the edited crossword that holds a clue or an answer and has no
// such counterpart is Dropped. Kept words keep their cells, so their letters agree where they cross.
CarriedTexts CarryOver(const KrossDocument& doc, const AnalizReshotkiM::WordTable& fresh);

// The question asked before the dropped words go, in the texts of the language in force: the heading,
// one line per word ("12 across: clue — ANSWER"), at most maxListed of them and then the count of the
// rest, and the question. Long clues are cut.
std::string DroppedWordsQuestion(const InterfaceTexts& t, const std::vector<DroppedWord>& dropped,
                                 size_t maxListed = 15);

// True when a grid being drawn holds work that New would throw away: a blocked cell, or the words of the
// crossword whose grid is edited.
bool HasDrawingToLose(const KrossDocument& doc);

} // namespace GridEdit
