#pragma once
// The about box: the program's name, version and what it does, in the language in force.
#include <QDialog>

class frmAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit frmAboutBox(QWidget* parent);
};
