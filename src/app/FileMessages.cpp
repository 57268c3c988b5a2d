#include "app/FileMessages.h"

#include "app/MsgBoxM.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/frmForma.h"

namespace FileMessages {

QString FileCaption() {
    // Without the main window (the command line) the language file's caption of the File menu.
    return MainForm() ? Plain(MainForm()->File->title())
                      : Q(StripMnemonic(Lang().Captions[static_cast<size_t>(LangIndex::FileMenu)]));
}

bool MayReplace(const std::string& path, const std::string& ownFile) {
    if (path == ownFile || !TextFile::Exists(path)) return true;
    return MsgBoxM::Show(FileCaption() + QStringLiteral(" ") + QPath(path) + Q(Lang().LangOverwritePrompt),
                         MsgBoxM::Style::ReplaceFile) == MsgBoxM::Answer::Yes;
}

void WriteFailed(TextFile::Error err) {
    const std::string& tail = err == TextFile::Error::Access ? Lang().LangAccessError : Lang().LangWriteError;
    MsgBoxM::Show(FileCaption() + QStringLiteral(" ") + Q(tail), MsgBoxM::Style::Critical);
}

void WriteFailedAt(const std::string& path, TextFile::Error err) {
    const std::string& tail = err == TextFile::Error::Access ? Lang().LangAccessError : Lang().LangWriteError;
    MsgBoxM::Show(FileCaption() + QStringLiteral(" ") + QPath(path) + QStringLiteral(" ") + Q(tail),
                  MsgBoxM::Style::Critical);
}

void ReadFailed(TextFile::Error err) {
    const std::string& tail =
        err == TextFile::Error::NotFound ? Lang().LangNotFoundError : Lang().LangReadError;
    MsgBoxM::Show(FileCaption() + QStringLiteral(" ") + Q(tail), MsgBoxM::Style::Critical);
}

} // namespace FileMessages
