#pragma once
// The field (picPole) and its container (picControl).
//
// The field holds what each cell shows (FieldPaint), not a picture of the whole grid: the drawing steps
// tell it which cell they drew and how, and it paints only the part of itself that is visible, each cell
// with CellPainter at its FieldGeometry box, earliest drawing first. So a grid of any size opens and
// scrolls as fast as a small one. The widget is as large as the field; the container moves it to scroll.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "display/CellPainter.h"
#include "display/FieldPaint.h"
#include "display/Surface.h"

class FieldWidget : public QWidget {
    Q_OBJECT
  public:
    explicit FieldWidget(QWidget* parent);

    // ---- what the drawing steps call ----
    // The field: width x height pixels holding a grid of columns x rows cells. A grid of another size
    // starts with no cell drawn; the same grid keeps what each cell shows, laid out anew.
    void SetLayout(int width, int height, int32_t columns, int32_t rows);
    // The sizes the cells are drawn with: cell side, number size, letter offset.
    void SetMetrics(const CellPainter::CellMetrics& m);
    // No cell drawn: the background everywhere.
    void Clear();
    // Cell (c, r) was drawn now: its fill (0x00BBGGRR), the number printed (0 none) and the cp1251 code of
    // its letter (0 none). It shows them, over what its neighbours drew before, until it is drawn again.
    // Cells outside the grid are ignored. The widget repaints it once the event is over, where visible.
    void DrawCell(int32_t c, int32_t r, int32_t fill, int32_t number, int32_t letter);
    // The letter font and colour the cells' letters are drawn in.
    void SetLetterFont(const QFont& font, int32_t color);

    // ---- what it shows ----
    const FieldPaint& Cells() const { return cells_; }
    const CellPainter::CellMetrics& Metrics() const { return metrics_; }
    const QFont& LetterFont() const { return canvas_.Font(); }
    int32_t LetterColor() const { return canvas_.TextColor(); }
    // Width and height of a text in the letter font, as the field draws it.
    int TextWidth(const QString& s) const { return canvas_.TextWidth(s); }
    int TextHeight(const QString& s) const { return canvas_.TextHeight(s); }

    // Mouse and focus events, in the field's pixels; the wheel's angle (1/8 degree) and its modifiers.
    std::function<void(Qt::MouseButton, double, double)> MouseDown, MouseUp;
    std::function<void(double, double)> MouseMove;
    std::function<void()> GotFocus;
    std::function<void(QPoint, Qt::KeyboardModifiers)> Wheel;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    // Paints one rectangle of the field: the cells whose drawing may touch it, in their order.
    void paintArea(QPainter& p, const QRect& area);
    // How far a cell's drawing reaches beyond its box now (numbers and the letter font in force).
    const CellPainter::Reach& reach();
    // The part of the field cell (c, r) may have drawn on.
    QRect drawingArea(int32_t c, int32_t r);
    // Repaints area once the event is over.
    void repaintLater(const QRect& area);

    FieldPaint cells_;
    CellPainter::CellMetrics metrics_;
    Surface canvas_{Colors::FieldBack}; // the area being painted; holds the letter font
    std::optional<CellPainter::Reach> reach_;
    int32_t reachDigits_ = 0; // the digits of the largest number reach_ allows for
    static constexpr size_t MaxDirtyRects = 8;
    std::vector<QRect> dirty_; // what is drawn and not yet repainted
    bool repaintPending_ = false;
    std::vector<FieldPaint::Drawn> inOrder_;
};

// picControl: the container of the field and the scroll bars.
class FieldContainer : public QWidget {
    Q_OBJECT
  public:
    explicit FieldContainer(QWidget* parent) : QWidget(parent) {}
    std::function<void()> GotFocus;

  protected:
    void focusInEvent(QFocusEvent* e) override;
};
