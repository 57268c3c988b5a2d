#include "app/ApiFontUi.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPixmap>
#include <algorithm>

#include "app/ProgramState.h"
#include "display/Surface.h"
#include "widgets/FitToTitle.h"
#include "widgets/UiText.h"

namespace ApiFont {
namespace {

Responder& responder() {
    static Responder r;
    return r;
}

// The dialog stands in for the platform's font dialog, so it speaks with the toolkit's own words.
QString platformText(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

QFont fontOf(const LetterFontChoice& c) {
    QFont f(c.Family);
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(std::clamp<int32_t>(c.PointSize, LetterFontDialog::MinSize, LetterFontDialog::MaxSize));
    f.setBold(c.Bold);
    f.setItalic(c.Italic);
    f.setUnderline(c.Underline);
    f.setStrikeOut(c.Strikeout);
    return f;
}

} // namespace

void SetResponder(Responder r) {
    responder() = std::move(r);
}

LetterFontChoice StartChoice(const Settings& s) {
    LetterFontChoice c;
    c.Family = Q(s.LetterFontName);
    c.PointSize = s.LetterFontSize;
    c.Bold = s.LetterFontBold;
    c.Italic = s.LetterFontItalic;
    c.Underline = s.LetterFontUnderline;
    c.Strikeout = s.LetterFontStrikeout;
    c.Color = s.LetterFontColor;
    return c;
}

void TakeChoice(const LetterFontChoice& c, Settings& s) {
    s.LetterFontItalic = c.Italic;
    s.LetterFontUnderline = c.Underline;
    s.LetterFontStrikeout = c.Strikeout;
    s.LetterFontSize = c.PointSize;
    s.LetterFontColor = c.Color & 0x00FFFFFF;
    s.LetterFontBold = c.Bold;
    // A face the settings cannot hold is not taken, as a face that cannot be created is not.
    if (const auto name = CpExact(c.Family); name && !name->empty()) s.LetterFontName = *name;
}

QStringList OfferedFamilies() {
    QStringList out;
    for (const QString& family : QFontDatabase::families())
        if (!family.isEmpty() && FitsCp1251(family) && !QFontDatabase::isPrivateFamily(family)) out << family;
    out.removeDuplicates();
    out.sort(Qt::CaseInsensitive);
    return out;
}

int32_t ChooseLetterFont(QWidget* parent) {
    auto& o = Opt();
    const LetterFontChoice start = StartChoice(o);
    std::optional<LetterFontChoice> chosen;
    if (responder()) {
        chosen = responder()(start);
    } else {
        LetterFontDialog dialog(start, QApplication::activeWindow() ? QApplication::activeWindow() : parent);
        if (dialog.exec() == QDialog::Accepted) chosen = dialog.Choice();
    }
    if (!chosen) return 0;
    TakeChoice(*chosen, o);
    return 1;
}

LetterFontDialog::LetterFontDialog(const LetterFontChoice& start, QWidget* parent) : QDialog(parent) {
    setObjectName("LetterFontDialog");
    setWindowTitle(platformText("QFontDialog", "Select Font"));
    color_ = start.Color & 0x00FFFFFF;

    FontFamily = new QComboBox(this);
    FontFamily->setObjectName("FontFamily");
    QStringList families = OfferedFamilies();
    // The face in force stays on offer even when this system substitutes it.
    if (!start.Family.isEmpty() && !families.contains(start.Family) && FitsCp1251(start.Family))
        families.prepend(start.Family);
    FontFamily->addItems(families);
    FontFamily->setCurrentIndex(static_cast<int>(std::max<qsizetype>(0, families.indexOf(start.Family))));

    FontSize = new QSpinBox(this);
    FontSize->setObjectName("FontSize");
    FontSize->setRange(MinSize, MaxSize);
    FontSize->setValue(std::clamp<int32_t>(start.PointSize, MinSize, MaxSize));

    Bold = new QCheckBox(platformText("QFontDatabase", "Bold"), this);
    Italic = new QCheckBox(platformText("QFontDatabase", "Italic"), this);
    Underline = new QCheckBox(platformText("QFontDialog", "&Underline"), this);
    Strikeout = new QCheckBox(platformText("QFontDialog", "Stri&keout"), this);
    Bold->setObjectName("Bold");
    Italic->setObjectName("Italic");
    Underline->setObjectName("Underline");
    Strikeout->setObjectName("Strikeout");
    Bold->setChecked(start.Bold);
    Italic->setChecked(start.Italic);
    Underline->setChecked(start.Underline);
    Strikeout->setChecked(start.Strikeout);

    ColorButton = new QPushButton(platformText("QColorDialog", "Select Color"), this);
    ColorButton->setObjectName("ColorButton");

    Sample = new QLabel(this);
    Sample->setObjectName("Sample");
    Sample->setText(QStringLiteral("AaBbЯя 123"));
    Sample->setAlignment(Qt::AlignCenter);
    Sample->setFixedSize(280, 90);
    Sample->setAutoFillBackground(true);
    Sample->setFrameShape(QFrame::StyledPanel);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    OkButton = buttons->button(QDialogButtonBox::Ok);
    CancelButton = buttons->button(QDialogButtonBox::Cancel);
    OkButton->setObjectName("OkButton");
    CancelButton->setObjectName("CancelButton");
    OkButton->setDefault(true);

    auto* grid = new QGridLayout(this);
    auto* familyLabel = new QLabel(platformText("QFontDialog", "&Font"), this);
    familyLabel->setBuddy(FontFamily);
    auto* sizeLabel = new QLabel(platformText("QFontDialog", "&Size"), this);
    sizeLabel->setBuddy(FontSize);
    grid->addWidget(familyLabel, 0, 0);
    grid->addWidget(FontFamily, 0, 1);
    grid->addWidget(sizeLabel, 1, 0);
    grid->addWidget(FontSize, 1, 1, Qt::AlignLeft);
    auto* effects = new QGroupBox(platformText("QFontDialog", "Effects"), this);
    auto* effectsGrid = new QGridLayout(effects);
    effectsGrid->addWidget(Bold, 0, 0);
    effectsGrid->addWidget(Italic, 0, 1);
    effectsGrid->addWidget(Underline, 1, 0);
    effectsGrid->addWidget(Strikeout, 1, 1);
    effectsGrid->addWidget(ColorButton, 2, 0, 1, 2);
    grid->addWidget(effects, 2, 0, 1, 2);
    auto* sampleBox = new QGroupBox(platformText("QFontDialog", "Sample"), this);
    auto* sampleLayout = new QHBoxLayout(sampleBox);
    sampleLayout->addWidget(Sample);
    grid->addWidget(sampleBox, 3, 0, 1, 2);
    grid->addWidget(buttons, 4, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(FontFamily, &QComboBox::currentIndexChanged, this, &LetterFontDialog::updateSample);
    connect(FontSize, &QSpinBox::valueChanged, this, &LetterFontDialog::updateSample);
    for (QCheckBox* box : {Bold, Italic, Underline, Strikeout})
        connect(box, &QCheckBox::toggled, this, &LetterFontDialog::updateSample);
    connect(ColorButton, &QPushButton::clicked, this, &LetterFontDialog::ColorButton_Click);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    updateSample();
    FitToTitle(*this);
}

LetterFontChoice LetterFontDialog::Choice() const {
    LetterFontChoice c;
    c.Family = FontFamily->currentText();
    c.PointSize = FontSize->value();
    c.Bold = Bold->isChecked();
    c.Italic = Italic->isChecked();
    c.Underline = Underline->isChecked();
    c.Strikeout = Strikeout->isChecked();
    c.Color = color_;
    return c;
}

void LetterFontDialog::SetColor(int32_t bgr) {
    color_ = bgr & 0x00FFFFFF;
    updateSample();
}

void LetterFontDialog::ColorButton_Click() {
    QColorDialog picker(ToQColor(color_), this);
    picker.setObjectName("ColorPicker");
    picker.setOption(QColorDialog::DontUseNativeDialog, true);
    if (picker.exec() == QDialog::Accepted && picker.selectedColor().isValid())
        SetColor(FromQColor(picker.selectedColor()));
}

void LetterFontDialog::updateSample() {
    const LetterFontChoice c = Choice();
    Sample->setFont(fontOf(c));
    QPalette p = Sample->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, ToQColor(c.Color));
    Sample->setPalette(p);
    QPixmap swatch(16, 16);
    swatch.fill(ToQColor(c.Color));
    ColorButton->setIcon(QIcon(swatch));
}

} // namespace ApiFont
