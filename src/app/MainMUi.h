#pragma once
// Start of the program: settings, fonts, the main window and its language.
#include <optional>
#include <string>

class frmForma;

namespace MainM {
// Prepares the program-wide state, reads the settings file, creates and shows the main window in mode 0:
// LoadSettings, then StartWindow. programDir replaces the folder of the running program (tests run in a
// copy of the program folder, or as if installed).
frmForma* Main(std::optional<std::string> programDir = std::nullopt);

// The program-wide state fresh, the program's folders found (ProgramFolders.h), the settings file read,
// the classic font names substituted: what every start needs, with or without a window.
void LoadSettings(std::optional<std::string> programDir = std::nullopt);

// The rest of Main: fonts, the main window, its language, shown in mode 0.
frmForma* StartWindow();
} // namespace MainM
