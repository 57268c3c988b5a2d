#include "grid/AnalizReshotkiM.h"

#include <array>
#include <utility>
#include <vector>

namespace AnalizReshotkiM {

namespace {

// One number's entries while the grid is scanned: across x, y, length, then down x, y, length.
using NumberEntries = std::array<int32_t, 6>;

} // namespace

WordTable FindWords(const KrossDocument& doc) {
    const int32_t w = doc.GridWidth > 0 ? doc.GridWidth : 0;
    const int32_t h = doc.GridHeight > 0 ? doc.GridHeight : 0;

    // A private copy of the open marks keeps the scan a plain walk over memory, row after row.
    const size_t cells = static_cast<size_t>(w) * static_cast<size_t>(h);
    std::vector<unsigned char> open(cells);
    for (int32_t r = 0; r < h; ++r)
        for (int32_t c = 0; c < w; ++c)
            open[static_cast<size_t>(r) * static_cast<size_t>(w) + static_cast<size_t>(c)] =
                doc.Cell(c, r) == 0 ? 1 : 0;
    auto isOpen = [&](int32_t c, int32_t r) {
        return open[static_cast<size_t>(r) * static_cast<size_t>(w) + static_cast<size_t>(c)] != 0;
    };

    // A cell starts a word when it is open, the cell before it is not (or it is on the edge) and the cell
    // after it is open. Each run is walked once, from its start, so the whole scan is linear.
    std::vector<NumberEntries> numbers;
    int32_t wordCount = 0;
    for (int32_t r = 0; r < h; ++r) {
        for (int32_t c = 0; c < w; ++c) {
            if (!isOpen(c, r)) continue;
            const bool startsAcross = (c == 0 || !isOpen(c - 1, r)) && c + 1 < w && isOpen(c + 1, r);
            const bool startsDown = (r == 0 || !isOpen(c, r - 1)) && r + 1 < h && isOpen(c, r + 1);
            if (!startsAcross && !startsDown) continue;
            NumberEntries e{};
            if (startsAcross) {
                int32_t k = c + 1;
                while (k < w && isOpen(k, r))
                    ++k;
                e[0] = c;
                e[1] = r;
                e[2] = k - c;
                ++wordCount;
            }
            if (startsDown) {
                int32_t k = r + 1;
                while (k < h && isOpen(c, k))
                    ++k;
                e[3] = c;
                e[4] = r;
                e[5] = k - r;
                ++wordCount;
            }
            numbers.push_back(e);
        }
    }

    WordTable t;
    t.NumberCount = static_cast<int32_t>(numbers.size());
    t.WordCount = wordCount;
    t.SlotTable.Redim(t.NumberCount, 2, 1);
    for (int32_t n = 1; n <= t.NumberCount; ++n) {
        const NumberEntries& e = numbers[static_cast<size_t>(n - 1)];
        for (int32_t d = 0; d <= 1; ++d)
            for (int32_t f = 0; f <= 2; ++f)
                t.SlotTable(n, f, d) = e[static_cast<size_t>(3 * d + f)];
    }
    return t;
}

void ApplyWordTable(KrossDocument& doc, WordTable t) {
    doc.NumberCount = t.NumberCount;
    doc.WordCount = t.WordCount;
    doc.SlotTable = std::move(t.SlotTable);
    doc.ClueTexts.Create3(doc.NumberCount);
    doc.SolvedWords.Redim(doc.NumberCount, 1);
    doc.AppMode = AuthoringModeFor(doc.NoAnswers);
    doc.Modified = true;
}

} // namespace AnalizReshotkiM
