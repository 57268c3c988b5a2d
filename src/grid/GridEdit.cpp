#include "grid/GridEdit.h"

#include <algorithm>

#include "app/AuthoringTexts.h"
#include "basics/NumberText.h"
#include "grid/WordPlace.h"

namespace GridEdit {

namespace {

// Index of the start of a word in direction d at (x, y) among all starts of a w-wide grid.
size_t startIndex(const WordPlace& p, int32_t w) {
    return (static_cast<size_t>(p.Y) * static_cast<size_t>(w) + static_cast<size_t>(p.X)) * 2 +
           static_cast<size_t>(p.Direction);
}

} // namespace

void BackToDrawing(KrossDocument& doc) {
    const int32_t w = doc.GridWidth > 0 ? doc.GridWidth : 0, h = doc.GridHeight > 0 ? doc.GridHeight : 0;
    doc.GridLayers.Redim(w, h, 0);
    for (int32_t r = 0; r < h; ++r)
        for (int32_t c = 0; c < w; ++c)
            doc.SetCell(c, r, 1);
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (const auto place = PlaceOf(doc, doc.SlotTable, n, d))
                for (int32_t i = 0; i < place->Length; ++i)
                    doc.SetCell(place->Col(i), place->Row(i), 0);
    doc.AppMode = Mode::NewGrid;
    doc.EditingGrid = true;
    doc.ActiveStyle = 0;
    doc.CurNumber = 0;
    doc.CurDownNumber = 0;
}

CarriedTexts CarryOver(const KrossDocument& doc, const AnalizReshotkiM::WordTable& fresh) {
    CarriedTexts out;
    out.Texts.Create3(fresh.NumberCount);
    const int32_t w = doc.GridWidth > 0 ? doc.GridWidth : 0, h = doc.GridHeight > 0 ? doc.GridHeight : 0;
    // The old number of the word starting at each cell in each direction; 0 for none.
    std::vector<int32_t> oldAt(static_cast<size_t>(w) * static_cast<size_t>(h) * 2, 0);
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (const auto place = PlaceOf(doc, doc.SlotTable, n, d)) {
                int32_t& at = oldAt[startIndex(*place, w)];
                if (at == 0) at = n; // a damaged table may name a start twice: the first one counts
            }

    Array2<int32_t> kept(doc.NumberCount, 1);
    for (int32_t n = 1; n <= fresh.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            const int32_t len = fresh.SlotTable.Get(n, Slot::Length, d);
            if (len <= 0) continue;
            const WordPlace place{fresh.SlotTable.Get(n, Slot::X, d), fresh.SlotTable.Get(n, Slot::Y, d), len,
                                  d};
            if (!WordFits(place.X, place.Y, len, d, w, h)) continue;
            const int32_t old = oldAt[startIndex(place, w)];
            if (old == 0 || doc.WordLength(old, d) != len) continue;
            out.Texts.SetClue(n, d, doc.ClueTexts.Clue(old, d));
            out.Texts.SetAnswer(n, d, doc.ClueTexts.Answer(old, d));
            kept.Set(old, d, 1);
        }

    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            if (kept.Get(n, d) != 0 || doc.WordLength(n, d) <= 0) continue;
            std::string clue = doc.ClueTexts.Clue(n, d), answer = doc.ClueTexts.Answer(n, d);
            if (clue.empty() && answer.empty()) continue;
            out.Dropped.push_back({n, d, std::move(clue), std::move(answer)});
        }
    return out;
}

std::string DroppedWordsQuestion(const InterfaceTexts& t, const std::vector<DroppedWord>& dropped,
                                 size_t maxListed) {
    constexpr size_t kClueCut = 60;
    std::string text = Text(t, AuthoringTexts::DroppedWordsHead);
    const size_t listed = std::min(dropped.size(), maxListed);
    for (size_t i = 0; i < listed; ++i) {
        const DroppedWord& w = dropped[i];
        text += "\n" + NumberText::Plain(w.Number) + " " +
                Text(t, w.Direction == 0 ? AuthoringTexts::AcrossWord : AuthoringTexts::DownWord);
        std::string clue = w.Clue.size() > kClueCut ? w.Clue.substr(0, kClueCut) + "..." : w.Clue;
        if (!clue.empty()) text += ": " + clue;
        if (!w.Answer.empty()) text += " \x97 " + w.Answer; // an em dash in cp1251
    }
    if (dropped.size() > listed)
        text += "\n" + Text(t, AuthoringTexts::MoreWords) + " " +
                NumberText::Plain(static_cast<int64_t>(dropped.size() - listed));
    text += "\n\n" + Text(t, AuthoringTexts::DroppedWordsQuestion);
    return text;
}

bool HasDrawingToLose(const KrossDocument& doc) {
    if (doc.AppMode != Mode::NewGrid) return false;
    if (doc.EditingGrid) return true;
    for (int32_t r = 0; r < doc.GridHeight; ++r)
        for (int32_t c = 0; c < doc.GridWidth; ++c)
            if (doc.Cell(c, r) != 0) return true;
    return false;
}

} // namespace GridEdit
