// The names of the program modes, what each mode shows, and the two shapes of the word texts.
#include <gtest/gtest.h>

#include "app/DeystvieM.h"
#include "document/KrossDocument.h"

namespace {

TEST(KrossDocumentTest, ModeOfACrosswordWithAndWithoutAnswers) {
    EXPECT_EQ(AuthoringModeFor(0), 3);
    EXPECT_EQ(AuthoringModeFor(1), 8);
    EXPECT_EQ(SolvingModeFor(0), 5);
    EXPECT_EQ(SolvingModeFor(1), 4);
    // Which modes answer a click on the field: drawing, authoring with answers, both solving modes.
    const bool clicks[] = {false, false, true, true, true, true, false, false, false};
    for (int32_t m = 0; m <= 8; ++m)
        EXPECT_EQ(TakesFieldClicks(m), clicks[m]) << m;
}

TEST(KrossDocumentTest, LookOfEachMode) {
    using DeystvieM::ModeLook;
    // Drawing, word count, clues, answer box, clue box, save, unlock, author tools, cell settings,
    // print and export, answers page, editing the grid.
    const ModeLook looks[] = {
        {false, false, false, false, false, false, false, false, false, false, false,
         false}, // 0 no crossword
        {false, false, false, false, false, false, false, false, true, false, false,
         false},                                                                            // 1 never entered
        {true, false, false, false, false, false, false, false, true, false, false, false}, // 2 drawing
        {false, true, true, true, true, true, false, true, true, true, false, true},        // 3 authoring
        {false, true, false, true, false, true, false, false, true, true, false, false},    // 4 solving bare
        {false, true, true, true, false, true, true, false, true, true, false, false},      // 5 solving
        {false, true, false, false, false, true, true, false, true, true, false, false},   // 6 answer missing
        {false, true, false, false, false, true, false, false, true, false, false, false}, // 7 open failed
        {false, true, false, false, false, true, false, false, true, true, false, true},   // 8 bare authoring
    };
    for (int32_t m = 0; m <= 8; ++m)
        EXPECT_EQ(DeystvieM::LookOfMode(m), looks[m]) << "mode " << m;
    // The answers page where the answers may leave the program, and only beside print and export.
    EXPECT_TRUE(DeystvieM::LookOfMode(Mode::Authoring, true).AnswersPage);
    EXPECT_FALSE(DeystvieM::LookOfMode(Mode::NewGrid, true).AnswersPage);
}

TEST(KrossDocumentTest, CluesAndAnswersOrTheSolversWords) {
    ClueTable t;
    t.Create3(2);
    t.SetClue(1, 0, "clue");
    t.SetAnswer(1, 0, "ANSWER");
    t.SetWord(1, 0, "ignored"); // the other shape: nothing written
    EXPECT_EQ(t.Clue(1, 0), "clue");
    EXPECT_EQ(t.Answer(1, 0), "ANSWER");
    EXPECT_EQ(t.Word(1, 0), "");
    EXPECT_EQ(t.Answer(3, 0), ""); // beyond the numbers
    t.Create2(2);
    t.SetWord(2, 1, "WORD");
    t.SetAnswer(2, 1, "ignored");
    EXPECT_EQ(t.Word(2, 1), "WORD");
    EXPECT_EQ(t.Answer(2, 1), "");
    EXPECT_EQ(t.Clue(1, 0), ""); // the three-index texts went with the shape
}

} // namespace
