// Files from anyone and texts with anything in them: the readers cap what they take, the writers never
// write a damaged file, and a save checks what it wrote before the old file goes.
#include <gtest/gtest.h>

#include <functional>

#include "KrossFixtures.h"
#include "basics/NumberText.h"
#include "document/GridLimits.h"
#include "document/OpenKrossM.h"
#include "document/OpenOtvetyM.h"
#include "document/SaveKrossM.h"
#include "document/SaveOtvetyM.h"
#include "document/TextLimits.h"

namespace {

using fixtures::cp;
using fixtures::GridDocument;
using fixtures::Lines;
using Status = OpenKrossM::KrossReadResult::Status;

// 1 across, 1 down, 2 down, 3 across, three cells each; every clue and answer filled.
KrossDocument ring(int32_t noAnswers = 0) {
    KrossDocument doc = GridDocument({"...", ".#.", "..."}, noAnswers, "Кольцо");
    if (noAnswers == 0) {
        const char* answers[4][2] = {{"КОТ", "КИТ"}, {"", "ТОК"}, {"ТИК", ""}};
        for (int32_t n = 1; n <= 3; ++n)
            for (int32_t d = 0; d <= 1; ++d)
                if (doc.WordLength(n, d) > 0) {
                    doc.ClueTexts.SetClue(n, d, cp("Вопрос ") + std::to_string(n));
                    doc.ClueTexts.SetAnswer(n, d, cp(answers[n - 1][d]));
                }
        doc.KrossAuthor = cp("Автор");
        doc.EditPassword = SaveKrossM::Scramble(doc, "pw");
    }
    doc.KrossFile = "/home/u/ring.krw";
    return doc;
}

TEST(SafeFilesTest, ACrosswordFileIsCheckedAsItReadsBack) {
    struct Case {
        const char* name;
        std::function<void(KrossDocument&)> change;
        bool intact;    // no line break in a text line
        bool readsBack; // the bytes written give the crossword back
    } cases[] = {
        {"a whole crossword", [](KrossDocument&) {}, true, true},
        {"a bare grid", [](KrossDocument& d) { d = ring(1); }, true, true},
        {"a missing answer", [](KrossDocument& d) { d.ClueTexts.SetAnswer(1, 0, ""); }, true, true},
        // Scrambling keeps no character below code 32 (it becomes code 0): that is the format, no damage.
        {"a control character in the author", [](KrossDocument& d) { d.KrossAuthor = "A\tB"; }, true, true},
        {"a pasted line break in a clue",
         [](KrossDocument& d) { d.ClueTexts.SetClue(1, 0, "bird\r\n 999 \r\n"); }, false, false},
        {"a line feed in the name", [](KrossDocument& d) { d.KrossName = "Ring\nX"; }, false, false},
        {"a carriage return in the password", [](KrossDocument& d) { d.EditPassword = "p\rw"; }, false,
         false},
        {"a line break in the name of a bare grid",
         [](KrossDocument& d) {
             d = ring(1);
             d.KrossName = "Ring\r\nX";
         },
         false, false},
    };
    for (const auto& c : cases) {
        KrossDocument doc = ring();
        c.change(doc);
        EXPECT_EQ(SaveKrossM::LinesIntact(doc), c.intact) << c.name;
        EXPECT_EQ(SaveKrossM::ReadsBackAs(SaveKrossM::KrossFileText(doc), doc), c.readsBack) << c.name;
    }

    // Bytes that are not the crossword's: cut short, another answer, another cell.
    const KrossDocument doc = ring();
    const std::string bytes = SaveKrossM::KrossFileText(doc);
    EXPECT_FALSE(SaveKrossM::ReadsBackAs(bytes.substr(0, bytes.size() - 7), doc));
    KrossDocument other = ring();
    other.ClueTexts.SetAnswer(3, 0, cp("ТОК"));
    EXPECT_FALSE(SaveKrossM::ReadsBackAs(SaveKrossM::KrossFileText(other), doc));
    other = ring();
    other.SlotTable(3, Slot::Y, 0) = 1;
    EXPECT_FALSE(SaveKrossM::ReadsBackAs(SaveKrossM::KrossFileText(other), doc));
    EXPECT_FALSE(SaveKrossM::ReadsBackAs("", doc));
}

TEST(SafeFilesTest, AnAnswersFileIsCheckedAsItReadsBack) {
    struct Case {
        const char* name;
        int32_t noAnswers;
        std::string word; // typed into 1 across of a bare grid
        bool intact, readsBack;
    } cases[] = {
        {"progress of a crossword with answers", 0, "", true, true},
        {"words of a bare grid", 1, cp("КОТ"), true, true},
        {"a typed word holding a line break", 1, "K\r\nT", false, false},
    };
    for (const auto& c : cases) {
        KrossDocument doc = ring(c.noAnswers);
        if (c.noAnswers == 1) doc.ClueTexts.Create2(doc.NumberCount);
        doc.SolvedWords(1, 0) = doc.SolvedWords(2, 1) = 1;
        doc.SolvedCount = 2;
        if (c.noAnswers == 1) {
            doc.ClueTexts.SetWord(1, 0, c.word);
            doc.ClueTexts.SetWord(2, 1, cp("ТОК"));
        }
        EXPECT_EQ(SaveOtvetyM::LinesIntact(doc), c.intact) << c.name;
        EXPECT_EQ(SaveOtvetyM::ReadsBackAs(SaveOtvetyM::OtvetyFileText(doc, "/"), doc, "/"), c.readsBack)
            << c.name;
    }
    KrossDocument doc = ring();
    doc.SolvedWords(1, 0) = 1;
    const std::string bytes = SaveOtvetyM::OtvetyFileText(doc, "/");
    doc.SolvedWords(3, 0) = 1; // a mark the file does not hold
    EXPECT_FALSE(SaveOtvetyM::ReadsBackAs(bytes, doc, "/"));
    doc.KrossName = "Other";
    doc.SolvedWords(3, 0) = 0;
    EXPECT_FALSE(SaveOtvetyM::ReadsBackAs(bytes, doc, "/"));
}

// The field is drawn at the cell size in force; a grid is refused before anything is allocated when its
// field would not fit at that size, as a new grid is.
TEST(SafeFilesTest, AGridMustFitAtTheCellSizeInForce) {
    struct Case {
        int32_t width, height, cellSize;
        bool opens;
    } cases[] = {
        // At most 4,194,304 cells, and a field of at most 2^24 - 1 pixels a side at the cell size.
        {2048, 2048, 1, true},    {2048, 2048, 20, true}, {2049, 2048, 1, false}, {4194304, 1, 1, true},
        {4194304, 1, 20, false},  {838860, 5, 20, true},  {838861, 1, 20, false}, {10, 10, 1677720, true},
        {10, 10, 1677721, false}, {3, 3, 0, false},       {3, 3, -20, false},
    };
    for (const auto& c : cases) {
        const std::string file = Lines(
            {" 1 ", "Big", NumberText::NumberLine(c.width), NumberText::NumberLine(c.height), " 0 ", " 0 "});
        KrossDocument doc;
        const auto r = OpenKrossM::ReadKrossText(file, doc, 0, "big.krw", c.cellSize);
        EXPECT_EQ(r.status == Status::Ok, c.opens) << c.width << "x" << c.height << " at " << c.cellSize;
        EXPECT_EQ(GridLimits::GridFits(c.width, c.height, c.cellSize), c.opens);
        if (!c.opens) {
            EXPECT_EQ(doc.GridWidth, 0); // the document is untouched
        }
    }
}

// A name of megabytes would go to the window system as the window caption.
TEST(SafeFilesTest, TextsReadFromAFileAreCappedToWhatTheWindowShows) {
    const std::string huge(100000, 'N');
    KrossDocument doc = ring();
    doc.KrossName = huge;
    doc.KrossAuthor = huge;
    doc.EditPassword = huge;
    doc.ClueTexts.SetClue(1, 0, huge);
    KodKodirovkiM::BuildCodeTables(doc);
    KrossDocument back;
    ASSERT_EQ(OpenKrossM::ReadKrossText(SaveKrossM::KrossFileText(doc), back, 0, "x.krw").status, Status::Ok);
    const std::string capped = huge.substr(0, TextLimits::MaxText);
    EXPECT_EQ(back.KrossName, capped);
    EXPECT_EQ(back.EditPassword, capped);
    EXPECT_EQ(back.KrossAuthor.size(), TextLimits::MaxText);
    EXPECT_EQ(back.ClueTexts.Clue(1, 0), capped);
    EXPECT_EQ(back.ClueTexts.Clue(1, 1), cp("Вопрос 1")); // the lines after it are read as before
    EXPECT_EQ(back.WordCount, 4);
    // The answers file's name of the crossword is cut the same way, so the two still match.
    EXPECT_EQ(OpenOtvetyM::ParseOtvety(Lines({"x.krw", huge, " 0 ", " 3 ", " 0 "})).KrossName, capped);
}

} // namespace
