#include "document/frmChange.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "app/DeystvieMUi.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "document/OpenKrossM.h"
#include "grid/FoundNoOtvetMUi.h"
#include "grid/LoadReshotkiMUi.h"
#include "widgets/DialogButtons.h"
#include "widgets/FitToTitle.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

frmChange::frmChange(frmForma& owner, const QString& title) : QDialog(&owner), owner_(owner) {
    setObjectName("frmChange");
    const auto& t = Lang();
    setWindowTitle(title);
    Label1 = new QLabel(Q(t.LangText[LangTextItem::PasswordLabel]), this);
    // Texts from the language file (and names from files) are shown as they are, never as markup.
    for (QLabel* label : {Label1})
        label->setTextFormat(Qt::PlainText);
    txtPassword = new TextBox(this);
    txtPassword->setObjectName("txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    Label1->setBuddy(txtPassword);
    const DialogButtons okCancel = MakeDialogButtons(this, Q(t.LangText[LangTextItem::CancelButton]));
    kOK = okCancel.ok;
    kNO = okCancel.cancel;

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtPassword, 0, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(kOK);
    buttons->addWidget(kNO);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 200);

    txtPassword->KeyDown = [this](int key) {
        if (key != TextBox::Escape) return false;
        kNO_Click();
        return true;
    };
    connect(kOK, &QPushButton::clicked, this, &frmChange::kOK_Click);
    connect(kNO, &QPushButton::clicked, this, &frmChange::kNO_Click);
    FitToTitle(*this);
}

void frmChange::kNO_Click() {
    reject();
}

void frmChange::kOK_Click() {
    auto& d = Doc();
    // Exact comparison: the password is case-sensitive, and no password is unlocked by an empty box.
    if (OpenKrossM::Unscramble(d, d.EditPassword) != Cp(txtPassword->text())) {
        MsgBoxM::Show(Q(Lang().LangText[LangTextItem::WrongPasswordMsg]), MsgBoxM::Style::Information);
        return;
    }
    hide();
    d.ActiveStyle = 0;
    d.AppMode = Mode::Authoring;
    // The solver's marks go; the count of solved words is left as it was.
    d.SolvedWords.Redim(d.NumberCount, 1);
    LoadReshotkiM::LoadGrid(owner_);
    DeystvieM::ApplyMode(owner_);
    FoundNoOtvetM::FindUnanswered(owner_);
    owner_.SetPrompt(Q(Lang().LangAuthorPrompt));
    owner_.setWindowTitle(DeystvieM::AuthoringCaption(owner_));
    d.Modified = false;
    owner_.ForgetEdits();
    accept();
}
