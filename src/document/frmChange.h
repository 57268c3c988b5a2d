#pragma once
// The unlock dialog: the right edit password turns an opened crossword back into authoring.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "app/TextBox.h"

class frmChange : public QDialog {
    Q_OBJECT
  public:
    explicit frmChange(QWidget* parent);

    TextBox* txtPassword = nullptr;
    QPushButton* kOK = nullptr;
    QPushButton* kNO = nullptr;
    QLabel* Label1 = nullptr;

    void kOK_Click();
    void kNO_Click();
};
