#include "grid/LoadReshotkiM.h"

#include <algorithm>
#include <string>

#include "basics/Cp1251.h"
#include "grid/WordPlace.h"

namespace LoadReshotkiM {

int32_t LastLayer(int32_t appMode) {
    return appMode == Mode::Authoring || appMode == Mode::SolveBare ? Layer::DownLetter : Layer::Letter;
}

namespace {

// The text whose letters word (n, d) shows, in reading order of the unturned grid.
std::string shownText(const KrossDocument& doc, int32_t n, int32_t d) {
    if (doc.AppMode == Mode::Authoring && doc.NoAnswers == 0) return doc.ClueTexts.Answer(n, d);
    if (doc.SolvedWords.Get(n, d) == 1) {
        if (doc.AppMode == Mode::SolveBare) return doc.ClueTexts.Word(n, d);
        if (doc.AppMode == Mode::Solve) return doc.ClueTexts.Answer(n, d);
    }
    return {};
}

} // namespace

void BuildLayers(KrossDocument& doc) {
    const int32_t last = LastLayer(doc.AppMode);
    const bool lettersPerWord = last == Layer::DownLetter;
    doc.GridLayers.Redim(doc.GridWidth, doc.GridHeight, last);
    doc.ViewSlotTable.Redim(doc.NumberCount, 2, 1);

    const int32_t numbers = std::min(doc.NumberCount, doc.SlotTable.Ubound0());
    for (int32_t n = 1; n <= numbers; ++n) {
        for (int32_t d = 0; d <= 1; ++d) {
            if (doc.SlotTable.Get(n, Slot::Length, d) <= 0) continue;
            auto place = PlaceOf(doc, doc.SlotTable, n, d);
            if (!place) continue; // a damaged table: the word is left off the grid
            WordPlace view = *place;
            if (doc.ActiveStyle != 0) {
                // Turned by half a turn: the first cell moves to the opposite corner and the word runs
                // back from there, so its top-left cell is the turned last cell.
                const int32_t tx = doc.GridWidth - 1 - place->X, ty = doc.GridHeight - 1 - place->Y;
                doc.GridLayers(tx, ty, Layer::Number) = n;
                view.X = tx - (1 - d) * (place->Length - 1);
                view.Y = ty - d * (place->Length - 1);
            } else {
                doc.GridLayers(view.X, view.Y, Layer::Number) = n;
            }
            doc.ViewSlotTable(n, Slot::X, d) = view.X;
            doc.ViewSlotTable(n, Slot::Y, d) = view.Y;
            doc.ViewSlotTable(n, Slot::Length, d) = view.Length;

            std::string s = shownText(doc, n, d);
            if (doc.ActiveStyle == 1) std::reverse(s.begin(), s.end());
            const bool selectable = doc.SolvedWords.Get(n, d) == 0;
            const int32_t letters =
                static_cast<int32_t>(std::min<size_t>(s.size(), static_cast<size_t>(view.Length)));
            for (int32_t i = 0; i < view.Length; ++i) {
                const int32_t c = view.Col(i), r = view.Row(i);
                if (selectable) doc.GridLayers(c, r, d) = n;
                if (i < letters) {
                    const int32_t ch = Cp1251::Code(s[static_cast<size_t>(i)]);
                    doc.GridLayers(c, r, Layer::Letter) = ch;
                    if (lettersPerWord) doc.GridLayers(c, r, Layer::AcrossLetter + d) = ch;
                }
            }
        }
    }
}

} // namespace LoadReshotkiM
