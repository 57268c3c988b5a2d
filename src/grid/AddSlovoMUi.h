#pragma once
// Storing or removing the selected word's answer and clue while authoring.
class frmForma;

namespace AddSlovoM {
// Takes the answer box and the clue box: an answer of the word's length is stored (a clashing letter is
// refused with a message and selected), an empty one removes the stored answer; then moves on.
void AddWord(frmForma& f);
} // namespace AddSlovoM
