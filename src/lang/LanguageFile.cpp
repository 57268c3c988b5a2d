#include "lang/LanguageFile.h"

LanguageFileContent ParseLanguageFile(std::string_view) { return {}; }
void ApplyLanguage(const LanguageFileContent&, InterfaceTexts&) {}
std::string StripMnemonic(std::string_view s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&') {
            if (i + 1 < s.size() && s[i + 1] == '&') out += '&', ++i;
            continue;
        }
        out += s[i];
    }
    return out;
}
