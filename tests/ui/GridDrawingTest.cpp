// A new crossword: the size dialog, drawing the grid, clearing it and numbering its words.
#include "GridHelpers.h"
#include "document/GridLimits.h"
#include "grid/PoleMouseUpMUi.h"

namespace {

class GridDrawingTest : public GridWindowTest {};

using MsgBoxM::Answer;

TEST_F(GridDrawingTest, SizeDialogTakesDigitsOnlyAndEnablesOkWhenComplete) {
    Start();
    OnModal<frmRazmer>([](frmRazmer& d) {
        EXPECT_FALSE(d.kOK->isEnabled());
        QTest::keyClicks(d.txtX, "1a-2 ");
        EXPECT_EQ(d.txtX->text(), "12");
        QTest::keyClick(d.txtX, Qt::Key_Backspace);
        EXPECT_EQ(d.txtX->text(), "1");
        QTest::keyClicks(d.txtY, "0");
        d.txtNameKross->setText("Имя");
        EXPECT_FALSE(d.kOK->isEnabled()); // a size of 0
        d.txtY->setText("7");
        EXPECT_TRUE(d.kOK->isEnabled());
        d.txtNameKross->setText("");
        EXPECT_FALSE(d.kOK->isEnabled());
        d.txtNameKross->setText("Имя");
        EXPECT_TRUE(d.kOK->isDefault());
        QTest::keyClick(d.txtX, Qt::Key_Escape); // Escape changes nothing
    });
    ui->KrossNew->trigger();
    EXPECT_EQ(Doc().AppMode, 0);
    EXPECT_EQ(Doc().GridWidth, 0);
    EXPECT_EQ(form->windowTitle(), Q(Lang().MsgTitle));
}

TEST_F(GridDrawingTest, NewCrosswordDrawsTheEmptyField) {
    Start();
    Doc().KrossFile = "/old.krw";
    NewCrossword(4, 3, QStringLiteral("Сад и огород"));
    const auto& d = Doc();
    EXPECT_EQ(d.AppMode, 2);
    EXPECT_EQ(d.GridWidth, 4);
    EXPECT_EQ(d.GridHeight, 3);
    EXPECT_EQ(d.KrossName, cp("Сад и огород"));
    EXPECT_TRUE(d.KrossFile.empty());
    EXPECT_FALSE(d.Modified);
    EXPECT_EQ(d.GridLayers.Ubound0(), 4);
    EXPECT_EQ(d.GridLayers.Ubound1(), 3);
    EXPECT_EQ(form->windowTitle(), Q(Lang().LangAppTitle + " " + Lang().LangModeNewGrid));
    EXPECT_TRUE(ui->kReshotkaGotova->isVisible());
    EXPECT_TRUE(ui->ChSimmetrija->isVisible());
    EXPECT_EQ(ui->picPole->size(), QSize(4 * 20 + 15, 3 * 20 + 15));
    // Open cells are white; the corner of a cell that would start a word shows its number.
    EXPECT_EQ(CellPixel(0, 0, 15, 15), Colors::White);
    EXPECT_EQ(CellPixel(0, 0, 4, 2), Colors::Black); // the top of the "1"
    EXPECT_EQ(CellPixel(3, 2, 18, 18), Colors::White);
    // Grid lines: vertical at x = 5 + c*20, horizontal at y = 5 + r*20, corner closed.
    EXPECT_EQ(FieldPixel(5, 30), Colors::Black);
    EXPECT_EQ(FieldPixel(45, 12), Colors::Black);
    EXPECT_EQ(FieldPixel(30, 25), Colors::Black);
    EXPECT_EQ(FieldPixel(85, 65), Colors::Black); // bottom-right corner
    EXPECT_NE(FieldPixel(86, 65), Colors::Black);
    EXPECT_NE(FieldPixel(3, 3), Colors::White); // the margin is background
}

TEST_F(GridDrawingTest, TooLargeGridIsRefusedAndChangesNothing) {
    Start();
    // At most 4,194,304 cells, and a field of at most 2^24 - 1 pixels a side: at 20-pixel cells 838,860
    // columns (838,860 x 20 + 15 = 16,777,215).
    struct Limit {
        int64_t w, h, cellSize;
        bool fits;
    } limits[] = {
        {2048, 2048, 20, true}, {2049, 2048, 20, false}, {838860, 5, 20, true},  {838861, 1, 20, false},
        {5, 838860, 20, true},  {1, 838861, 20, false},  {1, 1, 16777200, true}, {1, 1, 16777201, false},
        {4194304, 1, 1, true},  {4194305, 1, 1, false},  {1, 1, 0, false},       {0, 5, 20, false},
    };
    for (const auto& l : limits)
        EXPECT_EQ(GridLimits::GridFits(l.w, l.h, l.cellSize), l.fits)
            << l.w << "x" << l.h << " at " << l.cellSize;
    Plan({Answer::Ok, Answer::Ok});
    OnModal<frmRazmer>([](frmRazmer& d) {
        d.txtNameKross->setText("x");
        for (const char* w : {"2049", "838861"}) {
            d.txtX->setText(w);
            d.txtY->setText(std::string(w) == "2049" ? "2048" : "1");
            QTest::mouseClick(d.kOK, Qt::LeftButton);
            EXPECT_TRUE(d.isVisible()) << w; // refused: the dialog stays for another size
        }
        d.txtX->setText("99999999999999");
        d.reject();
    });
    ui->KrossNew->trigger();
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages) {
        EXPECT_EQ(m.style, MsgBoxM::Style::Critical);
        EXPECT_EQ(m.text, Caption(LangIndex::GridTooLargeMsg));
    }
    EXPECT_EQ(Doc().AppMode, 0);
    messages.clear();
    // A grid no single picture could hold before: 1000 x 1000 cells of 20 pixels.
    NewCrossword(1000, 1000);
    EXPECT_EQ(Doc().AppMode, 2);
    EXPECT_EQ(ui->picPole->size(), QSize(1000 * 20 + 15, 1000 * 20 + 15));
    EXPECT_EQ(CellPixel(999, 999, 10, 10), Colors::White);
    EXPECT_EQ(FieldPixel(5 + 1000 * 20, 5 + 1000 * 20), Colors::Black);
}

TEST_F(GridDrawingTest, ClicksToggleCellsWithMirrorSymmetry) {
    Start();
    struct Case {
        int w, h, c, r;
        std::vector<std::pair<int, int>> marked;
    } cases[] = {
        {15, 15, 2, 5, {{2, 5}, {2, 9}, {12, 9}, {12, 5}, {5, 12}, {9, 12}, {9, 2}, {5, 2}}},
        {15, 15, 4, 4, {{4, 4}, {4, 10}, {10, 10}, {10, 4}}},
        {10, 5, 0, 1, {{0, 1}, {0, 3}, {9, 3}, {9, 1}, {3, 0}, {1, 0}}},
        {1, 1, 0, 0, {{0, 0}}},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.w << "x" << k.h << " click " << k.c << "," << k.r);
        if (Doc().AppMode == 2) Plan({Answer::Yes}); // New asks before the marked grid goes
        NewCrossword(k.w, k.h);
        ui->ChSimmetrija->setChecked(true);
        ClickCell(k.c, k.r);
        int count = 0;
        for (int r = 0; r < k.h; ++r)
            for (int c = 0; c < k.w; ++c) {
                const bool expected =
                    std::find(k.marked.begin(), k.marked.end(), std::pair{c, r}) != k.marked.end();
                EXPECT_EQ(Doc().Cell(c, r), expected ? 1 : 0) << c << "," << r;
                EXPECT_EQ(CellPixel(c, r, 15, 15), expected ? Colors::Green : Colors::White) << c << "," << r;
                count += Doc().Cell(c, r);
            }
        EXPECT_EQ(count, static_cast<int>(k.marked.size()));
        // Nothing beyond the grid: the spare column and row stay 0.
        for (int c = 0; c <= k.w; ++c)
            EXPECT_EQ(Doc().Cell(c, k.h), 0);
    }
    // Green to white for all mirror images, even one that was white already.
    Plan({Answer::Yes});
    NewCrossword(15, 15);
    ui->ChSimmetrija->setChecked(false);
    ClickCell(2, 5);
    ClickCell(12, 9);
    ui->ChSimmetrija->setChecked(true);
    ClickCell(2, 5);
    for (auto [c, r] : {std::pair{2, 5}, {2, 9}, {12, 9}, {12, 5}, {5, 12}, {9, 12}, {9, 2}, {5, 2}}) {
        EXPECT_EQ(Doc().Cell(c, r), 0);
        EXPECT_EQ(CellPixel(c, r, 15, 15), Colors::White);
    }
}

TEST_F(GridDrawingTest, ClickBoundariesAndPointerCoordinates) {
    Start();
    NewCrossword(3, 2);
    PoleMouseUpM::FieldClick(*form, 4.9, 10);
    EXPECT_EQ(Doc().Cell(0, 0), 0);
    PoleMouseUpM::FieldClick(*form, 5, 10);
    EXPECT_EQ(Doc().Cell(0, 0), 1);
    PoleMouseUpM::FieldClick(*form, 3 * 20 + 5, 10); // one past the last column
    EXPECT_EQ(Doc().Cell(2, 0) + Doc().Cell(3, 0), 0);
    // A release without a press on the field does nothing.
    QTest::mouseRelease(ui->picPole, Qt::LeftButton, Qt::NoModifier, QPoint(30, 30));
    EXPECT_EQ(Doc().Cell(1, 1), 0);

    QTest::mouseMove(ui->picPole, QPoint(5 + 2 * 20 + 3, 5 + 1 * 20 + 3));
    EXPECT_EQ(ui->lblKoordinaty->text(), Q(Lang().LangCoordinates) + " 3,2");
    QTest::mouseMove(ui->picPole, QPoint(3 * 20 + 8, 12)); // right margin
    EXPECT_EQ(ui->lblKoordinaty->text(), Q(Lang().LangCoordinates) + " 0,1");
}

TEST_F(GridDrawingTest, ClearAsksAndOpensEveryCell) {
    Start();
    NewCrossword(4, 4);
    ClickCell(1, 1);
    ClickCell(2, 3);
    Plan({Answer::No});
    QTest::mouseClick(ui->kClearPole, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Plain(ui->kClearPole->text()) + "?");
    EXPECT_EQ(messages[0].style, MsgBoxM::Style::Confirm);
    EXPECT_EQ(Doc().Cell(1, 1), 1);
    Plan({Answer::Yes});
    QTest::mouseClick(ui->kClearPole, Qt::LeftButton);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            EXPECT_EQ(Doc().Cell(c, r), 0);
            EXPECT_EQ(CellPixel(c, r, 15, 15), Colors::White);
        }
}

TEST_F(GridDrawingTest, GridReadyNumbersTheWordsAndEntersAuthoring) {
    Start();
    NewCrossword(3, 2);
    Plan({Answer::No});
    QTest::mouseClick(ui->kReshotkaGotova, Qt::LeftButton);
    EXPECT_EQ(Doc().AppMode, 2);
    EXPECT_EQ(messages.back().text, Plain(ui->kReshotkaGotova->text()) + "?");
    GridReady();
    const auto& d = Doc();
    EXPECT_EQ(d.AppMode, 3);
    EXPECT_EQ(d.NumberCount, 4);
    EXPECT_EQ(d.WordCount, 5);
    EXPECT_TRUE(d.Modified);
    EXPECT_EQ(form->windowTitle(), Q(Lang().LangAppTitle + " " + Lang().LangModeAuthoring));
    EXPECT_EQ(ui->lblSlov->text(), Q(Lang().LangWordsLabel) + " 5");
    EXPECT_EQ(ui->lblVoprosOtvet->text(), Q(Lang().LangAuthorPrompt));
    EXPECT_TRUE(ui->txtVoprosOtvet->isVisible());
    EXPECT_EQ(ui->txtOtvet->y(), 458);
    EXPECT_EQ(d.CurNumber, 1);
    EXPECT_EQ(d.CurDirection, 0);
}

TEST_F(GridDrawingTest, BareGridAndGridWithoutWords) {
    Start();
    NewCrossword(3, 3, QStringLiteral("Голый"), true);
    DrawGrid({"...", "##.", "#.#"});
    GridReady();
    EXPECT_EQ(Doc().AppMode, 8);
    EXPECT_EQ(Doc().CurNumber, 0);
    EXPECT_EQ(form->windowTitle(), Plain(ui->Kross->title()) + ": \"Голый\" (" + Q(Lang().LangText[4]) + ")");

    Plan({Answer::No}); // the bare grid is not saved
    NewCrossword(3, 3);
    DrawGrid({".#.", "#.#", ".#."});
    Plan({Answer::Yes, Answer::Ok});
    QTest::mouseClick(ui->kReshotkaGotova, Qt::LeftButton);
    ASSERT_EQ(messages.size(), 4u); // grid ready, save question, grid ready, no words
    EXPECT_EQ(messages[1].style, MsgBoxM::Style::SaveQuestion);
    EXPECT_EQ(messages[3].text, Q(Lang().LangNoWordsMsg));
    EXPECT_EQ(messages[3].style, MsgBoxM::Style::Critical);
    EXPECT_EQ(Doc().AppMode, 2);
    EXPECT_TRUE(ui->kReshotkaGotova->isVisible());
    ClickCell(1, 0); // still editable
    EXPECT_EQ(Doc().Cell(1, 0), 0);
}

} // namespace
