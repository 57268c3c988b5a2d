#include "grid/AnalizReshotkiM.h"

#include <array>
#include <utility>
#include <vector>

namespace AnalizReshotkiM {

namespace {

// One number's entries while the grid is scanned: across x, y, length, then down x, y, length.
using NumberEntries = std::array<int32_t, 6>;

// Calls start(c, r, acrossLength, downLength) for every cell that starts a word, in reading order; a
// length is 0 where the cell starts no word in that direction. A cell starts a word when it is open, the
// cell before it is not (or it is on the edge) and the cell after it is open. Each run is walked once,
// from its start, so the whole scan is linear in the number of cells.
template <typename Start> void scanWordStarts(const KrossDocument& doc, Start&& start) {
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

    for (int32_t r = 0; r < h; ++r) {
        for (int32_t c = 0; c < w; ++c) {
            if (!isOpen(c, r)) continue;
            const bool startsAcross = (c == 0 || !isOpen(c - 1, r)) && c + 1 < w && isOpen(c + 1, r);
            const bool startsDown = (r == 0 || !isOpen(c, r - 1)) && r + 1 < h && isOpen(c, r + 1);
            if (!startsAcross && !startsDown) continue;
            int32_t across = 0, down = 0;
            if (startsAcross) {
                int32_t k = c + 1;
                while (k < w && isOpen(k, r))
                    ++k;
                across = k - c;
            }
            if (startsDown) {
                int32_t k = r + 1;
                while (k < h && isOpen(c, k))
                    ++k;
                down = k - r;
            }
            start(c, r, across, down);
        }
    }
}

} // namespace

WordTable FindWords(const KrossDocument& doc) {
    std::vector<NumberEntries> numbers;
    int32_t wordCount = 0;
    scanWordStarts(doc, [&](int32_t c, int32_t r, int32_t across, int32_t down) {
        NumberEntries e{};
        if (across > 0) {
            e[0] = c;
            e[1] = r;
            e[2] = across;
            ++wordCount;
        }
        if (down > 0) {
            e[3] = c;
            e[4] = r;
            e[5] = down;
            ++wordCount;
        }
        numbers.push_back(e);
    });

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

std::vector<int32_t> CellNumbers(const KrossDocument& doc) {
    const size_t w = doc.GridWidth > 0 ? static_cast<size_t>(doc.GridWidth) : 0;
    const size_t h = doc.GridHeight > 0 ? static_cast<size_t>(doc.GridHeight) : 0;
    std::vector<int32_t> numbers(w * h, 0);
    int32_t n = 0;
    scanWordStarts(doc, [&](int32_t c, int32_t r, int32_t, int32_t) {
        numbers[static_cast<size_t>(r) * w + static_cast<size_t>(c)] = ++n;
    });
    return numbers;
}

void ApplyWordTable(KrossDocument& doc, WordTable t) {
    doc.NumberCount = t.NumberCount;
    doc.WordCount = t.WordCount;
    doc.SlotTable = std::move(t.SlotTable);
    doc.ClueTexts.Create3(doc.NumberCount);
    doc.SolvedWords.Redim(doc.NumberCount, 1);
    doc.AppMode = AuthoringModeFor(doc.NoAnswers);
    doc.EditingGrid = false;
    doc.Modified = true;
}

} // namespace AnalizReshotkiM
