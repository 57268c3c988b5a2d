#pragma once
// The longest text of a crossword the window can show: a name, an author, a password or a clue. Longer
// texts in a received file are cut to it when read (a name of megabytes would otherwise go to the window
// system as the window caption), and the text boxes take no more.
#include <cstddef>
#include <string_view>

namespace TextLimits {

constexpr size_t MaxText = 255;

// The text, cut to MaxText characters (cp1251: one byte a character).
constexpr std::string_view Capped(std::string_view text) {
    return text.substr(0, MaxText);
}

} // namespace TextLimits
