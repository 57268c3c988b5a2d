#pragma once
// Opening a crossword file for solving.
#include <optional>
#include <string>

class frmForma;

namespace OpenKrossM {
// Asks for a crossword file and reads it. A chosen path (a file given on the command line) stands for the
// dialog's answer.
void OpenKross(frmForma& f, const std::optional<std::string>& chosen = std::nullopt);
// Reads the crossword file at path and enters solving (mode 4, 5, or 6 when an answer is missing);
// a file that cannot be read or holds sizes the program cannot take is reported and leaves mode 7.
void ReadKross(frmForma& f, const std::string& path);
} // namespace OpenKrossM
