#include "document/WordListBuilder.h"

#include <unordered_set>

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "basics/TextFile.h"
#include "document/WordSearch.h"

namespace WordListBuilder {
namespace {

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

} // namespace

WordLists BuildWordLists(std::string_view utf8Text) {
    WordLists lists;
    std::array<std::unordered_set<std::string>, 25> seen;
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (utf8Text.substr(0, bom.size()) == bom) utf8Text.remove_prefix(bom.size());
    for (std::string_view line : TextFile::SplitLines(utf8Text)) {
        line = trimmed(line);
        if (line.empty()) continue;
        const auto cp = Cp1251::FromUtf8(line);
        if (!cp || !fitsAWordList(*cp) || cp->size() < size_t{WordSearch::MinLength} ||
            cp->size() > size_t{WordSearch::MaxLength}) {
            ++lists.Skipped;
            continue;
        }
        std::string word = Cp1251::ToUpper(*cp);
        const size_t length = word.size();
        if (!seen[length].insert(word).second) {
            ++lists.Duplicates;
            continue;
        }
        lists.Words[length].push_back(std::move(word));
    }
    return lists;
}

std::string WordListFileText(const std::vector<std::string>& words) {
    std::string text = NumberText::Plain(static_cast<int64_t>(words.size()));
    text += "\r\n";
    for (const auto& w : words)
        text += w;
    text += "\r\n";
    return text;
}

} // namespace WordListBuilder
