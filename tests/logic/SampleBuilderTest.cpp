#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "basics/Cp1251.h"
#include "basics/TextFile.h"
#include "document/OpenKrossM.h"
#include "document/SampleBuilder.h"
#include "document/SaveKrossM.h"

namespace {

using Status = OpenKrossM::KrossReadResult::Status;

std::string cp(std::string_view utf8) {
    return *Cp1251::FromUtf8(utf8);
}

// A 3x3 ring around a blocked centre: 1 across and down, 2 down, 3 across.
const std::string RingHeader = "name: Проба\n"
                               "author: Иван Петров\n"
                               "password: Ключ\n"
                               "grid:\n"
                               "...\n"
                               ".#.\n"
                               "...\n"
                               "words:\n";

const std::string RingWords = "1 A КОТ | Домашний зверь\n"
                              "1 D кит | Морской великан\n"
                              "2 D ТОК | Электрический поток\n"
                              "3 A ТИК | Непроизвольное подёргивание\n";

KrossDocument readBack(const KrossDocument& built, OpenKrossM::KrossReadResult& r) {
    KrossDocument doc;
    r = OpenKrossM::ReadKrossText(SaveKrossM::KrossFileText(built), doc, 0, "/tmp/x.krw");
    return doc;
}

TEST(SampleBuilderTest, CrosswordReadsBackWithItsAnswersCluesAuthorAndPassword) {
    const auto built = SampleBuilder::BuildFromText(RingHeader + RingWords);
    ASSERT_TRUE(built.Document) << built.Error;
    EXPECT_EQ(built.Document->AppMode, Mode::Authoring);

    OpenKrossM::KrossReadResult r;
    const KrossDocument doc = readBack(*built.Document, r);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_FALSE(r.answerMissing);
    EXPECT_EQ(doc.AppMode, Mode::Solve);
    EXPECT_EQ(doc.KrossName, cp("Проба"));
    EXPECT_EQ(doc.KrossAuthor, cp("Иван Петров"));
    EXPECT_EQ(OpenKrossM::Unscramble(doc, doc.EditPassword), cp("Ключ")); // case kept
    EXPECT_EQ(doc.NumberCount, 3);
    EXPECT_EQ(doc.WordCount, 4);
    EXPECT_EQ(doc.ClueTexts.Answer(1, 1), cp("КИТ")); // typed in lower case, stored upper-cased
    EXPECT_EQ(doc.ClueTexts.Clue(1, 1), cp("Морской великан"));
    EXPECT_EQ(doc.ClueTexts.Answer(3, 0), cp("ТИК"));
    EXPECT_EQ(doc.ClueTexts.Clue(3, 0), cp("Непроизвольное подёргивание"));
}

TEST(SampleBuilderTest, BareGridIsWrittenWithoutAuthorPasswordAndTexts) {
    const auto built = SampleBuilder::BuildFromText("name: Сетка\nbare: yes\ngrid:\n...\n.#.\n...\n");
    ASSERT_TRUE(built.Document) << built.Error;
    EXPECT_EQ(built.Document->AppMode, Mode::BareAuthoring);
    const std::string bytes = SaveKrossM::KrossFileText(*built.Document);
    EXPECT_EQ(TextFile::SplitLines(bytes).size(), 6u + 5u * 4u); // header, then five lines a record

    OpenKrossM::KrossReadResult r;
    const KrossDocument doc = readBack(*built.Document, r);
    ASSERT_EQ(r.status, Status::Ok);
    EXPECT_EQ(doc.AppMode, Mode::SolveBare);
    EXPECT_EQ(doc.NoAnswers, 1);
    EXPECT_EQ(doc.WordCount, 4);
}

TEST(SampleBuilderTest, EmptyPasswordStaysEmpty) {
    std::string text = RingHeader + RingWords;
    text.replace(text.find("password: Ключ"), std::string("password: Ключ").size(), "password:");
    const auto built = SampleBuilder::BuildFromText(text);
    ASSERT_TRUE(built.Document) << built.Error;
    EXPECT_EQ(built.Document->EditPassword, "");
}

TEST(SampleBuilderTest, RefusesAFaultyDescriptionNamingTheLineOrWord) {
    const std::string ringGrid = "grid:\n...\n.#.\n...\n";
    struct Case {
        std::string text;
        std::string error; // expected part of the message
    } cases[] = {
        // The description itself.
        {"name: A\ncolour: red\n", "line 2: unknown key \"colour\""},
        {"name: A\nname: B\n", "line 2: \"name\" is given twice (first on line 1)"},
        {"name: A\nauthor: B\ngrid:\n..x\n", "line 4: a grid row holds a character other than"},
        {"name: A\nauthor: B\ngrid:\n...\n..\n", "line 5: the grid row has 2 cells, the first row 3"},
        {"name: A\nbare: maybe\n", "line 2: \"bare\" takes yes or no"},
        {"name: A\nauthor: B\nwords:\n", "line 3: \"words:\" before \"grid:\""},
        {"name: A\nauthor: B\n" + ringGrid + "words:\n1 A КОТ Домашний зверь\n", "line 8: expected"},
        {"name: A\nauthor: B\n" + ringGrid + "words:\n1 X КОТ | Зверь\n", "line 8: expected"},
        {"name: A\nauthor: B\n" + ringGrid + "words:\nодин A КОТ | Зверь\n", "line 8: expected"},
        {"name: A\nauthor: B\n" + ringGrid + "words:\n1 A | Зверь\n", "line 8: expected"},
        {"name: A\nauthor: B\n" + ringGrid + "words:\n1 A КОТ |  \n", "line 8: the clue is empty"},
        {"name: A\nauthor: B\n" + ringGrid + "words:\n1 A 猫猫猫 | Зверь\n",
         "line 8: the text holds a character"},
        {"author: B\n" + ringGrid, "the crossword has no name"},
        {"name: A\nauthor: B\n", "the description has no grid"},
        {"name: A\n" + ringGrid, "a crossword with answers needs an author"},
        {"name: A\nbare: yes\npassword: x\n" + ringGrid, "line 3: a bare grid stores no password"},
        {"name: A\nbare: yes\n" + ringGrid + "words:\n1 A КОТ | Зверь\n",
         "line 8: a bare grid takes no words"},
        // The words against the grid.
        {RingHeader + "1 A КОТ | Зверь\n1 D ТОК | Ток\n",
         "word 1 down (ТОК), line 10: letter 1 \"Т\" clashes with \"К\" of a crossing word"},
        {RingHeader + "1 A КОТ | Зверь\n2 D ЛОК | Локон\n",
         "word 2 down (ЛОК), line 10: letter 1 \"Л\" clashes with \"Т\" of a crossing word"},
        {RingHeader + "1 A КОШКА | Зверь\n",
         "word 1 across (КОШКА), line 9: the word has 3 cells, the answer 5"},
        {RingHeader + "1 A К Т | Зверь\n", "word 1 across (К Т), line 9: the answer holds a blank"},
        {RingHeader + "2 A КОТ | Зверь\n", "word 2 across (КОТ), line 9: the grid has no such word"},
        {RingHeader + "4 D КОТ | Зверь\n", "word 4 down (КОТ), line 9: the grid has no such word"},
        {RingHeader + "1 A КОТ | Зверь\n1 A КОТ | Кошка\n",
         "line 10: the word is given twice (first on line 9)"},
        {RingHeader + "1 A КОТ | Зверь\n1 D КИТ | Кит\n3 A ТИК | Тик\n", "word 2 down has no answer"},
        {"name: A\nauthor: B\ngrid:\n.#.\n##.\n", "the open cell in row 1, column 1 lies in no word"},
        {"name: A\nauthor: B\ngrid:\n.#\n#.\n", "the grid has no word"},
    };
    for (const Case& c : cases) {
        const auto built = SampleBuilder::BuildFromText(c.text);
        EXPECT_FALSE(built.Document) << c.text;
        EXPECT_NE(built.Error.find(c.error), std::string::npos) << "got: " << built.Error << "\nfor:\n"
                                                                << c.text;
    }
}

// The sample crosswords shipped in data/Samples are exactly what their descriptions in tools/samples build.
TEST(SampleBuilderTest, ShippedSamplesAreWhatTheirDescriptionsBuildAndOpenReadyToSolve) {
    namespace fs = std::filesystem;
    const fs::path source(GRIDMORA_SOURCE_DIR);
    struct Expected {
        bool bare;
        std::string password; // UTF-8
    };
    const std::map<std::string, Expected> expected = {
        {"Первый", {false, ""}},
        {"Зверинец", {false, "кот"}},
        {"Сетка", {true, ""}},
        {"First", {false, ""}},
    };

    std::set<std::string> described;
    for (const auto& entry : fs::directory_iterator(source / "tools" / "samples")) {
        if (entry.path().extension() != ".txt") continue;
        const std::string stem = entry.path().stem().string();
        described.insert(stem);
        SCOPED_TRACE(stem);

        std::string text, shipped;
        ASSERT_EQ(TextFile::ReadAll(entry.path().string(), text), TextFile::Error::None);
        const fs::path krw = source / "data" / "Samples" / (stem + ".krw");
        ASSERT_EQ(TextFile::ReadAll(krw.string(), shipped), TextFile::Error::None) << krw;
        const auto built = SampleBuilder::BuildFromText(text);
        ASSERT_TRUE(built.Document) << built.Error;
        EXPECT_EQ(SaveKrossM::KrossFileText(*built.Document), shipped) << "regenerate with makesample";

        OpenKrossM::KrossReadResult r;
        KrossDocument doc;
        r = OpenKrossM::ReadKrossText(shipped, doc, 0, krw.string());
        ASSERT_EQ(r.status, Status::Ok);
        EXPECT_FALSE(r.answerMissing);
        EXPECT_EQ(doc.WordCount, built.Document->WordCount);
        const auto want = expected.find(stem);
        if (want == expected.end()) continue;
        EXPECT_EQ(doc.AppMode, want->second.bare ? Mode::SolveBare : Mode::Solve);
        if (want->second.bare) continue;
        EXPECT_EQ(Cp1251::ToUtf8(OpenKrossM::Unscramble(doc, doc.EditPassword)), want->second.password);
        for (int32_t n = 1; n <= doc.NumberCount; ++n)
            for (int32_t d = 0; d <= 1; ++d)
                if (doc.WordLength(n, d) > 0) {
                    EXPECT_EQ(doc.ClueTexts.Answer(n, d), built.Document->ClueTexts.Answer(n, d))
                        << n << "/" << d;
                    EXPECT_FALSE(doc.ClueTexts.Answer(n, d).empty()) << n << "/" << d;
                    EXPECT_FALSE(doc.ClueTexts.Clue(n, d).empty()) << n << "/" << d;
                }
    }
    for (const auto& [stem, e] : expected)
        EXPECT_TRUE(described.count(stem)) << stem << " has no description";
    for (const auto& entry : fs::directory_iterator(source / "data" / "Samples")) {
        if (entry.path().extension() != ".krw") continue;
        EXPECT_TRUE(described.count(entry.path().stem().string())) << entry.path() << " has no description";
    }
}

} // namespace
