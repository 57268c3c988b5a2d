#include "display/NewFontM.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/frmForma.h"
#include "display/DigitGlyphs.h"

namespace NewFontM {

int32_t LetterOffsetY = 0;

void RegisterFontSubstitutes() {
    const QStringList sans = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                              QStringLiteral("Noto Sans"), QStringLiteral("FreeSans")};
    for (const char* face : {"MS Sans Serif", "Microsoft Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2"})
        QFont::insertSubstitutions(QString::fromLatin1(face), sans);
}

QFont LetterFont(const Settings& s) {
    QFont f(Q(s.LetterFontName));
    f.setStyleHint(QFont::SansSerif);
    if (s.LetterFontSize > 0) f.setPointSize(s.LetterFontSize);
    f.setBold(s.LetterFontBold);
    f.setItalic(s.LetterFontItalic);
    f.setUnderline(s.LetterFontUnderline);
    return f;
}

void ApplyLetterFont() {
    frmForma* f = MainForm();
    if (!f) return;
    ApplyLetterFontTo(f->picPole->S);
    ApplyLetterFontTo(f->picCopyKross);
}

void ApplyLetterFontTo(Surface& surface) {
    const auto& o = Opt();
    surface.SetFont(LetterFont(o));
    surface.SetTextColor(o.LetterFontColor);
    const double h = surface.TextHeight(QStringLiteral("0"));
    LetterOffsetY = static_cast<int32_t>(std::nearbyint(o.CellSize - h));
}

namespace {
void fillStrip(Surface& s, int32_t size) {
    const auto strip = DigitGlyphs::BuildStrip(size);
    s.Resize(strip.Width, strip.Height);
    for (int32_t y = 0; y < strip.Height; ++y)
        for (int32_t x = 0; x < strip.Width; ++x) {
            const uint32_t p = strip.At(x, y); // 0xRRGGBB
            const int32_t bgr = static_cast<int32_t>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
            s.FillBox(x, y, x, y, bgr);
        }
}
} // namespace

void BuildDigitStrips() {
    frmForma* f = MainForm();
    if (!f) return;
    for (int32_t size = 1; size <= 3; ++size)
        fillStrip(f->picNomera[static_cast<size_t>(size - 1)], size);
}

const Surface& DigitStrip(int32_t size) {
    const auto k = static_cast<size_t>(std::clamp(size, 1, 3) - 1);
    if (frmForma* f = MainForm()) return f->picNomera[k];
    // Without the main window (the command line's export) the strips are made once, here.
    static const std::array<Surface, 3> strips = [] {
        std::array<Surface, 3> s{Surface{Colors::White}, Surface{Colors::White}, Surface{Colors::White}};
        for (int32_t n = 1; n <= 3; ++n)
            fillStrip(s[static_cast<size_t>(n - 1)], n);
        return s;
    }();
    return strips[k];
}

} // namespace NewFontM
