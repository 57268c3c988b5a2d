#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

#include "basics/Cp1251.h"
#include "basics/TextFile.h"
#include "document/WordListBuilder.h"
#include "document/WordSearch.h"

namespace {

using namespace std::string_literals;

std::string cp(std::string_view utf8) {
    return *Cp1251::FromUtf8(utf8);
}

// The words found, as UTF-8, in file order.
std::vector<std::string> found(std::string_view file, std::string_view pattern) {
    std::vector<std::string> words;
    for (uint32_t offset : WordSearch::FindWords(file, pattern))
        words.push_back(Cp1251::ToUtf8(WordSearch::WordAt(file, offset, pattern.size())));
    return words;
}

const std::string kFourLetters = cp("5\r\nКОТЫСОНЯЛУНАКОЗАРЕКА\r\n");

TEST(WordSearchTest, PatternsOverAFile) {
    using V = std::vector<std::string>;
    struct Case {
        const char* pattern; // UTF-8
        V words;
    } cases[] = {
        {"????", {"КОТЫ", "СОНЯ", "ЛУНА", "КОЗА", "РЕКА"}},
        {"К???", {"КОТЫ", "КОЗА"}},
        {"к???", {"КОТЫ", "КОЗА"}},
        {"???А", {"ЛУНА", "КОЗА", "РЕКА"}},
        {"ко?а", {"КОЗА"}},
        {"?Е?А", {"РЕКА"}},
        {"РЕКА", {"РЕКА"}},
        {"ЖЖЖЖ", {}},
        {"КОТ?", {"КОТЫ"}},
        {"?ОТЫ", {"КОТЫ"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(found(kFourLetters, cp(c.pattern)), c.words) << c.pattern;
    EXPECT_TRUE(WordSearch::FindWords(kFourLetters, "").empty());
}

TEST(WordSearchTest, TheFileDecidesHowManyWordsThereAre) {
    using V = std::vector<std::string>;
    struct Case {
        std::string file; // UTF-8
        V words;          // found by "????"
    } cases[] = {
        {"9\r\nКОТЫСОНЯЛУ\r\n", {"КОТЫ", "СОНЯ"}}, // claims 9, holds two whole words
        {"2\r\nКОТЫСОНЯЛУНА\r\n", {"КОТЫ", "СОНЯ"}},
        {"0\r\nКОТЫ\r\n", {}},
        {"-3\r\nКОТЫ\r\n", {}},
        {"много\r\nКОТЫ\r\n", {}},
        {"99999999999\r\nКОТЫ\r\n", {}},
        {"2\r\n", {}},
        {"", {}},
        {"3\r\nКОТЫ,СОНЯЛУНА\r\n", {"КОТЫ"}},    // a comma ends the word string
        {"3\r\nКОТЫ\r\nСОНЯЛУНА\r\n", {"КОТЫ"}}, // so does the line end
        {"2\r\n\"КОТЫ,СОНЯ\"", {"КОТЫ", ",СОН"}},
        {"2,КОТЫСОНЯ", {"КОТЫ", "СОНЯ"}},
        {"  2  \nКОТЫСОНЯ", {"КОТЫ", "СОНЯ"}},
        {"2\r\n   КОТЫСОНЯ", {"КОТЫ", "СОНЯ"}},
        {"\"2\"\r\nКОТЫСОНЯ", {}},
    };
    for (const auto& c : cases) {
        const std::string file = cp(c.file);
        EXPECT_EQ(found(file, "????"), c.words) << c.file;
        EXPECT_EQ(WordSearch::ViewWordList(file, 4).Count, c.words.size()) << c.file;
    }
}

// The word string ends at the first comma or line end wherever it stands, far into a long string too,
// and at nothing else: other bytes below the letters, the bytes just above the delimiters and every
// upper byte are letters of a word.
TEST(WordSearchTest, TheWordStringEndsAtTheFirstDelimiterAnywhere) {
    const size_t length = 3, count = 700; // 2,100 bytes: longer than a few words, not a whole block
    std::mt19937 rng(11);
    std::string words;
    const std::string letters = cp("КОТЁЖ") + "AZ-.+ !\x01\x7F\x80\xFF";
    for (size_t i = 0; i < count * length; ++i)
        words += letters[rng() % letters.size()];
    words[0] = cp("К")[0]; // blanks before the word string are skipped
    const std::string head = std::to_string(count) + "\r\n";
    EXPECT_EQ(WordSearch::ViewWordList(head + words + "\r\n", length).Count, count);
    for (char delimiter : {',', '\r', '\n'}) {
        for (size_t at = 0; at < words.size(); at += at < 100 ? 1 : 1 + at / 7) {
            std::string cut = words;
            cut[at] = delimiter;
            const std::string file = head + cut + "\r\n";
            EXPECT_EQ(WordSearch::ViewWordList(file, length).Count, at / length)
                << int(delimiter) << " " << at;
            EXPECT_EQ(WordSearch::FindWords(file, "???").size(), at / length) << int(delimiter) << " " << at;
        }
    }
}

// The search against the plain way of doing it: split the string into words and compare each letter.
TEST(WordSearchTest, AgreesWithSplittingTheWords) {
    std::mt19937 rng(7);
    const std::string letters = cp("АБВЕ");
    for (size_t length : {2u, 3u, 6u, 24u}) {
        const size_t count = 3000;
        std::string words;
        for (size_t i = 0; i < count * length; ++i)
            words += letters[rng() % letters.size()];
        const std::string file = std::to_string(count) + "\r\n" + words + "\r\n";
        for (int trial = 0; trial < 40; ++trial) {
            std::string pattern;
            for (size_t p = 0; p < length; ++p) {
                if (rng() % 8 < 5) {
                    pattern += '?';
                } else {
                    const auto upper = static_cast<unsigned char>(letters[rng() % letters.size()]);
                    pattern += static_cast<char>(Cp1251::ToLower(upper)); // the search folds case
                }
            }
            std::vector<uint32_t> expected;
            for (size_t w = 0; w < count; ++w) {
                const std::string word = words.substr(w * length, length);
                bool fits = true;
                for (size_t p = 0; p < length; ++p)
                    if (pattern[p] != '?' && Cp1251::ToUpper(static_cast<unsigned char>(pattern[p])) !=
                                                 static_cast<unsigned char>(word[p]))
                        fits = false;
                if (fits) expected.push_back(static_cast<uint32_t>(file.find("\r\n") + 2 + w * length));
            }
            EXPECT_EQ(WordSearch::FindWords(file, pattern), expected) << length << " " << trial;
        }
    }
}

// Reading a file piece by piece finds what the search of the whole text finds, wherever the pieces end:
// within the first line, inside a word, at a delimiter or a closing quote.
TEST(WordSearchTest, SearchingAFileFindsWhatTheWholeTextFinds) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("gridmora-search-" + std::to_string(::getpid()))).string();
    std::mt19937 rng(5);
    const std::string letters = cp("КОТЁЖ") + "AZ+ ";
    auto randomWords = [&](size_t bytes) {
        std::string w = cp("К");
        while (w.size() < bytes)
            w += letters[rng() % letters.size()];
        return w;
    };
    const std::string many = randomWords(3000);
    std::vector<std::string> files = {
        cp("5\r\nКОТЫСОНЯЛУНАКОЗАРЕКА\r\n"),
        cp("9\r\nКОТЫСОНЯЛУ\r\n"),
        cp("-3\r\nКОТЫ\r\n"),
        "",
        "2\r\n",
        "750\r\n" + many + "\r\n",        // whole words, pieces end anywhere in them
        "700\r\n" + many + "\r\n",        // fewer words promised than the file holds
        "750\r\n" + many.substr(0, 1001), // the last word cut off by the end of the file
        "750\r\n" + many.substr(0, 1500) + "," + many.substr(1501) + "\r\n",
        "750\r\n" + many.substr(0, 2222) + "\n" + many.substr(2223) + "\r\n",
        "750,\"" + many.substr(0, 2000) + "\"" + many.substr(2001),
        "750,\"" + many.substr(0, 2000) + "," + many.substr(2001),
        std::string(300, ' ') + "750\r\n" + many, // a first line longer than a piece
        "750" + std::string(300, ' ') + "\r\n" + many,
        "750\r" + many,
    };
    const std::vector<std::string> patterns = {"????", cp("к???"), cp("?ОТ?"), "??", cp("ЁЁЁЁ"), ""};
    std::string buffer;
    WordSearch::FoundWords found;
    for (const auto& file : files) {
        ASSERT_EQ(TextFile::WriteAll(path, file), TextFile::Error::None);
        for (const auto& pattern : patterns) {
            std::string expected;
            for (uint32_t offset : WordSearch::FindWords(file, pattern))
                expected += WordSearch::WordAt(file, offset, pattern.size());
            for (size_t piece : {size_t{1}, size_t{97}, size_t{256}, size_t{1000}, size_t{256} << 10}) {
                ASSERT_TRUE(WordSearch::SearchFile(path, pattern, found, buffer, piece));
                EXPECT_EQ(found.Text, expected) << file.substr(0, 12) << " " << pattern << " " << piece;
                EXPECT_EQ(found.Count() * pattern.size(), expected.size());
            }
        }
    }
    std::filesystem::remove(path);
    // A file that cannot be read finds nothing.
    found.Text = "KOT";
    EXPECT_FALSE(WordSearch::SearchFile(path, "???", found, buffer));
    EXPECT_TRUE(found.Text.empty());
    EXPECT_FALSE(
        WordSearch::SearchFile(std::filesystem::temp_directory_path().string(), "???", found, buffer));
}

TEST(WordSearchTest, WordListPath) {
    EXPECT_EQ(WordSearch::WordListPath("/opt/gridmora/", "/", 5), "/opt/gridmora/Data/5.dat");
    EXPECT_EQ(WordSearch::WordListPath("C:\\Gridmora\\", "\\", 24), "C:\\Gridmora\\Data\\24.dat");
}

TEST(WordSearchTest, WordListBuilderSortsCleansAndCountsWords) {
    const std::string input = "\xEF\xBB\xBF"
                              "кот\r\n"
                              "  Сова  \n"
                              "КОТ\n" // the same word again
                              "ёж\n"
                              "cat\n"
                              "\n"
                              "кто-то\n" // hyphen
                              "а,б\n"    // comma
                              "дед мороз\n"
                              "\"кавычки\"\n"
                              "日本\n"                      // not in cp1251
                              "я\n"                         // too short
                              "абвгдеёжзийклмнопрстуфхц\n"  // 24 letters
                              "абвгдеёжзийклмнопрстуфхцч\n" // 25 letters
                              "ЛИСА\n"
                              "сова";
    const WordListBuilder::WordLists lists = WordListBuilder::BuildWordLists(input);
    auto utf8 = [](const std::vector<std::string>& v) {
        std::vector<std::string> out;
        for (const auto& w : v)
            out.push_back(Cp1251::ToUtf8(w));
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(utf8(lists.Words[2]), V({"ЁЖ"}));
    EXPECT_EQ(utf8(lists.Words[3]), V({"КОТ", "CAT"}));
    EXPECT_EQ(utf8(lists.Words[4]), V({"СОВА", "ЛИСА"}));
    EXPECT_EQ(utf8(lists.Words[24]), V({"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦ"}));
    EXPECT_EQ(lists.Duplicates, 2u);
    EXPECT_EQ(lists.Skipped, 7u);
    size_t total = 0;
    for (const auto& w : lists.Words)
        total += w.size();
    EXPECT_EQ(total, 6u);
}

TEST(WordSearchTest, WordListBuilderFilesReadBackThroughTheSearch) {
    const std::vector<std::string> words = {cp("ЛИСА"), cp("СОВА"), "CATS"};
    const std::string file = WordListBuilder::WordListFileText(words);
    EXPECT_EQ(file, cp("3\r\nЛИСАСОВАCATS\r\n"));
    EXPECT_EQ(found(file, "????"), std::vector<std::string>({"ЛИСА", "СОВА", "CATS"}));
    EXPECT_EQ(WordListBuilder::WordListFileText({}), "0\r\n\r\n");
    EXPECT_TRUE(found(WordListBuilder::WordListFileText({}), "??").empty());
}

} // namespace
