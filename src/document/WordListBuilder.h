#pragma once
// Making word-list files (Data/2.dat .. Data/24.dat) from a plain list of words.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace WordListBuilder {

struct WordLists {
    // Words[L]: the words of L letters, cp1251 capitals, each once, in the order first met.
    std::array<std::vector<std::string>, 25> Words;
    size_t Skipped = 0;    // lines whose word cannot go into a word list (see BuildWordLists)
    size_t Duplicates = 0; // words met again
};

// Reads UTF-8 text, one word per line (blanks round a word are ignored, empty lines too). A word is
// skipped when cp1251 cannot hold it, when it holds a blank, a comma, a hyphen, a double quote or a
// control character, or when it has fewer than 2 or more than 24 letters.
WordLists BuildWordLists(std::string_view utf8Text);

// The bytes of one word-list file: the count, CR LF, all words one after another, CR LF.
std::string WordListFileText(const std::vector<std::string>& words);

} // namespace WordListBuilder
