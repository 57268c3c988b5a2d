// Any bytes as an ipuz file: the reader must not crash, hang or allocate without bound; what it accepts
// must be a consistent crossword that the writer and the reader reproduce exactly.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/KrossDocument.h"
#include "document/SaveKrossM.h"
#include "export/IpuzFormat.h"

namespace {

void check(bool ok) {
    if (!ok) __builtin_trap();
}

void checkConsistent(const KrossDocument& doc) {
    check(doc.AppMode == (doc.NoAnswers ? Mode::BareAuthoring : Mode::Authoring));
    check(doc.Modified && doc.KrossFile.empty() && doc.EditPassword.empty());
    int32_t words = 0;
    for (int32_t n = 1; n <= doc.NumberCount; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            const int32_t len = doc.WordLength(n, d);
            if (len <= 0) continue;
            ++words;
            const int64_t x = doc.SlotTable(n, Slot::X, d), y = doc.SlotTable(n, Slot::Y, d);
            check(len >= 2 && x >= 0 && y >= 0);
            check(x + (d == 0 ? len - 1 : 0) < doc.GridWidth);
            check(y + (d == 1 ? len - 1 : 0) < doc.GridHeight);
            const std::string answer = doc.ClueTexts.Answer(n, d);
            check(answer.empty() || answer.size() == static_cast<size_t>(len));
            for (char ch : answer + doc.ClueTexts.Clue(n, d))
                check(static_cast<unsigned char>(ch) >= 32); // every text fits one line of a file
        }
    check(words == doc.WordCount && words > 0);
    check(doc.SolvedWords.Ubound0() == doc.NumberCount);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    KrossDocument doc;
    if (IpuzFormat::Read(bytes, doc) != IpuzFormat::Refusal::None) {
        check(doc.NumberCount == 0 && doc.KrossName.empty());
        return 0;
    }
    checkConsistent(doc);

    // Written and read again, it is the same crossword.
    const std::string written = IpuzFormat::Write(doc, true);
    KrossDocument again;
    check(IpuzFormat::Read(written, again) == IpuzFormat::Refusal::None);
    check(SaveKrossM::KrossFileText(again) == SaveKrossM::KrossFileText(doc));
    check(IpuzFormat::Write(again, true) == written);
    return 0;
}
