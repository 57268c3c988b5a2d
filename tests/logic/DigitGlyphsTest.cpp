#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "display/DigitGlyphs.h"

namespace {

// The glyphs of a size side by side, for a reviewer reading a failure.
std::string asciiArt(int32_t size) {
    std::ostringstream out;
    const int32_t h = DigitGlyphs::GlyphHeight(size);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t d = 0; d < 10; ++d) {
            const auto& rows = DigitGlyphs::Rows(size, d);
            out << (static_cast<size_t>(y) < rows.size() ? rows[static_cast<size_t>(y)] : std::string("?"))
                << "  ";
        }
        out << '\n';
    }
    return out.str();
}

TEST(DigitGlyphsTest, SmallDigitsAreTheFiveBySevenFace) {
    const char* const table[10][7] = {
        {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
        {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
        {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"},
        {".###.", "#...#", "....#", "..##.", "....#", "#...#", ".###."},
        {"....#", "...##", "..#.#", ".#..#", "#####", "....#", "....#"},
        {"#####", "#....", "#....", "####.", "....#", "#...#", ".###."},
        {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."},
        {"#####", "....#", "....#", "...#.", "..#..", "..#..", "..#.."},
        {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."},
        {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."},
    };
    for (int32_t d = 0; d < 10; ++d) {
        const auto& rows = DigitGlyphs::Rows(1, d);
        ASSERT_EQ(rows.size(), 7u) << d;
        for (int32_t y = 0; y < 7; ++y) {
            EXPECT_EQ(rows[static_cast<size_t>(y)], table[d][y]) << "digit " << d << " row " << y;
            for (int32_t x = 0; x < 5; ++x)
                EXPECT_EQ(DigitGlyphs::IsBlack(1, d, x, y), table[d][y][x] == '#')
                    << d << " " << x << "," << y;
        }
    }
}

TEST(DigitGlyphsTest, LargeDigitsAreWellFormed) {
    for (int32_t size : {2, 3}) {
        const int32_t w = DigitGlyphs::GlyphWidth(size), h = DigitGlyphs::GlyphHeight(size);
        for (int32_t d = 0; d < 10; ++d) {
            const auto& rows = DigitGlyphs::Rows(size, d);
            ASSERT_EQ(rows.size(), static_cast<size_t>(h)) << "size " << size << " digit " << d;
            int black = 0;
            for (const auto& row : rows) {
                ASSERT_EQ(row.size(), static_cast<size_t>(w)) << "size " << size << " digit " << d;
                EXPECT_EQ(row.find_first_not_of("#."), std::string::npos) << row;
                EXPECT_EQ(row.back(), '.')
                    << "size " << size << " digit " << d << " touches its right neighbour\n"
                    << asciiArt(size);
                black += static_cast<int>(std::count(row.begin(), row.end(), '#'));
            }
            // A heavy stroke: at least as much ink as a thin outline of the glyph box would have.
            EXPECT_GE(black, 2 * h) << "size " << size << " digit " << d << "\n" << asciiArt(size);
            for (int32_t other = 0; other < d; ++other)
                EXPECT_NE(rows, DigitGlyphs::Rows(size, other))
                    << "size " << size << ": digits " << other << " and " << d << " look the same\n"
                    << asciiArt(size);
        }
    }
}

TEST(DigitGlyphsTest, StripSizes) {
    struct Case {
        int32_t size, width, height, glyphWidth;
    } cases[] = {{1, 100, 7, 5}, {2, 200, 14, 10}, {3, 300, 17, 15}};
    for (const auto& c : cases) {
        const auto strip = DigitGlyphs::BuildStrip(c.size);
        EXPECT_EQ(strip.Width, c.width);
        EXPECT_EQ(strip.Height, c.height);
        EXPECT_EQ(strip.Pixels.size(), static_cast<size_t>(c.width * c.height));
        EXPECT_EQ(DigitGlyphs::GlyphWidth(c.size), c.glyphWidth);
    }
    // A size out of range is brought to the nearest step.
    EXPECT_EQ(DigitGlyphs::BuildStrip(0).Width, 100);
    EXPECT_EQ(DigitGlyphs::BuildStrip(9).Height, 17);
    EXPECT_TRUE(DigitGlyphs::Rows(1, 10).empty());
    EXPECT_FALSE(DigitGlyphs::IsBlack(1, -1, 0, 0));
}

// Glyph g of the strip is digit g mod 10; the first ten on white, the second ten on yellow, ink black.
TEST(DigitGlyphsTest, StripHoldsEveryDigitOnWhiteThenOnYellow) {
    for (int32_t size = 1; size <= 3; ++size) {
        const auto strip = DigitGlyphs::BuildStrip(size);
        const int32_t gw = DigitGlyphs::GlyphWidth(size);
        for (int32_t g = 0; g < 20; ++g) {
            const uint32_t background = g < 10 ? DigitGlyphs::White : DigitGlyphs::Yellow;
            for (int32_t y = 0; y < strip.Height; ++y)
                for (int32_t x = 0; x < gw; ++x) {
                    const uint32_t expected =
                        DigitGlyphs::IsBlack(size, g % 10, x, y) ? 0x000000u : background;
                    ASSERT_EQ(strip.At(g * gw + x, y), expected)
                        << "size " << size << " glyph " << g << " at " << x << "," << y;
                }
        }
        EXPECT_EQ(DigitGlyphs::Yellow, 0xFFFF00u);
        EXPECT_EQ(DigitGlyphs::White, 0xFFFFFFu);
    }
}

} // namespace
