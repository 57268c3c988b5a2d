// The fill through the window: the Kross menu's Fill and Fill again, the progress window with its Stop
// button, the messages, and the word search's option of words that keep the crossing words fillable.
#include <QDialog>
#include <QProgressBar>
#include <set>

#include "GridHelpers.h"
#include "document/frmFindWord.h"
#include "grid/GridFill.h"
#include "grid/GridFillUi.h"

namespace {

using MsgBoxM::Answer;

// A ring: 1 across on top, 1 down on the left, 2 down on the right, 3 across at the bottom.
const std::vector<std::string> kRing = {"...", ".#.", "..."};

class FillTest : public GridWindowTest {
  protected:
    void SetUp() override {
        GridWindowTest::SetUp();
        GridFill::FixSeed(11);
    }
    void TearDown() override {
        GridWindowTest::TearDown();
        GridFill::FixSeed(std::nullopt);
        GridFill::SetTimeLimit(std::chrono::milliseconds(0));
    }
    // A word-list file of the program folder: the count line, then the words run together.
    void WriteWords(int length, const std::vector<const char*>& words) {
        std::string text;
        for (const char* w : words)
            text += cp(w);
        WriteFile(AppDir() + "Data/" + std::to_string(length) + ".dat",
                  std::to_string(words.size()) + "\r\n" + text + "\r\n");
    }
    QAction* FillAction() const { return ui->find<QAction>("KrossFill"); }
    QAction* FillAgainAction() const { return ui->find<QAction>("KrossFillAgain"); }
    // The progress window of the fill that runs, if any.
    QDialog* Progress() const { return form->findChild<QDialog*>("frmFill"); }
    // Waits until the fill that runs has ended and its result or message is in.
    static void WaitForFill() {
        QTRY_VERIFY_WITH_TIMEOUT(!GridFill::Running(), 60000);
        QApplication::processEvents();
    }
    static std::string Answer(int32_t n, int32_t d) { return Doc().ClueTexts.Answer(n, d); }
    // The letter the crossword shows in cell (x, y), from 0.
    static char Letter(int32_t x, int32_t y) {
        return static_cast<char>(Doc().GridLayers.Get(x, y, Layer::Letter));
    }
    // The ring's four answers agree in its four corners, differ, and stand in the cells.
    void ExpectConsistentRing() {
        const std::string a1 = Answer(1, 0), d1 = Answer(1, 1), d2 = Answer(2, 1), a3 = Answer(3, 0);
        for (const std::string* s : {&a1, &d1, &d2, &a3})
            ASSERT_EQ(s->size(), 3u);
        EXPECT_EQ(a1[0], d1[0]);
        EXPECT_EQ(a1[2], d2[0]);
        EXPECT_EQ(a3[0], d1[2]);
        EXPECT_EQ(a3[2], d2[2]);
        EXPECT_EQ((std::set<std::string>{a1, d1, d2, a3}).size(), 4u);
        for (int32_t x = 0; x < 3; ++x) {
            EXPECT_EQ(Letter(x, 0), a1[static_cast<size_t>(x)]);
            EXPECT_EQ(Letter(x, 2), a3[static_cast<size_t>(x)]);
        }
        EXPECT_EQ(Letter(0, 1), d1[1]);
        EXPECT_EQ(Letter(2, 1), d2[1]);
    }
};

// КОТ КИТ ТОК ТИК fill the ring in two ways once 1 across is КОТ: 2 down ТОК with 3 across ТИК, or the
// other way round.
const std::vector<const char*> kRingWords = {"КОТ", "КИТ", "ТОК", "ТИК"};

TEST_F(FillTest, FillEntersAConsistentFillAndFillAgainAnother) {
    Start();
    WriteWords(3, kRingWords);
    EXPECT_FALSE(FillAction()->isEnabled()); // nothing to fill before a crossword is authored
    Author(kRing);
    messages.clear();
    EXPECT_TRUE(FillAction()->isEnabled());
    EXPECT_TRUE(FillAgainAction()->isEnabled());
    EXPECT_EQ(FillAction()->shortcut(), QKeySequence("F9"));
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Мурлыка"));
    TypeEnter(ui->txtOtvet, QStringLiteral("кот"));
    Doc().Modified = false;

    QTest::keyClick(form, Qt::Key_F9);
    QDialog* progress = Progress();
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->windowModality(), Qt::WindowModal);
    EXPECT_EQ(progress->windowTitle(), Plain(Tr(FillText::FillCommand)));
    EXPECT_TRUE(progress->findChild<QLabel*>("lblFill")->text().startsWith(Tr(FillText::Progress)));
    EXPECT_EQ(progress->findChild<QProgressBar*>("prgFill")->maximum(), 3); // three words to fill
    WaitForFill();
    EXPECT_EQ(Progress(), nullptr);
    for (const auto& m : messages)
        ADD_FAILURE() << m.text.toStdString();
    ExpectConsistentRing();
    EXPECT_EQ(Answer(1, 0), cp("КОТ")); // the answer given stays, with its clue
    EXPECT_EQ(Doc().ClueTexts.Clue(1, 0), cp("Мурлыка"));
    for (const auto& [n, d] : {std::pair{1, 1}, {2, 1}, {3, 0}})
        EXPECT_EQ(Doc().ClueTexts.Clue(n, d), ""); // the author writes the clues
    EXPECT_TRUE(Doc().Modified);
    const std::string first = Answer(2, 1);
    Shot("fill_done");

    // The whole fill is one undo step.
    QAction* undo = ui->find<QAction>("EditUndo");
    QAction* redo = ui->find<QAction>("EditRedo");
    ASSERT_TRUE(undo->isEnabled());
    undo->trigger();
    QApplication::processEvents();
    for (const auto& [n, d] : {std::pair{1, 1}, {2, 1}, {3, 0}})
        EXPECT_EQ(Answer(n, d), "");
    EXPECT_EQ(Answer(1, 0), cp("КОТ"));
    for (int32_t x = 0; x < 3; ++x)
        EXPECT_EQ(Letter(x, 2), 0); // the bottom row is empty again
    EXPECT_EQ(Letter(0, 1), 0);
    EXPECT_EQ(Letter(2, 0), cp("Т")[0]); // 1 across stays
    ASSERT_TRUE(redo->isEnabled());
    redo->trigger();
    QApplication::processEvents();
    ExpectConsistentRing();
    EXPECT_EQ(Answer(2, 1), first);

    // Fill again replaces the fill by another one.
    EXPECT_EQ(FillAgainAction()->shortcut(), QKeySequence("Shift+F9"));
    FillAgainAction()->trigger();
    EXPECT_NE(Progress(), nullptr);
    WaitForFill();
    EXPECT_TRUE(messages.empty());
    ExpectConsistentRing();
    EXPECT_EQ(Answer(1, 0), cp("КОТ"));
    EXPECT_NE(Answer(2, 1), first);
    // It took the place of the first fill: one undo goes back to before either.
    undo->trigger();
    QApplication::processEvents();
    for (const auto& [n, d] : {std::pair{1, 1}, {2, 1}, {3, 0}})
        EXPECT_EQ(Answer(n, d), "");
    EXPECT_EQ(Answer(1, 0), cp("КОТ"));
    redo->trigger();
    QApplication::processEvents();
    ExpectConsistentRing();

    // Nothing left to fill.
    Plan({Answer::Ok});
    FillAction()->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Tr(FillText::NothingToFill));
    EXPECT_FALSE(GridFill::Running());
}

TEST_F(FillTest, NoFillNamesAWordAndChangesNothing) {
    Start();
    // With 1 across КИТ, 2 down needs a word that starts with Т, and the list has none.
    WriteWords(3, {"КИТ", "КОТ"});
    Author(kRing);
    messages.clear();
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Морской великан"));
    TypeEnter(ui->txtOtvet, QStringLiteral("кит"));
    const std::string a1 = Answer(1, 0);
    ASSERT_EQ(a1, cp("КИТ"));
    Doc().Modified = false;
    Plan({Answer::Ok});
    FillAction()->trigger();
    WaitForFill();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith(Tr(FillText::NoFill) + QStringLiteral(" ")))
        << messages[0].text.toStdString();
    // The named word is selected for the author.
    const QString named = QString::number(Doc().CurNumber) + QStringLiteral(" ") +
                          Tr(Doc().CurDirection == 0 ? FillText::Across : FillText::Down);
    EXPECT_TRUE(messages[0].text.endsWith(named)) << messages[0].text.toStdString();
    EXPECT_TRUE(Answer(Doc().CurNumber, Doc().CurDirection).empty());
    EXPECT_EQ(Answer(1, 0), a1);
    for (const auto& [n, d] : {std::pair{1, 1}, {2, 1}, {3, 0}})
        EXPECT_EQ(Answer(n, d), "");
    EXPECT_FALSE(Doc().Modified);

    // Without any word list there is nothing to fill from.
    for (const auto& e : std::filesystem::directory_iterator(AppDir() + "Data"))
        if (e.path().extension() == ".dat") std::filesystem::remove(e.path());
    messages.clear();
    Plan({Answer::Ok});
    FillAction()->trigger();
    WaitForFill();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Tr(FillText::NoWordLists));
    EXPECT_EQ(Answer(1, 1), "");
}

// A grid no list fills quickly: a square without blocks, the shipped lists.
const std::vector<std::string> kOpenSquare = {".......", ".......", ".......", ".......",
                                              ".......", ".......", "......."};

TEST_F(FillTest, StopEscapeAndTheTimeLimitLeaveTheGridAsItWas) {
    Start();
    Author(kOpenSquare);
    struct Case {
        const char* name;
        std::function<void(QDialog&)> end; // nothing: the time limit ends it
        int32_t message;
    } cases[] = {
        {"Stop button",
         [](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>("kStop"), Qt::LeftButton); },
         FillText::Stopped},
        {"Escape", [](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }, FillText::Stopped},
        {"time limit", nullptr, FillText::TimedOut},
    };
    for (const Case& c : cases) {
        messages.clear();
        GridFill::SetTimeLimit(std::chrono::milliseconds(c.end ? 0 : 300));
        Plan({Answer::Ok});
        FillAction()->trigger();
        QDialog* progress = Progress();
        ASSERT_NE(progress, nullptr) << c.name;
        // The window goes on with its events while the search runs.
        QTest::qWait(200);
        EXPECT_TRUE(GridFill::Running()) << c.name;
        if (c.end) {
            Shot("fill_progress");
            c.end(*progress);
        }
        WaitForFill();
        ASSERT_EQ(messages.size(), 1u) << c.name;
        EXPECT_EQ(messages[0].text, Tr(c.message)) << c.name;
        for (int32_t n = 1; n <= Doc().NumberCount; ++n)
            for (int32_t d = 0; d < 2; ++d)
                EXPECT_EQ(Answer(n, d), "") << c.name;
    }
}

TEST_F(FillTest, WordSearchListsOnlyWordsThatKeepTheCrossingsFillable) {
    Start();
    // As 1 across, ЮЛА and ОСА would leave 2 down nothing to start with А, ТИС nothing with С.
    WriteWords(3, {"КОТ", "ЮЛА", "КИТ", "ТОК", "ОСА", "ТИК", "ТИС"});
    Author(kRing);
    messages.clear();
    ClickCell(1, 0);
    ASSERT_EQ(Doc().CurNumber, 1);
    ASSERT_EQ(Doc().CurDirection, 0);
    ui->KrossFoundWord->trigger();
    QApplication::processEvents();
    frmFindWord* w = form->findChild<frmFindWord*>();
    ASSERT_NE(w, nullptr);
    auto listed = [&w] {
        QStringList out;
        for (int r = 0; r < w->Words->rowCount(); ++r)
            out << w->Words->index(r).data().toString();
        return out;
    };
    EXPECT_EQ(w->chKeepsCrossings->text(), Tr(FillText::KeepsCrossings));
    EXPECT_FALSE(w->chKeepsCrossings->isChecked());
    EXPECT_EQ(listed(), QStringList({"КОТ", "ЮЛА", "КИТ", "ТОК", "ОСА", "ТИК", "ТИС"}));
    w->chKeepsCrossings->click();
    EXPECT_EQ(listed(), QStringList({"КОТ", "КИТ", "ТОК", "ТИК"}));
    // The letters already entered count: with 1 down ТОК, 1 across starts with Т.
    w->close();
    QApplication::processEvents();
    ClickCell(0, 1);
    ASSERT_EQ(Doc().CurDirection, 1);
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Электричество"));
    TypeEnter(ui->txtOtvet, QStringLiteral("ток"));
    ASSERT_EQ(Answer(1, 1), cp("ТОК"));
    ClickCell(1, 0);
    ASSERT_EQ(Doc().CurDirection, 0);
    ui->KrossFoundWord->trigger();
    QApplication::processEvents();
    w = form->findChild<frmFindWord*>();
    ASSERT_NE(w, nullptr);
    w->chKeepsCrossings->setChecked(true);
    EXPECT_EQ(listed(), QStringList({"ТОК", "ТИК"}));
    Shot("fill_word_search");
    w->chKeepsCrossings->setChecked(false);
    EXPECT_EQ(listed(), QStringList({"ТОК", "ТИК", "ТИС"}));
}

} // namespace
