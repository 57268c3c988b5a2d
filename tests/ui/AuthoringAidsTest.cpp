// The authoring aids through the window: undo and redo, editing the grid of a crossword, the symmetry
// choice with the numbers shown while drawing, New asking before a drawing is lost, the clue overview.
#include <QComboBox>
#include <QSet>
#include <QTextDocument>
#include <QTreeView>
#include <QUndoStack>

#include "GridHelpers.h"
#include "app/AuthoringTexts.h"
#include "basics/TextFile.h"
#include "display/ClueOverviewUi.h"
#include "display/DigitGlyphs.h"
#include "document/frmAbout.h"
#include "grid/AddSlovoMUi.h"
#include "grid/LoadReshotkiM.h"

namespace {

using MsgBoxM::Answer;

std::string utf8(const std::string& cp1251) {
    return Cp1251::ToUtf8(cp1251);
}

class AuthoringAidsTest : public RingTest {
  protected:
    QAction* action(const char* name) { return ui->find<QAction>(name); }
    QComboBox* symmetryKind() { return ui->find<QComboBox>("cmbSymmetry"); }
    QTreeView* clueList() { return ui->find<QTreeView>("lstClues"); }

    // What the crossword holds, in a line: the mode, then the drawn rows while drawing, else the word
    // count, every word with a clue or an answer ("1a=КОТ:clue") and name/author.
    static std::string State() {
        const auto& d = Doc();
        std::string s = std::to_string(d.AppMode);
        if (d.AppMode == Mode::NewGrid) {
            for (int32_t r = 0; r < d.GridHeight; ++r) {
                s += ' ';
                for (int32_t c = 0; c < d.GridWidth; ++c)
                    s += d.Cell(c, r) != 0 ? '#' : '.';
            }
            return s;
        }
        s += " [" + std::to_string(d.WordCount) + "]";
        for (int32_t n = 1; n <= d.NumberCount; ++n)
            for (int32_t dir = 0; dir <= 1; ++dir) {
                const std::string clue = d.ClueTexts.Clue(n, dir), answer = d.ClueTexts.Answer(n, dir);
                if (d.WordLength(n, dir) > 0 && !(clue.empty() && answer.empty()))
                    s += " " + std::to_string(n) + (dir == 0 ? "a=" : "d=") + utf8(answer) + ":" + utf8(clue);
            }
        return s + " " + utf8(d.KrossName) + "/" + utf8(d.KrossAuthor);
    }

    // The field shows what the document holds: while drawing, blocked cells green and open ones white;
    // once numbered, the working layers the builder makes of the words and answers.
    void ExpectFieldShowsState(const std::string& when) {
        const auto& d = Doc();
        if (d.AppMode == Mode::NewGrid) {
            for (int32_t r = 0; r < d.GridHeight; ++r)
                for (int32_t c = 0; c < d.GridWidth; ++c)
                    EXPECT_EQ(CellPixel(c, r, 15, 15), d.Cell(c, r) != 0 ? Colors::Green : Colors::White)
                        << when << " cell " << c << "," << r;
            return;
        }
        KrossDocument rebuilt = d;
        LoadReshotkiM::BuildLayers(rebuilt);
        EXPECT_EQ(d.GridLayers, rebuilt.GridLayers) << when;
    }

    // The digits of number n printed in cell (c, r) (number size 1), or, for n = 0, no digit at all.
    void ExpectNumber(int c, int r, int n) {
        const int w = DigitGlyphs::GlyphWidth(1), h = DigitGlyphs::GlyphHeight(1);
        const std::string digits = n > 0 ? std::to_string(n) : std::string("  ");
        for (size_t i = 0; i < digits.size(); ++i)
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const bool black = digits[i] != ' ' && DigitGlyphs::IsBlack(1, digits[i] - '0', x, y);
                    ASSERT_EQ(CellPixel(c, r, 2 + static_cast<int>(i) * w + x, 2 + y),
                              black ? Colors::Black : Colors::White)
                        << "cell " << c << "," << r << " number " << n << " glyph pixel " << x << "," << y;
                }
    }

    // Selects word (n, d) as a click in the clue overview does, then types its clue and answer.
    void EnterWord(int n, int d, const QString& clue, const QString& answer) {
        ClueOverview::SelectWord(*form, n, d);
        TypeEnter(ui->txtVoprosOtvet, clue);
        TypeEnter(ui->txtOtvet, answer);
    }

    void ChooseSymmetry(FieldGeometry::Symmetry kind) {
        ui->ChSimmetrija->setChecked(kind != FieldGeometry::Symmetry::None);
        if (kind != FieldGeometry::Symmetry::None)
            symmetryKind()->setCurrentIndex(kind == FieldGeometry::Symmetry::HalfTurn ? 1 : 0);
    }

    // The properties dialog, confirmed with a new name and author.
    void Properties(const QString& name, const QString& author) {
        OnModal<frmAbout>([=](frmAbout& a) {
            a.txtNameKross->setText(name);
            a.txtNameAutor->setText(author);
            a.txtPW->setText(QStringLiteral("пароль"));
            a.txtPW2->setText(QStringLiteral("пароль"));
            QTest::mouseClick(a.kOK, Qt::LeftButton);
        });
        ui->KrossAbout->trigger();
        Activate();
    }

    // The row of word (n, d) in the clue overview, column col, as shown.
    QString ClueRow(int n, int d, int col) {
        auto* model = clueList()->model();
        const QModelIndex group = model->index(d, 0);
        for (int row = 0; row < model->rowCount(group); ++row)
            if (model->index(row, 0, group).data().toInt() == n)
                return model->index(row, col, group).data().toString();
        ADD_FAILURE() << "no row for " << n << "," << d;
        return {};
    }
    void ClickClueRow(int n, int d) {
        QTreeView* view = clueList();
        auto* model = view->model();
        const QModelIndex group = model->index(d, 0);
        for (int row = 0; row < model->rowCount(group); ++row) {
            const QModelIndex i = model->index(row, 0, group);
            if (i.data().toInt() != n) continue;
            view->scrollTo(i);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(i).center());
            QApplication::processEvents();
            return;
        }
        ADD_FAILURE() << "no row for " << n << "," << d;
    }
};

TEST_F(AuthoringAidsTest, EveryAuthoringChangeIsUndoneAndRedone) {
    Start();
    NewCrossword(3, 3);
    Doc().KrossAuthor = cp("Автор"); // saving needs an author; set before any change is recorded
    const std::string savePath = AppDir() + "undo.krw";
    struct Step {
        const char* action;
        std::function<void()> run;
        std::string after; // the state after the action, and again after its redo
    };
    const std::vector<Step> steps = {
        {"click (1,1), no symmetry",
         [&] {
             ChooseSymmetry(FieldGeometry::Symmetry::None);
             ClickCell(1, 1);
         },
         "2 ... .#. ..."},
        {"click (0,0) with a half turn",
         [&] {
             ChooseSymmetry(FieldGeometry::Symmetry::HalfTurn);
             ClickCell(0, 0);
         },
         "2 #.. .#. ..#"},
        {"clear field",
         [&] {
             Plan({Answer::Yes});
             QTest::mouseClick(ui->kClearPole, Qt::LeftButton);
         },
         "2 ... ... ..."},
        {"click (1,1) with the mirror",
         [&] {
             ChooseSymmetry(FieldGeometry::Symmetry::Mirror);
             ClickCell(1, 1);
         },
         "2 ... .#. ..."},
        {"grid ready", [&] { GridReady(); }, "3 [4] Тест/Автор"},
        {"1 across", [&] { EnterWord(1, 0, QStringLiteral("Мурлыка"), QStringLiteral("кот")); },
         "3 [4] 1a=КОТ:Мурлыка Тест/Автор"},
        {"1 down, then saved",
         [&] {
             EnterWord(1, 1, QStringLiteral("Великан"), QStringLiteral("кит"));
             fileAnswers.push_back(QPath(savePath));
             ui->FileSave->trigger();
             ASSERT_FALSE(Doc().Modified);
         },
         "3 [4] 1a=КОТ:Мурлыка 1d=КИТ:Великан Тест/Автор"},
        {"delete 1 across",
         [&] {
             ClueOverview::SelectWord(*form, 1, 0);
             Plan({Answer::Yes});
             form->KrossDelOtwet_Click();
         },
         "3 [4] 1d=КИТ:Великан Тест/Автор"},
        {"properties", [&] { Properties(QStringLiteral("Новое"), QStringLiteral("Автор2")); },
         "3 [4] 1d=КИТ:Великан Новое/Автор2"},
        {"edit the grid", [&] { action("EditGrid")->trigger(); }, "2 ... .#. ..."},
        {"click (1,0) alone",
         [&] {
             ChooseSymmetry(FieldGeometry::Symmetry::None);
             ClickCell(1, 0);
         },
         "2 .#. .#. ..."},
        {"grid ready after the edit", [&] { GridReady(); }, "3 [3] 1d=КИТ:Великан Новое/Автор2"},
    };
    const size_t saved = 7; // the state after the seventh step is the one on disk

    std::vector<std::string> states = {State()};
    EXPECT_EQ(states[0], "2 ... ... ...");
    for (const Step& s : steps) {
        s.run();
        states.push_back(State());
        EXPECT_EQ(states.back(), s.after) << s.action;
        ExpectFieldShowsState(s.action);
    }
    EXPECT_EQ(messages.size(), 4u); // clear, grid ready, delete, grid ready: nothing else was asked
    EXPECT_TRUE(action("EditUndo")->isEnabled());
    EXPECT_FALSE(action("EditRedo")->isEnabled());

    for (size_t i = steps.size(); i-- > 0;) {
        action("EditUndo")->trigger();
        EXPECT_EQ(State(), states[i]) << "undo " << steps[i].action;
        EXPECT_EQ(Doc().Modified, i != saved) << "undo " << steps[i].action;
        ExpectFieldShowsState(std::string("undo ") + steps[i].action);
    }
    EXPECT_FALSE(action("EditUndo")->isEnabled());
    for (size_t i = 0; i < steps.size(); ++i) {
        action("EditRedo")->trigger();
        EXPECT_EQ(State(), steps[i].after) << "redo " << steps[i].action;
        EXPECT_EQ(Doc().Modified, i + 1 != saved) << "redo " << steps[i].action;
        ExpectFieldShowsState(std::string("redo ") + steps[i].action);
    }
    EXPECT_FALSE(action("EditRedo")->isEnabled());
    Shot("undo-redone");
}

TEST_F(AuthoringAidsTest, TheKeysUndoTheCrosswordUnlessTheBoxHasTypingToUndo) {
    Start();
    AuthorRing(false); // 1 across, 1 down, 2 down; 3 across selected
    const std::string full = State();
    ASSERT_EQ(QApplication::focusWidget(), ui->txtVoprosOtvet);
    // Typing in the clue box: Ctrl+Z takes the typing back, the crossword stays.
    TypeText(ui->txtVoprosOtvet, QStringLiteral("abc"));
    QTest::keyClick(ui->txtVoprosOtvet, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(ui->txtVoprosOtvet->text(), QStringLiteral("abc"));
    EXPECT_EQ(State(), full);
    while (ui->txtVoprosOtvet->isUndoAvailable())
        QTest::keyClick(ui->txtVoprosOtvet, Qt::Key_Z, Qt::ControlModifier);
    // Nothing typed to undo: Ctrl+Z undoes 2 down, which is selected again with its clue in the box.
    QTest::keyClick(ui->txtVoprosOtvet, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Doc().ClueTexts.Answer(2, 1).empty());
    EXPECT_EQ(Doc().CurNumber, 2);
    EXPECT_EQ(Doc().CurDirection, 1);
    EXPECT_EQ(ui->txtVoprosOtvet->text(), QString());
    EXPECT_EQ(CellPixel(2, 1, 1, 10), SelectionColor);
    // Both redo keys.
    QTest::keyClick(ui->txtVoprosOtvet, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(State(), full);
    QTest::keyClick(ui->txtVoprosOtvet, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(ui->txtVoprosOtvet, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(State(), full);
    // While drawing the field has the focus, and the keys reach the window as well.
    Plan({Answer::No}); // the crossword is not saved
    NewCrossword(3, 3);
    ChooseSymmetry(FieldGeometry::Symmetry::None);
    ClickCell(2, 2);
    ui->picPole->setFocus();
    QTest::keyClick(ui->picPole, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(State(), "2 ... ... ...");
    EXPECT_EQ(CellPixel(2, 2, 15, 15), Colors::White);
}

TEST_F(AuthoringAidsTest, AFillOfManyAnswersIsOneUndoStep) {
    Start();
    action("OptionsClueOverview")->trigger();
    Author(kRing);
    EnterWord(1, 0, QStringLiteral("Мурлыка"), QStringLiteral("кот"));
    const std::string typed = State();
    const int32_t selected = Doc().CurNumber, selectedDir = Doc().CurDirection;
    const size_t steps = static_cast<size_t>(form->History().count());
    // 1 down agrees with КОТ; 2 down would put Р where КОТ has Т and is skipped; 3 across agrees with 1 down
    // once that is stored.
    const std::vector<AddSlovoM::AnswerToStore> fill = {
        {1, 1, cp("Морской великан"), cp("кит")},
        {2, 1, cp("Пол"), cp("РОК")},
        {3, 0, cp("Часы говорят"), cp("тик")},
    };
    EXPECT_EQ(AddSlovoM::StoreAnswers(*form, fill), 2);
    const std::string filled =
        typed.substr(0, typed.find(" Тест")) + " 1d=КИТ:Морской великан 3a=ТИК:Часы говорят Тест/";
    EXPECT_EQ(State(), filled);
    EXPECT_EQ(static_cast<size_t>(form->History().count()), steps + 1);
    EXPECT_EQ(Doc().CurNumber, selected); // the selection stays
    EXPECT_EQ(Doc().CurDirection, selectedDir);
    EXPECT_EQ(ClueRow(3, 0, ClueOverviewModel::AnswerColumn), QStringLiteral("ТИК"));
    ExpectFieldShowsState("filled");

    action("EditUndo")->trigger();
    EXPECT_EQ(State(), typed);
    ExpectFieldShowsState("fill undone");
    EXPECT_EQ(ClueRow(3, 0, ClueOverviewModel::AnswerColumn), Tr(AuthoringTexts::NoAnswerMark));
    action("EditRedo")->trigger();
    EXPECT_EQ(State(), filled);
    ExpectFieldShowsState("fill redone");
    // A fill that stores nothing leaves the history alone.
    EXPECT_EQ(AddSlovoM::StoreAnswers(*form, {{2, 1, {}, cp("РОК")}}), 0);
    EXPECT_EQ(static_cast<size_t>(form->History().count()), steps + 1);
}

TEST_F(AuthoringAidsTest, EditingTheGridKeepsRenumbersAndDropsWords) {
    Start();
    // 1 2 3 4     after blocking (1, 0):   1 # 2 3
    // 5 . . .                              4 5 . .
    // 6 . # #                              6 . # #
    Author({"....", "....", "..##"});
    EnterWord(1, 1, QStringLiteral("Морской"), QStringLiteral("кит"));
    EnterWord(3, 1, QStringLiteral("Вздох"), QStringLiteral("ох"));
    EnterWord(5, 0, QStringLiteral("Набор букв"), QStringLiteral("ивха"));
    EnterWord(1, 0, QStringLiteral("Пряность"), QStringLiteral("кроп"));
    ASSERT_EQ(State(), "3 [7] 1a=КРОП:Пряность 1d=КИТ:Морской 3d=ОХ:Вздох 5a=ИВХА:Набор букв Тест/");
    Shot("edit-before");

    action("EditGrid")->trigger();
    EXPECT_EQ(State(), "2 .... .... ..##");
    EXPECT_TRUE(ui->kReshotkaGotova->isVisible());
    EXPECT_EQ(form->windowTitle(), Q(Lang().LangAppTitle + " " + Lang().LangModeNewGrid));
    ExpectFieldShowsState("back to drawing");
    ExpectNumber(0, 0, 1);
    ExpectNumber(0, 2, 6);
    ChooseSymmetry(FieldGeometry::Symmetry::None);
    ClickCell(1, 0);
    ExpectNumber(2, 0, 2);
    ExpectNumber(1, 1, 5);
    Shot("edit-drawing");

    // The word that goes is named first; No keeps drawing.
    messages.clear();
    Plan({Answer::Yes, Answer::No});
    QTest::mouseClick(ui->kReshotkaGotova, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 2u); // grid ready, then the words that go
    const QString question = messages[1].text;
    EXPECT_TRUE(question.startsWith(Tr(AuthoringTexts::DroppedWordsHead))) << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("Пряность"))) << question.toStdString();
    EXPECT_TRUE(question.contains(QStringLiteral("КРОП")));
    EXPECT_FALSE(question.contains(QStringLiteral("КИТ")));
    EXPECT_EQ(messages[1].style, MsgBoxM::Style::Confirm);
    EXPECT_EQ(Doc().AppMode, Mode::NewGrid);
    EXPECT_TRUE(Doc().EditingGrid);

    Plan({Answer::Yes, Answer::Yes});
    QTest::mouseClick(ui->kReshotkaGotova, Qt::LeftButton);
    EXPECT_EQ(State(), "3 [7] 1d=КИТ:Морской 2d=ОХ:Вздох 4a=ИВХА:Набор букв Тест/");
    ExpectFieldShowsState("numbered again");
    EXPECT_TRUE(Doc().Modified);
    // The kept letters are in their cells, and the first word without an answer is selected.
    EXPECT_EQ(Doc().GridLayers.Get(3, 1, Layer::Letter), Cp1251::Code(cp("А")[0]));
    EXPECT_EQ(Doc().CurNumber, 2);
    EXPECT_EQ(Doc().CurDirection, 0);
    Shot("edit-numbered");

    // A grid that would drop nothing asks nothing more than grid ready itself.
    action("EditGrid")->trigger();
    messages.clear();
    GridReady();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(State(), "3 [7] 1d=КИТ:Морской 2d=ОХ:Вздох 4a=ИВХА:Набор букв Тест/");
}

TEST_F(AuthoringAidsTest, HalfTurnAndMirrorOnSquareAndOblongGrids) {
    Start();
    using FieldGeometry::Symmetry;
    struct Case {
        int w, h, c, r;
        Symmetry kind;
        std::vector<std::string> rows;
    } cases[] = {
        {5, 5, 0, 1, Symmetry::HalfTurn, {".....", "#....", ".....", "....#", "....."}},
        {5, 5, 2, 2, Symmetry::HalfTurn, {".....", ".....", "..#..", ".....", "....."}},
        {6, 3, 1, 0, Symmetry::HalfTurn, {".#....", "......", "....#."}},
        {3, 6, 0, 4, Symmetry::HalfTurn, {"...", "..#", "...", "...", "#..", "..."}},
        {5, 5, 0, 1, Symmetry::Mirror, {".#.#.", "#...#", ".....", "#...#", ".#.#."}},
        {6, 3, 1, 0, Symmetry::Mirror, {".#..#.", "#.#...", ".#..#."}},
        {6, 3, 1, 0, Symmetry::None, {".#....", "......", "......"}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.w << "x" << k.h << " click " << k.c << "," << k.r << " kind "
                                        << static_cast<int>(k.kind));
        NewCrossword(k.w, k.h); // the last case took its cells back: New asks nothing
        ChooseSymmetry(k.kind);
        EXPECT_EQ(form->SymmetryInForce(), k.kind);
        EXPECT_EQ(symmetryKind()->isEnabled(), k.kind != Symmetry::None);
        ClickCell(k.c, k.r);
        std::string expected = "2";
        for (const auto& row : k.rows)
            expected += " " + row;
        EXPECT_EQ(State(), expected);
        ExpectFieldShowsState("clicked");
        // A second click takes the whole set back.
        ClickCell(k.c, k.r);
        EXPECT_EQ(State().find('#'), std::string::npos);
    }
    EXPECT_TRUE(symmetryKind()->isVisible());
    Shot("symmetry-drawing");
}

TEST_F(AuthoringAidsTest, TheSymmetryChoiceIsKeptInTheSettings) {
    Start();
    NewCrossword(4, 4);
    ChooseSymmetry(FieldGeometry::Symmetry::HalfTurn);
    EXPECT_EQ(Opt().Symmetry, SymmetryChoice::HalfTurn);
    form->close(); // nothing drawn: closing asks nothing
    QApplication::processEvents();
    form = nullptr;
    const std::string settings = ReadFile(AppDir() + "Gridmora Int.ini");
    const auto lines = TextFile::SplitLines(settings); // views into settings
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[11], " 2 ");

    Start();
    EXPECT_TRUE(ui->ChSimmetrija->isChecked());
    EXPECT_EQ(symmetryKind()->currentIndex(), 1);
    EXPECT_EQ(form->SymmetryInForce(), FieldGeometry::Symmetry::HalfTurn);
    EXPECT_FALSE(symmetryKind()->isVisible()); // shown only while a grid is drawn
    ui->ChSimmetrija->setChecked(false);
    EXPECT_EQ(Opt().Symmetry, SymmetryChoice::None);
    EXPECT_FALSE(symmetryKind()->isEnabled());
}

TEST_F(AuthoringAidsTest, TheNumbersTheGridWouldGetAreShownWhileDrawing) {
    Start();
    NewCrossword(4, 3);
    // All open: 1 2 3 4 / 5 . . . / 6 . . .
    ExpectNumber(0, 0, 1);
    ExpectNumber(3, 0, 4);
    ExpectNumber(0, 2, 6);
    ExpectNumber(1, 1, 0);
    ChooseSymmetry(FieldGeometry::Symmetry::None);
    ClickCell(1, 0);
    // 1 # 2 3 / 4 5 . . / 6 . . .
    EXPECT_EQ(CellPixel(1, 0, 15, 15), Colors::Green);
    ExpectNumber(0, 0, 1);
    ExpectNumber(2, 0, 2);
    ExpectNumber(3, 0, 3);
    ExpectNumber(0, 1, 4);
    ExpectNumber(1, 1, 5);
    ExpectNumber(0, 2, 6);
    // Undone: the numbers follow.
    action("EditUndo")->trigger();
    ExpectNumber(1, 0, 2);
    ExpectNumber(1, 1, 0);
    ExpectNumber(0, 1, 5);
    // Two-digit numbers.
    NewCrossword(12, 2);
    ExpectNumber(11, 0, 12);
    ExpectNumber(0, 1, 13);
    Shot("live-numbers");
}

TEST_F(AuthoringAidsTest, NewAsksBeforeADrawingIsLost) {
    Start();
    int opened = 0;
    auto countDialog = [&] {
        OnModal<frmRazmer>([&opened](frmRazmer& d) {
            ++opened;
            d.reject();
        });
    };
    NewCrossword(3, 3);
    // Nothing drawn yet: no question.
    countDialog();
    ui->KrossNew->trigger();
    Activate();
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(messages.empty());
    ClickCell(0, 0);
    // No keeps the drawing, and no dialog opens.
    Plan({Answer::No});
    ui->KrossNew->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Tr(AuthoringTexts::DiscardDrawnGrid));
    EXPECT_EQ(messages[0].style, MsgBoxM::Style::Confirm);
    EXPECT_EQ(Doc().Cell(0, 0), 1);
    QApplication::processEvents();
    EXPECT_EQ(opened, 1);
    // Opening a crossword or an answers file asks the same; No keeps the drawing without a file dialog.
    for (QAction* open : {ui->KrossOpen, ui->FileOpenOtvet}) {
        messages.clear();
        Plan({Answer::No});
        open->trigger();
        ASSERT_EQ(messages.size(), 1u) << open->objectName().toStdString();
        EXPECT_EQ(messages[0].text, Tr(AuthoringTexts::DiscardDrawnGrid));
        EXPECT_EQ(Doc().AppMode, Mode::NewGrid);
        EXPECT_EQ(Doc().Cell(0, 0), 1);
    }
    // Yes goes on to the size dialog.
    Plan({Answer::Yes});
    countDialog();
    ui->KrossNew->trigger();
    Activate();
    EXPECT_EQ(opened, 2);
    // Closing while a new grid is drawn asks nothing.
    messages.clear();
    form->close();
    QApplication::processEvents();
    form = nullptr;
    EXPECT_TRUE(messages.empty());
}

TEST_F(AuthoringAidsTest, ClosingWhileTheGridOfAnUnsavedCrosswordIsEditedAsks) {
    Start();
    AuthorRing();
    action("EditGrid")->trigger();
    ASSERT_TRUE(Doc().Modified);
    Plan({Answer::No});
    form->close();
    QApplication::processEvents();
    ASSERT_EQ(messages.size(), 2u); // grid ready, then the question
    EXPECT_EQ(messages[1].text, Tr(AuthoringTexts::DiscardDrawnGrid));
    EXPECT_TRUE(form->isVisible());
    // Saved, the same drawing closes without a question.
    action("EditUndo")->trigger();
    SaveAs(AppDir() + "ring.krw");
    action("EditGrid")->trigger();
    EXPECT_FALSE(Doc().Modified);
    form->close();
    QApplication::processEvents();
    form = nullptr;
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(AuthoringAidsTest, ClosingAfterAChangeToTheGridOfASavedCrosswordAsks) {
    Start();
    AuthorRing();
    SaveAs(AppDir() + "ring.krw");
    action("EditGrid")->trigger();
    ASSERT_FALSE(Doc().Modified);
    const size_t before = messages.size();
    ClickCell(1, 1);
    EXPECT_TRUE(Doc().Modified);
    Plan({Answer::No});
    form->close();
    QApplication::processEvents();
    ASSERT_EQ(messages.size(), before + 1);
    EXPECT_EQ(messages.back().text, Tr(AuthoringTexts::DiscardDrawnGrid));
    EXPECT_TRUE(form->isVisible());
    // Clear field changes the grid as well.
    action("EditUndo")->trigger();
    Doc().Modified = false;
    Plan({Answer::Yes}); // clear the field?
    ui->kClearPole->click();
    EXPECT_TRUE(Doc().Modified);
    Plan({Answer::Yes});
    form->close();
    QApplication::processEvents();
    form = nullptr;
    ASSERT_EQ(messages.size(), before + 3);
    EXPECT_EQ(messages.back().text, Tr(AuthoringTexts::DiscardDrawnGrid));
}

TEST_F(AuthoringAidsTest, TheClueOverviewHasRoomForLongNumbers) {
    Start();
    action("OptionsClueOverview")->trigger();
    Author(std::vector<std::string>(6, "......")); // across 1, 7..11; down 1..6
    QTreeView* view = clueList();
    const QModelIndex eleven =
        view->model()->index(5, ClueOverviewModel::NumberColumn, view->model()->index(0, 0));
    ASSERT_EQ(eleven.data().toInt(), 11);
    // The words are indented under their group; what is left of the column holds seven digits.
    EXPECT_GE(view->visualRect(eleven).width(),
              view->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
}

TEST_F(AuthoringAidsTest, TheClueOverviewShowsMarkupInACluesAsItsCharacters) {
    Start();
    action("OptionsClueOverview")->trigger();
    Author(kRing);
    const QString clue = QStringLiteral("<b>Мур</b> &amp; <img src=\"x\">");
    EnterWord(1, 0, clue, QStringLiteral("кот"));
    EXPECT_EQ(ClueRow(1, 0, ClueOverviewModel::ClueColumn), clue);
    QTreeView* view = clueList();
    const QModelIndex group = view->model()->index(0, 0);
    QTextDocument tip;
    tip.setHtml(
        view->model()->index(0, ClueOverviewModel::ClueColumn, group).data(Qt::ToolTipRole).toString());
    EXPECT_EQ(tip.toPlainText(), clue);
}

TEST_F(AuthoringAidsTest, TheClueOverviewFollowsEntriesClicksAndSolving) {
    Start();
    action("OptionsClueOverview")->trigger();
    auto* dock = ui->find<QDockWidget>("dockClues");
    EXPECT_TRUE(dock->isVisible());
    EXPECT_TRUE(action("OptionsClueOverview")->isChecked());
    EXPECT_EQ(clueList()->model()->rowCount(), 0); // no crossword yet
    Author(kRing);
    auto* model = clueList()->model();
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->index(0, 0).data().toString(), Tr(AuthoringTexts::AcrossGroup));
    EXPECT_EQ(model->rowCount(model->index(0, 0)), 2); // 1 and 3 across
    EXPECT_EQ(model->rowCount(model->index(1, 0)), 2); // 1 and 2 down
    EXPECT_EQ(ClueRow(3, 0, ClueOverviewModel::LengthColumn), QStringLiteral("3"));
    EXPECT_EQ(ClueRow(1, 0, ClueOverviewModel::AnswerColumn), Tr(AuthoringTexts::NoAnswerMark));

    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Мурлыка"));
    TypeEnter(ui->txtOtvet, QStringLiteral("кот"));
    EXPECT_EQ(ClueRow(1, 0, ClueOverviewModel::ClueColumn), QStringLiteral("Мурлыка"));
    EXPECT_EQ(ClueRow(1, 0, ClueOverviewModel::AnswerColumn), QStringLiteral("КОТ"));
    // The selected word (1 down, chosen by the program) is the current entry.
    EXPECT_EQ(clueList()->currentIndex().data().toInt(), 1);
    EXPECT_EQ(clueList()->currentIndex().parent().row(), 1);

    // A click selects the word as a click on the field would.
    ClickClueRow(3, 0);
    EXPECT_EQ(Doc().CurNumber, 3);
    EXPECT_EQ(Doc().CurDirection, 0);
    EXPECT_EQ(CellPixel(1, 2, 1, 10), SelectionColor);
    EXPECT_EQ(CellPixel(1, 0, 1, 10), CellColor);
    EXPECT_EQ(QApplication::focusWidget(), ui->txtVoprosOtvet);
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Часы"));
    TypeEnter(ui->txtOtvet, QStringLiteral("тик"));
    EXPECT_EQ(ClueRow(3, 0, ClueOverviewModel::AnswerColumn), QStringLiteral("ТИК"));
    // Undo shows the entry gone again.
    action("EditUndo")->trigger();
    EXPECT_EQ(ClueRow(3, 0, ClueOverviewModel::AnswerColumn), Tr(AuthoringTexts::NoAnswerMark));
    action("EditRedo")->trigger();
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Великан"));
    TypeEnter(ui->txtOtvet, QStringLiteral("кит"));
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Ток"));
    TypeEnter(ui->txtOtvet, QStringLiteral("ток"));
    Shot("clues-authoring");

    // Solving: the clues, never an answer before it is solved.
    SaveAs(AppDir() + "ring.krw");
    Open(AppDir() + "ring.krw");
    ASSERT_EQ(Doc().AppMode, Mode::Solve);
    EXPECT_FALSE(action("EditUndo")->isEnabled());
    for (auto [n, d] : {std::pair{1, 0}, {3, 0}, {1, 1}, {2, 1}})
        EXPECT_EQ(ClueRow(n, d, ClueOverviewModel::AnswerColumn), QString()) << n << "," << d;
    EXPECT_EQ(ClueRow(2, 1, ClueOverviewModel::ClueColumn), QStringLiteral("Ток"));
    TypeEnter(ui->txtOtvet, QStringLiteral("кот")); // 1 across is shown at the start
    EXPECT_EQ(ClueRow(1, 0, ClueOverviewModel::AnswerColumn), QStringLiteral("КОТ"));
    EXPECT_EQ(ClueRow(3, 0, ClueOverviewModel::AnswerColumn), QString());
    // A click on 2 down shows the clues through its first cell, as a click there would.
    ClickClueRow(2, 1);
    EXPECT_EQ(Doc().CurDownNumber, 2);
    EXPECT_EQ(ui->lblVopros[1]->text(), QStringLiteral("Ток"));
    EXPECT_EQ(CellPixel(2, 1, 1, 10), SelectionColor);
    // A solved word cannot be chosen: nothing changes, and the list marks no entry.
    ClickClueRow(1, 0);
    EXPECT_EQ(Doc().CurDownNumber, 2);
    EXPECT_FALSE(clueList()->currentIndex().isValid());
    Shot("clues-solving");
}

} // namespace

namespace {

// The letter after each single "&" of the captions (upper-cased), for the mnemonic checks.
QStringList mnemonics(const QStringList& captions) {
    QStringList keys;
    for (const QString& c : captions) {
        for (int i = 0; i + 1 < c.size(); ++i) {
            if (c[i] != QLatin1Char('&')) continue;
            if (c[i + 1] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            keys << c[i + 1].toUpper();
            break;
        }
    }
    return keys;
}

QStringList texts(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions)
        if (!a->isSeparator()) out << a->text();
    return out;
}

TEST_F(AuthoringAidsTest, TheNewCaptionsComeFromTheLanguageFileWithUniqueKeys) {
    // Russian first, then English, then a file written before these texts existed.
    const std::string dir = AppDir() + "Language/";
    std::string old;
    const std::string english = ReadFile(dir + "English.txt");
    for (const auto& line : TextFile::SplitLines(english)) {
        const int index = std::atoi(std::string(line).c_str());
        if (index < AuthoringTexts::EditMenu || index > 149) old += std::string(line) + "\r\n";
    }
    WriteFile(dir + "Old.txt", old);
    for (const char* language : {"Russian.txt", "English.txt", "Old.txt"}) {
        SCOPED_TRACE(language);
        WriteFile(AppDir() + "Gridmora Int.ini", std::string("6.5\r\n") + language + "\r\n");
        Start();
        ASSERT_EQ(Opt().LanguageFile, language);
        auto* edit = ui->find<QMenu>("Edit");
        EXPECT_EQ(edit->title(), Tr(AuthoringTexts::EditMenu));
        EXPECT_EQ(action("EditUndo")->text(), Tr(AuthoringTexts::Undo));
        EXPECT_EQ(action("EditRedo")->text(), Tr(AuthoringTexts::Redo));
        EXPECT_EQ(action("EditGrid")->text(), Tr(AuthoringTexts::EditGrid));
        EXPECT_EQ(action("OptionsClueOverview")->text(), Tr(AuthoringTexts::ClueOverview));
        EXPECT_EQ(symmetryKind()->itemText(1), Tr(AuthoringTexts::SymmetryHalfTurn));
        if (std::string(language) == "Old.txt") {
            EXPECT_EQ(edit->title(), QStringLiteral("&Edit")); // the built-in English text
            EXPECT_EQ(symmetryKind()->itemText(1), QStringLiteral("half turn (180°)"));
        }
        // Every key opens one thing: the menus of the bar, and the items of each menu the texts touch.
        QStringList bar;
        for (QMenu* m : {ui->File, edit, ui->Kross, ui->Options, ui->Help})
            bar << m->title();
        for (const QStringList& group : {bar, texts(edit->actions()), texts(ui->Options->actions())}) {
            const QStringList keys = mnemonics(group);
            EXPECT_EQ(keys.size(), static_cast<qsizetype>(QSet<QString>(keys.begin(), keys.end()).size()))
                << group.join(" | ").toStdString();
        }
        form->close();
        QApplication::processEvents();
        form = nullptr;
    }
}

} // namespace
