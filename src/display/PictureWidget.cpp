#include "display/PictureWidget.h"

#include <QPaintEvent>
#include <QPainter>

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    S.Changed = [this](const QRect& r) { update(r); };
}

void PictureWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.fillRect(e->rect(), ToQColor(S.Background()));
    p.drawImage(e->rect().topLeft(), S.Image(), e->rect());
}
