// The word search on any word-list bytes, against a plain reading of the same file; and the search of the
// file read piece by piece, against the search of the whole text.
// Input: byte 0 gives the pattern length (0..26), the next bytes the pattern (a byte divisible by 3
// stands for "?"), the rest is the word-list file. The pieces are 1 + byte 0 bytes long.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "basics/TextFile.h"
#include "document/WordSearch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const size_t length = data[0] % 27;
    if (size < 1 + length) return 0;
    std::string pattern;
    for (size_t i = 0; i < length; ++i)
        pattern += data[1 + i] % 3 == 0 ? '?' : static_cast<char>(data[1 + i]);
    const std::string_view file(reinterpret_cast<const char*>(data) + 1 + length, size - 1 - length);

    const std::vector<uint32_t> found = WordSearch::FindWords(file, pattern);

    // The plain way: read the two items as delimited fields, split the words, compare each letter.
    std::vector<uint32_t> expected;
    if (length > 0) {
        TextFile::FieldReader r(file);
        std::string countField, words;
        r.NumberField(countField);
        r.Text(words);
        int64_t stated = 0;
        if (NumberText::HasLeadingNumber(countField))
            stated = NumberText::LeadingInt32(countField).value_or(0);
        const int64_t present = static_cast<int64_t>(words.size() / length);
        const int64_t count = std::max<int64_t>(0, std::min(stated, present));
        const WordSearch::WordListView view = WordSearch::ViewWordList(file, length);
        if (view.Count != count) __builtin_trap();
        if (view.Words != std::string_view(words).substr(0, static_cast<size_t>(count) * length))
            __builtin_trap();
        const size_t start = static_cast<size_t>(view.Words.data() - file.data());
        for (int64_t w = 0; w < count; ++w) {
            bool fits = true;
            for (size_t p = 0; p < length && fits; ++p)
                fits = pattern[p] == '?' ||
                       static_cast<char>(Cp1251::ToUpper(static_cast<unsigned char>(pattern[p]))) ==
                           words[static_cast<size_t>(w) * length + p];
            if (fits) expected.push_back(static_cast<uint32_t>(start + static_cast<size_t>(w) * length));
        }
    }
    if (found != expected) __builtin_trap();
    for (uint32_t offset : found)
        if (offset + length > file.size()) __builtin_trap();

    // The same file searched piece by piece, through a file in memory.
    static const int fd = memfd_create("wordlist", 0);
    if (fd < 0 || ftruncate(fd, 0) != 0 ||
        pwrite(fd, file.data(), file.size(), 0) != static_cast<ssize_t>(file.size()))
        return 0;
    static std::string buffer;
    WordSearch::FoundWords pieces;
    if (!WordSearch::SearchFile("/proc/self/fd/" + std::to_string(fd), pattern, pieces, buffer, 1 + data[0]))
        __builtin_trap();
    std::string words;
    for (uint32_t offset : found)
        words += file.substr(offset, length);
    if (pieces.Text != words) __builtin_trap();
    return 0;
}
