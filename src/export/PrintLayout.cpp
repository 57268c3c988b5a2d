#include "export/PrintLayout.h"

#include <algorithm>
#include <array>

#include "basics/NumberText.h"
#include "export/CopyKrossM.h"
#include "grid/WordPlace.h"

namespace PrintLayout {
namespace {

// Where a number and a letter sit in a cell, as fractions of its side.
constexpr double NumberScale = 0.3;  // number size
constexpr double NumberInset = 0.07; // from the cell's top-left corner
constexpr double LetterScale = 0.62; // letter size
constexpr double LetterBase = 0.86;  // letter baseline, from the cell's top

// The share of the space below the header that the grid may take, tried in turn until the lists fit.
constexpr std::array<double, 3> GridShares = {0.65, 0.55, 0.45};

std::string prefixOf(int32_t number) {
    return NumberText::Plain(number) + ".";
}

// Text items being set in columns, column after column and page after page. The columns end at bottom:
// the page's height, or less where short lists are spread evenly over the columns.
class Flow {
  public:
    Flow(std::vector<Page>& pages, double pageWidth, double bottom, const TextMeasure& m)
        : pages_(pages), bottom_(bottom), m_(m) {
        columns_ = std::max(1, static_cast<int>((pageWidth + ColumnGap) / (MinColumn + ColumnGap)));
        columnWidth_ = (pageWidth - (columns_ - 1) * ColumnGap) / columns_;
    }

    double ColumnWidth() const { return columnWidth_; }

    // Starts the columns at top of the last page.
    void Start(double top) {
        page_ = pages_.size() - 1;
        column_ = 0;
        top_ = y_ = top;
    }
    // The pages the flow has added after the one it started on.
    size_t PagesAdded() const { return pages_.size() - 1 - startPage_; }
    void MarkStartPage() { startPage_ = pages_.size() - 1; }

    // Makes room for height points in the current column, moving on to the next column (or page) when
    // they do not fit; a block taller than a whole column starts wherever it is.
    void Room(double height) {
        if (y_ + height <= bottom_ + 1e-6) return;
        if (y_ == top_ && height > bottom_ - top_) return;
        NextColumn();
    }
    void NextColumn() {
        if (++column_ >= columns_) {
            pages_.emplace_back();
            page_ = pages_.size() - 1;
            column_ = 0;
            top_ = 0;
        }
        y_ = top_;
    }

    double X() const { return column_ * (columnWidth_ + ColumnGap); }
    double Y() const { return y_; }
    void Advance(double h) { y_ += h; }
    void Add(TextItem item) { pages_[page_].Texts.push_back(std::move(item)); }
    const TextMeasure& M() const { return m_; }

  private:
    std::vector<Page>& pages_;
    double bottom_;
    const TextMeasure& m_;
    int columns_ = 1;
    double columnWidth_ = 0;
    size_t page_ = 0, startPage_ = 0;
    int column_ = 0;
    double top_ = 0, y_ = 0;
};

// The across and down lists under their headings. Each item is the number with its full stop, right
// aligned in a column as wide as the widest number, and the text wrapped beside it.
void flowLists(Flow& f, const std::vector<Entry> (&lists)[2], const std::string& across,
               const std::string& down) {
    const TextMeasure& m = f.M();
    double numberWidth = 0;
    for (const auto& list : lists)
        for (const Entry& e : list)
            numberWidth = std::max(numberWidth, m.Width(Face::Text, ClueSize, prefixOf(e.Number)));
    const double blank = m.Width(Face::Text, ClueSize, " ");
    const double indent = numberWidth + blank;
    const double textWidth = std::max(f.ColumnWidth() - indent, blank);
    const double line = m.LineHeight(Face::Text, ClueSize);
    const double ascent = m.Ascent(Face::Text, ClueSize);
    const double headingLine = m.LineHeight(Face::Bold, HeadingSize);

    for (int32_t d = 0; d <= 1; ++d) {
        const std::vector<Entry>& list = lists[d];
        if (list.empty()) continue;
        if (d == 1 && f.Y() > 0) f.Advance(line / 2);
        bool first = true;
        for (const Entry& e : list) {
            const std::vector<std::string> lines = Wrap(e.Text, textWidth, Face::Text, ClueSize, m);
            const double height = line * static_cast<double>(lines.size());
            if (first) {
                // The heading stays with the first line of its first item.
                f.Room(headingLine + std::min(height, line));
                f.Add({Face::Bold, HeadingSize, f.X(), f.Y() + m.Ascent(Face::Bold, HeadingSize),
                       d == 0 ? across : down});
                f.Advance(headingLine);
                first = false;
            }
            f.Room(height);
            const std::string prefix = prefixOf(e.Number);
            f.Add({Face::Text, ClueSize, f.X() + numberWidth - m.Width(Face::Text, ClueSize, prefix),
                   f.Y() + ascent, prefix});
            for (size_t i = 0; i < lines.size(); ++i) {
                if (i > 0) f.Room(line);
                f.Add({Face::Text, ClueSize, f.X() + indent, f.Y() + ascent, lines[i]});
                f.Advance(line);
            }
        }
    }
}

// Centred lines of a header; returns the height used.
double addCentred(Page& page, double y, std::string_view text, Face face, double size, double width,
                  const TextMeasure& m) {
    double used = 0;
    for (const std::string& l : Wrap(text, width, face, size, m)) {
        page.Texts.push_back(
            {face, size, (width - m.Width(face, size, l)) / 2, y + used + m.Ascent(face, size), l});
        used += m.LineHeight(face, size);
    }
    return used;
}

// A page with its header, the grid scaled into what is left and the lists below it. The grid takes the
// largest share of the space for which the lists still fit on this page.
void layPage(std::vector<Page>& pages, const std::vector<std::pair<std::string, Face>>& header,
             const std::vector<Entry> (&lists)[2], const Content& c, bool letters, int32_t gw, int32_t gh,
             double pw, double ph, const TextMeasure& m) {
    pages.emplace_back();
    double y = 0;
    for (const auto& [text, face] : header) {
        if (text.empty()) continue;
        const double size = face == Face::Title ? TitleSize : AuthorSize;
        y += addCentred(pages.back(), y, text, face, size, pw, m);
    }
    if (y > 0) y += GridGap / 2;
    const double avail = std::max(ph - y, 0.0);
    const bool anyList = !lists[0].empty() || !lists[1].empty();

    auto cellFor = [&](double share) {
        return std::min({MaxCell, pw / std::max(gw, 1), share * avail / std::max(gh, 1)});
    };
    // A trial run of the lists from top: true when they end on this page, above bottom.
    auto fitsAbove = [&](double top, double bottom) {
        std::vector<Page> trial(1);
        Flow f(trial, pw, bottom, m);
        f.MarkStartPage();
        f.Start(top);
        flowLists(f, lists, c.AcrossHeading, c.DownHeading);
        return f.PagesAdded() == 0;
    };
    double cell = cellFor(anyList ? GridShares[0] : 1.0);
    bool fits = false;
    if (anyList) {
        for (double share : GridShares)
            if (fitsAbove(y + cellFor(share) * gh + GridGap, ph)) {
                cell = cellFor(share);
                fits = true;
                break;
            }
    }
    pages.back().Grid = GridItem{(pw - cell * gw) / 2, y, cell, letters};
    if (!anyList) return;
    const double top = y + cell * gh + GridGap;
    // Lists that fit are spread evenly over the columns, as a newspaper sets them: the lowest bottom
    // at which they still fit.
    double bottom = ph;
    if (fits) {
        double low = top;
        for (int i = 0; i < 24 && bottom - low > 0.5; ++i) {
            const double mid = (low + bottom) / 2;
            (fitsAbove(top, mid) ? bottom : low) = mid;
        }
    }
    Flow f(pages, pw, bottom, m);
    f.MarkStartPage();
    f.Start(top);
    flowLists(f, lists, c.AcrossHeading, c.DownHeading);
}

} // namespace

PaperGrid MakePaperGrid(const KrossDocument& doc, bool turned, bool withLetters) {
    PaperGrid g;
    g.Width = std::max(doc.GridWidth, 0);
    g.Height = std::max(doc.GridHeight, 0);
    const size_t cells = static_cast<size_t>(g.Width) * static_cast<size_t>(g.Height);
    g.Cells.assign(cells, PaperGrid::Cell::Block);
    g.Numbers.assign(cells, 0);
    g.Letters.assign(cells, 0);
    auto at = [&](int32_t c, int32_t r) {
        return turned ? g.At(g.Width - 1 - c, g.Height - 1 - r) : g.At(c, r);
    };
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            const auto place = PlaceOf(doc, doc.SlotTable, n, d);
            if (!place) continue;
            g.Numbers[at(place->X, place->Y)] = n;
            const std::string answer =
                withLetters && doc.NoAnswers == 0 ? doc.ClueTexts.Answer(n, d) : std::string();
            const bool fills = answer.size() == static_cast<size_t>(place->Length);
            for (int32_t i = 0; i < place->Length; ++i) {
                const size_t k = at(place->Col(i), place->Row(i));
                g.Cells[k] = PaperGrid::Cell::Letter;
                if (fills) g.Letters[k] = answer[static_cast<size_t>(i)];
            }
        }
    // The outside: each column from its top and from its bottom up to its first letter cell.
    for (int32_t c = 0; c < g.Width; ++c) {
        for (int32_t r = 0; r < g.Height && g.Cells[g.At(c, r)] != PaperGrid::Cell::Letter; ++r)
            g.Cells[g.At(c, r)] = PaperGrid::Cell::Outside;
        for (int32_t r = g.Height - 1; r >= 0 && g.Cells[g.At(c, r)] != PaperGrid::Cell::Letter; --r)
            g.Cells[g.At(c, r)] = PaperGrid::Cell::Outside;
    }
    return g;
}

Content MakeContent(const KrossDocument& doc, bool answersPage) {
    Content c;
    c.Title = doc.KrossName;
    c.AnswersPage = answersPage && doc.NoAnswers == 0;
    if (doc.NoAnswers != 0) return c;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            const auto place = PlaceOf(doc, doc.SlotTable, n, d);
            if (!place) continue;
            c.Clues[d].push_back({n, doc.ClueTexts.Clue(n, d)});
            if (c.AnswersPage)
                c.Answers[d].push_back(
                    {n, CopyKrossM::AnswerItemText(doc.ClueTexts.Answer(n, d), place->Length)});
        }
    return c;
}

std::vector<Page> Lay(const Content& content, int32_t gridWidth, int32_t gridHeight, double pageWidth,
                      double pageHeight, const TextMeasure& measure) {
    std::vector<Page> pages;
    layPage(pages, {{content.Title, Face::Title}, {content.AuthorLine, Face::Text}}, content.Clues, content,
            false, gridWidth, gridHeight, pageWidth, pageHeight, measure);
    if (content.AnswersPage)
        layPage(pages, {{content.AnswersHeading, Face::Title}, {content.Title, Face::Text}}, content.Answers,
                content, true, gridWidth, gridHeight, pageWidth, pageHeight, measure);
    return pages;
}

std::optional<TextItem> CellNumber(const PaperGrid& grid, const GridItem& at, int32_t c, int32_t r,
                                   const TextMeasure& measure) {
    if (c < 0 || r < 0 || c >= grid.Width || r >= grid.Height) return std::nullopt;
    const int32_t number = grid.Numbers[grid.At(c, r)];
    if (number <= 0) return std::nullopt;
    const double size = at.Cell * NumberScale;
    return TextItem{Face::Number, size, at.X + c * at.Cell + at.Cell * NumberInset,
                    at.Y + r * at.Cell + at.Cell * NumberInset + measure.Ascent(Face::Number, size),
                    NumberText::Plain(number)};
}

std::optional<TextItem> CellLetter(const PaperGrid& grid, const GridItem& at, int32_t c, int32_t r,
                                   const TextMeasure& measure) {
    if (!at.Letters || c < 0 || r < 0 || c >= grid.Width || r >= grid.Height) return std::nullopt;
    const char letter = grid.Letters[grid.At(c, r)];
    if (letter == 0) return std::nullopt;
    const double size = at.Cell * LetterScale;
    const std::string text(1, letter);
    return TextItem{Face::Letter, size,
                    at.X + c * at.Cell + (at.Cell - measure.Width(Face::Letter, size, text)) / 2,
                    at.Y + r * at.Cell + at.Cell * LetterBase, text};
}

std::vector<std::string> Wrap(std::string_view text, double width, Face face, double size,
                              const TextMeasure& measure) {
    // A line's width is the sum of its characters' widths, each measured once: a clue of any length is
    // broken in time linear in its length.
    std::array<double, 256> charWidth;
    charWidth.fill(-1);
    auto widthOf = [&](char ch) {
        double& w = charWidth[static_cast<unsigned char>(ch)];
        if (w < 0) w = measure.Width(face, size, std::string_view(&ch, 1));
        return w;
    };
    const double blank = widthOf(' ');
    std::vector<std::string> lines;
    std::string line;
    double lineWidth = 0;
    size_t i = 0;
    while (i < text.size()) {
        const size_t end = std::min(text.find(' ', i), text.size());
        std::string_view word = text.substr(i, end - i);
        i = end + 1;
        if (word.empty()) continue;
        double wordWidth = 0;
        for (char ch : word)
            wordWidth += widthOf(ch);
        if (!line.empty() && lineWidth + blank + wordWidth <= width + 1e-6) {
            line += ' ';
            line += word;
            lineWidth += blank + wordWidth;
            continue;
        }
        if (!line.empty()) lines.push_back(std::move(line));
        line.clear();
        lineWidth = 0;
        // A word wider than a line by itself is cut where the line is full (at least one character a line).
        for (char ch : word) {
            const double w = widthOf(ch);
            if (!line.empty() && lineWidth + w > width + 1e-6) {
                lines.push_back(std::move(line));
                line.clear();
                lineWidth = 0;
            }
            line += ch;
            lineWidth += w;
        }
    }
    if (!line.empty() || lines.empty()) lines.push_back(std::move(line));
    return lines;
}

} // namespace PrintLayout
