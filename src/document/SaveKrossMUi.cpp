#include "document/SaveKrossMUi.h"

#include "app/FileMessages.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/apiOpenSaveM.h"
#include "basics/TextFile.h"
#include "document/SaveKrossM.h"

namespace SaveKrossM {

void SaveKrossAs() {
    const auto& d = Doc();
    const QString proposed = d.KrossFile.empty() ? Q(d.KrossName) : QPath(TextFile::FileNameOf(d.KrossFile));
    std::string path = NativePath(apiOpenSaveM::FileDialog(true, proposed, Lang().KrwFilter));
    if (path.empty()) return;
    if (!TextFile::FileNameHasDot(path)) path += ".krw";
    WriteKross(path);
}

void WriteKross(const std::string& path) {
    auto& d = Doc();
    if (!FileMessages::MayReplace(path, d.KrossFile)) return;
    const auto err = TextFile::WriteAll(path, KrossFileText(d));
    if (err != TextFile::Error::None) {
        FileMessages::WriteFailed(err);
        return;
    }
    d.KrossFile = path;
    d.Modified = false;
}

} // namespace SaveKrossM
