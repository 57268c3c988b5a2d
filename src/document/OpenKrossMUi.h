#pragma once
// Opening a crossword file for solving.
#include <string>

class frmForma;

namespace OpenKrossM {
// Asks for a crossword file and reads it.
void OpenKross(frmForma& f);
// Reads the crossword file at path and enters solving (mode 4, 5, or 6 when an answer is missing);
// a file that cannot be read or holds sizes the program cannot take is reported and leaves mode 7.
void ReadKross(frmForma& f, const std::string& path);
} // namespace OpenKrossM
