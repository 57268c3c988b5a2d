#include "display/ShowSlovoM.h"

#include <array>
#include <cmath>
#include <string>

#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/frmForma.h"
#include "basics/Cp1251.h"
#include "display/NewFontM.h"

namespace ShowSlovoM {
namespace {
// The one-character texts of the 256 codes, made once.
const QString& letterText(int32_t code) {
    static const std::array<QString, 256> texts = [] {
        std::array<QString, 256> t;
        for (int c = 0; c < 256; ++c)
            t[static_cast<size_t>(c)] = Q(std::string(1, Cp1251::Char(c)));
        return t;
    }();
    return texts[static_cast<size_t>(code & 0xFF)];
}
} // namespace

void DrawNumber(int32_t x, int32_t y, int32_t number, Surface& surface) {
    if (number <= 0) return;
    const int32_t size = std::clamp(Opt().NumberSize, 1, 3);
    const Surface& strip = NewFontM::DigitStrip(size);
    const int32_t offset = surface.Pixel(x + 2, y + 2) == SelectionColor ? 50 * size : 0;
    const std::string digits = std::to_string(number);
    const int32_t w = 5 * size;
    for (size_t i = 0; i < digits.size(); ++i) {
        const int32_t v = digits[i] - '0';
        surface.CopyFrom(strip, v * w + offset, 0, w, strip.Height(), x + 2 + static_cast<int32_t>(i) * w,
                         y + 2);
    }
}

void DrawWord(int32_t n, int32_t d, int32_t fillColor) {
    frmForma* f = MainForm();
    if (!f) return;
    const auto& doc = Doc();
    const int32_t cs = Opt().CellSize;
    int32_t c = doc.ViewSlotTable.Get(n, 0, d), r = doc.ViewSlotTable.Get(n, 1, d);
    const int32_t len = doc.ViewSlotTable.Get(n, 2, d);
    if (len <= 0) return;
    int32_t left = c * cs + 5, top = r * cs + 5;
    const bool selecting = fillColor == SelectionColor;
    if (selecting) {
        // Bring the word's start into view.
        if (f->picPole->y() + top < 0) f->VScroll1->setValue(top - 5);
        if (f->picPole->x() + left < 0) f->HScroll1->setValue(left - 5);
    }
    Surface& s = f->picPole->S;
    for (int32_t k = 1; k <= len; ++k) {
        s.FillBox(left, top, left + cs, top + cs, fillColor);
        s.Outline(left, top, left + cs, top + cs, Colors::Black);
        const int32_t number = doc.GridLayers.Get(c, r, Layer::Number);
        if (number > 0) DrawNumber(left, top, number, s);
        const int32_t letter = doc.GridLayers.Get(c, r, Layer::Letter);
        if (letter > 0) {
            const QString& text = letterText(letter);
            s.DrawText(left + cs - s.TextWidth(text) - 2, top + NewFontM::LetterOffsetY, text);
        }
        if (d == 0) {
            ++c;
            left += cs;
        } else {
            ++r;
            top += cs;
        }
    }
    if (selecting) {
        // Bring the word's end into view: the right and bottom edges of the last cell drawn.
        const int32_t right = d == 0 ? left : left + cs;
        const int32_t bottom = d == 0 ? top + cs : top;
        const int viewBottom =
            f->picControl->height() - (f->HScroll1->isVisible() ? f->HScroll1->height() : 0);
        const int viewRight = f->picControl->width() - (f->VScroll1->isVisible() ? f->VScroll1->width() : 0);
        if (f->VScroll1->isVisible()) {
            const int u = bottom - viewBottom;
            if (u > f->VScroll1->value()) f->VScroll1->setValue(u + 5);
        }
        if (f->HScroll1->isVisible()) {
            const int u = right - viewRight;
            if (u > f->HScroll1->value()) f->HScroll1->setValue(u + 5);
        }
    }
}

} // namespace ShowSlovoM
