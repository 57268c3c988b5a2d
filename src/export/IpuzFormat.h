#pragma once
// The ipuz crossword format: the open JSON format other crossword tools read and write (UTF-8, kind
// "http://ipuz.org/crossword#1", version 2).
//
// What a crossword takes to an ipuz file: the name as "title", the author as "author", the grid size as
// "dimensions", the grid as "puzzle" (a clue number or 0 for a letter cell, "#" for a block), the
// answers as "solution" (one letter a cell, "#" for a block, null for a letter not known) and the clues as
// "clues": {"Across": [[number, clue], ...], "Down": [...]}. The grid is written as stored, never turned.
//
// What an ipuz file cannot carry: the edit password (a protected crossword is written without it), and
// the mark of a crossword without answers, which the reader recognises instead by the absence of both
// clues and solution letters. So writing a crossword and reading it back gives the same crossword file
// for every crossword with answers and no password, and for every crossword without answers.
//
// The reader accepts only what a crossword file can hold and refuses the rest with its reason: cells left
// out of the rectangle, bars between cells, several letters in a cell, texts that cp1251 cannot hold, a
// numbering that differs from the program's own numbering of the same blocks, clues of other directions
// or of numbers the grid does not have. A file from a stranger may hold anything: the file's size, the
// number of its JSON arrays and objects, and the grid's size are checked before the grid is built.
#include <cstddef>
#include <string>
#include <string_view>

#include "document/KrossDocument.h"

namespace IpuzFormat {

// The largest ipuz file the reader takes, and the most JSON arrays and objects it may hold: enough for a
// grid of a million cells with its clues, small enough that the JSON tree stays a few hundred megabytes.
constexpr size_t MaxFileBytes = size_t{16} << 20;
constexpr size_t MaxContainers = size_t{1} << 20;

// True for a path whose file name ends in ".ipuz" (any case).
bool IsIpuzPath(std::string_view path);

// The ipuz text (UTF-8) of the crossword. The solution is written only when withSolution is set and the
// crossword has answers; clues only for a crossword with answers (a bare grid has none).
std::string Write(const KrossDocument& doc, bool withSolution);

enum class Refusal {
    None,         // read: the document holds the crossword
    NotIpuz,      // not JSON, not an ipuz object, or a field of the wrong type
    NotCrossword, // its kind is not a crossword
    TooLarge,     // the file or its grid is larger than the program holds
    Shape,        // cells left out of the rectangle, or letter cells outside every word
    Bars,         // bars between cells
    Rebus,        // a cell with more than one letter
    Charset,      // a letter or text that cp1251 cannot hold
    Solution,     // the solution does not fit the grid (blocks differ, or a letter that cannot be typed)
    NoWords,      // the grid has no word of two or more cells
    Numbering,    // the clue numbers of the grid differ from the program's numbering
    Clues,        // clues of other directions, without a number, of numbers the grid lacks, or repeated
};

// Reads ipuz bytes into out as a new crossword that was never saved: authoring mode (3, or 8 for a grid
// without clues and solution letters), Modified set, no crossword file, no password, the scrambling
// tables of its name, the words numbered by the program's own analysis; a word gets its answer when the
// solution gives a letter for each of its cells. The working layers are not built. out is left untouched
// unless the result is None.
Refusal Read(std::string_view bytes, KrossDocument& out);

} // namespace IpuzFormat
