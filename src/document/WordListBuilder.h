#pragma once
// Making word-list files (Data/2.dat .. Data/24.dat) from plain word lists and dictionaries.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace WordListBuilder {

struct WordLists {
    // Words[L]: the words of L letters, cp1251 capitals, each once, in the order they were added.
    std::array<std::vector<std::string>, 25> Words;
    size_t Skipped = 0;    // entries that cannot go into a word list (see Builder::AddEntries)
    size_t Duplicates = 0; // words met again
    size_t LeftOut = 0;    // entries written in other letters than a source asked for (SourceOptions::Only)
};

// Which entries of a source are taken, by the letters they are written in.
enum class Letters {
    Any,           // every entry a word list can hold
    SmallCyrillic, // only entries written wholly in small Russian letters (а..я, ё): names and
                   // abbreviations, which dictionaries write with capitals, stay out
    SmallLatin,    // only entries written wholly in small Latin letters (a..z)
};

struct SourceOptions {
    Letters Only = Letters::Any;
    bool YoAsE = false;  // Ё is written as Е, as crosswords write it
    bool Sorted = false; // the source's words in alphabetical order (Ё after Е), not in the source's order
};

// Collects the words of several sources into one set of word lists: the words of an earlier source come
// first in every file, and a word already taken is not taken again.
class Builder {
  public:
    // The words of an existing word-list file of the given length, as they stand (the file's own capitals).
    void AddWordListFile(std::string_view fileBytes, size_t length);
    // Entries of one source, UTF-8, one word each. An entry is skipped when cp1251 cannot hold it, when it
    // holds a blank, a comma, a hyphen, a double quote or a control character, or when it has fewer than
    // 2 or more than 24 letters; the others are written in capitals.
    void AddEntries(const std::vector<std::string_view>& utf8Entries, const SourceOptions& options = {});

    const WordLists& Lists() const { return lists_; }

  private:
    bool take(std::string word);
    WordLists lists_;
    std::array<std::unordered_set<std::string>, 25> seen_;
};

// The entries of a plain UTF-8 word list: one per line, blanks round an entry and empty lines ignored, a
// byte order mark at the start dropped.
std::vector<std::string_view> PlainEntries(std::string_view utf8Text);

// One plain UTF-8 word list with the default options.
WordLists BuildWordLists(std::string_view utf8Text);

// The bytes of one word-list file: the count, CR LF, all words one after another, CR LF.
std::string WordListFileText(const std::vector<std::string>& words);

} // namespace WordListBuilder
