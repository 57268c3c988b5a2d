#include "document/LineCursor.h"

#include <algorithm>
#include <cstring>

#include "basics/NumberText.h"

namespace {

size_t findFrom(std::string_view s, size_t from, char c) {
    if (from >= s.size()) return s.size();
    const void* p = std::memchr(s.data() + from, c, s.size() - from);
    return p ? static_cast<size_t>(static_cast<const char*>(p) - s.data()) : s.size();
}

} // namespace

LineCursor::LineCursor(std::string_view bytes) : s_(bytes) {
    nextLf_ = findFrom(s_, 0, '\n');
    nextCr_ = findFrom(s_, 0, '\r');
}

std::string_view LineCursor::Text() {
    if (pos_ >= s_.size()) return {};
    if (nextLf_ < pos_) nextLf_ = findFrom(s_, pos_, '\n');
    if (nextCr_ < pos_) nextCr_ = findFrom(s_, pos_, '\r');
    const size_t end = std::min(nextLf_, nextCr_);
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
