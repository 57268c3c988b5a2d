#include "grid/GridFill.h"

#include <algorithm>
#include <map>
#include <optional>

#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "grid/AddSlovoM.h"
#include "grid/WordPlace.h"

namespace GridFill {

GridProblem ProblemOf(const KrossDocument& doc) {
    GridProblem g;
    g.Problem.Width = doc.GridWidth;
    g.Problem.Height = doc.GridHeight;
    const bool answers = doc.NoAnswers == 0 && !doc.ClueTexts.TwoDimensional();
    const int32_t numbers = std::min(doc.NumberCount, doc.SlotTable.Ubound0());
    for (int32_t n = 1; n <= numbers; ++n)
        for (int32_t d = 0; d <= 1; ++d) {
            if (doc.WordLength(n, d) <= 0) continue;
            const auto place = PlaceOf(doc, doc.SlotTable, n, d);
            if (!place) continue;
            FillEngine::Slot s;
            s.X = place->X;
            s.Y = place->Y;
            s.Length = place->Length;
            s.Direction = d;
            if (answers) s.Answer = doc.ClueTexts.Answer(n, d);
            g.Problem.Slots.push_back(std::move(s));
            g.Words.emplace_back(n, d);
        }
    return g;
}

std::vector<FilledWord> FilledWordsOf(const GridProblem& problem, const FillEngine::Result& result) {
    std::vector<FilledWord> out;
    if (result.Kind != FillEngine::Outcome::Filled) return out;
    for (size_t k = 0; k < problem.Words.size() && k < result.Answers.size(); ++k)
        if (!result.Answers[k].empty())
            out.push_back({problem.Words[k].first, problem.Words[k].second, result.Answers[k]});
    return out;
}

bool EnterFill(KrossDocument& doc, const std::vector<FilledWord>& words) {
    if (doc.AppMode != Mode::Authoring || doc.NoAnswers != 0) return false;
    for (const FilledWord& w : words)
        if (!doc.ClueTexts.Answer(w.Number, w.Direction).empty() ||
            AddSlovoM::CheckStore(doc, w.Number, w.Direction, w.Answer).Kind != AddSlovoM::StoreCheck::Ok)
            return false;
    const bool modified = doc.Modified;
    for (size_t k = 0; k < words.size(); ++k) {
        const FilledWord& w = words[k];
        // The fill agrees with itself, so this holds unless two filled words cross with different letters.
        if (AddSlovoM::CheckStore(doc, w.Number, w.Direction, w.Answer).Kind != AddSlovoM::StoreCheck::Ok) {
            TakeBackFill(doc,
                         std::vector<FilledWord>(words.begin(), words.begin() + static_cast<ptrdiff_t>(k)));
            doc.Modified = modified;
            return false;
        }
        // A clue the author already wrote for the word stays.
        AddSlovoM::StoreAnswer(doc, w.Number, w.Direction, doc.ClueTexts.Clue(w.Number, w.Direction),
                               w.Answer);
    }
    return true;
}

void TakeBackFill(KrossDocument& doc, const std::vector<FilledWord>& words) {
    for (auto it = words.rbegin(); it != words.rend(); ++it)
        AddSlovoM::RemoveAnswer(doc, it->Number, it->Direction,
                                doc.ClueTexts.Clue(it->Number, it->Direction));
}

std::string OutcomeMessage(const InterfaceTexts& texts, const GridProblem& problem,
                           const FillEngine::Result& result) {
    switch (result.Kind) {
    case FillEngine::Outcome::Filled:
        return {};
    case FillEngine::Outcome::Stopped:
        return Text(texts, FillText::Stopped);
    case FillEngine::Outcome::TimedOut:
        return Text(texts, FillText::TimedOut);
    case FillEngine::Outcome::Impossible:
        break;
    }
    std::string s = Text(texts, FillText::NoFill);
    const size_t k = static_cast<size_t>(result.Unfillable);
    if (result.Unfillable >= 0 && k < problem.Words.size()) {
        const auto [n, d] = problem.Words[k];
        s += ' ';
        s += NumberText::Plain(n);
        s += ' ';
        s += Text(texts, d == 0 ? FillText::Across : FillText::Down);
    }
    return s;
}

namespace {

using ByteSet = std::array<uint64_t, 4>;

void addByte(ByteSet& s, unsigned char b) {
    s[b / 64] |= uint64_t{1} << (b % 64);
}
bool hasByte(const ByteSet& s, unsigned char b) {
    return (s[b / 64] >> (b % 64)) & 1;
}

} // namespace

CrossingFilter::CrossingFilter(const KrossDocument& doc, int32_t n, int32_t d, const FillWords& words) {
    const GridProblem g = ProblemOf(doc);
    const auto& slots = g.Problem.Slots;
    auto cellOf = [](const FillEngine::Slot& s, int32_t i) {
        return std::pair{s.X + (s.Direction == 0 ? i : 0), s.Y + (s.Direction == 0 ? 0 : i)};
    };
    // The slots through each cell, with the word's position there.
    std::map<std::pair<int32_t, int32_t>, std::vector<std::pair<size_t, int32_t>>> through;
    std::optional<size_t> self;
    for (size_t k = 0; k < slots.size(); ++k) {
        if (g.Words[k] == std::pair{n, d}) self = k;
        for (int32_t i = 0; i < slots[k].Length; ++i)
            through[cellOf(slots[k], i)].emplace_back(k, i);
    }
    if (!self) return;
    const FillEngine::Slot& word = slots[*self];
    ByteSet all;
    all.fill(~uint64_t{0});
    allowed_.assign(static_cast<size_t>(word.Length), all);

    // The letter the answers other than of slot `except` put into a cell: 0 when none, -1 when they differ.
    auto givenLetter = [&](std::pair<int32_t, int32_t> cell, size_t except) {
        int32_t letter = 0;
        for (auto [k, i] : through[cell]) {
            const std::string& a = slots[k].Answer;
            if (k == except || a.size() != static_cast<size_t>(slots[k].Length)) continue;
            const int32_t c = Cp1251::Code(a[static_cast<size_t>(i)]);
            if (letter != 0 && letter != c) return -1;
            letter = c;
        }
        return letter;
    };

    for (int32_t i = 0; i < word.Length; ++i) {
        ByteSet& allowed = allowed_[static_cast<size_t>(i)];
        for (auto [k, q] : through[cellOf(word, i)]) {
            if (k == *self) continue;
            const FillEngine::Slot& crossing = slots[k];
            ByteSet fits{};
            if (crossing.Answer.size() == static_cast<size_t>(crossing.Length)) {
                addByte(fits, static_cast<unsigned char>(crossing.Answer[static_cast<size_t>(q)]));
            } else if (crossing.Answer.empty()) {
                // The crossing word's other letters, as letter numbers of the lists.
                std::vector<std::pair<int32_t, uint8_t>> known;
                bool possible = true;
                for (int32_t r = 0; r < crossing.Length && possible; ++r) {
                    if (r == q) continue;
                    const int32_t c = givenLetter(cellOf(crossing, r), k);
                    if (c < 0) possible = false;
                    if (c <= 0) continue;
                    const uint8_t letter = words.LetterOf(static_cast<unsigned char>(c));
                    if (letter == FillWords::NoLetter) possible = false;
                    known.emplace_back(r, letter);
                }
                const uint32_t count = possible ? words.Count(crossing.Length) : 0;
                for (uint32_t w = 0; w < count; ++w) {
                    const uint8_t* letters = words.Letters(crossing.Length, w);
                    if (std::all_of(known.begin(), known.end(),
                                    [&](auto kl) { return letters[kl.first] == kl.second; }))
                        addByte(fits, words.ByteOf(letters[q]));
                }
            } else {
                continue; // an answer of the wrong length puts no letters anywhere
            }
            for (size_t b = 0; b < allowed.size(); ++b)
                allowed[b] &= fits[b];
        }
    }
}

bool CrossingFilter::Keeps(std::string_view candidate) const {
    if (allowed_.empty() || candidate.size() != allowed_.size()) return false;
    for (size_t i = 0; i < candidate.size(); ++i)
        if (!hasByte(allowed_[i], Cp1251::ToUpper(static_cast<unsigned char>(candidate[i])))) return false;
    return true;
}

} // namespace GridFill
