#pragma once
// The commands of the undo stack, one class per kind of authoring change. A module makes its change as it
// always has, then records it here with what undo needs; the first redo, which the stack runs when the
// command is pushed, finds the change made already. Undo and redo put the crossword back as it was and
// redraw what changed. The main window keeps the stack (frmForma::History) and Modified in line with it.
#include <QUndoCommand>
#include <cstdint>
#include <vector>

#include "document/EditHistory.h"

class frmForma;

namespace EditHistory {

// The selected word of authoring: CurNumber (0 = none) and CurDirection.
struct Selection {
    int32_t Number = 0;
    int32_t Direction = 0;
};
Selection SelectionOf(const KrossDocument& doc);

// A command whose first redo is the change already made when it was recorded.
class RecordedCommand : public QUndoCommand {
  public:
    explicit RecordedCommand(frmForma& f) : f_(f) {}
    void undo() final { revert(); }
    void redo() final {
        if (done_) {
            done_ = false;
            return;
        }
        apply();
    }

  protected:
    virtual void revert() = 0;
    virtual void apply() = 0;
    frmForma& f_;

  private:
    bool done_ = true;
};

// The whole crossword before and after a change: the changes of the grid, and any change of many words at
// once. A command that fills the grid in one go is one undo step as a subclass of this (or through
// RecordDocumentChange): take a snapshot, change the document and draw it, then record.
class SnapshotCommand : public RecordedCommand {
  public:
    SnapshotCommand(frmForma& f, DocumentSnapshot before, DocumentSnapshot after)
        : RecordedCommand(f), before_(std::move(before)), after_(std::move(after)) {}

  protected:
    void revert() override { show(before_); }
    void apply() override { show(after_); }

  private:
    // Puts the snapshot back and shows it: the grid being drawn, or the numbered crossword with its
    // selection.
    void show(const DocumentSnapshot& s);
    DocumentSnapshot before_, after_;
};

// Grid ready: the grid being drawn numbered, with the texts of the words that stayed.
class GridReadyCommand : public SnapshotCommand {
    using SnapshotCommand::SnapshotCommand;
};

// Edit the grid: an authored crossword back to drawing.
class GridEditCommand : public SnapshotCommand {
    using SnapshotCommand::SnapshotCommand;
};

// A click while drawing: the cell and its symmetric partners, as one step.
class CellsCommand : public RecordedCommand {
  public:
    CellsCommand(frmForma& f, std::vector<CellChange> cells) : RecordedCommand(f), cells_(std::move(cells)) {}

  protected:
    void revert() override;
    void apply() override;

  private:
    std::vector<CellChange> cells_;
};

// Clear field: every blocked cell opened.
class ClearFieldCommand : public CellsCommand {
    using CellsCommand::CellsCommand;
};

// One word's clue and answer: their letters in the grid, and the word selected before and after.
class WordCommand : public RecordedCommand {
  public:
    WordCommand(frmForma& f, WordState before, Selection selectedBefore, WordState after,
                Selection selectedAfter)
        : RecordedCommand(f), before_(std::move(before)), after_(std::move(after)),
          selectedBefore_(selectedBefore), selectedAfter_(selectedAfter) {}

  protected:
    void revert() override { show(before_, selectedBefore_); }
    void apply() override { show(after_, selectedAfter_); }

  private:
    void show(const WordState& w, Selection s);
    WordState before_, after_;
    Selection selectedBefore_, selectedAfter_;
};

// A clue and answer entered (or an answer removed by an empty answer box).
class WordEntryCommand : public WordCommand {
    using WordCommand::WordCommand;
};

// Delete answer.
class AnswerDeletedCommand : public WordCommand {
    using WordCommand::WordCommand;
};

// Many words' clues and answers at once (a fill of the grid): one undo step. The selection stays.
class WordsCommand : public RecordedCommand {
  public:
    WordsCommand(frmForma& f, std::vector<WordState> before, std::vector<WordState> after)
        : RecordedCommand(f), before_(std::move(before)), after_(std::move(after)) {}

  protected:
    void revert() override { show(before_); }
    void apply() override { show(after_); }

  private:
    void show(const std::vector<WordState>& words);
    std::vector<WordState> before_, after_;
};

// The properties dialog: name, author and edit password.
class PropertiesCommand : public RecordedCommand {
  public:
    PropertiesCommand(frmForma& f, Identity before, Identity after)
        : RecordedCommand(f), before_(std::move(before)), after_(std::move(after)) {}

  protected:
    void revert() override { RestoreIdentity(doc(), before_); }
    void apply() override { RestoreIdentity(doc(), after_); }

  private:
    static KrossDocument& doc();
    Identity before_, after_;
};

// Each records the change just made to the document in force; before: what it was before the change.
void RecordDocumentChange(frmForma& f, DocumentSnapshot before);
void RecordGridReady(frmForma& f, DocumentSnapshot before);
void RecordGridEdit(frmForma& f, DocumentSnapshot before);
void RecordCells(frmForma& f, std::vector<CellChange> cells);
void RecordClearField(frmForma& f, std::vector<CellChange> cells);
void RecordWordEntry(frmForma& f, WordState before, Selection selectedBefore);
void RecordAnswerDeleted(frmForma& f, WordState before);
// Words changed together; before: each word as CaptureWord gave it before any of them changed. Nothing is
// recorded when none changed.
void RecordWords(frmForma& f, std::vector<WordState> before);
// Nothing is recorded when the dialog changed nothing.
void RecordProperties(frmForma& f, Identity before);

} // namespace EditHistory
