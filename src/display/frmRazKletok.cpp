#include "display/frmRazKletok.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/ApiFont.h"
#include "app/DialogButtons.h"
#include "app/MsgBoxM.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "basics/NumberText.h"
#include "display/NewFontM.h"
#include "display/ProkrutkaM.h"
#include "display/ShowReshotkaM.h"
#include "display/ShowSlovoM.h"
#include "document/GridLimits.h"

frmRazKletok::frmRazKletok(QWidget* parent) : QDialog(parent) {
    setObjectName("frmRazKletok");
    const auto& t = Lang();
    const auto& o = Opt();
    if (frmForma* f = MainForm()) setWindowTitle(Plain(f->OptionsRazmerKF->text()));

    Label1 = new QLabel(Q(t.LangText[17]), this);
    Label2 = new QLabel(Q(t.LangText[18]), this);
    Label3 = new QLabel(Q(t.LangText[20]), this);
    // Texts from the language file (and names from files) are shown as they are, never as markup.
    for (QLabel* label : {Label1, Label2, Label3})
        label->setTextFormat(Qt::PlainText);
    txtSzKletok = new TextBox(this);
    txtSzKletok->setObjectName("txtSzKletok");
    txtSzKletok->setMaximumWidth(80);
    SzNomer = new QComboBox(this);
    SzNomer->setObjectName("SzNomer");
    SzNomer->addItems({QStringLiteral("x1"), QStringLiteral("x2"), QStringLiteral("x3")});
    kFont = new QPushButton(Q(t.LangText[19]), this);
    kFont->setObjectName("kFont");
    picKletka = new FieldWidget(this);
    picKletka->setObjectName("picKletka");
    picKletka->setFocusPolicy(Qt::NoFocus);
    picKletka->S.Resize(PreviewSide, PreviewSide);
    picKletka->setFixedSize(PreviewSide, PreviewSide);
    Label1->setBuddy(txtSzKletok);
    Label2->setBuddy(SzNomer);
    const DialogButtons okCancel = MakeDialogButtons(this, Q(t.LangText[5]));
    kOK = okCancel.ok;
    kNO = okCancel.cancel;
    kFont->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtSzKletok, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(SzNomer, 1, 1);
    grid->addWidget(kFont, 2, 0, 1, 2);
    grid->addWidget(Label3, 3, 0, Qt::AlignTop);
    grid->addWidget(picKletka, 3, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(kOK);
    buttons->addWidget(kNO);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    SzNomer->setCurrentIndex(o.NumberSize >= 1 && o.NumberSize <= 3 ? o.NumberSize - 1 : -1);
    txtSzKletok->setText(QString::fromStdString(NumberText::Plain(o.CellSize)));

    // Only digits go into the size box; control codes such as Backspace pass.
    txtSzKletok->KeyPress = [](char32_t ch) { return ch <= 8 || (ch >= U'0' && ch <= U'9'); };
    connect(txtSzKletok, &QLineEdit::textChanged, this, &frmRazKletok::txtSzKletok_Change);
    connect(SzNomer, &QComboBox::currentIndexChanged, this, &frmRazKletok::SzNomer_Click);
    connect(kFont, &QPushButton::clicked, this, &frmRazKletok::kFont_Click);
    connect(kOK, &QPushButton::clicked, this, &frmRazKletok::kOK_Click);
    connect(kNO, &QPushButton::clicked, this, &frmRazKletok::kNO_Click);
    NewFontK();
}

std::optional<int32_t> frmRazKletok::boxSize() const {
    return NumberText::RoundToInt32(NumberText::LeadingValue(Cp(txtSzKletok->text())));
}

void frmRazKletok::NewFontK() {
    const auto& o = Opt();
    const QFont font = NewFontM::LetterFont(o);
    picKletka->S.SetFont(font);
    picKletka->S.SetTextColor(o.LetterFontColor);
    if (frmForma* f = MainForm()) {
        f->picCopyKross.SetFont(font);
        f->picCopyKross.SetTextColor(o.LetterFontColor);
    }
    DrawPreview();
}

void frmRazKletok::DrawPreview() {
    // The preview only shows one cell; a size far beyond the picture is drawn as the picture allows.
    const int s = std::clamp<int32_t>(boxSize().value_or(0), 0, 100 * PreviewSide);
    const int k = SzNomer->currentIndex() + 1;
    Surface& p = picKletka->S;
    p.Clear();
    p.FillBox(5, 5, s + 5, s + 5, Colors::White);
    p.Outline(5, 5, s + 5, s + 5, Colors::Black);
    if (frmForma* f = MainForm(); f && k >= 1 && k <= 3) {
        const Surface& strip = f->picNomera[static_cast<size_t>(k - 1)];
        p.CopyFrom(strip, 5 * k, 0, 5 * k, strip.Height(), 7, 7);
    }
    const QString a = QStringLiteral("A");
    p.DrawText(s + 5 - p.TextWidth(a) - 2, s - p.TextHeight(a) + 5, a);
}

void frmRazKletok::txtSzKletok_Change() {
    if (NumberText::LeadingValue(Cp(txtSzKletok->text())) > 10) DrawPreview();
}

void frmRazKletok::SzNomer_Click() {
    DrawPreview();
}

void frmRazKletok::kFont_Click() {
    if (ApiFont::ChooseLetterFont() > 0) NewFontK();
}

void frmRazKletok::kNO_Click() {
    reject();
}

void frmRazKletok::done(int result) {
    if (!confirmed) {
        // Closed without OK: the letter font in force on the field is the one the settings keep.
        if (frmForma* f = MainForm()) {
            auto& o = Opt();
            const QFont& font = f->picPole->S.Font();
            o.LetterFontName = Cp(font.family());
            if (font.pointSizeF() > 0)
                o.LetterFontSize = static_cast<int32_t>(std::nearbyint(font.pointSizeF()));
            o.LetterFontBold = font.bold();
            o.LetterFontItalic = font.italic();
            o.LetterFontUnderline = font.underline();
            o.LetterFontColor = f->picPole->S.TextColor();
        }
    }
    QDialog::done(result);
}

void frmRazKletok::kOK_Click() {
    auto& o = Opt();
    auto& d = Doc();
    const std::optional<int32_t> size = boxSize();
    // Cells of less than a pixel have no geometry, and the field must stay within what a surface holds.
    const bool hasGrid = d.GridWidth > 0 && d.GridHeight > 0;
    if (!size || !GridLimits::GridFits(hasGrid ? d.GridWidth : 1, hasGrid ? d.GridHeight : 1, *size)) {
        MsgBoxM::Show(Q(Lang().Captions[75]), MsgBoxM::Style::Critical);
        return;
    }
    hide();
    const int32_t old = o.CellSize;
    o.CellSize = *size;
    if (SzNomer->currentIndex() >= 0) o.NumberSize = SzNomer->currentIndex() + 1;
    frmForma* f = MainForm();
    if (f && d.AppMode == Mode::NewGrid) {
        // The grid being drawn is held only as the colours of its cells: read each at the old size and
        // paint it again at the new one.
        const int32_t w = d.GridWidth, h = d.GridHeight, cs = o.CellSize;
        Surface& s = f->picPole->S;
        std::vector<int32_t> colours(static_cast<size_t>(w) * static_cast<size_t>(h));
        for (int32_t r = 0; r < h; ++r)
            for (int32_t c = 0; c < w; ++c)
                colours[static_cast<size_t>(r) * w + c] = s.Pixel(c * old + 6, r * old + 6);
        s.Clear();
        s.Resize(w * cs + 15, h * cs + 15);
        s.FillBox(5, 5, w * cs + 5, h * cs + 5, Colors::Black);
        for (int32_t r = 0; r < h; ++r)
            for (int32_t c = 0; c < w; ++c)
                s.FillBox(c * cs + 6, r * cs + 6, c * cs + cs + 4, r * cs + cs + 4,
                          colours[static_cast<size_t>(r) * w + c]);
        ProkrutkaM::UpdateScrollBars();
    } else if (f) {
        const int32_t n = d.CurNumber, dir = d.CurDirection;
        NewFontM::ApplyLetterFont();
        // The field grows or shrinks with its cells before the words are drawn again.
        if (hasGrid) f->picPole->S.Resize(o.CellSize * d.GridWidth + 10, o.CellSize * d.GridHeight + 10);
        ShowReshotkaM::RedrawGrid();
        d.CurNumber = n;
        d.CurDirection = dir;
        if (d.CurNumber > 0 && d.AppMode != Mode::BareAuthoring)
            ShowSlovoM::DrawWord(d.CurNumber, d.CurDirection, SelectionColor);
        if (d.CurDownNumber > 0 && d.AppMode == Mode::Solve)
            ShowSlovoM::DrawWord(d.CurDownNumber, 1, SelectionColor);
    }
    confirmed = true;
    accept();
}
