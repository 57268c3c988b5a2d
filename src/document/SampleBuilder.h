#pragma once
// Sample crosswords from a plain description file. The document is built the way the author builds one in
// the program: the drawn grid is analysed and numbered, then every answer goes in through the entry rules,
// so crossing letters must agree, and the crossword is written exactly as the program saves it.
//
// The description is UTF-8 text:
//     name: <crossword name>
//     author: <author>
//     password: <plain edit password, may be empty>
//     bare: yes|no                      (optional; yes = a numbered grid without answers and clues)
//     grid:
//     <rows of '#' (blocked) and '.' (open), all of one length>
//     words:
//     <number> <A|D> <ANSWER> | <clue>  (one line for every word of the grid)
// Blank lines are ignored. A bare grid takes no author, password or words.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/KrossDocument.h"

namespace SampleBuilder {

struct SampleWord {
    int32_t Number = 0;
    int32_t Direction = 0; // 0 across, 1 down
    std::string Answer;    // cp1251, as written (upper-cased when stored)
    std::string Clue;      // cp1251, never empty
    int32_t Line = 0;      // line of the description, from 1
};

struct SampleDescription {
    std::string Name;     // cp1251, never empty
    std::string Author;   // cp1251; empty only for a bare grid
    std::string Password; // cp1251, plain; empty = no password
    bool Bare = false;
    std::vector<std::string> Grid; // rows of '#' and '.', at least one, all of one length
    std::vector<SampleWord> Words;
};

struct ParseResult {
    std::optional<SampleDescription> Description;
    std::string Error; // UTF-8, naming the line; empty when Description is set
};

struct BuildResult {
    std::optional<KrossDocument> Document;
    std::string Error; // UTF-8, naming the word or the cell; empty when Document is set
};

// Reads a description (a UTF-8 byte order mark is skipped). Fails on an unknown or repeated key, a grid
// row of other characters or another length, a malformed word line, text cp1251 cannot hold, a missing
// name, grid or (with answers) author, and an author, password or word given for a bare grid.
ParseResult ParseDescription(std::string_view utf8);

// The crossword of a description, ready to be written: the grid analysed (AppMode 3, or 8 for a bare
// grid), the tables built from the name, every answer stored through AddSlovoM::CheckStore/StoreAnswer in
// the order given, KrossAuthor set and EditPassword the scrambled password. Fails, naming the word, when an
// answer is not a word of the grid, is given twice, has the wrong length or a blank, clashes with a
// crossing answer, or when a word of the grid has no answer; fails on a grid without words, one the program
// cannot hold, and an open cell that lies in no word (the file could not keep it).
BuildResult BuildDocument(const SampleDescription& description);

// ParseDescription, then BuildDocument.
BuildResult BuildFromText(std::string_view utf8);

} // namespace SampleBuilder
