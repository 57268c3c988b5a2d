#pragma once
// Writing an answers file (.otv): the solver's progress, apart from the crossword.
#include <string>

struct KrossDocument;

namespace SaveOtvetyM {

// The answers file of the document, cp1251 text with CR LF after every line: the crossword's file name
// (the part of KrossFile after its last pathSep), KrossName, NoAnswers, NumberCount, the number of
// records, then for every SolvedWords(n, d) = 1 (n = 1..NumberCount, across before down) n, d and, for
// a bare grid, the word typed, ClueTexts(n, d).
std::string OtvetyFileText(const KrossDocument& doc, const std::string& pathSep);

} // namespace SaveOtvetyM
