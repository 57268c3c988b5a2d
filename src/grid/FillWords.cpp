#include "grid/FillWords.h"

#include <algorithm>
#include <numeric>

#include "basics/Cp1251.h"
#include "basics/TextFile.h"
#include "document/WordSearch.h"

namespace {

// A blank or a control character cannot stand in a cell: entering such an answer is refused.
bool fitsCells(std::string_view word) {
    return std::all_of(word.begin(), word.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

} // namespace

FillWords FillWords::build(const std::array<std::vector<std::string_view>, MaxLength + 1>& words) {
    FillWords fw;
    fw.letterOf_.fill(NoLetter);

    // The alphabet: the bytes the words use, the most frequent 64 of them when there are more.
    std::array<uint64_t, 256> frequency{};
    for (const auto& list : words)
        for (std::string_view w : list)
            if (fitsCells(w))
                for (char c : w)
                    ++frequency[static_cast<unsigned char>(c)];
    std::vector<int> used;
    for (int b = 0; b < 256; ++b)
        if (frequency[static_cast<size_t>(b)] > 0) used.push_back(b);
    std::stable_sort(used.begin(), used.end(), [&](int a, int b) {
        return frequency[static_cast<size_t>(a)] > frequency[static_cast<size_t>(b)];
    });
    if (used.size() > static_cast<size_t>(MaxLetters)) used.resize(MaxLetters);
    std::sort(used.begin(), used.end());
    for (int b : used) {
        fw.letterOf_[static_cast<size_t>(b)] = static_cast<uint8_t>(fw.bytes_.size());
        fw.bytes_.push_back(static_cast<unsigned char>(b));
    }

    for (int32_t length = MinLength; length <= MaxLength; ++length) {
        const auto& list = words[static_cast<size_t>(length)];
        const size_t len = static_cast<size_t>(length);
        auto representable = [&](std::string_view w) {
            return w.size() == len && fitsCells(w) && std::all_of(w.begin(), w.end(), [&](char c) {
                       return fw.letterOf_[static_cast<unsigned char>(c)] != NoLetter;
                   });
        };
        // Each word once, at its first place in the list.
        std::vector<uint32_t> order;
        for (uint32_t i = 0; i < list.size(); ++i)
            if (representable(list[i])) order.push_back(i);
        std::stable_sort(order.begin(), order.end(),
                         [&](uint32_t a, uint32_t b) { return list[a] < list[b]; });
        std::vector<unsigned char> keep(list.size(), 0);
        for (size_t k = 0; k < order.size(); ++k)
            if (k == 0 || list[order[k]] != list[order[k - 1]]) keep[order[k]] = 1;

        OneLength& one = fw.byLength_[static_cast<size_t>(length)];
        std::vector<uint32_t> numberOf(list.size(), 0);
        for (uint32_t i = 0; i < list.size(); ++i) {
            if (!keep[i]) continue;
            numberOf[i] = one.count++;
            for (char c : list[i])
                one.letters.push_back(fw.letterOf_[static_cast<unsigned char>(c)]);
        }
        for (uint32_t i : order)
            if (keep[i]) one.sorted.push_back(numberOf[i]);
        one.blocks = (one.count + 63) / 64;
        one.bits.assign(len * fw.bytes_.size() * one.blocks, 0);
        for (uint32_t w = 0; w < one.count; ++w)
            for (size_t p = 0; p < len; ++p)
                one.bits[(p * fw.bytes_.size() + one.letters[w * len + p]) * one.blocks + w / 64] |=
                    uint64_t{1} << (w % 64);
        fw.total_ += one.count;
    }
    return fw;
}

FillWords FillWords::FromFiles(const std::array<std::string, MaxLength + 1>& files) {
    std::array<std::string, MaxLength + 1> upper;
    std::array<std::vector<std::string_view>, MaxLength + 1> words;
    for (int32_t length = MinLength; length <= MaxLength; ++length) {
        const size_t len = static_cast<size_t>(length);
        const WordSearch::WordListView view = WordSearch::ViewWordList(files[len], len);
        upper[len] = Cp1251::ToUpper(view.Words);
        const std::string_view all = upper[len];
        for (size_t w = 0; w < view.Count; ++w)
            words[len].push_back(all.substr(w * len, len));
    }
    return build(words);
}

FillWords FillWords::Load(std::string_view appDir, std::string_view pathSep) {
    std::array<std::string, MaxLength + 1> files;
    for (int32_t length = MinLength; length <= MaxLength; ++length) {
        std::string& bytes = files[static_cast<size_t>(length)];
        if (TextFile::ReadAll(WordSearch::WordListPath(appDir, pathSep, length), bytes) !=
            TextFile::Error::None)
            bytes.clear();
    }
    return FromFiles(files);
}

FillWords FillWords::FromWords(const std::vector<std::string>& list) {
    std::vector<std::string> upper;
    upper.reserve(list.size());
    for (const std::string& w : list)
        upper.push_back(Cp1251::ToUpper(w));
    std::array<std::vector<std::string_view>, MaxLength + 1> words;
    for (const std::string& w : upper)
        if (w.size() >= static_cast<size_t>(MinLength) && w.size() <= static_cast<size_t>(MaxLength))
            words[w.size()].push_back(w);
    return build(words);
}

uint32_t FillWords::Count(int32_t length) const {
    if (length < MinLength || length > MaxLength) return 0;
    return byLength_[static_cast<size_t>(length)].count;
}

std::string FillWords::Word(int32_t length, uint32_t word) const {
    std::string s(static_cast<size_t>(length), ' ');
    const uint8_t* letters = Letters(length, word);
    for (size_t p = 0; p < s.size(); ++p)
        s[p] = static_cast<char>(bytes_[letters[p]]);
    return s;
}

std::optional<uint32_t> FillWords::Find(std::string_view word) const {
    const int32_t length = static_cast<int32_t>(word.size());
    if (Count(length) == 0) return std::nullopt;
    std::vector<uint8_t> key;
    for (char c : word) {
        const uint8_t l = letterOf_[static_cast<unsigned char>(c)];
        if (l == NoLetter) return std::nullopt;
        key.push_back(l);
    }
    // Letter numbers follow the byte order, so the words sorted by bytes are sorted by letters too.
    const OneLength& one = byLength_[static_cast<size_t>(length)];
    auto less = [&](uint32_t w, const std::vector<uint8_t>& k) {
        return std::lexicographical_compare(Letters(length, w), Letters(length, w) + length, k.begin(),
                                            k.end());
    };
    auto it = std::lower_bound(one.sorted.begin(), one.sorted.end(), key, less);
    if (it == one.sorted.end() || !std::equal(key.begin(), key.end(), Letters(length, *it)))
        return std::nullopt;
    return *it;
}
