// Any bytes as an answers file, applied to crosswords: a fixed small one with answers, the same as a
// bare grid, and one read from the first half of the input (the second half being the answers file).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/KrossDocument.h"
#include "document/OpenKrossM.h"
#include "document/OpenOtvetyM.h"
#include "document/SaveOtvetyM.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

// 3 x 3 ring: 1 across, 1 down, 2 down, 3 across, three cells each; no answers stored.
constexpr std::string_view RingKrw = " 1 \r\nRing\r\n 3 \r\n 3 \r\n 3 \r\n 4 \r\n"
                                     " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 3 \r\n"
                                     " 1 \r\n 1 \r\n 0 \r\n 0 \r\n 3 \r\n"
                                     " 2 \r\n 1 \r\n 2 \r\n 0 \r\n 3 \r\n"
                                     " 3 \r\n 0 \r\n 0 \r\n 2 \r\n 3 \r\n";
constexpr std::string_view RingWithAnswersKrw = " 0 \r\nRing\r\n\r\n\r\n 3 \r\n 3 \r\n 3 \r\n 4 \r\n"
                                                " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 3 \r\nclue\r\n\r\n"
                                                " 1 \r\n 1 \r\n 0 \r\n 0 \r\n 3 \r\nclue\r\n\r\n"
                                                " 2 \r\n 1 \r\n 2 \r\n 0 \r\n 3 \r\nclue\r\n\r\n"
                                                " 3 \r\n 0 \r\n 0 \r\n 2 \r\n 3 \r\nclue\r\n\r\n";

void applyTo(const OpenOtvetyM::OtvContent& c, std::string_view krw) {
    KrossDocument doc;
    if (OpenKrossM::ReadKrossText(krw, doc, 0, "/x/fuzz.krw").status !=
        OpenKrossM::KrossReadResult::Status::Ok)
        return;
    doc.ViewSlotTable = doc.SlotTable;
    if (doc.NoAnswers == 1) doc.ClueTexts.Create2(doc.NumberCount);
    const auto before = doc.SolvedWords;
    const auto r = OpenOtvetyM::ApplyOtvety(c, doc);
    if (r.status != OpenOtvetyM::OtvApplyResult::Status::Ok) {
        check(doc.SolvedWords == before && doc.SolvedCount == 0);
        return;
    }
    int32_t marks = 0;
    for (int32_t n = 0; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            if (doc.SolvedWords(n, d) != 1) continue;
            ++marks;
            check(n >= 1 && doc.WordLength(n, d) >= 1);
            if (doc.NoAnswers == 1)
                check(doc.ClueTexts.Word(n, d).size() == static_cast<size_t>(doc.WordLength(n, d)));
        }
    check(marks == doc.SolvedCount && r.OpenWords == doc.WordCount - marks);
    const auto first = OpenOtvetyM::FirstOpenWord(doc);
    check(first.has_value() == (r.OpenWords > 0));

    // The progress written and read back onto the same crossword gives the same marks.
    const auto c2 = OpenOtvetyM::ParseOtvety(SaveOtvetyM::OtvetyFileText(doc, "/"));
    KrossDocument again;
    OpenKrossM::ReadKrossText(krw, again, 0, "/x/fuzz.krw");
    if (again.NoAnswers == 1) again.ClueTexts.Create2(again.NumberCount);
    check(OpenOtvetyM::ApplyOtvety(c2, again).status == OpenOtvetyM::OtvApplyResult::Status::Ok);
    check(again.SolvedWords == doc.SolvedWords && again.SolvedCount == doc.SolvedCount);
    if (doc.NoAnswers == 1) check(again.ClueTexts == doc.ClueTexts);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto c = OpenOtvetyM::ParseOtvety(bytes);
    check(c.Records.size() <= static_cast<size_t>(c.SolvedCount > 0 ? c.SolvedCount : 0));
    check(c.KrossFileName.find('/') == std::string::npos && c.KrossFileName.find('\\') == std::string::npos);
    check(c.KrossFileName != "." && c.KrossFileName != "..");
    applyTo(c, RingKrw);
    applyTo(c, RingWithAnswersKrw);
    const size_t half = size / 2;
    applyTo(OpenOtvetyM::ParseOtvety(bytes.substr(half)), bytes.substr(0, half));
    return 0;
}
