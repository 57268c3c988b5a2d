#pragma once
// The word lists prepared for filling a grid: every word of the lists, by length, as small letter
// numbers, built once and then only read (one instance may serve several fills on several threads).
//
// Letters are the cp1251 bytes the words use, numbered 0..LetterCount()-1 so that a set of letters fits
// in 64 bits. The Russian and the English alphabets together use 58 letters; should the lists use more
// than 64 different bytes, the words with the rarest ones are left out.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class FillWords {
  public:
    static constexpr int32_t MinLength = 2;
    static constexpr int32_t MaxLength = 24;
    static constexpr int32_t MaxLetters = 64;
    static constexpr uint8_t NoLetter = 0xFF;

    FillWords() = default;

    // From the bytes of the word-list files: files[L] is the file of words of L letters (the format of
    // the word search; an empty or damaged file gives what it holds). Words are taken in capitals; a word
    // holding a blank or a control character is left out, and each word is kept once.
    static FillWords FromFiles(const std::array<std::string, MaxLength + 1>& files);
    // Reads appDir + "Data" + pathSep + "L.dat" for L = 2..24; a missing file holds no words.
    static FillWords Load(std::string_view appDir, std::string_view pathSep);
    // From words of any length (cp1251); lengths outside 2..24 are left out. For tests and tools.
    static FillWords FromWords(const std::vector<std::string>& words);

    int32_t LetterCount() const { return static_cast<int32_t>(bytes_.size()); }
    // The letter number of a byte, or NoLetter when no word uses it.
    uint8_t LetterOf(unsigned char byte) const { return letterOf_[byte]; }
    unsigned char ByteOf(uint8_t letter) const { return bytes_[letter]; }

    // Words of a length (0 outside 2..24), numbered 0..Count-1.
    uint32_t Count(int32_t length) const;
    uint32_t Total() const { return total_; }
    // The letter numbers of a word: length of them.
    const uint8_t* Letters(int32_t length, uint32_t word) const {
        return byLength_[static_cast<size_t>(length)].letters.data() +
               size_t{word} * static_cast<size_t>(length);
    }
    // The word as cp1251 capitals.
    std::string Word(int32_t length, uint32_t word) const;
    // The number of a word given in cp1251 (compared exactly), or nothing when the lists lack it.
    std::optional<uint32_t> Find(std::string_view word) const;
    // Sets of words of a length are bit sets of Blocks(length) 64-bit blocks, word w at bit w % 64 of block
    // w / 64. Bits(length, p, letter) is the set of the words with that letter at position p.
    uint32_t Blocks(int32_t length) const { return byLength_[static_cast<size_t>(length)].blocks; }
    const uint64_t* Bits(int32_t length, int32_t position, uint8_t letter) const {
        const OneLength& one = byLength_[static_cast<size_t>(length)];
        return one.bits.data() + (static_cast<size_t>(position) * bytes_.size() + letter) * one.blocks;
    }

  private:
    struct OneLength {
        uint32_t count = 0;
        std::vector<uint8_t> letters; // count * length letter numbers
        std::vector<uint32_t> sorted; // word numbers in the order of their letters, for Find
        uint32_t blocks = 0;
        std::vector<uint64_t> bits; // (position * LetterCount() + letter) * blocks
    };
    static FillWords build(const std::array<std::vector<std::string_view>, MaxLength + 1>& words);

    std::array<uint8_t, 256> letterOf_{};
    std::vector<unsigned char> bytes_;
    std::array<OneLength, MaxLength + 1> byLength_;
    uint32_t total_ = 0;
};
