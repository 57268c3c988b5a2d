#pragma once
// Random small fill problems from bytes, for the fuzz target and the replay of its corpus, and the check
// that the engine agrees with the exhaustive filler on them.
//
// Bytes: width and height (1..6 each), a seed, the number of slots (0..7), then per slot x, y, length
// (1..6) and a flag byte (bit 0 the direction, bit 1 an answer given, whose length bytes follow), then
// words until the end: a length byte (1..6) and that many letter bytes. Letter bytes become 'A'..'D',
// except bytes from 0xF0 up, which stand for odd characters (a blank, a control character, small letters,
// Cyrillic ones, a hyphen). Slots may overlap, run out of the grid or repeat: the engine must cope with
// damaged tables.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "grid/FillEngine.h"
#include "grid/FillWords.h"
#include "logic/FillBruteForce.h"

namespace fillcheck {

struct FuzzCase {
    FillEngine::Problem Problem;
    std::vector<std::string> Words;
    uint64_t Seed = 1;
};

inline FuzzCase DecodeFuzzInput(const uint8_t* data, size_t size) {
    FuzzCase c;
    size_t at = 0;
    auto next = [&]() -> int { return at < size ? data[at++] : -1; };
    auto letter = [](int b) {
        static constexpr unsigned char special[16] = {' ',  '?', 0x01, 'a', 'b',  0xC0, 0xE0, 0xA8,
                                                      0xB8, 'Z', 'Y',  'X', 0xFF, 0x80, 0x98, '-'};
        return static_cast<char>(b >= 0xF0 ? special[b - 0xF0] : 'A' + b % 4);
    };
    const int w = next(), h = next(), seed = next(), slots = next();
    if (slots < 0) return c;
    c.Problem.Width = 1 + w % 6;
    c.Problem.Height = 1 + h % 6;
    c.Seed = static_cast<uint64_t>(seed);
    for (int k = 0; k < slots % 8; ++k) {
        const int x = next(), y = next(), len = next(), flags = next();
        if (flags < 0) return c;
        FillEngine::Slot s;
        s.X = x % 8 - 1; // now and then outside the grid
        s.Y = y % 8 - 1;
        s.Length = 1 + len % 6;
        s.Direction = flags & 1;
        if (flags & 2)
            for (int i = 0; i < s.Length; ++i) {
                const int b = next();
                if (b < 0) break;
                s.Answer += letter(b);
            }
        c.Problem.Slots.push_back(s);
    }
    for (int len = next(); len >= 0 && c.Words.size() < 16; len = next()) {
        std::string word;
        for (int i = 0; i < 1 + len % 6; ++i) {
            const int b = next();
            if (b < 0) break;
            word += letter(b);
        }
        c.Words.push_back(word);
    }
    return c;
}

// "" when the engine's answer is right: a fill that breaks no rule when one exists, a proof of none
// (naming a word without an answer) when none exists.
inline std::string CheckAgreement(const FuzzCase& c) {
    const FillWords words = FillWords::FromWords(c.Words);
    FillEngine::Options o;
    o.Seed = c.Seed;
    const FillEngine::Result r = FillEngine::Fill(c.Problem, words, o);
    BruteForce brute(c.Problem, c.Words);
    const bool fillable = brute.Fillable();
    if (fillable && r.Kind != FillEngine::Outcome::Filled) return "a fill exists, the engine found none";
    if (!fillable && r.Kind != FillEngine::Outcome::Impossible) return "no fill exists, the engine gave one";
    if (r.Kind == FillEngine::Outcome::Filled) return brute.Check(r.Answers);
    if (r.Unfillable < 0 || static_cast<size_t>(r.Unfillable) >= c.Problem.Slots.size())
        return "the word named is no slot";
    if (!c.Problem.Slots[static_cast<size_t>(r.Unfillable)].Answer.empty())
        return "the word named has an answer";
    return {};
}

} // namespace fillcheck
