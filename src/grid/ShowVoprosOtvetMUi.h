#pragma once
// The selected word while authoring: highlighted, with its clue and answer in the input boxes.
class frmForma;

namespace ShowVoprosOtvetM {
void ShowClueAndAnswer(frmForma& f);
} // namespace ShowVoprosOtvetM
