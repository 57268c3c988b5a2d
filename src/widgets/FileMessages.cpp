#include "widgets/FileMessages.h"

#include <map>

#include "app/ProgramState.h"
#include "lang/FileSafetyTexts.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace FileMessages {
namespace {

// What each file held when this program last read or wrote it.
std::map<std::string, TextFile::Stamp>& remembered() {
    static std::map<std::string, TextFile::Stamp> stamps;
    return stamps;
}

// True when the file is not what the program last read or wrote there (and still exists).
bool changedSince(const std::string& path) {
    const auto it = remembered().find(path);
    if (it == remembered().end()) return false;
    const TextFile::Stamp now = TextFile::StampOf(path);
    return now.Exists && now != it->second;
}

// The text of a failure: a named cause always names the file; the others name it when asked to.
QString failureText(const QString& fileCaption, TextFile::Error err, const std::string& path, ShowPath show,
                    const std::string& tail) {
    const QString cause = NamedCause(err);
    if (!cause.isEmpty()) return Text(fileCaption, path, cause);
    return Text(fileCaption, show == ShowPath::Always ? path : std::string(), tail);
}

} // namespace

QString LanguageFileCaption() {
    return Q(StripMnemonic(Lang().Captions[static_cast<size_t>(LangIndex::FileMenu)]));
}

QString Text(const QString& fileCaption, const std::string& path, const QString& text) {
    QString out = fileCaption + QStringLiteral(" ");
    if (!path.empty()) out += QPath(path) + QStringLiteral(" ");
    return out + text;
}

QString Text(const QString& fileCaption, const std::string& path, std::string_view text) {
    return Text(fileCaption, path, Q(text));
}

bool MayReplace(const QString& fileCaption, const std::string& path, const std::string& ownFile) {
    if (path == ownFile) {
        if (!changedSince(path)) return true;
        return MsgBoxM::Show(Text(fileCaption, path, Tr(FileSafetyText::ChangedOnDisk)),
                             MsgBoxM::Style::ReplaceFile) == MsgBoxM::Answer::Yes;
    }
    if (!TextFile::Exists(path)) return true;
    // The prompt carries its own leading blank.
    std::string_view prompt = Lang().LangOverwritePrompt;
    if (!prompt.empty() && prompt.front() == ' ') prompt.remove_prefix(1);
    return MsgBoxM::Show(Text(fileCaption, path, prompt), MsgBoxM::Style::ReplaceFile) ==
           MsgBoxM::Answer::Yes;
}

void RememberFile(const std::string& path, std::string_view bytes) {
    remembered()[path] = TextFile::StampOfBytes(bytes);
}

QString NamedCause(TextFile::Error err) {
    switch (err) {
    case TextFile::Error::NotRegular:
        return Tr(FileSafetyText::NotRegular);
    case TextFile::Error::DiskFull:
        return Tr(FileSafetyText::DiskFull);
    case TextFile::Error::Mismatch:
        return Tr(FileSafetyText::Mismatch);
    default:
        return {};
    }
}

QString WriteFailureText(const QString& fileCaption, TextFile::Error err, const std::string& path,
                         ShowPath show) {
    const std::string& tail = err == TextFile::Error::Access ? Lang().LangAccessError : Lang().LangWriteError;
    return failureText(fileCaption, err, path, show, tail);
}

QString ReadFailureText(const QString& fileCaption, TextFile::Error err, const std::string& path,
                        ShowPath show) {
    const std::string& tail =
        err == TextFile::Error::NotFound ? Lang().LangNotFoundError : Lang().LangReadError;
    return failureText(fileCaption, err, path, show, tail);
}

void WriteFailed(const QString& fileCaption, TextFile::Error err, const std::string& path, ShowPath show) {
    MsgBoxM::Show(WriteFailureText(fileCaption, err, path, show), MsgBoxM::Style::Critical);
}

void ReadFailed(const QString& fileCaption, TextFile::Error err, const std::string& path, ShowPath show) {
    MsgBoxM::Show(ReadFailureText(fileCaption, err, path, show), MsgBoxM::Style::Critical);
}

} // namespace FileMessages
