#pragma once
// Restoring the solver's progress from an answers file.
#include <optional>
#include <string>

class frmForma;

namespace OpenOtvetyM {
// Asks for an answers file, loads the crossword it names from the samples folder when another one is
// loaded, adds its marks and selects the first open word; a fully solved crossword is reported at once.
// A chosen path (a file given on the command line) stands for the dialog's answer.
void OpenOtvety(frmForma& f, const std::optional<std::string>& chosen = std::nullopt);
} // namespace OpenOtvetyM
