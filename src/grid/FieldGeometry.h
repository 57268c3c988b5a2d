#pragma once
// The layout of the field picture in both directions, the one place that knows its margins: which cell a
// point of the field falls in, and where a cell, the grid and the picture lie. The grid sits FieldMargin
// pixels from the top-left corner, each cell cellSize pixels on a side. Also the layout of the export
// pictures, which draw the same cells without the margin.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace FieldGeometry {

constexpr int32_t FieldMargin = 5;

// ---- pixel -> cell ----

// The cell (column, row) under a point of the field, or nothing left of / above the grid or beyond its
// last column or row. Each coordinate is rounded (halves to even) after the margin is taken off, then
// divided by cellSize.
std::optional<std::pair<int32_t, int32_t>> PointToCell(double x, double y, int32_t cellSize, int32_t w,
                                                       int32_t h);

// The cells a click on (c, r) sets, in the order they are set: (c, r) alone without symmetry; with it the
// left-right, top-bottom and central mirror images, then, off the diagonal and where the grid allows, the
// four transposed positions, each only when it lies inside the grid. Cells may repeat. Empty when (c, r)
// is outside the grid.
std::vector<std::pair<int32_t, int32_t>> SymmetryCells(int32_t c, int32_t r, int32_t w, int32_t h,
                                                       bool symmetric);

// The symmetries a click can follow while a grid is drawn.
enum class Symmetry {
    None,     // the clicked cell alone
    Mirror,   // the images above (symmetric = true)
    HalfTurn, // (c, r), then (w - 1 - c, h - 1 - r): the cell a half turn about the grid's centre brings
              // it to; the centre cell of an odd grid is its own image
};
std::vector<std::pair<int32_t, int32_t>> SymmetryCells(int32_t c, int32_t r, int32_t w, int32_t h,
                                                       Symmetry symmetry);

// Column (row) under the pointer as shown while drawing, counted from 1; 0 outside the grid.
int32_t PointerColumn(double x, int32_t cellSize, int32_t w);
int32_t PointerRow(double y, int32_t cellSize, int32_t h);

// "<langCoordinates> 3,5": the column with a blank in its sign position, the row without one.
std::string CoordinatesCaption(std::string_view langCoordinates, int32_t col, int32_t row);

// ---- cell -> pixel ----
//
// The field picture: the grid's top-left corner at (FieldMargin, FieldMargin), cell (c, r) a box of
// cellSize + 1 pixels on a side whose outline it shares with its neighbours. While a new grid is drawn the
// picture is FieldExtra pixels larger than the cells; once the words are numbered, NumberedExtra.

constexpr int32_t FieldExtra = 15;    // picture size beyond the cells while a grid is drawn
constexpr int32_t NumberedExtra = 10; // picture size beyond the cells of a numbered grid
constexpr int32_t NumberInset = 2;    // a clue number's glyphs start this far right of and below the corner
constexpr int32_t LetterInset = 2;    // a letter ends this far left of the cell's right edge

// A box between two corners, both included.
struct Box {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    bool operator==(const Box&) const = default;
};

// The top-left corner of column c (row r) on the field: the grid line left of (above) it.
constexpr int32_t CellLeft(int32_t c, int32_t cellSize) {
    return FieldMargin + c * cellSize;
}
constexpr int32_t CellTop(int32_t r, int32_t cellSize) {
    return FieldMargin + r * cellSize;
}
// Cell (c, r) with its outline: from its corner to the corner of the next cell.
constexpr Box CellBox(int32_t c, int32_t r, int32_t cellSize) {
    const int32_t x = CellLeft(c, cellSize), y = CellTop(r, cellSize);
    return {x, y, x + cellSize, y + cellSize};
}
// The inside of cell (c, r), within its outline: what a click paints while a grid is drawn.
constexpr Box InnerBox(int32_t c, int32_t r, int32_t cellSize) {
    const Box b = CellBox(c, r, cellSize);
    return {b.Left + 1, b.Top + 1, b.Right - 1, b.Bottom - 1};
}
// The whole grid of w x h cells with its outer lines.
constexpr Box GridBox(int32_t w, int32_t h, int32_t cellSize) {
    return {FieldMargin, FieldMargin, CellLeft(w, cellSize), CellTop(h, cellSize)};
}
// Width (height) of the field picture for count columns (rows): while drawing, and once numbered.
constexpr int64_t DrawingFieldSide(int64_t count, int64_t cellSize) {
    return count * cellSize + FieldExtra;
}
constexpr int32_t NumberedFieldSide(int32_t count, int32_t cellSize) {
    return count * cellSize + NumberedExtra;
}
// How far the view keeps a word it scrolls to from the view's edge.
constexpr int32_t ScrollMargin = FieldMargin;

// ---- the export pictures ----
//
// No margin: cell (c, r) at (c x cellSize, r x cellSize) in the classic style; the turned style puts the
// last column and row first. The picture is one pixel larger than the cells, for the closing lines.
struct ExportPlace {
    int32_t CellSize = 0;
    int32_t LastColumn = 0, LastRow = 0;
    bool Turned = false;
    constexpr int32_t X(int32_t c) const { return (Turned ? LastColumn - c : c) * CellSize; }
    constexpr int32_t Y(int32_t r) const { return (Turned ? LastRow - r : r) * CellSize; }
};
constexpr int64_t ExportPictureSide(int64_t count, int64_t cellSize) {
    return count * cellSize + 1;
}

} // namespace FieldGeometry
