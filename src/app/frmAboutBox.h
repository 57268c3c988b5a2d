#pragma once
// The about box: the program's name and version.
#include <QDialog>

class frmAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit frmAboutBox(QWidget* parent);
};
