#pragma once
// Loads a language file and puts its texts into every caption and message of the program.
#include <string>

class frmForma;

namespace LoadJazikM {
// name: the file name inside the Language folder. A file that cannot be read is reported and the
// language in force stays.
void LoadLanguage(frmForma& f, const std::string& name);
// Puts the mode-dependent captions of the main window (caption, word count, prompt) back for the current
// mode after a language change.
void ReapplyModeCaptions(frmForma& f);
} // namespace LoadJazikM
