#include "app/FileMessages.h"

#include <map>

#include "app/MsgBoxM.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/frmForma.h"
#include "lang/FileSafetyTexts.h"

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

QString namingMessage(const std::string& path, const QString& cause) {
    return FileCaption() + QStringLiteral(" ") + QPath(path) + QStringLiteral(" ") + cause;
}

} // namespace

QString FileCaption() {
    // Without the main window (the command line) the language file's caption of the File menu.
    return MainForm() ? Plain(MainForm()->File->title())
                      : Q(StripMnemonic(Lang().Captions[static_cast<size_t>(LangIndex::FileMenu)]));
}

bool MayReplace(const std::string& path, const std::string& ownFile) {
    if (path == ownFile) {
        if (!changedSince(path)) return true;
        return MsgBoxM::Show(namingMessage(path, Tr(FileSafetyText::ChangedOnDisk)),
                             MsgBoxM::Style::ReplaceFile) == MsgBoxM::Answer::Yes;
    }
    if (!TextFile::Exists(path)) return true;
    return MsgBoxM::Show(FileCaption() + QStringLiteral(" ") + QPath(path) + Q(Lang().LangOverwritePrompt),
                         MsgBoxM::Style::ReplaceFile) == MsgBoxM::Answer::Yes;
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

void WriteFailed(TextFile::Error err, const std::string& path) {
    if (const QString cause = NamedCause(err); !cause.isEmpty()) {
        MsgBoxM::Show(namingMessage(path, cause), MsgBoxM::Style::Critical);
        return;
    }
    const std::string& tail = err == TextFile::Error::Access ? Lang().LangAccessError : Lang().LangWriteError;
    MsgBoxM::Show(FileCaption() + QStringLiteral(" ") + Q(tail), MsgBoxM::Style::Critical);
}

void WriteFailedAt(const std::string& path, TextFile::Error err) {
    const std::string& tail = err == TextFile::Error::Access ? Lang().LangAccessError : Lang().LangWriteError;
    const QString cause = NamedCause(err);
    MsgBoxM::Show(namingMessage(path, cause.isEmpty() ? Q(tail) : cause), MsgBoxM::Style::Critical);
}

void ReadFailed(TextFile::Error err, const std::string& path) {
    if (err == TextFile::Error::NotRegular) {
        MsgBoxM::Show(namingMessage(path, NamedCause(err)), MsgBoxM::Style::Critical);
        return;
    }
    const std::string& tail =
        err == TextFile::Error::NotFound ? Lang().LangNotFoundError : Lang().LangReadError;
    MsgBoxM::Show(FileCaption() + QStringLiteral(" ") + Q(tail), MsgBoxM::Style::Critical);
}

} // namespace FileMessages
