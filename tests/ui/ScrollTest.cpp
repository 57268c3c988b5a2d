// The field's scroll bars, the corner square and the window layout on resize.
#include <QMenuBar>

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

} // namespace
