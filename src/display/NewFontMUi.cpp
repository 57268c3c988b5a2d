#include "display/NewFontMUi.h"

#include <algorithm>
#include <cmath>

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/FieldWidget.h"
#include "widgets/UiText.h"

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

void ApplyLetterFont(frmForma& f) {
    const auto& o = Opt();
    ApplyLetterFontTo(f.ExportPicture());
    FieldWidget& field = f.Field();
    field.SetLetterFont(LetterFont(o), o.LetterFontColor);
    LetterOffsetY = static_cast<int32_t>(std::nearbyint(o.CellSize - field.TextHeight(QStringLiteral("0"))));
}

CellPainter::CellMetrics FieldMetrics() {
    const auto& o = Opt();
    return {o.CellSize, std::clamp(o.NumberSize, 1, 3), LetterOffsetY};
}

void ApplyLetterFontTo(Surface& surface) {
    const auto& o = Opt();
    surface.SetFont(LetterFont(o));
    surface.SetTextColor(o.LetterFontColor);
    const double h = surface.TextHeight(QStringLiteral("0"));
    LetterOffsetY = static_cast<int32_t>(std::nearbyint(o.CellSize - h));
}

} // namespace NewFontM
