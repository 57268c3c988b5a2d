#include "app/EditHistoryUi.h"

#include <QUndoStack>

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ShowSlovoMUi.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/AnalizReshotkiMUi.h"
#include "grid/GridEditUi.h"
#include "grid/NewPoleMUi.h"
#include "grid/ShowVoprosOtvetMUi.h"
#include "widgets/TextBox.h"

namespace EditHistory {

Selection SelectionOf(const KrossDocument& doc) {
    return {doc.CurNumber, doc.CurDirection};
}

void SnapshotCommand::show(const DocumentSnapshot& s) {
    RestoreSnapshot(Doc(), s);
    if (s.AppMode == Mode::NewGrid)
        GridEdit::ShowDrawing(f_);
    else
        AnalizReshotkiM::ShowNumberedGrid(f_, false);
}

void CellsCommand::revert() {
    auto& doc = Doc();
    const std::vector<int32_t> numbers = AnalizReshotkiM::CellNumbers(doc);
    UndoCells(doc, cells_);
    NewPoleM::PaintChanges(f_, numbers, cells_);
}

void CellsCommand::apply() {
    auto& doc = Doc();
    const std::vector<int32_t> numbers = AnalizReshotkiM::CellNumbers(doc);
    ApplyCells(doc, cells_);
    NewPoleM::PaintChanges(f_, numbers, cells_);
}

void WordCommand::show(const WordState& w, Selection s) {
    auto& doc = Doc();
    RestoreWord(doc, w);
    ShowSlovoM::DrawWord(f_, w.Number, w.Direction, CellColor);
    if (doc.CurNumber > 0) ShowSlovoM::DrawWord(f_, doc.CurNumber, doc.CurDirection, CellColor);
    doc.CurNumber = s.Number;
    doc.CurDirection = s.Direction;
    if (doc.CurNumber > 0) {
        ShowVoprosOtvetM::ShowClueAndAnswer(f_);
        return;
    }
    // Nothing selected, as after the last missing answer was stored.
    f_.ShowClue(0, QString());
    f_.ShowClue(1, QString());
    f_.ClueBox().clear();
    f_.AnswerBox().clear();
}

void WordsCommand::show(const std::vector<WordState>& words) {
    auto& doc = Doc();
    // Every state was taken with all the words as they were at one moment, so the order does not matter
    // where two of them cross.
    for (const WordState& w : words)
        RestoreWord(doc, w);
    for (const WordState& w : words)
        ShowSlovoM::DrawWord(f_, w.Number, w.Direction, CellColor);
    if (doc.CurNumber > 0) ShowVoprosOtvetM::ShowClueAndAnswer(f_);
}

KrossDocument& PropertiesCommand::doc() {
    return Doc();
}

void RecordDocumentChange(frmForma& f, DocumentSnapshot before) {
    f.History().push(new SnapshotCommand(f, std::move(before), TakeSnapshot(Doc())));
}

void RecordGridReady(frmForma& f, DocumentSnapshot before) {
    f.History().push(new GridReadyCommand(f, std::move(before), TakeSnapshot(Doc())));
}

void RecordGridEdit(frmForma& f, DocumentSnapshot before) {
    f.History().push(new GridEditCommand(f, std::move(before), TakeSnapshot(Doc())));
}

namespace {
// A changed cell of a crossword's grid is a change of the crossword, saved or not: closing then asks.
void gridOfCrosswordChanged() {
    if (Doc().EditingGrid) Doc().Modified = true;
}
} // namespace

void RecordCells(frmForma& f, std::vector<CellChange> cells) {
    f.History().push(new CellsCommand(f, std::move(cells)));
    gridOfCrosswordChanged();
}

void RecordClearField(frmForma& f, std::vector<CellChange> cells) {
    f.History().push(new ClearFieldCommand(f, std::move(cells)));
    gridOfCrosswordChanged();
}

void RecordWordEntry(frmForma& f, WordState before, Selection selectedBefore) {
    const auto& d = Doc();
    WordState after = CaptureWord(d, before.Number, before.Direction);
    f.History().push(
        new WordEntryCommand(f, std::move(before), selectedBefore, std::move(after), SelectionOf(d)));
}

void RecordAnswerDeleted(frmForma& f, WordState before) {
    const auto& d = Doc();
    WordState after = CaptureWord(d, before.Number, before.Direction);
    const Selection s = SelectionOf(d);
    f.History().push(new AnswerDeletedCommand(f, std::move(before), s, std::move(after), s));
}

void RecordWords(frmForma& f, std::vector<WordState> before) {
    const auto& d = Doc();
    std::vector<WordState> after;
    after.reserve(before.size());
    bool changed = false;
    for (const WordState& w : before) {
        after.push_back(CaptureWord(d, w.Number, w.Direction));
        changed = changed || !(after.back() == w);
    }
    if (!changed) return;
    f.History().push(new WordsCommand(f, std::move(before), std::move(after)));
}

void RecordProperties(frmForma& f, Identity before) {
    Identity after = CaptureIdentity(Doc());
    if (after == before) return;
    f.History().push(new PropertiesCommand(f, std::move(before), std::move(after)));
}

} // namespace EditHistory
