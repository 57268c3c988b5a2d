#include "document/frmAbout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <initializer_list>

#include "app/ProgramState.h"
#include "document/KodKodirovkiM.h"
#include "document/OpenKrossM.h"
#include "document/SaveKrossM.h"
#include "widgets/DialogButtons.h"
#include "widgets/FitToTitle.h"
#include "widgets/UiText.h"

namespace {
// The boxes refuse what cp1251 cannot hold, so their texts convert exactly.
std::string boxText(const TextBox* box) {
    return Cp(box->text());
}
} // namespace

frmAbout::frmAbout(QWidget* parent, const QString& title) : QDialog(parent) {
    setObjectName("frmAbout");
    const auto& t = Lang();
    const auto& d = Doc();
    setWindowTitle(title);

    Label1 = new QLabel(Q(t.LangText[LangTextItem::NameLabel]), this);
    Label2 = new QLabel(Q(t.LangText[LangTextItem::AuthorLabel]), this);
    Label3 = new QLabel(Q(t.LangText[LangTextItem::PasswordLabel]), this);
    Label4 = new QLabel(Q(t.LangText[LangTextItem::RepeatPasswordLabel]), this);
    // Texts from the language file (and names from files) are shown as they are, never as markup.
    for (QLabel* label : {Label1, Label2, Label3, Label4})
        label->setTextFormat(Qt::PlainText);
    txtNameKross = new TextBox(this);
    txtNameAutor = new TextBox(this);
    txtPW = new TextBox(this);
    txtPW2 = new TextBox(this);
    txtNameKross->setObjectName("txtNameKross");
    txtNameAutor->setObjectName("txtNameAutor");
    txtPW->setObjectName("txtPW");
    txtPW2->setObjectName("txtPW2");
    // Every typed character of a password shows as an asterisk.
    for (TextBox* box : {txtPW, txtPW2}) {
        box->setEchoMode(QLineEdit::Password);
        box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    }
    Label1->setBuddy(txtNameKross);
    Label2->setBuddy(txtNameAutor);
    Label3->setBuddy(txtPW);
    Label4->setBuddy(txtPW2);
    // What the password protects, and what it does not: the stored texts are scrambled, not encrypted.
    const QString note =
        QStringLiteral("<p>") + Tr(LangIndex::ProtectionNote).toHtmlEscaped() + QStringLiteral("</p>");
    for (QWidget* w : std::initializer_list<QWidget*>{Label2, Label3, Label4, txtNameAutor, txtPW, txtPW2})
        w->setToolTip(note);
    const DialogButtons okCancel = MakeDialogButtons(this, Q(t.LangText[LangTextItem::CancelButton]));
    kOK = okCancel.ok;
    kNO = okCancel.cancel;
    kOK->setEnabled(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtNameKross, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txtNameAutor, 1, 1);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(txtPW, 2, 1);
    grid->addWidget(Label4, 3, 0);
    grid->addWidget(txtPW2, 3, 1);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(kOK);
    buttons->addWidget(kNO);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnMinimumWidth(1, 220);

    for (TextBox* box : {txtNameAutor, txtNameKross, txtPW, txtPW2})
        connect(box, &QLineEdit::textChanged, this, &frmAbout::textChanged);
    for (TextBox* box : {txtNameAutor, txtNameKross})
        box->KeyDown = [this](int key) {
            if (key != TextBox::Escape) return false;
            kNO_Click();
            return true;
        };
    connect(kOK, &QPushButton::clicked, this, &frmAbout::kOK_Click);
    connect(kNO, &QPushButton::clicked, this, &frmAbout::kNO_Click);

    txtNameAutor->setText(Q(d.KrossAuthor));
    txtNameKross->setText(Q(d.KrossName));
    // The stored password is readable only under the tables of the crossword's name.
    if (!d.KrossName.empty()) {
        const QString password = Q(OpenKrossM::Unscramble(d, d.EditPassword));
        txtPW->setText(password);
        txtPW2->setText(password);
    }
    textChanged();
    FitToTitle(*this);
}

void frmAbout::textChanged() {
    kOK->setEnabled(txtPW2->text() == txtPW->text() && !txtPW->text().isEmpty() &&
                    !txtNameAutor->text().isEmpty() && !txtNameKross->text().isEmpty());
}

void frmAbout::kNO_Click() {
    reject();
}

void frmAbout::kOK_Click() {
    if (!kOK->isEnabled()) return;
    auto& d = Doc();
    d.KrossAuthor = boxText(txtNameAutor);
    const std::string name = boxText(txtNameKross);
    if (name != d.KrossName) {
        d.KrossName = name;
        KodKodirovkiM::BuildCodeTables(d);
    }
    // Scrambled under the tables of the name now in force, so that it stays readable after a rename.
    d.EditPassword = SaveKrossM::Scramble(d, boxText(txtPW2));
    accept();
}
