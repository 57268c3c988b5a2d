#pragma once
// Selecting the first word that still lacks an answer.
class frmForma;

namespace FoundNoOtvetM {
// Scans from number 1, across before down; when every word has an answer nothing is selected
// (CurNumber 0, CurDirection 1) and the input boxes keep their texts.
void FindUnanswered(frmForma& f);
} // namespace FoundNoOtvetM
