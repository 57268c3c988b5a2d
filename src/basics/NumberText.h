#pragma once
// Numbers as the program reads and writes them in texts and files.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace NumberText {

// The leading number of a text: blanks (space, tab, line feed) are skipped anywhere, then an optional
// sign, digits, an optional fraction and exponent (E or D), or &H / &O for hexadecimal / octal.
// A text without a leading number reads as 0. Huge values come back as large or infinite doubles.
double LeadingValue(std::string_view text);

// True when the text starts with a number (after blanks) in the sense of LeadingValue.
bool HasLeadingNumber(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour; nothing when the result does not
// fit a signed 32-bit integer (or the value is not a number).
std::optional<int32_t> RoundToInt32(double v);

// LeadingValue rounded; nothing when it does not fit 32 bits.
std::optional<int32_t> LeadingInt32(std::string_view text);

// " 20" / "-3": a value of zero or more gets a blank in the sign position.
std::string Signed(int64_t v);

// The number line of the program's files: " 20 " / "-3 ".
std::string NumberLine(int64_t v);

// Appends the number line of v and CR LF; the files' lines end so.
void AppendNumberLine(std::string& out, int64_t v);
// Appends a text line and CR LF.
void AppendTextLine(std::string& out, std::string_view text);

// Digits only, no sign position: "20" / "-3".
std::string Plain(int64_t v);

} // namespace NumberText
