#include "app/DeystvieM.h"

#include "document/KrossDocument.h"

namespace DeystvieM {

ModeLook LookOfMode(int32_t m, bool answersMayLeave) {
    ModeLook look;
    look.DrawingTools = m == Mode::NewGrid;
    look.WordCount = IsPastDrawing(m);
    look.Clues = m == Mode::Authoring || m == Mode::Solve;
    look.AnswerEntry = m == Mode::Authoring || IsSolvingMode(m);
    look.ClueEntry = m == Mode::Authoring;
    look.Save = IsPastDrawing(m);
    look.Unlock = m == Mode::Solve || m == Mode::Incomplete;
    look.AuthorTools = m == Mode::Authoring;
    look.CellSettings = m != Mode::None;
    look.PrintAndExport = HoldsCrossword(m);
    look.AnswersPage = look.PrintAndExport && answersMayLeave;
    look.GridEdit = IsAuthoringMode(m);
    return look;
}

} // namespace DeystvieM
