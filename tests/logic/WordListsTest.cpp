// Making word lists: sources in order, the letters a source may hold, Ё as Е, hunspell dictionaries in
// their encodings, the makewordlists tool, and the lists the build made from the installed dictionaries.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include "basics/Cp1251.h"
#include "basics/TextFile.h"
#include "document/HunspellDictionary.h"
#include "document/WordListBuilder.h"
#include "document/WordSearch.h"

namespace {

using namespace std::string_literals;
using V = std::vector<std::string>;
using WordListBuilder::Letters;

std::string cp(std::string_view utf8) {
    return *Cp1251::FromUtf8(utf8);
}

V utf8(const std::vector<std::string>& words) {
    V out;
    for (const auto& w : words)
        out.push_back(Cp1251::ToUtf8(w));
    return out;
}

// The words of a word-list file, UTF-8.
V wordsOf(std::string_view file, size_t length) {
    const WordSearch::WordListView list = WordSearch::ViewWordList(file, length);
    V out;
    for (size_t w = 0; w < list.Count; ++w)
        out.push_back(Cp1251::ToUtf8(list.Words.substr(w * length, length)));
    return out;
}

// The tool as a user runs it, on small files in a temporary folder.
class WordListsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() / ("gridmora-makewordlists-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    void write(const std::string& name, const std::string& bytes) {
        ASSERT_EQ(TextFile::WriteAll(path(name), bytes), TextFile::Error::None);
    }
    // The tool's exit code; its output goes to a file of the folder.
    int run(const std::string& arguments) {
        const std::string command =
            "'" GRIDMORA_MAKEWORDLISTS "' " + arguments + " > '" + path("out.txt") + "' 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    V list(int length) {
        std::string bytes;
        EXPECT_EQ(TextFile::ReadAll(path("Data/" + std::to_string(length) + ".dat"), bytes),
                  TextFile::Error::None);
        return wordsOf(bytes, static_cast<size_t>(length));
    }
    std::filesystem::path dir_;
};

TEST_F(WordListsTest, WordListBuilderSourcesComeInOrderEachWordOnce) {
    WordListBuilder::Builder b;
    b.AddWordListFile(cp("2\r\nКОТКИТ\r\n"), 3);
    b.AddEntries(WordListBuilder::PlainEntries("дом\nкот\nlog\n"));
    b.AddEntries(WordListBuilder::PlainEntries("cat\nдом\nзал\n"));
    const auto& lists = b.Lists();
    EXPECT_EQ(utf8(lists.Words[3]), V({"КОТ", "КИТ", "ДОМ", "LOG", "CAT", "ЗАЛ"}));
    EXPECT_EQ(lists.Duplicates, 2u);
    // A file's own words are kept as they are, and only files of the lengths a list holds are read.
    b.AddWordListFile("1\r\nXY\r\n", 1);
    b.AddWordListFile("1\r\nABCDEFGHIJKLMNOPQRSTUVWXY\r\n", 25);
    EXPECT_TRUE(b.Lists().Words[1].empty());
}

TEST_F(WordListsTest, WordListBuilderLettersYoAndOrderOfASource) {
    // A dictionary's entries: lemmas in small letters, names and abbreviations with capitals, Latin words.
    const std::vector<std::string_view> entries = {"ёлка",     "ель", "Москва", "елка", "ЭВМ",
                                                   "микроЭВМ", "ёж",  "еж",     "cat",  "ёрш",
                                                   "ж",        "жук", "Bob",    "dog's"};
    struct Case {
        const char* name;
        WordListBuilder::SourceOptions options;
        V words2, words3, words4;
        size_t leftOut, skipped, duplicates;
    } cases[] = {
        {"every entry, as written, in the source's order",
         {},
         {"ЁЖ", "ЕЖ"},
         {"ЕЛЬ", "ЭВМ", "CAT", "ЁРШ", "ЖУК", "BOB"},
         {"ЁЛКА", "ЕЛКА"},
         0,
         1, // "ж" is too short; "dog's" goes in when no letters are asked for
         0},
        {"small Cyrillic, Ё as Е, sorted",
         {Letters::SmallCyrillic, true, true},
         {"ЕЖ"},
         {"ЕЛЬ", "ЕРШ", "ЖУК"},
         {"ЕЛКА"},
         6,
         1,
         2},
        {"small Cyrillic, Ё kept, sorted with Ё after Е",
         {Letters::SmallCyrillic, false, true},
         {"ЕЖ", "ЁЖ"},
         {"ЕЛЬ", "ЁРШ", "ЖУК"},
         {"ЕЛКА", "ЁЛКА"},
         6,
         1,
         0},
        {"small Cyrillic, Ё as Е, the source's order",
         {Letters::SmallCyrillic, true, false},
         {"ЕЖ"},
         {"ЕЛЬ", "ЕРШ", "ЖУК"},
         {"ЕЛКА"},
         6,
         1,
         2},
        {"small Latin", {Letters::SmallLatin, true, true}, {}, {"CAT"}, {}, 13, 0, 0},
    };
    for (const auto& c : cases) {
        WordListBuilder::Builder b;
        b.AddEntries(entries, c.options);
        EXPECT_EQ(utf8(b.Lists().Words[2]), c.words2) << c.name;
        EXPECT_EQ(utf8(b.Lists().Words[3]), c.words3) << c.name;
        EXPECT_EQ(utf8(b.Lists().Words[4]), c.words4) << c.name;
        EXPECT_EQ(b.Lists().LeftOut, c.leftOut) << c.name;
        EXPECT_EQ(b.Lists().Skipped, c.skipped) << c.name;
        EXPECT_EQ(b.Lists().Duplicates, c.duplicates) << c.name;
    }
}

TEST_F(WordListsTest, HunspellDictionaryEncodingFromTheAffixFile) {
    struct Case {
        const char* aff;
        const char* encoding;
    } cases[] = {
        {"SET UTF-8\nTRY abc\n", "UTF-8"},
        {"# comment\r\n  SET   KOI8-R  \r\nSFX A Y 1\r\n", "KOI8-R"},
        {"TRY SET\nSETTING x\n", "ISO8859-1"}, // no SET line: hunspell's default
        {"", "ISO8859-1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HunspellDictionary::Encoding(c.aff), c.encoding) << c.aff;
}

TEST_F(WordListsTest, HunspellDictionaryTextInItsEncodingBecomesUtf8) {
    struct Case {
        const char* encoding;
        std::string bytes;
        std::optional<std::string> utf8;
    } cases[] = {
        {"UTF-8", "ёж", "ёж"},
        // KOI8-R: ё 0xA3, Ё 0xB3, small letters from 0xC0 (ю а б ц), capitals from 0xE0, the last 0xFF Ъ.
        {"KOI8-R", "\xA3\xB3\xC0\xC1\xC2\xC3\xE0\xFF ok", "ёЁюабцЮЪ ok"},
        {"koi8-r", "\xCB\xCF\xD4", "кот"},
        {"microsoft-cp1251", "\xEA\xEE\xF2\xB8", "котё"},
        {"CP1251", "\xCA\xCE\xD2", "КОТ"},
        // ISO 8859-5: Ё 0xA1, А 0xB0, а 0xD0, я 0xEF, ё 0xF1.
        {"ISO8859-5", "\xA1\xB0\xD0\xEF\xF1", "ЁАаяё"},
        {"ISO8859-1", "caf\xE9", "café"},
        {"ISO8859-2", "abc", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HunspellDictionary::ToUtf8(c.bytes, c.encoding), c.utf8) << c.encoding;
}

TEST_F(WordListsTest, HunspellDictionaryStemsWithoutFlagsAndFields) {
    const std::string dic = "7\n"
                            "кот/AB\n"
                            "Москва/H\r\n"
                            "дом\tpo:noun\n"
                            "сад st:сад\n"
                            "\n"
                            "1\\/2/X\n" // an escaped slash inside the stem
                            "/X\n"
                            "жук";
    EXPECT_EQ(HunspellDictionary::Stems(dic),
              std::vector<std::string_view>({"кот", "Москва", "дом", "сад", "жук"}));
    EXPECT_TRUE(HunspellDictionary::Stems("").empty());
    EXPECT_TRUE(HunspellDictionary::Stems("кот/A").empty()); // the first line is the count
}

TEST_F(WordListsTest, MakeWordListsToolMakesReplacesAndAddsLists) {
    // A KOI8-R dictionary (stems кот/A, Ёж, ёрш), then an English list.
    write("ru.dic", "3\n\xCB\xCF\xD4/A\n\xB3\xD6\n\xA3\xD2\xDB/B\n");
    write("ru.aff", "SET KOI8-R\n");
    write("en.txt", "dog\nCat\nant\ndog's\n");
    ASSERT_EQ(run("--only=cyrillic --sorted --hunspell '" + path("ru.dic") + "' --only=latin --sorted '" +
                  path("en.txt") + "' '" + path("Data") + "'"),
              0);
    EXPECT_EQ(list(3), V({"ЕРШ", "КОТ", "ANT", "DOG"}));
    EXPECT_EQ(list(2), V());
    EXPECT_EQ(list(24), V());

    // A list of one's own replaces the lists, in its own order; Ё is written as Е unless asked otherwise.
    write("mine.txt", "\xEF\xBB\xBF"
                      "ёж\nзал\nкот\n");
    ASSERT_EQ(run("'" + path("mine.txt") + "' '" + path("Data") + "'"), 0);
    EXPECT_EQ(list(2), V({"ЕЖ"}));
    EXPECT_EQ(list(3), V({"ЗАЛ", "КОТ"}));
    // Or is added after the words already there.
    write("more.txt", "кот\nёрш\nлуч\n");
    ASSERT_EQ(run("--add --keep-yo '" + path("more.txt") + "' '" + path("Data") + "'"), 0);
    EXPECT_EQ(list(3), V({"ЗАЛ", "КОТ", "ЁРШ", "ЛУЧ"}));
    EXPECT_EQ(list(2), V({"ЕЖ"}));
}

TEST_F(WordListsTest, MakeWordListsToolRefusesWhatItCannotDo) {
    write("words.txt", "кот\n");
    write("x.dic", "1\nкот\n");
    write("x.aff", "SET ISO8859-2\n");
    const std::string data = " '" + path("Data") + "'";
    struct Case {
        std::string arguments;
        int exitCode;
    } cases[] = {
        {"", 2},
        {data, 2},                                            // no source
        {"--unknown '" + path("words.txt") + "'" + data, 2},  // an option it does not know
        {"'" + path("words.txt") + "' --sorted" + data, 2},   // an option for no source
        {"--hunspell" + data, 2},                             // the folder taken as the dictionary
        {"'" + path("missing.txt") + "'" + data, 1},          // a source that cannot be read
        {"--hunspell '" + path("x.dic") + "'" + data, 1},     // an encoding it does not know
        {"--hunspell '" + path("words.txt") + "'" + data, 1}, // no .aff beside the dictionary
        {"'" + path("words.txt") + "' '" + path("words.txt") + "/sub'", 1}, // a folder it cannot make
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.arguments), c.exitCode) << c.arguments;
        EXPECT_FALSE(std::filesystem::exists(path("Data"))) << c.arguments;
    }
}

// The lists the build made from the installed dictionaries: the Russian lemmas of hunspell-ru, then the
// English words of wamerican, in the word-list format.
TEST_F(WordListsTest, WordListBuilderListsMadeFromTheInstalledDictionaries) {
#ifndef GRIDMORA_WORD_LISTS_DIR
    GTEST_SKIP() << "the dictionaries were not installed when the build was configured";
#else
    const std::string capitalCyrillic = cp("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    auto isRussian = [&](char c) { return capitalCyrillic.find(c) != std::string::npos; };
    auto isEnglish = [](char c) { return c >= 'A' && c <= 'Z'; };
    size_t russian = 0, english = 0;
    for (int length = WordSearch::MinLength; length <= WordSearch::MaxLength; ++length) {
        const std::string path = GRIDMORA_WORD_LISTS_DIR "/"s + std::to_string(length) + ".dat";
        std::string bytes;
        ASSERT_EQ(TextFile::ReadAll(path, bytes), TextFile::Error::None) << path;
        const auto lines = TextFile::SplitLines(bytes);
        ASSERT_EQ(lines.size(), 2u) << path;
        ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n") << path;
        const WordSearch::WordListView list = WordSearch::ViewWordList(bytes, static_cast<size_t>(length));
        EXPECT_EQ(std::to_string(list.Count), lines[0]) << path;
        EXPECT_EQ(lines[1].size(), list.Count * static_cast<size_t>(length)) << path;
        std::set<std::string_view> distinct;
        bool englishBegun = false;
        for (uint32_t w = 0; w < list.Count; ++w) {
            const std::string_view word =
                list.Words.substr(w * static_cast<size_t>(length), static_cast<size_t>(length));
            distinct.insert(word);
            // Capitals of one alphabet (no Ё), the Russian words first.
            const bool ru = std::all_of(word.begin(), word.end(), isRussian);
            const bool en = std::all_of(word.begin(), word.end(), isEnglish);
            ASSERT_TRUE(ru || en) << path << ": " << Cp1251::ToUtf8(word);
            ASSERT_FALSE(ru && englishBegun) << path << ": " << Cp1251::ToUtf8(word);
            englishBegun = en;
            ++(ru ? russian : english);
        }
        EXPECT_EQ(distinct.size(), list.Count) << path;
    }
    EXPECT_GE(russian, 100'000u);
    EXPECT_GE(english, 50'000u);
    // Words found by the search: Ё written as Е (the dictionary has both ёлка and елка: one word), a
    // capitalised name left out.
    auto finds = [](int length, const char* utf8Pattern) {
        std::string bytes;
        EXPECT_EQ(TextFile::ReadAll(GRIDMORA_WORD_LISTS_DIR "/"s + std::to_string(length) + ".dat", bytes),
                  TextFile::Error::None);
        return WordSearch::FindWords(bytes, cp(utf8Pattern)).size();
    };
    EXPECT_EQ(finds(4, "ЕЛКА"), 1u);
    EXPECT_EQ(finds(4, "ЕЖИК"), 1u);
    EXPECT_EQ(finds(4, "ЁЛКА"), 0u);
    EXPECT_EQ(finds(5, "КНИГА"), 1u);
    EXPECT_EQ(finds(5, "HOUSE"), 1u);
    EXPECT_EQ(finds(6, "МОСКВА"), 0u);
#endif
}

} // namespace
