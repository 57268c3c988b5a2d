#pragma once
// Checking a typed answer against the stored answers of the words whose clues are shown.
#include <QString>

class frmForma;

namespace ProverkaOtvetaM {
// A correct answer (any letter case) fills its word, which can no longer be selected, and moves on to the
// crossing clue still shown or to the next number with an unsolved word; a wrong one is reported.
void CheckAnswer(frmForma& f, const QString& text);
} // namespace ProverkaOtvetaM
