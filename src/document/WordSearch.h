#pragma once
// Dictionary word search over the word-list files Data/2.dat .. Data/24.dat.
//
// A word-list file for length L is cp1251 text: line 1 the number of words N, then one text item with all
// N words written one after another in capitals, without separators (it ends at the first comma or line
// end). Word w (0-based) is the L characters at w * L of that item. The search matches in place: it never
// splits the word string into words.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace WordSearch {

// Pattern lengths that have a word-list file.
constexpr int32_t MinLength = 2;
constexpr int32_t MaxLength = 24;

// The character of a pattern that stands for any letter.
constexpr char Unknown = '?';

// The word string of a word-list file and the number of complete words of the given length it holds:
// the smaller of the stated count and what the text really holds (a count that claims more words than
// the file has, or a negative or missing count, never reaches past the text).
struct WordListView {
    std::string_view Words; // the Count words, pointing into the file's bytes
    uint32_t Count = 0;
};
WordListView ViewWordList(std::string_view fileBytes, size_t length);

// Offsets (into fileBytes) of the words that fit the pattern, in file order. The pattern is compared
// in capitals; "?" fits any letter, every other character must match exactly. The word length is the
// pattern's length; an empty pattern finds nothing. out is cleared first (its capacity is reused).
void FindWords(std::string_view fileBytes, std::string_view pattern, std::vector<uint32_t>& out);
std::vector<uint32_t> FindWords(std::string_view fileBytes, std::string_view pattern);

// The words of a word-list file that fit a pattern, copied out of the file one after another.
struct FoundWords {
    std::string Text;  // the words, each Length characters, without separators
    size_t Length = 0; // the pattern's length
    size_t Count() const { return Length == 0 ? 0 : Text.size() / Length; }
    std::string_view Word(size_t i) const { return std::string_view(Text).substr(i * Length, Length); }
};

// Word-list files larger than this are not read.
constexpr size_t MaxFileBytes = size_t{256} << 20;

// The words of the word-list file at path that fit the pattern, as FindWords finds them, in file order.
// The file is read piece by piece (pieceBytes at a time) into buffer, which the caller keeps from search
// to search: a search then costs one pass over the file and touches no fresh memory but for the words it
// finds. False, with nothing found, when the file cannot be read (missing, a folder, larger than
// MaxFileBytes, a read error).
bool SearchFile(const std::string& path, std::string_view pattern, FoundWords& out, std::string& buffer,
                size_t pieceBytes = size_t{256} << 10);

// The word at an offset FindWords returned.
inline std::string_view WordAt(std::string_view fileBytes, uint32_t offset, size_t length) {
    return fileBytes.substr(offset, length);
}

// appDir + "Data" + pathSep + L + ".dat" (appDir ends in its separator).
std::string WordListPath(std::string_view appDir, std::string_view pathSep, int32_t length);

} // namespace WordSearch
