#include "display/ProkrutkaMUi.h"

#include <QApplication>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "display/FieldWidget.h"

namespace ProkrutkaM {

constexpr int ScrollBarWidth = 17;

void UpdateScrollBars(const ScrollParts& p) {
    const int iw = p.View.width(), ih = p.View.height();
    const int pw = p.Field.width(), ph = p.Field.height();
    int dx = pw - iw;
    int dy = ph - ih;
    // A vertical bar takes width from the view, a horizontal one height; dx is corrected with the
    // uncorrected dy, then dy with the corrected dx.
    if (dy > 0) dx += ScrollBarWidth;
    if (dx > 0) dy += ScrollBarWidth;
    if (dx > 0) {
        const int w = std::max(0, iw - (dy > 0 ? ScrollBarWidth : 0));
        p.H.resize(w, ScrollBarWidth);
        p.H.setPageStep(std::max(1, w));
        p.H.setMaximum(std::max(0, pw - w));
        p.H.setSingleStep(std::max(1, w / 2));
    } else {
        p.H.setValue(0);
    }
    p.H.setVisible(dx > 0);
    if (dy > 0) {
        const int h = std::max(0, ih - (dx > 0 ? ScrollBarWidth : 0));
        p.V.resize(ScrollBarWidth, h);
        p.V.setPageStep(std::max(1, h));
        p.V.setMaximum(std::max(0, ph - h));
        p.V.setSingleStep(std::max(1, h / 2));
    } else {
        p.V.setValue(0);
    }
    p.V.setVisible(dy > 0);
    p.Corner.setVisible(p.H.isVisible() && p.V.isVisible());
    if (p.Corner.isVisible()) p.Corner.raise();
}

void ScrollIntoView(const ScrollParts& p, const FieldGeometry::Box& box) {
    const int margin = FieldGeometry::ScrollMargin;
    // The start first.
    if (p.Field.y() + box.Top < 0) p.V.setValue(box.Top - margin);
    if (p.Field.x() + box.Left < 0) p.H.setValue(box.Left - margin);
    // Then the end: the right and bottom edges of the box.
    const int viewBottom = p.View.height() - (p.H.isVisible() ? p.H.height() : 0);
    const int viewRight = p.View.width() - (p.V.isVisible() ? p.V.width() : 0);
    if (p.V.isVisible()) {
        const int u = box.Bottom - viewBottom;
        if (u > p.V.value()) p.V.setValue(u + margin);
    }
    if (p.H.isVisible()) {
        const int u = box.Right - viewRight;
        if (u > p.H.value()) p.H.setValue(u + margin);
    }
}

void ScrollByWheel(const ScrollParts& p, QPoint angle, Qt::KeyboardModifiers modifiers, int32_t cellSize) {
    int across = angle.x(), down = angle.y();
    // Shift turns the wheel sideways (a platform may already have done so: then only x is set).
    if (modifiers & Qt::ShiftModifier) {
        across += down;
        down = 0;
    }
    auto scroll = [cellSize](QScrollBar& bar, int delta) {
        if (delta == 0 || !bar.isVisible()) return;
        // A notch (120) moves the desktop's lines per notch, counted in cells, never more than a page.
        const double notch = std::min<double>(
            static_cast<double>(QApplication::wheelScrollLines()) * std::max(cellSize, 1), bar.pageStep());
        const auto pixels = static_cast<int>(std::lround(notch * delta / 120.0));
        // The wheel turned away from the user (a positive angle) shows what lies above or to the left.
        bar.setValue(bar.value() - (pixels != 0 ? pixels : (delta > 0 ? 1 : -1)));
    };
    scroll(p.V, down);
    scroll(p.H, across);
}

} // namespace ProkrutkaM
