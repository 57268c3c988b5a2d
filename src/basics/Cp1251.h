#pragma once
// Text of the program is single-byte Windows-1251: a character is its byte code 0..255.
// This is the one place where that code page meets Unicode.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Cp1251 {

// Unicode code point of a cp1251 byte (0x98, unassigned in the code page, maps to U+0098).
char32_t ToUnicode(unsigned char c);

// cp1251 byte of a Unicode code point, or nothing when the code page cannot hold it.
std::optional<unsigned char> FromUnicode(char32_t u);

// cp1251 bytes -> UTF-8.
std::string ToUtf8(std::string_view cp1251);

// UTF-8 -> cp1251 bytes; nothing when a character cannot be held (or the UTF-8 is malformed).
std::optional<std::string> FromUtf8(std::string_view utf8);

// UTF-8 -> cp1251, every character cp1251 cannot hold becomes "?" (only for texts the user never typed).
std::string FromUtf8Lossy(std::string_view utf8);

// Upper and lower case of one cp1251 character, Cyrillic included; Е and Ё stay different letters.
unsigned char ToUpper(unsigned char c);
unsigned char ToLower(unsigned char c);
std::string ToUpper(std::string_view s);
std::string ToLower(std::string_view s);

// Code of a character as an int 0..255.
inline int Code(char c) {
    return static_cast<unsigned char>(c);
}
inline char Char(int code) {
    return static_cast<char>(static_cast<unsigned char>(code));
}

} // namespace Cp1251
