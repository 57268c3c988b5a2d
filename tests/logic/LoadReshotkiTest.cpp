#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/LoadReshotkiM.h"
#include "logic/GridFixture.h"

namespace {

using gridfixture::Authoring;
using gridfixture::LettersAcross;
using gridfixture::LettersDown;

// A 5x5 crossword given only by its word table, as a file would give it.
KrossDocument fiveByFive(int32_t appMode, int32_t style) {
    KrossDocument doc;
    doc.GridWidth = 5;
    doc.GridHeight = 5;
    doc.NumberCount = 2;
    doc.WordCount = 2;
    doc.SlotTable.Redim(2, 2, 1);
    doc.SlotTable(1, Slot::X, 0) = 0; // 1 across at (0, 0), 3 cells
    doc.SlotTable(1, Slot::Y, 0) = 0;
    doc.SlotTable(1, Slot::Length, 0) = 3;
    doc.SlotTable(2, Slot::X, 1) = 1; // 2 down at (1, 0), 2 cells
    doc.SlotTable(2, Slot::Y, 1) = 0;
    doc.SlotTable(2, Slot::Length, 1) = 2;
    doc.SolvedWords.Redim(2, 1);
    doc.AppMode = appMode;
    doc.ActiveStyle = style;
    return doc;
}

int32_t countNonZero(const KrossDocument& doc, int32_t layer) {
    int32_t count = 0;
    for (int32_t c = 0; c <= doc.GridLayers.Ubound0(); ++c)
        for (int32_t r = 0; r <= doc.GridLayers.Ubound1(); ++r)
            count += doc.GridLayers(c, r, layer) != 0;
    return count;
}

TEST(LoadReshotkiTest, BuildLayersTurnedStylePlacesWordsFromTheOppositeCorner) {
    KrossDocument doc = fiveByFive(Mode::SolveBare, 1);
    doc.ClueTexts.Create2(2);
    doc.ClueTexts.SetWord(1, 0, "ABC"); // entered words are kept in unturned reading order
    doc.ClueTexts.SetWord(2, 1, "BX");
    doc.SolvedWords(1, 0) = 1;
    doc.SolvedWords(2, 1) = 1;
    LoadReshotkiM::BuildLayers(doc);

    EXPECT_EQ(doc.GridLayers.Ubound2(), 5);
    EXPECT_EQ(doc.GridLayers(4, 4, Layer::Number), 1);
    EXPECT_EQ(doc.GridLayers(3, 4, Layer::Number), 2);
    EXPECT_EQ(countNonZero(doc, Layer::Number), 2);
    EXPECT_EQ(doc.ViewSlotTable(1, Slot::X, 0), 2);
    EXPECT_EQ(doc.ViewSlotTable(1, Slot::Y, 0), 4);
    EXPECT_EQ(doc.ViewSlotTable(1, Slot::Length, 0), 3);
    EXPECT_EQ(doc.ViewSlotTable(2, Slot::X, 1), 3);
    EXPECT_EQ(doc.ViewSlotTable(2, Slot::Y, 1), 3);
    EXPECT_EQ(doc.ViewSlotTable(2, Slot::Length, 1), 2);
    EXPECT_EQ(doc.ViewSlotTable(1, Slot::Length, 1), 0);
    EXPECT_EQ(LettersAcross(doc, 0, 4, 5), "__CBA"); // first letter in (4, 4), last in (2, 4)
    EXPECT_EQ(LettersDown(doc, 3, 0, 5), "___XB");
    EXPECT_EQ(doc.GridLayers(4, 4, Layer::AcrossLetter), 'A');
    EXPECT_EQ(doc.GridLayers(3, 3, Layer::DownLetter), 'X');
    EXPECT_EQ(doc.GridLayers(3, 3, Layer::AcrossLetter), 0);
    EXPECT_EQ(countNonZero(doc, Layer::Letter), 4);
    // Both words are entered, so neither is selectable any more.
    EXPECT_EQ(countNonZero(doc, Layer::Across), 0);
    EXPECT_EQ(countNonZero(doc, Layer::Down), 0);
}

TEST(LoadReshotkiTest, BuildLayersClassicStyleKeepsTheWordTable) {
    KrossDocument doc = fiveByFive(Mode::Solve, 0);
    doc.ClueTexts.Create3(2);
    LoadReshotkiM::BuildLayers(doc);
    EXPECT_TRUE(doc.ViewSlotTable == doc.SlotTable);
    EXPECT_EQ(doc.GridLayers(0, 0, Layer::Number), 1);
    EXPECT_EQ(doc.GridLayers(1, 0, Layer::Number), 2);
    EXPECT_EQ(LettersAcross(doc, 0, 0, 5), "_____");
    for (int32_t c = 0; c < 3; ++c)
        EXPECT_EQ(doc.GridLayers(c, 0, Layer::Across), 1);
    EXPECT_EQ(doc.GridLayers(1, 0, Layer::Down), 2);
    EXPECT_EQ(doc.GridLayers(1, 1, Layer::Down), 2);
    EXPECT_EQ(countNonZero(doc, Layer::Across), 3);
    EXPECT_EQ(countNonZero(doc, Layer::Down), 2);
}

TEST(LoadReshotkiTest, BuildLayersSolvedWordShowsItsAnswerAndIsNoLongerSelectable) {
    KrossDocument doc = Authoring({"...", "..."});
    doc.ClueTexts.SetAnswer(1, 0, "CAT");
    doc.ClueTexts.SetAnswer(1, 1, "CO");
    doc.ClueTexts.SetAnswer(4, 0, "OWL");
    doc.AppMode = Mode::Solve;
    doc.SolvedWords(1, 0) = 1;
    LoadReshotkiM::BuildLayers(doc);

    EXPECT_EQ(doc.GridLayers.Ubound2(), 3);
    EXPECT_EQ(LettersAcross(doc, 0, 0, 3), "CAT");
    EXPECT_EQ(LettersAcross(doc, 0, 1, 3), "___"); // 4 across is not solved: its answer stays hidden
    for (int32_t c = 0; c < 3; ++c) {
        EXPECT_EQ(doc.GridLayers(c, 0, Layer::Across), 0);
        EXPECT_EQ(doc.GridLayers(c, 0, Layer::Down), c + 1); // the crossing down words stay selectable
        EXPECT_EQ(doc.GridLayers(c, 1, Layer::Across), 4);
    }
}

TEST(LoadReshotkiTest, BuildLayersTextShownDependsOnModeAndSolvedState) {
    struct Case {
        int32_t appMode, noAnswers;
        bool twoIndexTexts;
        const char* row0; // letters of 1 across, which is marked solved
        const char* row1; // letters of 4 across, not solved
    } cases[] = {
        {Mode::Authoring, 0, false, "CAT", "OWL"},     {Mode::SolveBare, 0, true, "DOG", "___"},
        {Mode::Solve, 0, false, "CAT", "___"},         {Mode::Incomplete, 0, false, "___", "___"},
        {Mode::BareAuthoring, 1, false, "___", "___"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "mode " << c.appMode);
        KrossDocument doc = Authoring({"...", "..."});
        if (c.twoIndexTexts) {
            doc.ClueTexts.Create2(doc.NumberCount);
            doc.ClueTexts.SetWord(1, 0, "DOG");
            doc.ClueTexts.SetWord(4, 0, "EMU");
        } else {
            doc.ClueTexts.SetAnswer(1, 0, "CAT");
            doc.ClueTexts.SetAnswer(4, 0, "OWL");
        }
        doc.AppMode = c.appMode;
        doc.NoAnswers = c.noAnswers;
        doc.SolvedWords(1, 0) = 1;
        LoadReshotkiM::BuildLayers(doc);
        EXPECT_EQ(LettersAcross(doc, 0, 0, 3), c.row0);
        EXPECT_EQ(LettersAcross(doc, 0, 1, 3), c.row1);
        EXPECT_EQ(doc.GridLayers.Ubound2(), LoadReshotkiM::LastLayer(c.appMode));
    }
}

TEST(LoadReshotkiTest, BuildLayersAuthoringWithoutAnswersFillsOnlyTheWordLayers) {
    KrossDocument doc = Authoring({"..#..", ".....", "#.#.#", "....."});
    ASSERT_EQ(doc.AppMode, Mode::Authoring);
    EXPECT_EQ(doc.GridLayers.Ubound0(), 5);
    EXPECT_EQ(doc.GridLayers.Ubound1(), 4);
    EXPECT_EQ(doc.GridLayers.Ubound2(), 5);
    for (int32_t layer = 0; layer <= 2; ++layer)
        EXPECT_GT(countNonZero(doc, layer), 0) << layer;
    for (int32_t layer = 3; layer <= 5; ++layer)
        EXPECT_EQ(countNonZero(doc, layer), 0) << layer;
    // The spare column and row stay empty.
    for (int32_t layer = 0; layer <= 5; ++layer) {
        for (int32_t r = 0; r <= 4; ++r)
            EXPECT_EQ(doc.GridLayers(5, r, layer), 0);
        for (int32_t c = 0; c <= 5; ++c)
            EXPECT_EQ(doc.GridLayers(c, 4, layer), 0);
    }
}

TEST(LoadReshotkiTest, BuildLayersAuthorsAnswersGoIntoTheLetterLayersOfTheirDirection) {
    KrossDocument doc = Authoring({"...", "..."});
    doc.ClueTexts.SetAnswer(1, 0, "CAT");
    doc.ClueTexts.SetAnswer(2, 1, "AX");
    LoadReshotkiM::BuildLayers(doc);
    EXPECT_EQ(LettersAcross(doc, 0, 0, 3), "CAT");
    EXPECT_EQ(LettersAcross(doc, 0, 1, 3), "_X_");
    EXPECT_EQ(doc.GridLayers(1, 0, Layer::AcrossLetter), 'A');
    EXPECT_EQ(doc.GridLayers(1, 0, Layer::DownLetter), 'A');
    EXPECT_EQ(doc.GridLayers(0, 0, Layer::DownLetter), 0);
    EXPECT_EQ(doc.GridLayers(1, 1, Layer::AcrossLetter), 0);
    EXPECT_EQ(doc.GridLayers(1, 1, Layer::DownLetter), 'X');
}

TEST(LoadReshotkiTest, BuildLayersRebuildingGivesTheSameLayersWhateverWasThere) {
    KrossDocument doc = Authoring({"....#", ".#...", "....."});
    doc.ClueTexts.SetAnswer(1, 0, "ABCD");
    LoadReshotkiM::BuildLayers(doc);
    const Array3<int32_t> first = doc.GridLayers;
    const Array3<int32_t> firstView = doc.ViewSlotTable;
    doc.GridLayers(3, 2, Layer::Letter) = 'Z';
    doc.GridLayers(4, 0, Layer::Across) = 7;
    LoadReshotkiM::BuildLayers(doc);
    EXPECT_TRUE(doc.GridLayers == first);
    EXPECT_TRUE(doc.ViewSlotTable == firstView);
}

TEST(LoadReshotkiTest, BuildLayersDamagedWordTableNeverReachesOutsideTheGrid) {
    for (int32_t style : {0, 1}) {
        SCOPED_TRACE(::testing::Message() << "style " << style);
        KrossDocument doc;
        doc.GridWidth = 4;
        doc.GridHeight = 3;
        doc.NumberCount = 8; // one more than the table holds
        doc.SlotTable.Redim(7, 2, 1);
        auto put = [&](int32_t n, int32_t d, int32_t x, int32_t y, int32_t len) {
            doc.SlotTable(n, Slot::X, d) = x;
            doc.SlotTable(n, Slot::Y, d) = y;
            doc.SlotTable(n, Slot::Length, d) = len;
        };
        put(1, 0, 0, 0, 4);  // fits, but its text is one letter short
        put(2, 0, 2, 1, 3);  // runs past the right edge
        put(3, 0, -1, 2, 2); // starts left of the grid
        put(4, 1, 3, 1, 3);  // runs past the bottom
        put(5, 1, 1, -2, 3); // starts above the grid
        put(6, 1, 1, 3, 1);  // starts below the last row
        put(7, 1, 0, 0, 3);  // fits
        doc.ClueTexts.Create3(8);
        doc.SolvedWords.Redim(8, 1);
        doc.AppMode = Mode::Solve;
        doc.ActiveStyle = style;
        for (int32_t n = 1; n <= 7; ++n) {
            doc.ClueTexts.SetAnswer(n, 0, "WXYZW");
            doc.ClueTexts.SetAnswer(n, 1, "PQRS");
            doc.SolvedWords(n, 0) = doc.SolvedWords(n, 1) = 1;
        }
        doc.ClueTexts.SetAnswer(1, 0, "ABC");
        LoadReshotkiM::BuildLayers(doc);

        for (int32_t n = 2; n <= 6; ++n)
            for (int32_t f = 0; f <= 2; ++f)
                for (int32_t d = 0; d <= 1; ++d)
                    EXPECT_EQ(doc.ViewSlotTable(n, f, d), 0) << n;
        EXPECT_EQ(doc.ViewSlotTable(1, Slot::Length, 0), 4);
        EXPECT_EQ(doc.ViewSlotTable(7, Slot::Length, 1), 3);
        EXPECT_EQ(countNonZero(doc, Layer::Number), 1); // 1 and 7 share their first cell
        if (style == 0) {
            EXPECT_EQ(doc.GridLayers(0, 0, Layer::Number), 7);
            EXPECT_EQ(LettersAcross(doc, 0, 0, 4), "PBC_");
            EXPECT_EQ(LettersDown(doc, 0, 0, 3), "PQR");
        } else {
            EXPECT_EQ(doc.GridLayers(3, 2, Layer::Number), 7);
            EXPECT_EQ(LettersAcross(doc, 0, 2, 4), "CBAQ"); // "ABC" reversed, from the turned word's start
            EXPECT_EQ(LettersDown(doc, 3, 0, 3), "SRQ");    // the whole text is reversed, then cut
        }
        EXPECT_EQ(countNonZero(doc, Layer::Letter), style == 0 ? 5 : 6);
    }
}

} // namespace
