#include <gtest/gtest.h>

#include "basics/Cp1251.h"
#include "basics/TextFile.h"
#include "document/KrossDocument.h"
#include "export/CopyKrossM.h"

namespace {

std::string cp(std::string_view utf8) {
    return *Cp1251::FromUtf8(utf8);
}

struct Word {
    int32_t n;
    int32_t d;
    int32_t length;
    const char* clue;   // UTF-8
    const char* answer; // UTF-8, upper case as the document stores it
};

KrossDocument makeKross(int32_t numberCount, std::initializer_list<Word> words) {
    KrossDocument doc;
    doc.NumberCount = numberCount;
    doc.SlotTable.Redim(numberCount, 2, 1);
    doc.ClueTexts.Create3(numberCount);
    for (const auto& w : words) {
        doc.SlotTable(w.n, Slot::Length, w.d) = w.length;
        doc.ClueTexts.SetClue(w.n, w.d, cp(w.clue));
        doc.ClueTexts.SetAnswer(w.n, w.d, cp(w.answer));
    }
    return doc;
}

CopyKrossM::PageInput russianPage(const KrossDocument& doc) {
    CopyKrossM::PageInput in(doc);
    in.KrossCaption = cp("Кроссворд");
    in.LangAuthorWord = cp("Автор:");
    in.AcrossHeading = cp("По горизонтали");
    in.DownHeading = cp("По вертикали");
    in.EmptyPictureName = "kross.bmp";
    in.FilledPictureName = "kross (ответы).bmp";
    return in;
}

// The page of a small crossword, compared byte for byte with a page checked by hand: both lists in both
// directions, numbers without a word in a direction left out, " 7. " prefixes, answers with the first
// letter kept and the rest in lower case (Ё included), a word without an answer yet, an escaped clue.
TEST(CopyKrossMTest, CopyKrossPageSmallCrosswordMatchesGoldenPage) {
    KrossDocument doc = makeKross(7, {
                                         {1, 0, 5, "Домашнее животное", "КОШКА"},
                                         {1, 1, 4, "Часть дерева", "КОРА"},
                                         {2, 1, 3, "Самое большое морское млекопитающее", "КИТ"},
                                         {3, 0, 4, "Колючий зверёк", "ЁЖИК"},
                                         {4, 1, 3, "Хвойное дерево", "ЕЛЬ"},
                                         {5, 0, 3, "Река <на юге>", "ДОН"},
                                         {6, 1, 2, "Нота", "ДО"},
                                         {7, 0, 4, "Ночная птица", ""},
                                         {7, 1, 5, "Цвет неба", "СИНИЙ"},
                                     });
    doc.KrossName = cp("Пробный");
    doc.KrossAuthor = cp("И. Петров");

    std::string golden;
    ASSERT_EQ(TextFile::ReadAll(GRIDMORA_SOURCE_DIR "/tests/logic/golden/page_small.htm", golden),
              TextFile::Error::None);
    const std::string page = CopyKrossM::PageText(russianPage(doc));
    EXPECT_EQ(page, golden) << "page as UTF-8:\n" << Cp1251::ToUtf8(page);
}

// Whatever the author typed stays text: it can neither end the title nor start a script, and quotes
// cannot leave an attribute.
TEST(CopyKrossMTest, CopyKrossPageInsertedTextsAreEscaped) {
    KrossDocument doc = makeKross(
        1, {{1, 0, 3, "<script>alert('x')</script>", "A&B"}, {1, 1, 2, "Say \"hi\" </title>", "<B"}});
    doc.KrossName = "</title><script>x()</script>";
    doc.KrossAuthor = "O'Brien & \"Co\"";
    CopyKrossM::PageInput in(doc);
    in.KrossCaption = "K<b>";
    in.LangAuthorWord = "by'";
    in.AcrossHeading = "<i>Across";
    in.DownHeading = "Down>";
    in.EmptyPictureName = "a'b.bmp";
    in.FilledPictureName = "a\"b.bmp";
    const std::string page = CopyKrossM::PageText(in);

    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<b>Across"), std::string::npos);
    EXPECT_EQ(page.find("<i>"), std::string::npos);
    // The page's own title tags appear once each, the author's text never opens or closes one.
    EXPECT_EQ(page.find("</title>"), page.rfind("</title>"));
    EXPECT_EQ(page.find("<title>"), page.rfind("<title>"));
    for (const char* expected : {
             "<title>K&lt;b&gt;: \"&lt;/title&gt;&lt;script&gt;x()&lt;/script&gt;\" by&#39; O&#39;Brien "
             "&amp; "
             "&quot;Co&quot;</title>",
             "<font size=6>&lt;/title&gt;&lt;script&gt;x()&lt;/script&gt;</font>",
             " 1. &lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;",
             " 1. Say &quot;hi&quot; &lt;/title&gt;",
             "<b>&lt;i&gt;Across</b>",
             "<b>Down&gt;</b>",
             " 1. A&amp;b",
             " 1. &lt;b",
             "<img src='a&#39;b.bmp'>",
             "<img src='a&quot;b.bmp'>",
         })
        EXPECT_NE(page.find(expected), std::string::npos) << expected << "\nin\n" << page;
}

TEST(CopyKrossMTest, CopyKrossPagePageIsOneLineEvenWhenATextHoldsALineBreak) {
    KrossDocument doc = makeKross(1, {{1, 0, 2, "two\r\nlines", "AB"}});
    doc.KrossName = "n\ra\nme";
    const std::string page = CopyKrossM::PageText(russianPage(doc));
    ASSERT_GE(page.size(), 2u);
    EXPECT_EQ(page.substr(page.size() - 2), "\r\n");
    EXPECT_EQ(page.find_first_of("\r\n"), page.size() - 2);
    EXPECT_NE(page.find(" 1. two  lines"), std::string::npos);
}

TEST(CopyKrossMTest, CopyKrossPageEmptyCrosswordHasHeadingsOnly) {
    const KrossDocument doc = makeKross(0, {});
    const std::string page = CopyKrossM::PageText(russianPage(doc));
    EXPECT_NE(
        page.find("<br><b>" + cp("По горизонтали") + "</b> <br><b>" + cp("По вертикали") + "</b> <center>"),
        std::string::npos);
    EXPECT_NE(page.find("</b> </body></html>\r\n"), std::string::npos);
}

TEST(CopyKrossMTest, CopyKrossPageAnswerItemText) {
    struct Case {
        const char* answer; // UTF-8
        int32_t length;
        const char* expected;
    } cases[] = {
        {"КОШКА", 5, "Кошка"}, {"ЁЛКА", 4, "Ёлка"}, {"", 4, ""},
        {"Я", 1, "Я"},         {"AB", 5, "Ab"}, // shorter than its word: the first letter is not repeated
        {"ABCDEF", 3, "Aef"}, // longer than its word: the first letter and the word's last two
        {"aBC", 3, "abc"},    // the first character is kept as it is
        {"IT'S", 4, "It's"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cp1251::ToUtf8(CopyKrossM::AnswerItemText(cp(c.answer), c.length)), c.expected)
            << c.answer << " / " << c.length;
}

TEST(CopyKrossMTest, CopyKrossPagePictureReference) {
    struct Case {
        std::string name; // native UTF-8
        std::string expected;
    } cases[] = {
        {"kross.bmp", "kross.bmp"},
        {"kross (ответы).bmp", "kross (" + cp("ответы") + ").bmp"},
        {"a&b.bmp", "a&amp;b.bmp"},
        {"100%#1?.bmp", "100%25%231%3F.bmp"},
        {"c:x\\y.bmp", "c%3Ax%5Cy.bmp"},
        {"日本.bmp", "%E6%97%A5%E6%9C%AC.bmp"}, // not in cp1251: the browser decodes UTF-8 escapes
        {std::string("\xFF\xC3") + "a.bmp", "%FF%C3a.bmp"},
        {"tab\t.bmp", "tab%09.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CopyKrossM::PictureReference(c.name), c.expected) << c.name;
}

TEST(CopyKrossMTest, CopyKrossPathsDerivePaths) {
    struct Case {
        const char* chosen;
        const char* page;
        const char* base;
    } cases[] = {
        {"kross", "kross.htm", "kross"},
        {"/web/kross.html", "/web/kross.html", "/web/kross"},
        {"/my.site/kross.htm", "/my.site/kross.htm", "/my.site/kross"},
        {"/home/john.doe/kross", "/home/john.doe/kross.htm", "/home/john.doe/kross"},
        {"/home/john.doe/kross.htm", "/home/john.doe/kross.htm", "/home/john.doe/kross"},
        {"/web/kross.v2.htm", "/web/kross.v2.htm", "/web/kross.v2"},
        {"/web/.htm", "/web/.htm", "/web/.htm"},
        {".hidden.htm", ".hidden.htm", ".hidden"},
        {"/web/кросс.htm", "/web/кросс.htm", "/web/кросс"},
        {"/web/kross.", "/web/kross.", "/web/kross"},
    };
    for (const auto& c : cases) {
        const auto p = CopyKrossM::DerivePaths(c.chosen);
        EXPECT_EQ(p.PagePath, c.page) << c.chosen;
        EXPECT_EQ(p.Base, c.base) << c.chosen;
        EXPECT_EQ(p.EmptyPicturePath, std::string(c.base) + ".bmp") << c.chosen;
        EXPECT_EQ(p.FilledPicturePath, std::string(c.base) + " (ответы).bmp") << c.chosen;
    }
}

TEST(CopyKrossMTest, CopyKrossPathsPictureNamesHaveNoFolder) {
    struct Case {
        const char* chosen;
        const char* emptyName;
        const char* filledName;
    } cases[] = {
        {"kross", "kross.bmp", "kross (ответы).bmp"},
        {"/web/kross.html", "kross.bmp", "kross (ответы).bmp"},
        {"/my.site/kross.htm", "kross.bmp", "kross (ответы).bmp"},
        {"/home/john.doe/kross", "kross.bmp", "kross (ответы).bmp"},
    };
    for (const auto& c : cases) {
        const auto p = CopyKrossM::DerivePaths(c.chosen);
        EXPECT_EQ(p.EmptyPictureName, c.emptyName) << c.chosen;
        EXPECT_EQ(p.FilledPictureName, c.filledName) << c.chosen;
    }
}

TEST(CopyKrossMTest, CopyKrossPathsDefaultFileName) {
    struct Case {
        const char* krossFile;
        const char* expected;
    } cases[] = {
        {"", ""},
        {"/home/ann/Samples/zoo.krw", "zoo"},
        {"zoo.krw", "zoo"},
        {"/home/ann/.krw", ""}, // exactly four characters
        {"/home/ann/abc", ""},  // shorter than four
        {"/home/ann.b/кросс.krw", "кросс"},
        {"/home/ann/кроссворд", "кросс"}, // no extension: still the last four characters, whole letters
        {"/home/ann/", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CopyKrossM::DefaultFileName(c.krossFile), c.expected) << c.krossFile;
}

TEST(CopyKrossMTest, CopyKrossPathsDialogFilterIsNulSeparatedPairs) {
    const std::string f = CopyKrossM::DialogFilter();
    EXPECT_EQ(f, std::string("HTML Document (*.htm; *.html)") + '\0' + "*.htm;*.html" + '\0' +
                     "All Files (*)" + '\0' + "*");
}

} // namespace
