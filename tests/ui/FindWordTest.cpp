// The word-search window: the pattern from the crossing letters, typing, the search and its keys.
#include "GridHelpers.h"
#include "basics/Cp1251.h"
#include "document/frmFindWord.h"

namespace {

using MsgBoxM::Answer;

// A ring: 1 across on top, 1 down on the left, 2 down on the right, 3 across at the bottom.
const std::vector<std::string> kRing = {"...", ".#.", "..."};

class FindWordTest : public GridWindowTest {
  protected:
    // A word-list file of the program folder: the count line, then the words run together.
    void WriteWords(int length, const std::vector<const char*>& words) {
        std::string text;
        for (const char* w : words)
            text += cp(w);
        WriteFile(AppDir() + "Data/" + std::to_string(length) + ".dat",
                  std::to_string(words.size()) + "\r\n" + text + "\r\n");
    }
    // The ring with 1 across КОТ, 1 down КОЛ and 2 down ТОН; 3 across stays open.
    void RingWithAnswers() {
        Author(kRing);
        for (const char* answer : {"кот", "кол", "тон"}) {
            TypeEnter(ui->txtVoprosOtvet, QStringLiteral("вопрос"));
            TypeEnter(ui->txtOtvet, QString::fromUtf8(answer));
        }
        ASSERT_EQ(Doc().ClueTexts.Answer(2, 1), cp("ТОН"));
    }
    frmFindWord* Open() {
        ui->KrossFoundWord->trigger();
        QApplication::processEvents();
        return form->findChild<frmFindWord*>();
    }
    static void CloseByEscape(frmFindWord* w) {
        QTest::keyClick(w->txtWord, Qt::Key_Escape);
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    static QStringList Listed(const frmFindWord* w) {
        QStringList out;
        for (int r = 0; r < w->Words->rowCount(); ++r)
            out << w->Words->index(r).data().toString();
        return out;
    }
    QString FoundTitle(qsizetype count) const {
        return Plain(ui->KrossFoundWord->text()) + ": " + Q(Lang().LangText[13]) + QString::number(count);
    }
    // Types a pattern into the box and releases Enter, as the user does.
    static void SearchFor(frmFindWord* w, const QString& pattern) {
        w->txtWord->clear();
        TypeText(w->txtWord, pattern);
        QTest::keyClick(w->txtWord, Qt::Key_Return);
    }
};

TEST_F(FindWordTest, PatternComesFromTheCrossingLettersOnly) {
    Start();
    WriteWords(3, {"КОТ", "КИТ", "ТОК", "КЕТ", "ТИС", "ТУР"});
    RingWithAnswers();
    // 1 across: its own letters К О Т are in the across layer; only the down words' К and Т count.
    ClickCell(1, 0);
    ASSERT_EQ(Doc().CurNumber, 1);
    ASSERT_EQ(Doc().CurDirection, 0);
    form->setGeometry(0, 0, 420, 500); // room beside it on the 800-pixel screen
    QTest::keyClick(form, Qt::Key_F4);
    QApplication::processEvents();
    frmFindWord* w = form->findChild<frmFindWord*>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isWindow());
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->parentWidget(), form);
    EXPECT_EQ(w->txtWord->text(), QStringLiteral("К?Т"));
    EXPECT_EQ(w->txtWord->cursorPosition(), 3);
    EXPECT_EQ(Listed(w), QStringList({"КОТ", "КИТ", "КЕТ"}));
    EXPECT_EQ(w->windowTitle(), FoundTitle(3));
    EXPECT_EQ(w->Label1->text(), Q(Lang().LangText[14]));
    EXPECT_EQ(w->Label2->text(), Q(Lang().LangText[15]));
    EXPECT_EQ(w->Label3->text(), Q(Lang().LangFindWordCount) + " 3");
    // Beside the main window, not over it.
    EXPECT_FALSE(w->frameGeometry().intersects(form->frameGeometry()));
    if (const char* dir = getenv("GRIDMORA_SHOTS")) w->grab().save(QString::fromUtf8(dir) + "/findword.png");
    // The main window goes on working while the search window is open.
    EXPECT_TRUE(form->isEnabled());
    CloseByEscape(w);
    EXPECT_EQ(form->findChild<frmFindWord*>(), nullptr);

    // 2 down: the across layer gives Т at the top; its own letters О Н do not count.
    ClickCell(2, 1);
    ASSERT_EQ(Doc().CurNumber, 2);
    ASSERT_EQ(Doc().CurDirection, 1);
    w = Open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->txtWord->text(), QStringLiteral("Т??"));
    EXPECT_EQ(Listed(w), QStringList({"ТОК", "ТИС", "ТУР"}));
    // The command again brings the same window forward, filled from the word selected now.
    w->txtWord->setText(QStringLiteral("К??"));
    ClickCell(1, 0); // 1 across: its crossing letters are К and Т
    EXPECT_EQ(Open(), w);
    EXPECT_EQ(w->txtWord->text(), QStringLiteral("К?Т"));
}

TEST_F(FindWordTest, NoSelectedWordStartsEmptyWithoutASearch) {
    Start();
    Author({".."});
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Нота"));
    TypeEnter(ui->txtOtvet, QStringLiteral("ля"));
    ASSERT_EQ(Doc().CurNumber, 0);
    frmFindWord* w = Open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->txtWord->text().isEmpty());
    EXPECT_EQ(w->Words->rowCount(), 0);
    EXPECT_EQ(w->windowTitle(), FoundTitle(0));
    EXPECT_EQ(w->Label3->text(), Q(Lang().LangFindWordCount) + " 0");
}

TEST_F(FindWordTest, TypingSearchingAndPatternLengths) {
    Start();
    WriteWords(3, {"КОТ", "КИТ", "ТОК", "ЁЖИ"});
    Author(kRing);
    frmFindWord* w = Open();
    ASSERT_NE(w, nullptr);
    // No crossing letter is known yet: "???" lists every word at once.
    EXPECT_EQ(w->txtWord->text(), QStringLiteral("???"));
    ASSERT_EQ(w->Words->rowCount(), 4);

    // A blank becomes "?", and the label counts the characters.
    w->txtWord->clear();
    TypeText(w->txtWord, QStringLiteral("к т"));
    EXPECT_EQ(w->txtWord->text(), QStringLiteral("к?т"));
    EXPECT_EQ(w->Label3->text(), Q(Lang().LangFindWordCount) + " 3");
    EXPECT_EQ(w->Words->rowCount(), 4); // typing alone searches nothing

    // Small letters find what capitals find, Ё included; the box keeps what was typed.
    QTest::keyClick(w->txtWord, Qt::Key_Return);
    EXPECT_EQ(Listed(w), QStringList({"КОТ", "КИТ"}));
    EXPECT_EQ(w->txtWord->text(), QStringLiteral("к?т"));
    SearchFor(w, QStringLiteral("ё??"));
    EXPECT_EQ(Listed(w), QStringList({"ЁЖИ"}));
    EXPECT_EQ(w->windowTitle(), FoundTitle(1));

    // One character: nothing happens, the list stays.
    SearchFor(w, QStringLiteral("к"));
    EXPECT_EQ(Listed(w), QStringList({"ЁЖИ"}));

    // 24 characters search the last word-list file; 25 are refused with the message.
    WriteWords(24, {"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧ", "ЯБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧ"});
    SearchFor(w, QString(24, QLatin1Char('?')));
    EXPECT_EQ(w->Words->rowCount(), 2);
    EXPECT_EQ(w->windowTitle(), FoundTitle(2));
    Plan({Answer::Ok});
    SearchFor(w, QString(25, QLatin1Char('?')));
    ASSERT_EQ(messages.size(), 2u); // the grid-ready question, then this one
    EXPECT_EQ(messages[1].text, Q(Lang().LangText[16]));
    EXPECT_EQ(messages[1].style, MsgBoxM::Style::Critical);
    EXPECT_EQ(w->Words->rowCount(), 2);
    EXPECT_EQ(w->windowTitle(), FoundTitle(2));

    // A missing word-list file lists nothing and says nothing.
    std::filesystem::remove(AppDir() + "Data/7.dat");
    SearchFor(w, QStringLiteral("???????"));
    EXPECT_EQ(w->Words->rowCount(), 0);
    EXPECT_EQ(w->windowTitle(), FoundTitle(0));
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(FindWordTest, ArrowsMoveTheListFromThePatternAndEscapeCloses) {
    Start();
    WriteWords(3, {"КОТ", "КИТ", "КЕТ"});
    Author(kRing);
    frmFindWord* w = Open();
    ASSERT_NE(w, nullptr);
    SearchFor(w, QStringLiteral("???"));
    ASSERT_EQ(w->Words->rowCount(), 3);
    w->txtWord->setCursorPosition(1);
    auto selectedRow = [&] {
        const QModelIndexList rows = w->List1->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows[0].row() : -1;
    };
    EXPECT_EQ(selectedRow(), -1);
    const struct {
        Qt::Key key;
        int row;
    } steps[] = {{Qt::Key_Up, -1},  {Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_Down, 2},
                 {Qt::Key_Down, 2}, {Qt::Key_Up, 1},   {Qt::Key_Up, 0},   {Qt::Key_Up, 0}};
    for (const auto& s : steps) {
        QTest::keyClick(w->txtWord, s.key);
        EXPECT_EQ(selectedRow(), s.row) << s.key;
    }
    // The keys were the list's: the pattern and its cursor did not move.
    EXPECT_EQ(w->txtWord->text(), QStringLiteral("???"));
    EXPECT_EQ(w->txtWord->cursorPosition(), 1);
    EXPECT_TRUE(w->txtWord->hasFocus());
    // A new search empties the selection.
    QTest::keyClick(w->txtWord, Qt::Key_Return);
    EXPECT_EQ(selectedRow(), -1);

    // In the list, Escape closes when it also went down there; a stray release does nothing.
    QTest::keyRelease(w->List1, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(w->isVisible());
    QPointer<frmFindWord> alive(w);
    QTest::keyClick(w->List1, Qt::Key_Down);
    QTest::keyClick(w->List1, Qt::Key_Escape);
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alive.isNull());
    EXPECT_EQ(form->findChild<frmFindWord*>(), nullptr);

    // Escape in the pattern closes too.
    w = Open();
    ASSERT_NE(w, nullptr);
    alive = w;
    CloseByEscape(w);
    EXPECT_TRUE(alive.isNull());
}

TEST_F(FindWordTest, AListOfEveryWordShowsItsRowsFromTheFile) {
    Start();
    // Many words: "??" lists them all, each row reading its two letters in place.
    std::string text;
    const std::string letters = cp("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");
    for (char a : letters)
        for (char b : letters)
            text += std::string{a, b};
    const size_t count = letters.size() * letters.size();
    WriteFile(AppDir() + "Data/2.dat", std::to_string(count) + "\r\n" + text + "\r\n");
    Author(kRing);
    frmFindWord* w = Open();
    ASSERT_NE(w, nullptr);
    SearchFor(w, QStringLiteral("??"));
    ASSERT_EQ(static_cast<size_t>(w->Words->rowCount()), count);
    EXPECT_EQ(w->Words->index(0).data().toString(), QStringLiteral("АА"));
    EXPECT_EQ(w->Words->index(32).data().toString(), QStringLiteral("БА"));
    EXPECT_EQ(w->Words->index(static_cast<int>(count) - 1).data().toString(), QStringLiteral("ЯЯ"));
    EXPECT_FALSE(w->Words->index(static_cast<int>(count)).data().isValid());
    SearchFor(w, QStringLiteral("?я"));
    EXPECT_EQ(w->Words->rowCount(), 32);
    EXPECT_EQ(w->Words->index(1).data().toString(), QStringLiteral("БЯ"));
}

// A found word goes into the answer box of the selected word, where Enter stores it as if typed; the window
// then follows the selection to the next word.
TEST_F(FindWordTest, AFoundWordGoesIntoTheAnswerBoxAndTheWindowFollowsTheSelection) {
    Start();
    WriteWords(3, {"КОТ", "КИТ", "ТОК", "КОЛ", "ТОН"});
    WriteWords(2, {"ДА", "НЕ"});
    Author(kRing);
    ASSERT_EQ(Doc().CurNumber, 1);
    ASSERT_EQ(Doc().CurDirection, 0);
    frmFindWord* w = Open();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->txtWord->text(), QStringLiteral("???"));
    auto doubleClick = [&](int row) {
        const QRect r = w->List1->visualRect(w->Words->index(row));
        ASSERT_FALSE(r.isEmpty()) << row;
        // A double click as the window system delivers it: a click, then the second press as a double click.
        QTest::mouseClick(w->List1->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        QTest::mouseDClick(w->List1->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        QApplication::processEvents();
    };

    // A double click on КИТ: the answer box of 1 across holds it and has the focus; Enter stores it.
    doubleClick(1);
    EXPECT_EQ(ui->txtOtvet->text(), QStringLiteral("КИТ"));
    EXPECT_EQ(QApplication::focusWidget(), ui->txtOtvet);
    EXPECT_EQ(w->List1->toolTip(), Tr(FindWordText::PutHint));
    ui->txtVoprosOtvet->setText(QStringLiteral("Морской великан"));
    QTest::keyClick(ui->txtOtvet, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Doc().ClueTexts.Answer(1, 0), cp("КИТ"));

    // The selection moved on to 1 down, and the window with it: К from КИТ, the list searched.
    ASSERT_EQ(Doc().CurNumber, 1);
    ASSERT_EQ(Doc().CurDirection, 1);
    EXPECT_EQ(w->txtWord->text(), QStringLiteral("К??"));
    EXPECT_EQ(Listed(w), QStringList({"КОТ", "КИТ", "КОЛ"}));
    EXPECT_EQ(w->windowTitle(), FoundTitle(3));

    // Enter in the list puts the selected word in; with the clue typed, Enter stores it.
    w->List1->setFocus();
    w->List1->setCurrentIndex(w->Words->index(2));
    QTest::keyClick(w->List1, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(w->isVisible()); // Enter does not close the window
    EXPECT_EQ(ui->txtOtvet->text(), QStringLiteral("КОЛ"));
    EXPECT_EQ(QApplication::focusWidget(), ui->txtOtvet);
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Кол"));
    EXPECT_EQ(Doc().ClueTexts.Answer(1, 1), cp("КОЛ"));

    // Next: 2 down, with Т at its top from КИТ.
    ASSERT_EQ(Doc().CurNumber, 2);
    EXPECT_EQ(w->txtWord->text(), QStringLiteral("Т??"));
    EXPECT_EQ(Listed(w), QStringList({"ТОК", "ТОН"}));

    // The clash rule still holds: the author searched on with other letters and picked КОТ for 2 down.
    SearchFor(w, QStringLiteral("???"));
    doubleClick(0);
    EXPECT_EQ(ui->txtOtvet->text(), QStringLiteral("КОТ"));
    ui->txtVoprosOtvet->setText(QStringLiteral("Мурлыка"));
    Plan({Answer::Ok});
    QTest::keyClick(ui->txtOtvet, Qt::Key_Return);
    ASSERT_EQ(messages.size(), 2u); // the grid-ready question, then the clash
    EXPECT_EQ(messages[1].text, Q(Lang().LangLetterConflict) + QStringLiteral(" Т, К"));
    EXPECT_TRUE(Doc().ClueTexts.Answer(2, 1).empty());

    // A word of another length than the selected word's is not put in.
    SearchFor(w, QStringLiteral("??"));
    ASSERT_EQ(w->Words->rowCount(), 2);
    ui->txtOtvet->setText(QStringLiteral("ТОН"));
    doubleClick(0);
    EXPECT_EQ(ui->txtOtvet->text(), QStringLiteral("ТОН"));

    // Clicking another word of the grid refills the pattern: 3 across, with К of КОЛ and nothing else.
    ClickCell(1, 2);
    QApplication::processEvents();
    ASSERT_EQ(Doc().CurNumber, 3);
    EXPECT_EQ(w->txtWord->text(), QStringLiteral("Л??"));
    EXPECT_EQ(w->Words->rowCount(), 0);
    EXPECT_EQ(w->windowTitle(), FoundTitle(0));
}

// Following the selection to a word longer than any word list searches nothing and says nothing.
TEST_F(FindWordTest, FollowingToAWordTooLongForTheListsIsQuiet) {
    Start();
    WriteWords(2, {"ДА", "НЕ"});
    // 1 across of 25 letters; 1 down of 2 letters at the left.
    Author({std::string(25, '.'), "." + std::string(24, '#')});
    ASSERT_EQ(Doc().CurNumber, 1);
    ASSERT_EQ(Doc().CurDirection, 0);
    ClickCell(0, 1); // 1 down
    ASSERT_EQ(Doc().CurDirection, 1);
    frmFindWord* w = Open();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->Words->rowCount(), 2);
    ClickCell(5, 0); // 1 across
    QApplication::processEvents();
    ASSERT_EQ(Doc().CurDirection, 0);
    EXPECT_EQ(w->txtWord->text(), QString(25, QLatin1Char('?')));
    EXPECT_EQ(w->Words->rowCount(), 0);
    EXPECT_EQ(w->windowTitle(), FoundTitle(0));
    EXPECT_EQ(messages.size(), 1u); // only the grid-ready question
}

} // namespace
