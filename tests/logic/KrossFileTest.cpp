#include <gtest/gtest.h>

#include "KrossFixtures.h"
#include "basics/NumberText.h"
#include "basics/TextFile.h"
#include "document/LineCursor.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"

namespace {

using fixtures::cp;
using fixtures::GridDocument;
using fixtures::Lines;
using Status = OpenKrossM::KrossReadResult::Status;

constexpr int32_t Style = 1;

// A grid whose top and bottom rows are words of 224 letters, joined by two down words.
KrossDocument wideCrossword() {
    std::vector<std::string> rows(3, std::string(224, '.'));
    rows[1] = std::string(224, '#');
    rows[1][0] = rows[1][5] = '.';
    KrossDocument doc = GridDocument(rows, 0, "Кроссворд №1");
    std::string all;
    for (int c = 32; c <= 255; ++c)
        all += Cp1251::Char(c);
    std::string mixed;
    while (mixed.size() < 224)
        mixed += cp("ЁЖИК-Ъ Zebra ");
    mixed.resize(224);
    doc.ClueTexts.SetClue(1, 0, cp("Все знаки: «»—№"));
    doc.ClueTexts.SetAnswer(1, 0, all);
    doc.ClueTexts.SetClue(1, 1, "Beetle");
    doc.ClueTexts.SetAnswer(1, 1, cp("ЖУК"));
    doc.ClueTexts.SetClue(2, 1, "");
    doc.ClueTexts.SetAnswer(2, 1, "CAT");
    doc.ClueTexts.SetClue(3, 0, cp("Смесь, mixed"));
    doc.ClueTexts.SetAnswer(3, 0, mixed);
    doc.KrossAuthor = cp("Иван Petrov");
    doc.EditPassword = SaveKrossM::Scramble(doc, cp("секрет"));
    return doc;
}

// Everything the reader may change, to show that a refused file changed nothing.
struct Snapshot {
    std::string text;
    int32_t mode, style, solved;
    std::string file, author, password;
    std::array<int32_t, 256> code;
    Array2<int32_t> solvedWords;
    ClueTable clues;
    bool operator==(const Snapshot&) const = default;
};
Snapshot snapshot(const KrossDocument& d) {
    return {SaveKrossM::KrossFileText(d),
            d.AppMode,
            d.ActiveStyle,
            d.SolvedCount,
            d.KrossFile,
            d.KrossAuthor,
            d.EditPassword,
            d.CodeTable,
            d.SolvedWords,
            d.ClueTexts};
}

TEST(KrossFileTest, WriteReadRoundTripRestoresEverything) {
    const KrossDocument original = wideCrossword();
    ASSERT_EQ(original.NumberCount, 3);
    ASSERT_EQ(original.WordCount, 4);
    const std::string bytes = SaveKrossM::KrossFileText(original);

    KrossDocument doc;
    doc.AppMode = Mode::Authoring;
    doc.SolvedCount = 7;
    doc.Modified = true;
    doc.OtvFile = "old.otv";
    const auto r = OpenKrossM::ReadKrossText(bytes, doc, Style, "/home/u/Кросс.krw");
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_FALSE(r.answerMissing);
    EXPECT_EQ(doc.GridWidth, 224);
    EXPECT_EQ(doc.GridHeight, 3);
    EXPECT_EQ(doc.NumberCount, 3);
    EXPECT_EQ(doc.WordCount, 4);
    EXPECT_EQ(doc.SlotTable, original.SlotTable);
    EXPECT_EQ(doc.ClueTexts, original.ClueTexts);
    EXPECT_EQ(doc.KrossName, original.KrossName);
    EXPECT_EQ(doc.KrossAuthor, original.KrossAuthor);
    EXPECT_EQ(doc.EditPassword, original.EditPassword); // held scrambled
    EXPECT_EQ(OpenKrossM::Unscramble(doc, doc.EditPassword), cp("секрет"));
    EXPECT_EQ(doc.CodeTable, original.CodeTable);
    EXPECT_EQ(doc.DecodeTable, original.DecodeTable);
    // Solving is set up afresh.
    EXPECT_EQ(doc.AppMode, Mode::Solve);
    EXPECT_EQ(doc.KrossFile, "/home/u/Кросс.krw");
    EXPECT_EQ(doc.ActiveStyle, Style);
    EXPECT_EQ(doc.SolvedCount, 0);
    EXPECT_FALSE(doc.Modified);
    EXPECT_EQ(doc.SolvedWords, Array2<int32_t>(3, 1));
    EXPECT_EQ(doc.OtvFile, "");
    EXPECT_EQ(doc.OtvKrossFile, doc.KrossFile);
    EXPECT_EQ(doc.OtvKrossName, doc.KrossName);
    EXPECT_EQ(doc.CurNumber, 1);
    EXPECT_EQ(doc.CurDownNumber, 1);
    // Written again, the file is the same.
    EXPECT_EQ(SaveKrossM::KrossFileText(doc), bytes);
}

TEST(KrossFileTest, BareGridFileIsExactlyTheSixteenLines) {
    KrossDocument doc = GridDocument({"...", ".##", ".##"}, 1, "Уголок");
    doc.KrossAuthor = "not written";
    doc.EditPassword = "not written";
    const std::string expected = Lines({" 1 ", cp("Уголок"), " 3 ", " 3 ", " 1 ", " 2 ", " 1 ", " 0 ", " 0 ",
                                        " 0 ", " 3 ", " 1 ", " 1 ", " 0 ", " 0 ", " 3 "});
    EXPECT_EQ(SaveKrossM::KrossFileText(doc), expected);

    KrossDocument read;
    const auto r = OpenKrossM::ReadKrossText(expected, read, 0, "u.krw");
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(read.AppMode, Mode::SolveBare);
    EXPECT_EQ(read.SlotTable, doc.SlotTable);
    EXPECT_EQ(read.WordCount, 2);
    EXPECT_EQ(read.CurNumber, 1);
    EXPECT_EQ(read.CurDownNumber, 1);
}

TEST(KrossFileTest, FileWithAnswersHasPasswordAuthorAndTextLines) {
    KrossDocument doc = GridDocument({"..", "##"}, 0, "Test");
    doc.KrossAuthor = "Me";
    doc.EditPassword = SaveKrossM::Scramble(doc, "pw");
    doc.ClueTexts.SetClue(1, 0, cp("Ох"));
    doc.ClueTexts.SetAnswer(1, 0, "OX");
    const std::string expected =
        Lines({" 0 ", "Test", SaveKrossM::Scramble(doc, "pw"), SaveKrossM::Scramble(doc, "Me"), " 2 ", " 2 ",
               " 1 ", " 1 ", " 1 ", " 0 ", " 0 ", " 0 ", " 2 ", cp("Ох"), SaveKrossM::Scramble(doc, "OX")});
    EXPECT_EQ(SaveKrossM::KrossFileText(doc), expected);
}

TEST(KrossFileTest, MissingAnswerOpensIncomplete) {
    KrossDocument doc = GridDocument({"..", ".#"});
    doc.ClueTexts.SetAnswer(1, 0, "AB");
    KrossDocument read;
    auto r = OpenKrossM::ReadKrossText(SaveKrossM::KrossFileText(doc), read, 0, "x.krw");
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_TRUE(r.answerMissing);
    EXPECT_EQ(read.AppMode, Mode::Incomplete);
    EXPECT_EQ(read.ClueTexts.Answer(1, 0), "AB");

    doc.ClueTexts.SetAnswer(1, 1, "AC");
    r = OpenKrossM::ReadKrossText(SaveKrossM::KrossFileText(doc), read, 0, "x.krw");
    EXPECT_FALSE(r.answerMissing);
    EXPECT_EQ(read.AppMode, Mode::Solve);
}

// An answer must fill its word: one of another length is dropped and the crossword opens incomplete.
TEST(KrossFileTest, AnswerOfWrongLengthCountsAsMissing) {
    KrossDocument doc = GridDocument({"...", "###"});
    const std::string file = Lines({" 0 ", "Test", "", "", " 3 ", " 2 ", " 1 ", " 1 ", " 1 ", " 0 ", " 0 ",
                                    " 0 ", " 3 ", "clue", SaveKrossM::Scramble(doc, "ABCD")});
    KrossDocument read;
    const auto r = OpenKrossM::ReadKrossText(file, read, 0, "x.krw");
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_TRUE(r.answerMissing);
    EXPECT_EQ(read.ClueTexts.Answer(1, 0), "");
    EXPECT_EQ(read.ClueTexts.Clue(1, 0), "clue");
}

TEST(KrossFileTest, NumberOneDownOnlySelectsNoAcrossWord) {
    const KrossDocument doc = GridDocument({".#", ".."}, 1);
    ASSERT_EQ(doc.WordLength(1, 0), 0);
    KrossDocument read;
    ASSERT_EQ(OpenKrossM::ReadKrossText(SaveKrossM::KrossFileText(doc), read, 0, "x.krw").status, Status::Ok);
    EXPECT_EQ(read.CurNumber, 0);
    EXPECT_EQ(read.CurDownNumber, 1);
}

// Nothing of a bare grid is scrambled: the tables, author and password of the document stay, and the
// texts are left for the Open command to re-create.
TEST(KrossFileTest, BareGridKeepsTablesAuthorPasswordAndTexts) {
    KrossDocument read = GridDocument({"..", "##"}, 0, "Earlier");
    read.KrossAuthor = "Earlier author";
    read.EditPassword = "xyz";
    read.ClueTexts.SetClue(1, 0, "earlier clue");
    const auto tables = read.CodeTable;
    const KrossDocument bare = GridDocument({"...", ".##", ".##"}, 1, "Другой");
    ASSERT_EQ(OpenKrossM::ReadKrossText(SaveKrossM::KrossFileText(bare), read, 0, "b.krw").status,
              Status::Ok);
    EXPECT_EQ(read.KrossName, cp("Другой"));
    EXPECT_EQ(read.NoAnswers, 1);
    EXPECT_EQ(read.CodeTable, tables);
    EXPECT_EQ(read.KrossAuthor, "Earlier author");
    EXPECT_EQ(read.EditPassword, "xyz");
    EXPECT_EQ(read.ClueTexts.Clue(1, 0), "earlier clue");
    EXPECT_EQ(read.SlotTable, bare.SlotTable);
}

// A file cut short loads as far as it goes; one cut before its grid size cannot be held and is refused.
TEST(KrossFileTest, TruncatedFilesLoadWhatIsThere) {
    const KrossDocument original = wideCrossword();
    const std::string full = SaveKrossM::KrossFileText(original);
    auto cutAfterLines = [&](int lines) {
        size_t pos = 0;
        for (int i = 0; i < lines; ++i)
            pos = full.find("\r\n", pos) + 2;
        return full.substr(0, pos);
    };
    struct Case {
        int lines;
        bool ok;
        int words;
        bool answerMissing;
    } cases[] = {
        {0, false, 0, false}, {4, false, 0, false}, {5, false, 0, false}, // no width or height
        {8, true, 0, false},  {9, true, 0, false},                        // header, a record's number
        {12, true, 0, false},                                             // record without its length
        {13, true, 1, true},  {14, true, 1, true},                        // no answer line
        {15, true, 1, false}, {16, true, 1, false}, {22, true, 2, false}, {29, true, 3, false},
    };
    for (const auto& c : cases) {
        KrossDocument doc;
        const auto r = OpenKrossM::ReadKrossText(cutAfterLines(c.lines), doc, 0, "t.krw");
        ASSERT_EQ(r.status == Status::Ok, c.ok) << c.lines;
        if (!c.ok) continue;
        EXPECT_EQ(doc.WordCount, c.words) << c.lines;
        EXPECT_EQ(r.answerMissing, c.answerMissing) << c.lines;
        EXPECT_EQ(doc.NumberCount, 3) << c.lines;
    }
    // Without the final line end, the last line still counts.
    KrossDocument doc;
    ASSERT_EQ(OpenKrossM::ReadKrossText(full.substr(0, full.size() - 2), doc, 0, "t.krw").status, Status::Ok);
    EXPECT_EQ(doc.ClueTexts, original.ClueTexts);
}

// A record that names no place in the arrays or lies outside the grid is skipped; its text lines are
// still consumed, so the next record reads correctly.
TEST(KrossFileTest, DamagedRecordsAreSkipped) {
    struct Case {
        const char* what;
        std::vector<std::string> record; // n, d, x, y, length
    } cases[] = {
        {"number 0", {" 0 ", " 0 ", " 0 ", " 0 ", " 2 "}},
        {"number past NumberCount", {" 3 ", " 0 ", " 0 ", " 0 ", " 2 "}},
        {"direction 2", {" 1 ", " 2 ", " 0 ", " 0 ", " 2 "}},
        {"direction -1", {" 1 ", "-1 ", " 0 ", " 0 ", " 2 "}},
        {"x negative", {" 1 ", " 0 ", "-1 ", " 0 ", " 2 "}},
        {"y outside", {" 1 ", " 0 ", " 0 ", " 3 ", " 2 "}},
        {"length 0", {" 1 ", " 0 ", " 0 ", " 0 ", " 0 "}},
        {"across past the edge", {" 1 ", " 0 ", " 1 ", " 0 ", " 3 "}},
        {"down past the edge", {" 1 ", " 1 ", " 0 ", " 1 ", " 3 "}},
        {"huge length", {" 1 ", " 0 ", " 0 ", " 0 ", " 2147483647 "}},
        {"no numbers", {"abc", "", "x", "y", "z"}},
    };
    const KrossDocument tables = GridDocument({"..", "##"});
    for (const auto& c : cases) {
        std::vector<std::string> lines{" 0 ", "Test", "", "", " 3 ", " 3 ", " 2 ", " 2 "};
        lines.insert(lines.end(), c.record.begin(), c.record.end());
        lines.push_back("damaged clue");
        lines.push_back(SaveKrossM::Scramble(tables, "QQ"));
        for (const char* l : {" 2 ", " 1 ", " 2 ", " 0 ", " 3 ", "good clue"})
            lines.push_back(l);
        lines.push_back(SaveKrossM::Scramble(tables, "ABC"));
        KrossDocument doc;
        const auto r = OpenKrossM::ReadKrossText(Lines(lines), doc, 0, "d.krw");
        ASSERT_EQ(r.status, Status::Ok) << c.what;
        EXPECT_EQ(doc.WordCount, 1) << c.what;
        for (int32_t n = 0; n <= 1; ++n)
            for (int32_t d = 0; d <= 1; ++d)
                EXPECT_EQ(doc.WordLength(n, d), 0) << c.what;
        EXPECT_EQ(doc.WordLength(2, 1), 3) << c.what;
        EXPECT_EQ(doc.SlotTable(2, Slot::X, 1), 2) << c.what;
        EXPECT_EQ(doc.ClueTexts.Clue(2, 1), "good clue") << c.what;
        EXPECT_EQ(doc.ClueTexts.Answer(2, 1), "ABC") << c.what;
        EXPECT_FALSE(r.answerMissing) << c.what;
        EXPECT_EQ(doc.CurNumber, 0) << c.what;
    }
}

// The count line is only a promise: WordCount is the number of words actually read.
TEST(KrossFileTest, WordCountIsRecountedFromTheRecords) {
    const KrossDocument tables = GridDocument({"..", "##"});
    const std::string scrambled = SaveKrossM::Scramble(tables, "AB");
    // Two records for the same word and a count of 2: one word.
    const std::string file =
        Lines({" 0 ", "Test", "",      "",        " 2 ", " 2 ", " 1 ", " 2 ", " 1 ", " 0 ",    " 0 ",
               " 0 ", " 2 ",  "first", scrambled, " 1 ", " 0 ", " 0 ", " 1 ", " 2 ", "second", scrambled});
    KrossDocument doc;
    ASSERT_EQ(OpenKrossM::ReadKrossText(file, doc, 0, "w.krw").status, Status::Ok);
    EXPECT_EQ(doc.WordCount, 1);
    EXPECT_EQ(doc.SlotTable(1, Slot::Y, 0), 1);
    EXPECT_EQ(doc.ClueTexts.Clue(1, 0), "second");
}

TEST(KrossFileTest, SizesBeyondTheLimitsAreRefusedAndChangeNothing) {
    struct Case {
        const char* what;
        std::vector<std::string> header; // width, height, NumberCount, WordCount
    } cases[] = {
        {"width 0", {" 0 ", " 3 ", " 0 ", " 0 "}},
        {"height negative", {" 3 ", "-3 ", " 0 ", " 0 "}},
        {"too many columns", {" 4194305 ", " 1 ", " 0 ", " 0 "}},
        {"too many cells", {" 30000 ", " 30000 ", " 0 ", " 0 "}},
        {"too large for 32 bits", {" 99999999999 ", " 3 ", " 0 ", " 0 "}},
        {"NumberCount negative", {" 3 ", " 3 ", "-1 ", " 0 "}},
        {"NumberCount above the cells", {" 3 ", " 3 ", " 10 ", " 0 "}},
        {"WordCount negative", {" 3 ", " 3 ", " 1 ", "-1 "}},
        {"WordCount above two a number", {" 3 ", " 3 ", " 1 ", " 3 "}},
        {"NumberCount huge", {" 2000 ", " 2000 ", " 2147483647 ", " 0 "}},
    };
    KrossDocument doc = wideCrossword();
    doc.AppMode = Mode::Solve;
    doc.KrossFile = "/keep/me.krw";
    doc.SolvedWords(1, 0) = 1;
    doc.SolvedCount = 1;
    const Snapshot before = snapshot(doc);
    for (const auto& c : cases) {
        std::vector<std::string> lines{" 0 ", "Other", "", ""};
        lines.insert(lines.end(), c.header.begin(), c.header.end());
        for (const char* l : {" 1 ", " 0 ", " 0 ", " 0 ", " 2 ", "c", "AB"})
            lines.push_back(l);
        const auto r = OpenKrossM::ReadKrossText(Lines(lines), doc, 0, "new.krw");
        EXPECT_EQ(r.status, Status::Refused) << c.what;
        EXPECT_TRUE(snapshot(doc) == before) << c.what;
    }
}

TEST(KrossFileTest, NoAnswersIsHeldAsZeroOrOne) {
    const std::string file =
        Lines({" 7 ", "Bare", " 2 ", " 1 ", " 1 ", " 1 ", " 1 ", " 0 ", " 0 ", " 0 ", " 2 "});
    KrossDocument doc;
    ASSERT_EQ(OpenKrossM::ReadKrossText(file, doc, 0, "b.krw").status, Status::Ok);
    EXPECT_EQ(doc.NoAnswers, 1);
    EXPECT_EQ(doc.AppMode, Mode::SolveBare);
    EXPECT_EQ(doc.WordCount, 1);
}

// Number lines: the program's own " 12 " / "-3 " and whatever else a file may hold.
TEST(KrossFileTest, LineCursorNumberLinesReadLikeTheNumberReader) {
    for (const char* line : {" 12 ",
                             "-3 ",
                             "12",
                             "  0  ",
                             "-0 ",
                             " 123456789 ",
                             " 1234567890 ",
                             " 2147483647 ",
                             " 2147483648 ",
                             "-2147483648 ",
                             "99999999999",
                             "",
                             " ",
                             "abc",
                             "-",
                             "- 5",
                             "+7",
                             "1 2",
                             "\t8",
                             "3.6",
                             "2.5",
                             "1e3",
                             "&HFF",
                             "12abc",
                             " 5 x"}) {
        EXPECT_EQ(LineCursor::LineNumber(line), NumberText::LeadingInt32(line).value_or(0))
            << '"' << line << '"';
    }
    EXPECT_EQ(LineCursor::LineNumber(" 12 "), 12);
    EXPECT_EQ(LineCursor::LineNumber("-3 "), -3);
    EXPECT_EQ(LineCursor::LineNumber("abc"), 0);
}

TEST(KrossFileTest, LineCursorLineEndsAndTheEndOfTheText) {
    LineCursor in("a\r\nb\nc\rd\r\n\r\ne");
    for (const char* expected : {"a", "b", "c", "d", "", "e"}) {
        ASSERT_FALSE(in.AtEnd());
        EXPECT_EQ(in.Text(), expected);
    }
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(in.Text(), "");
    EXPECT_EQ(in.Number(), 0);

    LineCursor crOnly("\r\r");
    EXPECT_EQ(crOnly.Text(), "");
    EXPECT_EQ(crOnly.Text(), "");
    EXPECT_TRUE(crOnly.AtEnd());
}

// Short lines are scanned eight bytes at a time, long ones by another search: both must end lines
// exactly as the shared line splitter does, with the line end at every offset.
TEST(KrossFileTest, LineCursorSplitsLikeTheSharedLineSplitter) {
    const char* ends[] = {"\r\n", "\n", "\r", "\r\r\n", "\n\r"};
    std::vector<std::string> texts;
    for (size_t len : {0, 1, 7, 8, 9, 15, 16, 31, 32, 33, 39, 40, 41, 100, 300})
        for (const char* end : ends) {
            std::string line;
            for (size_t i = 0; i < len; ++i)
                line += static_cast<char>('a' + i % 26);
            texts.push_back(line + end + "x" + line + end + line);
            texts.push_back(std::string(len, '\xC0') + end);
        }
    texts.push_back("");
    texts.push_back(std::string(70, 'a') + "\r" + std::string(70, 'b') + "\n" + std::string(5, 'c'));
    for (const std::string& t : texts) {
        const auto expected = TextFile::SplitLines(t);
        LineCursor in(t);
        for (const auto& line : expected) {
            ASSERT_FALSE(in.AtEnd());
            EXPECT_EQ(in.Text(), line);
        }
        EXPECT_TRUE(in.AtEnd()) << t.size();
    }
}

} // namespace

TEST(KrossFileTest, KrossFileHostileATinyFileCannotDeclareMillionsOfNumbers) {
    // 2000 x 2000 cells would allow 4,000,000 numbers, but fifty bytes cannot describe them.
    const std::string bytes =
        " 1 \r\nx\r\n 2000 \r\n 2000 \r\n 4000000 \r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 2 \r\n";
    KrossDocument doc;
    doc.KrossName = "before";
    const auto r = OpenKrossM::ReadKrossText(bytes, doc, 0, "/x.krw");
    EXPECT_EQ(r.status, OpenKrossM::KrossReadResult::Status::Refused);
    EXPECT_EQ(doc.KrossName, "before");
    EXPECT_EQ(doc.NumberCount, 0);
}
