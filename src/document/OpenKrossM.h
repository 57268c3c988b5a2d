#pragma once
// Reading a crossword file (.krw) into the document, without any window work.
#include <cstdint>
#include <string>
#include <string_view>

struct KrossDocument;

namespace OpenKrossM {

// Every character mapped through doc.DecodeTable; same length.
std::string Unscramble(const KrossDocument& doc, std::string_view text);

struct KrossReadResult {
    enum class Status {
        Ok,      // the document now holds the crossword
        Refused, // sizes or counts the program cannot hold; the document is untouched
    };
    Status status = Status::Refused;
    bool answerMissing = false; // a word of a crossword with answers has no (usable) answer
};

// Reads the bytes of a crossword file into doc and sets up solving: KrossFile = path, AppMode 4 (bare
// grid), 6 (an answer missing) or 5, ActiveStyle = styleIndex, progress and selection reset. The caller
// sets the captions, applies the mode and rebuilds the working layers.
//
// The file may come from anyone. Refused, before anything is allocated: a grid whose field would not
// fit at cellSize (the cell size the field will be drawn at; 1 asks only whether the grid can be held at
// all), NumberCount outside 0..width*height, a record count outside 0..2*NumberCount (a file cut before
// its grid size is refused this way too). Otherwise the file loads as far as it goes: missing lines read
// as empty or 0, a number line without a number as 0; a record whose number, direction or cells lie outside
// the grid is skipped; an answer whose length differs from its word's is dropped (and counts as missing).
// WordCount becomes the number of words actually read, whatever the file's count line says. NoAnswers is held
// as 0 or 1. The name, the password, the author and the clues are cut to TextLimits::MaxText.
KrossReadResult ReadKrossText(std::string_view bytes, KrossDocument& doc, int32_t styleIndex,
                              const std::string& path, int32_t cellSize = 1);

} // namespace OpenKrossM
