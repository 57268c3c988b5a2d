#include "lang/LoadJazikMUi.h"

#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "lang/LanguageFile.h"
#include "lang/QtTranslation.h"
#include "widgets/FileMessages.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace LoadJazikM {

void ReapplyModeCaptions(frmForma& f) {
    const auto& d = Doc();
    const ModeCaptionFacts facts{Cp(f.KrossCaption()), d.KrossName, d.KrossAuthor, d.WordCount,
                                 d.SolvedCount};
    const ModeCaptions c = CaptionsOfMode(Lang(), d.AppMode, CaptionMoment::LanguageChanged, facts);
    if (c.Window) f.setWindowTitle(Q(*c.Window));
    if (c.WordsLabel) f.SetWordsCaption(Q(*c.WordsLabel));
    if (c.ClueOrAnswer) f.SetPrompt(Q(*c.ClueOrAnswer));
}

bool LoadTexts(const QString& fileCaption, const std::string& name) {
    auto& o = Opt();
    const std::string path = o.AppDir + "Language" + o.PathSep + name;
    std::string bytes;
    const auto err = TextFile::ReadAll(path, bytes, size_t{4} << 20);
    if (err != TextFile::Error::None) {
        // Reported in the texts of the language in force.
        FileMessages::ReadFailed(fileCaption, err, path);
        return false;
    }
    const LanguageFileContent content = ParseLanguageFile(bytes);
    ApplyLanguage(content, Lang());
    o.LanguageFile = name;
    QtTranslation::Follow(name, content.DisplayName);
    return true;
}

void LoadLanguage(frmForma& f, const std::string& name) {
    if (!LoadTexts(f.FileCaption(), name)) return;
    f.ApplyCaptions(Lang());
    ReapplyModeCaptions(f);
}

} // namespace LoadJazikM
