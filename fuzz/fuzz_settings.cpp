// The settings file reader on any bytes: it must not crash, and whatever it reads must be written so
// that it reads back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/SettingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Settings s = DefaultSettings();
    ReadSettingsText(bytes, s);
    Settings back = DefaultSettings();
    ReadSettingsText(SettingsFileText(s), back);
    if (!(back == s)) __builtin_trap();
    return 0;
}
