#pragma once
// The substitution tables that hide the answers, the author and the edit password in crossword files.
// The tables are a fixed function of the crossword's name: every build of the program must produce the
// same tables from the same name, or it cannot read the files of another build.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct KrossDocument;

namespace KodKodirovkiM {

// The file format's pseudo-random generator: a 24-bit linear congruential sequence.
class FormatRandom {
  public:
    // Reseeds from a negative value (the value's single-precision bit pattern); consumes one step.
    void Reseed(int64_t negativeSeed);
    // Advances one step and returns the new 24-bit state; the draw is state / 2^24.
    uint32_t Next();
    uint32_t State() const { return state_; }

  private:
    uint32_t state_ = 0;
};

struct CodeTables {
    std::array<int32_t, 256> Code{};   // Code[plain] = stored code; 0 for plain codes below 32
    std::array<int32_t, 256> Decode{}; // Decode[stored] = plain code; 0 for stored codes below 32
};

// The seed the tables of a name start from (base seed, the "Разное" rule, minus every character code).
int64_t TableSeed(std::string_view krossName);

// Both tables of a name given in cp1251 bytes.
CodeTables MakeCodeTables(std::string_view krossName);

// Every character of a text mapped through a table; same length (the scrambling in both directions).
std::string MapCodes(const std::array<int32_t, 256>& table, std::string_view text);

// The same with the table as bytes, for readers that map many texts through one table.
using ByteTable = std::array<unsigned char, 256>;
ByteTable ToBytes(const std::array<int32_t, 256>& table);
std::string MapCodes(const ByteTable& table, std::string_view text);

// Rebuilds doc.CodeTable and doc.DecodeTable from doc.KrossName.
void BuildCodeTables(KrossDocument& doc);

} // namespace KodKodirovkiM
