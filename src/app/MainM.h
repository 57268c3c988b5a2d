#pragma once
// Start of the program: settings, fonts, the main window and its language.
#include <optional>
#include <string>

class frmForma;

namespace MainM {
// Prepares the program-wide state, reads the settings file, creates and shows the main window in mode 0.
// programDir replaces the folder of the running program (tests run in a copy of the program folder).
frmForma* Main(std::optional<std::string> programDir = std::nullopt);

// The first half of Main: the program's folders (ProgramFolders.h), the default settings and the settings
// file. Nothing is shown. Commands that run without a window start here too.
void PrepareSettings(std::optional<std::string> programDir = std::nullopt);

// The second half of Main: fonts, the main window, its language, shown in mode 0.
frmForma* StartWindow();
} // namespace MainM
