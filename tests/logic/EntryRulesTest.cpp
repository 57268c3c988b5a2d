#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "grid/AddSlovoM.h"
#include "grid/FoundNoOtvetM.h"
#include "logic/GridFixture.h"

namespace {

using gridfixture::Authoring;
using gridfixture::Cp;
using gridfixture::LettersAcross;
using gridfixture::LettersDown;
using Word = std::pair<int32_t, int32_t>;
using AddSlovoM::StoreCheck;

// 3x2, all open: 1 across and 4 across of 3 cells; 1, 2 and 3 down of 2 cells.
KrossDocument threeByTwo() {
    return Authoring({"...", "..."});
}

int32_t code(std::string_view utf8Letter) {
    return Cp1251::Code(Cp(utf8Letter)[0]);
}

TEST(EntryRulesTest, FirstUnansweredAcrossBeforeDownLowestNumberFirst) {
    struct Case {
        std::vector<Word> answered;
        std::optional<Word> first;
    } cases[] = {
        {{}, Word{1, 0}},
        {{{1, 0}}, Word{1, 1}},
        {{{1, 0}, {1, 1}}, Word{2, 1}}, // 2 has no across word
        {{{1, 0}, {1, 1}, {2, 1}, {3, 1}}, Word{4, 0}},
        {{{1, 1}, {2, 1}, {3, 1}, {4, 0}}, Word{1, 0}},
        {{{1, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 0}}, std::nullopt},
    };
    for (const auto& c : cases) {
        KrossDocument doc = threeByTwo();
        for (auto [n, d] : c.answered)
            doc.ClueTexts.SetAnswer(n, d, "XY");
        EXPECT_EQ(FoundNoOtvetM::FirstUnanswered(doc), c.first) << c.answered.size() << " answered";
    }
}

TEST(EntryRulesTest, CheckStoreLowerCaseAnswerIsStoredUpperCase) {
    KrossDocument doc = threeByTwo();
    doc.Modified = false;
    ASSERT_EQ(AddSlovoM::CheckStore(doc, 1, 0, Cp("кот")).Kind, StoreCheck::Ok);
    AddSlovoM::StoreAnswer(doc, 1, 0, Cp("Домашний зверь"), Cp("кот"));
    EXPECT_EQ(doc.ClueTexts.Answer(1, 0), Cp("КОТ"));
    EXPECT_EQ(doc.ClueTexts.Clue(1, 0), Cp("Домашний зверь"));
    EXPECT_EQ(LettersAcross(doc, 0, 0, 3), "КОТ");
    EXPECT_EQ(doc.GridLayers(2, 0, Layer::AcrossLetter), code("Т"));
    EXPECT_EQ(doc.GridLayers(2, 0, Layer::DownLetter), 0);
    EXPECT_TRUE(doc.Modified);
}

TEST(EntryRulesTest, CheckStoreCrossingLettersSpacesAndLength) {
    KrossDocument doc = threeByTwo();
    AddSlovoM::StoreAnswer(doc, 4, 0, "", Cp("ЕБЖ")); // 1 and 2 down now show Е and Б in their second cells
    struct Case {
        const char* name;
        int32_t n, d;
        const char* answer;
        StoreCheck kind;
        LetterConflict conflict;
    } cases[] = {
        {"agrees with the crossing letter", 2, 1, "яб", StoreCheck::Ok, {}},
        {"clashes in the second cell", 2, 1, "яа", StoreCheck::Conflict, {1, code("Б"), code("А")}},
        {"same letter as the crossing word", 1, 1, "ще", StoreCheck::Ok, {}},
        {"Е and Ё are different letters", 1, 1, "жё", StoreCheck::Conflict, {1, code("Е"), code("Ё")}},
        {"space", 2, 1, "я ", StoreCheck::Refused, {}},
        {"space before a clash", 1, 1, " а", StoreCheck::Refused, {}},
        {"space at the end", 4, 0, "ЕБ ", StoreCheck::Refused, {}},
        {"too short", 2, 1, "я", StoreCheck::Refused, {}},
        {"too long", 2, 1, "ябб", StoreCheck::Refused, {}},
        {"no such word", 2, 0, "яб", StoreCheck::Refused, {}},
        {"number beyond the table", 9, 0, "яб", StoreCheck::Refused, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto v = AddSlovoM::CheckStore(doc, c.n, c.d, Cp(c.answer));
        EXPECT_EQ(v.Kind, c.kind);
        if (c.kind == StoreCheck::Conflict) {
            EXPECT_EQ(v.Conflict, c.conflict);
        }
    }

    // A clash in an earlier cell is reported even when a space follows.
    KrossDocument crossing = threeByTwo();
    AddSlovoM::StoreAnswer(crossing, 1, 1, "", "AB");
    AddSlovoM::StoreAnswer(crossing, 2, 1, "", "CD");
    auto v = AddSlovoM::CheckStore(crossing, 4, 0, "X D");
    EXPECT_EQ(v.Kind, StoreCheck::Conflict);
    EXPECT_EQ(v.Conflict, (LetterConflict{0, 'B', 'X'}));
}

TEST(EntryRulesTest, StoreAnswerRefusedAnswerChangesNothing) {
    KrossDocument doc = threeByTwo();
    AddSlovoM::StoreAnswer(doc, 4, 0, "clue", "ABA");
    doc.Modified = false;
    const KrossDocument before = doc;
    AddSlovoM::StoreAnswer(doc, 2, 1, "clue", "XZ"); // clashes with B
    AddSlovoM::StoreAnswer(doc, 2, 1, "clue", "X");  // wrong length
    AddSlovoM::StoreAnswer(doc, 2, 1, "clue", " B"); // space
    EXPECT_TRUE(doc.GridLayers == before.GridLayers);
    EXPECT_TRUE(doc.ClueTexts == before.ClueTexts);
    EXPECT_FALSE(doc.Modified);
}

TEST(EntryRulesTest, RemoveAnswerCrossingLettersStayOtherCellsEmpty) {
    KrossDocument doc = threeByTwo();
    AddSlovoM::StoreAnswer(doc, 1, 0, "a", "CAT");
    AddSlovoM::StoreAnswer(doc, 2, 1, "b", "AX");
    doc.Modified = false;
    ASSERT_TRUE(AddSlovoM::RemoveAnswer(doc, 1, 0, "new clue"));
    EXPECT_EQ(LettersAcross(doc, 0, 0, 3), "_A_");
    EXPECT_EQ(LettersDown(doc, 1, 0, 2), "AX");
    for (int32_t c = 0; c < 3; ++c)
        EXPECT_EQ(doc.GridLayers(c, 0, Layer::AcrossLetter), 0);
    EXPECT_EQ(doc.GridLayers(1, 0, Layer::DownLetter), 'A');
    EXPECT_EQ(doc.ClueTexts.Answer(1, 0), "");
    EXPECT_EQ(doc.ClueTexts.Clue(1, 0), "new clue");
    EXPECT_FALSE(doc.Modified);
    // The down word can now take a different first letter only if nothing else crosses it.
    EXPECT_EQ(AddSlovoM::CheckStore(doc, 1, 1, "QZ").Kind, StoreCheck::Ok);

    const KrossDocument before = doc;
    EXPECT_FALSE(AddSlovoM::RemoveAnswer(doc, 1, 0, "other clue")); // no answer to remove
    EXPECT_TRUE(doc.ClueTexts == before.ClueTexts);
    EXPECT_TRUE(doc.GridLayers == before.GridLayers);
}

TEST(EntryRulesTest, NextAfterEntryOtherDirectionOfTheSameNumberFirst) {
    KrossDocument doc = threeByTwo();
    AddSlovoM::StoreAnswer(doc, 1, 0, "", "CAT");
    EXPECT_EQ(AddSlovoM::NextAfterEntry(doc, 1, 0), (Word{1, 1}));
    AddSlovoM::StoreAnswer(doc, 1, 1, "", "CO");
    EXPECT_EQ(AddSlovoM::NextAfterEntry(doc, 1, 1), (Word{2, 1})); // 1 across is answered
    AddSlovoM::StoreAnswer(doc, 3, 1, "", "TE");
    EXPECT_EQ(AddSlovoM::NextAfterEntry(doc, 3, 1), (Word{2, 1})); // 3 has no across word
    AddSlovoM::StoreAnswer(doc, 2, 1, "", "AN");
    AddSlovoM::StoreAnswer(doc, 4, 0, "", "ONE");
    EXPECT_EQ(AddSlovoM::NextAfterEntry(doc, 4, 0), std::nullopt);
}

} // namespace
