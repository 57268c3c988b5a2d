#pragma once
// The new-crossword dialog: columns, rows, name, and whether the crossword is a bare grid.
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "widgets/TextBox.h"

class frmForma;

class frmRazmer : public QDialog {
    Q_OBJECT
  public:
    // The new crossword goes onto owner's field.
    explicit frmRazmer(frmForma& owner);

    TextBox* txtX = nullptr;
    TextBox* txtY = nullptr;
    TextBox* txtNameKross = nullptr;
    QCheckBox* chNoOtvet = nullptr;
    QPushButton* kOK = nullptr;
    QPushButton* kNO = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;

    void kOK_Click();
    void kNO_Click();

  private:
    void textChanged();
    frmForma& owner_;
};
