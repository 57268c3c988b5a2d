#pragma once
// Walks the lines of a crossword or answers file held in memory, one value a line, without copying.
// A line ends at CR LF, LF or a lone CR; a last line without an end counts. Past the end every line
// reads as empty text or the number 0, so a short file reads as far as it goes.
#include <cstddef>
#include <cstdint>
#include <string_view>

class LineCursor {
  public:
    explicit LineCursor(std::string_view bytes) : s_(bytes) {}

    bool AtEnd() const { return pos_ >= s_.size(); }
    // The next line without its end; empty past the end of the text.
    std::string_view Text();
    // The leading number of the next line as a 32-bit integer; 0 for a line with no number, a number too
    // large for 32 bits, or past the end.
    int32_t Number();

    // The value of a number line in the sense of Number().
    static int32_t LineNumber(std::string_view line);

  private:
    std::string_view s_;
    size_t pos_ = 0;
};
