#pragma once
// The language dialog: the language files of the Language folder by their display names.
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

class frmForma;

class frmLang : public QDialog {
    Q_OBJECT
  public:
    // A language chosen goes onto owner's captions.
    explicit frmLang(frmForma& owner);

    QListWidget* File = nullptr; // the file names, one for each entry of DirT (not shown)
    QListWidget* DirT = nullptr; // the display names
    QLabel* Label1 = nullptr;
    QLabel* Inform = nullptr; // file name of the selected entry
    QPushButton* OK = nullptr;
    QPushButton* NO = nullptr;

    // Row of the selected entry of DirT, or -1.
    int SelectedRow() const;

    void DirT_Click();
    void DirT_DblClick();
    void OK_Click();
    void NO_Click();

  private:
    // Lists the language files and sets the captions of the language in force.
    void Form_Load();
    frmForma& owner_;
};
