#pragma once
// The save-changes question and the writing of the settings file.
#include <cstdint>

namespace SaveFileINIM {
// Asks whether to save unsaved work before it is replaced: 1 when the user cancelled, else 0.
int32_t ConfirmSaveChanges();
// Writes "Gridmora Int.ini" into SettingsDir (beside a portable program, else the user's settings
// folder, made when missing); a failure is reported and the program goes on.
void SaveSettings();
} // namespace SaveFileINIM
