#include "grid/FillEngine.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <numeric>
#include <random>

namespace FillEngine {
namespace {

using Mask = uint64_t;
using Clock = std::chrono::steady_clock;
constexpr Mask AllLetters = ~Mask{0};
constexpr int32_t Free = -1;  // usedBy: the word is free
constexpr int32_t Given = -2; // usedBy: an answer of the grid already is this word

Mask bit(uint8_t letter) {
    return Mask{1} << letter;
}

// Set bits of a block. Written out because the baseline x86-64 has no instruction for it and the
// library call costs more than these few operations.
inline uint32_t bitCount(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<uint32_t>((x * 0x0101010101010101ULL) >> 56);
}

// The restarts' budgets of dead ends follow the Luby sequence 1 1 2 1 1 2 4 1 1 2 ..., which wastes at
// most a small factor over the best fixed budget without knowing it.
uint64_t luby(uint64_t i) {
    for (uint64_t k = 1;; ++k) {
        const uint64_t top = (uint64_t{1} << k) - 1;
        if (i == top) return uint64_t{1} << (k - 1);
        if (i < top) return luby(i - ((uint64_t{1} << (k - 1)) - 1));
    }
}

// A word still to fill.
struct Var {
    int32_t slot = 0;   // index in the problem
    int32_t length = 0; // cells
    int32_t cellBase = 0;
    std::vector<uint64_t> words;     // the set of the words of its length that still fit (FillWords::Bits)
    uint32_t count = 0;              // how many
    uint32_t lo = 0, hi = 0;         // the blocks outside lo..hi-1 are empty
    std::vector<Mask> unions;        // per position: the letters some fitting word has there
    std::vector<uint32_t> residue;   // [position * letters + letter]: a block where such a word was last seen
    uint64_t savedAt = ~uint64_t{0}; // the step whose trail holds its state already
    int32_t level = -1;              // decision level that placed it, -1 while open
    uint32_t placed = 0;             // the word placed
    double weight = 0;               // how often its words ran out (grows across restarts)
    double jitter = 0;               // a small random share of the weight, per restart
};

// Sets of decision levels, all of the same width, held side by side in one vector.
class LevelSets {
  public:
    void Init(size_t sets, int32_t levels) {
        width_ = static_cast<size_t>(levels + 63) / 64;
        bits_.assign(sets * width_, 0);
    }
    size_t Width() const { return width_; }
    uint64_t* Of(size_t set) { return bits_.data() + set * width_; }

  private:
    size_t width_ = 0;
    std::vector<uint64_t> bits_;
};

struct TrailEntry {
    enum Kind : uint8_t { CellMask, VarState, VarDup, Place } kind;
    int32_t a = 0;    // cell or var
    uint32_t c = 0;   // old count, or a level
    uint64_t b = 0;   // old mask
    size_t arena = 0; // where saved blocks start in the arena
};

enum class DiveEnd { Filled, Exhausted, BudgetSpent, Stopped, TimedOut };

class Search {
  public:
    Search(const Problem& problem, const FillWords& words, const Options& options)
        : problem_(problem), words_(words), options_(options), rng_(options.Seed) {}

    Result Run();

  private:
    // Setting up.
    bool build(int32_t& unfillable);
    void findAlphabets();
    // Narrowing.
    void save(int32_t vi);
    bool supported(Var& v, int32_t p, int32_t letter);
    void setCell(int32_t cell, Mask mask, const uint64_t* reason, bool replaceReason);
    bool filter(int32_t vi);
    bool propagate();
    void enqueueCrossing(int32_t cell, int32_t except);
    void varReason(int32_t vi, uint64_t* out);
    // Placing and taking back.
    void place(int32_t vi, uint32_t word, int32_t level);
    size_t mark() const { return trail_.size(); }
    void undo(size_t mark);
    // Choosing.
    int32_t chooseVar();
    void orderWords(int32_t vi, std::vector<uint32_t>& out, uint64_t* conflict);
    void failed(int32_t vi);
    DiveEnd dive(uint64_t budget);
    bool checkStop(DiveEnd& end);
    void report(bool force);

    const Problem& problem_;
    const FillWords& words_;
    const Options& options_;
    std::mt19937_64 rng_;
    Clock::time_point start_ = Clock::now();
    Clock::time_point lastReport_ = start_;
    int32_t letters_ = 0; // letters of the word lists

    std::vector<Var> vars_;
    std::vector<int32_t> varCells_;                // cells of every var, from cellBase
    std::vector<Mask> cellMask_;                   // letters each cell may still take
    std::vector<double> cellWeight_;               // how often a word through the cell ran out
    std::vector<int32_t> cellRefStart_, cellRefs_; // per cell: (var * 32 + position) of the vars through it
    std::array<std::vector<int32_t>, FillWords::MaxLength + 1> usedBy_;    // per word: Free, Given or the var
    std::array<std::vector<uint32_t>, FillWords::MaxLength + 1> placedOf_; // the words placed, by length
    std::vector<float> logOf_;                                             // log(n) for the scores

    bool explain_ = true;  // keep the reasons of every narrowing (off for huge grids: plain backtracking)
    LevelSets cellReason_; // per cell: the levels its mask follows from
    LevelSets dupReason_;  // per var: the levels whose words were taken out of its set as repeats
    LevelSets conflict_;   // per level: the levels its failures follow from
    LevelSets scratch_;    // two sets to compute with
    std::vector<uint64_t> arena_;
    std::vector<TrailEntry> trail_;
    uint64_t step_ = 0; // numbers the placements, so that a var's state is saved once per placement
    std::vector<int32_t> queue_;
    std::vector<unsigned char> queued_;
    std::vector<uint64_t> union_; // scratch blocks
    int32_t wiped_ = -1;          // the var whose set ran out in the last failed narrowing

    struct Level {
        int32_t var = 0;
        std::vector<uint32_t> values;
        size_t next = 0;
        size_t mark = 0;
    };
    std::vector<Level> levels_;
    int32_t placed_ = 0;
    // Letters that share a word are in one alphabet: words of different alphabets never cross, so the
    // first word placed decides a whole connected grid. Most tries start with the alphabet whose tries
    // got furthest; every fourth goes round them all.
    std::array<uint8_t, FillWords::MaxLetters> alphabetOf_{};
    int32_t alphabets_ = 1;
    int32_t firstAlphabet_ = 0;
    std::array<int32_t, FillWords::MaxLetters> furthest_{}; // per alphabet: the most words a try placed
    int32_t tryMost_ = 0;
    Progress progress_;
};

// ---- Setting up ----

bool Search::build(int32_t& unfillable) {
    const auto& slots = problem_.Slots;
    letters_ = words_.LetterCount();
    findAlphabets();
    auto inside = [&](const Slot& s) {
        if (s.Direction != 0 && s.Direction != 1) return false;
        if (s.Length < 1 || s.X < 0 || s.Y < 0) return false;
        const int64_t lastX = int64_t{s.X} + (s.Direction == 0 ? s.Length - 1 : 0);
        const int64_t lastY = int64_t{s.Y} + (s.Direction == 1 ? s.Length - 1 : 0);
        return lastX < problem_.Width && lastY < problem_.Height;
    };
    auto toFill = [](const Slot& s) { return s.Answer.empty(); };

    // Cells: every cell of a word inside the grid, numbered in order of position.
    auto keyOf = [&](const Slot& s, int32_t i) {
        return (int64_t{s.Y} + s.Direction * i) * problem_.Width + s.X + (1 - s.Direction) * i;
    };
    std::vector<int64_t> keys;
    for (const Slot& s : slots)
        if (inside(s))
            for (int32_t i = 0; i < s.Length; ++i)
                keys.push_back(keyOf(s, i));
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    auto cellOf = [&](const Slot& s, int32_t i) {
        return static_cast<int32_t>(std::lower_bound(keys.begin(), keys.end(), keyOf(s, i)) - keys.begin());
    };
    cellMask_.assign(keys.size(), AllLetters);
    cellWeight_.assign(keys.size(), 0);

    // Letters given by the answers already in the grid; a byte no word uses leaves the cell no letter.
    for (const Slot& s : slots) {
        if (toFill(s) || !inside(s) || s.Answer.size() != static_cast<size_t>(s.Length)) continue;
        for (int32_t i = 0; i < s.Length; ++i) {
            const uint8_t letter =
                words_.LetterOf(static_cast<unsigned char>(s.Answer[static_cast<size_t>(i)]));
            cellMask_[static_cast<size_t>(cellOf(s, i))] &= letter == FillWords::NoLetter ? 0 : bit(letter);
        }
    }
    for (const Slot& s : slots) {
        const size_t length = s.Answer.size();
        if (toFill(s) || length < static_cast<size_t>(FillWords::MinLength) ||
            length > static_cast<size_t>(FillWords::MaxLength))
            continue;
        auto& used = usedBy_[length];
        if (used.empty()) used.assign(words_.Count(static_cast<int32_t>(length)), Free);
        if (auto w = words_.Find(s.Answer)) used[*w] = Given;
    }

    // The words to fill: every word of the length at first, less the answers already given.
    for (size_t k = 0; k < slots.size(); ++k) {
        const Slot& s = slots[k];
        if (!toFill(s)) continue;
        if (!inside(s) || words_.Count(s.Length) == 0) {
            unfillable = static_cast<int32_t>(k);
            return false;
        }
        Var v;
        v.slot = static_cast<int32_t>(k);
        v.length = s.Length;
        v.cellBase = static_cast<int32_t>(varCells_.size());
        for (int32_t i = 0; i < s.Length; ++i)
            varCells_.push_back(cellOf(s, i));
        const uint32_t n = words_.Count(s.Length);
        v.words.assign(words_.Blocks(s.Length), AllLetters);
        if (n % 64) v.words.back() = (uint64_t{1} << (n % 64)) - 1;
        auto& used = usedBy_[static_cast<size_t>(s.Length)];
        if (used.empty()) used.assign(n, Free);
        for (uint32_t w = 0; w < n; ++w)
            if (used[w] == Given) v.words[w / 64] &= ~(uint64_t{1} << (w % 64));
        for (uint64_t b : v.words)
            v.count += bitCount(b);
        v.hi = static_cast<uint32_t>(v.words.size());
        v.residue.assign(static_cast<size_t>(s.Length * letters_), 0);
        v.unions.assign(static_cast<size_t>(s.Length), 0);
        for (int32_t p = 0; p < s.Length; ++p) {
            for (int32_t l = 0; l < letters_; ++l)
                if (supported(v, p, l)) v.unions[static_cast<size_t>(p)] |= bit(static_cast<uint8_t>(l));
            cellMask_[static_cast<size_t>(varCells_[static_cast<size_t>(v.cellBase + p)])] &=
                v.unions[static_cast<size_t>(p)];
        }
        vars_.push_back(std::move(v));
    }

    // Which vars pass through each cell, and at which position.
    cellRefStart_.assign(keys.size() + 1, 0);
    for (int32_t c : varCells_)
        ++cellRefStart_[static_cast<size_t>(c) + 1];
    std::partial_sum(cellRefStart_.begin(), cellRefStart_.end(), cellRefStart_.begin());
    cellRefs_.assign(varCells_.size(), 0);
    std::vector<int32_t> fillPos(cellRefStart_.begin(), cellRefStart_.end() - 1);
    for (size_t vi = 0; vi < vars_.size(); ++vi)
        for (int32_t p = 0; p < vars_[vi].length; ++p) {
            const int32_t c = varCells_[static_cast<size_t>(vars_[vi].cellBase + p)];
            cellRefs_[static_cast<size_t>(fillPos[static_cast<size_t>(c)]++)] =
                static_cast<int32_t>(vi) * 32 + p;
        }

    // The reasons cost a set of levels per cell; past a few tens of megabytes the search backtracks
    // plainly instead.
    const int32_t levels = static_cast<int32_t>(vars_.size());
    const size_t width = static_cast<size_t>(levels + 63) / 64;
    explain_ = width * (keys.size() + 2 * vars_.size() + 2) * sizeof(uint64_t) <= (size_t{48} << 20);
    if (explain_) {
        cellReason_.Init(keys.size(), levels);
        dupReason_.Init(vars_.size(), levels);
        conflict_.Init(vars_.size(), levels);
        scratch_.Init(2, levels);
    }

    uint32_t longest = 1, widest = 1;
    for (int32_t length = FillWords::MinLength; length <= FillWords::MaxLength; ++length) {
        longest = std::max(longest, words_.Count(length));
        widest = std::max(widest, words_.Blocks(length));
    }
    union_.resize(widest);
    logOf_.resize(size_t{longest} + 1);
    logOf_[0] = -1.0f; // a crossing word left without words: worse than any choice that leaves one
    for (size_t n = 1; n < logOf_.size(); ++n)
        logOf_[n] = static_cast<float>(std::log(static_cast<double>(n)));

    queued_.assign(vars_.size(), 0);
    for (size_t vi = 0; vi < vars_.size(); ++vi) {
        queue_.push_back(static_cast<int32_t>(vi));
        queued_[vi] = 1;
    }
    const bool consistent = propagate();
    // The root is never taken back.
    trail_.clear();
    arena_.clear();
    if (!consistent) {
        unfillable = vars_[static_cast<size_t>(wiped_)].slot;
        return false;
    }
    return true;
}

// Joins the letters that share a word, and numbers the groups.
void Search::findAlphabets() {
    std::array<uint8_t, FillWords::MaxLetters> parent{};
    for (int32_t l = 0; l < letters_; ++l)
        parent[static_cast<size_t>(l)] = static_cast<uint8_t>(l);
    auto root = [&](uint8_t l) {
        while (parent[l] != l)
            l = parent[l] = parent[parent[l]];
        return l;
    };
    for (int32_t length = FillWords::MinLength; length <= FillWords::MaxLength; ++length)
        for (uint32_t w = 0; w < words_.Count(length); ++w) {
            const uint8_t* letters = words_.Letters(length, w);
            for (int32_t p = 1; p < length; ++p)
                parent[root(letters[p])] = root(letters[0]);
        }
    std::array<int32_t, FillWords::MaxLetters> number;
    number.fill(-1);
    alphabets_ = 0;
    for (int32_t l = 0; l < letters_; ++l) {
        int32_t& n = number[root(static_cast<uint8_t>(l))];
        if (n < 0) n = alphabets_++;
        alphabetOf_[static_cast<size_t>(l)] = static_cast<uint8_t>(n);
    }
    alphabets_ = std::max(alphabets_, 1);
}

// ---- Narrowing ----

void Search::enqueueCrossing(int32_t cell, int32_t except) {
    for (int32_t r = cellRefStart_[static_cast<size_t>(cell)];
         r < cellRefStart_[static_cast<size_t>(cell) + 1]; ++r) {
        const int32_t t = cellRefs_[static_cast<size_t>(r)] / 32;
        if (t == except || vars_[static_cast<size_t>(t)].level >= 0 || queued_[static_cast<size_t>(t)])
            continue;
        queued_[static_cast<size_t>(t)] = 1;
        queue_.push_back(t);
    }
}

// Narrows a cell's letters: the old mask and reason go to the trail. The new reason is the given one,
// added to the old (or instead of it, when the given one alone implies the new mask).
void Search::setCell(int32_t cell, Mask mask, const uint64_t* reason, bool replaceReason) {
    TrailEntry e{TrailEntry::CellMask, cell, 0, cellMask_[static_cast<size_t>(cell)], arena_.size()};
    if (explain_) {
        uint64_t* r = cellReason_.Of(static_cast<size_t>(cell));
        arena_.insert(arena_.end(), r, r + cellReason_.Width());
        for (size_t k = 0; k < cellReason_.Width(); ++k)
            r[k] = replaceReason ? reason[k] : (r[k] | reason[k]);
    }
    trail_.push_back(e);
    cellMask_[static_cast<size_t>(cell)] = mask;
}

// Why a var's set is what it is: the reasons of its cells and of the repeats taken out of it.
void Search::varReason(int32_t vi, uint64_t* out) {
    const Var& v = vars_[static_cast<size_t>(vi)];
    const size_t width = cellReason_.Width();
    std::memcpy(out, dupReason_.Of(static_cast<size_t>(vi)), width * sizeof(uint64_t));
    for (int32_t p = 0; p < v.length; ++p) {
        const uint64_t* r =
            cellReason_.Of(static_cast<size_t>(varCells_[static_cast<size_t>(v.cellBase + p)]));
        for (size_t k = 0; k < width; ++k)
            out[k] |= r[k];
    }
}

// Keeps a var's set, count and letters for the way back, once per placement.
void Search::save(int32_t vi) {
    Var& v = vars_[static_cast<size_t>(vi)];
    if (v.savedAt == step_) return;
    v.savedAt = step_;
    // Only the blocks in range: the others are empty, and stay so.
    trail_.push_back({TrailEntry::VarState, vi, v.count, (uint64_t{v.lo} << 32) | v.hi, arena_.size()});
    arena_.insert(arena_.end(), v.unions.begin(), v.unions.end());
    arena_.insert(arena_.end(), v.words.begin() + v.lo, v.words.begin() + v.hi);
}

// Whether some word of the var's set has the letter at position p; looks where it found one last time
// first.
bool Search::supported(Var& v, int32_t p, int32_t letter) {
    const uint64_t* bits = words_.Bits(v.length, p, static_cast<uint8_t>(letter));
    uint32_t& hint = v.residue[static_cast<size_t>(p * letters_ + letter)];
    if (hint >= v.lo && hint < v.hi && (v.words[hint] & bits[hint])) return true;
    for (uint32_t k = v.lo; k < v.hi; ++k)
        if (v.words[k] & bits[k]) {
            hint = k;
            return true;
        }
    return false;
}

// Takes out of a var's set the words that no longer fit its cells (or were placed elsewhere meanwhile),
// then narrows its cells to the letters its remaining words have there. False when no word is left.
bool Search::filter(int32_t vi) {
    Var& v = vars_[static_cast<size_t>(vi)];
    const int32_t length = v.length;
    const int32_t* cells = varCells_.data() + v.cellBase;
    const size_t lo = v.lo, hi = v.hi;
    uint64_t* set = v.words.data();
    bool changed = false;
    for (int32_t p = 0; p < length; ++p) {
        const Mask m = cellMask_[static_cast<size_t>(cells[p])];
        const Mask gone = v.unions[static_cast<size_t>(p)] & ~m;
        if (!gone) continue;
        if (!changed) {
            save(vi);
            changed = true;
        }
        if (std::popcount(m) < std::popcount(gone)) {
            // Keep the words with one of the letters left.
            std::fill(union_.begin() + static_cast<ptrdiff_t>(lo),
                      union_.begin() + static_cast<ptrdiff_t>(hi), 0);
            for (Mask r = m; r; r &= r - 1) {
                const uint64_t* bits = words_.Bits(length, p, static_cast<uint8_t>(std::countr_zero(r)));
                for (size_t k = lo; k < hi; ++k)
                    union_[k] |= bits[k];
            }
            for (size_t k = lo; k < hi; ++k)
                set[k] &= union_[k];
        } else {
            for (Mask r = gone; r; r &= r - 1) {
                const uint64_t* bits = words_.Bits(length, p, static_cast<uint8_t>(std::countr_zero(r)));
                for (size_t k = lo; k < hi; ++k)
                    set[k] &= ~bits[k];
            }
        }
    }
    if (!changed) {
        // A set can be empty from the start: every word of its length is an answer given already.
        if (v.count == 0) wiped_ = vi;
        return v.count > 0;
    }
    // Words placed elsewhere since (looked for only when the set changes anyway: a var left alone is
    // taken as it is, and a repeat left in it is skipped when the var is filled).
    for (uint32_t w : placedOf_[static_cast<size_t>(length)]) {
        uint64_t& b = set[w / 64];
        const uint64_t wbit = uint64_t{1} << (w % 64);
        if (!(b & wbit)) continue;
        b &= ~wbit;
        if (!explain_) continue;
        const int32_t level = vars_[static_cast<size_t>(usedBy_[static_cast<size_t>(length)][w])].level;
        uint64_t* d = dupReason_.Of(static_cast<size_t>(vi));
        const uint64_t lbit = uint64_t{1} << (level % 64);
        if (!(d[level / 64] & lbit)) {
            d[level / 64] |= lbit;
            trail_.push_back({TrailEntry::VarDup, vi, static_cast<uint32_t>(level), 0, 0});
        }
    }

    uint32_t count = 0;
    while (v.lo < v.hi && set[v.lo] == 0)
        ++v.lo;
    while (v.hi > v.lo && set[v.hi - 1] == 0)
        --v.hi;
    for (size_t k = v.lo; k < v.hi; ++k)
        count += bitCount(set[k]);
    if (count == 0) {
        v.count = 0;
        wiped_ = vi;
        return false;
    }
    v.count = count;

    // The letters left at each position: read off the words themselves when few are left, else ask the
    // letters' sets whether some word still has them.
    std::array<Mask, FillWords::MaxLength> seen{};
    const bool few = count <= v.hi - v.lo;
    if (few)
        for (size_t k = v.lo; k < v.hi; ++k)
            for (uint64_t b = set[k]; b; b &= b - 1) {
                const uint8_t* letters = words_.Letters(
                    length, static_cast<uint32_t>(k * 64 + static_cast<size_t>(std::countr_zero(b))));
                for (int32_t p = 0; p < length; ++p)
                    seen[static_cast<size_t>(p)] |= bit(letters[p]);
            }
    bool reasonReady = false;
    uint64_t* reason = explain_ ? scratch_.Of(0) : nullptr;
    for (int32_t p = 0; p < length; ++p) {
        const int32_t cell = cells[p];
        Mask u = v.unions[static_cast<size_t>(p)] & cellMask_[static_cast<size_t>(cell)];
        if (few) {
            u &= seen[static_cast<size_t>(p)];
        } else {
            for (Mask r = u; r; r &= r - 1) {
                const int letter = std::countr_zero(r);
                if (!supported(v, p, letter)) u &= ~(Mask{1} << letter);
            }
        }
        v.unions[static_cast<size_t>(p)] = u;
        if (u != cellMask_[static_cast<size_t>(cell)]) {
            if (explain_ && !reasonReady) {
                varReason(vi, reason);
                reasonReady = true;
            }
            setCell(cell, u, reason, false);
            enqueueCrossing(cell, vi);
        }
    }
    return true;
}

bool Search::propagate() {
    // First in, first out: a var waits while its other crossings narrow too, and is filtered once for all.
    for (size_t head = 0; head < queue_.size(); ++head) {
        const int32_t vi = queue_[head];
        queued_[static_cast<size_t>(vi)] = 0;
        if (vars_[static_cast<size_t>(vi)].level >= 0) continue;
        if (!filter(vi)) {
            for (size_t k = head + 1; k < queue_.size(); ++k)
                queued_[static_cast<size_t>(queue_[k])] = 0;
            queue_.clear();
            return false;
        }
    }
    queue_.clear();
    return true;
}

// ---- Placing and taking back ----

void Search::place(int32_t vi, uint32_t word, int32_t level) {
    ++step_;
    Var& v = vars_[static_cast<size_t>(vi)];
    v.level = level;
    v.placed = word;
    usedBy_[static_cast<size_t>(v.length)][word] = vi;
    placedOf_[static_cast<size_t>(v.length)].push_back(word);
    trail_.push_back({TrailEntry::Place, vi, 0, 0, 0});
    ++placed_;
    progress_.MostPlaced = std::max(progress_.MostPlaced, placed_);
    tryMost_ = std::max(tryMost_, placed_);
    uint64_t* reason = nullptr;
    if (explain_) {
        reason = scratch_.Of(1);
        std::fill(reason, reason + scratch_.Width(), 0);
        reason[level / 64] |= uint64_t{1} << (level % 64);
    }
    const uint8_t* letters = words_.Letters(v.length, word);
    for (int32_t p = 0; p < v.length; ++p) {
        const int32_t cell = varCells_[static_cast<size_t>(v.cellBase + p)];
        if (cellMask_[static_cast<size_t>(cell)] == bit(letters[p])) continue;
        setCell(cell, bit(letters[p]), reason, true);
        enqueueCrossing(cell, vi);
    }
}

void Search::undo(size_t to) {
    while (trail_.size() > to) {
        const TrailEntry e = trail_.back();
        trail_.pop_back();
        switch (e.kind) {
        case TrailEntry::CellMask:
            cellMask_[static_cast<size_t>(e.a)] = e.b;
            if (explain_) {
                std::memcpy(cellReason_.Of(static_cast<size_t>(e.a)), arena_.data() + e.arena,
                            cellReason_.Width() * sizeof(uint64_t));
                arena_.resize(e.arena);
            }
            break;
        case TrailEntry::VarState: {
            Var& v = vars_[static_cast<size_t>(e.a)];
            const size_t length = static_cast<size_t>(v.length);
            std::memcpy(v.unions.data(), arena_.data() + e.arena, length * sizeof(Mask));
            v.lo = static_cast<uint32_t>(e.b >> 32);
            v.hi = static_cast<uint32_t>(e.b);
            std::memcpy(v.words.data() + v.lo, arena_.data() + e.arena + length,
                        (v.hi - v.lo) * sizeof(uint64_t));
            v.count = e.c;
            v.savedAt = ~uint64_t{0};
            arena_.resize(e.arena);
            break;
        }
        case TrailEntry::VarDup:
            dupReason_.Of(static_cast<size_t>(e.a))[e.c / 64] &= ~(uint64_t{1} << (e.c % 64));
            break;
        case TrailEntry::Place: {
            Var& v = vars_[static_cast<size_t>(e.a)];
            usedBy_[static_cast<size_t>(v.length)][v.placed] = Free;
            placedOf_[static_cast<size_t>(v.length)].pop_back();
            v.level = -1;
            --placed_;
            break;
        }
        }
    }
}

// ---- Choosing ----

// A var's words ran out: it, and its crossings, weigh more when the next var is chosen.
void Search::failed(int32_t vi) {
    Var& v = vars_[static_cast<size_t>(vi)];
    v.weight += 1;
    for (int32_t p = 0; p < v.length; ++p)
        cellWeight_[static_cast<size_t>(varCells_[static_cast<size_t>(v.cellBase + p)])] += 1;
}

// The open word with the fewest fitting words against the weight of its crossings that are still open
// (how often words through those cells ran out before); a word with one fitting word always comes first.
int32_t Search::chooseVar() {
    int32_t best = -1;
    double bestKey = 0;
    for (size_t vi = 0; vi < vars_.size(); ++vi) {
        const Var& v = vars_[vi];
        if (v.level >= 0) continue;
        double w = 1.0 + v.jitter;
        for (int32_t p = 0; p < v.length; ++p) {
            const int32_t cell = varCells_[static_cast<size_t>(v.cellBase + p)];
            bool open = false;
            for (int32_t r = cellRefStart_[static_cast<size_t>(cell)];
                 r < cellRefStart_[static_cast<size_t>(cell) + 1]; ++r) {
                const int32_t t = cellRefs_[static_cast<size_t>(r)] / 32;
                open = open || (t != static_cast<int32_t>(vi) && vars_[static_cast<size_t>(t)].level < 0);
            }
            if (open) w += cellWeight_[static_cast<size_t>(cell)];
        }
        const double key = v.count <= 1 ? -1.0 / w : v.count / w;
        if (best < 0 || key < bestKey) {
            best = static_cast<int32_t>(vi);
            bestKey = key;
        }
    }
    return best;
}

// The words to try for a var, best first: a word scores by how many words each open crossing word keeps
// with its letter there (the sum of the logarithms), plus a little noise from the seed. Words already
// placed elsewhere are left out, their levels going into the conflict.
void Search::orderWords(int32_t vi, std::vector<uint32_t>& out, uint64_t* conflict) {
    Var& v = vars_[static_cast<size_t>(vi)];
    const int32_t length = v.length;
    // For each crossing: how many of its words have each letter in the shared cell.
    struct Crossing {
        int32_t pos;
        std::array<uint32_t, FillWords::MaxLetters> count;
    };
    std::vector<Crossing> crossings;
    for (int32_t p = 0; p < length; ++p) {
        const int32_t cell = varCells_[static_cast<size_t>(v.cellBase + p)];
        for (int32_t r = cellRefStart_[static_cast<size_t>(cell)];
             r < cellRefStart_[static_cast<size_t>(cell) + 1]; ++r) {
            const int32_t t = cellRefs_[static_cast<size_t>(r)] / 32,
                          q = cellRefs_[static_cast<size_t>(r)] % 32;
            const Var& tv = vars_[static_cast<size_t>(t)];
            if (t == vi || tv.level >= 0) continue;
            Crossing c{p, {}};
            if (tv.count <= tv.hi - tv.lo) {
                for (size_t k = tv.lo; k < tv.hi; ++k)
                    for (uint64_t b = tv.words[k]; b; b &= b - 1) {
                        const uint32_t w =
                            static_cast<uint32_t>(k * 64 + static_cast<size_t>(std::countr_zero(b)));
                        ++c.count[words_.Letters(tv.length, w)[q]];
                    }
            } else {
                for (Mask m = tv.unions[static_cast<size_t>(q)]; m; m &= m - 1) {
                    const int letter = std::countr_zero(m);
                    const uint64_t* bits = words_.Bits(tv.length, q, static_cast<uint8_t>(letter));
                    uint32_t n = 0;
                    for (size_t k = tv.lo; k < tv.hi; ++k)
                        n += bitCount(tv.words[k] & bits[k]);
                    c.count[static_cast<size_t>(letter)] = n;
                }
            }
            crossings.push_back(c);
        }
    }
    const std::vector<int32_t>& used = usedBy_[static_cast<size_t>(length)];
    std::vector<std::pair<float, uint32_t>> scored;
    scored.reserve(v.count);
    std::uniform_real_distribution<float> noise(0.0f, 1.0f);
    for (size_t k = v.lo; k < v.hi; ++k)
        for (uint64_t b = v.words[k]; b; b &= b - 1) {
            const uint32_t w = static_cast<uint32_t>(k * 64 + static_cast<size_t>(std::countr_zero(b)));
            if (used[w] != Free) {
                if (used[w] >= 0 && explain_) {
                    const int32_t level = vars_[static_cast<size_t>(used[w])].level;
                    conflict[level / 64] |= uint64_t{1} << (level % 64);
                }
                continue;
            }
            const uint8_t* letters = words_.Letters(length, w);
            float score = 0;
            for (const Crossing& c : crossings)
                score += logOf_[c.count[letters[c.pos]]];
            scored.push_back({score + noise(rng_), w});
        }
    std::sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    });
    if (levels_.size() == 1 && alphabets_ > 1)
        std::stable_partition(scored.begin(), scored.end(), [&](const auto& sw) {
            return alphabetOf_[words_.Letters(length, sw.second)[0]] == firstAlphabet_;
        });
    out.clear();
    for (const auto& s : scored)
        out.push_back(s.second);
}

void Search::report(bool force) {
    const auto now = Clock::now();
    progress_.Placed = placed_;
    progress_.MostPlaced = std::max(progress_.MostPlaced, placed_);
    progress_.Elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - start_);
    if (options_.OnProgress && (force || now - lastReport_ >= options_.ProgressInterval)) {
        lastReport_ = now;
        options_.OnProgress(progress_);
    }
}

bool Search::checkStop(DiveEnd& end) {
    if ((progress_.Steps & 63) != 1) return false; // the first step looks too: a flag set before the start
    if (options_.Cancel && options_.Cancel->load(std::memory_order_relaxed)) {
        end = DiveEnd::Stopped;
        return true;
    }
    if (options_.TimeLimit.count() > 0 && Clock::now() - start_ >= options_.TimeLimit) {
        end = DiveEnd::TimedOut;
        return true;
    }
    report(false);
    return false;
}

// One try from the root: depth first with jumps back over placements that took no part in a dead end,
// until the grid is full, the search space is exhausted, or the budget of dead ends is spent.
DiveEnd Search::dive(uint64_t budget) {
    const size_t width = explain_ ? conflict_.Width() : 0;
    uint64_t deadEnds = 0;
    DiveEnd end = DiveEnd::Exhausted;
    auto clearSet = [&](uint64_t* s) { std::fill(s, s + width, 0); };
    auto without = [&](uint64_t* s, int32_t level) { s[level / 64] &= ~(uint64_t{1} << (level % 64)); };
    auto has = [&](const uint64_t* s, int32_t level) { return (s[level / 64] >> (level % 64)) & 1; };
    auto highest = [&](const uint64_t* s) {
        for (size_t k = width; k-- > 0;)
            if (s[k]) return static_cast<int32_t>(k * 64 + 63 - static_cast<size_t>(std::countl_zero(s[k])));
        return -1;
    };

    for (;;) {
        // Descend: open a level for the most constrained open word.
        const int32_t vi = chooseVar();
        if (vi < 0) return DiveEnd::Filled;
        const int32_t k = static_cast<int32_t>(levels_.size());
        levels_.emplace_back();
        levels_.back().var = vi;
        uint64_t* conflict = explain_ ? conflict_.Of(static_cast<size_t>(k)) : nullptr;
        if (explain_) varReason(vi, conflict); // the words it lost to earlier placements
        orderWords(vi, levels_.back().values, conflict);

        // Try the words of the deepest level; jump back while a level has none left.
        for (;;) {
            Level& level = levels_.back();
            const int32_t lk = static_cast<int32_t>(levels_.size()) - 1;
            uint64_t* lc = explain_ ? conflict_.Of(static_cast<size_t>(lk)) : nullptr;
            if (level.next < level.values.size()) {
                const uint32_t w = level.values[level.next++];
                ++progress_.Steps;
                if (checkStop(end)) return end;
                level.mark = mark();
                place(level.var, w, lk);
                if (propagate()) break; // deeper
                failed(wiped_);
                ++deadEnds;
                if (explain_) {
                    uint64_t* why = scratch_.Of(0);
                    varReason(wiped_, why);
                    undo(level.mark);
                    if (!has(why, lk)) {
                        // This dead end does not depend on the word just placed: no other word here helps.
                        std::memcpy(lc, why, width * sizeof(uint64_t));
                        level.next = level.values.size();
                    } else {
                        for (size_t q = 0; q < width; ++q)
                            lc[q] |= why[q];
                        without(lc, lk);
                    }
                } else {
                    undo(level.mark);
                }
                if (deadEnds >= budget) return DiveEnd::BudgetSpent;
                continue;
            }
            // Every word of this level failed: back to the deepest level among the reasons.
            int32_t back = lk - 1;
            if (explain_) {
                without(lc, lk);
                back = highest(lc);
            }
            if (back < 0) return DiveEnd::Exhausted;
            if (explain_) {
                uint64_t* carry = scratch_.Of(1);
                std::memcpy(carry, lc, width * sizeof(uint64_t));
                without(carry, back);
                uint64_t* target = conflict_.Of(static_cast<size_t>(back));
                for (size_t q = 0; q < width; ++q)
                    target[q] |= carry[q];
                for (int32_t j = back + 1; j <= lk; ++j)
                    clearSet(conflict_.Of(static_cast<size_t>(j)));
            }
            undo(levels_[static_cast<size_t>(back)].mark);
            levels_.resize(static_cast<size_t>(back) + 1);
            ++deadEnds;
            if (deadEnds >= budget) return DiveEnd::BudgetSpent;
        }
    }
}

Result Search::Run() {
    Result result;
    progress_.ToFill = 0;
    for (const Slot& s : problem_.Slots)
        if (s.Answer.empty()) ++progress_.ToFill;

    int32_t unfillable = -1;
    if (!build(unfillable)) {
        result.Kind = Outcome::Impossible;
        result.Unfillable = unfillable;
        report(true);
        result.Last = progress_;
        return result;
    }
    const size_t root = mark();
    std::uniform_real_distribution<double> jitter(0.0, 0.5);
    for (uint64_t run = 1;; ++run) {
        for (Var& v : vars_)
            v.jitter = jitter(rng_);
        if (run % 4 == 1) {
            firstAlphabet_ = static_cast<int32_t>((run / 4) % static_cast<uint64_t>(alphabets_));
        } else {
            firstAlphabet_ = static_cast<int32_t>(
                std::max_element(furthest_.begin(), furthest_.begin() + alphabets_) - furthest_.begin());
        }
        tryMost_ = 0;
        const DiveEnd end = dive(luby(run) * 1000);
        furthest_[static_cast<size_t>(firstAlphabet_)] =
            std::max(furthest_[static_cast<size_t>(firstAlphabet_)], tryMost_);
        if (end == DiveEnd::Filled) {
            result.Kind = Outcome::Filled;
            result.Answers.assign(problem_.Slots.size(), std::string());
            for (const Var& v : vars_)
                result.Answers[static_cast<size_t>(v.slot)] = words_.Word(v.length, v.placed);
            break;
        }
        undo(root);
        levels_.clear();
        if (end == DiveEnd::Exhausted) {
            result.Kind = Outcome::Impossible;
            const auto worst = std::max_element(
                vars_.begin(), vars_.end(), [](const Var& a, const Var& b) { return a.weight < b.weight; });
            result.Unfillable = worst->slot;
            break;
        }
        if (end == DiveEnd::Stopped || end == DiveEnd::TimedOut) {
            result.Kind = end == DiveEnd::Stopped ? Outcome::Stopped : Outcome::TimedOut;
            break;
        }
        ++progress_.Restarts;
    }
    report(true);
    result.Last = progress_;
    return result;
}

} // namespace

Result Fill(const Problem& problem, const FillWords& words, const Options& options) {
    Search search(problem, words, options);
    return search.Run();
}

} // namespace FillEngine
