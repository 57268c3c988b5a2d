// The logic under undo, grid editing, live numbers and the clue overview.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "display/ClueOverview.h"
#include "document/EditHistory.h"
#include "grid/AddSlovoM.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/GridEdit.h"
#include "grid/LoadReshotkiM.h"
#include "lang/LanguageFile.h"
#include "logic/GridFixture.h"
#include "solve/ProverkaOtvetaM.h"

namespace {

using gridfixture::Authoring;
using gridfixture::Cp;
using gridfixture::Drawn;

// The drawing grid as rows of '#' and '.'.
std::vector<std::string> rowsOf(const KrossDocument& doc) {
    std::vector<std::string> rows;
    for (int32_t r = 0; r < doc.GridHeight; ++r) {
        std::string row;
        for (int32_t c = 0; c < doc.GridWidth; ++c)
            row += doc.Cell(c, r) != 0 ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

// Stores a clue and an answer (UTF-8) the way the author's Enter does.
void store(KrossDocument& doc, int32_t n, int32_t d, const char* clue, const char* answer) {
    ASSERT_EQ(AddSlovoM::CheckStore(doc, n, d, Cp(answer)).Kind, AddSlovoM::StoreCheck::Ok) << n << "," << d;
    AddSlovoM::StoreAnswer(doc, n, d, Cp(clue), Cp(answer));
}

TEST(AuthoringAidsTest, CellNumbersAreTheNumbersOfTheAnalysis) {
    for (const auto& rows : std::vector<std::vector<std::string>>{
             {"...", "..."}, {"..#..", ".#.#.", "....."}, {"#", "."}, {"."}, {"##", "##"}, {".", ".", "."}}) {
        const KrossDocument doc = Drawn(rows);
        const auto table = AnalizReshotkiM::FindWords(doc);
        std::vector<int32_t> expected(static_cast<size_t>(doc.GridWidth * doc.GridHeight), 0);
        for (int32_t n = 1; n <= table.NumberCount; ++n) {
            const int32_t d = table.SlotTable(n, Slot::Length, 0) > 0 ? 0 : 1;
            expected[static_cast<size_t>(table.SlotTable(n, Slot::Y, d) * doc.GridWidth +
                                         table.SlotTable(n, Slot::X, d))] = n;
        }
        EXPECT_EQ(AnalizReshotkiM::CellNumbers(doc), expected) << rows[0];
    }
}

TEST(AuthoringAidsTest, BackToDrawingOpensExactlyTheCellsOfWords) {
    // The open cell (1, 2) between blocked ones belongs to no word: it comes back blocked.
    KrossDocument doc = Authoring({"...#", ".#..", "#.#."});
    store(doc, 1, 0, "a", "кот");
    GridEdit::BackToDrawing(doc);
    EXPECT_EQ(doc.AppMode, Mode::NewGrid);
    EXPECT_TRUE(doc.EditingGrid);
    EXPECT_EQ(doc.CurNumber, 0);
    EXPECT_EQ(doc.GridLayers.Ubound2(), 0);
    EXPECT_EQ(rowsOf(doc), (std::vector<std::string>{"...#", ".#..", "###."}));
    // The words wait for the next grid ready.
    EXPECT_EQ(doc.ClueTexts.Answer(1, 0), Cp("КОТ"));
    EXPECT_EQ(doc.NumberCount, 4);
}

TEST(AuthoringAidsTest, AGridEditKeepsRenumbersAndDropsWords) {
    // Before: 1 2 3 4     After blocking (1, 0):  1 # 2 3
    //         5 . . .                             4 5 . .
    //         6 . # #                             6 . # #
    KrossDocument doc = Authoring({"....", "....", "..##"});
    store(doc, 1, 1, "down one", "кит");          // (0,0) down 3: stays 1 down
    store(doc, 3, 1, "down three", "ох");         // (2,0) down 2: becomes 2 down
    store(doc, 5, 0, "across five", "ивха");      // (0,1) across 4: becomes 4 across
    store(doc, 1, 0, "across one", "кроп");       // (0,0) across 4: broken, dropped
    doc.ClueTexts.SetClue(2, 1, Cp("clue only")); // (1,0) down 3: its start is blocked, dropped
    GridEdit::BackToDrawing(doc);
    doc.SetCell(1, 0, 1);
    const auto fresh = AnalizReshotkiM::FindWords(doc);
    const GridEdit::CarriedTexts carried = GridEdit::CarryOver(doc, fresh);

    ASSERT_EQ(fresh.NumberCount, 6);
    EXPECT_EQ(carried.Texts.Clue(1, 1), Cp("down one"));
    EXPECT_EQ(carried.Texts.Answer(1, 1), Cp("КИТ"));
    EXPECT_EQ(carried.Texts.Clue(2, 1), Cp("down three"));
    EXPECT_EQ(carried.Texts.Answer(2, 1), Cp("ОХ"));
    EXPECT_EQ(carried.Texts.Clue(4, 0), Cp("across five"));
    EXPECT_EQ(carried.Texts.Answer(4, 0), Cp("ИВХА"));
    for (auto [n, d] : {std::pair{2, 0}, {3, 1}, {5, 1}, {6, 0}}) {
        EXPECT_TRUE(carried.Texts.Clue(n, d).empty()) << n << "," << d;
        EXPECT_TRUE(carried.Texts.Answer(n, d).empty()) << n << "," << d;
    }
    const std::vector<GridEdit::DroppedWord> dropped = {{1, 0, Cp("across one"), Cp("КРОП")},
                                                        {2, 1, Cp("clue only"), ""}};
    EXPECT_EQ(carried.Dropped, dropped);

    // A word of the same start and direction but another length is a new word.
    KrossDocument longer = Authoring({"...#"});
    store(longer, 1, 0, "x", "кот");
    GridEdit::BackToDrawing(longer);
    longer.SetCell(3, 0, 0);
    const auto grown = GridEdit::CarryOver(longer, AnalizReshotkiM::FindWords(longer));
    EXPECT_TRUE(grown.Texts.Answer(1, 0).empty());
    ASSERT_EQ(grown.Dropped.size(), 1u);
    EXPECT_EQ(grown.Dropped[0].Answer, Cp("КОТ"));
}

TEST(AuthoringAidsTest, TheDroppedWordsQuestionListsTheWordsAndCountsTheRest) {
    InterfaceTexts t;
    std::vector<GridEdit::DroppedWord> dropped = {
        {12, 0, "Cat", "KOT"}, {3, 1, "", "OX"}, {4, 1, "Clue", ""}};
    EXPECT_EQ(GridEdit::DroppedWordsQuestion(t, dropped),
              std::string(BuiltInText(131)) + "\n12 across: Cat \x97 KOT\n3 down \x97 OX\n4 down: Clue\n\n" +
                  std::string(BuiltInText(132)));
    dropped.push_back({5, 0, std::string(100, 'x'), ""});
    const std::string cut = GridEdit::DroppedWordsQuestion(t, dropped, 2);
    EXPECT_NE(cut.find("3 down"), std::string::npos);
    EXPECT_EQ(cut.find("4 down"), std::string::npos);
    EXPECT_NE(cut.find(std::string(BuiltInText(135)) + " 2\n"), std::string::npos);
    EXPECT_NE(GridEdit::DroppedWordsQuestion(t, {{5, 0, std::string(100, 'x'), ""}})
                  .find(std::string(60, 'x') + "...\n"),
              std::string::npos);
}

TEST(AuthoringAidsTest, NewThrowsAwayOnlyADrawingThatHoldsSomething) {
    KrossDocument doc = Drawn({"...", "..."});
    EXPECT_FALSE(GridEdit::HasDrawingToLose(doc));
    doc.SetCell(1, 1, 1);
    EXPECT_TRUE(GridEdit::HasDrawingToLose(doc));
    doc.SetCell(1, 1, 0);
    doc.EditingGrid = true; // the grid of an authored crossword, even with every cell open
    EXPECT_TRUE(GridEdit::HasDrawingToLose(doc));
    EXPECT_FALSE(GridEdit::HasDrawingToLose(Authoring({"..."})));
}

TEST(AuthoringAidsTest, EntryRulesKeepTheLayersTheBuilderMakes) {
    // Undo rebuilds the layers of a numbered grid from its words and answers: every entry step must
    // leave them exactly as the builder would make them.
    KrossDocument doc = Authoring({"...", ".#.", "..."});
    auto expectRebuilt = [&](const char* step) {
        KrossDocument rebuilt = doc;
        LoadReshotkiM::BuildLayers(rebuilt);
        EXPECT_EQ(doc.GridLayers, rebuilt.GridLayers) << step;
    };
    store(doc, 1, 0, "a", "кот");
    expectRebuilt("store 1 across");
    store(doc, 1, 1, "b", "кит");
    expectRebuilt("store 1 down");
    store(doc, 2, 1, "c", "ток");
    store(doc, 3, 0, "d", "тик");
    expectRebuilt("all stored");
    ASSERT_TRUE(AddSlovoM::RemoveAnswer(doc, 1, 0, Cp("a")));
    expectRebuilt("removed 1 across");
    ASSERT_TRUE(ProverkaOtvetaM::DeleteAnswer(doc, 3, 0));
    expectRebuilt("deleted 3 across");
}

TEST(AuthoringAidsTest, SnapshotsBringTheCrosswordBack) {
    KrossDocument doc = Authoring({"...", ".#.", "..."});
    doc.KrossName = Cp("Имя");
    store(doc, 1, 0, "a", "кот");
    doc.CurNumber = 2;
    doc.CurDirection = 1;
    const EditHistory::DocumentSnapshot authored = EditHistory::TakeSnapshot(doc);
    const KrossDocument original = doc;

    GridEdit::BackToDrawing(doc);
    doc.SetCell(1, 1, 0);
    const EditHistory::DocumentSnapshot drawing = EditHistory::TakeSnapshot(doc);
    const KrossDocument drawn = doc;

    EditHistory::RestoreSnapshot(doc, authored);
    EXPECT_EQ(doc.AppMode, Mode::Authoring);
    EXPECT_EQ(doc.GridLayers, original.GridLayers);
    EXPECT_EQ(doc.SlotTable, original.SlotTable);
    EXPECT_EQ(doc.ViewSlotTable, original.ViewSlotTable);
    EXPECT_EQ(doc.ClueTexts, original.ClueTexts);
    EXPECT_EQ(doc.KrossName, original.KrossName);
    EXPECT_EQ(doc.CurNumber, 2);
    EXPECT_EQ(doc.CurDirection, 1);
    EXPECT_FALSE(doc.EditingGrid);

    EditHistory::RestoreSnapshot(doc, drawing);
    EXPECT_EQ(doc.AppMode, Mode::NewGrid);
    EXPECT_TRUE(doc.EditingGrid);
    EXPECT_EQ(doc.GridLayers, drawn.GridLayers);
    EXPECT_EQ(rowsOf(doc), (std::vector<std::string>{"...", "...", "..."}));
    EXPECT_EQ(doc.ClueTexts.Answer(1, 0), Cp("КОТ")); // still waiting to be carried over
}

TEST(AuthoringAidsTest, WordStatesAndCellChangesUndoExactly) {
    KrossDocument doc = Authoring({"...", ".#.", "..."});
    store(doc, 1, 1, "down", "кит");
    const EditHistory::WordState before = EditHistory::CaptureWord(doc, 1, 0);
    const auto layers = doc.GridLayers;
    store(doc, 1, 0, "across", "кот");
    const EditHistory::WordState after = EditHistory::CaptureWord(doc, 1, 0);
    EditHistory::RestoreWord(doc, before);
    EXPECT_EQ(doc.GridLayers, layers);
    EXPECT_TRUE(doc.ClueTexts.Answer(1, 0).empty());
    EXPECT_EQ(doc.GridLayers.Get(0, 0, Layer::Letter), Cp1251::Code(Cp("К")[0])); // the down word's letter
    EditHistory::RestoreWord(doc, after);
    EXPECT_EQ(doc.ClueTexts.Answer(1, 0), Cp("КОТ"));
    EXPECT_EQ(EditHistory::CaptureWord(doc, 1, 0), after);

    // A click whose partners repeat a cell (a half turn on the centre) comes back to the first code.
    KrossDocument drawn = Drawn({"...", "...", "..."});
    const auto changes = EditHistory::SetCells(drawn, {{1, 1}, {1, 1}, {0, 0}}, 1);
    EXPECT_EQ(changes[1].Before, 1);
    EXPECT_EQ(rowsOf(drawn), (std::vector<std::string>{"#..", ".#.", "..."}));
    EditHistory::UndoCells(drawn, changes);
    EXPECT_EQ(rowsOf(drawn), (std::vector<std::string>{"...", "...", "..."}));
    EditHistory::ApplyCells(drawn, changes);
    EXPECT_EQ(rowsOf(drawn), (std::vector<std::string>{"#..", ".#.", "..."}));
    drawn.SetCell(2, 2, 1);
    const auto cleared = EditHistory::BlockedCellsOpened(drawn);
    EXPECT_EQ(cleared.size(), 3u);
    EditHistory::ApplyCells(drawn, cleared);
    EXPECT_EQ(rowsOf(drawn), (std::vector<std::string>{"...", "...", "..."}));
}

TEST(AuthoringAidsTest, TheOverviewNeverShowsAnAnswerNotYetSolved) {
    KrossDocument doc = Authoring({"...", ".#.", "..."});
    store(doc, 1, 0, "across", "кот");
    doc.ClueTexts.SetClue(2, 1, Cp("no answer yet"));
    using ClueOverview::WordMark;
    EXPECT_EQ(ClueOverview::Numbers(doc, 0), (std::vector<int32_t>{1, 3}));
    EXPECT_EQ(ClueOverview::Numbers(doc, 1), (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(ClueOverview::EntryOf(doc, 1, 0),
              (ClueOverview::Entry{1, 0, 3, "across", Cp("КОТ"), WordMark::None}));
    EXPECT_EQ(ClueOverview::EntryOf(doc, 2, 1),
              (ClueOverview::Entry{2, 1, 3, Cp("no answer yet"), "", WordMark::NoAnswer}));

    struct Case {
        int32_t mode;
        bool solved;
        std::string clue, answer;
        WordMark mark;
    } cases[] = {
        {Mode::Solve, false, "across", "", WordMark::None},
        {Mode::Solve, true, "across", Cp("КОТ"), WordMark::Solved},
        {Mode::Incomplete, false, "across", "", WordMark::None},
        {Mode::Incomplete, true, "across", "", WordMark::None},
        {Mode::BareAuthoring, false, "", "", WordMark::None},
    };
    for (const auto& c : cases) {
        KrossDocument s = doc;
        s.AppMode = c.mode;
        s.SolvedWords.Set(1, 0, c.solved ? 1 : 0);
        EXPECT_EQ(ClueOverview::EntryOf(s, 1, 0), (ClueOverview::Entry{1, 0, 3, c.clue, c.answer, c.mark}))
            << c.mode << " " << c.solved;
    }
    // A bare grid being solved shows the words the solver entered.
    KrossDocument bare = doc;
    bare.AppMode = Mode::SolveBare;
    bare.ClueTexts.Create2(bare.NumberCount);
    bare.ClueTexts.SetWord(1, 1, Cp("КИТ"));
    bare.SolvedWords.Set(1, 1, 1);
    EXPECT_EQ(ClueOverview::EntryOf(bare, 1, 1),
              (ClueOverview::Entry{1, 1, 3, "", Cp("КИТ"), WordMark::Solved}));
    EXPECT_EQ(ClueOverview::EntryOf(bare, 1, 0).Answer, "");
    // Drawing, no crossword, a failed open: nothing listed.
    for (int32_t m : {Mode::None, Mode::NewGrid, Mode::OpenFailed}) {
        KrossDocument none = doc;
        none.AppMode = m;
        EXPECT_TRUE(ClueOverview::Numbers(none, 0).empty()) << m;
    }
}

} // namespace
