#include "display/FieldWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

FieldWidget::FieldWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // One repaint of the visible part follows any number of drawing steps: marking the exact rectangles
    // of thousands of cells would cost more than the drawing itself.
    S.Changed = [this](const QRect&) {
        SyncSize();
        if (updatePending_) return;
        updatePending_ = true;
        QTimer::singleShot(0, this, [this] {
            updatePending_ = false;
            update();
        });
    };
}

void FieldWidget::SyncSize() {
    if (width() != S.Width() || height() != S.Height()) resize(S.Width(), S.Height());
}

void FieldWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(e->rect().topLeft(), S.Image(), e->rect());
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

void FieldWidget::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (GotFocus) GotFocus();
}

void FieldContainer::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (GotFocus) GotFocus();
}
