// Any bytes as a crossword file: the reader must not crash, hang or allocate without bound, and what it
// accepts must be a consistent crossword that the writer reproduces exactly.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/KrossDocument.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

void checkConsistent(const KrossDocument& doc) {
    int32_t words = 0;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            const int32_t len = doc.WordLength(n, d);
            if (len <= 0) continue;
            ++words;
            const int64_t x = doc.SlotTable(n, Slot::X, d), y = doc.SlotTable(n, Slot::Y, d);
            check(x >= 0 && y >= 0);
            check(x + (d == 0 ? len - 1 : 0) < doc.GridWidth);
            check(y + (d == 1 ? len - 1 : 0) < doc.GridHeight);
            if (doc.NoAnswers == 0) {
                const std::string answer = doc.ClueTexts.Answer(n, d);
                check(answer.empty() || answer.size() == static_cast<size_t>(len));
            }
        }
    check(words == doc.WordCount);
    check(doc.NoAnswers == 0 || doc.NoAnswers == 1);
    check(doc.SolvedWords.Ubound0() == doc.NumberCount);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    KrossDocument doc;
    const auto r = OpenKrossM::ReadKrossText(bytes, doc, 0, "fuzz.krw");
    if (r.status != OpenKrossM::KrossReadResult::Status::Ok) {
        check(doc.AppMode == Mode::None && doc.NumberCount == 0 && doc.KrossName.empty());
        return 0;
    }
    checkConsistent(doc);
    check(doc.AppMode == (doc.NoAnswers     ? Mode::SolveBare
                          : r.answerMissing ? Mode::Incomplete
                                            : Mode::Solve));

    // What was read, written and read again, is the same crossword.
    const std::string written = SaveKrossM::KrossFileText(doc);
    KrossDocument again;
    const auto r2 = OpenKrossM::ReadKrossText(written, again, 0, "fuzz.krw");
    check(r2.status == OpenKrossM::KrossReadResult::Status::Ok);
    check(r2.answerMissing == r.answerMissing);
    check(again.SlotTable == doc.SlotTable && again.WordCount == doc.WordCount);
    check(again.KrossName == doc.KrossName);
    if (doc.NoAnswers == 0) check(again.ClueTexts == doc.ClueTexts && again.KrossAuthor == doc.KrossAuthor);
    check(SaveKrossM::KrossFileText(again) == written);
    return 0;
}
