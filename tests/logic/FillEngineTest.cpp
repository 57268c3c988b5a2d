#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "grid/AddSlovoM.h"
#include "grid/FillEngine.h"
#include "grid/FillWords.h"
#include "grid/GridFill.h"
#include "logic/FillBruteForce.h"
#include "logic/GridFixture.h"

namespace {

using FillEngine::Outcome;
using gridfixture::Authoring;
using gridfixture::Cp;

std::vector<std::string> cp(const std::vector<std::string>& utf8) {
    std::vector<std::string> out;
    for (const auto& w : utf8)
        out.push_back(Cp(w));
    return out;
}

// A grid drawn as rows, in authoring with its layers, and the given answers entered by the entry rules.
struct Given {
    int32_t n, d;
    const char* answer; // UTF-8
};
KrossDocument gridWith(const std::vector<std::string>& rows, const std::vector<Given>& given = {}) {
    KrossDocument doc = Authoring(rows);
    for (const Given& g : given)
        AddSlovoM::StoreAnswer(doc, g.n, g.d, "", Cp(g.answer));
    return doc;
}

FillEngine::Result fill(const KrossDocument& doc, const FillWords& words, uint64_t seed = 1) {
    FillEngine::Options o;
    o.Seed = seed;
    return FillEngine::Fill(GridFill::ProblemOf(doc).Problem, words, o);
}

// The answer the fill gives word (n, d), UTF-8.
std::string answerOf(const KrossDocument& doc, const FillEngine::Result& r, int32_t n, int32_t d) {
    const GridFill::GridProblem g = GridFill::ProblemOf(doc);
    for (size_t k = 0; k < g.Words.size(); ++k)
        if (g.Words[k] == std::pair{n, d}) return Cp1251::ToUtf8(r.Answers.at(k));
    return "?";
}

// ---- The word lists ----

TEST(FillWords, CapitalsOnceEachWithoutBlanks) {
    const FillWords w = FillWords::FromWords(cp({"кот", "КОТ", "ток", "к т", "ёж", "я", "кот", "лось"}));
    EXPECT_EQ(w.Count(3), 2u); // КОТ, ТОК; "к т" holds a blank
    EXPECT_EQ(w.Count(2), 1u);
    EXPECT_EQ(w.Count(4), 1u);
    EXPECT_EQ(w.Count(1), 0u);
    EXPECT_EQ(w.Total(), 4u);
    EXPECT_EQ(w.Word(3, 0), Cp("КОТ"));
    EXPECT_EQ(w.Word(2, 0), Cp("ЁЖ"));
    EXPECT_EQ(w.Find(Cp("ТОК")), 1u);
    EXPECT_EQ(w.Find(Cp("ток")), std::nullopt); // answers are compared as stored: in capitals
    EXPECT_EQ(w.Find(Cp("ЛОСЬ")), 0u);
    EXPECT_EQ(w.Find(Cp("ЛОСИ")), std::nullopt);
    EXPECT_EQ(w.Find("XYZ"), std::nullopt);
}

TEST(FillWords, ReadsWordListFiles) {
    std::array<std::string, FillWords::MaxLength + 1> files;
    files[3] = " 3 \r\n" + Cp("КОТТОККИТ") + "\r\n";
    files[4] = " 9 \r\n" + Cp("ЛОСЬ") + "\r\n"; // the count promises more than the file holds
    files[5] = "garbage";
    const FillWords w = FillWords::FromFiles(files);
    EXPECT_EQ(w.Count(3), 3u);
    EXPECT_EQ(w.Count(4), 1u);
    EXPECT_EQ(w.Count(5), 0u);
    EXPECT_EQ(w.Word(3, 2), Cp("КИТ"));
}

TEST(FillWords, SixtyFourLettersAtMostTheRarestLeftOut) {
    // 65 different bytes: 32 Cyrillic capitals, 26 Latin ones, 3 digits, '!', '$', '%' and, once only, '#'.
    std::vector<std::string> list;
    for (int c = 0xC0; c <= 0xDF; ++c)
        for (char k = '0'; k <= '2'; ++k)
            list.push_back(std::string(2, static_cast<char>(c)) + k);
    for (char c = 'A'; c <= 'Z'; ++c)
        list.push_back(std::string(3, c));
    list.push_back("!!#");
    list.push_back("$!%");
    list.push_back("%$B");
    const FillWords w = FillWords::FromWords(list);
    EXPECT_EQ(w.LetterCount(), 64);
    EXPECT_EQ(w.LetterOf('#'), FillWords::NoLetter);
    EXPECT_FALSE(w.Find("!!#").has_value()); // left out with its rarest letter
    EXPECT_TRUE(w.Find("$!%").has_value());
    EXPECT_EQ(w.Count(3), 32u * 3 + 26 + 2);
}

// ---- Fills with known answers ----

TEST(Fill, UniqueFillIsFound) {
    // 3x2 all open: 1 and 4 across (3 letters), 1, 2 and 3 down (2 letters). Only КОТ over ОСА works.
    const KrossDocument doc = gridWith({"...", "..."});
    const FillWords words = FillWords::FromWords(cp({"КОТ", "ОСА", "КО", "ОС", "ТА", "ЯК"}));
    for (uint64_t seed : {1u, 2u, 3u}) {
        const auto r = fill(doc, words, seed);
        ASSERT_EQ(r.Kind, Outcome::Filled);
        EXPECT_EQ(answerOf(doc, r, 1, 0), "КОТ");
        EXPECT_EQ(answerOf(doc, r, 4, 0), "ОСА");
        EXPECT_EQ(answerOf(doc, r, 1, 1), "КО");
        EXPECT_EQ(answerOf(doc, r, 2, 1), "ОС");
        EXPECT_EQ(answerOf(doc, r, 3, 1), "ТА");
    }
}

TEST(Fill, ImpossibleNamesTheWordThatCannotBeFilled) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        std::vector<Given> given;
        std::vector<std::string> words;
        int32_t n, d; // the word named
    } cases[] = {
        {"no words of its length", {"....", "#..#"}, {}, {"ДА", "НЕТ"}, 1, 0},
        {"the given letters fit no word", {"...", ".##"}, {{1, 0, "ЖУК"}}, {"ЖУК", "КОТ", "ОК", "ТУ"}, 1, 1},
        {"a given letter outside the lists' letters", {"...", ".##"}, {{1, 0, "Q12"}}, {"КОТ", "ОК"}, 1, 1},
    };
    for (const Case& c : cases) {
        const KrossDocument doc = gridWith(c.rows, c.given);
        const GridFill::GridProblem g = GridFill::ProblemOf(doc);
        const auto r = FillEngine::Fill(g.Problem, FillWords::FromWords(cp(c.words)), {});
        ASSERT_EQ(r.Kind, Outcome::Impossible) << c.name;
        ASSERT_GE(r.Unfillable, 0) << c.name;
        EXPECT_EQ(g.Words.at(static_cast<size_t>(r.Unfillable)), (std::pair{c.n, c.d})) << c.name;
        EXPECT_TRUE(r.Answers.empty()) << c.name;
    }
}

TEST(Fill, ImpossibleOnlyBecauseNoWordMayRepeat) {
    // 2x2 all open with АБ and БА: rows АБ, БА and columns АБ, БА fit every crossing, but repeat words.
    const KrossDocument doc = gridWith({"..", ".."});
    const auto r = fill(doc, FillWords::FromWords(cp({"АБ", "БА"})));
    EXPECT_EQ(r.Kind, Outcome::Impossible);
    EXPECT_GE(r.Unfillable, 0);
    // Four words that make the square without a repeat.
    const auto r2 = fill(doc, FillWords::FromWords(cp({"АБ", "ВГ", "АВ", "БГ"})));
    ASSERT_EQ(r2.Kind, Outcome::Filled);
    const std::set<std::string> distinct(r2.Answers.begin(), r2.Answers.end());
    EXPECT_EQ(distinct.size(), 4u);
}

TEST(Fill, GivenAnswersStayAndAreNotRepeated) {
    // Two separate across words of 3 and one crossing down word of 3 joining them.
    const KrossDocument doc = gridWith({"...", ".##", "..."}, {{1, 0, "ТОК"}});
    const FillWords words = FillWords::FromWords(cp({"КОТ", "ТОК", "ТИК", "КИТ"}));
    for (uint64_t seed : {1u, 2u, 3u, 4u}) {
        const auto r = fill(doc, words, seed);
        ASSERT_EQ(r.Kind, Outcome::Filled);
        EXPECT_EQ(answerOf(doc, r, 1, 0), "");               // had an answer: stays
        EXPECT_EQ(answerOf(doc, r, 1, 1).substr(0, 2), "Т"); // starts with the given Т (2 bytes in UTF-8)
        for (const std::string& a : r.Answers)
            EXPECT_NE(a, Cp("ТОК"));
        EXPECT_NE(answerOf(doc, r, 1, 1), answerOf(doc, r, 2, 0));
    }
}

TEST(Fill, UncheckedCellsTakeAnyLetter) {
    // Across words on rows 0 and 2, down words on columns 0 and 2: the middle cells of each word are in
    // that word only, so no crossing word asks anything of them.
    const KrossDocument doc = gridWith({"...", ".#.", "..."});
    const FillWords words = FillWords::FromWords(cp({"АЯА", "АЮА", "АЭА", "АЪА"}));
    const auto r = fill(doc, words);
    ASSERT_EQ(r.Kind, Outcome::Filled);
    std::set<std::string> used(r.Answers.begin(), r.Answers.end());
    EXPECT_EQ(used.size(), 4u);
}

TEST(Fill, ASeedGivesTheSameFillAndOtherSeedsOthers) {
    // Four separate words of 5 letters and a list of 40: many fills.
    const KrossDocument doc = gridWith({".....", "#####", ".....", "#####", ".....", "#####", "....."});
    std::vector<std::string> list;
    for (char a = 'A'; a < 'A' + 8; ++a)
        for (char b = 'K'; b < 'K' + 5; ++b)
            list.push_back(std::string{a, b, a, b, a});
    const FillWords words = FillWords::FromWords(list);
    const auto first = fill(doc, words, 7);
    ASSERT_EQ(first.Kind, Outcome::Filled);
    EXPECT_EQ(fill(doc, words, 7).Answers, first.Answers);
    std::set<std::vector<std::string>> fills;
    for (uint64_t seed = 1; seed <= 8; ++seed)
        fills.insert(fill(doc, words, seed).Answers);
    EXPECT_GT(fills.size(), 1u);
}

TEST(Fill, NothingToFillIsAFill) {
    const KrossDocument doc = gridWith({"..", "#."}, {{1, 0, "АБ"}, {2, 1, "БВ"}});
    const auto r = fill(doc, FillWords::FromWords({}));
    ASSERT_EQ(r.Kind, Outcome::Filled);
    EXPECT_EQ(r.Answers, (std::vector<std::string>{"", ""}));
}

TEST(Fill, WordsOfBothAlphabetsNeverCross) {
    // The lists hold Russian and English words; a crossing letter is one byte, so a Cyrillic across word
    // can only cross Cyrillic down words.
    const KrossDocument doc = gridWith({"...", ".#.", "..."}, {{1, 0, "КОТ"}});
    const FillWords words =
        FillWords::FromWords(cp({"КОТ", "КИТ", "ТОК", "ТИК", "CAT", "TOP", "COT", "TIC"}));
    for (uint64_t seed = 1; seed <= 4; ++seed) {
        const auto r = fill(doc, words, seed);
        ASSERT_EQ(r.Kind, Outcome::Filled);
        for (const std::string& a : r.Answers)
            for (char c : a)
                EXPECT_GE(static_cast<unsigned char>(c), 0xC0) << Cp1251::ToUtf8(a);
    }
}

// ---- Stopping ----

// Twelve separate words of two letters from eleven words: no fill, and proving it takes the search very
// long (every order of the words is tried).
KrossDocument pigeonholes() {
    std::vector<std::string> rows;
    for (int k = 0; k < 23; ++k)
        rows.push_back(k % 2 ? "###" : "..#");
    return gridWith(rows);
}
FillWords elevenWords() {
    std::vector<std::string> list;
    for (char c = 'A'; c < 'A' + 11; ++c)
        list.push_back(std::string{c, c});
    return FillWords::FromWords(list);
}

TEST(Fill, CancelStopsTheSearch) {
    const KrossDocument doc = pigeonholes();
    const FillWords words = elevenWords();
    std::atomic<bool> cancel{false};
    FillEngine::Options o;
    o.Cancel = &cancel;
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        cancel = true;
    });
    const auto t0 = std::chrono::steady_clock::now();
    const auto r = FillEngine::Fill(GridFill::ProblemOf(doc).Problem, words, o);
    const auto took = std::chrono::steady_clock::now() - t0;
    stopper.join();
    EXPECT_EQ(r.Kind, Outcome::Stopped);
    EXPECT_LT(took, std::chrono::seconds(5));

    // A flag set before the start stops it at once.
    o.Cancel = &cancel;
    EXPECT_EQ(FillEngine::Fill(GridFill::ProblemOf(doc).Problem, words, o).Kind, Outcome::Stopped);
}

TEST(Fill, TimeLimitEndsTheSearchAndProgressIsReported) {
    const KrossDocument doc = pigeonholes();
    FillEngine::Options o;
    o.TimeLimit = std::chrono::milliseconds(100);
    o.ProgressInterval = std::chrono::milliseconds(10);
    int reports = 0;
    FillEngine::Progress last;
    o.OnProgress = [&](const FillEngine::Progress& p) {
        ++reports;
        last = p;
    };
    const auto r = FillEngine::Fill(GridFill::ProblemOf(doc).Problem, elevenWords(), o);
    EXPECT_EQ(r.Kind, Outcome::TimedOut);
    EXPECT_GE(r.Last.Elapsed, std::chrono::milliseconds(100));
    EXPECT_GT(reports, 1);
    EXPECT_EQ(last.ToFill, 12);
    EXPECT_GT(last.Steps, 0u);
    EXPECT_GE(last.MostPlaced, 10); // it placed ten or eleven words before running out of them
}

// ---- Agreement with the exhaustive filler on random small grids ----

TEST(Fill, AgreesWithExhaustiveSearchOnRandomGrids) {
    std::mt19937 rng(20240917);
    int filled = 0, impossible = 0;
    for (int round = 0; round < 300; ++round) {
        const int w = 2 + static_cast<int>(rng() % 4), h = 2 + static_cast<int>(rng() % 4);
        std::vector<std::string> rows(static_cast<size_t>(h), std::string(static_cast<size_t>(w), '.'));
        for (auto& row : rows)
            for (char& c : row)
                if (rng() % 4 == 0) c = '#';
        KrossDocument doc = gridfixture::Drawn(rows);
        const auto table = AnalizReshotkiM::FindWords(doc);
        if (table.NumberCount == 0) continue;
        doc = Authoring(rows);
        // Words over three letters, so that fills are neither rare nor everywhere.
        std::vector<std::string> list;
        const int count = 4 + static_cast<int>(rng() % 20);
        for (int k = 0; k < count; ++k) {
            std::string word(2 + rng() % 4, ' ');
            for (char& c : word)
                c = static_cast<char>('A' + rng() % 3);
            list.push_back(word);
        }
        const FillWords words = FillWords::FromWords(list);
        GridFill::GridProblem g = GridFill::ProblemOf(doc);
        // Sometimes an answer is given, from the list or not.
        if (rng() % 3 == 0) {
            auto& s = g.Problem.Slots[rng() % g.Problem.Slots.size()];
            s.Answer = std::string(static_cast<size_t>(s.Length), 'A');
            if (rng() % 2)
                for (const auto& word : list)
                    if (word.size() == s.Answer.size()) s.Answer = word;
        }
        FillEngine::Options o;
        o.Seed = rng();
        const auto r = FillEngine::Fill(g.Problem, words, o);
        fillcheck::BruteForce brute(g.Problem, list);
        const bool fillable = brute.Fillable();
        ASSERT_NE(r.Kind, Outcome::TimedOut);
        if (fillable) {
            ASSERT_EQ(r.Kind, Outcome::Filled) << "round " << round;
            EXPECT_EQ(brute.Check(r.Answers), "") << "round " << round;
            ++filled;
        } else {
            ASSERT_EQ(r.Kind, Outcome::Impossible) << "round " << round;
            ASSERT_GE(r.Unfillable, 0);
            ASSERT_LT(static_cast<size_t>(r.Unfillable), g.Problem.Slots.size()) << "round " << round;
            EXPECT_TRUE(g.Problem.Slots[static_cast<size_t>(r.Unfillable)].Answer.empty());
            ++impossible;
        }
    }
    // Both kinds of grid came up often enough to mean something.
    EXPECT_GT(filled, 30);
    EXPECT_GT(impossible, 30);
}

} // namespace
