#pragma once
// The printed crossword as plain data: what goes on which page and where, in points (1/72 inch) from the
// top-left corner of the page's printable area. The printer, the print preview and the PDF export draw
// these pages; nothing here knows a window or a font file, only a TextMeasure.
//
// A page 1 shows, as a newspaper would: the name (large, bold, centred), the author, the empty grid with
// its numbers scaled to the page, then the across and down clues in columns. Clues that do not fit go on
// to further pages in full-height columns. The optional answers page shows the heading "Answers", the
// name, the grid with its letters, and the answers lists in the same columns.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/KrossDocument.h"

namespace PrintLayout {

// The faces the pages are printed in.
enum class Face {
    Title,  // the crossword's name and the answers heading, bold
    Text,   // the author, clues and answers
    Bold,   // the list headings
    Number, // the clue numbers in the grid
    Letter, // the letters in the grid (the letter font)
};

// Sizes of printed texts, in points (the grid's numbers and letters follow the cell size instead).
constexpr double TitleSize = 16;
constexpr double AuthorSize = 11;
constexpr double HeadingSize = 10;
constexpr double ClueSize = 9;
constexpr double MaxCell = 28;    // the grid's cells are at most this wide, whatever the page
constexpr double ColumnGap = 14;  // between clue columns
constexpr double MinColumn = 140; // the narrowest clue column
constexpr double GridGap = 14;    // between the header, the grid and the clues

// Widths and heights of texts in points, as the device that prints them measures them.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual double Width(Face face, double size, std::string_view cp1251) const = 0;
    virtual double Ascent(Face face, double size) const = 0;
    virtual double LineHeight(Face face, double size) const = 0;
};

// The grid as paper shows it, already turned for the turned style: letter cells, blocks enclosed
// between letter cells of their column (black), and the outside (left white, like the HTML pictures).
struct PaperGrid {
    enum class Cell : unsigned char { Outside, Block, Letter };
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<Cell> Cells;      // row by row
    std::vector<int32_t> Numbers; // the number printed in a cell, 0 = none
    std::vector<char> Letters;    // the answer letter of a cell (cp1251), 0 = none

    size_t At(int32_t c, int32_t r) const {
        return static_cast<size_t>(r) * static_cast<size_t>(Width) + static_cast<size_t>(c);
    }
};

// The paper grid of the document: the cells of its words (SlotTable; a word outside the grid is left
// out), each word's number in its first cell and, with letters, the answers that fill their words.
// Turned: cell (c, r) is printed at (Width - 1 - c, Height - 1 - r), as the turned style shows it.
PaperGrid MakePaperGrid(const KrossDocument& doc, bool turned, bool withLetters);

// One item of a clue or answer list.
struct Entry {
    int32_t Number = 0;
    std::string Text; // cp1251
};

// What the pages say, all texts cp1251.
struct Content {
    std::string Title;          // the crossword's name
    std::string AuthorLine;     // "by Author", empty for no line
    std::string AcrossHeading;  // "Across:"
    std::string DownHeading;    // "Down:"
    std::string AnswersHeading; // "Answers"
    std::vector<Entry> Clues[2];
    std::vector<Entry> Answers[2]; // empty unless the answers page is printed
    bool AnswersPage = false;
};

// The content of the document: a list item for every word (numbers in order), the clue as the author
// wrote it, the answer as the HTML export's lists show it (first letter as stored, the rest in lower
// case). A crossword without answers has no lists. The headings and the author line are the caller's.
Content MakeContent(const KrossDocument& doc, bool answersPage);

struct TextItem {
    Face Font = Face::Text;
    double Size = 0; // points
    double X = 0;    // left end of the text
    double Baseline = 0;
    std::string Text; // cp1251
};

// Where a grid is printed: its top-left corner and the side of a cell.
struct GridItem {
    double X = 0;
    double Y = 0;
    double Cell = 0;
    bool Letters = false; // the answers page prints the letters
};

struct Page {
    std::vector<TextItem> Texts;
    std::optional<GridItem> Grid;
};

// The pages of the content on paper whose printable area is pageWidth x pageHeight points; the grid is
// gridWidth x gridHeight cells.
std::vector<Page> Lay(const Content& content, int32_t gridWidth, int32_t gridHeight, double pageWidth,
                      double pageHeight, const TextMeasure& measure);

// The number and the letter of cell (c, r) of a placed grid: the number small in the top-left corner,
// the letter centred below it. Nothing for a cell without one.
std::optional<TextItem> CellNumber(const PaperGrid& grid, const GridItem& at, int32_t c, int32_t r,
                                   const TextMeasure& measure);
std::optional<TextItem> CellLetter(const PaperGrid& grid, const GridItem& at, int32_t c, int32_t r,
                                   const TextMeasure& measure);

// A text broken into lines no wider than width: at blanks where it can, inside a word that is wider than
// a line by itself. Always at least one line (an empty text gives one empty line).
std::vector<std::string> Wrap(std::string_view text, double width, Face face, double size,
                              const TextMeasure& measure);

} // namespace PrintLayout
