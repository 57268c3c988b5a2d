#pragma once
// Grid ready: numbering the words of the drawn grid and entering authoring.
class frmForma;

namespace AnalizReshotkiM {
// Finds and numbers the words; a grid without any word is refused with a message and stays editable.
// After a grid edit, the clues and answers of the words that stay are carried over to their new numbers,
// once the user agreed to drop the others. One undo step.
void AnalyseGrid(frmForma& f);
// Shows the numbered crossword the document holds: rebuilds and draws the working layers, applies the
// mode and its captions; then selects the first word without an answer, or shows the selection in force.
void ShowNumberedGrid(frmForma& f, bool selectFirstUnanswered);
// Enters the mode the document's fresh word table calls for (authoring, or a bare grid): rebuilds and
// draws the working layers, applies the mode and its captions, and selects the first word without an
// answer. Used after the analysis and after a crossword was brought in from another format.
void ShowAnalysedGrid(frmForma& f);
} // namespace AnalizReshotkiM
