#include "document/WordSearch.h"

#include <algorithm>
#include <cstring>
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
bool isDelimiter(unsigned char c) {
    return c == ',' || c == '\r' || c == '\n';
}

// Where the first comma or line end of a block stands (n when there is none). Every search passes over
// the whole word string, so this must cost next to nothing, whatever the compiler's optimisation: the
// three delimiters are the only bytes below '-' that matter, and capital letters all lie above it, so
// eight bytes at a time are tested for a byte below '-' with a few integer operations; only a block that
// has one is read byte by byte.
size_t firstDelimiter(const unsigned char* p, size_t n) {
    constexpr unsigned char AboveDelimiters = ',' + 1;
    static_assert('\r' < AboveDelimiters && '\n' < AboveDelimiters && AboveDelimiters <= 128);
    constexpr uint64_t Ones = 0x0101010101010101u, Highs = 0x8080808080808080u;
    // For bytes b below 128 the subtraction borrows into bit 7 exactly when b < AboveDelimiters; bytes
    // of 128 and above have bit 7 set and are masked out by ~x. A borrow out of a byte that matched can
    // only flag bytes above it, so the word as a whole is flagged exactly when one of its bytes is below.
    auto lowBytes = [](uint64_t x) { return (x - Ones * AboveDelimiters) & ~x & Highs; };
    size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        uint64_t a, b;
        std::memcpy(&a, p + i, 8);
        std::memcpy(&b, p + i + 8, 8);
        if ((lowBytes(a) | lowBytes(b)) != 0) break; // a byte below '-' in these 16: read them one by one
    }
    for (; i < n; ++i)
        if (isDelimiter(p[i])) return i;
    return n;
}

// Where the word string of a word-list file lies. Line 1 and item 2 are read the way the program reads
// delimited fields (see TextFile::FieldReader), without copying the word string.
struct WordString {
    size_t start = 0;    // offset of the first word in the file
    size_t bytes = 0;    // bytes that may hold words: no more than the count promises or the file has
    bool quoted = false; // a quoted item has been cut at its closing quote already; commas are letters
};

WordString locate(std::string_view s, size_t length) {
    size_t pos = 0;
    auto skipBlanks = [&] {
        while (pos < s.size() && isBlank(s[pos]))
            ++pos;
    };
    skipBlanks();
    const size_t numberStart = pos;
    while (pos < s.size() && !isBlank(s[pos]) && s[pos] != ',' && !isLineEnd(s[pos]))
        ++pos;
    const std::string_view countField = s.substr(numberStart, pos - numberStart);
    skipBlanks();
    if (pos < s.size() && s[pos] == ',') {
        ++pos;
    } else {
        if (pos < s.size() && s[pos] == '\r') ++pos;
        if (pos < s.size() && s[pos] == '\n') ++pos;
    }
    int64_t stated = 0;
    if (NumberText::HasLeadingNumber(countField)) stated = NumberText::LeadingInt32(countField).value_or(0);
    stated = std::max<int64_t>(stated, 0);

    WordString ws;
    skipBlanks();
    ws.quoted = pos < s.size() && s[pos] == '"';
    if (ws.quoted) ++pos;
    ws.start = pos;
    // At most 2^31 words of a few letters each: the product fits easily.
    std::string_view rest = s.substr(pos, static_cast<size_t>(stated) * length);
    if (ws.quoted) rest = rest.substr(0, rest.find('"'));
    // Offsets are 32-bit: a word must end within the first 4 GiB of the file.
    const size_t limit = std::numeric_limits<uint32_t>::max();
    ws.bytes = pos >= limit ? 0 : std::min(rest.size(), limit - pos);
    return ws;
}

// Walks the complete words of the word string in blocks, calling visit(first word, word count) for each
// block, and stops at the first delimiter. Checking a block for delimiters just before matching it keeps
// the whole search to one pass over memory.
template <typename Visit>
void walkWords(std::string_view file, const WordString& ws, size_t length, Visit visit) {
    const size_t total = ws.bytes / length;
    const size_t perBlock = std::max<size_t>(1, 4096 / length);
    const auto* words = reinterpret_cast<const unsigned char*>(file.data()) + ws.start;
    for (size_t w = 0; w < total; w += perBlock) {
        const size_t n = std::min(perBlock, total - w);
        if (!ws.quoted) {
            const size_t cut = firstDelimiter(words + w * length, n * length);
            if (cut < n * length) {
                visit(w, cut / length);
                return;
            }
        }
        visit(w, n);
    }
}

struct KnownLetter {
    size_t pos;
    char c;
};

} // namespace

WordListView ViewWordList(std::string_view fileBytes, size_t length) {
    WordListView v;
    if (length == 0) return v;
    const WordString ws = locate(fileBytes, length);
    size_t count = 0;
    walkWords(fileBytes, ws, length, [&](size_t, size_t n) { count += n; });
    v.Count = static_cast<uint32_t>(count);
    v.Words = fileBytes.substr(ws.start, count * length);
    return v;
}

void FindWords(std::string_view fileBytes, std::string_view pattern, std::vector<uint32_t>& out) {
    out.clear();
    const size_t length = pattern.size();
    if (length == 0) return;
    const WordString ws = locate(fileBytes, length);

    std::vector<KnownLetter> known;
    for (size_t p = 0; p < length; ++p) {
        const char c = static_cast<char>(Cp1251::ToUpper(static_cast<unsigned char>(pattern[p])));
        if (c != Unknown) known.push_back({p, c});
    }
    auto offsetOf = [&](size_t w) { return static_cast<uint32_t>(ws.start + w * length); };

    if (known.empty()) {
        out.reserve(ws.bytes / length);
        walkWords(fileBytes, ws, length, [&](size_t first, size_t n) {
            for (size_t w = first; w < first + n; ++w)
                out.push_back(offsetOf(w));
        });
        return;
    }
    // The first known letter decides for most words; only its survivors look at the others.
    const KnownLetter lead = known.front();
    const KnownLetter* const rest = known.data() + 1;
    const KnownLetter* const restEnd = known.data() + known.size();
    const char* const words = fileBytes.data() + ws.start;
    walkWords(fileBytes, ws, length, [&](size_t first, size_t n) {
        const char* word = words + first * length;
        for (size_t w = first; w < first + n; ++w, word += length) {
            if (word[lead.pos] != lead.c) continue;
            const KnownLetter* k = rest;
            while (k != restEnd && word[k->pos] == k->c)
                ++k;
            if (k == restEnd) out.push_back(offsetOf(w));
        }
    });
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
