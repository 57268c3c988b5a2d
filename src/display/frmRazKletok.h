#pragma once
// Cell size, clue-number size and letter font, with a preview cell.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <cstdint>
#include <optional>

#include "display/PictureWidget.h"
#include "widgets/TextBox.h"

class frmForma;

class frmRazKletok : public QDialog {
    Q_OBJECT
  public:
    // The sizes and the font go onto owner's field; title: the caption of the command, plain.
    frmRazKletok(frmForma& owner, const QString& title);

    TextBox* txtSzKletok = nullptr;
    QComboBox* SzNomer = nullptr;
    QPushButton* kFont = nullptr;
    PictureWidget* picKletka = nullptr; // the preview cell; its surface is picKletka->S
    QPushButton* kOK = nullptr;
    QPushButton* kNO = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;

    // Set by OK just before the dialog closes; a dialog closed without it gives the font back.
    bool confirmed = false;

    // The letter font of the settings onto the preview and the export picture, then the preview.
    void NewFontK();
    // One cell of the size in txtSzKletok, with the number 1 and the letter "A".
    void DrawPreview();

    void txtSzKletok_Change();
    void SzNomer_Click();
    void kFont_Click();
    void kOK_Click();
    void kNO_Click();

    // Side of the preview surface in pixels.
    static constexpr int PreviewSide = 110;

  public slots:
    void done(int result) override;

  private:
    // The size box's number rounded, or nothing when it does not fit 32 bits.
    std::optional<int32_t> boxSize() const;
    frmForma& owner_;
};
