#include "document/SaveKrossM.h"

#include "basics/NumberText.h"
#include "document/KodKodirovkiM.h"
#include "document/KrossDocument.h"
#include "document/OpenKrossM.h"

namespace SaveKrossM {
namespace {
using NumberText::AppendNumberLine;
using NumberText::AppendTextLine;
} // namespace

std::string Scramble(const KrossDocument& doc, std::string_view text) {
    return KodKodirovkiM::MapCodes(doc.CodeTable, text);
}

bool LinesIntact(const KrossDocument& doc) {
    auto intact = [](std::string_view t) { return t.find_first_of("\r\n") == std::string_view::npos; };
    if (!intact(doc.KrossName)) return false;
    if (doc.NoAnswers != 0) return true;
    if (!intact(doc.EditPassword)) return false;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (doc.WordLength(n, d) > 0 && !intact(doc.ClueTexts.Clue(n, d))) return false;
    return true;
}

bool ReadsBackAs(std::string_view bytes, const KrossDocument& doc) {
    KrossDocument back;
    if (OpenKrossM::ReadKrossText(bytes, back, 0, std::string()).status !=
        OpenKrossM::KrossReadResult::Status::Ok)
        return false;
    if (back.NoAnswers != doc.NoAnswers || back.KrossName != doc.KrossName ||
        back.GridWidth != doc.GridWidth || back.GridHeight != doc.GridHeight ||
        back.NumberCount != doc.NumberCount)
        return false;
    const bool withAnswers = doc.NoAnswers == 0;
    // A scrambled text comes back as scrambling it and unscrambling it under the file's tables gives.
    auto asStored = [&](const std::string& text) {
        return KodKodirovkiM::MapCodes(back.DecodeTable, Scramble(doc, text));
    };
    if (withAnswers &&
        (back.EditPassword != doc.EditPassword || back.KrossAuthor != asStored(doc.KrossAuthor)))
        return false;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            const int32_t length = doc.WordLength(n, d);
            if (length <= 0) {
                if (back.WordLength(n, d) != 0) return false;
                continue;
            }
            if (back.WordLength(n, d) != length ||
                back.SlotTable.Get(n, Slot::X, d) != doc.SlotTable.Get(n, Slot::X, d) ||
                back.SlotTable.Get(n, Slot::Y, d) != doc.SlotTable.Get(n, Slot::Y, d))
                return false;
            if (!withAnswers) continue;
            if (back.ClueTexts.Clue(n, d) != doc.ClueTexts.Clue(n, d)) return false;
            const std::string answer = doc.ClueTexts.Answer(n, d);
            const std::string meant =
                answer.size() == static_cast<size_t>(length) ? asStored(answer) : std::string();
            if (back.ClueTexts.Answer(n, d) != meant) return false;
        }
    return true;
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

TextFile::Error WriteKrossFile(const std::string& path, const KrossDocument& doc, std::string& bytes) {
    bytes = KrossFileText(doc);
    if (!LinesIntact(doc)) return TextFile::Error::Mismatch;
    return TextFile::WriteAll(path, bytes, [&doc](std::string_view back) { return ReadsBackAs(back, doc); });
}

} // namespace SaveKrossM
