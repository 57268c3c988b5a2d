// The working layers and the entry and solving rules over damaged documents: word tables, texts and
// progress as a damaged crossword or answers file could leave them. Nothing may be read or written outside
// the arrays, and the spare column and row of the layers stay empty.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "document/KrossDocument.h"
#include "grid/AddSlovoM.h"
#include "grid/AnalizReshotkiM.h"
#include "grid/FoundNoOtvetM.h"
#include "grid/LoadReshotkiM.h"
#include "solve/ProverkaOtvetaM.h"
#include "solve/SelVoprosM.h"
#include "solve/VvodOtvetaM.h"

namespace {

int32_t anyNumber(FuzzedDataProvider& in) {
    // Mostly small values near the grid, now and then the extremes of the type.
    if (in.ConsumeIntegralInRange(0, 15) == 0) return in.ConsumeIntegral<int32_t>();
    return in.ConsumeIntegralInRange(-3, 14);
}

std::string anyText(FuzzedDataProvider& in) {
    return in.ConsumeRandomLengthString(16);
}

void checkSpareCells(const KrossDocument& doc) {
    const auto& g = doc.GridLayers;
    for (int32_t layer = 0; layer <= g.Ubound2(); ++layer) {
        for (int32_t r = 0; r <= g.Ubound1(); ++r)
            if (g(doc.GridWidth, r, layer) != 0) __builtin_trap();
        for (int32_t c = 0; c <= g.Ubound0(); ++c)
            if (g(c, doc.GridHeight, layer) != 0) __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    KrossDocument doc;
    doc.GridWidth = in.ConsumeIntegralInRange(1, 12);
    doc.GridHeight = in.ConsumeIntegralInRange(1, 12);

    if (in.ConsumeBool()) {
        // A drawn grid analysed the normal way.
        doc.GridLayers.Redim(doc.GridWidth, doc.GridHeight, 0);
        for (int32_t r = 0; r < doc.GridHeight; ++r)
            for (int32_t c = 0; c < doc.GridWidth; ++c)
                doc.SetCell(c, r, in.ConsumeIntegralInRange(0, 1));
        AnalizReshotkiM::ApplyWordTable(doc, AnalizReshotkiM::FindWords(doc));
    } else {
        // A word table as a damaged file may give it.
        doc.NumberCount = in.ConsumeIntegralInRange(-1, 20);
        doc.SlotTable.Redim(in.ConsumeIntegralInRange(-1, 22), 2, 1);
        for (int32_t n = 0; n <= doc.SlotTable.Ubound0(); ++n)
            for (int32_t f = 0; f <= 2; ++f)
                for (int32_t d = 0; d <= 1; ++d)
                    doc.SlotTable(n, f, d) = anyNumber(in);
        doc.WordCount = anyNumber(in);
    }
    constexpr int32_t modes[] = {Mode::Authoring, Mode::SolveBare, Mode::Solve, Mode::Incomplete,
                                 Mode::BareAuthoring};
    doc.AppMode = in.PickValueInArray(modes);
    doc.NoAnswers = in.ConsumeIntegralInRange(0, 1);
    doc.ActiveStyle = in.ConsumeIntegralInRange(0, 2);
    const int32_t textNumbers = in.ConsumeIntegralInRange(-1, 22);
    if (doc.AppMode == Mode::SolveBare && in.ConsumeBool()) {
        doc.ClueTexts.Create2(textNumbers);
        for (int32_t n = 0; n <= textNumbers; ++n)
            for (int32_t d = 0; d <= 1; ++d)
                doc.ClueTexts.SetWord(n, d, anyText(in));
    } else {
        doc.ClueTexts.Create3(textNumbers);
        for (int32_t n = 0; n <= textNumbers; ++n)
            for (int32_t d = 0; d <= 1; ++d)
                doc.ClueTexts.SetAnswer(n, d, anyText(in));
    }
    doc.SolvedWords.Redim(in.ConsumeIntegralInRange(-1, 22), 1);
    for (int32_t n = 0; n <= doc.SolvedWords.Ubound0(); ++n)
        for (int32_t d = 0; d <= 1; ++d)
            doc.SolvedWords(n, d) = in.ConsumeIntegralInRange(0, 2);
    doc.SolvedCount = anyNumber(in);

    LoadReshotkiM::BuildLayers(doc);
    checkSpareCells(doc);

    // Then whatever a user could do next, on any selection.
    while (in.remaining_bytes() > 0) {
        const int32_t n = anyNumber(in), d = in.ConsumeIntegralInRange(-1, 2);
        const std::string text = anyText(in);
        switch (in.ConsumeIntegralInRange(0, 9)) {
        case 0:
            (void)FoundNoOtvetM::FirstUnanswered(doc);
            (void)AddSlovoM::NextAfterEntry(doc, n, d);
            break;
        case 1:
            (void)AddSlovoM::CheckStore(doc, n, d, text);
            AddSlovoM::StoreAnswer(doc, n, d, "clue", text);
            break;
        case 2:
            (void)AddSlovoM::RemoveAnswer(doc, n, d, "clue");
            break;
        case 3:
            doc.CurNumber = n;
            doc.CurDownNumber = anyNumber(in);
            (void)ProverkaOtvetaM::SolveIfCorrect(doc, text);
            break;
        case 4:
            (void)ProverkaOtvetaM::NextUnsolvedNumber(doc, n);
            break;
        case 5:
            (void)ProverkaOtvetaM::DeleteAnswer(doc, n, d);
            break;
        case 6:
            if (!VvodOtvetaM::FindConflict(doc, n, d, text)) VvodOtvetaM::EnterWord(doc, n, d, text);
            break;
        case 7:
            (void)VvodOtvetaM::NextUnentered(doc);
            (void)SelVoprosM::CluesForNumber(doc, n);
            break;
        case 8:
            LoadReshotkiM::BuildLayers(doc);
            break;
        default:
            doc.AppMode = in.PickValueInArray(modes);
            break;
        }
        checkSpareCells(doc);
    }
    return 0;
}
