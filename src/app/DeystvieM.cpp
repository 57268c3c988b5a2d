#include "app/DeystvieM.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "export/ExportCommands.h"

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
    ExportCommands::ApplyMode(*f);
}

} // namespace DeystvieM

#include "app/UiText.h"
#include "lang/LanguageFile.h"

namespace DeystvieM {
namespace {
// The window caption a mode shows, from the texts in force and the crossword on screen.
QString windowCaption(int32_t mode, CaptionMoment moment) {
    const std::string kross = MainForm() ? Cp(Plain(MainForm()->Kross->title())) : std::string();
    const auto& d = Doc();
    const ModeCaptionFacts facts{kross, d.KrossName, d.KrossAuthor, d.WordCount, d.SolvedCount};
    return Q(CaptionsOfMode(Lang(), mode, moment, facts).Window.value_or(std::string()));
}
} // namespace

QString BareGridCaption() {
    return windowCaption(Mode::SolveBare, CaptionMoment::EnteringMode);
}
QString SolvingCaption() {
    return windowCaption(Mode::Solve, CaptionMoment::EnteringMode);
}
QString NamedGridCaption() {
    return windowCaption(Mode::BareAuthoring, CaptionMoment::LanguageChanged);
}
QString AuthoringCaption() {
    return windowCaption(Mode::Authoring, CaptionMoment::EnteringMode);
}
QString NewGridCaption() {
    return windowCaption(Mode::NewGrid, CaptionMoment::EnteringMode);
}
QString WordsCaption(int64_t count) {
    return Q(WordsLabelText(Lang(), count));
}

} // namespace DeystvieM
