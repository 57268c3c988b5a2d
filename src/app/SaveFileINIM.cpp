#include "app/SaveFileINIM.h"

#include "app/FileMessages.h"
#include "app/MsgBoxM.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"

namespace SaveFileINIM {

int32_t ConfirmSaveChanges() {
    auto& d = Doc();
    if (!d.Modified) return 0;
    std::string question;
    if (d.AppMode == Mode::Authoring || d.AppMode == Mode::BareAuthoring)
        question = Lang().LangSaveKrossPrompt;
    else if (d.AppMode == Mode::SolveBare || d.AppMode == Mode::Solve)
        question = Lang().LangSaveAnswersPrompt;
    else
        return 0;
    switch (MsgBoxM::Show(Q(question), MsgBoxM::Style::SaveQuestion)) {
    case MsgBoxM::Answer::Yes:
        if (MainForm()) MainForm()->FileSave_Click();
        return 0;
    case MsgBoxM::Answer::Cancel:
        return 1;
    default:
        return 0;
    }
}

void SaveSettings() {
    const auto& o = Opt();
    // The user's settings folder is made on the first close; a portable program's folder exists.
    auto err = o.SettingsDir.empty() ? TextFile::Error::Other : TextFile::MakeFolders(o.SettingsDir);
    if (err == TextFile::Error::None)
        err = TextFile::WriteAll(o.SettingsDir + std::string(SettingsFileName), SettingsFileText(o));
    if (err == TextFile::Error::None) return;
    const QString fileCaption = MainForm() ? Plain(MainForm()->File->title()) : QString();
    const std::string& tail = err == TextFile::Error::Access ? Lang().LangAccessError : Lang().LangWriteError;
    const QString cause = FileMessages::NamedCause(err);
    MsgBoxM::Show(fileCaption + " Gridmora Int.ini " + (cause.isEmpty() ? Q(tail) : cause),
                  MsgBoxM::Style::Critical);
}

} // namespace SaveFileINIM
