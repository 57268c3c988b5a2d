#pragma once
// Reading the word stems of a hunspell dictionary (.dic with its .aff), for making word lists.
//
// The .dic file holds the approximate number of entries on its first line, then one entry a line: the
// stem, optionally "/" and its affix flags, optionally blanks or a tab and morphological fields. The .aff
// file names the encoding of both files in its SET line.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace HunspellDictionary {

// The encoding named by the SET line of an .aff file; hunspell's default ISO8859-1 when there is none.
std::string Encoding(std::string_view affText);

// The dictionary's text as UTF-8. Known encodings: UTF-8, KOI8-R, the cp1251 family (microsoft-cp1251,
// CP1251, WINDOWS-1251), ISO8859-5 and ISO8859-1 (names in any case). Nothing for any other encoding.
std::optional<std::string> ToUtf8(std::string_view bytes, std::string_view encoding);

// The stems of a .dic text (UTF-8), in file order: the count line skipped, flags and fields dropped,
// empty stems left out.
std::vector<std::string_view> Stems(std::string_view dicUtf8);

} // namespace HunspellDictionary
