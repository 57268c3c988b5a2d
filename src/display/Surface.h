#pragma once
// A drawing surface: a persistent bitmap in pixel coordinates with the few operations the program draws
// with. Colours are 0x00BBGGRR values, as the program stores them.
#include <QFont>
#include <QHash>
#include <QImage>
#include <QString>
#include <cstdint>
#include <functional>

namespace Colors {
constexpr int32_t White = 0x00FFFFFF;     // CellColor: a word drawn normally, an open cell
constexpr int32_t Yellow = 0x0000FFFF;    // SelectionColor: red 255, green 255, blue 0
constexpr int32_t Green = 0x0000FF00;     // a blocked cell while the grid is drawn
constexpr int32_t Black = 0x00000000;     // grid lines
constexpr int32_t FieldBack = 0x00908C8C; // background of the field outside the words
} // namespace Colors
constexpr int32_t CellColor = Colors::White;
constexpr int32_t SelectionColor = Colors::Yellow;

QColor ToQColor(int32_t bgr);
int32_t FromQColor(const QColor& c);

class Surface {
  public:
    explicit Surface(int32_t background = Colors::White);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }

    // New size; what fits is kept, the rest is background.
    void Resize(int w, int h);
    // The bitmap becomes the part `area` of a larger picture, all background: it takes area's size, and
    // every coordinate below is a coordinate of that picture. Resize and Clear keep the origin.
    void ShowArea(const QRect& area);
    QPoint Origin() const { return {ox_, oy_}; }
    // Everything to the background colour.
    void Clear();
    int32_t Background() const { return background_; }
    void SetBackground(int32_t bgr) { background_ = bgr; }

    // Filled box and 1-pixel outline between two corners, both included.
    void FillBox(int x1, int y1, int x2, int y2, int32_t bgr);
    void Outline(int x1, int y1, int x2, int y2, int32_t bgr);
    // A straight line from (x1, y1) towards (x2, y2); the end point itself is not drawn.
    void Line(int x1, int y1, int x2, int y2, int32_t bgr);
    // Colour of one pixel; the background colour outside the bitmap.
    int32_t Pixel(int x, int y) const;
    // Opaque, unscaled copy of a rectangle of another surface to (dx, dy).
    void CopyFrom(const Surface& src, int sx, int sy, int w, int h, int dx, int dy);

    // Letter font and colour of the texts drawn on this surface.
    void SetFont(const QFont& f);
    const QFont& Font() const { return font_; }
    void SetTextColor(int32_t bgr) {
        if (bgr != textColor_) glyphs_.clear();
        textColor_ = bgr;
    }
    int32_t TextColor() const { return textColor_; }
    int TextWidth(const QString& s) const;
    int TextHeight(const QString& s) const;
    // Draws text with the top-left corner of its text box at (x, y), unclipped by any cell.
    void DrawText(int x, int y, const QString& s);
    // What DrawText(0, 0, s) may change, from the font's metrics without drawing anything: Area, the
    // glyphs' ink (their overhang included) and the text box (empty for a text that shows nothing and
    // takes no room), and Advance, the width TextWidth gives.
    struct TextExtent {
        QRect Area;
        int Advance = 0;
    };
    TextExtent MeasureText(const QString& s) const;

    bool SaveBmp(const QString& path) const;

    // Called after every change, so that a widget showing the surface can repaint the changed part.
    std::function<void(const QRect&)> Changed;

  private:
    void changed(const QRect& r) {
        if (Changed) Changed(r);
    }
    // A text rendered once in the current font and colour, on a transparent background.
    struct Glyph {
        QImage image; // premultiplied ARGB
        int advance = 0;
        int ascent = 0;
    };
    const Glyph& glyph(const QString& s) const;
    void dropGlyphs() const;
    QImage image_;
    int ox_ = 0, oy_ = 0; // the picture coordinate of the bitmap's top-left pixel
    int32_t background_;
    QFont font_;
    int32_t textColor_ = Colors::Black;
    mutable QHash<QString, Glyph> glyphs_;
    mutable int fontHeight_ = -1;
};
