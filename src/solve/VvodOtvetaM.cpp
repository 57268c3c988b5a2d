#include "solve/VvodOtvetaM.h"

#include <algorithm>
#include <string>

#include "basics/Cp1251.h"
#include "grid/WordPlace.h"
#include "solve/SolvedCount.h"

namespace VvodOtvetaM {

std::optional<LetterConflict> FindConflict(const KrossDocument& doc, int32_t n, int32_t d,
                                           std::string_view text) {
    auto place = PlaceOf(doc, doc.ViewSlotTable, n, d);
    if (!place) return std::nullopt;
    const std::string s = Cp1251::ToUpper(text);
    const int32_t letters =
        static_cast<int32_t>(std::min<size_t>(s.size(), static_cast<size_t>(place->Length)));
    for (int32_t i = 0; i < letters; ++i) {
        const int32_t c = Cp1251::Code(s[static_cast<size_t>(i)]);
        const int32_t o = doc.GridLayers.Get(place->Col(i), place->Row(i), Layer::DownLetter - d);
        if (o > 0 && o != c) return LetterConflict{i, o, c};
    }
    return std::nullopt;
}

void EnterWord(KrossDocument& doc, int32_t n, int32_t d, std::string_view text) {
    auto place = PlaceOf(doc, doc.ViewSlotTable, n, d);
    if (!place) return;
    std::string s = Cp1251::ToUpper(text);
    if (doc.GridLayers.Get(place->X, place->Y, Layer::AcrossLetter + d) == 0) SolvedCount::CountUp(doc);
    const int32_t letters =
        static_cast<int32_t>(std::min<size_t>(s.size(), static_cast<size_t>(place->Length)));
    for (int32_t i = 0; i < letters; ++i) {
        const int32_t c = Cp1251::Code(s[static_cast<size_t>(i)]);
        doc.GridLayers.Set(place->Col(i), place->Row(i), Layer::Letter, c);
        doc.GridLayers.Set(place->Col(i), place->Row(i), Layer::AcrossLetter + d, c);
    }
    if (doc.ActiveStyle == 1) std::reverse(s.begin(), s.end());
    doc.ClueTexts.SetWord(n, d, std::move(s));
    doc.SolvedWords.Set(n, d, 1);
    doc.Modified = true;
}

std::optional<std::pair<int32_t, int32_t>> NextUnentered(const KrossDocument& doc) {
    for (int32_t i = 1; i <= doc.NumberCount; ++i)
        for (int32_t d = 0; d <= 1; ++d)
            if (doc.ViewLength(i, d) >= 1 && doc.SolvedWords.Get(i, d) == 0) return std::pair{i, d};
    return std::nullopt;
}

} // namespace VvodOtvetaM
