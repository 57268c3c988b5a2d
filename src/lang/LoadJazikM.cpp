#include "lang/LoadJazikM.h"

#include "app/FileMessages.h"
#include "app/MsgBoxM.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "export/ExportCommands.h"
#include "lang/LanguageFile.h"
#include "lang/QtTranslation.h"

namespace LoadJazikM {

void ReapplyModeCaptions() {
    frmForma* f = MainForm();
    if (!f) return;
    const auto& d = Doc();
    const std::string kross = Cp(Plain(f->Kross->title()));
    const ModeCaptionFacts facts{kross, d.KrossName, d.KrossAuthor, d.WordCount, d.SolvedCount};
    const ModeCaptions c = CaptionsOfMode(Lang(), d.AppMode, CaptionMoment::LanguageChanged, facts);
    if (c.Window) f->setWindowTitle(Q(*c.Window));
    if (c.WordsLabel) f->lblSlov->setText(Q(*c.WordsLabel));
    if (c.ClueOrAnswer) f->lblVoprosOtvet->setText(Q(*c.ClueOrAnswer));
}

void LoadLanguage(const std::string& name) {
    frmForma* f = MainForm();
    auto& o = Opt();
    auto& t = Lang();
    const std::string path = o.AppDir + "Language" + o.PathSep + name;
    std::string bytes;
    const auto err = TextFile::ReadAll(path, bytes, size_t{4} << 20);
    if (err != TextFile::Error::None) {
        const QString fileCaption = f ? Plain(f->File->title()) : QString();
        const std::string& tail = err == TextFile::Error::NotFound ? t.LangNotFoundError : t.LangReadError;
        const QString cause = FileMessages::NamedCause(err);
        MsgBoxM::Show(fileCaption + QStringLiteral(" ") + QPath(path) + QStringLiteral(" ") +
                          (cause.isEmpty() ? Q(tail) : cause),
                      MsgBoxM::Style::Critical);
        return;
    }
    const LanguageFileContent content = ParseLanguageFile(bytes);
    ApplyLanguage(content, t);
    o.LanguageFile = name;
    QtTranslation::Follow(name, content.DisplayName);
    if (!f) return;
    const auto& c = t.Captions;
    auto cap = [&c](int i) { return Q(c[static_cast<size_t>(i)]); };
    f->OptionsLanguage->setText(Q(LanguageMenuCaption(content.DisplayName)));
    f->File->setTitle(cap(3));
    f->FileOpenOtvet->setText(cap(4));
    f->FileSave->setText(cap(5));
    f->FileSaveAs->setText(cap(6));
    f->FileExit->setText(cap(7));
    f->Kross->setTitle(cap(8));
    f->KrossNew->setText(cap(9));
    f->KrossOpen->setText(cap(10));
    f->KrossChange->setText(cap(11));
    f->kReshotkaGotova->setText(cap(12));
    f->KrossAbout->setText(cap(13));
    f->KrossFoundWord->setText(cap(14));
    f->KrossDelOtwet->setText(cap(15));
    f->KrossCopyWord->setText(cap(16));
    f->Options->setTitle(cap(17));
    f->OptionsRazmerKF->setText(cap(18));
    f->OptionsStyle[0]->setText(cap(19));
    f->OptionsStyle[1]->setText(cap(20));
    f->Help->setTitle(cap(21));
    f->HelpCallHelp->setText(cap(22));
    f->HelpAbout->setText(cap(24));
    f->lblOtvet->setText(cap(53));
    f->lblStatistika->setText(cap(65));
    f->ChSimmetrija->setText(cap(66));
    f->lblGorizont->setText(cap(67));
    f->lblVertikal->setText(cap(68));
    f->lblKoordinaty->setText(cap(69));
    ReapplyModeCaptions();
    f->kClearPole->setText(cap(73));
    ExportCommands::ApplyCaptions(*f);
}

} // namespace LoadJazikM
