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
    const std::string& sep = Opt().PathSep;
    const std::string bytes = OtvetyFileText(d, sep);
    const auto err =
        LinesIntact(d) ? TextFile::WriteAll(path, bytes,
                                            [&](std::string_view back) { return ReadsBackAs(back, d, sep); })
                       : TextFile::Error::Mismatch;
    if (err != TextFile::Error::None) {
        FileMessages::WriteFailed(f.FileCaption(), err, path, FileMessages::ShowPath::ForNamedCause);
        return;
    }
    FileMessages::RememberFile(path, bytes);
    d.Modified = false;
    d.OtvFile = path;
}

} // namespace SaveOtvetyM
