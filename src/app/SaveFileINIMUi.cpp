#include "app/SaveFileINIMUi.h"

#include "app/ProgramState.h"
#include "app/SettingsFile.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "widgets/FileMessages.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace SaveFileINIM {

int32_t ConfirmSaveChanges(frmForma& f) {
    auto& d = Doc();
    if (!d.Modified) return 0;
    std::string question;
    if (IsAuthoringMode(d.AppMode))
        question = Lang().LangSaveKrossPrompt;
    else if (IsSolvingMode(d.AppMode))
        question = Lang().LangSaveAnswersPrompt;
    else
        return 0;
    switch (MsgBoxM::Show(Q(question), MsgBoxM::Style::SaveQuestion)) {
    case MsgBoxM::Answer::Yes:
        f.FileSave_Click();
        return 0;
    case MsgBoxM::Answer::Cancel:
        return 1;
    default:
        return 0;
    }
}

void SaveSettings(const frmForma& f) {
    const auto& o = Opt();
    const std::string name(SettingsFileName);
    // The user's settings folder is made on the first close; a portable program's folder exists.
    auto err = o.SettingsDir.empty() ? TextFile::Error::Other : TextFile::MakeFolders(o.SettingsDir);
    if (err == TextFile::Error::None) err = TextFile::WriteAll(o.SettingsDir + name, SettingsFileText(o));
    // The message names the file without its folder.
    if (err != TextFile::Error::None) FileMessages::WriteFailed(f.FileCaption(), err, name);
}

} // namespace SaveFileINIM
