#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "grid/AddSlovoM.h"
#include "logic/GridFixture.h"
#include "solve/ProverkaOtvetaM.h"
#include "solve/SelVoprosM.h"
#include "solve/VvodOtvetaM.h"

namespace {

using gridfixture::Authoring;
using gridfixture::LettersAcross;
using gridfixture::LettersDown;
using Word = std::pair<int32_t, int32_t>;
using ProverkaOtvetaM::SolvedWord;

// 3x3 with a hole in the middle: 1 across CAT and 1 down COP from (0, 0), 2 down TEN from (2, 0),
// 3 across PAN from (0, 2).
const std::vector<std::string> kRing = {"...", ".#.", "..."};

void storeRingAnswers(KrossDocument& doc) {
    doc.ClueTexts.SetAnswer(1, 0, "CAT");
    doc.ClueTexts.SetAnswer(1, 1, "COP");
    doc.ClueTexts.SetAnswer(2, 1, "TEN");
    doc.ClueTexts.SetAnswer(3, 0, "PAN");
}

// The ring opened for solving against its stored answers.
KrossDocument solving(int32_t style = 0) {
    KrossDocument doc = Authoring(kRing);
    storeRingAnswers(doc);
    doc.AppMode = Mode::Solve;
    doc.ActiveStyle = style;
    doc.Modified = false;
    LoadReshotkiM::BuildLayers(doc);
    return doc;
}

// The ring as a bare grid being solved, nothing entered yet.
KrossDocument solvingBare(int32_t style = 0) {
    KrossDocument doc = Authoring(kRing);
    doc.ClueTexts.Create2(doc.NumberCount);
    doc.AppMode = Mode::SolveBare;
    doc.ActiveStyle = style;
    doc.Modified = false;
    LoadReshotkiM::BuildLayers(doc);
    return doc;
}

void show(KrossDocument& doc, int32_t across, int32_t down) {
    doc.CurNumber = across;
    doc.CurDownNumber = down;
}

TEST(SolveRulesTest, SolveIfCorrectLowerCaseAnswerSolvesTheAcrossWord) {
    KrossDocument doc = solving();
    show(doc, 1, 1);
    EXPECT_EQ(ProverkaOtvetaM::SolveIfCorrect(doc, "cat"), (SolvedWord{1, 0}));
    EXPECT_EQ(LettersAcross(doc, 0, 0, 3), "CAT");
    for (int32_t c = 0; c < 3; ++c)
        EXPECT_EQ(doc.GridLayers(c, 0, Layer::Across), 0);
    EXPECT_EQ(doc.GridLayers(0, 0, Layer::Down), 1); // the down word through the cell stays selectable
    EXPECT_EQ(doc.CurNumber, 0);
    EXPECT_EQ(doc.CurDownNumber, 1);
    EXPECT_EQ(doc.SolvedCount, 1);
    EXPECT_EQ(doc.SolvedWords(1, 0), 1);
    EXPECT_TRUE(doc.Modified);
}

TEST(SolveRulesTest, SolveIfCorrectDownWordWhileBothCluesAreShown) {
    KrossDocument doc = solving();
    show(doc, 1, 1);
    EXPECT_EQ(ProverkaOtvetaM::SolveIfCorrect(doc, "COP"), (SolvedWord{1, 1}));
    EXPECT_EQ(LettersDown(doc, 0, 0, 3), "COP");
    EXPECT_EQ(doc.GridLayers(0, 1, Layer::Down), 0);
    EXPECT_EQ(doc.CurNumber, 1);
    EXPECT_EQ(doc.CurDownNumber, 0);
    EXPECT_EQ(ProverkaOtvetaM::SolveIfCorrect(doc, "cat"), (SolvedWord{1, 0}));
    EXPECT_EQ(doc.SolvedCount, 2);
}

TEST(SolveRulesTest, SolveIfCorrectAnswerEqualToBothSolvesTheAcrossWordOnly) {
    KrossDocument doc = solving();
    doc.ClueTexts.SetAnswer(1, 1, "CAT");
    show(doc, 1, 1);
    EXPECT_EQ(ProverkaOtvetaM::SolveIfCorrect(doc, "CAT"), (SolvedWord{1, 0}));
    EXPECT_EQ(doc.SolvedWords(1, 1), 0);
    EXPECT_EQ(doc.CurDownNumber, 1);
}

TEST(SolveRulesTest, SolveIfCorrectWrongAnswersChangeNothing) {
    struct Case {
        const char* text;
        int32_t across, down;
    } cases[] = {
        {"CAP", 1, 1}, {"CATS", 1, 1}, {"CA", 1, 1},  {"TEN", 1, 1}, // TEN is 2 down, which is not shown
        {"CAT", 0, 0}, {"CAT", 0, 1},  {"COP", 1, 0}, {"", 1, 1},    {"PAN", -3, -3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.text << " with " << c.across << "/" << c.down);
        KrossDocument doc = solving();
        show(doc, c.across, c.down);
        const Array3<int32_t> layers = doc.GridLayers;
        EXPECT_EQ(ProverkaOtvetaM::SolveIfCorrect(doc, c.text), std::nullopt);
        EXPECT_TRUE(doc.GridLayers == layers);
        EXPECT_EQ(doc.SolvedCount, 0);
        EXPECT_EQ(doc.CurNumber, c.across);
        EXPECT_EQ(doc.CurDownNumber, c.down);
        EXPECT_FALSE(doc.Modified);
    }
}

TEST(SolveRulesTest, SolveIfCorrectTurnedStyleTakesTheLettersAsShown) {
    KrossDocument doc = solving(1);
    show(doc, 1, 1);
    // 1 across is shown turned along the bottom row, so it reads TAC there.
    EXPECT_EQ(ProverkaOtvetaM::SolveIfCorrect(doc, "cat"), std::nullopt);
    EXPECT_EQ(ProverkaOtvetaM::SolveIfCorrect(doc, "tac"), (SolvedWord{1, 0}));
    EXPECT_EQ(LettersAcross(doc, 0, 2, 3), "TAC");
    EXPECT_EQ(LettersAcross(doc, 0, 0, 3), "___");
    for (int32_t c = 0; c < 3; ++c)
        EXPECT_EQ(doc.GridLayers(c, 2, Layer::Across), 0);
    EXPECT_EQ(doc.GridLayers(0, 0, Layer::Across), 3);
}

TEST(SolveRulesTest, NextUnsolvedNumberWrapsAroundOnceAndReportsBothDirections) {
    KrossDocument doc = solving();
    EXPECT_EQ(ProverkaOtvetaM::NextUnsolvedNumber(doc, 1), (Word{0, 2}));
    EXPECT_EQ(ProverkaOtvetaM::NextUnsolvedNumber(doc, 3), (Word{1, 1})); // the highest number wraps to 1
    doc.SolvedWords(1, 0) = 1;
    EXPECT_EQ(ProverkaOtvetaM::NextUnsolvedNumber(doc, 3), (Word{0, 1}));
    doc.SolvedWords(2, 1) = 1;
    doc.SolvedWords(3, 0) = 1;
    EXPECT_EQ(ProverkaOtvetaM::NextUnsolvedNumber(doc, 1), (Word{0, 1})); // ends with the number itself
    doc.SolvedWords(1, 1) = 1;
    // Every word solved (an answers file may claim otherwise in its count): one round, then nothing.
    EXPECT_EQ(ProverkaOtvetaM::NextUnsolvedNumber(doc, 2), std::nullopt);
    EXPECT_EQ(ProverkaOtvetaM::NextUnsolvedNumber(doc, 99), std::nullopt);
}

TEST(SolveRulesTest, SelectClueUnsolvedWordsOfTheNumber) {
    KrossDocument doc = solving();
    EXPECT_EQ(SelVoprosM::CluesForNumber(doc, 1), (Word{1, 1}));
    EXPECT_EQ(SelVoprosM::CluesForNumber(doc, 2), (Word{0, 2}));
    EXPECT_EQ(SelVoprosM::CluesForNumber(doc, 3), (Word{3, 0}));
    doc.SolvedWords(1, 0) = 1;
    EXPECT_EQ(SelVoprosM::CluesForNumber(doc, 1), (Word{0, 1}));
    doc.SolvedWords(1, 1) = 1;
    EXPECT_EQ(SelVoprosM::CluesForNumber(doc, 1), (Word{0, 0}));
    EXPECT_EQ(SelVoprosM::CluesForNumber(doc, 4), (Word{0, 0}));
}

TEST(SolveRulesTest, EnterWordFillsTheWordAndCountsItOnce) {
    KrossDocument doc = solvingBare();
    ASSERT_EQ(VvodOtvetaM::FindConflict(doc, 1, 0, "cat"), std::nullopt);
    VvodOtvetaM::EnterWord(doc, 1, 0, "cat");
    EXPECT_EQ(LettersAcross(doc, 0, 0, 3), "CAT");
    EXPECT_EQ(doc.GridLayers(2, 0, Layer::AcrossLetter), 'T');
    EXPECT_EQ(doc.ClueTexts.Word(1, 0), "CAT");
    EXPECT_EQ(doc.SolvedWords(1, 0), 1);
    EXPECT_EQ(doc.SolvedCount, 1);
    EXPECT_TRUE(doc.Modified);

    VvodOtvetaM::EnterWord(doc, 1, 0, "cot"); // entered again: not counted again
    EXPECT_EQ(LettersAcross(doc, 0, 0, 3), "COT");
    EXPECT_EQ(doc.ClueTexts.Word(1, 0), "COT");
    EXPECT_EQ(doc.SolvedCount, 1);

    EXPECT_EQ(VvodOtvetaM::FindConflict(doc, 1, 1, "dog"), (LetterConflict{0, 'C', 'D'}));
    EXPECT_EQ(VvodOtvetaM::FindConflict(doc, 2, 1, "ten"), std::nullopt);
    EXPECT_EQ(VvodOtvetaM::FindConflict(doc, 2, 1, "sun"), (LetterConflict{0, 'T', 'S'}));
    VvodOtvetaM::EnterWord(doc, 2, 1, "ten");
    EXPECT_EQ(doc.SolvedCount, 2);
}

TEST(SolveRulesTest, EnterWordCountFromADamagedAnswersFileSaturates) {
    KrossDocument doc = solvingBare();
    doc.SolvedCount = std::numeric_limits<int32_t>::max();
    VvodOtvetaM::EnterWord(doc, 1, 0, "cat");
    EXPECT_EQ(doc.SolvedCount, std::numeric_limits<int32_t>::max());
    doc.SolvedCount = std::numeric_limits<int32_t>::min();
    ASSERT_TRUE(ProverkaOtvetaM::DeleteAnswer(doc, 1, 0));
    EXPECT_EQ(doc.SolvedCount, std::numeric_limits<int32_t>::min());
}

TEST(SolveRulesTest, EnterWordTurnedStyleWritesFromTheTurnedStartAndStoresUnturned) {
    KrossDocument doc = solvingBare(1);
    VvodOtvetaM::EnterWord(doc, 1, 0, "tac"); // 1 across is the bottom row on screen
    EXPECT_EQ(LettersAcross(doc, 0, 2, 3), "TAC");
    EXPECT_EQ(doc.ClueTexts.Word(1, 0), "CAT");
    EXPECT_EQ(doc.GridLayers(0, 2, Layer::AcrossLetter), 'T');
    // The turned 1 down ends in the bottom-right cell, which now holds C.
    EXPECT_EQ(VvodOtvetaM::FindConflict(doc, 1, 1, "poc"), std::nullopt);
    EXPECT_EQ(VvodOtvetaM::FindConflict(doc, 1, 1, "cop"), (LetterConflict{2, 'C', 'P'}));
}

TEST(SolveRulesTest, NextUnenteredAcrossBeforeDownLowestNumberFirst) {
    KrossDocument doc = solvingBare();
    EXPECT_EQ(VvodOtvetaM::NextUnentered(doc), (Word{1, 0}));
    VvodOtvetaM::EnterWord(doc, 1, 0, "CAT");
    EXPECT_EQ(VvodOtvetaM::NextUnentered(doc), (Word{1, 1}));
    VvodOtvetaM::EnterWord(doc, 1, 1, "COP");
    VvodOtvetaM::EnterWord(doc, 2, 1, "TEN");
    EXPECT_EQ(VvodOtvetaM::NextUnentered(doc), (Word{3, 0}));
    VvodOtvetaM::EnterWord(doc, 3, 0, "PAN");
    EXPECT_EQ(VvodOtvetaM::NextUnentered(doc), std::nullopt);
    EXPECT_EQ(doc.SolvedCount, doc.WordCount);
}

TEST(SolveRulesTest, DeleteAnswerAuthoringKeepsCrossingLettersAndEmptiesClueAndAnswer) {
    KrossDocument doc = Authoring(kRing);
    AddSlovoM::StoreAnswer(doc, 1, 0, "feline", "CAT");
    AddSlovoM::StoreAnswer(doc, 2, 1, "number", "TEN");
    doc.CurNumber = 1;
    doc.CurDirection = 0;
    doc.Modified = false;
    EXPECT_FALSE(ProverkaOtvetaM::CanDeleteAnswer(doc, 1, 1)); // no answer yet
    EXPECT_FALSE(ProverkaOtvetaM::DeleteAnswer(doc, 1, 1));
    EXPECT_FALSE(doc.Modified);

    ASSERT_TRUE(ProverkaOtvetaM::CanDeleteAnswer(doc, 1, 0));
    ASSERT_TRUE(ProverkaOtvetaM::DeleteAnswer(doc, 1, 0));
    EXPECT_EQ(LettersAcross(doc, 0, 0, 3), "__T");
    EXPECT_EQ(LettersDown(doc, 2, 0, 3), "TEN");
    for (int32_t c = 0; c < 3; ++c)
        EXPECT_EQ(doc.GridLayers(c, 0, Layer::AcrossLetter), 0);
    EXPECT_EQ(doc.ClueTexts.Clue(1, 0), "");
    EXPECT_EQ(doc.ClueTexts.Answer(1, 0), "");
    EXPECT_EQ(doc.GridLayers(0, 0, Layer::Across), 1); // still selectable
    EXPECT_TRUE(doc.Modified);
    EXPECT_FALSE(ProverkaOtvetaM::CanDeleteAnswer(doc, 1, 0));
}

TEST(SolveRulesTest, DeleteAnswerBareGridTurnedEmptiesExactlyTheShownCells) {
    KrossDocument doc = solvingBare(1);
    VvodOtvetaM::EnterWord(doc, 1, 0, "tac"); // bottom row on screen
    VvodOtvetaM::EnterWord(doc, 1, 1, "poc"); // right column on screen, ends in the shared C
    VvodOtvetaM::EnterWord(doc, 2, 1, "net"); // left column on screen, ends in the shared T
    ASSERT_EQ(doc.SolvedCount, 3);
    doc.Modified = false;

    EXPECT_FALSE(ProverkaOtvetaM::CanDeleteAnswer(doc, 3, 0)); // not entered
    ASSERT_TRUE(ProverkaOtvetaM::DeleteAnswer(doc, 1, 0));
    EXPECT_EQ(LettersAcross(doc, 0, 2, 3), "T_C");
    EXPECT_EQ(LettersDown(doc, 0, 0, 3), "NET");
    EXPECT_EQ(LettersDown(doc, 2, 0, 3), "POC");
    EXPECT_EQ(doc.GridLayers(1, 2, Layer::AcrossLetter), 0);
    EXPECT_EQ(doc.SolvedWords(1, 0), 0);
    EXPECT_EQ(doc.ClueTexts.Word(1, 0), "");
    EXPECT_EQ(doc.SolvedCount, 2);
    EXPECT_TRUE(doc.Modified);
    EXPECT_FALSE(ProverkaOtvetaM::DeleteAnswer(doc, 1, 0)); // a second time: nothing to delete
    EXPECT_EQ(doc.SolvedCount, 2);
}

TEST(SolveRulesTest, DeleteAnswerOnlyWhileAuthoringOrSolvingABareGrid) {
    KrossDocument doc = solving();
    doc.SolvedWords(1, 0) = 1;
    for (int32_t mode : {Mode::Solve, Mode::BareAuthoring, Mode::Incomplete, Mode::NewGrid}) {
        doc.AppMode = mode;
        EXPECT_FALSE(ProverkaOtvetaM::CanDeleteAnswer(doc, 1, 0)) << mode;
        EXPECT_FALSE(ProverkaOtvetaM::DeleteAnswer(doc, 1, 0)) << mode;
    }
    EXPECT_EQ(doc.ClueTexts.Answer(1, 0), "CAT");
}

} // namespace
