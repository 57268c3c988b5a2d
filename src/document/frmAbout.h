#pragma once
// The crossword properties: author, name and edit password.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "widgets/TextBox.h"

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    // title: the caption of the command, plain.
    frmAbout(QWidget* parent, const QString& title);

    TextBox* txtNameAutor = nullptr;
    TextBox* txtNameKross = nullptr;
    TextBox* txtPW = nullptr;
    TextBox* txtPW2 = nullptr;
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
};
