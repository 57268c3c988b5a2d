#pragma once
// Reading an answers file (.otv), in two steps: the file's content, then its marks applied to the loaded
// crossword (between the two the caller may have to load the crossword the file names).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct KrossDocument;

namespace OpenOtvetyM {

struct OtvRecord {
    int32_t Number = 0;
    int32_t Direction = 0;
    std::string Word; // cp1251; only in the answers of a bare grid
};

struct OtvContent {
    std::string KrossFileName; // native (UTF-8) file name of the crossword, no folder; empty if unusable
    std::string KrossName;     // cp1251, cut to TextLimits::MaxText as the crossword reader cuts it
    int32_t NoAnswers = 0;
    int32_t NumberCount = 0;
    int32_t SolvedCount = 0;        // as the file says
    std::vector<OtvRecord> Records; // the complete records present, at most SolvedCount of them
};

// The crossword file name an answers file may name: the cp1251 text after the last "/" or "\", as a
// UTF-8 name; empty for ".", ".." or an empty name, so that a received file never points into another
// folder.
std::string CrosswordFileName(std::string_view line);

// The content of an answers file. A short file reads as far as it goes (missing header lines read as
// empty or 0); a record cut short by the end of the file is left out. Records that cannot name a word
// of the file's own crossword (number outside 1..NumberCount, direction outside 0..1) are left out, and
// no more than 2 x NumberCount records are kept.
OtvContent ParseOtvety(std::string_view bytes);

struct OtvApplyResult {
    enum class Status {
        Ok,
        Refused, // the file does not belong to the loaded crossword; nothing changed
    };
    Status status = Status::Refused;
    int32_t OpenWords = 0; // WordCount - SolvedCount afterwards
};

// Adds the file's marks to the loaded crossword. Refused when NumberCount or NoAnswers differ from the
// crossword's. A record naming no word of the crossword (out of range, length 0) is skipped, as is, for
// a bare grid, a record whose word does not fill its slot exactly. For a bare grid ClueTexts becomes
// two-dimensional: the words of the marks already present are kept, the records' words are stored.
// Marks already present stay; SolvedCount is recounted from SolvedWords. Modified is left as it was.
OtvApplyResult ApplyOtvety(const OtvContent& c, KrossDocument& doc);

struct WordRef {
    int32_t Number = 0;
    int32_t Direction = 0;
};

// The first word still open: n = 1..NumberCount, across before down, ViewSlotTable length >= 1 and
// SolvedWords 0; nothing when every word is solved.
std::optional<WordRef> FirstOpenWord(const KrossDocument& doc);

} // namespace OpenOtvetyM
