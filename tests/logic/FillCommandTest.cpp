#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/FillCommand.h"
#include "basics/TextFile.h"
#include "document/KodKodirovkiM.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"
#include "document/WordListBuilder.h"
#include "lang/FileSafetyTexts.h"
#include "lang/LanguageFile.h"
#include "logic/KrossFixtures.h"

namespace {

namespace fs = std::filesystem;
using fixtures::cp;

TEST(FillArguments, FilesAndOptionsInAnyOrder) {
    struct Case {
        std::vector<std::string> args;
        bool ok;
        double limit;
        std::optional<uint64_t> seed;
    } cases[] = {
        {{"in.krw", "out.krw"}, true, FillCommand::DefaultTimeLimit, std::nullopt},
        {{"in.krw", "out.krw", "--time-limit", "2.5", "--seed", "42"}, true, 2.5, 42},
        {{"--seed", "0", "in.krw", "--time-limit", "10", "out.krw"}, true, 10, 0},
        {{"in.krw"}, false, 0, std::nullopt},
        {{"in.krw", "out.krw", "more.krw"}, false, 0, std::nullopt},
        {{"in.krw", "out.krw", "--time-limit"}, false, 0, std::nullopt},
        {{"in.krw", "out.krw", "--time-limit", "0"}, false, 0, std::nullopt},
        {{"in.krw", "out.krw", "--time-limit", "-3"}, false, 0, std::nullopt},
        {{"in.krw", "out.krw", "--time-limit", "soon"}, false, 0, std::nullopt},
        {{"in.krw", "out.krw", "--seed", "-1"}, false, 0, std::nullopt},
        {{"in.krw", "out.krw", "--seed", "1", "--seed", "2"}, false, 0, std::nullopt},
        {{"in.krw", "out.krw", "--verbose"}, false, 0, std::nullopt},
        {{"", "out.krw"}, false, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto r = FillCommand::ParseArguments(c.args);
        ASSERT_EQ(r.has_value(), c.ok) << testing::PrintToString(c.args);
        if (!r) continue;
        EXPECT_EQ(r->In, "in.krw");
        EXPECT_EQ(r->Out, "out.krw");
        EXPECT_EQ(r->TimeLimit, c.limit);
        EXPECT_EQ(r->Seed, c.seed);
    }
}

// A temporary folder with crossword files, a program folder's word lists, and the error stream.
class FillCommandRun : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("gridmora-fill-" + std::to_string(::getpid()) + "-" +
                                            testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "Data");
        err_ = std::tmpfile();
    }
    void TearDown() override {
        std::fclose(err_);
        fs::remove_all(dir_);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void writeKrw(const std::string& name, const KrossDocument& doc) const {
        ASSERT_EQ(TextFile::WriteAll(path(name), SaveKrossM::KrossFileText(doc)), TextFile::Error::None);
    }
    // The word lists of the program folder, from UTF-8 words.
    void writeLists(const std::string& utf8Words) const {
        const auto lists = WordListBuilder::BuildWordLists(utf8Words);
        for (int32_t L = 2; L <= 24; ++L)
            if (!lists.Words[static_cast<size_t>(L)].empty()) // a missing file holds no words
                TextFile::WriteAll((dir_ / "Data" / (std::to_string(L) + ".dat")).string(),
                                   WordListBuilder::WordListFileText(lists.Words[static_cast<size_t>(L)]));
    }
    FillWords lists() const { return FillWords::Load(dir_.string() + "/", "/"); }
    KrossDocument readBack(const std::string& name) const {
        std::string bytes;
        KrossDocument doc;
        EXPECT_EQ(TextFile::ReadAll(path(name), bytes), TextFile::Error::None);
        EXPECT_EQ(OpenKrossM::ReadKrossText(bytes, doc, 0, path(name)).status,
                  OpenKrossM::KrossReadResult::Status::Ok);
        return doc;
    }
    std::string errors() const {
        std::fflush(err_);
        std::rewind(err_);
        std::string s;
        char buf[512];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, err_)) > 0)
            s.append(buf, n);
        return s;
    }
    int run(std::vector<std::string> args) {
        return FillCommand::Main(args, dir_.string() + "/", "/", InterfaceTexts{}, err_);
    }

    fs::path dir_;
    std::FILE* err_ = nullptr;
};

// 3x2 all open: only КОТ over ОСА fills it (1, 2 and 3 down are КО, ОС, ТА).
const char* const SquareWords = "кот\nоса\nко\nос\nта\nяк\n";

TEST_F(FillCommandRun, ABareGridBecomesACrosswordWithAnswers) {
    writeLists(SquareWords);
    writeKrw("bare.krw", fixtures::GridDocument({"...", "..."}, 1, "Квадрат"));
    ASSERT_EQ(run({path("bare.krw"), path("out.krw"), "--seed", "3"}), FillCommand::Done) << errors();
    EXPECT_EQ(errors(), "");
    const KrossDocument out = readBack("out.krw");
    EXPECT_EQ(out.NoAnswers, 0);
    EXPECT_EQ(out.AppMode, Mode::Solve); // every word has an answer
    EXPECT_EQ(out.KrossName, cp("Квадрат"));
    EXPECT_EQ(out.KrossAuthor, "");
    EXPECT_EQ(out.EditPassword, "");
    EXPECT_EQ(out.ClueTexts.Answer(1, 0), cp("КОТ"));
    EXPECT_EQ(out.ClueTexts.Answer(4, 0), cp("ОСА"));
    EXPECT_EQ(out.ClueTexts.Answer(3, 1), cp("ТА"));
    EXPECT_EQ(out.ClueTexts.Clue(1, 0), "");
}

TEST_F(FillCommandRun, NameAuthorPasswordAndGivenAnswersStay) {
    writeLists(SquareWords);
    KrossDocument doc = fixtures::GridDocument({"...", "..."}, 0, "Квадрат");
    doc.KrossAuthor = cp("Автор");
    doc.EditPassword = SaveKrossM::Scramble(doc, cp("секрет"));
    doc.ClueTexts.SetClue(1, 0, cp("Мурлычет"));
    doc.ClueTexts.SetAnswer(1, 0, cp("КОТ"));
    doc.ClueTexts.SetClue(2, 1, cp("Тоже вопрос"));
    writeKrw("part.krw", doc);
    ASSERT_EQ(run({path("part.krw"), path("out.krw"), "--time-limit", "5"}), FillCommand::Done) << errors();
    const KrossDocument out = readBack("out.krw");
    EXPECT_EQ(out.KrossAuthor, cp("Автор"));
    EXPECT_EQ(OpenKrossM::Unscramble(out, out.EditPassword), cp("секрет"));
    EXPECT_EQ(out.ClueTexts.Clue(1, 0), cp("Мурлычет"));
    EXPECT_EQ(out.ClueTexts.Answer(1, 0), cp("КОТ"));
    EXPECT_EQ(out.ClueTexts.Clue(2, 1), cp("Тоже вопрос")); // a clue without an answer keeps its text
    EXPECT_EQ(out.ClueTexts.Answer(2, 1), cp("ОС"));
    EXPECT_EQ(out.AppMode, Mode::Solve);
}

TEST_F(FillCommandRun, FailuresWriteNothingAndSayWhy) {
    writeLists(SquareWords);
    writeKrw("bare.krw", fixtures::GridDocument({"...", "..."}, 1));
    writeKrw("wide.krw", fixtures::GridDocument({"....", "...."}, 1)); // no words of 4 letters
    TextFile::WriteAll(path("junk.krw"), " 0 \r\nx\r\n\r\n\r\n 99999999 \r\n 99999999 \r\n");
    struct Case {
        const char* name;
        std::vector<std::string> args;
        int code;
        std::string message;
    } cases[] = {
        {"no fill",
         {path("wide.krw"), path("out.krw")},
         FillCommand::NoFill,
         "No fill exists with these letters and word lists. This word cannot be filled: 1 across\n"},
        {"missing input",
         {path("none.krw"), path("out.krw")},
         FillCommand::Failed,
         path("none.krw") + " cannot be read as a crossword.\n"},
        {"not a crossword the program can hold",
         {path("junk.krw"), path("out.krw")},
         FillCommand::Failed,
         path("junk.krw") + " cannot be read as a crossword.\n"},
        {"output folder missing",
         {path("bare.krw"), path("no/out.krw")},
         FillCommand::Failed,
         path("no/out.krw") + " could not be written.\n"},
        {"bad arguments",
         {path("bare.krw")},
         FillCommand::BadUsage,
         "Usage: gridmora --fill IN.krw OUT.krw [--time-limit SECONDS] [--seed N]\n"},
    };
    for (const Case& c : cases) {
        std::fclose(err_);
        err_ = std::tmpfile();
        EXPECT_EQ(run(c.args), c.code) << c.name;
        EXPECT_EQ(errors(), c.message) << c.name;
        EXPECT_FALSE(fs::exists(path("out.krw"))) << c.name;
    }
}

TEST_F(FillCommandRun, NoWordListsAndTheTimeLimit) {
    writeKrw("bare.krw", fixtures::GridDocument({"...", "..."}, 1));
    EXPECT_EQ(run({path("bare.krw"), path("out.krw")}), FillCommand::Failed);
    EXPECT_EQ(errors(), "The word lists hold no words.\n");

    // Twelve separate words of two letters from eleven words: the search runs until the limit.
    std::vector<std::string> rows;
    for (int k = 0; k < 23; ++k)
        rows.push_back(k % 2 ? "###" : "..#");
    writeKrw("holes.krw", fixtures::GridDocument(rows, 1));
    std::string words;
    for (char c = 'a'; c < 'a' + 11; ++c)
        words += std::string(2, c) + "\n";
    writeLists(words);
    std::fclose(err_);
    err_ = std::tmpfile();
    EXPECT_EQ(run({path("holes.krw"), path("out.krw"), "--time-limit", "0.1"}), FillCommand::TimedOut);
    EXPECT_EQ(errors(), "No complete fill was found within the time limit.\n");
    EXPECT_FALSE(fs::exists(path("out.krw")));
}

TEST_F(FillCommandRun, MessagesInTheLanguageGivenAsUtf8) {
    writeLists(SquareWords);
    writeKrw("wide.krw", fixtures::GridDocument({"....", "...."}, 1));
    InterfaceTexts russian;
    russian.Extended[180 - 76] = cp("Нет заполнения. Не заполняется:");
    russian.Extended[181 - 76] = cp("по горизонтали");
    FillCommand::Request r;
    r.In = path("wide.krw");
    r.Out = path("out.krw");
    EXPECT_EQ(FillCommand::Run(r, lists(), russian, err_), FillCommand::NoFill);
    EXPECT_EQ(errors(), "Нет заполнения. Не заполняется: 1 по горизонтали\n");
}

} // namespace
