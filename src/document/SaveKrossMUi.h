#pragma once
// Saving the crossword being authored to a crossword file.
#include <string>

class frmForma;

namespace SaveKrossM {
// Asks for a file name (proposing the current file's name, or the crossword's name), adds ".krw" to a
// file name without any ".", and writes the file.
void SaveKrossAs(frmForma& f);
// Writes the crossword file at path: asks before replacing another existing file, never leaves a
// half-written file, reports a failure; on success KrossFile = path and the changes count as saved.
void WriteKross(frmForma& f, const std::string& path);
} // namespace SaveKrossM
