// Solving through the window: selecting clues by number, checking answers, bare grids, Delete answer.
#include "GridHelpers.h"
#include "basics/Cp1251.h"

namespace {

using MsgBoxM::Answer;

int code(const char* utf8) {
    return Cp1251::Code((*Cp1251::FromUtf8(utf8))[0]);
}

class SolvingTest : public RingTest {
  protected:
    // Authors the ring, saves it and opens it for solving.
    void OpenRing(int style = 0, bool bare = false) {
        if (bare)
            Author(kRing, true);
        else
            AuthorRing();
        const std::string path = AppDir() + (bare ? "bare.krw" : "ring.krw");
        if (bare) {
            fileAnswers.push_back(QPath(path));
            ui->FileSave->trigger();
        } else {
            SaveAs(path);
        }
        if (style != Opt().StyleIndex) ui->OptionsStyle[static_cast<size_t>(style)]->trigger();
        Open(path);
        messages.clear();
    }
    void Enter(const QString& text) { TypeEnter(ui->txtOtvet, text); }
    QString WordsLeft(int n) { return Q(Lang().LangWordsLabel) + " " + QString::number(n); }
};

TEST_F(SolvingTest, ALeadingNumberSelectsItsClues) {
    Start();
    OpenRing();
    const auto& d = Doc();
    struct Case {
        const char* typed;
        int across, down;
    } cases[] = {
        {"3", 3, 0},
        {"2abc", 0, 2},
        {"-3", 0, 2},
        {"99", 0, 2},
        {"1234567890123456789012345678901234567890", 0, 2},
        {" 1", 1, 1},
    };
    for (const auto& c : cases) {
        Enter(QString::fromUtf8(c.typed));
        EXPECT_EQ(d.CurNumber, c.across) << c.typed;
        EXPECT_EQ(d.CurDownNumber, c.down) << c.typed;
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(ui->lblVopros[0]->text(), QStringLiteral("Мурлыка"));
    // A lone 0 is an answer, and a wrong one.
    Plan({Answer::Ok});
    Enter("0");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Q(Lang().LangText[9]));
    EXPECT_EQ(messages[0].style, MsgBoxM::Style::Information);
    EXPECT_EQ(ui->txtOtvet->text(), "0"); // the wrong answer stays in the box
}

TEST_F(SolvingTest, CorrectAnswersFillTheirWordsAndTheSearchWrapsAround) {
    Start();
    OpenRing();
    const auto& d = Doc();
    // Number 1 shows both clues; the down answer solves only the down word.
    Enter(QStringLiteral("кИт"));
    EXPECT_EQ(d.SolvedWords.Get(1, 1), 1);
    EXPECT_EQ(d.SolvedCount, 1);
    EXPECT_EQ(d.CurDownNumber, 0);
    EXPECT_EQ(d.CurNumber, 1);
    EXPECT_TRUE(ui->lblVopros[1]->text().isEmpty());
    EXPECT_EQ(ui->lblVopros[0]->text(), QStringLiteral("Мурлыка"));
    EXPECT_EQ(ui->lblSlov->text(), WordsLeft(3));
    EXPECT_EQ(d.GridLayers.Get(0, 1, 3), code("И"));
    EXPECT_EQ(d.GridLayers.Get(0, 1, 1), 0);           // no longer selectable
    EXPECT_EQ(CellPixel(1, 0, 1, 10), SelectionColor); // the across word stays highlighted
    EXPECT_TRUE(d.Modified);
    // The across answer: the search goes on with number 2.
    Enter(QStringLiteral("КОТ"));
    EXPECT_EQ(d.CurNumber, 0);
    EXPECT_EQ(d.CurDownNumber, 2);
    EXPECT_EQ(ui->lblVopros[1]->text(), QStringLiteral("Электричество"));
    // Solving number 3 (the highest) wraps the search round to number 2.
    Enter("3");
    ASSERT_EQ(d.CurNumber, 3);
    Enter(QStringLiteral("тик"));
    EXPECT_EQ(d.CurNumber, 0);
    EXPECT_EQ(d.CurDownNumber, 2);
    // A click on a solved cell selects only the crossing word still open.
    ClickCell(1, 2);
    EXPECT_EQ(d.CurNumber, 0);
    EXPECT_EQ(d.CurDownNumber, 2);
    Plan({Answer::Ok});
    Enter(QStringLiteral("ток"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Q(Lang().LangSolvedMsg));
    EXPECT_EQ(ui->lblSlov->text(), WordsLeft(0));
    EXPECT_EQ(d.SolvedCount, 4);
    Shot("solving-solved");
}

TEST_F(SolvingTest, TheTurnedStyleTakesLettersInTheOrderShown) {
    Start();
    OpenRing(1);
    const auto& d = Doc();
    ASSERT_EQ(d.ActiveStyle, 1);
    // 1 across КОТ is shown turned at the bottom, read left to right as ТОК.
    EXPECT_EQ(d.ViewSlotTable.Get(1, 0, 0), 0);
    EXPECT_EQ(d.ViewSlotTable.Get(1, 1, 0), 2);
    Enter(QStringLiteral("ток"));
    EXPECT_EQ(d.SolvedWords.Get(1, 0), 1);
    EXPECT_EQ(d.GridLayers.Get(0, 2, 3), code("Т"));
    EXPECT_EQ(d.GridLayers.Get(2, 2, 3), code("К"));
    EXPECT_EQ(d.GridLayers.Get(2, 2, 2), 1); // the number sits in the turned start cell
}

TEST_F(SolvingTest, ABareGridTakesWordsCheckedOnlyAgainstCrossingLetters) {
    Start();
    OpenRing(0, true);
    const auto& d = Doc();
    ASSERT_EQ(d.AppMode, 4);
    Enter(QStringLiteral("кот"));
    EXPECT_EQ(d.SolvedCount, 1);
    EXPECT_EQ(d.ClueTexts.Word(1, 0), cp("КОТ"));
    EXPECT_EQ(d.CurNumber, 1); // the next word not entered: 1 down
    EXPECT_EQ(d.CurDirection, 1);
    EXPECT_EQ(ui->lblSlov->text(), WordsLeft(3));
    // A wrong length does nothing; a clash is refused and selected.
    Enter(QStringLiteral("ко"));
    EXPECT_EQ(d.SolvedCount, 1);
    Plan({Answer::Ok});
    Enter(QStringLiteral("мир"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Q(Lang().LangLetterConflict) + " К, М");
    EXPECT_EQ(ui->txtOtvet->selectionStart(), 0);
    // Typing the number of a crossing pair toggles between its words.
    Enter("1");
    EXPECT_EQ(d.CurDirection, 0);
    Enter("1");
    EXPECT_EQ(d.CurDirection, 1);
    Enter("1");
    // Re-entering a word does not count it again.
    Enter(QStringLiteral("кол"));
    EXPECT_EQ(d.SolvedCount, 1);
    EXPECT_EQ(d.ClueTexts.Word(1, 0), cp("КОЛ"));
}

TEST_F(SolvingTest, DeleteAnswerWorksFromTheShortcutOnlyWhileItsConditionHolds) {
    Start();
    OpenRing(1, true); // bare grid, turned
    auto& d = Doc();
    Enter(QStringLiteral("кот")); // 1 across, turned: the bottom row, typed in the order shown
    ASSERT_EQ(d.SolvedCount, 1);
    EXPECT_EQ(d.GridLayers.Get(0, 2, 3), code("К"));
    // 1 down is selected now and not entered: F8 does nothing.
    QTest::keyClick(ui->txtOtvet, Qt::Key_F8);
    EXPECT_TRUE(messages.empty());
    Enter("1"); // back to 1 across
    ASSERT_EQ(d.CurDirection, 0);
    Plan({Answer::Yes});
    QTest::keyClick(ui->txtOtvet, Qt::Key_F8);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Plain(ui->KrossDelOtwet->text()) + "?");
    EXPECT_EQ(d.SolvedCount, 0);
    EXPECT_EQ(d.SolvedWords.Get(1, 0), 0);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(d.GridLayers.Get(c, 2, 3), 0) << c; // exactly the turned cells
    EXPECT_EQ(ui->lblSlov->text(), WordsLeft(4));
    EXPECT_EQ(CellPixel(1, 2, 1, 10), SelectionColor); // it stays selected
}

TEST_F(SolvingTest, DeleteAnswerWhileAuthoringRemovesClueAndAnswer) {
    Start();
    AuthorRing();
    ClickCell(1, 0); // 1 across
    ASSERT_EQ(Doc().CurDirection, 0);
    form->Kross_Click(); // opening the menu enables the command for an answered word
    EXPECT_TRUE(ui->KrossDelOtwet->isEnabled());
    Plan({Answer::Yes});
    QTest::keyClick(ui->txtOtvet, Qt::Key_F8);
    const auto& d = Doc();
    EXPECT_TRUE(d.ClueTexts.Clue(1, 0).empty());
    EXPECT_TRUE(d.ClueTexts.Answer(1, 0).empty());
    EXPECT_EQ(d.GridLayers.Get(0, 0, 3), code("К")); // 1 down's letter stays
    EXPECT_EQ(d.GridLayers.Get(1, 0, 3), 0);
    EXPECT_TRUE(ui->txtVoprosOtvet->text().isEmpty());
    form->Kross_Click();
    EXPECT_FALSE(ui->KrossDelOtwet->isEnabled());
}

} // namespace
