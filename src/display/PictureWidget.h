#pragma once
// A widget that shows one small picture whole: the cell dialog's preview (picKletka).
#include <QWidget>

#include "display/Surface.h"

class PictureWidget : public QWidget {
    Q_OBJECT
  public:
    explicit PictureWidget(QWidget* parent);
    // The picture; the widget repaints whenever it is drawn on.
    Surface S{Colors::FieldBack};

  protected:
    void paintEvent(QPaintEvent* e) override;
};
