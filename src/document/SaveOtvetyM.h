#pragma once
// Writing an answers file (.otv): the solver's progress, apart from the crossword.
#include <string>
#include <string_view>

struct KrossDocument;

namespace SaveOtvetyM {

// The answers file of the document, cp1251 text with CR LF after every line: the crossword's file name
// (the part of KrossFile after its last pathSep), KrossName, NoAnswers, NumberCount, the number of
// records, then for every SolvedWords(n, d) = 1 (n = 1..NumberCount, across before down) n, d and, for
// a bare grid, the word typed, ClueTexts(n, d).
std::string OtvetyFileText(const KrossDocument& doc, const std::string& pathSep);

// True when no text that the file holds as a line of its own (the crossword's name and, for a bare grid,
// the words typed) contains CR or LF.
bool LinesIntact(const KrossDocument& doc);

// True when bytes, read as an answers file, give back the document's progress: the crossword's file name
// and name, NoAnswers, NumberCount, the solved words and, for a bare grid, the words typed. A save checks
// the file it wrote with this before it replaces the old one.
bool ReadsBackAs(std::string_view bytes, const KrossDocument& doc, const std::string& pathSep);

} // namespace SaveOtvetyM
