#include "document/SaveOtvetyM.h"

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "document/KrossDocument.h"

namespace SaveOtvetyM {
namespace {

void textLine(std::string& out, std::string_view text) {
    out.append(text);
    out.append("\r\n");
}

void numberLine(std::string& out, int64_t v) {
    out.append(NumberText::NumberLine(v));
    out.append("\r\n");
}

} // namespace

std::string OtvetyFileText(const KrossDocument& doc, const std::string& pathSep) {
    std::string_view fileName = doc.KrossFile;
    if (!pathSep.empty()) {
        const size_t sep = fileName.rfind(pathSep);
        if (sep != std::string_view::npos) fileName.remove_prefix(sep + pathSep.size());
    }
    // The reader takes exactly as many records as line 5 says, so line 5 counts the marks written.
    int32_t marks = 0;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d)
            if (doc.SolvedWords.Get(n, d) == 1) ++marks;

    std::string out;
    textLine(out, Cp1251::FromUtf8Lossy(fileName));
    textLine(out, doc.KrossName);
    numberLine(out, doc.NoAnswers);
    numberLine(out, doc.NumberCount);
    numberLine(out, marks);
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            if (doc.SolvedWords.Get(n, d) != 1) continue;
            numberLine(out, n);
            numberLine(out, d);
            if (doc.NoAnswers == 1) textLine(out, doc.ClueTexts.Get(n, d));
        }
    return out;
}

} // namespace SaveOtvetyM
