// What each cell of the field shows and the order of the drawings, which decides what lies on top where
// a cell's number or letter runs into its neighbour.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "display/FieldPaint.h"

namespace {

constexpr int32_t kWhite = 0x00FFFFFF, kYellow = 0x0000FFFF;

// The cells of the whole grid as "c,r" in drawing order.
std::string order(const FieldPaint& p, int32_t c0 = 0, int32_t c1 = 99, int32_t r0 = 0, int32_t r1 = 99) {
    std::vector<FieldPaint::Drawn> drawn;
    p.DrawnInOrder(c0, c1, r0, r1, drawn);
    std::string out;
    for (const auto& d : drawn)
        out += (out.empty() ? "" : " ") + std::to_string(d.Column) + "," + std::to_string(d.Row);
    return out;
}

TEST(FieldPaintTest, TheLastDrawingOfACellIsWhatItShowsAndLiesOnTop) {
    FieldPaint p;
    p.Reset(3, 2);
    EXPECT_EQ(order(p), "");
    EXPECT_FALSE(p.IsDrawn(0, 0));
    // An across word of three cells, then a down word through its first cell, then the across word
    // selected: the shared cell ends up yellow, drawn after the down word's lower cell.
    for (int32_t c = 0; c < 3; ++c)
        p.Draw(c, 0, {kWhite, c == 0 ? 1 : 0, 0});
    p.Draw(0, 0, {kWhite, 1, 0xCA});
    p.Draw(0, 1, {kWhite, 0, 0xCB});
    for (int32_t c = 0; c < 3; ++c)
        p.Draw(c, 0, {kYellow, c == 0 ? 1 : 0, 0xC0});
    EXPECT_EQ(order(p), "0,1 0,0 1,0 2,0");
    EXPECT_EQ(p.At(0, 0), (FieldPaint::Look{kYellow, 1, 0xC0}));
    EXPECT_EQ(p.At(0, 1), (FieldPaint::Look{kWhite, 0, 0xCB}));
    EXPECT_FALSE(p.IsDrawn(1, 1)); // a block: never drawn, the background shows
    // A part of the grid, and bounds beyond it clamped.
    EXPECT_EQ(order(p, 1, 5, -3, 0), "1,0 2,0");
    EXPECT_EQ(order(p, 0, 0, 1, 1), "0,1");
    // Outside the grid nothing is drawn and nothing is read.
    p.Draw(3, 0, {kYellow, 9, 0});
    p.Draw(-1, 0, {kYellow, 9, 0});
    EXPECT_EQ(p.At(3, 0), FieldPaint::Look{});
    EXPECT_EQ(p.LargestNumber(), 1);

    p.Clear();
    EXPECT_EQ(order(p), "");
    EXPECT_EQ(p.LargestNumber(), 0);
    EXPECT_EQ(p.Columns(), 3);
    p.Draw(2, 1, {kWhite, 12, 0});
    EXPECT_EQ(p.LargestNumber(), 12);
    p.Reset(1, 1);
    EXPECT_EQ(order(p), "");
    EXPECT_FALSE(p.IsDrawn(2, 1));
}

TEST(FieldPaintTest, OrdersRunningOutAreNumberedAfreshKeepingTheSequence) {
    // With room for only five orders, drawing on goes past the limit several times.
    FieldPaint p(5);
    p.Reset(4, 1);
    const std::pair<int32_t, int32_t> steps[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {1, 0},
                                                 {0, 0}, {3, 0}, {2, 0}, {1, 0}, {3, 0}};
    std::vector<int32_t> last; // the columns, least recently drawn first
    for (const auto& [c, r] : steps) {
        p.Draw(c, r, {kWhite, 0, 0});
        std::erase(last, c);
        last.push_back(c);
    }
    std::string want;
    for (int32_t c : last)
        want += (want.empty() ? "" : " ") + std::to_string(c) + ",0";
    EXPECT_EQ(order(p), want);
}

} // namespace
