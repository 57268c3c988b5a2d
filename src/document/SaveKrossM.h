#pragma once
// Writing a crossword file (.krw): the file's bytes and the scrambling of its hidden fields.
#include <string>
#include <string_view>

#include "basics/TextFile.h"

struct KrossDocument;

namespace SaveKrossM {

// Every character mapped through doc.CodeTable; same length, codes below 32 become code 0.
std::string Scramble(const KrossDocument& doc, std::string_view text);

// The crossword file of the document, cp1251 text with CR LF after every line: NoAnswers, KrossName,
// (for a crossword with answers: EditPassword as held, the scrambled author), width, height,
// NumberCount, the number of word records, then a record for every word (n = 1..NumberCount, across
// before down): n, d, x, y, length and, with answers, the clue and the scrambled answer.
std::string KrossFileText(const KrossDocument& doc);

// True when no text that the file holds as a line of its own (the name, the password as held, the clues)
// contains CR or LF: a line break inside one would end its line early and shift every line after it.
bool LinesIntact(const KrossDocument& doc);

// True when bytes, read as a crossword file, give back the document's crossword: NoAnswers, name, grid
// size, word table and, with answers, password, author, clues and answers (the scrambled texts as the
// scrambling leaves them). A save checks the file it wrote with this before it replaces the old one.
bool ReadsBackAs(std::string_view bytes, const KrossDocument& doc);

// Writes the crossword file of doc at path as every save does: a text holding a line break is never
// written (Mismatch), and the file written must read back as doc (ReadsBackAs) before it replaces what
// stood at path. bytes receives the file's text.
TextFile::Error WriteKrossFile(const std::string& path, const KrossDocument& doc, std::string& bytes);

} // namespace SaveKrossM
