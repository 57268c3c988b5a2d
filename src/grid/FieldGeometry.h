#pragma once
// Geometry of the field picture while a grid is drawn: the grid sits 5 pixels from the top-left corner,
// each cell cellSize pixels on a side.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace FieldGeometry {

constexpr int32_t FieldMargin = 5;

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

// Column (row) under the pointer as shown while drawing, counted from 1; 0 outside the grid.
int32_t PointerColumn(double x, int32_t cellSize, int32_t w);
int32_t PointerRow(double y, int32_t cellSize, int32_t h);

// "<langCoordinates> 3,5": the column with a blank in its sign position, the row without one.
std::string CoordinatesCaption(std::string_view langCoordinates, int32_t col, int32_t row);

} // namespace FieldGeometry
