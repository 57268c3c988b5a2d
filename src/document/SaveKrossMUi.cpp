#include "document/SaveKrossMUi.h"

#include "app/ProgramState.h"
#include "app/apiOpenSaveMUi.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "document/SaveKrossM.h"
#include "widgets/FileMessages.h"
#include "widgets/UiText.h"

namespace SaveKrossM {

void SaveKrossAs(frmForma& f) {
    const auto& d = Doc();
    const QString proposed = d.KrossFile.empty() ? Q(d.KrossName) : QPath(TextFile::FileNameOf(d.KrossFile));
    std::string path = NativePath(apiOpenSaveM::FileDialog(true, proposed, Lang().KrwFilter));
    if (path.empty()) return;
    if (!TextFile::FileNameHasDot(path)) path += ".krw";
    WriteKross(f, path);
}

void WriteKross(frmForma& f, const std::string& path) {
    auto& d = Doc();
    if (!FileMessages::MayReplace(f.FileCaption(), path, d.KrossFile)) return;
    std::string bytes;
    const auto err = WriteKrossFile(path, d, bytes);
    if (err != TextFile::Error::None) {
        FileMessages::WriteFailed(f.FileCaption(), err, path, FileMessages::ShowPath::ForNamedCause);
        return;
    }
    FileMessages::RememberFile(path, bytes);
    d.KrossFile = path;
    d.Modified = false;
    f.EditsSaved();
}

} // namespace SaveKrossM
