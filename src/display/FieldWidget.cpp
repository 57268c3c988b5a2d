#include "display/FieldWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QWheelEvent>
#include <algorithm>

#include "grid/FieldGeometry.h"

namespace {
// Rounds a / b down (b > 0), also for negative a.
int64_t floorDiv(int64_t a, int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
int32_t digitsOf(int32_t n) {
    int32_t digits = 0;
    for (; n > 0; n /= 10)
        ++digits;
    return digits;
}
} // namespace

FieldWidget::FieldWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FieldWidget::SetLayout(int width, int height, int32_t columns, int32_t rows) {
    if (columns != cells_.Columns() || rows != cells_.Rows()) cells_.Reset(columns, rows);
    resize(std::max(width, 1), std::max(height, 1));
    update();
}

void FieldWidget::SetMetrics(const CellPainter::CellMetrics& m) {
    if (m.CellSize == metrics_.CellSize && m.NumberSize == metrics_.NumberSize &&
        m.LetterOffsetY == metrics_.LetterOffsetY)
        return;
    metrics_ = m;
    reach_.reset();
    update();
}

void FieldWidget::Clear() {
    cells_.Clear();
    update();
}

void FieldWidget::DrawCell(int32_t c, int32_t r, int32_t fill, int32_t number, int32_t letter) {
    if (c < 0 || r < 0 || c >= cells_.Columns() || r >= cells_.Rows()) return;
    cells_.Draw(c, r, {fill, number, static_cast<uint8_t>(letter > 0 && letter < 256 ? letter : 0)});
    if (isVisible()) repaintLater(drawingArea(c, r));
}

void FieldWidget::SetLetterFont(const QFont& font, int32_t color) {
    canvas_.SetFont(font);
    canvas_.SetTextColor(color);
    reach_.reset();
    update();
}

const CellPainter::Reach& FieldWidget::reach() {
    const int32_t digits = digitsOf(cells_.LargestNumber());
    if (!reach_ || digits > reachDigits_) {
        // Allowing for at least three digits keeps this from being worked out again while a grid fills.
        reachDigits_ = std::max(digits, 3);
        int32_t largest = 1;
        for (int32_t i = 1; i < reachDigits_; ++i)
            largest = largest * 10 + 9;
        reach_ = CellPainter::DrawingReach(canvas_, metrics_, largest);
    }
    return *reach_;
}

QRect FieldWidget::drawingArea(int32_t c, int32_t r) {
    const int32_t cs = metrics_.CellSize;
    const FieldGeometry::Box b = FieldGeometry::CellBox(c, r, cs);
    const CellPainter::Reach& k = reach();
    return QRect(QPoint(b.Left - k.Left, b.Top - k.Top), QPoint(b.Right + k.Right, b.Bottom + k.Bottom));
}

void FieldWidget::repaintLater(const QRect& area) {
    // The cells of one word lie side by side: each extends the rectangle of the cell drawn before it
    // (their union is no larger than the two), so a word is one rectangle and a selection change repaints
    // just the words it drew. Beyond a few rectangles (a whole grid drawn) they become one.
    auto size = [](const QRect& r) { return int64_t{r.width()} * r.height(); };
    const QRect joined = dirty_.empty() ? QRect() : dirty_.back().united(area);
    if (!dirty_.empty() && size(joined) <= size(dirty_.back()) + size(area))
        dirty_.back() = joined;
    else if (dirty_.size() < MaxDirtyRects)
        dirty_.push_back(area);
    else {
        QRect all = area;
        for (const QRect& r : dirty_)
            all = all.united(r);
        dirty_.assign(1, all);
    }
    if (repaintPending_) return;
    // One repaint follows any number of cells drawn in one event: a word of a thousand cells, or the
    // whole grid, is painted once, and only where it is visible.
    repaintPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            repaintPending_ = false;
            QRegion region;
            for (const QRect& r : dirty_)
                region += r.intersected(rect());
            dirty_.clear();
            update(region);
        },
        Qt::QueuedConnection);
}

void FieldWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    for (const QRect& area : e->region())
        paintArea(p, area.intersected(rect()));
}

void FieldWidget::paintArea(QPainter& p, const QRect& area) {
    if (area.isEmpty()) return;
    canvas_.ShowArea(area);
    const int32_t cs = metrics_.CellSize;
    if (cs >= 1 && cells_.Columns() > 0 && cells_.Rows() > 0) {
        const CellPainter::Reach& k = reach();
        // Cell c spans FieldMargin + c * cs .. + cs, and its drawing k.Left more to the left and k.Right
        // more to the right; likewise rows.
        const int64_t m = FieldGeometry::FieldMargin;
        const int64_t c0 = floorDiv(area.left() - m - cs - k.Right, cs),
                      c1 = floorDiv(area.right() - m + k.Left, cs);
        const int64_t r0 = floorDiv(area.top() - m - cs - k.Bottom, cs),
                      r1 = floorDiv(area.bottom() - m + k.Top, cs);
        auto clamp = [](int64_t v, int32_t count) {
            return static_cast<int32_t>(std::clamp<int64_t>(v, -1, count));
        };
        cells_.DrawnInOrder(clamp(c0, cells_.Columns()), clamp(c1, cells_.Columns()),
                            clamp(r0, cells_.Rows()), clamp(r1, cells_.Rows()), inOrder_);
        for (const FieldPaint::Drawn& d : inOrder_) {
            const FieldPaint::Look look = cells_.At(d.Column, d.Row);
            const FieldGeometry::Box b = FieldGeometry::CellBox(d.Column, d.Row, cs);
            CellPainter::DrawCell(
                canvas_, b.Left, b.Top,
                {look.Fill, look.Number, look.Letter > 0 ? CellPainter::LetterText(look.Letter) : QString()},
                metrics_);
        }
    }
    p.drawImage(area.topLeft(), canvas_.Image());
}

void FieldWidget::mousePressEvent(QMouseEvent* e) {
    if (MouseDown) MouseDown(e->button(), e->position().x(), e->position().y());
}

void FieldWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (MouseUp) MouseUp(e->button(), e->position().x(), e->position().y());
}

void FieldWidget::mouseMoveEvent(QMouseEvent* e) {
    if (MouseMove) MouseMove(e->position().x(), e->position().y());
}

void FieldWidget::wheelEvent(QWheelEvent* e) {
    if (!Wheel) {
        e->ignore();
        return;
    }
    Wheel(e->angleDelta(), e->modifiers());
    e->accept();
}

// The field looks the same with and without the focus: unlike a plain widget it is not repainted whole
// when the focus comes or goes (on a large field that would repaint the whole view on every click).
void FieldWidget::focusInEvent(QFocusEvent*) {
    if (GotFocus) GotFocus();
}

void FieldWidget::focusOutEvent(QFocusEvent*) {}

void FieldContainer::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (GotFocus) GotFocus();
}
