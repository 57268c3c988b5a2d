#include "display/ProkrutkaM.h"

#include <algorithm>
#include <cmath>

#include "app/frmForma.h"

namespace ProkrutkaM {

constexpr int ScrollBarWidth = 17;

void UpdateScrollBars() {
    frmForma* f = MainForm();
    if (!f) return;
    const int iw = f->picControl->width(), ih = f->picControl->height();
    const int pw = f->picPole->S.Width(), ph = f->picPole->S.Height();
    int dx = pw - iw;
    int dy = ph - ih;
    // A vertical bar takes width from the view, a horizontal one height; dx is corrected with the
    // uncorrected dy, then dy with the corrected dx.
    if (dy > 0) dx += ScrollBarWidth;
    if (dx > 0) dy += ScrollBarWidth;
    if (dx > 0) {
        const int w = std::max(0, iw - (dy > 0 ? ScrollBarWidth : 0));
        f->HScroll1->resize(w, ScrollBarWidth);
        f->HScroll1->setPageStep(std::max(1, w));
        f->HScroll1->setMaximum(std::max(0, pw - w));
        f->HScroll1->setSingleStep(std::max(1, w / 2));
    } else {
        f->HScroll1->setValue(0);
    }
    f->HScroll1->setVisible(dx > 0);
    if (dy > 0) {
        const int h = std::max(0, ih - (dx > 0 ? ScrollBarWidth : 0));
        f->VScroll1->resize(ScrollBarWidth, h);
        f->VScroll1->setPageStep(std::max(1, h));
        f->VScroll1->setMaximum(std::max(0, ph - h));
        f->VScroll1->setSingleStep(std::max(1, h / 2));
    } else {
        f->VScroll1->setValue(0);
    }
    f->VScroll1->setVisible(dy > 0);
    f->PctrUgol->setVisible(f->HScroll1->isVisible() && f->VScroll1->isVisible());
    if (f->PctrUgol->isVisible()) f->PctrUgol->raise();
}

} // namespace ProkrutkaM
