#pragma once
// The field as a widget (picPole) and its container (picControl). The widget paints its surface and
// reports mouse and focus events; the cell dialog's preview is one too.
#include <QWidget>
#include <functional>

#include "display/Surface.h"

class FieldWidget : public QWidget {
    Q_OBJECT
  public:
    explicit FieldWidget(QWidget* parent);
    Surface S{Colors::FieldBack};
    // Width and height of the picture; the widget follows the surface.
    void SyncSize();
    std::function<void(Qt::MouseButton, double, double)> MouseDown, MouseUp;
    std::function<void(double, double)> MouseMove;
    std::function<void()> GotFocus;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

  private:
    bool updatePending_ = false;
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
