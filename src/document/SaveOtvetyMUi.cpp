#include "document/SaveOtvetyMUi.h"

#include "app/ProgramState.h"
#include "app/apiOpenSaveMUi.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "document/SaveOtvetyM.h"
#include "widgets/FileMessages.h"
#include "widgets/UiText.h"

namespace SaveOtvetyM {

void SaveOtvetyAs(frmForma& f) {
    const auto& d = Doc();
    QString proposed = QPath(TextFile::FileNameOf(d.OtvFile.empty() ? d.KrossFile : d.OtvFile));
    proposed.chop(4); // the extension
    std::string path = NativePath(apiOpenSaveM::FileDialog(true, proposed, Lang().OtvFilter));
    if (path.empty()) return;
    if (!TextFile::FileNameHasDot(path)) path += ".otv";
    WriteOtvety(f, path);
}

void WriteOtvety(frmForma& f, const std::string& path) {
    auto& d = Doc();
    if (!FileMessages::MayReplace(f.FileCaption(), path, d.OtvFile)) return;
    const auto err = TextFile::WriteAll(path, OtvetyFileText(d, Opt().PathSep));
    if (err != TextFile::Error::None) {
        FileMessages::WriteFailed(f.FileCaption(), err);
        return;
    }
    d.Modified = false;
    d.OtvFile = path;
}

} // namespace SaveOtvetyM
