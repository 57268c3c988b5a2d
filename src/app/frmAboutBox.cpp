#include "app/frmAboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "lang/LanguageFile.h"
#include "widgets/FitToTitle.h"
#include "widgets/UiText.h"

frmAboutBox::frmAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAboutBox");
    // Titled like the command that opens it.
    setWindowTitle(Plain(Q(CaptionOrEnglish(Lang(), LangIndex::HelpAbout))));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("<h2>Gridmora</h2>"), this);
    name->setObjectName("lblName");
    auto* version = new QLabel(
        Tr(LangIndex::AboutVersion) + QStringLiteral(" ") + QStringLiteral(GRIDMORA_VERSION), this);
    version->setObjectName("lblVersion");
    auto* about = new QLabel(Tr(LangIndex::AboutText), this);
    about->setObjectName("lblAbout");
    about->setWordWrap(true);
    about->setMinimumWidth(360);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(about);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    FitToTitle(*this);
}
