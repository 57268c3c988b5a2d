#pragma once
// Grid ready: numbering the words of the drawn grid and entering authoring.
class frmForma;

namespace AnalizReshotkiM {
// Finds and numbers the words; a grid without any word is refused with a message and stays editable.
void AnalyseGrid(frmForma& f);
// Enters the mode the document's fresh word table calls for (authoring, or a bare grid): rebuilds and
// draws the working layers, applies the mode and its captions, and selects the first word without an
// answer. Used after the analysis and after a crossword was brought in from another format.
void ShowAnalysedGrid(frmForma& f);
} // namespace AnalizReshotkiM
