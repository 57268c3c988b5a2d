#pragma once
// Editing the grid of an authored crossword through the window, and the questions before a grid being
// drawn is thrown away.
#include <vector>

#include "grid/GridEdit.h"

class frmForma;

namespace GridEdit {

// Edit -> Edit the Grid (authoring, with or without answers): back to drawing with the grid as it is,
// blocked cells green and open ones white with their numbers; one undo step. The next grid ready carries
// the words that stay over to their new numbers.
void EditGrid(frmForma& f);

// Shows the grid being drawn as the document holds it: the mode's caption and panel, the field with its
// cells and the numbers they would get.
void ShowDrawing(frmForma& f);

// True when New would throw away a grid being drawn that holds anything (HasDrawingToLose).
bool DrawingToLose();
// True when closing would lose unsaved work: the grid of a crossword with unsaved changes is being edited.
bool UnsavedWorkInDrawing();
// Asks whether the grid being drawn may be thrown away; true on Yes.
bool ConfirmDiscardDrawing();
// Grid ready after an edit: lists the words that no longer exist and asks; true on Yes (or when none
// would lose a text).
bool ConfirmDroppedWords(const std::vector<DroppedWord>& dropped);

} // namespace GridEdit
