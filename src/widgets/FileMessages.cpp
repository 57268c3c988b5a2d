#include "widgets/FileMessages.h"

#include "app/ProgramState.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace FileMessages {

QString LanguageFileCaption() {
    return Q(StripMnemonic(Lang().Captions[static_cast<size_t>(LangIndex::FileMenu)]));
}

QString Text(const QString& fileCaption, const std::string& path, std::string_view text) {
    QString out = fileCaption + QStringLiteral(" ");
    if (!path.empty()) out += QPath(path) + QStringLiteral(" ");
    return out + Q(text);
}

bool MayReplace(const QString& fileCaption, const std::string& path, const std::string& ownFile) {
    if (path == ownFile || !TextFile::Exists(path)) return true;
    // The prompt carries its own leading blank.
    std::string_view prompt = Lang().LangOverwritePrompt;
    if (!prompt.empty() && prompt.front() == ' ') prompt.remove_prefix(1);
    return MsgBoxM::Show(Text(fileCaption, path, prompt), MsgBoxM::Style::ReplaceFile) ==
           MsgBoxM::Answer::Yes;
}

void WriteFailed(const QString& fileCaption, TextFile::Error err, const std::string& path) {
    const std::string& tail = err == TextFile::Error::Access ? Lang().LangAccessError : Lang().LangWriteError;
    MsgBoxM::Show(Text(fileCaption, path, tail), MsgBoxM::Style::Critical);
}

void ReadFailed(const QString& fileCaption, TextFile::Error err, const std::string& path) {
    const std::string& tail =
        err == TextFile::Error::NotFound ? Lang().LangNotFoundError : Lang().LangReadError;
    MsgBoxM::Show(Text(fileCaption, path, tail), MsgBoxM::Style::Critical);
}

} // namespace FileMessages
