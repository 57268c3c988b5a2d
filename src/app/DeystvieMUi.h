#pragma once
// The window side of the program modes: the mode's look applied to the main window, and the window
// captions of a crossword on screen.
#include <QString>
#include <cstdint>

class frmForma;

namespace DeystvieM {
// Shows, hides, empties and enables the window's controls and commands for the current AppMode.
void ApplyMode(frmForma& f);

// Window captions of a crossword on screen; K is the Kross menu caption without its "&" marker.
QString BareGridCaption(const frmForma& f);  // K: "name" (without-answers wording)
QString SolvingCaption(const frmForma& f);   // K: "name" author-word author
QString NamedGridCaption(const frmForma& f); // K: "name"
QString AuthoringCaption(const frmForma& f); // app title, mode text
QString NewGridCaption(const frmForma& f);   // app title, mode text
// The word count label: words label, a blank sign position, the count.
QString WordsCaption(int64_t count);
} // namespace DeystvieM
