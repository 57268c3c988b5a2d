#include "display/Surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

QColor ToQColor(int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int32_t FromQColor(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

namespace {
QRgb toRgb(int32_t bgr) {
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
} // namespace

Surface::Surface(int32_t background) : image_(1, 1, QImage::Format_RGB32), background_(background) {
    image_.fill(toRgb(background_));
}

void Surface::Resize(int w, int h) {
    w = std::max(w, 1);
    h = std::max(h, 1);
    if (w == image_.width() && h == image_.height()) return;
    QImage next(w, h, QImage::Format_RGB32);
    if (next.isNull()) return; // the platform could not allocate it; the old bitmap stays
    next.fill(toRgb(background_));
    const int cw = std::min(w, image_.width()), ch = std::min(h, image_.height());
    for (int y = 0; y < ch; ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(image_.constScanLine(y)), cw,
                    reinterpret_cast<QRgb*>(next.scanLine(y)));
    image_ = std::move(next);
    changed(QRect(ox_, oy_, image_.width(), image_.height()));
}

void Surface::ShowArea(const QRect& area) {
    const int w = std::max(area.width(), 1), h = std::max(area.height(), 1);
    ox_ = area.left();
    oy_ = area.top();
    if (w != image_.width() || h != image_.height()) {
        QImage next(w, h, QImage::Format_RGB32);
        if (!next.isNull()) image_ = std::move(next);
    }
    image_.fill(toRgb(background_));
    changed(QRect(ox_, oy_, image_.width(), image_.height()));
}

void Surface::Clear() {
    image_.fill(toRgb(background_));
    changed(QRect(ox_, oy_, image_.width(), image_.height()));
}

void Surface::FillBox(int x1, int y1, int x2, int y2, int32_t bgr) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 -= ox_;
    x2 -= ox_;
    y1 -= oy_;
    y2 -= oy_;
    const int w = image_.width(), h = image_.height();
    const int l = std::max(x1, 0), t = std::max(y1, 0);
    const int r = std::min(x2, w - 1), b = std::min(y2, h - 1);
    if (l > r || t > b) return;
    const QRgb c = toRgb(bgr);
    uchar* bits = image_.bits(); // one detach for the whole box
    const qsizetype stride = image_.bytesPerLine();
    for (int y = t; y <= b; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(line + l, line + r + 1, c);
    }
    changed(QRect(QPoint(l + ox_, t + oy_), QPoint(r + ox_, b + oy_)));
}

void Surface::Outline(int x1, int y1, int x2, int y2, int32_t bgr) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    FillBox(x1, y1, x2, y1, bgr);
    FillBox(x1, y2, x2, y2, bgr);
    FillBox(x1, y1, x1, y2, bgr);
    FillBox(x2, y1, x2, y2, bgr);
}

void Surface::Line(int x1, int y1, int x2, int y2, int32_t bgr) {
    if (x1 == x2 && y1 == y2) return;
    if (x1 == x2) {
        FillBox(x1, y1, x2, y2 > y1 ? y2 - 1 : y2 + 1, bgr);
        return;
    }
    if (y1 == y2) {
        FillBox(x1, y1, x2 > x1 ? x2 - 1 : x2 + 1, y2, bgr);
        return;
    }
    // Slanted lines: step along the longer axis, leaving out the end point.
    const int dx = x2 - x1, dy = y2 - y1;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i < steps; ++i) {
        const int x = x1 + static_cast<int>(std::lround(static_cast<double>(dx) * i / steps));
        const int y = y1 + static_cast<int>(std::lround(static_cast<double>(dy) * i / steps));
        FillBox(x, y, x, y, bgr);
    }
}

int32_t Surface::Pixel(int x, int y) const {
    x -= ox_;
    y -= oy_;
    if (!image_.valid(x, y)) return background_;
    const QRgb p = image_.pixel(x, y);
    return qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16);
}

void Surface::CopyFrom(const Surface& src, int sx, int sy, int w, int h, int dx, int dy) {
    const QRect whole(dx, dy, w, h);
    dx -= ox_;
    dy -= oy_;
    sx -= src.ox_;
    sy -= src.oy_;
    // The part of the rectangle that lies inside both bitmaps.
    const int i0 = std::max({0, -sx, -dx});
    const int i1 = std::min({w, src.image_.width() - sx, image_.width() - dx});
    const int j0 = std::max({0, -sy, -dy});
    const int j1 = std::min({h, src.image_.height() - sy, image_.height() - dy});
    if (i0 < i1 && j0 < j1) {
        uchar* bits = image_.bits();
        const qsizetype stride = image_.bytesPerLine();
        for (int j = j0; j < j1; ++j) {
            const auto* s = reinterpret_cast<const QRgb*>(src.image_.constScanLine(sy + j)) + sx;
            auto* d = reinterpret_cast<QRgb*>(bits + (dy + j) * stride) + dx;
            std::copy(s + i0, s + i1, d + i0);
        }
    }
    changed(whole);
}

void Surface::SetFont(const QFont& f) {
    font_ = f;
    dropGlyphs();
}

void Surface::dropGlyphs() const {
    glyphs_.clear();
    fontHeight_ = -1;
}

// Texts are measured and rendered at the bitmap's resolution, so that measuring and drawing agree.
// Each text is rendered once per font and colour and then copied, which keeps redrawing a large grid
// fast: a grid shows the same few dozen letters many thousands of times.
const Surface::Glyph& Surface::glyph(const QString& s) const {
    auto it = glyphs_.find(s);
    if (it != glyphs_.end()) return *it;
    const QFontMetrics fm(font_, &image_);
    Glyph g;
    g.advance = fm.horizontalAdvance(s);
    g.ascent = fm.ascent();
    const QRect box = fm.boundingRect(s);
    // The image spans the text box plus whatever the glyphs overhang (italics, large fonts).
    const int left = std::min(0, box.left()), right = std::max(g.advance, box.right() + 1);
    const int top = std::min(0, box.top() + g.ascent),
              bottom = std::max(fm.height(), box.bottom() + 1 + g.ascent);
    QImage img(std::max(1, right - left), std::max(1, bottom - top), QImage::Format_ARGB32_Premultiplied);
    img.setDotsPerMeterX(image_.dotsPerMeterX());
    img.setDotsPerMeterY(image_.dotsPerMeterY());
    img.fill(Qt::transparent);
    {
        QPainter p(&img);
        p.setFont(font_);
        p.setPen(ToQColor(textColor_));
        p.drawText(-left, g.ascent - top, s);
    }
    img.setOffset(QPoint(left, top));
    g.image = std::move(img);
    return *glyphs_.insert(s, std::move(g));
}

int Surface::TextWidth(const QString& s) const {
    return glyph(s).advance;
}

int Surface::TextHeight(const QString&) const {
    if (fontHeight_ < 0) fontHeight_ = QFontMetrics(font_, &image_).height();
    return fontHeight_;
}

Surface::TextExtent Surface::MeasureText(const QString& s) const {
    // From the font's metrics, without drawing: the ink of the glyphs (a pixel more on each side for the
    // smoothing of their edges) and the text box, which an underline spans.
    const QFontMetrics fm(font_, &image_);
    const QRect ink = s.size() == 1 ? fm.boundingRect(s[0]) : fm.tightBoundingRect(s);
    TextExtent e;
    e.Advance = fm.horizontalAdvance(s);
    if (!ink.isEmpty()) e.Area = ink.translated(0, fm.ascent()).adjusted(-1, -1, 1, 1);
    if (e.Advance > 0) e.Area = e.Area.united(QRect(0, 0, e.Advance, fm.height()));
    return e;
}

void Surface::DrawText(int x, int y, const QString& s) {
    const Glyph& g = glyph(s);
    const QImage& src = g.image;
    const int ox = x - ox_ + src.offset().x(), oy = y - oy_ + src.offset().y();
    const int w = image_.width(), h = image_.height(), sw = src.width(), sh = src.height();
    const int i0 = std::max(0, -ox), i1 = std::min(sw, w - ox);
    const int j0 = std::max(0, -oy), j1 = std::min(sh, h - oy);
    if (i0 >= i1 || j0 >= j1) return;
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    const uchar* sbits = src.constBits();
    const qsizetype sstride = src.bytesPerLine();
    // The glyph is premultiplied: each pixel is laid over the bitmap by its coverage.
    for (int j = j0; j < j1; ++j) {
        const auto* sp = reinterpret_cast<const QRgb*>(sbits + j * sstride);
        auto* dp = reinterpret_cast<QRgb*>(bits + (oy + j) * stride) + ox;
        for (int i = i0; i < i1; ++i) {
            const QRgb p = sp[i];
            const int a = qAlpha(p);
            if (a == 0) continue;
            if (a == 255) {
                dp[i] = p;
                continue;
            }
            const QRgb d = dp[i];
            const int k = 255 - a;
            dp[i] = qRgb(qRed(p) + (qRed(d) * k + 127) / 255, qGreen(p) + (qGreen(d) * k + 127) / 255,
                         qBlue(p) + (qBlue(d) * k + 127) / 255);
        }
    }
    changed(QRect(ox + ox_, oy + oy_, sw, sh));
}

bool Surface::SaveBmp(const QString& path) const {
    return image_.save(path, "BMP");
}
