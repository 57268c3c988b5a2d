#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/DeystvieM.h"
#include "basics/Cp1251.h"
#include "basics/TextFile.h"
#include "document/KrossDocument.h"
#include "lang/LanguageFile.h"

namespace {

using namespace std::string_literals;

std::string cp(std::string_view utf8) {
    return *Cp1251::FromUtf8(utf8);
}

std::string fileOf(std::initializer_list<std::string_view> lines) {
    std::string s;
    for (auto l : lines) {
        s += l;
        s += "\r\n";
    }
    return s;
}

InterfaceTexts load(std::string_view bytes, InterfaceTexts t = {}) {
    ApplyLanguage(ParseLanguageFile(bytes), t);
    return t;
}

TEST(LanguageFileTest, OnlyADisplayName) {
    const InterfaceTexts t = load(cp("Русский\r\n"));
    EXPECT_EQ(t.DisplayName, cp("Русский"));
    EXPECT_EQ(LanguageMenuCaption(t.DisplayName), cp("Language: Русский"));
    for (int i = 1; i <= LanguageIndexCount; ++i)
        EXPECT_EQ(t.Captions[static_cast<size_t>(i)], "") << i;
    EXPECT_EQ(t.MsgTitle, "");
    EXPECT_EQ(t.LangOverwritePrompt, " \r\n");
    // The Kross menu shows its English caption, and the crossword filter is named after what it shows.
    EXPECT_EQ(t.KrwFilter, "Crossword (*.krw)\0*.krw\0All Files (*)\0*"s);
    EXPECT_EQ(t.OtvFilter, " (*.otv)\0*.otv\0All Files (*)\0*"s);
}

TEST(LanguageFileTest, MenusFallBackToTheEnglishFileWhenTheLanguageLeavesThemEmpty) {
    const InterfaceTexts none;
    const InterfaceTexts empty = load("Solo\r\n");
    const InterfaceTexts own = load(cp(fileOf({"Own", "3,&Файл", "8,", "46,Язык"})));
    EXPECT_EQ(CaptionOrEnglish(none, LangIndex::FileMenu), "&File");
    EXPECT_EQ(CaptionOrEnglish(empty, LangIndex::KrossNew), "&New...");
    EXPECT_EQ(CaptionOrEnglish(empty, LangIndex::FirstLangText + 21), "Choose Language");
    EXPECT_EQ(CaptionOrEnglish(own, LangIndex::FileMenu), cp("&Файл"));
    EXPECT_EQ(CaptionOrEnglish(own, LangIndex::KrossMenu), "&Crossword"); // an empty entry is no caption
    EXPECT_EQ(CaptionOrEnglish(own, 46), cp("Язык"));
    // The texts themselves stay as the file left them.
    EXPECT_EQ(own.Captions[LangIndex::KrossMenu], "");
    EXPECT_EQ(CaptionOrEnglish(own, 0), "");
    EXPECT_EQ(CaptionOrEnglish(own, LanguageIndexCount + 1), "");
}

TEST(LanguageFileTest, TheBuiltInCaptionsAreTheShippedEnglishFile) {
    std::string bytes;
    ASSERT_EQ(TextFile::ReadAll(GRIDMORA_SOURCE_DIR "/data/Language/English.txt"s, bytes),
              TextFile::Error::None);
    const LanguageFileContent english = ParseLanguageFile(bytes);
    for (int i = 1; i <= LanguageIndexCount; ++i)
        EXPECT_EQ(BuiltInCaption(i), english.Entries[static_cast<size_t>(i)].value_or("")) << i;
    EXPECT_EQ(BuiltInCaption(0), "");
    EXPECT_EQ(BuiltInCaption(LanguageIndexCount + 1), "");
}

TEST(LanguageFileTest, DisplayNameIsTheFirstField) {
    struct Case {
        std::string file;
        std::string name;
    } cases[] = {
        {"English\r\n2,Title\r\n", "English"},
        {"English, British\r\n", "English"},
        {"  Deutsch  \r\n", "Deutsch  "},
        {"\"Eng, lish\" tail\r\n2,x\r\n", "Eng, lish"},
        {"\r\n2,Title\r\n", ""},
        {"", ""},
        {"NoLineEnd", "NoLineEnd"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageDisplayName(c.file), c.name) << c.file;
        EXPECT_EQ(ParseLanguageFile(c.file).DisplayName, c.name) << c.file;
    }
}

TEST(LanguageFileTest, EntryLines) {
    struct Case {
        const char* line;
        int index; // 0: the line gives no entry
        const char* text;
    } cases[] = {
        {"5,Save", 5, "Save"},
        {"5, Save", 5, " Save"}, // the text is everything after the one separator
        {"5 Save, then quit", 5, "Save, then quit"},
        {"5,\"Quoted\", and more,", 5, "\"Quoted\", and more,"},
        {"  7,Indented index", 7, "Indented index"},
        {"05,Leading zero", 5, "Leading zero"},
        {"9", 9, ""},
        {"9,", 9, ""},
        {"75,Last", 75, "Last"},
        {"1,", 1, ""},
        {"0,Zero", 0, ""},
        {"76,First extended", 76, "First extended"},
        {"299,Last extended", 299, "Last extended"},
        {"300,Too far", 0, ""},
        {"99999999999999999999,Huge", 0, ""},
        {"-3,Negative", 0, ""},
        {"5x,Not a number", 0, ""},
        {"5\tTab is no separator", 0, ""},
        {"x,5", 0, ""},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        const LanguageFileContent f = ParseLanguageFile("Name\r\n"s + c.line + "\r\n");
        int found = 0;
        for (int i = 0; i <= ExtendedIndexLast; ++i)
            if (f.Entries[static_cast<size_t>(i)]) {
                EXPECT_EQ(found, 0) << c.line;
                found = i;
                EXPECT_EQ(*f.Entries[static_cast<size_t>(i)], c.text) << c.line;
            }
        EXPECT_EQ(found, c.index) << c.line;
    }
}

TEST(LanguageFileTest, ExtendedTextsFallBackToBuiltInEnglish) {
    // The texts of later features: the file's own, else the built-in one (missing and empty alike).
    const InterfaceTexts none;
    const InterfaceTexts old = load("Old\r\n2,Title\r\n");
    const InterfaceTexts given = load("New\r\n76,Own\r\n77,\r\n299,Last\r\n");
    for (int i = LanguageIndexCount + 1; i <= ExtendedIndexLast; ++i) {
        EXPECT_EQ(Text(none, i), BuiltInText(i)) << i;
        EXPECT_EQ(Text(old, i), BuiltInText(i)) << i;
        if (i != 76 && i != 299) {
            EXPECT_EQ(Text(given, i), BuiltInText(i)) << i;
        }
    }
    EXPECT_EQ(Text(given, 76), "Own");
    EXPECT_EQ(Text(given, 299), "Last");
    // The original indexes are not extended texts.
    EXPECT_EQ(Text(given, 2), "");
    EXPECT_EQ(Text(given, 300), "");
}

TEST(LanguageFileTest, LineEndsAndDuplicates) {
    const LanguageFileContent f = ParseLanguageFile("Name\r\n5,First\n6,Six\r7,Seven\r\n5,Second\r\n8,Last");
    EXPECT_EQ(f.Entries[5], "Second");
    EXPECT_EQ(f.Entries[6], "Six");
    EXPECT_EQ(f.Entries[7], "Seven");
    EXPECT_EQ(f.Entries[8], "Last");
    EXPECT_EQ(load("Name\r\n5,First\r\n5,Second\r\n").Captions[5], "Second");

    // What follows a comma on the first line is read as an entry line.
    const LanguageFileContent g = ParseLanguageFile("Name,5,Same line\r\n6,Next\r\n");
    EXPECT_EQ(g.DisplayName, "Name");
    EXPECT_EQ(g.Entries[5], "Same line");
    EXPECT_EQ(g.Entries[6], "Next");
}

TEST(LanguageFileTest, TextsOf25To47AccumulateOverLoads) {
    std::vector<std::string> all = {"First"};
    for (int i = 1; i <= 75; ++i)
        all.push_back(std::to_string(i) + ",first " + std::to_string(i));
    std::string first;
    for (const auto& l : all)
        first += l + "\r\n";
    InterfaceTexts t = load(first);
    EXPECT_EQ(t.LangText[8], "first 33");
    EXPECT_EQ(t.Captions[5], "first 5");

    // The second file lacks 5 (a menu caption), 33 (LangText element 8) and 60 (a message).
    std::string second = "Second\r\n";
    for (int i = 1; i <= 75; ++i)
        if (i != 5 && i != 33 && i != 60)
            second += std::to_string(i) + ",second " + std::to_string(i) + "\r\n";
    t = load(second, t);
    EXPECT_EQ(t.DisplayName, "Second");
    EXPECT_EQ(t.Captions[5], "");
    EXPECT_EQ(t.LangText[8], "first 33");
    EXPECT_EQ(t.Captions[33], "first 33");
    EXPECT_EQ(t.LangText[9], "second 34");
    EXPECT_EQ(t.LangAccessError, "");
    EXPECT_EQ(t.LangWriteError, "second 61");

    // An empty entry is an entry: it empties the kept text.
    t = load("Third\r\n33,\r\n", t);
    EXPECT_EQ(t.LangText[8], "");
    EXPECT_EQ(t.LangText[9], "second 34");
    EXPECT_EQ(t.LangWriteError, "");
}

TEST(LanguageFileTest, NamedTextsAndFilters) {
    const InterfaceTexts t = load(cp(fileOf({"Русский", "1,help-ru.html", "2,Заголовок", "8,&Кроссворд",
                                             "48,Gridmora —", "54,Слов:", "57,Ответы (Q&A)", "58,уже есть.",
                                             "59,Заменить?", "60,недоступен", "74,Букв:"})));
    EXPECT_EQ(t.HelpFileName, "help-ru.html");
    EXPECT_EQ(t.MsgTitle, cp("Заголовок"));
    EXPECT_EQ(t.LangAppTitle, cp("Gridmora —"));
    EXPECT_EQ(t.LangOverwritePrompt, cp(" уже есть.\r\nЗаменить?"));
    EXPECT_EQ(t.LangAccessError, cp("недоступен"));
    EXPECT_EQ(t.LangFindWordCount, cp("Букв:"));
    EXPECT_EQ(t.Captions[8], cp("&Кроссворд")); // the menu keeps its marker
    EXPECT_EQ(t.KrwFilter, cp("Кроссворд (*.krw)\0*.krw\0All Files (*)\0*"s));
    EXPECT_EQ(t.OtvFilter, cp("Ответы (Q&A) (*.otv)\0*.otv\0All Files (*)\0*"s));
    EXPECT_EQ(WordsLabelText(t, 12), cp("Слов: 12"));
    EXPECT_EQ(WordsLabelText(t, -1), cp("Слов:-1"));

    // A NUL in a language text would split the filter into wrong pairs; it is dropped.
    const InterfaceTexts n = load("N\r\n8,Kr\0oss\r\n"s);
    EXPECT_EQ(n.KrwFilter, "Kross (*.krw)\0*.krw\0All Files (*)\0*"s);
    EXPECT_EQ(std::count(n.KrwFilter.begin(), n.KrwFilter.end(), '\0'), 3);
}

TEST(LanguageFileTest, EmptyAndBinaryFiles) {
    InterfaceTexts t = load("");
    EXPECT_EQ(t.DisplayName, "");
    EXPECT_EQ(t.Captions[8], "");

    std::string bin;
    uint32_t x = 99;
    for (int i = 0; i < 20000; ++i) {
        x = x * 1664525u + 1013904223u;
        bin += static_cast<char>(x >> 24);
    }
    const LanguageFileContent f = ParseLanguageFile(bin);
    for (const auto& e : f.Entries)
        if (e) {
            EXPECT_EQ(e->find_first_of("\r\n"), std::string::npos);
        }
    t = load(bin, t);
    EXPECT_EQ(std::count(t.KrwFilter.begin(), t.KrwFilter.end(), '\0'), 3);
    EXPECT_EQ(std::count(t.OtvFilter.begin(), t.OtvFilter.end(), '\0'), 3);
}

TEST(LanguageFileTest, StripMnemonic) {
    struct Case {
        const char* caption;
        const char* text;
    } cases[] = {
        {"&File", "File"}, {"Save &as...", "Save as..."},
        {"Q&&A", "Q&A"},   {"&&&x", "&x"},
        {"end&", "end"},   {"&", ""},
        {"&&", "&"},       {"no marks", "no marks"},
        {"", ""},          {"a&b&c", "abc"},
        {"&&&&", "&&"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StripMnemonic(c.caption), c.text) << c.caption;
    EXPECT_EQ(StripMnemonic(cp("&Файл")), cp("Файл"));
}

TEST(LanguageFileTest, MnemonicLetter) {
    struct Case {
        std::string caption;
        int letter; // 0: none
    } cases[] = {
        {"&File", 'F'},   {"E&xit", 'X'},  {"Q&&A", 0},   {"Q&&&A", 'A'},           {"end&", 0},
        {"", 0},          {"no marks", 0}, {"&a&b", 'A'}, {cp("Си&мметрия"), 0xCC}, // М
        {cp("&ё"), 0xA8},                                                           // Ё
    };
    for (const auto& c : cases) {
        const auto l = MnemonicLetter(c.caption);
        EXPECT_EQ(l.has_value() ? *l : 0, c.letter) << c.caption;
    }
}

TEST(LanguageFileTest, ModeCaptions) {
    const InterfaceTexts t = load(fileOf({"Test", "2,Title", "29,&no answers", "48,App", "49,new grid",
                                          "50,authoring", "51,Answer:", "52,Clue:", "54,Words:", "55,by"}));
    ModeCaptionFacts facts;
    facts.KrossCaption = "Kross";
    facts.KrossName = "Winter";
    facts.KrossAuthor = "Ivanov";
    facts.WordCount = 12;
    facts.SolvedCount = 5;

    using O = std::optional<std::string>;
    const O none;
    struct Case {
        int32_t mode;
        CaptionMoment moment;
        O window, words, prompt;
    };
    const auto E = CaptionMoment::EnteringMode, L = CaptionMoment::LanguageChanged;
    const Case cases[] = {
        {Mode::None, E, "Title", none, none},
        {Mode::None, L, "Title", none, none},
        {1, E, none, none, none},
        {1, L, none, none, none},
        {Mode::NewGrid, L, "App new grid", none, none},
        {Mode::Authoring, E, "App authoring", "Words: 12", "Clue:"},
        {Mode::Authoring, L, "App authoring", "Words: 12", "Clue:"},
        {Mode::SolveBare, E, "Kross: \"Winter\" (no answers)", "Words: 7", "Answer:"},
        {Mode::SolveBare, L, "Kross: \"Winter\" (no answers)", "Words: 7", "Answer:"},
        {Mode::Solve, L, "Kross: \"Winter\" by Ivanov", "Words: 7", "Answer:"},
        {Mode::Incomplete, E, "Kross: \"Winter\" by Ivanov", "Words: 7", "Answer:"},
        {Mode::Incomplete, L, none, none, none},
        {Mode::OpenFailed, E, none, none, none},
        {Mode::OpenFailed, L, none, none, none},
        {Mode::BareAuthoring, E, "Kross: \"Winter\" (no answers)", "Words: 7", none},
        {Mode::BareAuthoring, L, "Kross: \"Winter\"", "Words: 7", none},
    };
    for (const auto& c : cases) {
        const ModeCaptions m = CaptionsOfMode(t, c.mode, c.moment, facts);
        const int moment = c.moment == E ? 0 : 1;
        EXPECT_EQ(m.Window, c.window) << c.mode << "/" << moment;
        EXPECT_EQ(m.WordsLabel, c.words) << c.mode << "/" << moment;
        EXPECT_EQ(m.ClueOrAnswer, c.prompt) << c.mode << "/" << moment;
    }
    facts.WordCount = 0;
    facts.SolvedCount = 1;
    EXPECT_EQ(CaptionsOfMode(t, Mode::Solve, L, facts).WordsLabel, "Words:-1");
}

// The language files that ship with the program.
struct ShippedFile {
    const char* name;
    const char* displayName; // UTF-8
};

void PrintTo(const ShippedFile& f, std::ostream* os) {
    *os << f.name;
}

class LanguageFileTest : public ::testing::TestWithParam<ShippedFile> {};

TEST_P(LanguageFileTest, ShippedLanguageIsCompleteAndWellFormed) {
    const std::string path = GRIDMORA_SOURCE_DIR "/data/Language/"s + GetParam().name;
    std::string bytes;
    ASSERT_EQ(TextFile::ReadAll(path, bytes), TextFile::Error::None) << path;
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "lone CR at " << i;
        }
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "lone LF at " << i;
        }
    }
    const LanguageFileContent f = ParseLanguageFile(bytes);
    EXPECT_EQ(Cp1251::ToUtf8(f.DisplayName), GetParam().displayName);
    for (int i = 1; i <= LanguageIndexCount; ++i) {
        if (i == 23) continue; // not used
        const auto& e = f.Entries[static_cast<size_t>(i)];
        EXPECT_TRUE(e && !e->empty()) << "index " << i;
    }
    // Every text a feature uses is translated here too.
    for (int i = LanguageIndexCount + 1; i <= ExtendedIndexLast; ++i) {
        if (BuiltInText(i).empty()) continue;
        const auto& e = f.Entries[static_cast<size_t>(i)];
        EXPECT_TRUE(e && !e->empty()) << "index " << i;
    }
    // Every line is the display name or an entry line.
    const size_t entries = static_cast<size_t>(
        std::count_if(f.Entries.begin(), f.Entries.end(), [](const auto& e) { return e.has_value(); }));
    EXPECT_EQ(TextFile::SplitLines(bytes).size(), entries + 1);

    // Each original menu caption and each original caption inside a menu carries one marker.
    for (int i : {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 24}) {
        const std::string& c = *f.Entries[static_cast<size_t>(i)];
        EXPECT_EQ(std::count(c.begin(), c.end(), '&'), 1) << "index " << i;
        EXPECT_TRUE(MnemonicLetter(c).has_value()) << "index " << i;
    }
}

// The caption the window shows for an index of the shipped file: the file's own text, or the built-in
// English one of a later feature's text that the file leaves out.
std::string shownCaption(const LanguageFileContent& f, int32_t index) {
    const auto& e = f.Entries[static_cast<size_t>(index)];
    if (e && !e->empty()) return *e;
    return index > LanguageIndexCount ? std::string(BuiltInText(index)) : std::string();
}

// The keyboard markers of a caption ("&&" is a literal "&").
size_t markers(std::string_view caption) {
    size_t n = 0;
    for (size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == '&') {
            if (caption[i + 1] != '&') ++n;
            ++i;
        }
    return n;
}

// Which of the controls name the same letter; the captions without a marker name none.
std::vector<std::string> clashes(const LanguageFileContent& f,
                                 const std::vector<DeystvieM::CaptionedControl>& controls) {
    std::map<unsigned char, std::string> owner;
    std::vector<std::string> found;
    for (const auto& c : controls) {
        if (c.Index == 0) continue; // the language item: no index, no marker
        const std::string caption = shownCaption(f, c.Index);
        EXPECT_LE(markers(caption), 1u) << c.Name;
        const auto letter = MnemonicLetter(caption);
        if (!letter) continue;
        const auto [at, fresh] = owner.emplace(*letter, c.Name);
        if (!fresh) found.push_back(at->second + " and " + c.Name + " (" + Cp1251::ToUtf8(caption) + ")");
    }
    return found;
}

TEST_P(LanguageFileTest, ShippedLanguageGivesEveryKeyOnlyOneMeaning) {
    std::string bytes;
    ASSERT_EQ(TextFile::ReadAll(GRIDMORA_SOURCE_DIR "/data/Language/"s + GetParam().name, bytes),
              TextFile::Error::None);
    const LanguageFileContent f = ParseLanguageFile(bytes);
    // Alt and a letter: the menu bar's titles and the panel controls a mode shows are on screen together.
    for (int32_t mode = 0; mode <= 8; ++mode)
        EXPECT_EQ(clashes(f, DeystvieM::CaptionsOnScreen(mode)), std::vector<std::string>())
            << "mode " << mode;
    // A letter in an open menu: its items among themselves.
    for (const auto& menu : DeystvieM::WindowMenus())
        EXPECT_EQ(clashes(f, menu.Items), std::vector<std::string>()) << menu.Menu.Name;
}

INSTANTIATE_TEST_SUITE_P(Files, LanguageFileTest,
                         ::testing::Values(ShippedFile{"Russian.txt", "Русский"},
                                           ShippedFile{"English.txt", "English"}),
                         [](const auto& p) { return std::string(p.param.name).substr(0, 7); });

} // namespace
