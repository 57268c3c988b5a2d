// The ipuz writer and reader: what a written file holds, the round trip through a crossword file, the
// variants of the format other tools write, and the files the reader refuses.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "basics/TextFile.h"
#include "document/KodKodirovkiM.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"
#include "export/IpuzFormat.h"
#include "logic/KrossFixtures.h"

namespace {

using fixtures::cp;
using fixtures::GridDocument;
using IpuzFormat::Refusal;

// 1 across КОТ, 1 down КИТ, 2 down ТОК, 3 across ТОК; the centre is a block.
//   К О Т
//   И # О
//   Т О К
KrossDocument ring() {
    KrossDocument doc = GridDocument({"...", ".#.", "..."}, 0, "Кольцо");
    doc.KrossAuthor = cp("Иванов");
    const char* words[][3] = {{"1", "0", "КОТ"}, {"1", "1", "КИТ"}, {"2", "1", "ТОК"}, {"3", "0", "ТОК"}};
    const char* clues[] = {"Мурлыка", "Морской великан", "Электричество", "Ток «в сети»"};
    for (size_t i = 0; i < 4; ++i) {
        const int n = words[i][0][0] - '0', d = words[i][1][0] - '0';
        doc.ClueTexts.SetClue(n, d, cp(clues[i]));
        doc.ClueTexts.SetAnswer(n, d, cp(words[i][2]));
    }
    return doc;
}

QJsonObject json(const std::string& text) {
    QJsonParseError e{};
    const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(text), &e);
    EXPECT_EQ(e.error, QJsonParseError::NoError) << text;
    return d.object();
}

// A JSON value as compact text, so that a failed comparison shows both sides readably.
std::string text(const QJsonValue& v) {
    return QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact).toStdString();
}

std::string sample(const char* name) {
    std::string bytes;
    EXPECT_EQ(TextFile::ReadAll(std::string(GRIDMORA_SOURCE_DIR) + "/data/Samples/" + name, bytes),
              TextFile::Error::None)
        << name;
    return bytes;
}

KrossDocument readKrw(const std::string& bytes) {
    KrossDocument doc;
    EXPECT_EQ(OpenKrossM::ReadKrossText(bytes, doc, 0, "x.krw").status,
              OpenKrossM::KrossReadResult::Status::Ok);
    return doc;
}

TEST(IpuzFormatTest, IpuzWriteHoldsGridNumbersSolutionCluesTitleAndAuthor) {
    const QJsonObject o = json(IpuzFormat::Write(ring(), true));
    EXPECT_EQ(o["version"].toString(), "http://ipuz.org/v2");
    EXPECT_EQ(o["kind"].toArray(), QJsonArray{"http://ipuz.org/crossword#1"});
    EXPECT_EQ(o["title"].toString(), QString::fromUtf8("Кольцо"));
    EXPECT_EQ(o["author"].toString(), QString::fromUtf8("Иванов"));
    EXPECT_EQ(o["dimensions"].toObject()["width"].toInt(), 3);
    EXPECT_EQ(o["dimensions"].toObject()["height"].toInt(), 3);
    EXPECT_EQ(text(o["puzzle"]), R"([[[1,0,2],[0,"#",0],[3,0,0]]])");
    EXPECT_EQ(text(o["solution"]), R"([[["К","О","Т"],["И","#","О"],["Т","О","К"]]])");
    EXPECT_EQ(text(o["clues"].toObject()["Across"]), R"([[[1,"Мурлыка"],[3,"Ток «в сети»"]]])");
    EXPECT_EQ(text(o["clues"].toObject()["Down"]), R"([[[1,"Морской великан"],[2,"Электричество"]]])");
}

TEST(IpuzFormatTest, IpuzWriteLeavesOutWhatMayNotOrCannotBeShown) {
    // Answers withheld: no solution, the clues stay.
    QJsonObject o = json(IpuzFormat::Write(ring(), false));
    EXPECT_FALSE(o.contains("solution"));
    EXPECT_EQ(o["clues"].toObject()["Down"].toArray().size(), 2);

    // A word without an answer: its cells no other answer fills are null.
    KrossDocument partial = ring();
    partial.ClueTexts.SetAnswer(3, 0, "");
    partial.ClueTexts.SetAnswer(1, 1, "");
    o = json(IpuzFormat::Write(partial, true));
    EXPECT_EQ(text(o["solution"]), R"([[["К","О","Т"],[null,"#","О"],[null,null,"К"]]])");

    // A bare grid: numbers only, no author, clues or solution.
    KrossDocument bare = GridDocument({"...", ".#.", "..."}, 1, "Сетка");
    bare.KrossAuthor = "someone";
    o = json(IpuzFormat::Write(bare, true));
    EXPECT_FALSE(o.contains("author"));
    EXPECT_FALSE(o.contains("clues"));
    EXPECT_FALSE(o.contains("solution"));
    EXPECT_EQ(text(o["puzzle"]), R"([[[1,0,2],[0,"#",0],[3,0,0]]])");
}

TEST(IpuzFormatTest, IpuzRoundTripCrosswordFileComesBackByteForByte) {
    // With answers and no password, and without answers: the same file bytes.
    for (const char* name : {"Первый.krw", "First.krw", "Сетка.krw"}) {
        SCOPED_TRACE(name);
        const std::string krw = sample(name);
        const std::string ipuz = IpuzFormat::Write(readKrw(krw), true);
        KrossDocument back;
        ASSERT_EQ(IpuzFormat::Read(ipuz, back), Refusal::None);
        EXPECT_EQ(SaveKrossM::KrossFileText(back), krw);
        EXPECT_EQ(IpuzFormat::Write(back, true), ipuz);
    }
}

TEST(IpuzFormatTest, IpuzRoundTripProtectedCrosswordLosesOnlyItsPassword) {
    const std::string krw = sample("Зверинец.krw");
    const KrossDocument protectedDoc = readKrw(krw);
    ASSERT_FALSE(protectedDoc.EditPassword.empty());
    KrossDocument back;
    ASSERT_EQ(IpuzFormat::Read(IpuzFormat::Write(protectedDoc, true), back), Refusal::None);
    EXPECT_TRUE(back.EditPassword.empty());
    KrossDocument expected = protectedDoc;
    expected.EditPassword.clear();
    EXPECT_EQ(SaveKrossM::KrossFileText(back), SaveKrossM::KrossFileText(expected));
}

TEST(IpuzFormatTest, IpuzReadMakesAnUnsavedCrosswordToAuthor) {
    KrossDocument doc;
    doc.KrossFile = "/old/file.krw";
    doc.EditPassword = "old";
    ASSERT_EQ(IpuzFormat::Read(IpuzFormat::Write(ring(), true), doc), Refusal::None);
    EXPECT_EQ(doc.AppMode, Mode::Authoring);
    EXPECT_TRUE(doc.Modified);
    EXPECT_TRUE(doc.KrossFile.empty());
    EXPECT_TRUE(doc.EditPassword.empty());
    EXPECT_EQ(doc.NoAnswers, 0);
    EXPECT_EQ(doc.KrossName, cp("Кольцо"));
    EXPECT_EQ(doc.KrossAuthor, cp("Иванов"));
    EXPECT_EQ(doc.CodeTable, KodKodirovkiM::MakeCodeTables(doc.KrossName).Code);
    EXPECT_EQ(doc.NumberCount, 3);
    EXPECT_EQ(doc.WordCount, 4);
    EXPECT_EQ(doc.ClueTexts.Answer(2, 1), cp("ТОК"));
    EXPECT_EQ(doc.ClueTexts.Clue(3, 0), cp("Ток «в сети»"));

    // Without solution letters but with clues it is still a crossword with answers to fill in; without
    // both it is a bare grid.
    ASSERT_EQ(IpuzFormat::Read(IpuzFormat::Write(ring(), false), doc), Refusal::None);
    EXPECT_EQ(doc.NoAnswers, 0);
    EXPECT_EQ(doc.ClueTexts.Answer(1, 0), "");
    const std::string bare = R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"],
        "dimensions":{"width":3,"height":3},"puzzle":[[1,0,2],[0,"#",0],[3,0,0]]})";
    ASSERT_EQ(IpuzFormat::Read(bare, doc), Refusal::None);
    EXPECT_EQ(doc.NoAnswers, 1);
    EXPECT_EQ(doc.AppMode, Mode::BareAuthoring);
}

// Files as other tools write them: the same crossword in other spellings of the format.
TEST(IpuzFormatTest, IpuzReadAcceptsTheFormatsVariants) {
    struct Case {
        const char* what;
        std::string text;
    };
    const std::string head = R"({"version":"http://ipuz.org/v1","kind":["http://ipuz.org/crossword#1"],
        "title":"T","dimensions":{"width":3,"height":3},)";
    const std::string grid = R"("puzzle":[[1,0,2],[0,"#",0],[3,0,0]],)";
    const std::string solution = R"("solution":[["к","о","т"],["и","#","о"],["т","о","к"]],)";
    const std::string clues = R"("clues":{"Across":[[1,"a1"],[3,"a3"]],"Down":[[1,"d1"],[2,"d2"]]}})";
    const std::vector<Case> cases = {
        {"plain", head + grid + solution + clues},
        {"JSONP wrapper of the first version", "ipuz(" + head + grid + solution + clues + ")"},
        {"byte order mark", "\xEF\xBB\xBF" + head + grid + solution + clues},
        {"labels as strings, cells as objects with looks",
         head + R"("puzzle":[[{"cell":"1","style":{"shapebg":"circle"}},"",{"cell":2}],
                              [{"cell":0},{"cell":"#","style":{"color":"000000"}},0],[3,{},"0"]],)" +
             solution + clues},
        {"own block and empty values", head + R"("block":"*","empty":":",
             "puzzle":[[1,":",2],[":","*",":"],[3,":",":"]],
             "solution":[["К","О","Т"],["И","*","О"],["Т","О","К"]],)" +
                                           clues},
        {"clue objects and headed lists", head + grid + solution +
                                              R"("clues":{"Across:Horizontal":[{"number":1,"clue":"a1"},
             {"number":"3","clue":"a3","enumeration":"3"}],"down":[[1,"d1"],[2,"d2","extra"]]}})"},
        {"solution values as objects",
         head + grid + R"("solution":[[{"value":"К"},"О","Т"],["И",null,"О"],["Т","О","К"]],)" + clues},
        {"saved progress and unknown fields", head + grid + solution +
                                                  R"("saved":[["","",""],["","#",""],["","",""]],"zones":[],
             "org.example:extra":{"deep":[1,2,3]},)" +
                                                  clues},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KrossDocument doc;
        ASSERT_EQ(IpuzFormat::Read(c.text, doc), Refusal::None);
        EXPECT_EQ(doc.ClueTexts.Answer(1, 0), cp("КОТ"));
        EXPECT_EQ(doc.ClueTexts.Answer(1, 1), cp("КИТ"));
        EXPECT_EQ(doc.ClueTexts.Clue(3, 0), "a3");
        EXPECT_EQ(doc.ClueTexts.Clue(2, 1), "d2");
    }
}

TEST(IpuzFormatTest, IpuzReadTextsBecomeOneLineAndUnknownLettersLeaveAnswersOpen) {
    const std::string text = R"({"kind":["http://ipuz.org/crossword#1"],"title":"Two\nlines",
        "dimensions":{"width":3,"height":3},"puzzle":[[1,0,2],[0,"#",0],[3,0,0]],
        "solution":[["К",null,"Т"],["И","#","О"],["Т"," ",""]],
        "clues":{"Across":[[1,"tab\there"]]}})";
    KrossDocument doc;
    ASSERT_EQ(IpuzFormat::Read(text, doc), Refusal::None);
    EXPECT_EQ(doc.KrossName, "Two lines");
    EXPECT_EQ(doc.ClueTexts.Clue(1, 0), "tab here");
    EXPECT_EQ(doc.ClueTexts.Answer(1, 0), "");        // its middle letter is not known
    EXPECT_EQ(doc.ClueTexts.Answer(1, 1), cp("КИТ")); // fully known
    EXPECT_EQ(doc.ClueTexts.Answer(3, 0), "");
    EXPECT_EQ(doc.ClueTexts.Clue(2, 1), ""); // no clue given
}

// Files the reader refuses, each with its reason. The grid is the ring above unless the case changes it.
TEST(IpuzFormatTest, IpuzReadRefusesWhatItCannotHoldWithItsReason) {
    const std::string kind = R"("kind":["http://ipuz.org/crossword#1"],)";
    const std::string dims = R"("dimensions":{"width":3,"height":3},)";
    const std::string grid = R"("puzzle":[[1,0,2],[0,"#",0],[3,0,0]])";
    auto file = [&](const std::string& middle) { return "{" + kind + dims + middle + "}"; };
    struct Case {
        const char* what;
        std::string text;
        Refusal expected;
    };
    const std::vector<Case> cases = {
        {"not JSON", "this is no ipuz", Refusal::NotIpuz},
        {"cut short", file(grid).substr(0, 40), Refusal::NotIpuz},
        {"an array at the top", "[" + file(grid) + "]", Refusal::NotIpuz},
        {"bytes that are not UTF-8",
         file(R"("title":")"
              "\xFF\xFE"
              R"(",)" +
              grid),
         Refusal::NotIpuz},
        {"no kind", "{" + dims + grid + "}", Refusal::NotIpuz},
        {"kind not a list", R"({"kind":"http://ipuz.org/crossword#1",)" + dims + grid + "}",
         Refusal::NotIpuz},
        {"a sudoku", R"({"kind":["http://ipuz.org/sudoku#1"],)" + dims + grid + "}", Refusal::NotCrossword},
        {"no dimensions", "{" + kind + grid + "}", Refusal::NotIpuz},
        {"dimensions as strings", "{" + kind + R"("dimensions":{"width":"3","height":"3"},)" + grid + "}",
         Refusal::NotIpuz},
        {"zero width", "{" + kind + R"("dimensions":{"width":0,"height":3},)" + grid + "}", Refusal::NotIpuz},
        {"fractional height", "{" + kind + R"("dimensions":{"width":3,"height":2.5},)" + grid + "}",
         Refusal::NotIpuz},
        {"a billion columns", "{" + kind + R"("dimensions":{"width":1000000000,"height":1},)" + grid + "}",
         Refusal::TooLarge},
        {"more cells than the program holds",
         "{" + kind + R"("dimensions":{"width":3000,"height":3000},)" + grid + "}", Refusal::TooLarge},
        {"a number beyond doubles", "{" + kind + R"("dimensions":{"width":1e400,"height":3},)" + grid + "}",
         Refusal::NotIpuz},
        {"rows fewer than the height", file(R"("puzzle":[[1,0,2],[0,"#",0]])"), Refusal::NotIpuz},
        {"a row too long", file(R"("puzzle":[[1,0,2,0],[0,"#",0],[3,0,0]])"), Refusal::NotIpuz},
        {"puzzle of the wrong type", file(R"("puzzle":{"0":[1,0,2]})"), Refusal::NotIpuz},
        {"a cell of the wrong type", file(R"("puzzle":[[1,0,2],[0,true,0],[3,0,0]])"), Refusal::NotIpuz},
        {"a cell left out", file(R"("puzzle":[[1,0,2],[0,null,0],[3,0,0]])"), Refusal::Shape},
        {"a lone letter cell", R"({"kind":["http://ipuz.org/crossword#1"],"dimensions":{"width":3,"height":3},
          "puzzle":[[1,0,0],["#","#","#"],["#",0,"#"]]})",
         Refusal::Shape},
        {"bars", file(R"("puzzle":[[1,0,2],[0,"#",0],[3,{"cell":0,"style":{"barred":"R"}},0]])"),
         Refusal::Bars},
        {"bars in a named style", file(R"("styles":{"b":{"barred":"B"}},
          "puzzle":[[{"cell":1,"style":"b"},0,2],[0,"#",0],[3,0,0]])"),
         Refusal::Bars},
        {"a rebus", file(grid + R"(,"solution":[["КО","О","Т"],["И","#","О"],["Т","О","К"]])"),
         Refusal::Rebus},
        {"a letter outside cp1251",
         file(grid + R"(,"solution":[["Ж","O","T"],["I","#","O"],["T","O","中"]])"), Refusal::Charset},
        {"a clue outside cp1251", file(grid + R"(,"clues":{"Across":[[1,"漢字"]]})"), Refusal::Charset},
        {"a title outside cp1251", file(R"("title":"🙂",)" + grid), Refusal::Charset},
        {"a letter where the grid has a block",
         file(grid + R"(,"solution":[["К","О","Т"],["И","Х","О"],["Т","О","К"]])"), Refusal::Solution},
        {"a block where the grid has a letter",
         file(grid + R"(,"solution":[["#","О","Т"],["И","#","О"],["Т","О","К"]])"), Refusal::Solution},
        {"a solution of the wrong size", file(grid + R"(,"solution":[["К","О","Т"]])"), Refusal::Solution},
        {"a control character as a letter",
         file(grid + R"(,"solution":[["\u0001","О","Т"],["И","#","О"],["Т","О","К"]])"), Refusal::Solution},
        {"no word at all", file(R"("puzzle":[["#",0,"#"],["#","#","#"],[0,"#",0]])"), Refusal::NoWords},
        {"a number missing", file(R"("puzzle":[[1,0,0],[0,"#",0],[3,0,0]])"), Refusal::Numbering},
        {"numbers in another order", file(R"("puzzle":[[1,0,3],[0,"#",0],[2,0,0]])"), Refusal::Numbering},
        {"a number on a cell that starts no word", file(R"("puzzle":[[1,4,2],[0,"#",0],[3,0,0]])"),
         Refusal::Numbering},
        {"letters as labels", file(R"("puzzle":[["A",0,"B"],[0,"#",0],["C",0,0]])"), Refusal::Numbering},
        {"a diagonal clue list", file(grid + R"(,"clues":{"Diagonal":[[1,"x"]]})"), Refusal::Clues},
        {"a clue without a number", file(grid + R"(,"clues":{"Across":["x"]})"), Refusal::Clues},
        {"a clue for several words", file(grid + R"(,"clues":{"Across":[{"numbers":[1,3],"clue":"x"}]})"),
         Refusal::Clues},
        {"a clue for a word the grid lacks", file(grid + R"(,"clues":{"Across":[[2,"x"]]})"), Refusal::Clues},
        {"a clue number beyond the grid", file(grid + R"(,"clues":{"Down":[[9,"x"]]})"), Refusal::Clues},
        {"the same clue twice", file(grid + R"(,"clues":{"Across":[[1,"x"],["1","y"]]})"), Refusal::Clues},
        {"a clue list of the wrong type", file(grid + R"(,"clues":{"Across":{"1":"x"}})"), Refusal::NotIpuz},
        {"a clue text of the wrong type", file(grid + R"(,"clues":{"Across":[[1,7]]})"), Refusal::NotIpuz},
        {"a title of the wrong type", file(R"("title":["x"],)" + grid), Refusal::NotIpuz},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        KrossDocument doc = ring();
        const std::string before = SaveKrossM::KrossFileText(doc);
        EXPECT_EQ(IpuzFormat::Read(c.text, doc), c.expected);
        EXPECT_EQ(SaveKrossM::KrossFileText(doc), before); // a refused file changes nothing
    }
}

// Inputs made to exhaust the reader: nesting, the number of JSON containers, the file's size.
TEST(IpuzFormatTest, IpuzReadRefusesHostileSizesBeforeBuildingAnything) {
    KrossDocument doc;
    const std::string deep = std::string(5000, '[') + std::string(5000, ']');
    EXPECT_EQ(IpuzFormat::Read(deep, doc), Refusal::NotIpuz);

    std::string manyArrays = R"({"kind":["http://ipuz.org/crossword#1"],"x":[)";
    for (size_t i = 0; i <= IpuzFormat::MaxContainers; ++i)
        manyArrays += "[],";
    manyArrays += "[]]}";
    ASSERT_LT(manyArrays.size(), IpuzFormat::MaxFileBytes);
    EXPECT_EQ(IpuzFormat::Read(manyArrays, doc), Refusal::TooLarge);

    // Brackets inside strings are text, not containers.
    const std::string inStrings = R"({"kind":["http://ipuz.org/crossword#1"],"title":")" +
                                  std::string(IpuzFormat::MaxContainers + 10, '[') + R"(",
        "dimensions":{"width":3,"height":3},"puzzle":[[1,0,2],[0,"#",0],[3,0,0]]})";
    EXPECT_EQ(IpuzFormat::Read(inStrings, doc), Refusal::None);

    const std::string huge(IpuzFormat::MaxFileBytes + 1, ' ');
    EXPECT_EQ(IpuzFormat::Read(huge, doc), Refusal::TooLarge);
}

} // namespace
