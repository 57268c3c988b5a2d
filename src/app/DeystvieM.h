#pragma once
// What the main window shows and enables in each program mode.
namespace DeystvieM {
// Shows, hides, empties and enables the window's controls and commands for the current AppMode.
void ApplyMode();
} // namespace DeystvieM

#include <QString>
#include <cstdint>

namespace DeystvieM {
// Window captions of a crossword on screen; K is the Kross menu caption without its "&" marker.
QString BareGridCaption();  // K: "name" (without-answers wording)
QString SolvingCaption();   // K: "name" author-word author
QString NamedGridCaption(); // K: "name"
QString AuthoringCaption(); // app title, mode text
QString NewGridCaption();   // app title, mode text
// The word count label: words label, a blank sign position, the count.
QString WordsCaption(int64_t count);
} // namespace DeystvieM
