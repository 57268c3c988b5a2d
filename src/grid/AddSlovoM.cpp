#include "grid/AddSlovoM.h"

#include "basics/Cp1251.h"
#include "grid/FoundNoOtvetM.h"
#include "grid/WordPlace.h"

namespace AddSlovoM {

StoreVerdict CheckStore(const KrossDocument& doc, int32_t n, int32_t d, std::string_view answer) {
    auto place = PlaceOf(doc, doc.SlotTable, n, d);
    if (!place || answer.size() != static_cast<size_t>(place->Length)) return {};
    const std::string s = Cp1251::ToUpper(answer);
    for (int32_t i = 0; i < place->Length; ++i) {
        const int32_t c = Cp1251::Code(s[static_cast<size_t>(i)]);
        if (c == ' ') return {};
        const int32_t o = doc.GridLayers.Get(place->Col(i), place->Row(i), Layer::DownLetter - d);
        if (o >= 1 && o != c) return {StoreCheck::Conflict, {i, o, c}};
    }
    return {StoreCheck::Ok, {}};
}

void StoreAnswer(KrossDocument& doc, int32_t n, int32_t d, std::string_view clue, std::string_view answer) {
    if (CheckStore(doc, n, d, answer).Kind != StoreCheck::Ok) return;
    const WordPlace place = *PlaceOf(doc, doc.SlotTable, n, d);
    std::string s = Cp1251::ToUpper(answer);
    doc.Modified = true;
    for (int32_t i = 0; i < place.Length; ++i) {
        const int32_t c = Cp1251::Code(s[static_cast<size_t>(i)]);
        doc.GridLayers.Set(place.Col(i), place.Row(i), Layer::Letter, c);
        doc.GridLayers.Set(place.Col(i), place.Row(i), Layer::AcrossLetter + d, c);
    }
    doc.ClueTexts.SetClue(n, d, std::string(clue));
    doc.ClueTexts.SetAnswer(n, d, std::move(s));
}

bool RemoveAnswer(KrossDocument& doc, int32_t n, int32_t d, std::string_view clue) {
    if (d != 0 && d != 1) return false;
    if (doc.ClueTexts.Answer(n, d).empty()) return false;
    if (auto place = PlaceOf(doc, doc.SlotTable, n, d)) {
        for (int32_t i = 0; i < place->Length; ++i) {
            const int32_t c = place->Col(i), r = place->Row(i);
            doc.GridLayers.Set(c, r, Layer::Letter, doc.GridLayers.Get(c, r, Layer::DownLetter - d));
            doc.GridLayers.Set(c, r, Layer::AcrossLetter + d, 0);
        }
    }
    doc.ClueTexts.SetClue(n, d, std::string(clue));
    doc.ClueTexts.SetAnswer(n, d, std::string());
    return true;
}

std::optional<std::pair<int32_t, int32_t>> NextAfterEntry(const KrossDocument& doc, int32_t n, int32_t d) {
    const int32_t other = 1 - d;
    if (doc.WordLength(n, other) > 0 && doc.ClueTexts.Answer(n, other).empty()) return std::pair{n, other};
    return FoundNoOtvetM::FirstUnanswered(doc);
}

} // namespace AddSlovoM
