#include "basics/Cp1251.h"

#include <array>

namespace Cp1251 {
namespace {

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char32_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

struct CaseTables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
    constexpr CaseTables() {
        for (int i = 0; i < 256; ++i) {
            upper[i] = static_cast<unsigned char>(i);
            lower[i] = static_cast<unsigned char>(i);
        }
        auto pair = [this](int up, int low) {
            upper[low] = static_cast<unsigned char>(up);
            lower[up] = static_cast<unsigned char>(low);
        };
        for (int i = 0; i < 26; ++i)
            pair('A' + i, 'a' + i);
        for (int i = 0; i < 32; ++i)
            pair(0xC0 + i, 0xE0 + i); // А..Я / а..я
        pair(0xA8, 0xB8);             // Ё ё
        pair(0x80, 0x90);             // Ђ ђ
        pair(0x81, 0x83);             // Ѓ ѓ
        pair(0x8A, 0x9A);             // Љ љ
        pair(0x8C, 0x9C);             // Њ њ
        pair(0x8D, 0x9D);             // Ќ ќ
        pair(0x8E, 0x9E);             // Ћ ћ
        pair(0x8F, 0x9F);             // Џ џ
        pair(0xA1, 0xA2);             // Ў ў
        pair(0xA3, 0xBC);             // Ј ј
        pair(0xA5, 0xB4);             // Ґ ґ
        pair(0xAA, 0xBA);             // Є є
        pair(0xAF, 0xBF);             // Ї ї
        pair(0xB2, 0xB3);             // І і
        pair(0xBD, 0xBE);             // Ѕ ѕ
    }
};
constexpr CaseTables kCase;

void appendUtf8(std::string& out, char32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// Decodes one UTF-8 character at s[i]; advances i. Returns nothing on malformed input.
std::optional<char32_t> nextUtf8(std::string_view s, size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t u = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        u = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        u = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        u = b0 & 0x07;
    } else {
        ++i;
        return std::nullopt;
    }
    if (i + static_cast<size_t>(extra) >= s.size()) {
        i = s.size();
        return std::nullopt;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((b & 0xC0) != 0x80) {
            i += static_cast<size_t>(k);
            return std::nullopt;
        }
        u = (u << 6) | (b & 0x3F);
    }
    i += static_cast<size_t>(extra) + 1;
    return u;
}

} // namespace

char32_t ToUnicode(unsigned char c) {
    if (c < 0x80) return c;
    if (c >= 0xC0) return 0x0410 + (c - 0xC0);
    return kHigh[c - 0x80];
}

std::optional<unsigned char> FromUnicode(char32_t u) {
    if (u < 0x80) return static_cast<unsigned char>(u);
    if (u >= 0x0410 && u <= 0x044F) return static_cast<unsigned char>(0xC0 + (u - 0x0410));
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::string ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char c : cp1251)
        appendUtf8(out, ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        auto u = nextUtf8(utf8, i);
        if (!u) return std::nullopt;
        auto c = FromUnicode(*u);
        if (!c) return std::nullopt;
        out += static_cast<char>(*c);
    }
    return out;
}

std::string FromUtf8Lossy(std::string_view utf8) {
    std::string out;
    size_t i = 0;
    while (i < utf8.size()) {
        auto u = nextUtf8(utf8, i);
        auto c = u ? FromUnicode(*u) : std::nullopt;
        out += c ? static_cast<char>(*c) : '?';
    }
    return out;
}

unsigned char ToUpper(unsigned char c) {
    return kCase.upper[c];
}
unsigned char ToLower(unsigned char c) {
    return kCase.lower[c];
}

std::string ToUpper(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        c = static_cast<char>(kCase.upper[static_cast<unsigned char>(c)]);
    return out;
}

std::string ToLower(std::string_view s) {
    std::string out(s);
    for (auto& c : out)
        c = static_cast<char>(kCase.lower[static_cast<unsigned char>(c)]);
    return out;
}

} // namespace Cp1251
