// The field's scroll bars, the corner square and the window layout on resize.
#include <QMenuBar>
#include <QStyleHints>
#include <QWheelEvent>

#include "GridHelpers.h"
#include "display/ProkrutkaMUi.h"
#include "display/ShowSlovoMUi.h"

namespace {

class ScrollTest : public GridWindowTest {
  protected:
    // Resizes the window so that picControl is iw x ih pixels.
    void ViewSize(int iw, int ih) {
        form->resize(155 + iw, 77 + ih + form->menuBar()->height());
        QApplication::processEvents();
        ASSERT_EQ(ui->picControl->size(), QSize(iw, ih));
    }
    // Turns the mouse wheel over the middle of the view by angle (120 a notch), with modifiers held.
    void Wheel(QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPoint at = ui->picPole->mapFrom(ui->picControl, QPoint(100, 80));
        QWheelEvent e(at, ui->picPole->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(ui->picPole, &e);
    }
    void FieldSize(int w, int h) {
        ui->picPole->SetLayout(w, h, 0, 0);
        form->UpdateScrollBars();
    }
};

TEST_F(ScrollTest, BarsAppearOnlyWhenTheFieldDoesNotFit) {
    Start();
    ViewSize(400, 300);
    struct Case {
        int w, h;
        bool hbar, vbar;
    } cases[] = {
        {400, 300, false, false}, // exact fit
        {410, 290, true, true},   // 10 too wide and 10 shorter: the horizontal bar's height makes room short
        {410, 200, true, false},  {300, 310, false, true},
        {390, 310, true, true}, // the vertical bar takes 17 pixels of width
        {100, 100, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        FieldSize(c.w, c.h);
        EXPECT_EQ(ui->HScroll1->isVisible(), c.hbar);
        EXPECT_EQ(ui->VScroll1->isVisible(), c.vbar);
        EXPECT_EQ(ui->PctrUgol->isVisible(), c.hbar && c.vbar);
        if (c.hbar) {
            const int w = 400 - (c.vbar ? 17 : 0);
            EXPECT_EQ(ui->HScroll1->width(), w);
            EXPECT_EQ(ui->HScroll1->maximum(), c.w - w);
            EXPECT_EQ(ui->HScroll1->pageStep(), w);
            EXPECT_EQ(ui->HScroll1->y(), 300 - 17);
        }
        if (c.vbar) {
            const int h = 300 - (c.hbar ? 17 : 0);
            EXPECT_EQ(ui->VScroll1->height(), h);
            EXPECT_EQ(ui->VScroll1->maximum(), c.h - h);
            EXPECT_EQ(ui->VScroll1->x(), 400 - 17);
        }
    }
    // Scrolling moves the field.
    FieldSize(1000, 1000);
    ui->HScroll1->setValue(120);
    ui->VScroll1->setValue(70);
    EXPECT_EQ(ui->picPole->pos(), QPoint(-120, -70));
    // A field that fits again returns to its corner.
    FieldSize(100, 100);
    EXPECT_EQ(ui->picPole->pos(), QPoint(0, 0));
}

TEST_F(ScrollTest, NarrowAndTinyWindowsKeepSizesAtZeroOrMore) {
    Start();
    form->resize(200, 400);
    QApplication::processEvents();
    EXPECT_EQ(form->frameGeometry().width(), 300);
    form->resize(300, 30);
    QApplication::processEvents();
    EXPECT_GE(ui->picControl->height(), 0);
    EXPECT_GE(ui->HScroll1->y(), 0);
    EXPECT_GE(ui->VScroll1->x(), 0);
}

TEST_F(ScrollTest, ASelectedWordIsScrolledIntoView) {
    Start();
    std::vector<std::string> rows(40, std::string(40, '.'));
    Author(rows);
    ViewSize(300, 200);
    ASSERT_TRUE(ui->VScroll1->isVisible());
    ASSERT_TRUE(ui->HScroll1->isVisible());
    // The last across word lies at the bottom: selecting it scrolls down so that its end is visible.
    const auto& d = Doc();
    const int n = d.GridLayers.Get(0, 39, 2);
    ASSERT_GT(n, 0);
    ShowSlovoM::DrawWord(*form, n, 0, SelectionColor);
    const int bottom = 39 * 20 + 5 + 20;
    EXPECT_GE(ui->VScroll1->value(), bottom - (200 - 17));
    EXPECT_LE(ui->picPole->y() + bottom, 200 - 17 + 5);
    // Then the first word, above the view: back up, its corner 5 pixels inside the top edge.
    ShowSlovoM::DrawWord(*form, 1, 0, SelectionColor);
    EXPECT_EQ(ui->VScroll1->value(), 0);
    // Unselecting never scrolls.
    ui->VScroll1->setValue(300);
    ShowSlovoM::DrawWord(*form, 1, 0, CellColor);
    EXPECT_EQ(ui->VScroll1->value(), 300);
    // The last down word, at the far right: scrolled sideways into view.
    ui->HScroll1->setValue(0);
    const int m = d.GridLayers.Get(39, 0, 2);
    ShowSlovoM::DrawWord(*form, m, 1, SelectionColor);
    EXPECT_GE(ui->HScroll1->value(), 39 * 20 + 25 - (300 - 17));
}

// The wheel scrolls the field: a notch moves the desktop's lines per notch in cells, at most a page;
// Shift turns it sideways, as does a sideways wheel; the ends stop it. The view shows the field's cells
// at their new place.
TEST_F(ScrollTest, TheMouseWheelScrollsTheFieldShiftSideways) {
    Start();
    std::vector<std::string> rows(40, std::string(40, '.'));
    rows[10][10] = '#';
    Author(rows);
    ViewSize(300, 200);
    ASSERT_TRUE(ui->VScroll1->isVisible());
    ASSERT_TRUE(ui->HScroll1->isVisible());
    ui->HScroll1->setValue(0);
    ui->VScroll1->setValue(0);
    const int notch = std::min(QApplication::styleHints()->wheelScrollLines() * 20, 200 - 17);
    ASSERT_GT(notch, 0);
    struct Step {
        const char* what;
        QPoint angle;
        Qt::KeyboardModifiers modifiers;
        int h, v; // the bars' values after the step
    } steps[] = {
        {"up at the top", {0, 120}, Qt::NoModifier, 0, 0},
        {"a notch down", {0, -120}, Qt::NoModifier, 0, notch},
        {"two notches down", {0, -240}, Qt::NoModifier, 0, 3 * notch},
        {"half a notch up", {0, 60}, Qt::NoModifier, 0, 3 * notch - notch / 2},
        {"Shift: sideways", {0, -120}, Qt::ShiftModifier, notch, 3 * notch - notch / 2},
        {"a sideways wheel", {-120, 0}, Qt::NoModifier, 2 * notch, 3 * notch - notch / 2},
        {"far past the end", {0, -120 * 1000}, Qt::NoModifier, 2 * notch, ui->VScroll1->maximum()},
        {"Shift, far back", {0, 120 * 1000}, Qt::ShiftModifier, 0, ui->VScroll1->maximum()},
    };
    for (const auto& s : steps) {
        Wheel(s.angle, s.modifiers);
        EXPECT_EQ(ui->HScroll1->value(), s.h) << s.what;
        EXPECT_EQ(ui->VScroll1->value(), s.v) << s.what;
    }
    // The view shows the field as scrolled: the blocked cell (10, 10) brought to the view's corner.
    ui->HScroll1->setValue(5 + 10 * 20);
    ui->VScroll1->setValue(5 + 10 * 20);
    QApplication::processEvents();
    const QImage view = ui->picControl->grab().toImage();
    EXPECT_EQ(FromQColor(view.pixelColor(10, 10)), Colors::FieldBack); // inside the blocked cell
    EXPECT_EQ(FromQColor(view.pixelColor(30, 10)), CellColor);         // inside the next one
    EXPECT_EQ(FromQColor(view.pixelColor(20, 10)), Colors::Black);     // the outline between them
    // A field that fits has no bars, and the wheel moves nothing.
    ViewSize(1000, 1000);
    ASSERT_FALSE(ui->VScroll1->isVisible());
    Wheel({0, -120});
    Wheel({0, -120}, Qt::ShiftModifier);
    EXPECT_EQ(ui->VScroll1->value(), 0);
    EXPECT_EQ(ui->HScroll1->value(), 0);
    EXPECT_EQ(ui->picPole->pos(), QPoint(0, 0));
}

} // namespace
