#include <gtest/gtest.h>

#include "KrossFixtures.h"
#include "document/OpenOtvetyM.h"
#include "document/SaveOtvetyM.h"

namespace {

using fixtures::cp;
using fixtures::GridDocument;
using fixtures::Lines;
using ApplyStatus = OpenOtvetyM::OtvApplyResult::Status;

// Words: 1 across, 1 down, 2 down, 3 across, each of three cells; number 2 has no across word.
KrossDocument ring(int32_t noAnswers) {
    KrossDocument doc = GridDocument({"...", ".#.", "..."}, noAnswers, "Кольцо");
    if (noAnswers == 1) doc.ClueTexts.Create2(doc.NumberCount);
    doc.KrossFile = "/home/u/Кросс.krw";
    return doc;
}

void mark(KrossDocument& doc, int32_t n, int32_t d, std::string word = {}) {
    doc.SolvedWords(n, d) = 1;
    ++doc.SolvedCount;
    if (!word.empty()) doc.ClueTexts.SetWord(n, d, word);
}

TEST(OtvetyFileTest, WriterListsTheSolvedWords) {
    KrossDocument doc = ring(0);
    mark(doc, 3, 0);
    mark(doc, 1, 1);
    EXPECT_EQ(SaveOtvetyM::OtvetyFileText(doc, "/"),
              Lines({cp("Кросс.krw"), cp("Кольцо"), " 0 ", " 3 ", " 2 ", " 1 ", " 1 ", " 3 ", " 0 "}));

    KrossDocument bare = ring(1);
    mark(bare, 2, 1, "ABC");
    mark(bare, 1, 0, cp("ЁЖИ"));
    EXPECT_EQ(SaveOtvetyM::OtvetyFileText(bare, "/"),
              Lines({cp("Кросс.krw"), cp("Кольцо"), " 1 ", " 3 ", " 2 ", " 1 ", " 0 ", cp("ЁЖИ"), " 2 ",
                     " 1 ", "ABC"}));
}

// Line 5 is what the reader trusts, so it counts the records actually written.
TEST(OtvetyFileTest, CountLineMatchesTheRecords) {
    KrossDocument doc = ring(0);
    mark(doc, 1, 0);
    doc.SolvedCount = 5;
    const std::string text = SaveOtvetyM::OtvetyFileText(doc, "/");
    EXPECT_NE(text.find(" 3 \r\n 1 \r\n 1 \r\n 0 \r\n"), std::string::npos) << text;
}

TEST(OtvetyFileTest, WriterTakesTheFileNameAfterTheLastSeparator) {
    struct Case {
        const char* krossFile;
        const char* sep;
        const char* line; // UTF-8 of the expected cp1251 line
    } cases[] = {
        {"/a/b/Кросс.krw", "/", "Кросс.krw"}, {"x.krw", "/", "x.krw"},
        {"C:\\dir\\x.krw", "\\", "x.krw"},    {"", "/", ""},
        {"/a/日本.krw", "/", "??.krw"}, // a native name cp1251 cannot hold
    };
    for (const auto& c : cases) {
        KrossDocument doc = ring(0);
        doc.KrossFile = c.krossFile;
        const std::string text = SaveOtvetyM::OtvetyFileText(doc, c.sep);
        EXPECT_EQ(text.substr(0, text.find("\r\n")), cp(c.line)) << c.krossFile;
    }
}

TEST(OtvetyFileTest, FolderPartsOfTheCrosswordNameAreStripped) {
    struct Case {
        const char* line;
        const char* name;
    } cases[] = {
        {"x.krw", "x.krw"},
        {"..\\..\\x.krw", "x.krw"},
        {"/etc/x.krw", "x.krw"},
        {"a/b\\c.krw", "c.krw"},
        {"a\\b/c.krw", "c.krw"},
        {"..", ""},
        {".", ""},
        {"", ""},
        {"dir/", ""},
        {"a/..", ""},
        {"..\\", ""},
        {"Кросс.krw", "Кросс.krw"},
        {"...", "..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OpenOtvetyM::CrosswordFileName(cp(c.line)), c.name) << c.line;
    EXPECT_EQ(OpenOtvetyM::CrosswordFileName(std::string("x\0y.krw", 7)), "");
}

TEST(OtvetyFileTest, WrittenFileParsesBack) {
    for (int32_t noAnswers : {0, 1}) {
        KrossDocument doc = ring(noAnswers);
        mark(doc, 1, 0, noAnswers ? cp("ЁЖИ") : "");
        mark(doc, 2, 1, noAnswers ? "ABC" : "");
        const auto c = OpenOtvetyM::ParseOtvety(SaveOtvetyM::OtvetyFileText(doc, "/"));
        EXPECT_EQ(c.KrossFileName, "Кросс.krw");
        EXPECT_EQ(c.KrossName, doc.KrossName);
        EXPECT_EQ(c.NoAnswers, noAnswers);
        EXPECT_EQ(c.NumberCount, 3);
        EXPECT_EQ(c.SolvedCount, 2);
        ASSERT_EQ(c.Records.size(), 2u);
        EXPECT_EQ(c.Records[0].Number, 1);
        EXPECT_EQ(c.Records[0].Direction, 0);
        EXPECT_EQ(c.Records[0].Word, noAnswers ? cp("ЁЖИ") : "");
        EXPECT_EQ(c.Records[1].Number, 2);
        EXPECT_EQ(c.Records[1].Direction, 1);

        KrossDocument fresh = ring(noAnswers);
        ASSERT_EQ(OpenOtvetyM::ApplyOtvety(c, fresh).status, ApplyStatus::Ok);
        EXPECT_EQ(fresh.SolvedWords, doc.SolvedWords);
        EXPECT_EQ(fresh.SolvedCount, 2);
        if (noAnswers) {
            EXPECT_EQ(fresh.ClueTexts, doc.ClueTexts);
        }
    }
}

TEST(OtvetyFileTest, ParserReadsOnlyTheRecordsPresent) {
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        size_t records;
    } cases[] = {
        {"count far above the records",
         {"x.krw", "N", " 0 ", " 3 ", " 2147483647 ", " 1 ", " 0 ", " 3 ", " 0 "},
         2},
        {"count below the records", {"x.krw", "N", " 0 ", " 3 ", " 1 ", " 1 ", " 0 ", " 3 ", " 0 "}, 1},
        {"negative count", {"x.krw", "N", " 0 ", " 3 ", "-5 ", " 1 ", " 0 "}, 0},
        {"record cut short", {"x.krw", "N", " 0 ", " 3 ", " 2 ", " 1 ", " 0 ", " 3 "}, 1},
        {"word missing", {"x.krw", "N", " 1 ", " 3 ", " 2 ", " 1 ", " 0 ", "ABC", " 3 ", " 0 "}, 1},
        {"out of range",
         {"x.krw", "N", " 0 ", " 3 ", " 4 ", " 0 ", " 0 ", " 4 ", " 0 ", " 1 ", " 2 ", " 2 ", " 1 "},
         1},
        {"negative NumberCount", {"x.krw", "N", " 0 ", "-1 ", " 1 ", " 1 ", " 0 "}, 0},
        {"more than two a number",
         {"x.krw", "N", " 0 ", " 1 ", " 4 ", " 1 ", " 0 ", " 1 ", " 1 ", " 1 ", " 0 ", " 1 ", " 0 "},
         2},
        {"header only", {"x.krw", "N", " 0 ", " 3 "}, 0},
        {"empty file", {}, 0},
    };
    for (const auto& c : cases) {
        const auto content = OpenOtvetyM::ParseOtvety(Lines(c.lines));
        EXPECT_EQ(content.Records.size(), c.records) << c.what;
    }
}

TEST(OtvetyFileTest, FileOfAnotherCrosswordIsRefused) {
    KrossDocument doc = ring(1);
    mark(doc, 1, 0, "ABC");
    const KrossDocument before = doc;
    struct Case {
        const char* what;
        std::vector<std::string> lines;
    } cases[] = {
        {"NumberCount differs", {"x.krw", "N", " 1 ", " 4 ", " 1 ", " 2 ", " 1 ", "XYZ"}},
        {"NoAnswers differs", {"x.krw", "N", " 0 ", " 3 ", " 1 ", " 2 ", " 1 "}},
        {"NoAnswers not 0 or 1", {"x.krw", "N", " 5 ", " 3 ", " 1 ", " 2 ", " 1 "}},
    };
    for (const auto& c : cases) {
        const auto r = OpenOtvetyM::ApplyOtvety(OpenOtvetyM::ParseOtvety(Lines(c.lines)), doc);
        EXPECT_EQ(r.status, ApplyStatus::Refused) << c.what;
        EXPECT_EQ(doc.SolvedWords, before.SolvedWords) << c.what;
        EXPECT_EQ(doc.SolvedCount, before.SolvedCount) << c.what;
        EXPECT_EQ(doc.ClueTexts, before.ClueTexts) << c.what;
    }
}

TEST(OtvetyFileTest, NoRecordsKeepTheMarksAndSelectTheFirstOpenWord) {
    KrossDocument doc = ring(0);
    mark(doc, 1, 0);
    mark(doc, 1, 1);
    const auto r = OpenOtvetyM::ApplyOtvety(
        OpenOtvetyM::ParseOtvety(Lines({"x.krw", cp("Кольцо"), " 0 ", " 3 ", " 0 "})), doc);
    ASSERT_EQ(r.status, ApplyStatus::Ok);
    EXPECT_EQ(doc.SolvedCount, 2);
    EXPECT_EQ(r.OpenWords, 2);
    const auto first = OpenOtvetyM::FirstOpenWord(doc);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->Number, 2);
    EXPECT_EQ(first->Direction, 1);
}

// Records naming no word are skipped and the count is taken from the marks, not from the file.
TEST(OtvetyFileTest, SolvedCountIsRecountedFromTheMarks) {
    KrossDocument doc = ring(0);
    mark(doc, 3, 0);
    doc.SolvedCount = 9; // whatever it was, it is recounted
    const auto c = OpenOtvetyM::ParseOtvety(Lines({"x.krw", "N", " 0 ", " 3 ", " 6 ", " 2 ", " 0 ", // no word
                                                   " 1 ", " 0 ", " 1 ", " 0 ",                      // twice
                                                   " 3 ", " 0 ", " 0 ", " 1 "}));
    const auto r = OpenOtvetyM::ApplyOtvety(c, doc);
    ASSERT_EQ(r.status, ApplyStatus::Ok);
    EXPECT_EQ(doc.SolvedWords(2, 0), 0);
    EXPECT_EQ(doc.SolvedWords(1, 0), 1);
    EXPECT_EQ(doc.SolvedWords(3, 0), 1);
    EXPECT_EQ(doc.SolvedWords(0, 1), 0);
    EXPECT_EQ(doc.SolvedCount, 2);
    EXPECT_EQ(r.OpenWords, 2);
}

TEST(OtvetyFileTest, BareGridWordsAreStoredTwoIndex) {
    KrossDocument doc = ring(1);
    doc.ClueTexts.Create3(doc.NumberCount); // as a freshly opened bare grid may hold them
    const auto c = OpenOtvetyM::ParseOtvety(Lines({"x.krw", "N", " 1 ", " 3 ", " 3 ", " 1 ", " 0 ", cp("ЁЖИ"),
                                                   " 2 ", " 1 ", "ABCD", // does not fill its word
                                                   " 3 ", " 0 ", "XYZ"}));
    const auto r = OpenOtvetyM::ApplyOtvety(c, doc);
    ASSERT_EQ(r.status, ApplyStatus::Ok);
    ASSERT_TRUE(doc.ClueTexts.TwoDimensional());
    EXPECT_EQ(doc.ClueTexts.Word(1, 0), cp("ЁЖИ"));
    EXPECT_EQ(doc.ClueTexts.Word(3, 0), "XYZ");
    EXPECT_EQ(doc.ClueTexts.Word(2, 1), "");
    EXPECT_EQ(doc.SolvedWords(2, 1), 0);
    EXPECT_EQ(doc.SolvedCount, 2);
    EXPECT_EQ(r.OpenWords, 2);
}

// Words the solver already typed stay with the marks that stay.
TEST(OtvetyFileTest, BareGridKeepsTheWordsOfPresentMarks) {
    KrossDocument doc = ring(1);
    mark(doc, 1, 1, "QRS");
    doc.ClueTexts.SetWord(2, 1, "unmarked");
    const auto c = OpenOtvetyM::ParseOtvety(Lines({"x.krw", "N", " 1 ", " 3 ", " 1 ", " 3 ", " 0 ", "XYZ"}));
    ASSERT_EQ(OpenOtvetyM::ApplyOtvety(c, doc).status, ApplyStatus::Ok);
    EXPECT_EQ(doc.ClueTexts.Word(1, 1), "QRS");
    EXPECT_EQ(doc.ClueTexts.Word(3, 0), "XYZ");
    EXPECT_EQ(doc.ClueTexts.Word(2, 1), "");
    EXPECT_EQ(doc.SolvedCount, 2);
}

TEST(OtvetyFileTest, FirstOpenWordFollowsTheDisplayedWords) {
    KrossDocument doc = ring(0);
    EXPECT_EQ(OpenOtvetyM::FirstOpenWord(doc)->Number, 1);
    EXPECT_EQ(OpenOtvetyM::FirstOpenWord(doc)->Direction, 0);
    mark(doc, 1, 0);
    EXPECT_EQ(OpenOtvetyM::FirstOpenWord(doc)->Direction, 1);
    doc.ViewSlotTable(1, Slot::Length, 1) = 0; // not on the displayed grid
    EXPECT_EQ(OpenOtvetyM::FirstOpenWord(doc)->Number, 2);
    mark(doc, 2, 1);
    mark(doc, 3, 0);
    EXPECT_FALSE(OpenOtvetyM::FirstOpenWord(doc).has_value());
}

} // namespace
