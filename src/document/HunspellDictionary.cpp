#include "document/HunspellDictionary.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "basics/Cp1251.h"
#include "basics/TextFile.h"

namespace HunspellDictionary {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string upperAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

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

// KOI8-R: the letters lie at 0xC0..0xFF (small, then capital) in the order of the Latin keyboard, ё and Ё
// at 0xA3 and 0xB3. The other upper bytes draw boxes; no word holds them.
constexpr std::u32string_view Koi8Letters = U"юабцдефгхийклмнопярстужвьызшэщчъ"
                                            U"ЮАБЦДЕФГХИЙКЛМНОПЯРСТУЖВЬЫЗШЭЩЧЪ";
char32_t fromKoi8r(unsigned char c) {
    if (c < 0x80) return c;
    if (c >= 0xC0) return Koi8Letters[c - 0xC0];
    if (c == 0xA3) return U'ё';
    if (c == 0xB3) return U'Ё';
    return 0xFFFD;
}

// ISO 8859-5: the Cyrillic block of Unicode from U+0401 at 0xA1 on, with three exceptions.
char32_t fromIso88595(unsigned char c) {
    if (c <= 0xA0) return c;
    if (c == 0xAD) return 0x00AD; // soft hyphen
    if (c == 0xF0) return 0x2116; // numero sign
    if (c == 0xFD) return 0x00A7; // section sign
    return 0x0401 + (c - 0xA1);
}

template <typename Decode> std::string decodeBytes(std::string_view bytes, Decode decode) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
        appendUtf8(out, decode(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

std::string Encoding(std::string_view affText) {
    for (std::string_view line : TextFile::SplitLines(affText)) {
        while (!line.empty() && isBlank(line.front()))
            line.remove_prefix(1);
        if (line.size() < 4 || line.substr(0, 3) != "SET" || !isBlank(line[3])) continue;
        line.remove_prefix(4);
        while (!line.empty() && isBlank(line.front()))
            line.remove_prefix(1);
        const size_t end = std::find_if(line.begin(), line.end(), isBlank) - line.begin();
        return std::string(line.substr(0, end));
    }
    return "ISO8859-1";
}

std::optional<std::string> ToUtf8(std::string_view bytes, std::string_view encoding) {
    const std::string name = upperAscii(encoding);
    if (name == "UTF-8" || name == "UTF8") return std::string(bytes);
    if (name == "KOI8-R") return decodeBytes(bytes, fromKoi8r);
    if (name == "MICROSOFT-CP1251" || name == "CP1251" || name == "WINDOWS-1251")
        return decodeBytes(bytes, Cp1251::ToUnicode);
    if (name == "ISO8859-5" || name == "ISO-8859-5") return decodeBytes(bytes, fromIso88595);
    if (name == "ISO8859-1" || name == "ISO-8859-1")
        return decodeBytes(bytes, [](unsigned char c) { return char32_t{c}; });
    return std::nullopt;
}

std::vector<std::string_view> Stems(std::string_view dicUtf8) {
    std::vector<std::string_view> stems;
    const std::vector<std::string_view> lines = TextFile::SplitLines(dicUtf8);
    stems.reserve(lines.size());
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const size_t end = line.find_first_of("/ \t");
        const std::string_view stem = line.substr(0, end);
        // "\/" writes a slash inside a stem; no crossword cell holds one.
        if (stem.empty() || stem.find('\\') != std::string_view::npos) continue;
        stems.push_back(stem);
    }
    return stems;
}

} // namespace HunspellDictionary
