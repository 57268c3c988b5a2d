#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "grid/AnalizReshotkiM.h"
#include "logic/GridFixture.h"

namespace {

using gridfixture::Drawn;

struct Word {
    int32_t n, d, x, y, len;
    bool operator==(const Word&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Word& w) {
    return os << "{" << w.n << (w.d == 0 ? " across" : " down") << " at " << w.x << "," << w.y << " len "
              << w.len << "}";
}

// Every entry of the table as a word; entries without a word must be all zero.
std::vector<Word> wordsOf(const AnalizReshotkiM::WordTable& t) {
    std::vector<Word> words;
    EXPECT_EQ(t.SlotTable.Ubound0(), t.NumberCount);
    EXPECT_EQ(t.SlotTable.Ubound1(), 2);
    EXPECT_EQ(t.SlotTable.Ubound2(), 1);
    for (int32_t n = 1; n <= t.NumberCount; ++n) {
        bool any = false;
        for (int32_t d = 0; d <= 1; ++d) {
            Word w{n, d, t.SlotTable(n, 0, d), t.SlotTable(n, 1, d), t.SlotTable(n, 2, d)};
            if (w.len > 0) {
                words.push_back(w);
                any = true;
            } else {
                EXPECT_EQ(w, (Word{n, d, 0, 0, 0})) << "an absent word must be all zero";
            }
        }
        EXPECT_TRUE(any) << "number " << n << " starts no word";
    }
    for (int32_t f = 0; f <= 2; ++f)
        for (int32_t d = 0; d <= 1; ++d)
            EXPECT_EQ(t.SlotTable.Get(0, f, d), 0) << "index 0 holds nothing";
    return words;
}

TEST(AnalizReshotkiTest, FindWordsNumbersWordsInReadingOrder) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        int32_t numberCount, wordCount;
        std::vector<Word> words;
    } cases[] = {
        {"3x2 all open",
         {"...", "..."},
         4,
         5,
         {{1, 0, 0, 0, 3}, {1, 1, 0, 0, 2}, {2, 1, 1, 0, 2}, {3, 1, 2, 0, 2}, {4, 0, 0, 1, 3}}},
        {"two-cell runs at the right and bottom edges",
         {"#..", "###", ".#.", ".#."},
         3,
         3,
         {{1, 0, 1, 0, 2}, {2, 1, 0, 2, 2}, {3, 1, 2, 2, 2}}},
        {"open blocked open open", {".#.."}, 1, 1, {{1, 0, 2, 0, 2}}},
        {"one column", {".", ".", "#", ".", "#", ".", ".", "."}, 2, 2, {{1, 1, 0, 0, 2}, {2, 1, 0, 5, 3}}},
        {"one row", {"..#...#."}, 2, 2, {{1, 0, 0, 0, 2}, {2, 0, 3, 0, 3}}},
        {"down word starts below an across word",
         {"...", "#.#", "#.#"},
         2,
         2,
         {{1, 0, 0, 0, 3}, {2, 1, 1, 0, 3}}},
        {"shared start and a number for a down word only",
         {"..#", ".#.", "..."},
         3,
         4,
         {{1, 0, 0, 0, 2}, {1, 1, 0, 0, 3}, {2, 1, 2, 1, 2}, {3, 0, 0, 2, 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto t = AnalizReshotkiM::FindWords(Drawn(c.rows));
        EXPECT_EQ(t.NumberCount, c.numberCount);
        EXPECT_EQ(t.WordCount, c.wordCount);
        EXPECT_EQ(wordsOf(t), c.words);
    }
}

TEST(AnalizReshotkiTest, FindWordsGridsWithoutWordsGiveNoNumbers) {
    const std::vector<std::vector<std::string>> grids = {{"###", "###"}, {".#.", "#.#", ".#."}, {"."},
                                                         {"#"},          {".#", "#."},          {}};
    for (const auto& rows : grids) {
        auto t = AnalizReshotkiM::FindWords(Drawn(rows));
        EXPECT_EQ(t.NumberCount, 0);
        EXPECT_EQ(t.WordCount, 0);
    }
}

// The numbering done the slow way, independently: walk the grid with a visited mark per cell and
// direction, starting a word at an open cell whose next cell is open and not yet visited.
AnalizReshotkiM::WordTable bruteForce(const std::vector<std::string>& rows) {
    const int32_t h = static_cast<int32_t>(rows.size()), w = static_cast<int32_t>(rows[0].size());
    auto open = [&](int32_t c, int32_t r) {
        return rows[static_cast<size_t>(r)][static_cast<size_t>(c)] != '#';
    };
    std::vector<std::vector<std::vector<int>>> visited(
        static_cast<size_t>(w),
        std::vector<std::vector<int>>(static_cast<size_t>(h), std::vector<int>(2, 0)));
    std::vector<int32_t> list(1, 0);
    int32_t m = 0, words = 0;
    for (int32_t r = 0; r < h; ++r) {
        for (int32_t c = 0; c < w; ++c) {
            if (!open(c, r)) continue;
            bool fresh = true;
            if (c + 1 <= w - 1 && open(c + 1, r) && !visited[size_t(c + 1)][size_t(r)][0]) {
                int32_t k = c + 1;
                while (k <= w - 1 && open(k, r))
                    visited[size_t(k++)][size_t(r)][0] = 1;
                ++m;
                list.resize(list.size() + 6, 0);
                list[size_t(6 * m - 5)] = c;
                list[size_t(6 * m - 4)] = r;
                list[size_t(6 * m - 3)] = k - c;
                fresh = false;
                ++words;
            }
            if (r + 1 <= h - 1 && open(c, r + 1) && !visited[size_t(c)][size_t(r + 1)][1]) {
                int32_t k = r + 1;
                while (k <= h - 1 && open(c, k))
                    visited[size_t(c)][size_t(k++)][1] = 1;
                ++words;
                if (fresh) {
                    ++m;
                    list.resize(list.size() + 6, 0);
                }
                list[size_t(6 * m - 2)] = c;
                list[size_t(6 * m - 1)] = r;
                list[size_t(6 * m)] = k - r;
            }
        }
    }
    AnalizReshotkiM::WordTable t;
    t.NumberCount = m;
    t.WordCount = words;
    t.SlotTable.Redim(m, 2, 1);
    for (int32_t n = 1; n <= m; ++n)
        for (int32_t i = 0; i < 6; ++i)
            t.SlotTable(n, i % 3, i / 3) = list[size_t(6 * n - 5 + i)];
    return t;
}

void expectSameAsBruteForce(const std::vector<std::string>& rows) {
    auto fast = AnalizReshotkiM::FindWords(Drawn(rows));
    auto slow = bruteForce(rows);
    EXPECT_EQ(fast.NumberCount, slow.NumberCount);
    EXPECT_EQ(fast.WordCount, slow.WordCount);
    EXPECT_TRUE(fast.SlotTable == slow.SlotTable);
}

TEST(AnalizReshotkiTest, FindWordsFifteenByFifteenAgreesWithBruteForce) {
    const std::vector<std::string> rows = {
        "....#.....#....", "....#.....#....", "...............", "...#....#......", "###...#...#....",
        "......#....#...", "....#...#......", "...#.......#...", "......#...#....", "...#....#......",
        "....#...#...###", "......#....#...", "...............", "....#.....#....", "....#.....#....",
    };
    auto t = AnalizReshotkiM::FindWords(Drawn(rows));
    EXPECT_GT(t.NumberCount, 40);
    expectSameAsBruteForce(rows);
}

TEST(AnalizReshotkiTest, FindWordsRandomGridsAgreeWithBruteForce) {
    std::mt19937 rng(20240611);
    for (int round = 0; round < 300; ++round) {
        const int w = 1 + static_cast<int>(rng() % 13), h = 1 + static_cast<int>(rng() % 13);
        const auto blockedPercent = rng() % 60;
        std::vector<std::string> rows(static_cast<size_t>(h), std::string(static_cast<size_t>(w), '.'));
        for (auto& row : rows)
            for (auto& cell : row)
                if (rng() % 100 < blockedPercent) cell = '#';
        SCOPED_TRACE(::testing::Message() << "round " << round);
        expectSameAsBruteForce(rows);
    }
}

TEST(AnalizReshotkiTest, ApplyWordTableReplacesTheWordsAndEntersAuthoring) {
    for (int32_t noAnswers : {0, 1}) {
        KrossDocument doc = Drawn({"...", "..."});
        doc.NoAnswers = noAnswers;
        doc.ClueTexts.Create3(9);
        doc.ClueTexts.SetAnswer(2, 0, "OLD");
        doc.SolvedWords.Redim(9, 1);
        doc.SolvedWords(1, 0) = 1;
        doc.Modified = false;
        auto t = AnalizReshotkiM::FindWords(doc);
        const Array3<int32_t> slots = t.SlotTable;
        AnalizReshotkiM::ApplyWordTable(doc, std::move(t));

        EXPECT_EQ(doc.NumberCount, 4);
        EXPECT_EQ(doc.WordCount, 5);
        EXPECT_TRUE(doc.SlotTable == slots);
        EXPECT_FALSE(doc.ClueTexts.TwoDimensional());
        EXPECT_EQ(doc.ClueTexts.NumberUbound(), 4);
        EXPECT_EQ(doc.ClueTexts.Answer(2, 0), "");
        EXPECT_EQ(doc.SolvedWords.Ubound0(), 4);
        EXPECT_EQ(doc.SolvedWords.Ubound1(), 1);
        EXPECT_EQ(doc.SolvedWords.Get(1, 0), 0);
        EXPECT_EQ(doc.AppMode, noAnswers ? Mode::BareAuthoring : Mode::Authoring);
        EXPECT_TRUE(doc.Modified);
    }
}

} // namespace
