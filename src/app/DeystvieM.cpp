#include "app/DeystvieM.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"

namespace DeystvieM {

void ApplyMode() {
    frmForma* f = MainForm();
    if (!f) return;
    const int32_t m = Doc().AppMode;
    const bool drawing = m == Mode::NewGrid;
    f->ChSimmetrija->setVisible(drawing);
    f->lblKoordinaty->setVisible(drawing);
    f->kReshotkaGotova->setVisible(drawing);
    f->kClearPole->setVisible(drawing);
    f->lblSlov->setVisible(m > 2);
    f->lblStatistika->setVisible(m > 2);
    const bool clues = m == Mode::Authoring || m == Mode::Solve;
    f->lblGorizont->setVisible(clues);
    f->lblVopros[0]->setText(QString());
    f->lblVopros[0]->setVisible(clues);
    f->lblVertikal->setVisible(clues);
    f->lblVopros[1]->setText(QString());
    f->lblVopros[1]->setVisible(clues);
    const bool entry = m == Mode::Authoring || m == Mode::SolveBare || m == Mode::Solve;
    f->lblVoprosOtvet->setVisible(entry);
    f->txtVoprosOtvet->setText(QString());
    f->txtVoprosOtvet->setVisible(m == Mode::Authoring);
    f->lblOtvet->setVisible(m == Mode::Authoring);
    f->txtOtvet->setText(QString());
    f->txtOtvet->setVisible(entry);
    f->txtOtvet->move(f->txtOtvet->x(), m == Mode::Authoring ? 458 : 426);

    f->FileSave->setEnabled(m > 2);
    f->FileSaveAs->setEnabled(m > 2);
    f->KrossChange->setEnabled(m == Mode::Solve || m == Mode::Incomplete);
    f->KrossAbout->setEnabled(m == Mode::Authoring);
    f->KrossFoundWord->setEnabled(m == Mode::Authoring);
    f->KrossCopyWord->setEnabled(m == Mode::Authoring);
    f->KrossDelOtwet->setEnabled(false);
    f->OptionsRazmerKF->setEnabled(m > 0);
}

} // namespace DeystvieM

#include "app/UiText.h"
#include "basics/NumberText.h"

namespace DeystvieM {
namespace {
QString krossHead() {
    const QString k = MainForm() ? Plain(MainForm()->Kross->title()) : QString();
    return k + QStringLiteral(": \"") + Q(Doc().KrossName) + QStringLiteral("\"");
}
} // namespace

QString BareGridCaption() { return krossHead() + QStringLiteral(" (") + Q(Lang().LangText[4]) + QStringLiteral(")"); }

QString SolvingCaption() {
    return krossHead() + QStringLiteral(" ") + Q(Lang().LangAuthorWord) + QStringLiteral(" ") + Q(Doc().KrossAuthor);
}

QString NamedGridCaption() { return krossHead(); }

QString AuthoringCaption() { return Q(Lang().LangAppTitle) + QStringLiteral(" ") + Q(Lang().LangModeAuthoring); }

QString NewGridCaption() { return Q(Lang().LangAppTitle) + QStringLiteral(" ") + Q(Lang().LangModeNewGrid); }

QString WordsCaption(int64_t count) { return Q(Lang().LangWordsLabel + NumberText::Signed(count)); }

} // namespace DeystvieM
