#pragma once
// The unlock dialog: the right edit password turns an opened crossword back into authoring.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "widgets/TextBox.h"

class frmForma;

class frmChange : public QDialog {
    Q_OBJECT
  public:
    // Unlocking puts owner into authoring; title: the caption of the command, plain.
    explicit frmChange(frmForma& owner, const QString& title);

    TextBox* txtPassword = nullptr;
    QPushButton* kOK = nullptr;
    QPushButton* kNO = nullptr;
    QLabel* Label1 = nullptr;

    void kOK_Click();
    void kNO_Click();

  private:
    frmForma& owner_;
};
