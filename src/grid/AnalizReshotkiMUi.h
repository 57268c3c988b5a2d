#pragma once
// Grid ready: numbering the words of the drawn grid and entering authoring.
class frmForma;

namespace AnalizReshotkiM {
// Finds and numbers the words; a grid without any word is refused with a message and stays editable.
void AnalyseGrid(frmForma& f);
} // namespace AnalizReshotkiM
