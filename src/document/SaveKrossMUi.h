#pragma once
// Saving the crossword being authored to a crossword file.
#include <string>

namespace SaveKrossM {
// Asks for a file name (proposing the current file's name, or the crossword's name), adds ".krw" to a
// file name without any ".", and writes the file.
void SaveKrossAs();
// Writes the crossword file at path: asks before replacing another existing file, never leaves a
// half-written file, reports a failure; on success KrossFile = path and the changes count as saved.
void WriteKross(const std::string& path);
} // namespace SaveKrossM
