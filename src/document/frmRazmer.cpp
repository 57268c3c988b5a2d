#include "document/frmRazmer.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "app/DeystvieMUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "basics/NumberText.h"
#include "document/GridLimits.h"
#include "document/KodKodirovkiM.h"
#include "grid/NewPoleMUi.h"
#include "widgets/DialogButtons.h"
#include "widgets/FitToTitle.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace {
// The number a size box holds: its leading decimal number (no number reads as 0).
double boxNumber(const TextBox* box) {
    return NumberText::LeadingValue(Cp(box->text()));
}
} // namespace

frmRazmer::frmRazmer(frmForma& owner) : QDialog(&owner), owner_(owner) {
    setObjectName("frmRazmer");
    const auto& t = Lang();
    setWindowTitle(Plain(Q(t.LangText[LangTextItem::NewKrossTitle])));
    auto* grid = new QGridLayout(this);
    Label1 = new QLabel(Q(t.LangText[LangTextItem::ColumnsLabel]), this);
    Label2 = new QLabel(Q(t.LangText[LangTextItem::RowsLabel]), this);
    Label3 = new QLabel(Q(t.LangText[LangTextItem::SizeHeading]), this);
    Label4 = new QLabel(Q(t.LangText[LangTextItem::NameLabel]), this);
    // Texts from the language file (and names from files) are shown as they are, never as markup.
    for (QLabel* label : {Label1, Label2, Label3, Label4})
        label->setTextFormat(Qt::PlainText);
    txtX = new TextBox(this);
    txtY = new TextBox(this);
    txtNameKross = new TextBox(this);
    txtX->setObjectName("txtX");
    txtY->setObjectName("txtY");
    txtNameKross->setObjectName("txtNameKross");
    Label1->setBuddy(txtX);
    Label2->setBuddy(txtY);
    Label4->setBuddy(txtNameKross);
    chNoOtvet = new QCheckBox(Q(t.LangText[LangTextItem::NoAnswersWording]), this);
    chNoOtvet->setObjectName("chNoOtvet");
    const DialogButtons okCancel = MakeDialogButtons(this, Q(t.LangText[LangTextItem::CancelButton]));
    kOK = okCancel.ok;
    kNO = okCancel.cancel;
    kOK->setEnabled(false);
    grid->addWidget(Label3, 0, 0, 1, 2);
    grid->addWidget(Label1, 1, 0);
    grid->addWidget(txtX, 1, 1);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(txtY, 2, 1);
    grid->addWidget(Label4, 3, 0);
    grid->addWidget(txtNameKross, 3, 1);
    grid->addWidget(chNoOtvet, 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(kOK);
    buttons->addWidget(kNO);
    grid->addLayout(buttons, 5, 0, 1, 2);

    for (TextBox* box : {txtX, txtY}) {
        // Only digits go into the size boxes; control codes such as Backspace pass.
        box->KeyPress = [](char32_t ch) { return ch <= 8 || (ch >= U'0' && ch <= U'9'); };
        box->KeyDown = [this](int key) {
            if (key == TextBox::Escape) {
                kNO_Click();
                return true;
            }
            return false;
        };
    }
    for (TextBox* box : {txtX, txtY, txtNameKross})
        connect(box, &QLineEdit::textChanged, this, &frmRazmer::textChanged);
    connect(kOK, &QPushButton::clicked, this, &frmRazmer::kOK_Click);
    connect(kNO, &QPushButton::clicked, this, &frmRazmer::kNO_Click);
    FitToTitle(*this);
}

void frmRazmer::textChanged() {
    kOK->setEnabled(boxNumber(txtX) > 0 && boxNumber(txtY) > 0 && !txtNameKross->text().isEmpty());
}

void frmRazmer::kNO_Click() {
    reject();
}

void frmRazmer::kOK_Click() {
    if (!kOK->isEnabled()) return;
    auto& d = Doc();
    const auto cols = NumberText::RoundToInt32(boxNumber(txtX));
    const auto rows = NumberText::RoundToInt32(boxNumber(txtY));
    if (!cols || !rows || !GridLimits::GridFits(*cols, *rows, Opt().CellSize)) {
        // Too large to draw or to hold: nothing changes and the dialog stays open.
        MsgBoxM::Show(Q(Lang().Captions[LangIndex::GridTooLargeMsg]), MsgBoxM::Style::Critical);
        return;
    }
    d.ActiveStyle = 0;
    d.GridWidth = *cols;
    d.GridHeight = *rows;
    d.GridLayers.Redim(d.GridWidth, d.GridHeight, 0);
    d.AppMode = Mode::NewGrid;
    owner_.setWindowTitle(DeystvieM::NewGridCaption(owner_));
    d.KrossFile.clear();
    d.KrossAuthor.clear();
    NewPoleM::NewField(owner_);
    DeystvieM::ApplyMode(owner_);
    d.NoAnswers = chNoOtvet->isChecked() ? 1 : 0;
    d.EditPassword.clear();
    d.KrossName = Cp(txtNameKross->text());
    d.Modified = false;
    d.EditingGrid = false;
    owner_.ForgetEdits();
    KodKodirovkiM::BuildCodeTables(d);
    owner_.Form_Resize();
    accept();
}
