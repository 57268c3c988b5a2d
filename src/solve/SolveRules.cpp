#include "solve/SolveRules.h"

#include <algorithm>
#include <limits>
#include <string>

#include "basics/Cp1251.h"
#include "grid/WordPlace.h"

namespace {

// The solved count comes from an answers file as well; it saturates rather than wraps.
void countUp(KrossDocument& doc) {
    if (doc.SolvedCount < std::numeric_limits<int32_t>::max()) ++doc.SolvedCount;
}
void countDown(KrossDocument& doc) {
    if (doc.SolvedCount > std::numeric_limits<int32_t>::min()) --doc.SolvedCount;
}

// True when word (n, d) exists on the displayed grid and is not solved yet.
bool unsolved(const KrossDocument& doc, int32_t n, int32_t d) {
    return doc.ViewLength(n, d) != 0 && doc.SolvedWords.Get(n, d) == 0;
}

} // namespace

namespace ProverkaOtvetaM {

std::optional<SolvedWord> SolveIfCorrect(KrossDocument& doc, std::string_view text) {
    if (text.empty()) return std::nullopt;
    const std::string u = Cp1251::ToUpper(text);
    std::string s = u;
    if (doc.ActiveStyle == 1) std::reverse(s.begin(), s.end());

    SolvedWord w;
    if (doc.CurNumber != 0 && s == doc.ClueTexts.Get(doc.CurNumber, 1, 0)) {
        w = {doc.CurNumber, 0};
        doc.CurNumber = 0;
    } else if (doc.CurDownNumber > 0 && s == doc.ClueTexts.Get(doc.CurDownNumber, 1, 1)) {
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
    countUp(doc);
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
        const int32_t a = unsolved(doc, i, 0) ? i : 0, b = unsolved(doc, i, 1) ? i : 0;
        if (a + b != 0) return std::pair{a, b};
    }
    return std::nullopt;
}

bool CanDeleteAnswer(const KrossDocument& doc, int32_t n, int32_t d) {
    if (n < 1 || n > doc.NumberCount || (d != 0 && d != 1)) return false;
    if (doc.AppMode == Mode::Authoring) return !doc.ClueTexts.Get(n, 1, d).empty();
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
        doc.ClueTexts.Set(n, 0, d, std::string());
        doc.ClueTexts.Set(n, 1, d, std::string());
    } else {
        doc.SolvedWords.Set(n, d, 0);
        doc.ClueTexts.Set(n, d, std::string());
        countDown(doc);
    }
    doc.Modified = true;
    return true;
}

} // namespace ProverkaOtvetaM

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
    if (doc.GridLayers.Get(place->X, place->Y, Layer::AcrossLetter + d) == 0) countUp(doc);
    const int32_t letters =
        static_cast<int32_t>(std::min<size_t>(s.size(), static_cast<size_t>(place->Length)));
    for (int32_t i = 0; i < letters; ++i) {
        const int32_t c = Cp1251::Code(s[static_cast<size_t>(i)]);
        doc.GridLayers.Set(place->Col(i), place->Row(i), Layer::Letter, c);
        doc.GridLayers.Set(place->Col(i), place->Row(i), Layer::AcrossLetter + d, c);
    }
    if (doc.ActiveStyle == 1) std::reverse(s.begin(), s.end());
    doc.ClueTexts.Set(n, d, std::move(s));
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

namespace SelVoprosM {

std::pair<int32_t, int32_t> CluesForNumber(const KrossDocument& doc, int32_t n) {
    const bool across = doc.ViewLength(n, 0) > 0 && doc.SolvedWords.Get(n, 0) == 0;
    const bool down = doc.ViewLength(n, 1) > 0 && doc.SolvedWords.Get(n, 1) == 0;
    return {across ? n : 0, down ? n : 0};
}

} // namespace SelVoprosM
