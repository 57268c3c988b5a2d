#include "document/WordListBuilder.h"

#include <algorithm>

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "basics/TextFile.h"
#include "document/WordSearch.h"

namespace WordListBuilder {
namespace {

constexpr unsigned char SmallYo = 0xB8, CapitalYo = 0xA8, CapitalYe = 0xC5;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Characters that would break the file (a comma or quote ends or opens the word string) or that no
// crossword cell holds.
bool fitsAWordList(std::string_view word) {
    for (char c : word) {
        const int code = Cp1251::Code(c);
        if (code < 32 || c == ' ' || c == ',' || c == '-' || c == '"' || code == 0x7F) return false;
    }
    return true;
}

bool writtenIn(std::string_view word, Letters letters) {
    auto small = [letters](unsigned char c) {
        switch (letters) {
        case Letters::SmallCyrillic:
            return c >= 0xE0 || c == SmallYo; // а..я are 0xE0..0xFF
        case Letters::SmallLatin:
            return c >= 'a' && c <= 'z';
        case Letters::Any:
            break;
        }
        return true;
    };
    return std::all_of(word.begin(), word.end(),
                       [&](char c) { return small(static_cast<unsigned char>(c)); });
}

// Alphabetical order of capitals: the byte order, except that Ё (0xA8) comes right after Е.
bool alphabeticallyBefore(const std::string& a, const std::string& b) {
    auto key = [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u == CapitalYo ? CapitalYe * 2 + 1 : u * 2;
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return key(x) < key(y); });
}

} // namespace

bool Builder::take(std::string word) {
    const size_t length = word.size();
    if (!seen_[length].insert(word).second) {
        ++lists_.Duplicates;
        return false;
    }
    lists_.Words[length].push_back(std::move(word));
    return true;
}

void Builder::AddWordListFile(std::string_view fileBytes, size_t length) {
    if (length < size_t{WordSearch::MinLength} || length > size_t{WordSearch::MaxLength}) return;
    const WordSearch::WordListView list = WordSearch::ViewWordList(fileBytes, length);
    for (size_t w = 0; w < list.Count; ++w)
        take(std::string(list.Words.substr(w * length, length)));
}

void Builder::AddEntries(const std::vector<std::string_view>& utf8Entries, const SourceOptions& options) {
    std::vector<std::string> words;
    words.reserve(utf8Entries.size());
    for (std::string_view entry : utf8Entries) {
        const auto cp = Cp1251::FromUtf8(entry);
        if (!cp) {
            ++lists_.Skipped;
            continue;
        }
        if (!writtenIn(*cp, options.Only)) {
            ++lists_.LeftOut;
            continue;
        }
        if (!fitsAWordList(*cp) || cp->size() < size_t{WordSearch::MinLength} ||
            cp->size() > size_t{WordSearch::MaxLength}) {
            ++lists_.Skipped;
            continue;
        }
        std::string word = Cp1251::ToUpper(*cp);
        if (options.YoAsE)
            std::replace(word.begin(), word.end(), static_cast<char>(CapitalYo),
                         static_cast<char>(CapitalYe));
        words.push_back(std::move(word));
    }
    if (options.Sorted) std::stable_sort(words.begin(), words.end(), alphabeticallyBefore);
    for (auto& w : words)
        take(std::move(w));
}

std::vector<std::string_view> PlainEntries(std::string_view utf8Text) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (utf8Text.substr(0, bom.size()) == bom) utf8Text.remove_prefix(bom.size());
    std::vector<std::string_view> entries;
    for (std::string_view line : TextFile::SplitLines(utf8Text)) {
        line = trimmed(line);
        if (!line.empty()) entries.push_back(line);
    }
    return entries;
}

WordLists BuildWordLists(std::string_view utf8Text) {
    Builder b;
    b.AddEntries(PlainEntries(utf8Text));
    return b.Lists();
}

std::string WordListFileText(const std::vector<std::string>& words) {
    size_t bytes = 0;
    for (const auto& w : words)
        bytes += w.size();
    std::string text = NumberText::Plain(static_cast<int64_t>(words.size()));
    text.reserve(text.size() + bytes + 4);
    text += "\r\n";
    for (const auto& w : words)
        text += w;
    text += "\r\n";
    return text;
}

} // namespace WordListBuilder
