#pragma once
// A plain exhaustive filler to check the fill engine against: tries every word in every slot, in slot
// order, so that it is obviously right and only fit for tiny grids and lists.
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "basics/Cp1251.h"
#include "grid/FillEngine.h"

namespace fillcheck {

using Cell = std::pair<int64_t, int64_t>;

inline bool inside(const FillEngine::Problem& p, const FillEngine::Slot& s) {
    if (s.Direction != 0 && s.Direction != 1) return false;
    if (s.Length < 1 || s.X < 0 || s.Y < 0) return false;
    const int64_t lastX = int64_t{s.X} + (s.Direction == 0 ? s.Length - 1 : 0);
    const int64_t lastY = int64_t{s.Y} + (s.Direction == 1 ? s.Length - 1 : 0);
    return lastX < p.Width && lastY < p.Height;
}

inline Cell cellOf(const FillEngine::Slot& s, int32_t i) {
    return {int64_t{s.X} + (s.Direction == 0 ? i : 0), int64_t{s.Y} + (s.Direction == 0 ? 0 : i)};
}

// The words a fill may use: the list in capitals, without words holding a blank or control character,
// lengths 2..24.
inline std::set<std::string> usable(const std::vector<std::string>& list) {
    std::set<std::string> out;
    for (const std::string& w : list) {
        if (w.size() < 2 || w.size() > 24) continue;
        bool ok = true;
        for (char c : w)
            ok = ok && static_cast<unsigned char>(c) > ' ';
        if (ok) out.insert(Cp1251::ToUpper(w));
    }
    return out;
}

class BruteForce {
  public:
    BruteForce(const FillEngine::Problem& p, const std::vector<std::string>& list)
        : p_(p), words_(usable(list)) {
        for (const auto& s : p_.Slots) {
            if (!s.Answer.empty()) {
                given_.insert(s.Answer);
                if (inside(p_, s) && s.Answer.size() == static_cast<size_t>(s.Length))
                    for (int32_t i = 0; i < s.Length; ++i)
                        fixed_[cellOf(s, i)].insert(s.Answer[static_cast<size_t>(i)]);
            }
        }
        for (size_t k = 0; k < p_.Slots.size(); ++k)
            if (p_.Slots[k].Answer.empty()) open_.push_back(k);
    }

    // Whether any fill exists.
    bool Fillable() {
        letters_.clear();
        used_.clear();
        return place(0);
    }

    // "" when answers (per slot, as the engine gives them) are a fill, else what is wrong.
    std::string Check(const std::vector<std::string>& answers) const {
        if (answers.size() != p_.Slots.size()) return "one answer per slot expected";
        std::map<Cell, char> cell;
        std::set<std::string> seen;
        for (size_t k = 0; k < p_.Slots.size(); ++k) {
            const auto& s = p_.Slots[k];
            const std::string& a = answers[k];
            if (!s.Answer.empty()) {
                if (!a.empty()) return "slot " + std::to_string(k) + " had an answer and got a word";
                continue;
            }
            if (!words_.count(a))
                return "slot " + std::to_string(k) + ": " + a + " is not a word of the list";
            if (a.size() != static_cast<size_t>(s.Length))
                return "slot " + std::to_string(k) + ": wrong length";
            if (given_.count(a) || !seen.insert(a).second) return "word " + a + " appears twice";
            for (int32_t i = 0; i < s.Length; ++i) {
                const Cell c = cellOf(s, i);
                const char l = a[static_cast<size_t>(i)];
                auto f = fixed_.find(c);
                if (f != fixed_.end() && (f->second.size() != 1 || *f->second.begin() != l))
                    return "slot " + std::to_string(k) + " disagrees with a given letter";
                auto [it, fresh] = cell.emplace(c, l);
                if (!fresh && it->second != l)
                    return "slot " + std::to_string(k) + " disagrees with a crossing";
            }
        }
        return {};
    }

  private:
    bool place(size_t i) {
        if (i == open_.size()) return true;
        const auto& s = p_.Slots[open_[i]];
        if (!inside(p_, s)) return false;
        for (const std::string& w : words_) {
            if (w.size() != static_cast<size_t>(s.Length) || given_.count(w) || used_.count(w)) continue;
            if (!fits(s, w)) continue;
            std::vector<Cell> added;
            for (int32_t k = 0; k < s.Length; ++k)
                if (letters_.emplace(cellOf(s, k), w[static_cast<size_t>(k)]).second)
                    added.push_back(cellOf(s, k));
            used_.insert(w);
            if (place(i + 1)) return true;
            used_.erase(w);
            for (const Cell& c : added)
                letters_.erase(c);
        }
        return false;
    }

    bool fits(const FillEngine::Slot& s, const std::string& w) const {
        for (int32_t k = 0; k < s.Length; ++k) {
            const Cell c = cellOf(s, k);
            const char l = w[static_cast<size_t>(k)];
            auto f = fixed_.find(c);
            if (f != fixed_.end() && (f->second.size() != 1 || *f->second.begin() != l)) return false;
            auto it = letters_.find(c);
            if (it != letters_.end() && it->second != l) return false;
        }
        return true;
    }

    const FillEngine::Problem& p_;
    std::set<std::string> words_, given_, used_;
    std::map<Cell, std::set<char>> fixed_;
    std::map<Cell, char> letters_;
    std::vector<size_t> open_;
};

} // namespace fillcheck
