// Authoring through the window: the numbered grid on screen, clues and answers, selection by clicks.
#include <QPaintEvent>

#include "GridHelpers.h"
#include "basics/Cp1251.h"
#include "display/DigitGlyphs.h"
#include "display/NewFontMUi.h"
#include "grid/LoadReshotkiMUi.h"

namespace {

class AuthoringTest : public GridWindowTest {};

using MsgBoxM::Answer;

// A ring: 1 across and 1 down from the corner, 2 down on the right, 3 across at the bottom.
const std::vector<std::string> kRing = {"...", ".#.", "..."};

int code(const char* utf8) {
    return Cp1251::Code((*Cp1251::FromUtf8(utf8))[0]);
}

TEST_F(AuthoringTest, TheNumberedGridShowsTheFirstWordSelected) {
    Start();
    Author(kRing);
    const auto& d = Doc();
    EXPECT_EQ(d.NumberCount, 3);
    EXPECT_EQ(ui->picPole->size(), QSize(3 * 20 + 10, 3 * 20 + 10));
    ASSERT_EQ(d.CurNumber, 1);
    EXPECT_EQ(d.CurDirection, 0);
    EXPECT_EQ(QApplication::focusWidget(), ui->txtVoprosOtvet);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(CellPixel(c, 0, 10, 3), SelectionColor) << c;
    EXPECT_EQ(CellPixel(0, 1, 1, 10), CellColor);
    EXPECT_EQ(CellPixel(1, 1, 1, 10), Colors::FieldBack); // a blocked cell is simply background
    // Outlines are black, shared by neighbouring cells.
    EXPECT_EQ(FieldPixel(5 + 20, 5 + 30), Colors::Black);
    // Number 1 in a yellow cell comes from the yellow half of the strip, number 3 in a white cell from
    // the white half; "1" starts "..#.." and "3" starts ".###.".
    EXPECT_EQ(CellPixel(0, 0, 2, 2), SelectionColor);
    EXPECT_EQ(CellPixel(0, 0, 4, 2), Colors::Black);
    EXPECT_EQ(CellPixel(0, 2, 2, 2), CellColor);
    EXPECT_EQ(CellPixel(0, 2, 3, 2), Colors::Black);
    Shot("authoring-start");
}

TEST_F(AuthoringTest, ClueThenAnswerStoresTheWordAndMovesOn) {
    Start();
    Author(kRing);
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Домашний зверь"));
    EXPECT_TRUE(ui->txtOtvet->hasFocus()); // no answer yet: Enter moves to the answer box
    TypeEnter(ui->txtOtvet, QStringLiteral("кот"));
    const auto& d = Doc();
    EXPECT_EQ(d.ClueTexts.Clue(1, 0), cp("Домашний зверь"));
    EXPECT_EQ(d.ClueTexts.Answer(1, 0), cp("КОТ"));
    const int kot[] = {code("К"), code("О"), code("Т")};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(d.GridLayers.Get(c, 0, 3), kot[c]);
        EXPECT_EQ(d.GridLayers.Get(c, 0, 4), kot[c]);
    }
    EXPECT_TRUE(d.Modified);
    // The crossing word of the same number comes next.
    EXPECT_EQ(d.CurNumber, 1);
    EXPECT_EQ(d.CurDirection, 1);
    EXPECT_TRUE(ui->txtVoprosOtvet->text().isEmpty());
    EXPECT_TRUE(ui->txtOtvet->text().isEmpty());
    EXPECT_EQ(CellPixel(1, 0, 1, 10), CellColor);
    EXPECT_EQ(CellPixel(0, 1, 1, 10), SelectionColor);
    // The letter is drawn right-aligned, 2 pixels inside the right border.
    const int w = ui->picPole->TextWidth(QStringLiteral("О"));
    bool inked = false, leftClean = true;
    for (int y = 2; y < 19; ++y) {
        for (int x = 1; x < 18 - w - 1; ++x)
            leftClean &= CellPixel(1, 0, x, y) == CellColor;
        for (int x = 18 - w; x < 18; ++x)
            inked |= CellPixel(1, 0, x, y) != CellColor;
    }
    EXPECT_TRUE(inked);
    EXPECT_TRUE(leftClean);
    Shot("authoring-stored");

    // Next: a word whose crossing partner has an answer goes to the lowest-numbered open word.
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Дерево"));
    TypeEnter(ui->txtOtvet, QStringLiteral("клён"));
    EXPECT_TRUE(d.ClueTexts.Answer(1, 1).empty()); // wrong length: ignored without a message
    EXPECT_EQ(messages.size(), 1u);                // only the grid-ready question
    TypeEnter(ui->txtOtvet, QStringLiteral("кол"));
    EXPECT_EQ(d.ClueTexts.Answer(1, 1), cp("КОЛ"));
    EXPECT_EQ(d.CurNumber, 2);
    EXPECT_EQ(d.CurDirection, 1);
}

TEST_F(AuthoringTest, AClashingLetterIsRefusedAndSelected) {
    Start();
    Author(kRing);
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("a"));
    TypeEnter(ui->txtOtvet, QStringLiteral("кот")); // 1 across; now 1 down is selected
    ClickCell(1, 2);                                // 3 across
    ASSERT_EQ(Doc().CurNumber, 3);
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("b"));
    TypeEnter(ui->txtOtvet, QStringLiteral("дом"));
    ClickCell(0, 1); // 1 down: К at the top, Д at the bottom
    ASSERT_EQ(Doc().CurNumber, 1);
    ASSERT_EQ(Doc().CurDirection, 1);
    ui->txtVoprosOtvet->setText("c");
    Plan({Answer::Ok});
    TypeEnter(ui->txtOtvet, QStringLiteral("кит"));
    ASSERT_EQ(messages.size(), 2u); // grid ready, then the clash
    EXPECT_EQ(messages[1].text, Q(Lang().LangLetterConflict) + " Д, Т");
    EXPECT_EQ(messages[1].style, MsgBoxM::Style::Critical);
    EXPECT_EQ(ui->txtOtvet->selectionStart(), 2);
    EXPECT_EQ(ui->txtOtvet->selectedText(), QStringLiteral("т")); // the box keeps what was typed
    EXPECT_TRUE(Doc().ClueTexts.Answer(1, 1).empty());
    EXPECT_EQ(Doc().GridLayers.Get(0, 1, 3), 0);
}

TEST_F(AuthoringTest, AnEmptyAnswerRemovesTheWordButKeepsCrossingLetters) {
    Start();
    Author(kRing);
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("a"));
    TypeEnter(ui->txtOtvet, QStringLiteral("кот")); // 1 across
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("b"));
    TypeEnter(ui->txtOtvet, QStringLiteral("кол")); // 1 down
    ClickCell(1, 0);                                // back to 1 across
    ASSERT_EQ(Doc().CurNumber, 1);
    ASSERT_EQ(Doc().CurDirection, 0);
    EXPECT_EQ(ui->txtOtvet->text(), QStringLiteral("КОТ"));
    EXPECT_EQ(ui->txtVoprosOtvet->text(), QStringLiteral("a"));
    ui->txtOtvet->clear();
    TypeEnter(ui->txtOtvet, QString());
    const auto& d = Doc();
    EXPECT_TRUE(d.ClueTexts.Answer(1, 0).empty());
    EXPECT_EQ(d.GridLayers.Get(0, 0, 3), code("К")); // the down word's letter stays
    EXPECT_EQ(d.GridLayers.Get(1, 0, 3), 0);
    EXPECT_EQ(d.GridLayers.Get(2, 0, 3), 0);
    EXPECT_EQ(d.GridLayers.Get(0, 0, 4), 0);

    // A clue alone on a word without an answer stores nothing.
    ClickCell(2, 1); // 2 down, no answer
    ui->txtVoprosOtvet->setText("только вопрос");
    TypeEnter(ui->txtOtvet, QString());
    EXPECT_TRUE(d.ClueTexts.Clue(2, 1).empty());
}

TEST_F(AuthoringTest, StoringTheLastAnswerSelectsNothing) {
    Start();
    Author({".."});
    TypeEnter(ui->txtVoprosOtvet, QStringLiteral("Нота"));
    TypeEnter(ui->txtOtvet, QStringLiteral("ля"));
    EXPECT_EQ(Doc().CurNumber, 0);
    EXPECT_EQ(Doc().CurDirection, 1);
    EXPECT_EQ(CellPixel(0, 0, 1, 10), CellColor);
}

TEST_F(AuthoringTest, ClicksSelectWordsAndACrossingCellSwitchesDirection) {
    Start();
    Author(kRing);
    ClickCell(2, 2); // 3 across and 2 down cross here; the other direction is taken first
    EXPECT_EQ(Doc().CurNumber, 2);
    EXPECT_EQ(Doc().CurDirection, 1);
    ClickCell(2, 2);
    EXPECT_EQ(Doc().CurNumber, 3);
    EXPECT_EQ(Doc().CurDirection, 0);
    ClickCell(2, 2);
    EXPECT_EQ(Doc().CurNumber, 2);
    ClickCell(1, 2); // only 3 across
    EXPECT_EQ(Doc().CurNumber, 3);
    EXPECT_EQ(Doc().CurDirection, 0);
    EXPECT_EQ(CellPixel(2, 1, 1, 10), CellColor);
    EXPECT_EQ(CellPixel(1, 2, 1, 10), SelectionColor);
    ClickCell(1, 1); // a blocked cell: nothing
    EXPECT_EQ(Doc().CurNumber, 3);
    // The live clue preview follows the clue box.
    ui->txtVoprosOtvet->setText("Жилище");
    EXPECT_EQ(ui->lblVopros[0]->text(), QStringLiteral("Жилище"));
}

TEST_F(AuthoringTest, AnswerBoxDropsSpacesAndCharactersOutsideTheCodePage) {
    Start();
    Author(kRing);
    ui->txtOtvet->setFocus();
    TypeText(ui->txtOtvet, QStringLiteral("к о т"));
    EXPECT_EQ(ui->txtOtvet->text(), QStringLiteral("кот"));
    TypeText(ui->txtOtvet, QStringLiteral("日ß"));
    EXPECT_EQ(ui->txtOtvet->text(), QStringLiteral("кот"));
    ui->txtOtvet->insert(QStringLiteral("中")); // pasted text is taken back as well
    EXPECT_EQ(ui->txtOtvet->text(), QStringLiteral("кот"));
    ui->txtVoprosOtvet->setFocus();
    TypeText(ui->txtVoprosOtvet, QStringLiteral("Ответ — «да» 日"));
    EXPECT_EQ(ui->txtVoprosOtvet->text(), QStringLiteral("Ответ — «да» "));
}

TEST_F(AuthoringTest, LargeClueNumbersRunIntoTheNextCell) {
    Start();
    Opt().NumberSize = 3;
    Author({"..........#", "..........#"});
    ASSERT_EQ(Doc().GridLayers.Get(9, 0, 2), 10);
    // The "0" of 10 is drawn 15 pixels right of the "1", beyond the cell's right edge, over the blocked
    // neighbour, which nothing draws afterwards.
    const int left = 5 + 9 * 20, top = 5;
    int black = 0;
    for (int gy = 0; gy < 17; ++gy)
        for (int gx = 0; gx < 15; ++gx) {
            const int x = left + 2 + 15 + gx, y = top + 2 + gy;
            if (x <= left + 20) continue;
            const bool glyph = DigitGlyphs::IsBlack(3, 0, gx, gy);
            if (glyph) {
                EXPECT_EQ(FieldPixel(x, y), Colors::Black) << x << "," << y;
                ++black;
            }
        }
    EXPECT_GT(black, 0);
}

TEST_F(AuthoringTest, TheLetterFontSetsTheLetterOffset) {
    Start();
    const int before = NewFontM::LetterOffsetY;
    Opt().CellSize = 30;
    NewFontM::ApplyLetterFont(*form);
    EXPECT_EQ(NewFontM::LetterOffsetY, before + 10);
    Opt().LetterFontName = cp("No Such Face At All");
    Opt().LetterFontSize = 60;
    NewFontM::ApplyLetterFont(
        *form); // an unknown face quietly falls back; a large font gives a negative offset
    EXPECT_LT(NewFontM::LetterOffsetY, 0);
    EXPECT_TRUE(messages.empty());
}

// Selecting another word repaints the two words that changed colour, not the whole view.
TEST_F(AuthoringTest, ASelectionChangeRepaintsOnlyTheWordsItDrew) {
    struct PaintRecorder : QObject {
        QRegion painted;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
            return false;
        }
    } recorder;
    Start();
    Author(std::vector<std::string>(12, std::string(12, '.')));
    ASSERT_EQ(Doc().CurNumber, 1);
    ASSERT_EQ(Doc().CurDirection, 0);
    QApplication::processEvents();
    ui->picPole->installEventFilter(&recorder);
    ClickCell(4, 6); // the down word of column 4 instead of the across word of row 0
    QApplication::processEvents();
    ui->picPole->removeEventFilter(&recorder);
    ASSERT_EQ(Doc().CurDirection, 1);
    ASSERT_EQ(CellPixel(4, 6, 10, 10), SelectionColor);
    ASSERT_EQ(CellPixel(0, 0, 10, 10), CellColor);
    auto centre = [](int c, int r) {
        const FieldGeometry::Box b = FieldGeometry::CellBox(c, r, Opt().CellSize);
        return QPoint(b.Left + 10, b.Top + 10);
    };
    for (int k = 0; k < 12; ++k) {
        EXPECT_TRUE(recorder.painted.contains(centre(k, 0))) << k;
        EXPECT_TRUE(recorder.painted.contains(centre(4, k))) << k;
    }
    for (int r : {2, 6, 11})
        for (int c : {0, 6, 11})
            EXPECT_FALSE(recorder.painted.contains(centre(c, r))) << c << "," << r;
}

// The field painted in small pieces, as scrolling and selecting repaint it, is the field painted whole,
// even where letters and numbers run far into the neighbouring cells and the margin: a large italic
// underlined font in small cells with the largest numbers.
class FieldInPiecesTest : public RingTest {};

TEST_F(FieldInPiecesTest, TheFieldPaintedInPiecesIsTheFieldPaintedWhole) {
    Start();
    AuthorRing();
    for (const auto& [cellSize, fontSize, italic] : {std::tuple{12, 28, true}, std::tuple{20, 10, false}}) {
        SCOPED_TRACE(cellSize);
        auto& o = Opt();
        o.CellSize = cellSize;
        o.NumberSize = 3;
        o.LetterFontSize = fontSize;
        o.LetterFontItalic = italic;
        o.LetterFontUnderline = italic;
        NewFontM::ApplyLetterFont(*form);
        LoadReshotkiM::LoadGrid(*form);
        QApplication::processEvents();
        const QImage whole = ui->picPole->grab().toImage();
        ASSERT_EQ(whole.size(), ui->picPole->size());
        int differ = 0;
        for (int y = 0; y < whole.height(); y += 5)
            for (int x = 0; x < whole.width(); x += 5) {
                const QRect r = QRect(x, y, 5, 5).intersected(whole.rect());
                const QImage piece = ui->picPole->grab(r).toImage();
                ASSERT_EQ(piece.size(), r.size());
                for (int j = 0; j < r.height(); ++j)
                    for (int i = 0; i < r.width(); ++i)
                        if (piece.pixel(i, j) != whole.pixel(x + i, y + j)) ++differ;
            }
        EXPECT_EQ(differ, 0);
    }
}

} // namespace
