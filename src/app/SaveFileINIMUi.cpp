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
    const std::string name(SettingsFileName);
    const auto err = TextFile::WriteAll(Opt().AppDir + name, SettingsFileText(Opt()));
    // The message names the file without its folder.
    if (err != TextFile::Error::None) FileMessages::WriteFailed(f.FileCaption(), err, name);
}

} // namespace SaveFileINIM
