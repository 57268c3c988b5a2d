#pragma once
// Saving the solver's progress in an answers file.
#include <string>

class frmForma;

namespace SaveOtvetyM {
// Asks for a file name (proposing the answers file's or the crossword's name without its extension),
// adds ".otv" to a file name without any ".", and writes the file.
void SaveOtvetyAs(frmForma& f);
// Writes the answers file at path (asking before replacing another existing file, never half-written);
// on success OtvFile = path and the changes count as saved.
void WriteOtvety(frmForma& f, const std::string& path);
} // namespace SaveOtvetyM
