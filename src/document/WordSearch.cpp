#include "document/WordSearch.h"

#include <algorithm>
#include <limits>

#include "basics/Cp1251.h"
#include "basics/NumberText.h"

namespace WordSearch {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// The two items are read the way the program reads delimited fields (see TextFile::FieldReader), but
// without copying the word string, which may be megabytes long.
struct HeaderReader {
    std::string_view s;
    size_t pos = 0;

    void skipBlanks() {
        while (pos < s.size() && isBlank(s[pos]))
            ++pos;
    }
    std::string_view numberField() {
        skipBlanks();
        const size_t start = pos;
        while (pos < s.size() && !isBlank(s[pos]) && s[pos] != ',' && !isLineEnd(s[pos]))
            ++pos;
        const std::string_view field = s.substr(start, pos - start);
        skipBlanks();
        if (pos < s.size() && s[pos] == ',') {
            ++pos;
        } else {
            if (pos < s.size() && s[pos] == '\r') ++pos;
            if (pos < s.size() && s[pos] == '\n') ++pos;
        }
        return field;
    }
    std::string_view textField() {
        skipBlanks();
        if (pos < s.size() && s[pos] == '"') {
            const size_t close = s.find('"', pos + 1);
            return s.substr(pos + 1,
                            close == std::string_view::npos ? std::string_view::npos : close - pos - 1);
        }
        const size_t start = pos;
        while (pos < s.size() && s[pos] != ',' && !isLineEnd(s[pos]))
            ++pos;
        return s.substr(start, pos - start);
    }
};

struct KnownLetter {
    uint32_t pos;
    char c;
};

} // namespace

WordListView ViewWordList(std::string_view fileBytes, size_t length) {
    WordListView v;
    if (length == 0) return v;
    HeaderReader r{fileBytes};
    const std::string_view countField = r.numberField();
    v.Words = r.textField();
    int64_t stated = 0;
    if (NumberText::HasLeadingNumber(countField)) stated = NumberText::LeadingInt32(countField).value_or(0);
    // Offsets are 32-bit: a word must end within the first 4 GiB of the file.
    const size_t start = static_cast<size_t>(v.Words.data() - fileBytes.data());
    const size_t limit = std::numeric_limits<uint32_t>::max();
    const size_t room = start >= limit ? 0 : std::min(v.Words.size(), limit - start);
    const int64_t present = static_cast<int64_t>(room / length);
    v.Count = static_cast<uint32_t>(std::clamp<int64_t>(stated, 0, present));
    return v;
}

void FindWords(std::string_view fileBytes, std::string_view pattern, std::vector<uint32_t>& out) {
    out.clear();
    const size_t length = pattern.size();
    const WordListView list = ViewWordList(fileBytes, length);
    if (list.Count == 0) return;

    std::vector<KnownLetter> known;
    for (size_t p = 0; p < length; ++p) {
        const char c = static_cast<char>(Cp1251::ToUpper(static_cast<unsigned char>(pattern[p])));
        if (c != Unknown) known.push_back({static_cast<uint32_t>(p), c});
    }

    const char* const words = list.Words.data();
    const auto first = static_cast<uint32_t>(words - fileBytes.data());
    const auto step = static_cast<uint32_t>(length);
    if (known.empty()) {
        out.resize(list.Count);
        for (uint32_t w = 0; w < list.Count; ++w)
            out[w] = first + w * step;
        return;
    }
    // The first known letter decides for most words; only its survivors look at the others.
    const KnownLetter lead = known.front();
    const KnownLetter* const rest = known.data() + 1;
    const KnownLetter* const restEnd = known.data() + known.size();
    const char* word = words;
    for (uint32_t w = 0; w < list.Count; ++w, word += length) {
        if (word[lead.pos] != lead.c) continue;
        const KnownLetter* k = rest;
        while (k != restEnd && word[k->pos] == k->c)
            ++k;
        if (k == restEnd) out.push_back(first + w * step);
    }
}

std::vector<uint32_t> FindWords(std::string_view fileBytes, std::string_view pattern) {
    std::vector<uint32_t> out;
    FindWords(fileBytes, pattern, out);
    return out;
}

std::string WordListPath(std::string_view appDir, std::string_view pathSep, int32_t length) {
    std::string path(appDir);
    path += "Data";
    path += pathSep;
    path += NumberText::Plain(length);
    path += ".dat";
    return path;
}

} // namespace WordSearch
