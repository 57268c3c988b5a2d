#pragma once
// Start of the program: settings, fonts, the main window and its language.
#include <optional>
#include <string>

class frmForma;

namespace MainM {
// The program-wide state fresh, AppDir and the settings file read, the classic font names substituted:
// what every start needs, with or without a window.
void LoadSettings(std::optional<std::string> programDir = std::nullopt);
// Prepares the program-wide state, reads the settings file, creates and shows the main window in mode 0.
// programDir replaces the folder of the running program (tests run in a copy of the program folder).
frmForma* Main(std::optional<std::string> programDir = std::nullopt);
} // namespace MainM
