// Making word lists from any word-list or dictionary bytes: every word lands in the list of its length, in
// capitals, once, and each list's file reads back with all its words.
// Input: byte 0 chooses the source (bit 0: a hunspell dictionary, bits 1..2: its encoding, bits 3..4: the
// letters taken, bit 5: Ё as Е, bit 6: sorted); the rest is the source's bytes.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "basics/Cp1251.h"
#include "document/HunspellDictionary.h"
#include "document/WordListBuilder.h"
#include "document/WordSearch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const uint8_t choice = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    WordListBuilder::SourceOptions options;
    options.Only = static_cast<WordListBuilder::Letters>(((choice >> 3) & 3) % 3);
    options.YoAsE = (choice & 0x20) != 0;
    options.Sorted = (choice & 0x40) != 0;

    WordListBuilder::Builder builder;
    std::string text;
    if (choice & 1) {
        static const char* const encodings[] = {"UTF-8", "KOI8-R", "microsoft-cp1251", "ISO8859-5"};
        const auto utf8 = HunspellDictionary::ToUtf8(bytes, encodings[(choice >> 1) & 3]);
        if (!utf8) __builtin_trap(); // every one of these is known
        text = *utf8;
        builder.AddEntries(HunspellDictionary::Stems(text), options);
    } else {
        builder.AddEntries(WordListBuilder::PlainEntries(bytes), options);
    }
    const auto& lists = builder.Lists();
    for (size_t length = 0; length < lists.Words.size(); ++length) {
        const auto& words = lists.Words[length];
        if (words.empty()) continue;
        if (length < WordSearch::MinLength || length > WordSearch::MaxLength) __builtin_trap();
        std::set<std::string> distinct;
        for (const auto& w : words) {
            if (w.size() != length || Cp1251::ToUpper(w) != w || !distinct.insert(w).second) __builtin_trap();
            if (options.YoAsE && w.find('\xA8') != std::string::npos) __builtin_trap();
        }
        const std::string file = WordListBuilder::WordListFileText(words);
        const WordSearch::WordListView view = WordSearch::ViewWordList(file, length);
        if (view.Count != words.size()) __builtin_trap();
    }
    return 0;
}
