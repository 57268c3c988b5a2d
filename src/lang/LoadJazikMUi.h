#pragma once
// Loads a language file and puts its texts into every caption and message of the program.
#include <QString>
#include <string>

class frmForma;

namespace LoadJazikM {
// name: the file name inside the Language folder. A file that cannot be read is reported and the
// language in force stays.
void LoadLanguage(frmForma& f, const std::string& name);
// The texts alone, for a start without a window (the command line) or before it: the language file's
// texts and the toolkit's translation of its language (QtTranslation) put in force. A file that cannot be
// read is reported with fileCaption in front and gives false.
bool LoadTexts(const QString& fileCaption, const std::string& name);
// Puts the mode-dependent captions of the main window (caption, word count, prompt) back for the current
// mode after a language change.
void ReapplyModeCaptions(frmForma& f);
} // namespace LoadJazikM
