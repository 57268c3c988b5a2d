#pragma once
// The letter-font dialog: face, size, bold, italic, underline, strike-out and colour of the letters drawn
// in the grid. The toolkit's own font dialog has no colour, so the program brings a small dialog of its
// own. In the program the real dialog is shown; a test installs a responder instead.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

struct Settings;

namespace ApiFont {

// A letter font as the dialog offers it.
struct LetterFontChoice {
    QString Family;
    int32_t PointSize = 10;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strikeout = false;
    int32_t Color = 0; // 0x00BBGGRR
    bool operator==(const LetterFontChoice&) const = default;
};

// The letter-font settings as a choice: where the dialog starts.
LetterFontChoice StartChoice(const Settings& s);

// Writes a confirmed choice into the letter-font settings. A family that cp1251 cannot hold leaves
// LetterFontName as it was; everything else is taken as chosen.
void TakeChoice(const LetterFontChoice& c, Settings& s);

// Runs the dialog from the settings. Confirmed: the settings take the choice and the result is 1.
// Cancelled: 0 and nothing changes. The caller rebuilds the fonts of its surfaces. The dialog belongs to
// the active window, or to parent when no window is active.
int32_t ChooseLetterFont(QWidget* parent = nullptr);

// Replaces the real dialog (tests): gets the starting choice, returns the chosen font or nothing for
// Cancel. An empty function restores the real dialog.
using Responder = std::function<std::optional<LetterFontChoice>(const LetterFontChoice& start)>;
void SetResponder(Responder responder);

// The font families the dialog offers: those of the system whose names cp1251 can hold, by name.
QStringList OfferedFamilies();

// The dialog itself.
class LetterFontDialog : public QDialog {
    Q_OBJECT
  public:
    LetterFontDialog(const LetterFontChoice& start, QWidget* parent);

    QComboBox* FontFamily = nullptr;
    QSpinBox* FontSize = nullptr;
    QCheckBox* Bold = nullptr;
    QCheckBox* Italic = nullptr;
    QCheckBox* Underline = nullptr;
    QCheckBox* Strikeout = nullptr;
    QPushButton* ColorButton = nullptr;
    QLabel* Sample = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // What the controls now say.
    LetterFontChoice Choice() const;
    // Sets the colour as the colour button would.
    void SetColor(int32_t bgr);
    // The colour button: picks a colour in the toolkit's colour dialog.
    void ColorButton_Click();

    static constexpr int MinSize = 1;
    static constexpr int MaxSize = 400;

  private:
    void updateSample();
    int32_t color_ = 0;
};

} // namespace ApiFont
