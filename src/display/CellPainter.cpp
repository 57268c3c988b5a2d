#include "display/CellPainter.h"

#include <QRect>
#include <algorithm>
#include <array>
#include <string>

#include "basics/Cp1251.h"
#include "display/DigitGlyphs.h"
#include "display/Surface.h"
#include "grid/FieldGeometry.h"
#include "widgets/UiText.h"

namespace CellPainter {

namespace {
Surface buildStrip(int32_t size) {
    const auto strip = DigitGlyphs::BuildStrip(size);
    Surface s(Colors::White);
    s.Resize(strip.Width, strip.Height);
    for (int32_t y = 0; y < strip.Height; ++y)
        for (int32_t x = 0; x < strip.Width; ++x) {
            const uint32_t p = strip.At(x, y); // 0xRRGGBB
            const int32_t bgr = static_cast<int32_t>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
            s.FillBox(x, y, x, y, bgr);
        }
    return s;
}
} // namespace

const Surface& DigitStrip(int32_t numberSize) {
    // Made once and kept for the whole run, past the end of the toolkit.
    static const auto* strips = new std::array<Surface, 3>{buildStrip(1), buildStrip(2), buildStrip(3)};
    return (*strips)[static_cast<size_t>(DigitGlyphs::ClampSize(numberSize) - 1)];
}

const QString& LetterText(int32_t code) {
    static const std::array<QString, 256> texts = [] {
        std::array<QString, 256> t;
        for (int c = 0; c < 256; ++c)
            t[static_cast<size_t>(c)] = Q(std::string(1, Cp1251::Char(c)));
        return t;
    }();
    return texts[static_cast<size_t>(code & 0xFF)];
}

void DrawNumber(Surface& s, int32_t x, int32_t y, int32_t number, int32_t numberSize, bool yellow) {
    if (number <= 0) return;
    const int32_t size = DigitGlyphs::ClampSize(numberSize);
    const Surface& strip = DigitStrip(size);
    const int32_t gx = x + FieldGeometry::NumberInset, gy = y + FieldGeometry::NumberInset;
    const int32_t w = DigitGlyphs::GlyphWidth(size);
    // The yellow half starts after the ten white glyphs.
    const int32_t half = yellow ? 10 * w : 0;
    const std::string digits = std::to_string(number);
    for (size_t i = 0; i < digits.size(); ++i) {
        const int32_t v = digits[i] - '0';
        s.CopyFrom(strip, v * w + half, 0, w, strip.Height(), gx + static_cast<int32_t>(i) * w, gy);
    }
}

void DrawNumber(Surface& s, int32_t x, int32_t y, int32_t number, int32_t numberSize) {
    const int32_t at = s.Pixel(x + FieldGeometry::NumberInset, y + FieldGeometry::NumberInset);
    DrawNumber(s, x, y, number, numberSize, at == SelectionColor);
}

void DrawLetter(Surface& s, int32_t x, int32_t y, const QString& letter, const CellMetrics& m) {
    if (letter.isEmpty()) return;
    s.DrawText(x + m.CellSize - s.TextWidth(letter) - FieldGeometry::LetterInset, y + m.LetterOffsetY,
               letter);
}

void DrawCell(Surface& s, int32_t x, int32_t y, const CellLook& look, const CellMetrics& m) {
    s.FillBox(x, y, x + m.CellSize, y + m.CellSize, look.Fill);
    s.Outline(x, y, x + m.CellSize, y + m.CellSize, Colors::Black);
    if (look.Number > 0 && m.NumberSize >= DigitGlyphs::MinSize && m.NumberSize <= DigitGlyphs::MaxSize) {
        // Where the glyphs start: on the fill just laid, or on the outline of a cell too small for an inside.
        const bool onFill = m.CellSize > FieldGeometry::NumberInset;
        DrawNumber(s, x, y, look.Number, m.NumberSize, onFill && look.Fill == SelectionColor);
    }
    DrawLetter(s, x, y, look.Letter, m);
}

Reach DrawingReach(const Surface& s, const CellMetrics& m, int32_t largestNumber) {
    // The box of everything drawn, relative to the cell's corner; the fill and outline span 0..CellSize.
    int32_t left = 0, top = 0, right = m.CellSize, bottom = m.CellSize;
    if (largestNumber > 0 && m.NumberSize >= DigitGlyphs::MinSize && m.NumberSize <= DigitGlyphs::MaxSize) {
        const auto digits = static_cast<int32_t>(std::to_string(largestNumber).size());
        right =
            std::max(right, FieldGeometry::NumberInset + digits * DigitGlyphs::GlyphWidth(m.NumberSize) - 1);
        bottom = std::max(bottom, FieldGeometry::NumberInset + DigitStrip(m.NumberSize).Height() - 1);
    }
    for (int32_t code = 1; code < 256; ++code) {
        const Surface::TextExtent e = s.MeasureText(LetterText(code));
        const QRect& area = e.Area;
        if (area.isEmpty()) continue;
        const int32_t x = m.CellSize - e.Advance - FieldGeometry::LetterInset + area.left();
        const int32_t y = m.LetterOffsetY + area.top();
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + area.width() - 1);
        bottom = std::max(bottom, y + area.height() - 1);
    }
    return {-left, -top, right - m.CellSize, bottom - m.CellSize};
}

} // namespace CellPainter
