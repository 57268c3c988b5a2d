#include "document/SaveKrossM.h"

#include "basics/NumberText.h"
#include "document/KodKodirovkiM.h"
#include "document/KrossDocument.h"

namespace SaveKrossM {
namespace {
using NumberText::AppendNumberLine;
using NumberText::AppendTextLine;
} // namespace

std::string Scramble(const KrossDocument& doc, std::string_view text) {
    return KodKodirovkiM::MapCodes(doc.CodeTable, text);
}

std::string KrossFileText(const KrossDocument& doc) {
    const bool withAnswers = doc.NoAnswers == 0;
    // The record count line says how many records follow, so it is counted from the records themselves.
    int32_t records = 0;
    size_t textBytes = 0;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (doc.WordLength(n, d) > 0) {
                ++records;
                if (withAnswers)
                    textBytes += doc.ClueTexts.Clue(n, d).size() + doc.ClueTexts.Answer(n, d).size();
            }

    const KodKodirovkiM::ByteTable code = KodKodirovkiM::ToBytes(doc.CodeTable);
    std::string out;
    out.reserve(64 + doc.KrossName.size() + doc.EditPassword.size() + doc.KrossAuthor.size() + textBytes +
                static_cast<size_t>(records) * 48);
    AppendNumberLine(out, doc.NoAnswers);
    AppendTextLine(out, doc.KrossName);
    if (withAnswers) {
        AppendTextLine(out, doc.EditPassword);
        AppendTextLine(out, Scramble(doc, doc.KrossAuthor));
    }
    AppendNumberLine(out, doc.GridWidth);
    AppendNumberLine(out, doc.GridHeight);
    AppendNumberLine(out, doc.NumberCount);
    AppendNumberLine(out, records);
    for (int32_t n = 1; n <= doc.NumberCount; ++n) {
        for (int32_t d = 0; d <= 1; ++d) {
            const int32_t length = doc.WordLength(n, d);
            if (length <= 0) continue;
            AppendNumberLine(out, n);
            AppendNumberLine(out, d);
            AppendNumberLine(out, doc.SlotTable.Get(n, Slot::X, d));
            AppendNumberLine(out, doc.SlotTable.Get(n, Slot::Y, d));
            AppendNumberLine(out, length);
            if (withAnswers) {
                AppendTextLine(out, doc.ClueTexts.Clue(n, d));
                AppendTextLine(out, KodKodirovkiM::MapCodes(code, doc.ClueTexts.Answer(n, d)));
            }
        }
    }
    return out;
}

} // namespace SaveKrossM
