// Speed of the grid analysis and of rebuilding the working layers on large all-open grids.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "document/KrossDocument.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/LoadReshotkiM.h"

namespace {

constexpr int kRuns = 9;

template <typename F> double medianMs(F&& f) {
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

KrossDocument openGrid(int32_t w, int32_t h) {
    KrossDocument doc;
    doc.GridWidth = w;
    doc.GridHeight = h;
    doc.GridLayers.Redim(w, h, 0);
    doc.AppMode = Mode::NewGrid;
    return doc;
}

// An all-open grid analysed, with every answer filled in (all letters A, so crossings agree).
KrossDocument filledCrossword(int32_t side) {
    KrossDocument doc = openGrid(side, side);
    AnalizReshotkiM::ApplyWordTable(doc, AnalizReshotkiM::FindWords(doc));
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (doc.WordLength(n, d) > 0)
                doc.ClueTexts.SetAnswer(n, d, std::string(static_cast<size_t>(doc.WordLength(n, d)), 'A'));
    return doc;
}

} // namespace

int main() {
    std::printf("build type: %s; median of %d runs\n", GRIDMORA_BUILD_TYPE, kRuns);
    {
        const KrossDocument doc = openGrid(1000, 1000);
        int32_t words = 0;
        const double ms = medianMs([&] { words = AnalizReshotkiM::FindWords(doc).WordCount; });
        std::printf("FindWords 1000x1000 all open: %.2f ms (%d words)\n", ms, words);
        const double applyMs = medianMs([&] {
            KrossDocument copy = doc;
            AnalizReshotkiM::ApplyWordTable(copy, AnalizReshotkiM::FindWords(copy));
        });
        std::printf("FindWords + ApplyWordTable 1000x1000 (with a copy of the grid): %.2f ms\n", applyMs);
    }
    {
        // The numbers shown live while drawing: an all-open grid, and one with a block in every third cell
        // of every other row (many short words, so many numbers).
        KrossDocument doc = openGrid(1000, 1000);
        double ms = medianMs([&] { (void)AnalizReshotkiM::CellNumbers(doc); });
        std::printf("CellNumbers 1000x1000 all open: %.2f ms\n", ms);
        for (int32_t r = 0; r < 1000; r += 2)
            for (int32_t c = 2; c < 1000; c += 3)
                doc.SetCell(c, r, 1);
        ms = medianMs([&] { (void)AnalizReshotkiM::CellNumbers(doc); });
        std::printf("CellNumbers 1000x1000 with blocks: %.2f ms (%d words)\n", ms,
                    AnalizReshotkiM::FindWords(doc).WordCount);
    }
    for (int32_t side : {100, 300}) {
        KrossDocument doc = filledCrossword(side);
        const double authoring = medianMs([&] { LoadReshotkiM::BuildLayers(doc); });
        doc.AppMode = Mode::Solve;
        for (int32_t n = 1; n <= doc.NumberCount; ++n)
            for (int32_t d = 0; d <= 1; ++d)
                doc.SolvedWords(n, d) = doc.WordLength(n, d) > 0 ? 1 : 0;
        doc.ActiveStyle = 1;
        const double solved = medianMs([&] { LoadReshotkiM::BuildLayers(doc); });
        std::printf("BuildLayers %dx%d, %d words answered: authoring %.2f ms, solved and turned %.2f ms\n",
                    side, side, doc.WordCount, authoring, solved);
    }
    return 0;
}
