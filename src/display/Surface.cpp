#include "display/Surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

QColor ToQColor(int32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

int32_t FromQColor(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

namespace {
QRgb toRgb(int32_t bgr) { return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
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
    changed(image_.rect());
}

void Surface::Clear() {
    image_.fill(toRgb(background_));
    changed(image_.rect());
}

void Surface::FillBox(int x1, int y1, int x2, int y2, int32_t bgr) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const int l = std::max(x1, 0), t = std::max(y1, 0);
    const int r = std::min(x2, image_.width() - 1), b = std::min(y2, image_.height() - 1);
    if (l > r || t > b) return;
    const QRgb c = toRgb(bgr);
    for (int y = t; y <= b; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        std::fill(line + l, line + r + 1, c);
    }
    changed(QRect(QPoint(l, t), QPoint(r, b)));
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
    if (!image_.valid(x, y)) return background_;
    const QRgb p = image_.pixel(x, y);
    return qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16);
}

void Surface::CopyFrom(const Surface& src, int sx, int sy, int w, int h, int dx, int dy) {
    for (int j = 0; j < h; ++j) {
        const int syy = sy + j, dyy = dy + j;
        if (syy < 0 || syy >= src.image_.height() || dyy < 0 || dyy >= image_.height()) continue;
        const auto* s = reinterpret_cast<const QRgb*>(src.image_.constScanLine(syy));
        auto* d = reinterpret_cast<QRgb*>(image_.scanLine(dyy));
        for (int i = 0; i < w; ++i) {
            const int sxx = sx + i, dxx = dx + i;
            if (sxx < 0 || sxx >= src.image_.width() || dxx < 0 || dxx >= image_.width()) continue;
            d[dxx] = s[sxx];
        }
    }
    changed(QRect(dx, dy, w, h));
}

void Surface::SetFont(const QFont& f) { font_ = f; }

// Texts are measured on the bitmap itself, so that measuring and drawing agree on the resolution.
int Surface::TextWidth(const QString& s) const { return QFontMetrics(font_, &image_).horizontalAdvance(s); }

int Surface::TextHeight(const QString&) const { return QFontMetrics(font_, &image_).height(); }

void Surface::DrawText(int x, int y, const QString& s) {
    QPainter p(&image_);
    p.setFont(font_);
    p.setPen(ToQColor(textColor_));
    const QFontMetrics fm(font_, &image_);
    p.drawText(x, y + fm.ascent(), s);
    p.end();
    changed(QRect(x, y, fm.horizontalAdvance(s) + 2, fm.height()));
}

bool Surface::SaveBmp(const QString& path) const { return image_.save(path, "BMP"); }
