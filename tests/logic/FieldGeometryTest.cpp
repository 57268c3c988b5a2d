#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "grid/FieldGeometry.h"

namespace {

using Cell = std::pair<int32_t, int32_t>;
using Cells = std::vector<Cell>;

TEST(FieldGeometryTest, PointToCellMarginRoundingAndGridEnd) {
    struct Case {
        double x, y;
        int32_t cellSize, w, h;
        std::optional<Cell> cell;
    } cases[] = {
        {5.0, 5.0, 20, 15, 15, Cell{0, 0}},     // the first pixel of the margin line is column 0
        {4.9, 10.0, 20, 15, 15, std::nullopt},  // left of the grid
        {10.0, 4.9, 20, 15, 15, std::nullopt},  // above it
        {24.4, 44.6, 20, 15, 15, Cell{0, 2}},   // 19.4 -> 19, 39.6 -> 40
        {304.4, 5.0, 20, 15, 15, Cell{14, 0}},  // 299.4 -> 299: last column
        {304.5, 5.0, 20, 15, 15, std::nullopt}, // 299.5 -> 300: beyond the last column
        {5.0, 104.5, 20, 15, 5, std::nullopt},  // beyond the last row
        {7.5, 5.0, 3, 4, 4, Cell{0, 0}},        // 2.5 rounds to the even 2
        {9.5, 8.5, 3, 4, 4, Cell{1, 1}},        // 4.5 -> 4, 3.5 -> 4
        {1e12, 5.0, 20, 15, 15, std::nullopt},  // far off
        {5.0, 5.0, 0, 15, 15, std::nullopt},    // no cell size
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y << " size " << c.cellSize);
        EXPECT_EQ(FieldGeometry::PointToCell(c.x, c.y, c.cellSize, c.w, c.h), c.cell);
    }
}

TEST(FieldGeometryTest, SymmetryCellsMirrorAndTransposedImagesInOrder) {
    struct Case {
        int32_t c, r, w, h;
        bool symmetric;
        Cells cells;
    } cases[] = {
        {2, 5, 15, 15, true, {{2, 5}, {2, 9}, {12, 9}, {12, 5}, {5, 12}, {9, 12}, {9, 2}, {5, 2}}},
        {4, 4, 15, 15, true, {{4, 4}, {4, 10}, {10, 10}, {10, 4}}}, // on the diagonal: no transposed copies
        {0, 1, 10, 5, true, {{0, 1}, {0, 3}, {9, 3}, {9, 1}, {3, 0}, {1, 0}}},
        {6, 1, 10, 5, true, {{6, 1}, {6, 3}, {3, 3}, {3, 1}}}, // column beyond the height: no transposed
        {0, 0, 1, 1, true, {{0, 0}, {0, 0}, {0, 0}, {0, 0}}},
        {2, 5, 15, 15, false, {{2, 5}}},
        {15, 0, 15, 15, true, {}},
        {0, -1, 15, 15, true, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.c << "," << c.r << " in " << c.w << "x" << c.h);
        EXPECT_EQ(FieldGeometry::SymmetryCells(c.c, c.r, c.w, c.h, c.symmetric), c.cells);
    }
}

TEST(FieldGeometryTest, SymmetryCellsByKind) {
    using FieldGeometry::Symmetry;
    struct Case {
        int32_t c, r, w, h;
        Symmetry kind;
        Cells cells;
    } cases[] = {
        // A half turn about the centre: the cell and its opposite, on square and oblong grids.
        {2, 5, 15, 15, Symmetry::HalfTurn, {{2, 5}, {12, 9}}},
        {7, 7, 15, 15, Symmetry::HalfTurn, {{7, 7}, {7, 7}}}, // the centre is its own image
        {0, 1, 10, 5, Symmetry::HalfTurn, {{0, 1}, {9, 3}}},
        {9, 0, 10, 5, Symmetry::HalfTurn, {{9, 0}, {0, 4}}},
        {1, 8, 3, 10, Symmetry::HalfTurn, {{1, 8}, {1, 1}}},
        {0, 0, 1, 1, Symmetry::HalfTurn, {{0, 0}, {0, 0}}},
        {10, 0, 10, 5, Symmetry::HalfTurn, {}},
        {2, 5, 15, 15, Symmetry::None, {{2, 5}}},
        // The mirror kind is the classic symmetry.
        {0, 1, 10, 5, Symmetry::Mirror, {{0, 1}, {0, 3}, {9, 3}, {9, 1}, {3, 0}, {1, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.c << "," << c.r << " in " << c.w << "x" << c.h);
        EXPECT_EQ(FieldGeometry::SymmetryCells(c.c, c.r, c.w, c.h, c.kind), c.cells);
    }
}

TEST(FieldGeometryTest, SymmetryCellsNoClickReachesOutsideTheGrid) {
    for (auto [w, h] : {Cell{10, 5}, Cell{5, 10}, Cell{7, 7}, Cell{1, 9}, Cell{3, 2}}) {
        for (int32_t c = 0; c < w; ++c) {
            for (int32_t r = 0; r < h; ++r) {
                const Cells cells = FieldGeometry::SymmetryCells(c, r, w, h, true);
                ASSERT_GE(cells.size(), 4u);
                EXPECT_EQ(cells[0], (Cell{c, r}));
                for (auto [x, y] : cells) {
                    EXPECT_TRUE(x >= 0 && x < w && y >= 0 && y < h)
                        << "click " << c << "," << r << " in " << w << "x" << h << " sets " << x << "," << y;
                }
            }
        }
    }
}

TEST(FieldGeometryTest, PointerPositionCountsFromOneAndShowsZeroOutside) {
    struct Case {
        double v;
        int32_t index;
    } cases[] = {{4.9, 0}, {5.0, 1}, {24.4, 1}, {24.5, 2}, {304.0, 15}, {304.5, 0}, {400.0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(FieldGeometry::PointerColumn(c.v, 20, 15), c.index) << c.v;
        EXPECT_EQ(FieldGeometry::PointerRow(c.v, 20, 15), c.index) << c.v;
    }
    EXPECT_EQ(FieldGeometry::PointerRow(104.0, 20, 5), 5);
    EXPECT_EQ(FieldGeometry::PointerRow(105.0, 20, 5), 0);
}

TEST(FieldGeometryTest, CoordinatesCaptionColumnHasASignBlankRowHasNone) {
    EXPECT_EQ(FieldGeometry::CoordinatesCaption("Cell:", 3, 5), "Cell: 3,5");
    EXPECT_EQ(FieldGeometry::CoordinatesCaption("Cell:", 0, 0), "Cell: 0,0");
    EXPECT_EQ(FieldGeometry::CoordinatesCaption("", 12, 140), " 12,140");
}

TEST(FieldGeometryTest, CellPlacesBoxesOfTheFieldAndThePictureSides) {
    using FieldGeometry::Box;
    struct Case {
        int32_t c, r, cellSize;
        Box cell, inside;
    } cases[] = {
        {0, 0, 20, {5, 5, 25, 25}, {6, 6, 24, 24}},
        {3, 1, 20, {65, 25, 85, 45}, {66, 26, 84, 44}},
        {2, 4, 7, {19, 33, 26, 40}, {20, 34, 25, 39}},
        {0, 0, 1, {5, 5, 6, 6}, {6, 6, 5, 5}}, // a one-pixel cell has no inside
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.c << "," << c.r << " size " << c.cellSize);
        EXPECT_EQ(FieldGeometry::CellBox(c.c, c.r, c.cellSize), c.cell);
        EXPECT_EQ(FieldGeometry::InnerBox(c.c, c.r, c.cellSize), c.inside);
    }
    EXPECT_EQ(FieldGeometry::GridBox(4, 3, 20), (Box{5, 5, 85, 65}));
    // 15 columns of 20 pixels: 315 wide while drawing, 310 once numbered, 301 in the export.
    EXPECT_EQ(FieldGeometry::DrawingFieldSide(15, 20), 315);
    EXPECT_EQ(FieldGeometry::NumberedFieldSide(15, 20), 310);
    EXPECT_EQ(FieldGeometry::ExportPictureSide(15, 20), 301);
    // The export: no margin; the turned style starts from the last column and row.
    const FieldGeometry::ExportPlace classic{20, 3, 2, false}, turned{20, 3, 2, true};
    EXPECT_EQ(classic.X(1), 20);
    EXPECT_EQ(classic.Y(2), 40);
    EXPECT_EQ(turned.X(1), 40);
    EXPECT_EQ(turned.Y(2), 0);
}

// The two directions agree: every pixel inside a cell's outline leads back to that cell.
TEST(FieldGeometryTest, CellPlacesEveryInsidePixelLeadsBackToItsCell) {
    for (int32_t cellSize : {2, 3, 7, 20, 31}) {
        const int32_t w = 4, h = 3;
        for (int32_t c = 0; c < w; ++c)
            for (int32_t r = 0; r < h; ++r) {
                const FieldGeometry::Box in = FieldGeometry::InnerBox(c, r, cellSize);
                for (int32_t x : {in.Left, in.Right})
                    for (int32_t y : {in.Top, in.Bottom})
                        EXPECT_EQ(FieldGeometry::PointToCell(x, y, cellSize, w, h), (Cell{c, r}))
                            << "pixel " << x << "," << y << " size " << cellSize;
            }
        // The grid's last line and beyond belong to no cell.
        const FieldGeometry::Box grid = FieldGeometry::GridBox(w, h, cellSize);
        EXPECT_EQ(FieldGeometry::PointToCell(grid.Right, grid.Top, cellSize, w, h), std::nullopt);
        EXPECT_EQ(FieldGeometry::PointToCell(grid.Left, grid.Bottom, cellSize, w, h), std::nullopt);
    }
}

} // namespace
