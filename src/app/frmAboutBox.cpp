#include "app/frmAboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/ProgramState.h"
#include "widgets/UiText.h"

frmAboutBox::frmAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAboutBox");
    setWindowTitle(Plain(Q(Lang().Captions[LangIndex::HelpAbout])).isEmpty()
                       ? QStringLiteral("Gridmora")
                       : Plain(Q(Lang().Captions[LangIndex::HelpAbout])));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("<h2>Gridmora</h2>"), this);
    name->setObjectName("lblName");
    auto* version = new QLabel(QStringLiteral("Version %1").arg(QStringLiteral(GRIDMORA_VERSION)), this);
    version->setObjectName("lblVersion");
    auto* about = new QLabel(QStringLiteral("A crossword workshop: draw a grid, write clues and answers,\n"
                                            "solve crosswords and publish them as web pages."),
                             this);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(about);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}
