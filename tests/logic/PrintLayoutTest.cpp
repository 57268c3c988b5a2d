// The printed pages as data: the paper grid, the lists, where grid, numbers, letters and clues go, and
// when the answers may leave the program at all.
#include <gtest/gtest.h>
#include <map>
#include <set>

#include "KrossFixtures.h"
#include "export/AnswersRule.h"
#include "export/PrintLayout.h"

namespace {

using fixtures::cp;
using fixtures::GridDocument;
using namespace PrintLayout;

// Every character half as wide as the text is high; ascent 0.8 and line 1.2 of the size.
class FixedMeasure : public TextMeasure {
  public:
    double Width(Face, double size, std::string_view text) const override {
        return 0.5 * size * static_cast<double>(text.size());
    }
    double Ascent(Face, double size) const override { return 0.8 * size; }
    double LineHeight(Face, double size) const override { return 1.2 * size; }
};
const FixedMeasure kMeasure;

// A4 and Letter without margins of 15 mm.
constexpr double A4W = 595.3 - 85, A4H = 841.9 - 85;
constexpr double LetterW = 612 - 85, LetterH = 792 - 85;

// 1 across КОТ, 1 down КОЛ, 2 down ТОРТ, 3 across ЛИРА. Column 1 holds a block between two letters
// (enclosed) and one below them (outside); column 3 has blocks above and below its one letter.
KrossDocument crossword() {
    KrossDocument doc = GridDocument({"...#", ".#.#", "....", "##.#"}, 0, "Кот");
    const char* words[][4] = {{"1", "0", "КОТ", "Домашний зверь"},
                              {"1", "1", "КОЛ", "Заострённая палка"},
                              {"2", "1", "ТОРТ", "Сладкое блюдо"},
                              {"3", "0", "ЛИРА", "Музыкальный инструмент"}};
    for (auto& w : words) {
        doc.ClueTexts.SetAnswer(w[0][0] - '0', w[1][0] - '0', cp(w[2]));
        doc.ClueTexts.SetClue(w[0][0] - '0', w[1][0] - '0', cp(w[3]));
    }
    doc.KrossAuthor = cp("Иванов");
    return doc;
}

using Cell = PaperGrid::Cell;

std::string row(const PaperGrid& g, int32_t r) {
    std::string s;
    for (int32_t c = 0; c < g.Width; ++c) {
        const Cell k = g.Cells[g.At(c, r)];
        s += k == Cell::Letter ? '.' : k == Cell::Block ? '#' : ' ';
    }
    return s;
}

TEST(PrintLayoutTest, PaperGridLetterCellsEnclosedBlocksOutsideNumbersAndLetters) {
    const PaperGrid g = MakePaperGrid(crossword(), false, true);
    EXPECT_EQ(row(g, 0), "... ");
    EXPECT_EQ(row(g, 1), ".#. ");
    EXPECT_EQ(row(g, 2), "....");
    EXPECT_EQ(row(g, 3), "  . ");
    EXPECT_EQ(g.Numbers[g.At(0, 0)], 1);
    EXPECT_EQ(g.Numbers[g.At(2, 0)], 2);
    EXPECT_EQ(g.Numbers[g.At(0, 2)], 3);
    EXPECT_EQ(g.Numbers[g.At(1, 0)], 0);
    EXPECT_EQ(g.Letters[g.At(3, 2)], cp("А")[0]);
    EXPECT_EQ(g.Letters[g.At(2, 3)], cp("Т")[0]);

    // Turned by half a turn: every cell, number and letter moves to the opposite place.
    const PaperGrid t = MakePaperGrid(crossword(), true, true);
    EXPECT_EQ(row(t, 0), " .  ");
    EXPECT_EQ(row(t, 1), "....");
    EXPECT_EQ(row(t, 2), " .#.");
    EXPECT_EQ(row(t, 3), " ...");
    EXPECT_EQ(t.Numbers[t.At(3, 3)], 1);
    EXPECT_EQ(t.Numbers[t.At(1, 3)], 2);
    EXPECT_EQ(t.Numbers[t.At(3, 1)], 3);
    EXPECT_EQ(t.Letters[t.At(0, 1)], cp("А")[0]);

    // Without letters, and with an answer that does not fill its word: no letters for it.
    EXPECT_EQ(MakePaperGrid(crossword(), false, false).Letters, std::vector<char>(16, 0));
    KrossDocument partial = crossword();
    partial.ClueTexts.SetAnswer(3, 0, cp("ЛИ"));
    const PaperGrid p = MakePaperGrid(partial, false, true);
    EXPECT_EQ(p.Letters[p.At(3, 2)], 0);
    EXPECT_EQ(p.Letters[p.At(2, 2)], cp("Р")[0]); // ТОРТ still fills it
}

TEST(PrintLayoutTest, PrintContentListsEveryWordInNumberOrder) {
    const Content c = MakeContent(crossword(), true);
    ASSERT_EQ(c.Clues[0].size(), 2u);
    ASSERT_EQ(c.Clues[1].size(), 2u);
    EXPECT_EQ(c.Clues[0][1].Number, 3);
    EXPECT_EQ(c.Clues[0][1].Text, cp("Музыкальный инструмент"));
    EXPECT_EQ(c.Clues[1][0].Number, 1);
    EXPECT_EQ(c.Answers[1][1].Text, cp("Торт"));
    EXPECT_TRUE(c.AnswersPage);
    EXPECT_TRUE(MakeContent(crossword(), false).Answers[0].empty());

    const Content bare = MakeContent(GridDocument({"...", ".#.", "..."}, 1), true);
    EXPECT_TRUE(bare.Clues[0].empty() && bare.Clues[1].empty());
    EXPECT_FALSE(bare.AnswersPage);
}

Content contentOf(const KrossDocument& doc, bool answers) {
    Content c = MakeContent(doc, answers);
    c.AuthorLine = "by " + doc.KrossAuthor;
    c.AcrossHeading = "Across:";
    c.DownHeading = "Down:";
    c.AnswersHeading = "Answers";
    return c;
}

double right(const TextItem& t) {
    return t.X + kMeasure.Width(t.Font, t.Size, t.Text);
}
double top(const TextItem& t) {
    return t.Baseline - kMeasure.Ascent(t.Font, t.Size);
}

// Every text lies on the paper, below the grid when it is not part of the header, and no two texts of a
// page overlap.
void expectTidy(const std::vector<Page>& pages, double pw, double ph, std::pair<int, int> gridSide) {
    for (size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p + 1));
        const Page& page = pages[p];
        for (const TextItem& t : page.Texts) {
            EXPECT_GE(t.X, -1e-6) << t.Text;
            EXPECT_LE(right(t), pw + 1e-6) << t.Text;
            EXPECT_GE(top(t), -1e-6) << t.Text;
            EXPECT_LE(t.Baseline, ph + 1e-6) << t.Text;
        }
        if (page.Grid) {
            // The grid is on the paper and no text runs into it.
            const GridItem& g = *page.Grid;
            EXPECT_GE(g.X, -1e-6);
            EXPECT_LE(g.X + g.Cell * gridSide.first, pw + 1e-6);
            EXPECT_LE(g.Y + g.Cell * gridSide.second, ph + 1e-6);
            for (const TextItem& t : page.Texts) {
                const bool apart = t.Baseline <= g.Y + 1e-6 ||
                                   top(t) >= g.Y + g.Cell * gridSide.second - 1e-6 ||
                                   right(t) <= g.X + 1e-6 || t.X >= g.X + g.Cell * gridSide.first - 1e-6;
                EXPECT_TRUE(apart) << t.Text;
            }
        }
        for (size_t i = 0; i < page.Texts.size(); ++i)
            for (size_t j = i + 1; j < page.Texts.size(); ++j) {
                const TextItem &a = page.Texts[i], &b = page.Texts[j];
                const bool apart = right(a) <= b.X + 1e-6 || right(b) <= a.X + 1e-6 ||
                                   a.Baseline <= top(b) + 1e-6 || b.Baseline <= top(a) + 1e-6;
                EXPECT_TRUE(apart) << a.Text << " / " << b.Text;
            }
    }
}

// The texts of the pages that are list items: number -> the item's text, lines joined.
std::multimap<std::string, std::string> items(const std::vector<Page>& pages, size_t first, size_t last) {
    std::multimap<std::string, std::string> out;
    for (size_t p = first; p <= last && p < pages.size(); ++p) {
        std::string number;
        for (const TextItem& t : pages[p].Texts) {
            if (t.Font != Face::Text || t.Size != ClueSize) continue;
            if (!t.Text.empty() && t.Text.back() == '.' &&
                std::isdigit(static_cast<unsigned char>(t.Text[0]))) {
                number = t.Text;
                out.emplace(number, "");
            } else if (!number.empty()) {
                auto it = std::prev(out.upper_bound(number));
                it->second += it->second.empty() ? t.Text : " " + t.Text;
            }
        }
    }
    return out;
}

TEST(PrintLayoutTest, NewspaperPageOnA4AndLetter) {
    for (auto [pw, ph] : {std::pair{A4W, A4H}, std::pair{LetterW, LetterH}}) {
        SCOPED_TRACE(pw);
        const std::vector<Page> pages = Lay(contentOf(crossword(), false), 4, 4, pw, ph, kMeasure);
        ASSERT_EQ(pages.size(), 1u);
        const Page& page = pages[0];
        // Name, then author, centred; the grid below them at its largest cell, centred.
        ASSERT_GE(page.Texts.size(), 2u);
        EXPECT_EQ(page.Texts[0].Text, cp("Кот"));
        EXPECT_EQ(page.Texts[0].Font, Face::Title);
        EXPECT_NEAR(page.Texts[0].X + right(page.Texts[0]), pw, 1e-6);
        EXPECT_EQ(page.Texts[1].Text, "by " + cp("Иванов"));
        ASSERT_TRUE(page.Grid);
        EXPECT_EQ(page.Grid->Cell, MaxCell);
        EXPECT_NEAR(2 * page.Grid->X + 4 * page.Grid->Cell, pw, 1e-6);
        EXPECT_GT(page.Grid->Y, page.Texts[1].Baseline);
        EXPECT_FALSE(page.Grid->Letters);
        // Both headings and every clue below the grid.
        const double gridBottom = page.Grid->Y + 4 * page.Grid->Cell;
        int headings = 0;
        for (const TextItem& t : page.Texts) {
            if (t.Font == Face::Bold) ++headings;
            if (t.Font != Face::Title && &t != &page.Texts[1]) {
                EXPECT_GT(top(t), gridBottom) << t.Text;
            }
        }
        EXPECT_EQ(headings, 2);
        const auto listed = items(pages, 0, 0);
        EXPECT_EQ(listed.size(), 4u);
        EXPECT_EQ(listed.find("3.")->second, cp("Музыкальный инструмент"));
        expectTidy(pages, pw, ph, {4, 4});
    }
}

TEST(PrintLayoutTest, ManyLongCluesFlowOverColumnsAndPagesWithoutLoss) {
    std::vector<std::string> rows(30, std::string(30, '.'));
    for (int r = 1; r < 30; r += 2)
        for (int c = 1; c < 30; c += 2)
            rows[static_cast<size_t>(r)][static_cast<size_t>(c)] = '#';
    KrossDocument doc = GridDocument(rows, 0, "Big");
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            doc.ClueTexts.SetClue(n, d,
                                  "Clue " + std::to_string(n) +
                                      " with a good many words to wrap over lines, " +
                                      "and then some more of them to fill a column or two " +
                                      std::string(static_cast<size_t>(n % 7) * 9, 'x'));
    const Content content = contentOf(doc, true);
    const std::vector<Page> pages = Lay(content, 30, 30, A4W, A4H, kMeasure);
    ASSERT_GT(pages.size(), 2u);
    expectTidy(pages, A4W, A4H, {30, 30});

    // The grid scales to the page; the answers page has the letters.
    EXPECT_LE(pages[0].Grid->Cell * 30, A4W + 1e-6);
    size_t answersPage = 0;
    for (size_t p = 1; p < pages.size(); ++p)
        if (pages[p].Grid) answersPage = p;
    ASSERT_GT(answersPage, 1u);
    EXPECT_TRUE(pages[answersPage].Grid->Letters);
    EXPECT_EQ(pages[answersPage].Texts[0].Text, "Answers");
    // Pages that continue a list have no grid and start at the top.
    EXPECT_FALSE(pages[1].Grid);
    EXPECT_NEAR(top(pages[1].Texts[0]), 0, 1e-6);

    // Every clue once, whole; every answer once.
    const auto clues = items(pages, 0, answersPage - 1);
    EXPECT_EQ(clues.size(), content.Clues[0].size() + content.Clues[1].size());
    for (int32_t d = 0; d <= 1; ++d)
        for (const Entry& e : content.Clues[d]) {
            const auto range = clues.equal_range(std::to_string(e.Number) + ".");
            // A word cut over lines comes back with a blank inside it.
            auto solid = [](std::string t) {
                std::erase(t, ' ');
                return t;
            };
            bool found = false;
            for (auto it = range.first; it != range.second; ++it)
                found = found || solid(it->second) == solid(e.Text);
            EXPECT_TRUE(found) << e.Text;
        }
    EXPECT_EQ(items(pages, answersPage, pages.size() - 1).size(),
              content.Answers[0].size() + content.Answers[1].size());
}

TEST(PrintLayoutTest, GridShrinksToLeaveRoomForTheCluesAndFillsABareGridPage) {
    // A tall narrow grid with many short clues: the grid gives up height until the clues fit.
    std::vector<std::string> rows(90, "..");
    KrossDocument tall = GridDocument(rows, 0, "Tall");
    const std::vector<Page> pages = Lay(contentOf(tall, false), 2, 90, A4W, A4H, kMeasure);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_LT(pages[0].Grid->Cell * 90, 0.5 * A4H);
    expectTidy(pages, A4W, A4H, {2, 90});

    // A bare grid has no lists: its grid takes the page below the header.
    KrossDocument bare = GridDocument(std::vector<std::string>(60, std::string(40, '.')), 1, "Bare");
    const std::vector<Page> barePages = Lay(contentOf(bare, true), 40, 60, A4W, A4H, kMeasure);
    ASSERT_EQ(barePages.size(), 1u);
    const GridItem g = *barePages[0].Grid;
    EXPECT_NEAR(std::max(g.Cell * 40 / A4W, (g.Y + g.Cell * 60) / A4H), 1.0, 1e-6);
}

TEST(PrintLayoutTest, NumbersAndLettersSitInTheirCells) {
    const PaperGrid grid = MakePaperGrid(crossword(), false, true);
    const GridItem at{100, 200, 20, true};
    std::set<std::pair<int, int>> numbered;
    for (int32_t r = 0; r < 4; ++r)
        for (int32_t c = 0; c < 4; ++c) {
            const double x0 = 100 + 20 * c, y0 = 200 + 20 * r;
            if (auto n = CellNumber(grid, at, c, r, kMeasure)) {
                numbered.insert({c, r});
                EXPECT_EQ(n->Text, std::to_string(grid.Numbers[grid.At(c, r)]));
                EXPECT_GT(n->X, x0);
                EXPECT_LT(right(*n), x0 + 10); // the left half
                EXPECT_GT(top(*n), y0);
                EXPECT_LT(n->Baseline, y0 + 10); // the top half
            }
            const auto l = CellLetter(grid, at, c, r, kMeasure);
            ASSERT_EQ(l.has_value(), grid.Letters[grid.At(c, r)] != 0);
            if (!l) continue;
            EXPECT_NEAR(l->X + right(*l), 2 * x0 + 20, 1e-6); // centred
            EXPECT_GT(top(*l), y0 + 6);                       // below the number
            EXPECT_LT(l->Baseline, y0 + 20);
        }
    EXPECT_EQ(numbered, (std::set<std::pair<int, int>>{{0, 0}, {2, 0}, {0, 2}}));
    EXPECT_FALSE(CellLetter(grid, GridItem{0, 0, 20, false}, 0, 0, kMeasure));
    EXPECT_FALSE(CellNumber(grid, at, 4, 0, kMeasure));
}

TEST(PrintLayoutTest, WrapBreaksAtBlanksAndInsideOverlongWords) {
    struct Case {
        const char* text;
        double width; // in characters of 1 point (the measure's size 2)
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"", 10, {""}},
        {"one two three", 20, {"one two three"}},
        {"one two three", 7, {"one two", "three"}},
        {"  spaced   out  ", 20, {"spaced out"}},
        {"abcdefghij", 4, {"abcd", "efgh", "ij"}},
        {"ab abcdefgh c", 4, {"ab", "abcd", "efgh", "c"}},
        {"x", 0.5, {"x"}}, // a line holds at least one character
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Wrap(c.text, c.width, Face::Text, 2, kMeasure), c.lines);
    }
}

TEST(PrintLayoutTest, AnswersRuleAuthoringOrNoPasswordOrUnlocked) {
    struct Case {
        int32_t mode;
        bool password;
        int32_t noAnswers;
        bool unlocked;
        bool may;
    };
    const Case cases[] = {
        {Mode::Authoring, true, 0, false, true},       {Mode::Solve, false, 0, false, true},
        {Mode::Solve, true, 0, false, false},          {Mode::Solve, true, 0, true, true},
        {Mode::Incomplete, true, 0, false, false},     {Mode::Incomplete, false, 0, false, true},
        {Mode::BareAuthoring, false, 1, false, false}, {Mode::SolveBare, false, 1, true, false},
    };
    for (const Case& c : cases) {
        KrossDocument doc;
        doc.AppMode = c.mode;
        doc.NoAnswers = c.noAnswers;
        doc.EditPassword = c.password ? "x" : "";
        EXPECT_EQ(AnswersMayLeave(doc, c.unlocked), c.may) << c.mode << c.password << c.unlocked;
    }
}

} // namespace
