#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/AddSlovoM.h"
#include "grid/FillEngine.h"
#include "grid/FoundNoOtvetM.h"
#include "grid/GridFill.h"
#include "grid/LoadReshotkiM.h"
#include "logic/GridFixture.h"

namespace {

using gridfixture::Authoring;
using gridfixture::Cp;
using gridfixture::LettersAcross;
using gridfixture::LettersDown;

std::vector<std::string> cp(const std::vector<std::string>& utf8) {
    std::vector<std::string> out;
    for (const auto& w : utf8)
        out.push_back(Cp(w));
    return out;
}

// 3x3 with a block in the middle: 1 across and 3 across (rows 0 and 2), 1 down and 2 down (columns 0 and
// 2); the middle cell of each word is in that word only.
KrossDocument ring() {
    return Authoring({"...", ".#.", "..."});
}

std::vector<GridFill::FilledWord> fillOf(const KrossDocument& doc,
                                         const std::vector<std::string>& wordsUtf8) {
    const GridFill::GridProblem g = GridFill::ProblemOf(doc);
    const auto r = FillEngine::Fill(g.Problem, FillWords::FromWords(cp(wordsUtf8)), {});
    EXPECT_EQ(r.Kind, FillEngine::Outcome::Filled);
    return GridFill::FilledWordsOf(g, r);
}

const std::vector<std::string> RingWords = {"КОТ", "ТИК", "КИТ", "ТОК"};

TEST(ProblemOf, WordsAnswersAndBareGrids) {
    KrossDocument doc = ring();
    AddSlovoM::StoreAnswer(doc, 2, 1, "", Cp("ток"));
    const GridFill::GridProblem g = GridFill::ProblemOf(doc);
    EXPECT_EQ(g.Words, (std::vector<std::pair<int32_t, int32_t>>{{1, 0}, {1, 1}, {2, 1}, {3, 0}}));
    ASSERT_EQ(g.Problem.Slots.size(), 4u);
    EXPECT_EQ(g.Problem.Slots[2].X, 2);
    EXPECT_EQ(g.Problem.Slots[2].Direction, 1);
    EXPECT_EQ(g.Problem.Slots[2].Answer, Cp("ТОК"));
    EXPECT_EQ(g.Problem.Slots[3].Y, 2);
    EXPECT_EQ(g.Problem.Slots[3].Answer, "");

    doc.NoAnswers = 1; // a bare grid has no answers to keep
    for (const auto& s : GridFill::ProblemOf(doc).Problem.Slots)
        EXPECT_EQ(s.Answer, "");
}

TEST(EnterFill, EntersEveryWordAsTheAuthorWould) {
    KrossDocument doc = ring();
    AddSlovoM::StoreAnswer(doc, 1, 0, "", Cp("КОТ"));
    doc.ClueTexts.SetClue(3, 0, Cp("Морской зверь")); // a clue written before its answer
    doc.Modified = false;
    const auto filled = fillOf(doc, RingWords);
    ASSERT_EQ(filled.size(), 3u);

    ASSERT_TRUE(GridFill::EnterFill(doc, filled));
    EXPECT_EQ(LettersAcross(doc, 0, 0, 3), "КОТ");
    EXPECT_EQ(LettersDown(doc, 0, 0, 3), "КИТ"); // КОТ is taken
    for (const auto& w : filled)
        EXPECT_EQ(doc.ClueTexts.Answer(w.Number, w.Direction), w.Answer);
    EXPECT_EQ(doc.ClueTexts.Clue(3, 0), Cp("Морской зверь"));
    EXPECT_EQ(doc.ClueTexts.Clue(1, 1), "");
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(doc.WordCount, 4);
    EXPECT_FALSE(FoundNoOtvetM::FirstUnanswered(doc).has_value());
    // The working layers are what a rebuild from the texts gives.
    KrossDocument rebuilt = doc;
    LoadReshotkiM::BuildLayers(rebuilt);
    EXPECT_EQ(rebuilt.GridLayers, doc.GridLayers);
}

TEST(EnterFill, RefusesWhenTheCrosswordChangedAndChangesNothing) {
    struct Case {
        const char* name;
        void (*change)(KrossDocument&);
    } cases[] = {
        {"a filled word got an answer meanwhile",
         [](KrossDocument& d) { AddSlovoM::StoreAnswer(d, 3, 0, "", Cp("КОТ")); }},
        {"a crossing letter differs now",
         [](KrossDocument& d) { AddSlovoM::StoreAnswer(d, 1, 0, "", Cp("ЖУК")); }},
        {"no longer authoring", [](KrossDocument& d) { d.AppMode = Mode::Solve; }},
    };
    for (const Case& c : cases) {
        KrossDocument doc = ring();
        const auto filled = fillOf(doc, RingWords);
        c.change(doc);
        const KrossDocument before = doc;
        EXPECT_FALSE(GridFill::EnterFill(doc, filled)) << c.name;
        EXPECT_EQ(doc.GridLayers, before.GridLayers) << c.name;
        EXPECT_EQ(doc.ClueTexts, before.ClueTexts) << c.name;
        EXPECT_EQ(doc.Modified, before.Modified) << c.name;
    }
}

TEST(TakeBackFill, LeavesTheCrosswordAsBefore) {
    KrossDocument doc = ring();
    AddSlovoM::StoreAnswer(doc, 2, 1, "", Cp("ТОК")); // its letters stay where filled words cross it
    doc.ClueTexts.SetClue(1, 1, Cp("Кит"));
    const KrossDocument before = doc;
    const auto filled = fillOf(doc, RingWords);
    ASSERT_TRUE(GridFill::EnterFill(doc, filled));
    GridFill::TakeBackFill(doc, filled);
    EXPECT_EQ(doc.GridLayers, before.GridLayers);
    EXPECT_EQ(doc.ClueTexts, before.ClueTexts);
}

TEST(CrossingFilter, KeepsTheWordsThatLeaveEveryCrossingFillable) {
    // 1 across crosses 1 down in its first cell and 2 down in its last; its middle cell is its own.
    // 3 across is КИТ, so 1 down must end in К and 2 down in Т.
    KrossDocument doc = ring();
    AddSlovoM::StoreAnswer(doc, 3, 0, "", Cp("КИТ"));
    const FillWords words = FillWords::FromWords(cp({"СОК", "ЛУК", "ТОК", "ЛЕТ", "СЕТ", "КИТ", "ЛОТ"}));
    const GridFill::CrossingFilter filter(doc, 1, 0, words);
    struct Case {
        const char* word;
        bool keeps;
    } cases[] = {
        {"СОК", true},  // С.К down the left (СОК), К.Т down the right (КИТ)
        {"ЛЯК", true},  // the middle letter crosses nothing; the word itself need not be listed
        {"ток", true},  // compared in capitals
        {"КИТ", false}, // no word К.К for the left
        {"ЛЕТ", false}, // no word Т.Т for the right
        {"СО", false},  // another length
    };
    for (const Case& c : cases)
        EXPECT_EQ(filter.Keeps(Cp(c.word)), c.keeps) << c.word;

    // A crossing word with an answer asks for its own letter.
    AddSlovoM::StoreAnswer(doc, 2, 1, "", Cp("ЛОТ"));
    const GridFill::CrossingFilter answered(doc, 1, 0, words);
    EXPECT_FALSE(answered.Keeps(Cp("СОК")));
    EXPECT_TRUE(answered.Keeps(Cp("СОЛ")));
    EXPECT_FALSE(GridFill::CrossingFilter(doc, 9, 0, words).Keeps(Cp("СОЛ"))); // no such word
}

TEST(OutcomeMessage, SaysWhyThereIsNoFill) {
    const InterfaceTexts texts;
    const GridFill::GridProblem g = GridFill::ProblemOf(ring());
    FillEngine::Result r;
    r.Kind = FillEngine::Outcome::Impossible;
    r.Unfillable = 2;
    EXPECT_EQ(GridFill::OutcomeMessage(texts, g, r),
              "No fill exists with these letters and word lists. This word cannot be filled: 2 down");
    r.Unfillable = 3;
    EXPECT_EQ(GridFill::OutcomeMessage(texts, g, r),
              "No fill exists with these letters and word lists. This word cannot be filled: 3 across");
    r.Kind = FillEngine::Outcome::Stopped;
    EXPECT_EQ(GridFill::OutcomeMessage(texts, g, r), "The fill was stopped.");
    r.Kind = FillEngine::Outcome::TimedOut;
    EXPECT_EQ(GridFill::OutcomeMessage(texts, g, r), "No complete fill was found within the time limit.");
    r.Kind = FillEngine::Outcome::Filled;
    EXPECT_EQ(GridFill::OutcomeMessage(texts, g, r), "");
}

} // namespace
