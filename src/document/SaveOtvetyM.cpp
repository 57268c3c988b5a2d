#include "document/SaveOtvetyM.h"

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "document/KrossDocument.h"
#include "document/OpenOtvetyM.h"

namespace SaveOtvetyM {
namespace {
using NumberText::AppendNumberLine;
using NumberText::AppendTextLine;

// Line 1: the part of KrossFile after its last pathSep, in cp1251.
std::string crosswordFileLine(const KrossDocument& doc, const std::string& pathSep) {
    std::string_view fileName = doc.KrossFile;
    if (!pathSep.empty()) {
        const size_t sep = fileName.rfind(pathSep);
        if (sep != std::string_view::npos) fileName.remove_prefix(sep + pathSep.size());
    }
    return Cp1251::FromUtf8Lossy(fileName);
}

bool intact(std::string_view t) {
    return t.find_first_of("\r\n") == std::string_view::npos;
}

} // namespace

bool LinesIntact(const KrossDocument& doc) {
    if (!intact(doc.KrossName)) return false;
    if (doc.NoAnswers != 1) return true;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (doc.SolvedWords.Get(n, d) == 1 && !intact(doc.ClueTexts.Word(n, d))) return false;
    return true;
}

bool ReadsBackAs(std::string_view bytes, const KrossDocument& doc, const std::string& pathSep) {
    const OpenOtvetyM::OtvContent back = OpenOtvetyM::ParseOtvety(bytes);
    if (back.KrossFileName != OpenOtvetyM::CrosswordFileName(crosswordFileLine(doc, pathSep)) ||
        back.KrossName != doc.KrossName || back.NoAnswers != doc.NoAnswers ||
        back.NumberCount != doc.NumberCount)
        return false;
    size_t i = 0;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            if (doc.SolvedWords.Get(n, d) != 1) continue;
            if (i >= back.Records.size()) return false;
            const OpenOtvetyM::OtvRecord& r = back.Records[i++];
            if (r.Number != n || r.Direction != d) return false;
            if (doc.NoAnswers == 1 && r.Word != doc.ClueTexts.Word(n, d)) return false;
        }
    return i == back.Records.size() && back.SolvedCount == static_cast<int32_t>(i);
}

std::string OtvetyFileText(const KrossDocument& doc, const std::string& pathSep) {
    // The reader takes exactly as many records as line 5 says, so line 5 counts the marks written.
    int32_t marks = 0;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (doc.SolvedWords.Get(n, d) == 1) ++marks;

    std::string out;
    AppendTextLine(out, crosswordFileLine(doc, pathSep));
    AppendTextLine(out, doc.KrossName);
    AppendNumberLine(out, doc.NoAnswers);
    AppendNumberLine(out, doc.NumberCount);
    AppendNumberLine(out, marks);
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            if (doc.SolvedWords.Get(n, d) != 1) continue;
            AppendNumberLine(out, n);
            AppendNumberLine(out, d);
            if (doc.NoAnswers == 1) AppendTextLine(out, doc.ClueTexts.Word(n, d));
        }
    return out;
}

} // namespace SaveOtvetyM
