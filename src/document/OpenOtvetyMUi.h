#pragma once
// Restoring the solver's progress from an answers file.
class frmForma;

namespace OpenOtvetyM {
// Asks for an answers file, loads the crossword it names from the samples folder when another one is
// loaded, adds its marks and selects the first open word; a fully solved crossword is reported at once.
void OpenOtvety(frmForma& f);
} // namespace OpenOtvetyM
