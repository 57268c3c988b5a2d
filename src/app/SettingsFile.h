#pragma once
// The user's preferences and the settings file "Gridmora Int.ini" that keeps them between runs.
// The file is cp1251 text, CR LF, written when the program closes and read when it starts: the 11 lines of
// the classic format, then one line per later setting, so that a reader of the 11 lines still reads it.
#include <cstdint>
#include <string>
#include <string_view>

struct Settings {
    std::string AppDir;         // folder of the program, native (UTF-8) path, always ends in PathSep
    std::string PathSep;        // "/" or a backslash
    std::string SamplesDir;     // native path of the sample crosswords, no trailing separator
    std::string SettingsDir;    // native path of the folder of the settings file, ends in PathSep; empty
                                // when the user has no home to keep it in
    std::string LanguageFile;   // native (UTF-8) file name in AppDir + "Language"; empty = the default
    std::string LetterFontName; // cp1251
    int32_t LetterFontSize = 10;
    bool LetterFontBold = true;
    bool LetterFontItalic = false;
    bool LetterFontUnderline = false;
    int32_t LetterFontColor = 0;      // 0x00BBGGRR
    bool LetterFontStrikeout = false; // set only by the font dialog, never stored in the file
    int32_t CellSize = 20;
    int32_t NumberSize = 1;
    int32_t StyleIndex = 0; // 0 classic, 1 Arabic
    // Line 12: the symmetry of the drawing panel, SymmetryChoice::None, Mirror or HalfTurn.
    int32_t Symmetry = 0;
    bool operator==(const Settings&) const = default;
};

// The symmetry a click on the grid being drawn follows.
namespace SymmetryChoice {
constexpr int32_t None = 0;     // the clicked cell alone
constexpr int32_t Mirror = 1;   // its left-right, top-bottom and central images, and the transposed ones
constexpr int32_t HalfTurn = 2; // the cell a half turn about the grid's centre brings it to
} // namespace SymmetryChoice

// What the dialogs let the user choose; the reader takes nothing else from a file.
namespace SettingsRange {
constexpr int32_t MinLetterFontSize = 1, MaxLetterFontSize = 400; // the letter font dialog
constexpr int32_t MaxColor = 0x00FFFFFF;                          // 0x00BBGGRR
constexpr int32_t MinNumberSize = 1, MaxNumberSize = 3;           // the cell and font dialog
constexpr int32_t MinStyle = 0, MaxStyle = 1;                     // the style menu
constexpr size_t MaxNameLength = 255;                             // a font or language file name
} // namespace SettingsRange

// True when name can be a language file name the language dialog offers: a file name in the Language
// folder, without any folder part ("/", a backslash, "." or ".."), control characters or excess length.
bool IsLanguageFileName(std::string_view name);

// The name of the settings file in SettingsDir.
inline constexpr std::string_view SettingsFileName = "Gridmora Int.ini";

// The settings before the file is read: font "MS Sans Serif" 10 bold, cells of 20 pixels, number size 1.
Settings DefaultSettings();

// Reads the settings file's bytes over s. A first field other than exactly "6.5" changes nothing; a file
// that ends early keeps the remaining settings; a value that cannot be read keeps that setting. A value
// that its dialog would not allow (a cell size the field cannot be drawn at, a font size, number size,
// style or colour out of range, a language file name with a folder part, an overlong name) is replaced by
// its default, so that no settings file can break the program or point outside the Language folder. A
// symmetry other than the three choices keeps the one s holds.
void ReadSettingsText(std::string_view bytes, Settings& s);

// The lines of the settings file, CR LF: the 11 classic ones, then the symmetry. A text that the reader would
// cut (a comma, a line break, leading blanks, a leading double quote) is written in double quotes so that it
// reads back as written.
std::string SettingsFileText(const Settings& s);
