// The language file reader on any bytes, loaded over a first language: no crash, no entry that spans
// lines, filters of exactly three NUL separators, and the mode captions built for every mode.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "lang/LanguageFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const LanguageFileContent f = ParseLanguageFile(bytes);
    if (LanguageDisplayName(bytes) != f.DisplayName) __builtin_trap();
    for (const auto& e : f.Entries)
        if (e && e->find_first_of("\r\n") != std::string::npos) __builtin_trap();
    if (f.Entries[0]) __builtin_trap();

    InterfaceTexts t;
    ApplyLanguage(ParseLanguageFile("First\r\n33,kept\r\n8,&Kross\r\n"), t);
    ApplyLanguage(f, t);
    if (std::count(t.KrwFilter.begin(), t.KrwFilter.end(), '\0') != 3) __builtin_trap();
    if (std::count(t.OtvFilter.begin(), t.OtvFilter.end(), '\0') != 3) __builtin_trap();
    if (!f.Entries[33] && t.LangText[8] != "kept") __builtin_trap();
    for (int i = LangIndex::FirstLangText; i <= LangIndex::LastLangText; ++i)
        if (t.Captions[static_cast<size_t>(i)] !=
            t.LangText[static_cast<size_t>(i - LangIndex::FirstLangText)])
            __builtin_trap();

    ModeCaptionFacts facts;
    facts.KrossCaption = StripMnemonic(t.Captions[LangIndex::KrossMenu]);
    facts.KrossName = f.DisplayName;
    facts.WordCount = static_cast<int32_t>(size);
    for (int32_t mode = 0; mode <= 8; ++mode) {
        CaptionsOfMode(t, mode, CaptionMoment::EnteringMode, facts);
        CaptionsOfMode(t, mode, CaptionMoment::LanguageChanged, facts);
    }
    return 0;
}
