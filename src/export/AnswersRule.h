#pragma once
// When the answers of a crossword may leave the program: on paper, in a PDF, in an ipuz file.
#include "document/KrossDocument.h"

// Answers leave the program while the crossword is authored (where the HTML export is allowed too), when
// the crossword has no edit password, or when its password was given (unlocked: the command line's
// --password). A crossword without answers has none to give.
inline bool AnswersMayLeave(const KrossDocument& doc, bool unlocked = false) {
    if (doc.NoAnswers != 0) return false;
    return unlocked || doc.AppMode == Mode::Authoring || doc.EditPassword.empty();
}
