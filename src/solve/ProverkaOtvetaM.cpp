#include "solve/ProverkaOtvetaM.h"

#include <algorithm>
#include <string>

#include "basics/Cp1251.h"
#include "grid/WordPlace.h"
#include "solve/SolvedCount.h"

namespace ProverkaOtvetaM {

std::optional<SolvedWord> SolveIfCorrect(KrossDocument& doc, std::string_view text) {
    if (text.empty()) return std::nullopt;
    const std::string u = Cp1251::ToUpper(text);
    std::string s = u;
    if (doc.ActiveStyle == 1) std::reverse(s.begin(), s.end());

    SolvedWord w;
    if (doc.CurNumber != 0 && s == doc.ClueTexts.Answer(doc.CurNumber, 0)) {
        w = {doc.CurNumber, 0};
        doc.CurNumber = 0;
    } else if (doc.CurDownNumber > 0 && s == doc.ClueTexts.Answer(doc.CurDownNumber, 1)) {
        w = {doc.CurDownNumber, 1};
        doc.CurDownNumber = 0;
    } else {
        return std::nullopt;
    }

    if (auto place = PlaceOf(doc, doc.ViewSlotTable, w.Number, w.Direction)) {
        for (int32_t i = 0; i < place->Length; ++i) {
            const int32_t c = place->Col(i), r = place->Row(i);
            if (static_cast<size_t>(i) < u.size())
                doc.GridLayers.Set(c, r, Layer::Letter, Cp1251::Code(u[static_cast<size_t>(i)]));
            doc.GridLayers.Set(c, r, w.Direction, 0);
        }
    }
    SolvedCount::CountUp(doc);
    doc.SolvedWords.Set(w.Number, w.Direction, 1);
    doc.Modified = true;
    return w;
}

std::optional<std::pair<int32_t, int32_t>> NextUnsolvedNumber(const KrossDocument& doc, int32_t n) {
    const int64_t count = doc.NumberCount;
    if (count < 1) return std::nullopt;
    const int64_t from = ((int64_t{n} % count) + count) % count; // index of n + 1, counted from 0
    for (int64_t k = 0; k < count; ++k) {
        const auto i = static_cast<int32_t>((from + k) % count + 1);
        const int32_t a = SolvedCount::Unsolved(doc, i, 0) ? i : 0,
                      b = SolvedCount::Unsolved(doc, i, 1) ? i : 0;
        if (a + b != 0) return std::pair{a, b};
    }
    return std::nullopt;
}

bool CanDeleteAnswer(const KrossDocument& doc, int32_t n, int32_t d) {
    if (n < 1 || n > doc.NumberCount || (d != 0 && d != 1)) return false;
    if (doc.AppMode == Mode::Authoring) return !doc.ClueTexts.Answer(n, d).empty();
    if (doc.AppMode == Mode::SolveBare) return doc.SolvedWords.Get(n, d) == 1;
    return false;
}

bool DeleteAnswer(KrossDocument& doc, int32_t n, int32_t d) {
    if (!CanDeleteAnswer(doc, n, d)) return false;
    if (auto place = PlaceOf(doc, doc.ViewSlotTable, n, d)) {
        for (int32_t i = 0; i < place->Length; ++i) {
            const int32_t c = place->Col(i), r = place->Row(i);
            doc.GridLayers.Set(c, r, Layer::AcrossLetter + d, 0);
            if (doc.GridLayers.Get(c, r, Layer::DownLetter - d) == 0)
                doc.GridLayers.Set(c, r, Layer::Letter, 0);
        }
    }
    if (doc.AppMode == Mode::Authoring) {
        doc.ClueTexts.SetClue(n, d, std::string());
        doc.ClueTexts.SetAnswer(n, d, std::string());
    } else {
        doc.SolvedWords.Set(n, d, 0);
        doc.ClueTexts.SetWord(n, d, std::string());
        SolvedCount::CountDown(doc);
    }
    doc.Modified = true;
    return true;
}

} // namespace ProverkaOtvetaM
