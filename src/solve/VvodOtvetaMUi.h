#pragma once
// Writing a word into a bare grid while it is solved.
#include <QString>

class frmForma;

namespace VvodOtvetaM {
// Enters text (as long as the selected word) into the selected word: a letter that clashes with a
// crossing word is refused with a message and selected in the answer box; then the next word not yet
// entered is selected, and the last one is reported.
void EnterAnswer(frmForma& f, const QString& text);
} // namespace VvodOtvetaM
