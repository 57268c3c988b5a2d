#include <gtest/gtest.h>

#include <cmath>

#include "basics/Arrays.h"
#include "basics/Cp1251.h"
#include "basics/NumberText.h"
#include "basics/TextFile.h"

namespace {

std::string cp(std::string_view utf8) {
    return *Cp1251::FromUtf8(utf8);
}

TEST(BasicsTest, Cp1251EveryByteRoundTripsThroughUnicode) {
    for (int c = 0; c < 256; ++c) {
        auto u = Cp1251::ToUnicode(static_cast<unsigned char>(c));
        auto back = Cp1251::FromUnicode(u);
        ASSERT_TRUE(back.has_value()) << c;
        EXPECT_EQ(*back, c);
    }
}

TEST(BasicsTest, Cp1251KnownCodes) {
    struct Case {
        const char* utf8;
        int code;
    } cases[] = {{"А", 0xC0}, {"я", 0xFF}, {"Ё", 0xA8}, {"ё", 0xB8}, {"№", 0xB9}, {"€", 0x88},
                 {"—", 0x97}, {"«", 0xAB}, {"Ї", 0xAF}, {"і", 0xB3}, {"A", 0x41}};
    for (const auto& c : cases) {
        auto s = Cp1251::FromUtf8(c.utf8);
        ASSERT_TRUE(s.has_value()) << c.utf8;
        ASSERT_EQ(s->size(), 1u);
        EXPECT_EQ(Cp1251::Code((*s)[0]), c.code) << c.utf8;
        EXPECT_EQ(Cp1251::ToUtf8(*s), c.utf8);
    }
}

TEST(BasicsTest, Cp1251CharactersOutsideTheCodePageAreRefused) {
    EXPECT_FALSE(Cp1251::FromUtf8("日本").has_value());
    EXPECT_FALSE(Cp1251::FromUtf8("ß").has_value());
    EXPECT_FALSE(Cp1251::FromUtf8("\xC3").has_value()); // cut UTF-8
    EXPECT_EQ(Cp1251::FromUtf8Lossy("aßb"), "a?b");
}

TEST(BasicsTest, Cp1251CaseFolding) {
    struct Case {
        const char* lower;
        const char* upper;
    } cases[] = {{"кот", "КОТ"},       {"ёж", "ЁЖ"},         {"abc", "ABC"},    {"їжак", "ЇЖАК"},
                 {"ђџљњќћ", "ЂЏЉЊЌЋ"}, {"ўјґєіѕ", "ЎЈҐЄІЅ"}, {"1-2 ?", "1-2 ?"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1251::ToUpper(cp(c.lower)), cp(c.upper)) << c.lower;
        EXPECT_EQ(Cp1251::ToLower(cp(c.upper)), cp(c.lower)) << c.upper;
    }
    // Е and Ё stay different letters in both directions.
    EXPECT_NE(Cp1251::ToUpper(cp("ё")), cp("Е"));
    EXPECT_EQ(Cp1251::ToUpper(cp("е")), cp("Е"));
    // Signs with no case pair stay as they are.
    EXPECT_EQ(Cp1251::ToUpper(cp("µ")), cp("µ"));
}

TEST(BasicsTest, NumberTextLeadingValue) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"12", 12},    {"12abc", 12}, {"  7 ", 7},    {"-3", -3},         {"+4", 4},
        {"1 2", 12},   {"\t5", 5},    {"", 0},        {"abc", 0},         {"x5", 0},
        {"3.5", 3.5},  {".5", 0.5},   {"1e3", 1000},  {"2D2", 200},       {"1e", 1},
        {"&HFF", 255}, {"&hff", 255}, {"&HFFFF", -1}, {"&H10000", 65536}, {"&HFFFFFFFF", -1},
        {"&O17", 15},  {"&Z", 0},     {"-", 0},       {"ое", 0},          {" 3", 3},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(NumberText::LeadingValue(c.text), c.value) << c.text;
}

TEST(BasicsTest, NumberTextRoundingToInt32) {
    struct Case {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"0.5", 0},
        {"1.5", 2},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483648},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"1234567890123456789012345678901234567890", std::nullopt},
        {"1e999", std::nullopt},
        {"-1e999", std::nullopt},
        {"1e-999", 0},
        {"12abc", 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberText::LeadingInt32(c.text), c.value) << c.text;
    EXPECT_EQ(NumberText::RoundToInt32(std::nan("")), std::nullopt);
}

TEST(BasicsTest, NumberTextHasLeadingNumber) {
    EXPECT_TRUE(NumberText::HasLeadingNumber("0"));
    EXPECT_TRUE(NumberText::HasLeadingNumber(" -3"));
    EXPECT_FALSE(NumberText::HasLeadingNumber("кот"));
    EXPECT_FALSE(NumberText::HasLeadingNumber("-"));
    EXPECT_FALSE(NumberText::HasLeadingNumber(""));
}

TEST(BasicsTest, NumberTextNumberLines) {
    EXPECT_EQ(NumberText::NumberLine(20), " 20 ");
    EXPECT_EQ(NumberText::NumberLine(0), " 0 ");
    EXPECT_EQ(NumberText::NumberLine(-3), "-3 ");
    EXPECT_EQ(NumberText::Signed(12), " 12");
    EXPECT_EQ(NumberText::Signed(-1), "-1");
    EXPECT_EQ(NumberText::Plain(7), "7");
}

TEST(BasicsTest, ArraysInclusiveBoundsAndSafeAccess) {
    Array3<int32_t> a(4, 2, 1);
    EXPECT_EQ(a.Ubound0(), 4);
    EXPECT_EQ(a.Ubound1(), 2);
    EXPECT_EQ(a.Ubound2(), 1);
    a(4, 2, 1) = 9;
    EXPECT_EQ(a.Get(4, 2, 1), 9);
    EXPECT_EQ(a.Get(5, 0, 0), 0);
    EXPECT_EQ(a.Get(-1, 0, 0), 0);
    a.Set(5, 0, 0, 7); // ignored
    a.Set(0, 0, 2, 7); // ignored
    int sum = 0;
    for (int i = 0; i <= 4; ++i)
        for (int j = 0; j <= 2; ++j)
            for (int k = 0; k <= 1; ++k)
                sum += a.Get(i, j, k);
    EXPECT_EQ(sum, 9);
    Array2<std::string> b(0, 1);
    b.Set(0, 1, "x");
    EXPECT_EQ(b.Get(0, 1), "x");
    EXPECT_EQ(b.Get(1, 1), "");
    Array3<int32_t> empty(-1, -1, -1);
    EXPECT_TRUE(empty.Empty());
}

TEST(BasicsTest, TextFileSplitLines) {
    auto lines = TextFile::SplitLines("a\r\nb\nc\rd\r\n\r\ne");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "b");
    EXPECT_EQ(lines[2], "c");
    EXPECT_EQ(lines[3], "d");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "e");
    EXPECT_TRUE(TextFile::SplitLines("").empty());
    EXPECT_EQ(TextFile::SplitLines("x\r\n").size(), 1u);
}

TEST(BasicsTest, TextFileDelimitedFields) {
    TextFile::FieldReader r("6.5\r\n\"Arial, Bold\",x\r\n  plain text , more\r\n 20 \r\n\r\nTrue");
    std::string f;
    ASSERT_TRUE(r.Text(f));
    EXPECT_EQ(f, "6.5");
    ASSERT_TRUE(r.Text(f));
    EXPECT_EQ(f, "Arial, Bold"); // a quoted field is taken whole; the rest up to the comma is dropped
    ASSERT_TRUE(r.Text(f));
    EXPECT_EQ(f, "x");
    ASSERT_TRUE(r.Text(f));
    EXPECT_EQ(f, "plain text "); // a comma ends a text field
    ASSERT_TRUE(r.Text(f));
    EXPECT_EQ(f, "more");
    ASSERT_TRUE(r.NumberField(f));
    EXPECT_EQ(f, "20");
    ASSERT_TRUE(r.Text(f));
    EXPECT_EQ(f, ""); // an empty line is an empty field
    ASSERT_TRUE(r.Text(f));
    EXPECT_EQ(f, "True");
    EXPECT_FALSE(r.Text(f));
}

} // namespace
