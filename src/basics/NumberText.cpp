#include "basics/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace NumberText {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// The text with every blank removed, up to the first character that is neither blank nor able to
// continue a number is kept as is; callers scan from the front.
std::string withoutBlanks(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) s += c;
    return s;
}

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// &H and &O numbers: up to four digits are a 16-bit value, up to eight a 32-bit value (both in two's
// complement, so &HFFFF is -1); longer ones keep their full unsigned size.
double radixValue(const std::string& s, size_t pos, int base, bool& any) {
    double full = 0;
    uint64_t low = 0;
    size_t digits = 0;
    while (pos < s.size()) {
        int d = digitValue(s[pos], base);
        if (d < 0) break;
        if (digits > 0 || d != 0) ++digits;
        full = full * base + d;
        low = (low * static_cast<uint64_t>(base) + static_cast<uint64_t>(d)) & 0xFFFFFFFFFFFFull;
        ++pos;
        any = true;
    }
    const double limit16 = 65536.0, limit32 = 4294967296.0;
    if (full < limit16) {
        auto v = static_cast<int64_t>(full);
        return static_cast<double>(v >= 32768 ? v - 65536 : v);
    }
    if (full < limit32) {
        auto v = static_cast<int64_t>(full);
        return static_cast<double>(v >= 2147483648LL ? v - 4294967296LL : v);
    }
    return full;
}

double scan(std::string_view text, bool& any) {
    any = false;
    const std::string s = withoutBlanks(text);
    size_t pos = 0;
    if (s.size() >= 2 && s[0] == '&') {
        char k = s[1];
        if (k == 'h' || k == 'H') return radixValue(s, 2, 16, any);
        if (k == 'o' || k == 'O') return radixValue(s, 2, 8, any);
        return 0;
    }
    std::string num;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        if (s[pos] == '-') num += '-';
        ++pos;
    }
    bool mantissa = false;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
        num += s[pos++];
        mantissa = true;
    }
    if (pos < s.size() && s[pos] == '.') {
        num += '.';
        ++pos;
        while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
            num += s[pos++];
            mantissa = true;
        }
    }
    if (!mantissa) return 0;
    any = true;
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E' || s[pos] == 'd' || s[pos] == 'D')) {
        size_t p = pos + 1;
        std::string exp = "e";
        if (p < s.size() && (s[p] == '+' || s[p] == '-')) exp += s[p++];
        bool expDigits = false;
        while (p < s.size() && s[p] >= '0' && s[p] <= '9') {
            exp += s[p++];
            expDigits = true;
        }
        if (expDigits) num += exp;
    }
    double v = 0;
    auto res = std::from_chars(num.data(), num.data() + num.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: infinity with the sign, or zero.
        bool negative = num[0] == '-';
        bool tiny = num.find("e-") != std::string::npos;
        if (tiny) return 0;
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return v;
}

} // namespace

double LeadingValue(std::string_view text) {
    bool any = false;
    return scan(text, any);
}

bool HasLeadingNumber(std::string_view text) {
    bool any = false;
    scan(text, any);
    return any;
}

std::optional<int32_t> RoundToInt32(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    double r = std::nearbyint(v); // the default rounding mode sends halves to the even neighbour
    if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<int32_t>(r);
}

std::optional<int32_t> LeadingInt32(std::string_view text) {
    return RoundToInt32(LeadingValue(text));
}

std::string Plain(int64_t v) {
    return std::to_string(v);
}

std::string Signed(int64_t v) {
    std::string s = v >= 0 ? std::string(1, ' ') : std::string();
    s.append(std::to_string(v));
    return s;
}

std::string NumberLine(int64_t v) {
    return Signed(v) + " ";
}

void AppendNumberLine(std::string& out, int64_t v) {
    out.append(NumberLine(v));
    out.append("\r\n");
}

void AppendTextLine(std::string& out, std::string_view text) {
    out.append(text);
    out.append("\r\n");
}

} // namespace NumberText
