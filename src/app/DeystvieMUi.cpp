#include "app/DeystvieMUi.h"

#include "app/DeystvieM.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "export/AnswersRule.h"
#include "lang/LanguageFile.h"
#include "widgets/UiText.h"

namespace DeystvieM {

void ApplyMode(frmForma& f) {
    const auto& d = Doc();
    f.ApplyLook(LookOfMode(d.AppMode, AnswersMayLeave(d)));
}

namespace {
// The window caption a mode shows, from the texts in force and the crossword on screen.
QString windowCaption(const frmForma& f, int32_t mode, CaptionMoment moment) {
    const auto& d = Doc();
    const ModeCaptionFacts facts{Cp(f.KrossCaption()), d.KrossName, d.KrossAuthor, d.WordCount,
                                 d.SolvedCount};
    return Q(CaptionsOfMode(Lang(), mode, moment, facts).Window.value_or(std::string()));
}
} // namespace

QString BareGridCaption(const frmForma& f) {
    return windowCaption(f, Mode::SolveBare, CaptionMoment::EnteringMode);
}
QString SolvingCaption(const frmForma& f) {
    return windowCaption(f, Mode::Solve, CaptionMoment::EnteringMode);
}
QString NamedGridCaption(const frmForma& f) {
    return windowCaption(f, Mode::BareAuthoring, CaptionMoment::LanguageChanged);
}
QString AuthoringCaption(const frmForma& f) {
    return windowCaption(f, Mode::Authoring, CaptionMoment::EnteringMode);
}
QString NewGridCaption(const frmForma& f) {
    return windowCaption(f, Mode::NewGrid, CaptionMoment::EnteringMode);
}
QString WordsCaption(int64_t count) {
    return Q(WordsLabelText(Lang(), count));
}

} // namespace DeystvieM
