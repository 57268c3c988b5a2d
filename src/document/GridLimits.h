#pragma once
// The largest grid the program holds. The field is painted cell by cell where it is visible, so no
// picture of the whole grid limits it; what does is memory (the layers, the word tables and what each
// cell shows grow with the number of cells) and the largest widget the toolkit lays out, 2^24 - 1 pixels
// on a side, which the field is.
#include <cstdint>

#include "grid/FieldGeometry.h"

namespace GridLimits {

constexpr int64_t MaxCells = int64_t{1} << 22;           // 4,194,304 cells, 2048 x 2048
constexpr int64_t MaxFieldSide = (int64_t{1} << 24) - 1; // 16,777,215 pixels on either side of the field

// True when a grid of w x h cells with the given cell size can be held and drawn.
constexpr bool GridFits(int64_t w, int64_t h, int64_t cellSize) {
    if (w < 1 || h < 1 || cellSize < 1) return false;
    if (w > MaxCells || h > MaxCells || w * h > MaxCells) return false;
    if (cellSize > MaxFieldSide) return false;
    return FieldGeometry::DrawingFieldSide(w, cellSize) <= MaxFieldSide &&
           FieldGeometry::DrawingFieldSide(h, cellSize) <= MaxFieldSide;
}

// True when a grid of w x h cells can be held at all (any cell size of 1 or more).
constexpr bool GridSizeFits(int64_t w, int64_t h) {
    return GridFits(w, h, 1);
}

} // namespace GridLimits
