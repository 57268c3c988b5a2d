#pragma once
// Preferences kept in "Gridmora Int.ini" beside the program.
#include <cstdint>
#include <string>
#include <string_view>

struct Settings {
    std::string AppDir;     // native path, ends in PathSep
    std::string PathSep = "/";
    std::string SamplesDir; // native path, no trailing separator
    std::string LanguageFile;
    std::string LetterFontName = "MS Sans Serif"; // cp1251
    int32_t LetterFontSize = 10;
    bool LetterFontBold = true;
    bool LetterFontItalic = false;
    bool LetterFontUnderline = false;
    int32_t LetterFontColor = 0;
    bool LetterFontStrikeout = false;
    int32_t CellSize = 20;
    int32_t NumberSize = 1;
    int32_t StyleIndex = 0;
};

Settings DefaultSettings();
void ReadSettingsText(std::string_view bytes, Settings& s);
std::string SettingsFileText(const Settings& s);
