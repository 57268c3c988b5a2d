#include "document/LineCursor.h"

#include <bit>
#include <cstring>

#include "basics/NumberText.h"

namespace {

// Position of the first CR or LF at or after from, or the size of the text. Short lines (the number
// lines) are tested eight bytes at a time: a byte equal to the searched one becomes zero after the
// exclusive or, and the lowest zero byte of a word is found exactly by the borrow trick (borrows only
// make false marks above it). A long line is left to memchr, which searches for the LF and then for a
// CR before it, so that no search runs past the line.
size_t lineEnd(std::string_view s, size_t from) {
    size_t i = from;
    const size_t n = s.size();
    if constexpr (std::endian::native == std::endian::little) {
        constexpr uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
        constexpr uint64_t lf = ones * '\n', cr = ones * '\r';
        const size_t shortEnd = from + 32;
        for (; i + 8 <= n && i < shortEnd; i += 8) {
            uint64_t v;
            std::memcpy(&v, s.data() + i, 8);
            const uint64_t a = v ^ lf, b = v ^ cr;
            const uint64_t marks = ((a - ones) & ~a & highs) | ((b - ones) & ~b & highs);
            if (marks != 0) return i + static_cast<size_t>(std::countr_zero(marks) >> 3);
        }
    }
    if (i >= n) return n;
    const char* base = s.data();
    const void* lfAt = std::memchr(base + i, '\n', n - i);
    const size_t lfPos = lfAt ? static_cast<size_t>(static_cast<const char*>(lfAt) - base) : n;
    const void* crAt = std::memchr(base + i, '\r', lfPos - i);
    return crAt ? static_cast<size_t>(static_cast<const char*>(crAt) - base) : lfPos;
}

} // namespace

std::string_view LineCursor::Text() {
    if (pos_ >= s_.size()) return {};
    const size_t end = lineEnd(s_, pos_);
    const std::string_view line = s_.substr(pos_, end - pos_);
    if (end >= s_.size())
        pos_ = s_.size();
    else if (s_[end] == '\r' && end + 1 < s_.size() && s_[end + 1] == '\n')
        pos_ = end + 2;
    else
        pos_ = end + 1;
    return line;
}

int32_t LineCursor::Number() {
    return LineNumber(Text());
}

int32_t LineCursor::LineNumber(std::string_view line) {
    // The lines the program writes (" 12 ", "-3 ") are read here directly; anything else goes to the
    // general number reader, which gives the same value for these.
    size_t i = 0;
    while (i < line.size() && line[i] == ' ')
        ++i;
    bool negative = false;
    if (i < line.size() && line[i] == '-') {
        negative = true;
        ++i;
    }
    const size_t digitsStart = i;
    int32_t v = 0;
    while (i < line.size() && line[i] >= '0' && line[i] <= '9' && i - digitsStart < 9) {
        v = v * 10 + (line[i] - '0');
        ++i;
    }
    const size_t digits = i - digitsStart;
    while (i < line.size() && line[i] == ' ')
        ++i;
    if (digits > 0 && i == line.size()) return negative ? -v : v;
    return NumberText::LeadingInt32(line).value_or(0);
}
