#include "document/OpenOtvetyM.h"

#include <algorithm>
#include <utility>

#include "basics/Cp1251.h"
#include "document/GridLimits.h"
#include "document/KrossDocument.h"
#include "document/LineCursor.h"
#include "document/TextLimits.h"

namespace OpenOtvetyM {

std::string CrosswordFileName(std::string_view line) {
    const size_t sep = line.find_last_of("/\\");
    if (sep != std::string_view::npos) line.remove_prefix(sep + 1);
    if (line.empty() || line == "." || line == "..") return {};
    // A zero byte would cut the name short on its way to the file system.
    if (line.find('\0') != std::string_view::npos) return {};
    return Cp1251::ToUtf8(line);
}

OtvContent ParseOtvety(std::string_view bytes) {
    OtvContent c;
    LineCursor in(bytes);
    c.KrossFileName = CrosswordFileName(in.Text());
    c.KrossName.assign(TextLimits::Capped(in.Text()));
    c.NoAnswers = in.Number();
    c.NumberCount = in.Number();
    c.SolvedCount = in.Number();

    // No crossword the program can hold has more words than this; nothing is reserved by the counts.
    const int64_t numberLimit = std::clamp<int64_t>(c.NumberCount, 0, GridLimits::MaxCells);
    const int64_t keepAtMost = std::min<int64_t>(c.SolvedCount, numberLimit * 2);
    const bool withWords = c.NoAnswers == 1;
    for (int32_t i = 0; i < c.SolvedCount && static_cast<int64_t>(c.Records.size()) < keepAtMost; ++i) {
        if (in.AtEnd()) break;
        OtvRecord r;
        r.Number = in.Number();
        if (in.AtEnd()) break;
        r.Direction = in.Number();
        if (withWords) {
            if (in.AtEnd()) break;
            r.Word.assign(in.Text());
        }
        if (r.Number < 1 || r.Number > numberLimit || r.Direction < 0 || r.Direction > 1) continue;
        c.Records.push_back(std::move(r));
    }
    return c;
}

OtvApplyResult ApplyOtvety(const OtvContent& c, KrossDocument& doc) {
    OtvApplyResult result;
    if (c.NumberCount != doc.NumberCount || c.NoAnswers != doc.NoAnswers) return result;
    const int32_t numberCount = doc.NumberCount;

    if (doc.SolvedWords.Ubound0() != numberCount || doc.SolvedWords.Ubound1() != 1)
        doc.SolvedWords.Redim(numberCount, 1);
    const bool bare = doc.NoAnswers == 1;
    if (bare) {
        ClueTable words;
        words.Create2(numberCount);
        for (int32_t n = 1; n <= numberCount; ++n)
            for (int32_t d = 0; d <= 1; ++d)
                if (doc.SolvedWords(n, d) == 1) words.SetWord(n, d, doc.ClueTexts.Word(n, d));
        doc.ClueTexts = std::move(words);
    }

    for (const OtvRecord& r : c.Records) {
        if (r.Number < 1 || r.Number > numberCount || r.Direction < 0 || r.Direction > 1) continue;
        const int32_t length = doc.WordLength(r.Number, r.Direction);
        if (length < 1) continue;
        if (bare && r.Word.size() != static_cast<size_t>(length)) continue;
        doc.SolvedWords(r.Number, r.Direction) = 1;
        if (bare) doc.ClueTexts.SetWord(r.Number, r.Direction, r.Word);
    }

    int32_t solved = 0;
    for (int32_t n = 1; n <= numberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (doc.SolvedWords(n, d) == 1) ++solved;
    doc.SolvedCount = solved;
    result.status = OtvApplyResult::Status::Ok;
    result.OpenWords = doc.WordCount - solved;
    return result;
}

std::optional<WordRef> FirstOpenWord(const KrossDocument& doc) {
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (doc.ViewLength(n, d) >= 1 && doc.SolvedWords.Get(n, d) == 0) return WordRef{n, d};
    return std::nullopt;
}

} // namespace OpenOtvetyM
