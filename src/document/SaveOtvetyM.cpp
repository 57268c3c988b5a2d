#include "document/SaveOtvetyM.h"

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "document/KrossDocument.h"

namespace SaveOtvetyM {
namespace {
using NumberText::AppendNumberLine;
using NumberText::AppendTextLine;
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
    AppendTextLine(out, Cp1251::FromUtf8Lossy(fileName));
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
