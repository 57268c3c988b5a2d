// The settings file reader on any bytes: it must not crash, it takes only values the dialogs allow, and
// whatever it reads must be written so that it reads back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/SettingsFile.h"
#include "document/GridLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Settings s = DefaultSettings();
    ReadSettingsText(bytes, s);
    using namespace SettingsRange;
    if (!IsLanguageFileName(s.LanguageFile) || s.LetterFontName.size() > MaxNameLength) __builtin_trap();
    if (s.LetterFontSize < MinLetterFontSize || s.LetterFontSize > MaxLetterFontSize) __builtin_trap();
    if (s.LetterFontColor < 0 || s.LetterFontColor > MaxColor) __builtin_trap();
    if (!GridLimits::GridFits(1, 1, s.CellSize)) __builtin_trap();
    if (s.NumberSize < MinNumberSize || s.NumberSize > MaxNumberSize) __builtin_trap();
    if (s.StyleIndex < MinStyle || s.StyleIndex > MaxStyle) __builtin_trap();
    Settings back = DefaultSettings();
    ReadSettingsText(SettingsFileText(s), back);
    if (!(back == s)) __builtin_trap();
    return 0;
}
