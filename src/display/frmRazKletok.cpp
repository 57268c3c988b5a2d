#include "display/frmRazKletok.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/ApiFontUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "basics/NumberText.h"
#include "display/CellPainter.h"
#include "display/FieldWidget.h"
#include "display/NewFontMUi.h"
#include "display/ShowReshotkaMUi.h"
#include "display/ShowSlovoMUi.h"
#include "document/GridLimits.h"
#include "grid/FieldGeometry.h"
#include "grid/NewPoleMUi.h"
#include "widgets/DialogButtons.h"
#include "widgets/FitToTitle.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

frmRazKletok::frmRazKletok(frmForma& owner, const QString& title) : QDialog(&owner), owner_(owner) {
    setObjectName("frmRazKletok");
    const auto& t = Lang();
    const auto& o = Opt();
    setWindowTitle(title);

    Label1 = new QLabel(Q(t.LangText[LangTextItem::CellSizeLabel]), this);
    Label2 = new QLabel(Q(t.LangText[LangTextItem::NumberSizeLabel]), this);
    Label3 = new QLabel(Q(t.LangText[LangTextItem::PreviewLabel]), this);
    // Texts from the language file (and names from files) are shown as they are, never as markup.
    for (QLabel* label : {Label1, Label2, Label3})
        label->setTextFormat(Qt::PlainText);
    txtSzKletok = new TextBox(this);
    txtSzKletok->setObjectName("txtSzKletok");
    txtSzKletok->setMaximumWidth(80);
    SzNomer = new QComboBox(this);
    SzNomer->setObjectName("SzNomer");
    SzNomer->addItems({QStringLiteral("x1"), QStringLiteral("x2"), QStringLiteral("x3")});
    kFont = new QPushButton(Q(t.LangText[LangTextItem::FontButton]), this);
    kFont->setObjectName("kFont");
    picKletka = new PictureWidget(this);
    picKletka->setObjectName("picKletka");
    picKletka->setFocusPolicy(Qt::NoFocus);
    picKletka->S.Resize(PreviewSide, PreviewSide);
    picKletka->setFixedSize(PreviewSide, PreviewSide);
    Label1->setBuddy(txtSzKletok);
    Label2->setBuddy(SzNomer);
    const DialogButtons okCancel = MakeDialogButtons(this, Q(t.LangText[LangTextItem::CancelButton]));
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
    grid->setSizeConstraint(QLayout::SetFixedSize); // FitToTitle keeps it fixed

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
    FitToTitle(*this);
}

std::optional<int32_t> frmRazKletok::boxSize() const {
    return NumberText::RoundToInt32(NumberText::LeadingValue(Cp(txtSzKletok->text())));
}

void frmRazKletok::NewFontK() {
    const auto& o = Opt();
    const QFont font = NewFontM::LetterFont(o);
    picKletka->S.SetFont(font);
    picKletka->S.SetTextColor(o.LetterFontColor);
    owner_.ExportPicture().SetFont(font);
    owner_.ExportPicture().SetTextColor(o.LetterFontColor);
    DrawPreview();
}

void frmRazKletok::DrawPreview() {
    // The preview only shows one cell; a size far beyond the picture is drawn as the picture allows.
    const int s = std::clamp<int32_t>(boxSize().value_or(0), 0, 100 * PreviewSide);
    const int k = SzNomer->currentIndex() + 1;
    Surface& p = picKletka->S;
    p.Clear();
    // A cell with the number 1 and the letter "A", placed as the first cell of the field.
    const QString a = QStringLiteral("A");
    const CellPainter::CellMetrics m{s, k, s - p.TextHeight(a)};
    const FieldGeometry::Box cell = FieldGeometry::CellBox(0, 0, s);
    CellPainter::DrawCell(p, cell.Left, cell.Top, {Colors::White, 1, a}, m);
}

void frmRazKletok::txtSzKletok_Change() {
    if (NumberText::LeadingValue(Cp(txtSzKletok->text())) > 10) DrawPreview();
}

void frmRazKletok::SzNomer_Click() {
    DrawPreview();
}

void frmRazKletok::kFont_Click() {
    if (ApiFont::ChooseLetterFont(this) > 0) NewFontK();
}

void frmRazKletok::kNO_Click() {
    reject();
}

void frmRazKletok::done(int result) {
    if (!confirmed) {
        // Closed without OK: the letter font in force on the field is the one the settings keep.
        auto& o = Opt();
        const QFont& font = owner_.Field().LetterFont();
        o.LetterFontName = Cp(font.family());
        if (font.pointSizeF() > 0) o.LetterFontSize = static_cast<int32_t>(std::nearbyint(font.pointSizeF()));
        o.LetterFontBold = font.bold();
        o.LetterFontItalic = font.italic();
        o.LetterFontUnderline = font.underline();
        o.LetterFontColor = owner_.Field().LetterColor();
    }
    QDialog::done(result);
}

void frmRazKletok::kOK_Click() {
    auto& o = Opt();
    auto& d = Doc();
    const std::optional<int32_t> size = boxSize();
    // Cells of less than a pixel have no geometry (an empty box reads as 0), and the field must stay
    // within what a surface holds.
    if (size && *size < 1) {
        MsgBoxM::Show(Tr(LangIndex::CellSizeTooSmall), MsgBoxM::Style::Critical);
        return;
    }
    const bool hasGrid = d.GridWidth > 0 && d.GridHeight > 0;
    if (!size || !GridLimits::GridFits(hasGrid ? d.GridWidth : 1, hasGrid ? d.GridHeight : 1, *size)) {
        MsgBoxM::Show(Q(Lang().Captions[LangIndex::GridTooLargeMsg]), MsgBoxM::Style::Critical);
        return;
    }
    hide();
    o.CellSize = *size;
    if (SzNomer->currentIndex() >= 0) o.NumberSize = SzNomer->currentIndex() + 1;
    FieldWidget& field = owner_.Field();
    if (d.AppMode == Mode::NewGrid) {
        // The grid being drawn keeps the colour of every cell, laid out at the new size.
        const int32_t w = d.GridWidth, h = d.GridHeight, cs = o.CellSize;
        field.SetMetrics({cs, o.NumberSize, field.Metrics().LetterOffsetY});
        field.SetLayout(static_cast<int>(FieldGeometry::DrawingFieldSide(w, cs)),
                        static_cast<int>(FieldGeometry::DrawingFieldSide(h, cs)), w, h);
        // The numbers the grid would get, at the new sizes.
        NewPoleM::ShowNumbers(owner_);
        owner_.UpdateScrollBars();
    } else {
        const int32_t n = d.CurNumber, dir = d.CurDirection;
        NewFontM::ApplyLetterFont(owner_);
        // The field grows or shrinks with its cells before the words are drawn again.
        if (hasGrid)
            field.SetLayout(FieldGeometry::NumberedFieldSide(d.GridWidth, o.CellSize),
                            FieldGeometry::NumberedFieldSide(d.GridHeight, o.CellSize), d.GridWidth,
                            d.GridHeight);
        ShowReshotkaM::RedrawGrid(owner_);
        d.CurNumber = n;
        d.CurDirection = dir;
        if (d.CurNumber > 0 && d.AppMode != Mode::BareAuthoring)
            ShowSlovoM::DrawWord(owner_, d.CurNumber, d.CurDirection, SelectionColor);
        if (d.CurDownNumber > 0 && d.AppMode == Mode::Solve)
            ShowSlovoM::DrawWord(owner_, d.CurDownNumber, 1, SelectionColor);
    }
    confirmed = true;
    accept();
}
