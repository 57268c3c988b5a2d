#pragma once
// The save-changes question and the writing of the settings file.
#include <cstdint>

class frmForma;

namespace SaveFileINIM {
// Asks whether to save unsaved work before it is replaced; Yes runs the window's Save command. 1 when the
// user cancelled, else 0.
int32_t ConfirmSaveChanges(frmForma& f);
// Writes the settings file into SettingsDir (beside a portable program, else the user's settings folder,
// made when missing); a failure is reported and the program goes on.
void SaveSettings(const frmForma& f);
} // namespace SaveFileINIM
