#include "grid/FieldGeometry.h"

#include "basics/NumberText.h"

namespace FieldGeometry {

namespace {

// Index of the cell under coordinate v along a side of count cells, or -1 outside.
int64_t cellIndex(double v, int32_t cellSize, int32_t count) {
    if (cellSize < 1 || !(v >= FieldMargin)) return -1;
    auto rounded = NumberText::RoundToInt32(v - FieldMargin);
    if (!rounded) return -1;
    const int64_t i = *rounded / cellSize;
    return i < count ? i : -1;
}

int32_t pointerIndex(double v, int32_t cellSize, int32_t count) {
    if (cellSize < 1) return 0;
    const double end = static_cast<double>(int64_t{cellSize} * count) + (FieldMargin - 1);
    if (!(v >= FieldMargin && v <= end)) return 0;
    auto rounded = NumberText::RoundToInt32(v - FieldMargin);
    if (!rounded) return 0;
    return *rounded / cellSize + 1;
}

} // namespace

std::optional<std::pair<int32_t, int32_t>> PointToCell(double x, double y, int32_t cellSize, int32_t w,
                                                       int32_t h) {
    const int64_t c = cellIndex(x, cellSize, w), r = cellIndex(y, cellSize, h);
    if (c < 0 || r < 0) return std::nullopt;
    return std::pair{static_cast<int32_t>(c), static_cast<int32_t>(r)};
}

std::vector<std::pair<int32_t, int32_t>> SymmetryCells(int32_t c, int32_t r, int32_t w, int32_t h,
                                                       bool symmetric) {
    std::vector<std::pair<int32_t, int32_t>> cells;
    if (c < 0 || r < 0 || c >= w || r >= h) return cells;
    cells.emplace_back(c, r);
    if (!symmetric) return cells;
    const int32_t C = w - 1 - c, R = h - 1 - r;
    cells.emplace_back(c, R);
    cells.emplace_back(C, R);
    cells.emplace_back(C, r);
    // The transposed copies complete the symmetry of a square; in an oblong grid only the ones that
    // land inside it are set.
    if ((w == h || (c < h && r < w)) && c != r) {
        for (auto [tc, tr] : {std::pair{r, C}, std::pair{R, C}, std::pair{R, c}, std::pair{r, c}})
            if (tc < w && tr < h) cells.emplace_back(tc, tr);
    }
    return cells;
}

std::vector<std::pair<int32_t, int32_t>> SymmetryCells(int32_t c, int32_t r, int32_t w, int32_t h,
                                                       Symmetry symmetry) {
    if (symmetry != Symmetry::HalfTurn) return SymmetryCells(c, r, w, h, symmetry == Symmetry::Mirror);
    std::vector<std::pair<int32_t, int32_t>> cells;
    if (c < 0 || r < 0 || c >= w || r >= h) return cells;
    cells.emplace_back(c, r);
    cells.emplace_back(w - 1 - c, h - 1 - r);
    return cells;
}

int32_t PointerColumn(double x, int32_t cellSize, int32_t w) {
    return pointerIndex(x, cellSize, w);
}

int32_t PointerRow(double y, int32_t cellSize, int32_t h) {
    return pointerIndex(y, cellSize, h);
}

std::string CoordinatesCaption(std::string_view langCoordinates, int32_t col, int32_t row) {
    return std::string(langCoordinates) + NumberText::Signed(col) + "," + NumberText::Plain(row);
}

} // namespace FieldGeometry
