#include "document/WordSearch.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "basics/TextFile.h"

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

// Line 1 (the count) and the start of item 2 of a word-list file.
struct Header {
    size_t start = 0;      // offset of the first word in the file
    uint64_t promised = 0; // bytes the stated count promises: count x length
    bool quoted = false;   // the word string is a quoted item: it ends at the closing quote
};

// Reads the header from the start of a file. complete is false when s ends before the header does, so
// that more of the file could change it.
Header readHeader(std::string_view s, size_t length, bool& complete) {
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

    Header h;
    skipBlanks();
    // Every step above stops at a byte of s that ends it; one that ran to the end of s may go on beyond.
    complete = pos < s.size();
    h.quoted = pos < s.size() && s[pos] == '"';
    if (h.quoted) ++pos;
    h.start = pos;
    // At most 2^31 words of a few letters each: the product fits easily.
    h.promised = static_cast<uint64_t>(stated) * length;
    return h;
}

WordString locate(std::string_view s, size_t length) {
    bool complete = false;
    const Header h = readHeader(s, length, complete);
    WordString ws;
    ws.start = h.start;
    ws.quoted = h.quoted;
    std::string_view rest = s.substr(h.start, static_cast<size_t>(h.promised));
    if (ws.quoted) rest = rest.substr(0, rest.find('"'));
    // Offsets are 32-bit: a word must end within the first 4 GiB of the file.
    const size_t limit = std::numeric_limits<uint32_t>::max();
    ws.bytes = h.start >= limit ? 0 : std::min(rest.size(), limit - h.start);
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

// The known letters of a pattern and the test of words against them.
class Matcher {
  public:
    explicit Matcher(std::string_view pattern) : length_(pattern.size()) {
        for (size_t p = 0; p < length_; ++p) {
            const char c = static_cast<char>(Cp1251::ToUpper(static_cast<unsigned char>(pattern[p])));
            if (c != Unknown) known_.push_back({p, c});
        }
    }
    bool AnyKnown() const { return !known_.empty(); }

    // Calls fits(w) for each of the n words at words (length bytes each) that fits, in order.
    template <typename Fits> void Match(const char* words, size_t n, Fits fits) const {
        if (known_.empty()) {
            for (size_t w = 0; w < n; ++w)
                fits(w);
            return;
        }
        // The first known letter decides for most words; only its survivors look at the others.
        const KnownLetter lead = known_.front();
        const KnownLetter* const rest = known_.data() + 1;
        const KnownLetter* const restEnd = known_.data() + known_.size();
        const char* word = words;
        for (size_t w = 0; w < n; ++w, word += length_) {
            if (word[lead.pos] != lead.c) continue;
            const KnownLetter* k = rest;
            while (k != restEnd && word[k->pos] == k->c)
                ++k;
            if (k == restEnd) fits(w);
        }
    }

  private:
    struct KnownLetter {
        size_t pos;
        char c;
    };
    size_t length_;
    std::vector<KnownLetter> known_;
};

// Reads up to n bytes, as many as the file still has; the count read, or -1 on an error.
ssize_t readFully(int fd, char* p, size_t n) {
    size_t got = 0;
    while (got < n) {
        const ssize_t k = ::read(fd, p + got, n - got);
        if (k < 0 && errno == EINTR) continue;
        if (k < 0) return -1;
        if (k == 0) break;
        got += static_cast<size_t>(k);
    }
    return static_cast<ssize_t>(got);
}

struct FileCloser {
    int fd;
    ~FileCloser() { ::close(fd); }
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
    const Matcher matcher(pattern);
    if (!matcher.AnyKnown()) out.reserve(ws.bytes / length);
    const char* const words = fileBytes.data() + ws.start;
    walkWords(fileBytes, ws, length, [&](size_t first, size_t n) {
        matcher.Match(words + first * length, n, [&](size_t w) {
            out.push_back(static_cast<uint32_t>(ws.start + (first + w) * length));
        });
    });
}

std::vector<uint32_t> FindWords(std::string_view fileBytes, std::string_view pattern) {
    std::vector<uint32_t> out;
    FindWords(fileBytes, pattern, out);
    return out;
}

bool SearchFile(const std::string& path, std::string_view pattern, FoundWords& out, std::string& buffer,
                size_t pieceBytes) {
    out.Text.clear();
    out.Length = pattern.size();
    const size_t length = pattern.size();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const FileCloser closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode) || static_cast<uint64_t>(st.st_size) > MaxFileBytes)
        return false;
    if (length == 0) return true;

    // The buffer holds a piece and the start of a word cut off at its end; it is sized once and then
    // reused, so that a search touches no fresh memory but for the words it finds.
    buffer.resize(std::max(pieceBytes, 4 * size_t{MaxLength}));
    const ssize_t first = readFully(fd, buffer.data(), buffer.size());
    if (first < 0) return false;
    const Matcher matcher(pattern);
    if (!matcher.AnyKnown()) out.Text.reserve(static_cast<size_t>(st.st_size)); // every word: one allocation
    auto copyFound = [&](const char* words, size_t n) {
        matcher.Match(words, n, [&](size_t w) { out.Text.append(words + w * length, length); });
    };

    bool complete = false;
    const Header h =
        readHeader(std::string_view(buffer.data(), static_cast<size_t>(first)), length, complete);
    if (static_cast<size_t>(first) < buffer.size() || !complete) {
        // The whole file is in the buffer, or its first line is longer than a piece (read it all then).
        std::string whole;
        std::string_view file(buffer.data(), static_cast<size_t>(first));
        if (!complete && static_cast<size_t>(first) == buffer.size()) {
            if (TextFile::ReadAll(path, whole, MaxFileBytes) != TextFile::Error::None) return false;
            file = whole;
        }
        const WordString ws = locate(file, length);
        walkWords(file, ws, length,
                  [&](size_t w, size_t n) { copyFound(file.data() + ws.start + w * length, n); });
        return true;
    }

    // Piece by piece: the words of each piece up to the first delimiter (or closing quote), no more than
    // the count promises; a word cut off at the end of a piece is moved to the front for the next one.
    char* const words = buffer.data();
    size_t have = static_cast<size_t>(first) - h.start;
    std::memmove(words, words + h.start, have);
    uint64_t left = h.promised;
    for (;;) {
        size_t usable = static_cast<size_t>(std::min<uint64_t>(have, left));
        const size_t cut = h.quoted ? std::min(usable, std::string_view(words, usable).find('"'))
                                    : firstDelimiter(reinterpret_cast<const unsigned char*>(words), usable);
        const bool ended = cut < usable;
        usable = cut;
        const size_t n = usable / length;
        copyFound(words, n);
        left -= n * length;
        if (ended || left < length) return true;
        have -= n * length;
        std::memmove(words, words + n * length, have);
        const ssize_t k = readFully(fd, words + have, buffer.size() - have);
        if (k < 0) {
            out.Text.clear();
            return false;
        }
        if (k == 0) return true; // the end of the file: a word cut off there is not a word
        have += static_cast<size_t>(k);
    }
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
