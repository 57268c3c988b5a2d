#include "app/SettingsFile.h"

#include <optional>

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "basics/TextFile.h"
#include "document/GridLimits.h"

namespace {

constexpr std::string_view FormatVersion = "6.5";
constexpr std::string_view LineEnd = "\r\n";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view t) {
    while (!t.empty() && isBlank(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && isBlank(t.back()))
        t.remove_suffix(1);
    return t;
}

bool isDigit(char c, int base) {
    if (base == 8) return c >= '0' && c <= '7';
    if (c >= '0' && c <= '9') return true;
    return base == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

// True when the whole text is one number: a decimal with optional sign, fraction and exponent (E or D),
// or &H / &O digits. "1abc" and "1 2" are not numbers here, so they give no Boolean.
bool isWholeNumber(std::string_view t) {
    size_t i = 0;
    auto digits = [&](int base) {
        size_t start = i;
        while (i < t.size() && isDigit(t[i], base))
            ++i;
        return i > start;
    };
    if (t.size() >= 2 && t[0] == '&') {
        char k = t[1];
        i = 2;
        if (k == 'h' || k == 'H') return digits(16) && i == t.size();
        if (k == 'o' || k == 'O') return digits(8) && i == t.size();
        return false;
    }
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    bool mantissa = digits(10);
    if (i < t.size() && t[i] == '.') {
        ++i;
        mantissa = digits(10) || mantissa;
    }
    if (!mantissa) return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E' || t[i] == 'd' || t[i] == 'D')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (!digits(10)) return false;
    }
    return i == t.size();
}

// "True" / "False" in any letter case, or a number (0 is False, anything else True).
std::optional<bool> booleanOf(std::string_view field) {
    const std::string_view t = trimBlanks(field);
    const std::string upper = Cp1251::ToUpper(t);
    if (upper == "TRUE") return true;
    if (upper == "FALSE") return false;
    if (isWholeNumber(t)) return NumberText::LeadingValue(t) != 0;
    return std::nullopt;
}

std::optional<int32_t> numberOf(std::string_view field) {
    if (!NumberText::HasLeadingNumber(field)) return std::nullopt;
    return NumberText::LeadingInt32(field);
}

// A text line as the reader takes it back unchanged. Quoting is needed when the text holds a comma or a
// line break, or starts with a blank (which the reader skips) or a double quote (which would open a
// quoted field). A quoted field cannot hold a double quote, so those are dropped from it.
std::string textLine(std::string_view t) {
    const bool quote =
        t.find_first_of(",\r\n") != std::string_view::npos || (!t.empty() && (isBlank(t[0]) || t[0] == '"'));
    if (!quote) return std::string(t);
    std::string out = "\"";
    for (char c : t)
        if (c != '"') out += c;
    out += '"';
    return out;
}

std::string booleanLine(bool b) {
    return b ? "True" : "False";
}

// Every value a dialog would not allow goes back to its default.
void keepToTheDialogs(Settings& s) {
    const Settings d = DefaultSettings();
    using namespace SettingsRange;
    auto within = [](int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; };
    if (!IsLanguageFileName(s.LanguageFile)) s.LanguageFile = d.LanguageFile;
    if (s.LetterFontName.size() > MaxNameLength) s.LetterFontName = d.LetterFontName;
    if (!within(s.LetterFontSize, MinLetterFontSize, MaxLetterFontSize)) s.LetterFontSize = d.LetterFontSize;
    if (!within(s.LetterFontColor, 0, MaxColor)) s.LetterFontColor = d.LetterFontColor;
    // The cell and font dialog takes any size a one-cell field can be drawn at.
    if (!GridLimits::GridFits(1, 1, s.CellSize)) s.CellSize = d.CellSize;
    if (!within(s.NumberSize, MinNumberSize, MaxNumberSize)) s.NumberSize = d.NumberSize;
    if (!within(s.StyleIndex, MinStyle, MaxStyle)) s.StyleIndex = d.StyleIndex;
}

} // namespace

bool IsLanguageFileName(std::string_view name) {
    if (name.size() > SettingsRange::MaxNameLength || name == "." || name == "..") return false;
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '/' || c == '\\' || u < 0x20 || u == 0x7F) return false;
    }
    return true;
}

Settings DefaultSettings() {
    Settings s;
    s.LetterFontName = "MS Sans Serif";
    s.LetterFontSize = 10;
    s.LetterFontBold = true;
    s.CellSize = 20;
    s.NumberSize = 1;
    return s;
}

namespace {

void readFields(std::string_view bytes, Settings& s) {
    TextFile::FieldReader r(bytes);
    std::string field;
    if (!r.Text(field) || field != FormatVersion) return;

    // Each reader returns false once the file has ended; the settings after that keep their values.
    auto text = [&](std::string& target) {
        if (!r.Text(field)) return false;
        target = field;
        return true;
    };
    auto number = [&](int32_t& target) {
        if (!r.NumberField(field)) return false;
        if (auto v = numberOf(field)) target = *v;
        return true;
    };
    auto boolean = [&](bool& target) {
        if (!r.Text(field)) return false;
        if (auto v = booleanOf(field)) target = *v;
        return true;
    };

    std::string languageFile;
    if (!text(languageFile)) return;
    s.LanguageFile = Cp1251::ToUtf8(languageFile);
    if (!text(s.LetterFontName)) return;
    if (!number(s.LetterFontSize)) return;
    if (!boolean(s.LetterFontBold)) return;
    if (!boolean(s.LetterFontItalic)) return;
    if (!boolean(s.LetterFontUnderline)) return;
    if (!number(s.LetterFontColor)) return;
    if (!number(s.CellSize)) return;
    if (!number(s.NumberSize)) return;
    if (!number(s.StyleIndex)) return;
    // Later settings follow the classic lines. A symmetry other than the three choices keeps the one in
    // force.
    int32_t symmetry = s.Symmetry;
    if (!number(symmetry)) return;
    if (symmetry >= SymmetryChoice::None && symmetry <= SymmetryChoice::HalfTurn) s.Symmetry = symmetry;
}

} // namespace

void ReadSettingsText(std::string_view bytes, Settings& s) {
    readFields(bytes, s);
    keepToTheDialogs(s);
}

std::string SettingsFileText(const Settings& s) {
    // The language file name is a native name; the file holds it in cp1251. A name the code page cannot
    // hold is left out, so the next start falls back to the default language instead of a wrong name.
    const std::string languageFile = Cp1251::FromUtf8(s.LanguageFile).value_or(std::string());
    const std::string lines[] = {
        std::string(FormatVersion),           textLine(languageFile),
        textLine(s.LetterFontName),           NumberText::NumberLine(s.LetterFontSize),
        booleanLine(s.LetterFontBold),        booleanLine(s.LetterFontItalic),
        booleanLine(s.LetterFontUnderline),   NumberText::NumberLine(s.LetterFontColor),
        NumberText::NumberLine(s.CellSize),   NumberText::NumberLine(s.NumberSize),
        NumberText::NumberLine(s.StyleIndex), NumberText::NumberLine(s.Symmetry),
    };
    std::string out;
    for (const auto& line : lines) {
        out += line;
        out += LineEnd;
    }
    return out;
}
