#include "document/KodKodirovkiM.h"

#include <bit>

#include "basics/NumberText.h"
#include "document/KrossDocument.h"

namespace KodKodirovkiM {
namespace {

constexpr int64_t BaseSeed = -15372;
constexpr uint32_t Multiplier = 0xFD43FD;
constexpr uint32_t Increment = 0xC39EC3;
constexpr uint32_t StateMask = 0xFFFFFF;

// "Разное" in cp1251: names of this family that end in a number above 2 get a seed of their own.
constexpr std::string_view MiscPrefix = "\xD0\xE0\xE7\xED\xEE\xE5";

} // namespace

void FormatRandom::Reseed(int64_t negativeSeed) {
    const auto bits = std::bit_cast<uint32_t>(static_cast<float>(negativeSeed));
    state_ = (bits + (bits >> 24)) & StateMask;
    Next();
}

uint32_t FormatRandom::Next() {
    state_ = static_cast<uint32_t>((uint64_t{state_} * Multiplier + Increment) & StateMask);
    return state_;
}

int64_t TableSeed(std::string_view krossName) {
    int64_t seed = BaseSeed;
    if (krossName.substr(0, MiscPrefix.size()) == MiscPrefix) {
        const std::string_view tail =
            krossName.size() < 2 ? krossName : krossName.substr(krossName.size() - 2);
        if (NumberText::LeadingValue(tail) > 2) seed -= 1;
    }
    // 64 bits: a name read from a hostile file may be long enough to overflow 32.
    for (char c : krossName)
        seed -= static_cast<unsigned char>(c);
    return seed;
}

CodeTables MakeCodeTables(std::string_view krossName) {
    CodeTables t;
    FormatRandom rnd;
    rnd.Reseed(TableSeed(krossName));
    // Each stored code j picks one still unassigned plain code. The generator has the full period of
    // 2^24 states, so every plain code is eventually drawn and the loop ends.
    for (int32_t j = 32; j <= 255; ++j) {
        for (;;) {
            const auto d = static_cast<int32_t>((uint64_t{rnd.Next()} * 224) >> 24) + 32;
            if (t.Code[static_cast<size_t>(d)] != 0) continue;
            t.Code[static_cast<size_t>(d)] = j;
            t.Decode[static_cast<size_t>(j)] = d;
            break;
        }
    }
    return t;
}

ByteTable ToBytes(const std::array<int32_t, 256>& table) {
    ByteTable bytes{};
    for (size_t c = 0; c < bytes.size(); ++c)
        bytes[c] = static_cast<unsigned char>(table[c]);
    return bytes;
}

std::string MapCodes(const ByteTable& table, std::string_view text) {
    // The loop runs on a copy of the table and plain pointers: a char store may alias anything, and
    // through the string object the loop would reload its pointers after every character.
    const ByteTable t = table;
    std::string out(text);
    auto* p = reinterpret_cast<unsigned char*>(out.data());
    const size_t n = out.size();
    size_t i = 0;
    for (; i + 4 <= n; i += 4) {
        const unsigned char a = t[p[i]], b = t[p[i + 1]], c = t[p[i + 2]], d = t[p[i + 3]];
        p[i] = a;
        p[i + 1] = b;
        p[i + 2] = c;
        p[i + 3] = d;
    }
    for (; i < n; ++i)
        p[i] = t[p[i]];
    return out;
}

std::string MapCodes(const std::array<int32_t, 256>& table, std::string_view text) {
    return MapCodes(ToBytes(table), text);
}

void BuildCodeTables(KrossDocument& doc) {
    const CodeTables t = MakeCodeTables(doc.KrossName);
    doc.CodeTable = t.Code;
    doc.DecodeTable = t.Decode;
}

} // namespace KodKodirovkiM
