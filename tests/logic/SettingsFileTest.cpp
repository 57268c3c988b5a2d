#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SettingsFile.h"
#include "basics/Cp1251.h"

namespace {

// The lines of a settings file joined with CR LF, each line ended.
std::string fileOf(std::initializer_list<std::string_view> lines) {
    std::string s;
    for (auto l : lines) {
        s += l;
        s += "\r\n";
    }
    return s;
}

const std::string kDefaultFile = fileOf(
    {"6.5", "Russian.txt", "MS Sans Serif", " 10 ", "True", "False", "False", " 0 ", " 20 ", " 1 ", " 0 "});

Settings read(std::string_view bytes) {
    Settings s = DefaultSettings();
    ReadSettingsText(bytes, s);
    return s;
}

TEST(SettingsFileTest, DefaultsAndTheDefaultFile) {
    const Settings d = DefaultSettings();
    EXPECT_EQ(d.LetterFontName, "MS Sans Serif");
    EXPECT_EQ(d.LetterFontSize, 10);
    EXPECT_TRUE(d.LetterFontBold);
    EXPECT_FALSE(d.LetterFontItalic || d.LetterFontUnderline || d.LetterFontStrikeout);
    EXPECT_EQ(d.LetterFontColor, 0);
    EXPECT_EQ(d.CellSize, 20);
    EXPECT_EQ(d.NumberSize, 1);
    EXPECT_EQ(d.StyleIndex, 0);
    EXPECT_EQ(d.LanguageFile, "");

    // No file at all reads as an empty text: nothing changes.
    EXPECT_EQ(read(""), d);

    Settings withLanguage = d;
    withLanguage.LanguageFile = "Russian.txt";
    // The 11 classic lines, then the symmetry of the drawing panel (none).
    EXPECT_EQ(SettingsFileText(withLanguage), kDefaultFile + " 0 \r\n");
    EXPECT_EQ(read(kDefaultFile), withLanguage);
}

TEST(SettingsFileTest, TheSymmetryFollowsTheClassicLines) {
    // A file written with a symmetry still begins with the 11 lines a classic reader expects.
    Settings s = DefaultSettings();
    s.LanguageFile = "Russian.txt";
    s.Symmetry = SymmetryChoice::HalfTurn;
    const std::string text = SettingsFileText(s);
    EXPECT_EQ(text, kDefaultFile + " 2 \r\n");
    EXPECT_EQ(read(text).Symmetry, SymmetryChoice::HalfTurn);

    struct Case {
        std::string line12; // empty: the file ends after line 11
        int32_t symmetry;   // read over a symmetry of Mirror
    } cases[] = {
        {" 0 ", SymmetryChoice::None},     {" 1 ", SymmetryChoice::Mirror},
        {" 2 ", SymmetryChoice::HalfTurn}, {"", SymmetryChoice::Mirror},
        {" 3 ", SymmetryChoice::Mirror},   {"-1", SymmetryChoice::Mirror},
        {"x", SymmetryChoice::Mirror},     {"2147483648", SymmetryChoice::Mirror},
    };
    for (const auto& c : cases) {
        Settings back = DefaultSettings();
        back.Symmetry = SymmetryChoice::Mirror;
        ReadSettingsText(c.line12.empty() ? kDefaultFile : kDefaultFile + c.line12 + "\r\n", back);
        EXPECT_EQ(back.Symmetry, c.symmetry) << c.line12;
        EXPECT_EQ(back.CellSize, 20) << c.line12;
    }
}

TEST(SettingsFileTest, AnotherVersionChangesNothing) {
    const std::string lines =
        fileOf({"English.txt", "Arial", " 14 ", "False", "True", "True", " 255 ", " 30 ", " 2 ", " 1 "});
    for (std::string_view first : {"6.4", "6.50", " 6.5x", "\"6.4\"", "", "6,5"})
        EXPECT_EQ(read(std::string(first) + "\r\n" + lines), DefaultSettings()) << first;
    // The version line itself may be quoted or indented, as any text field.
    EXPECT_EQ(read("\"6.5\"\r\n" + lines).LetterFontName, "Arial");
    EXPECT_EQ(read("  6.5\r\n" + lines).LetterFontName, "Arial");
}

TEST(SettingsFileTest, AFileThatEndsEarlyKeepsTheRest) {
    Settings s = read(fileOf({"6.5", "English.txt", "Arial", " 14 "}));
    Settings expected = DefaultSettings();
    expected.LanguageFile = "English.txt";
    expected.LetterFontName = "Arial";
    expected.LetterFontSize = 14;
    EXPECT_EQ(s, expected);

    // Cut inside line 6: "Fal" is no Boolean, the settings from there on keep their defaults.
    s = read("6.5\r\nEnglish.txt\r\nArial\r\n 14 \r\nFalse\r\nFal");
    expected.LetterFontBold = false;
    EXPECT_EQ(s, expected);

    // Cut inside a number line: " 3" without its line end still reads.
    s = read("6.5\r\nx\r\ny\r\n 1 \r\nTrue\r\nTrue\r\nTrue\r\n 5 \r\n 3");
    EXPECT_EQ(s.CellSize, 3);
    EXPECT_EQ(s.NumberSize, 1);
}

TEST(SettingsFileTest, EmptyLanguageLineGivesAnEmptyName) {
    Settings s = DefaultSettings();
    s.LanguageFile = "English.txt";
    ReadSettingsText(fileOf({"6.5", "", "Arial", " 12 "}), s);
    EXPECT_EQ(s.LanguageFile, "");
    EXPECT_EQ(s.LetterFontName, "Arial");
    EXPECT_EQ(s.LetterFontSize, 12);
}

TEST(SettingsFileTest, EverySettingRoundTrips) {
    Settings s = DefaultSettings();
    s.AppDir = "/opt/gridmora/"; // folders are not stored
    s.LanguageFile = "Українська.txt";
    s.LetterFontName = *Cp1251::FromUtf8("Times New Roman Кириллица");
    s.LetterFontSize = 400; // the largest size of the font dialog
    s.LetterFontBold = false;
    s.LetterFontItalic = true;
    s.LetterFontUnderline = true;
    s.LetterFontColor = 0x00FF8040;
    s.LetterFontStrikeout = true;
    s.CellSize = 16369; // the largest cell a one-cell field can be drawn at
    s.NumberSize = 3;
    s.StyleIndex = 1;
    s.Symmetry = SymmetryChoice::Mirror;

    Settings back = DefaultSettings();
    back.AppDir = s.AppDir;
    ReadSettingsText(SettingsFileText(s), back);
    Settings expected = s;
    expected.LetterFontStrikeout = false; // never stored
    EXPECT_EQ(back, expected);

    // Strikeout read over a struck-out font stays as it was: the file has no say in it.
    Settings struck = DefaultSettings();
    struck.LetterFontStrikeout = true;
    ReadSettingsText(SettingsFileText(s), struck);
    EXPECT_TRUE(struck.LetterFontStrikeout);
}

TEST(SettingsFileTest, TextsTheReaderWouldCutAreQuoted) {
    struct Case {
        std::string name;
        std::string line; // line 3 as written
        std::string back; // the name as read back
    } cases[] = {
        {"Arial, Bold", "\"Arial, Bold\"", "Arial, Bold"},
        {"  Indented", "\"  Indented\"", "  Indented"},
        {"Two\r\nLines", "\"Two\r\nLines\"", "Two\r\nLines"},
        {"Plain \"quoted\" word", "Plain \"quoted\" word", "Plain \"quoted\" word"},
        {"Trailing  ", "Trailing  ", "Trailing  "},
        {"", "", ""},
        // A quoted field cannot hold a quote: the quotes go, the rest of the file stays intact.
        {"\"Odd\", font", "\"Odd, font\"", "Odd, font"},
    };
    for (const auto& c : cases) {
        Settings s = DefaultSettings();
        s.LetterFontName = c.name;
        s.CellSize = 33;
        const std::string text = SettingsFileText(s);
        EXPECT_NE(text.find("\r\n" + c.line + "\r\n 10 \r\n"), std::string::npos) << c.name;
        Settings back = read(text);
        EXPECT_EQ(back.LetterFontName, c.back) << c.name;
        EXPECT_EQ(back.CellSize, 33) << c.name; // later lines are not shifted
        EXPECT_EQ(back.StyleIndex, 0) << c.name;
    }

    Settings s = DefaultSettings();
    s.LanguageFile = "My, language.txt";
    EXPECT_EQ(read(SettingsFileText(s)).LanguageFile, "My, language.txt");
    // A name cp1251 cannot hold is left out rather than stored wrongly.
    s.LanguageFile = "日本.txt";
    EXPECT_EQ(read(SettingsFileText(s)).LanguageFile, "");
}

TEST(SettingsFileTest, BooleanLines) {
    struct Case {
        const char* text;
        bool bold;   // default True
        bool italic; // default False
    } cases[] = {
        {"TRUE", true, true},        {"true", true, true}, {"fAlSe", false, false}, {"0", false, false},
        {"-1", true, true},          {"7", true, true},    {"0.0", false, false},   {" 1e0 ", true, true},
        {"&H0", false, false},       {"&HFF", true, true}, {"maybe", true, false},  {"", true, false},
        {"1abc", true, false},       {"1 2", true, false}, {"Truee", true, false},  {"-", true, false},
        {"\"False\"", false, false},
    };
    for (const auto& c : cases) {
        Settings s = read(fileOf({"6.5", "", "Arial", " 10 ", c.text, c.text, "False", " 0 ", " 25 "}));
        EXPECT_EQ(s.LetterFontBold, c.bold) << c.text;
        EXPECT_EQ(s.LetterFontItalic, c.italic) << c.text;
        EXPECT_EQ(s.CellSize, 25) << c.text;
    }
}

TEST(SettingsFileTest, NumberLines) {
    struct Case {
        const char* text;
        int32_t cellSize; // default 20
    } cases[] = {
        {" 30 ", 30}, {"-5", 20},         {"12abc", 12},       {"abc", 20},   {"", 20},
        {"2.5", 2},   {"2147483648", 20}, {"-2147483649", 20}, {"1e999", 20}, {"&H10", 16},
    };
    for (const auto& c : cases) {
        Settings s =
            read(fileOf({"6.5", "", "Arial", " 10 ", "True", "False", "False", " 0 ", c.text, " 2 "}));
        EXPECT_EQ(s.CellSize, c.cellSize) << c.text;
        EXPECT_EQ(s.NumberSize, 2) << c.text;
    }
    // Two numbers on one line are two fields: every later setting is read one line early.
    Settings s = read(fileOf({"6.5", "", "Arial", " 10 ", "True", "False", "False", " 0 ", " 30 2 ", " 1 "}));
    EXPECT_EQ(s.CellSize, 30);
    EXPECT_EQ(s.NumberSize, 2);
    EXPECT_EQ(s.StyleIndex, 1);
}

// No settings file can crash the program or make it read outside the Language folder: each value its
// dialog would not allow goes back to its default, the other settings stay as read.
TEST(SettingsFileTest, ValuesNoDialogAllowsGoBackToTheirDefaults) {
    struct Case {
        int line; // 2..11
        const char* text;
        bool kept; // the value is taken as read
    } cases[] = {
        {2, "English.txt", true},   {2, "../../etc/passwd", false},
        {2, "/etc/passwd", false},  {2, "..", false},
        {2, "a\\b.txt", false},     {2, "Mine.txt", true},
        {4, " 0 ", false},          {4, "-12", false},
        {4, " 401 ", false},        {4, " 400 ", true},
        {4, " 1 ", true},           {8, "-1", false},
        {8, " 16777215 ", true},    {8, " 16777216 ", false},
        {9, " 0 ", false},          {9, "-20", false},
        {9, " 2000000000 ", false}, {9, " 16777201 ", false},
        {9, " 16777200 ", true},    {9, " 1 ", true},
        {10, " 0 ", false},         {10, " 4 ", false},
        {10, " 3 ", true},          {11, "-1", false},
        {11, " 2 ", false},         {11, " 1 ", true},
    };
    const std::vector<std::string> good = {"6.5",  "Russian.txt", "Arial", " 14 ", "False", "True",
                                           "True", " 255 ",       " 30 ",  " 2 ",  " 1 "};
    for (const auto& c : cases) {
        std::vector<std::string> lines = good;
        lines[static_cast<size_t>(c.line - 1)] = c.text;
        std::string file;
        for (const auto& l : lines)
            file += l + "\r\n";
        const Settings s = read(file);
        const Settings d = DefaultSettings();
        SCOPED_TRACE(std::to_string(c.line) + ": " + c.text);
        switch (c.line) {
        case 2:
            EXPECT_EQ(s.LanguageFile, c.kept ? c.text : d.LanguageFile);
            break;
        case 4:
            EXPECT_EQ(s.LetterFontSize == d.LetterFontSize, !c.kept);
            break;
        case 8:
            EXPECT_EQ(s.LetterFontColor == d.LetterFontColor, !c.kept);
            break;
        case 9:
            EXPECT_EQ(s.CellSize == d.CellSize, !c.kept);
            break;
        case 10:
            EXPECT_EQ(s.NumberSize == d.NumberSize, !c.kept);
            break;
        case 11:
            EXPECT_EQ(s.StyleIndex == d.StyleIndex, !c.kept);
            break;
        }
        // The other settings are read as they stand.
        EXPECT_EQ(s.LetterFontName, "Arial");
        EXPECT_TRUE(s.LetterFontUnderline);
    }
    // A font name longer than any font's goes back to the default too.
    EXPECT_EQ(read(fileOf({"6.5", "", std::string(300, 'F')})).LetterFontName, "MS Sans Serif");
}

TEST(SettingsFileTest, GarbageNeverBreaksTheReader) {
    std::string garbage;
    uint32_t x = 12345;
    for (int i = 0; i < 4000; ++i) {
        x = x * 1103515245u + 12345u;
        garbage += static_cast<char>(x >> 23);
    }
    EXPECT_EQ(read(garbage), DefaultSettings());
    for (size_t cut : {size_t{0}, size_t{1}, size_t{17}, size_t{4000}}) {
        Settings s = read("6.5\r\n" + garbage.substr(0, cut));
        // Whatever was read, writing it and reading it again gives the same settings.
        EXPECT_EQ(read(SettingsFileText(s)), s) << cut;
    }
    // An unclosed quote swallows the rest of the file into one text; a language file name with line
    // breaks in it names no file of the Language folder, so the default stays.
    Settings s = read("6.5\r\n\"Russian.txt\r\nArial\r\n 14 \r\n");
    EXPECT_EQ(s.LanguageFile, "");
    EXPECT_EQ(s.LetterFontName, "MS Sans Serif");
}

} // namespace
