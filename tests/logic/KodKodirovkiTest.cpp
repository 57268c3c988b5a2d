#include <gtest/gtest.h>

#include <set>

#include "KrossFixtures.h"
#include "document/KodKodirovkiM.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"

namespace {

using fixtures::cp;

KrossDocument named(std::string_view nameUtf8) {
    KrossDocument doc;
    doc.KrossName = cp(nameUtf8);
    KodKodirovkiM::BuildCodeTables(doc);
    return doc;
}

std::vector<int> bytes(const std::string& s) {
    std::vector<int> v;
    for (unsigned char c : s)
        v.push_back(c);
    return v;
}

TEST(KodKodirovkiTest, EmptyNameScramblesKotToKnownBytes) {
    const KrossDocument doc = named("");
    EXPECT_EQ(bytes(SaveKrossM::Scramble(doc, cp("КОТ"))), (std::vector<int>{95, 52, 98}));
}

// The tables are part of the file format: a change here makes every saved crossword unreadable.
TEST(KodKodirovkiTest, TablesOfKnownNamesNeverMove) {
    struct Case {
        const char* name;
        std::array<int, 16> first; // CodeTable(32..47)
    } cases[] = {
        {"", {218, 166, 42, 107, 88, 242, 75, 154, 136, 216, 33, 114, 131, 96, 100, 53}},
        {"Кроссворд", {223, 68, 226, 219, 188, 54, 164, 139, 186, 62, 201, 159, 152, 156, 140, 229}},
        {"Разное 2", {143, 139, 184, 119, 200, 215, 175, 205, 174, 237, 238, 239, 36, 48, 167, 34}},
        {"Разное 3", {95, 175, 232, 239, 106, 206, 152, 155, 148, 243, 198, 229, 117, 211, 149, 225}},
        {"Test", {254, 165, 70, 47, 168, 123, 216, 64, 235, 117, 164, 161, 228, 100, 142, 104}},
    };
    for (const auto& c : cases) {
        const KrossDocument doc = named(c.name);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(doc.CodeTable[static_cast<size_t>(32 + i)], c.first[i]) << c.name;
    }
}

TEST(KodKodirovkiTest, TablesArePermutationsAndInverse) {
    for (const char* name : {"", "Кроссворд", "Разное 3", "Test", "ЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯЯ"}) {
        const KrossDocument doc = named(name);
        std::set<int> stored;
        for (int c = 0; c < 256; ++c) {
            const int s = doc.CodeTable[static_cast<size_t>(c)];
            if (c < 32) {
                EXPECT_EQ(s, 0) << name << " " << c;
                EXPECT_EQ(doc.DecodeTable[static_cast<size_t>(c)], 0) << name << " " << c;
                continue;
            }
            ASSERT_GE(s, 32) << name << " " << c;
            ASSERT_LE(s, 255) << name << " " << c;
            stored.insert(s);
            EXPECT_EQ(doc.DecodeTable[static_cast<size_t>(s)], c) << name;
        }
        EXPECT_EQ(stored.size(), 224u) << name;
    }
}

TEST(KodKodirovkiTest, EveryPrintableCodeRoundTrips) {
    std::string all;
    for (int c = 32; c <= 255; ++c)
        all += Cp1251::Char(c);
    for (const char* name : {"", "Кроссворд", "Test"}) {
        const KrossDocument doc = named(name);
        const std::string s = SaveKrossM::Scramble(doc, all);
        ASSERT_EQ(s.size(), all.size());
        EXPECT_NE(s, all) << name;
        for (unsigned char c : s)
            EXPECT_GE(c, 32) << name; // a scrambled field is always one line
        EXPECT_EQ(OpenKrossM::Unscramble(doc, s), all) << name;
    }
}

TEST(KodKodirovkiTest, CodesBelowBlankBecomeZeroAndEmptyStaysEmpty) {
    const KrossDocument doc = named("Test");
    const std::string text = std::string("A\x01\r\n") + '\0' + "\x1F" + "B";
    const std::string s = SaveKrossM::Scramble(doc, text);
    ASSERT_EQ(s.size(), text.size());
    for (size_t i = 1; i <= 5; ++i)
        EXPECT_EQ(s[i], '\0') << i;
    EXPECT_EQ(OpenKrossM::Unscramble(doc, s), std::string("A") + std::string(5, '\0') + "B");
    EXPECT_EQ(SaveKrossM::Scramble(doc, ""), "");
    EXPECT_EQ(OpenKrossM::Unscramble(doc, ""), "");
}

TEST(KodKodirovkiTest, NamesWithTheSameCodeSumShareTables) {
    EXPECT_EQ(named("Test").CodeTable, named("tseT").CodeTable);
    EXPECT_EQ(named("кот").CodeTable, named("ток").CodeTable);
    EXPECT_EQ(named("AD").CodeTable, named("BC").CodeTable);
    EXPECT_NE(named("Test").CodeTable, named("Tesu").CodeTable);
}

// The "Разное" family: names that begin with that word and end in a number above 2 get the seed one
// lower than their code sum alone gives.
TEST(KodKodirovkiTest, RaznoeRuleTakesOneMoreFromTheSeed) {
    struct Case {
        const char* name;
        int rule;
    } cases[] = {
        {"Разное 2", 0}, {"Разное 3", 1}, {"Разное12", 1},   {"Разное x5", 0},      {"Разное", 0},
        {"разное 3", 0}, {"Разно 3", 0},  {"Разное-3", 0},   {"Разное №10", 1},     {"Разное1 ", 0},
        {"", 0},         {"Р", 0},        {"Разное 1.5", 0}, {"Разноеразное 9", 1},
    };
    for (const auto& c : cases) {
        const std::string name = cp(c.name);
        int64_t sum = 0;
        for (unsigned char ch : name)
            sum += ch;
        EXPECT_EQ(KodKodirovkiM::TableSeed(name), -15372 - sum - c.rule) << c.name;
    }
    // With a blank before the digit, 2 and 3 differ by one code and by the rule.
    EXPECT_EQ(KodKodirovkiM::TableSeed(cp("Разное 3")), KodKodirovkiM::TableSeed(cp("Разное 2")) - 2);
    // Anagrams share their tables unless exactly one of them satisfies the rule.
    EXPECT_EQ(named("Разное 2").CodeTable, named("2 Разное").CodeTable);
    EXPECT_NE(named("Разное 3").CodeTable, named("3 Разное").CodeTable);
    EXPECT_EQ(named("Разное 3").CodeTable, named("4 Разное").CodeTable);
}

TEST(KodKodirovkiTest, GeneratorReseedConsumesOneStep) {
    KodKodirovkiM::FormatRandom a, b;
    a.Reseed(-15372);
    b.Reseed(-15372);
    const uint32_t afterReseed = a.State();
    EXPECT_NE(a.Next(), afterReseed);
    // The same seed gives the same sequence; the state stays within 24 bits.
    b.Next();
    for (int i = 0; i < 1000; ++i) {
        const uint32_t v = a.Next();
        ASSERT_EQ(v, b.Next());
        ASSERT_LT(v, 1u << 24);
    }
    KodKodirovkiM::FormatRandom c;
    c.Reseed(-15373);
    EXPECT_NE(c.State(), afterReseed);
}

} // namespace
