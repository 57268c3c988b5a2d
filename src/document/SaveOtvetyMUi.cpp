#include "document/SaveOtvetyMUi.h"

#include "app/FileMessages.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/apiOpenSaveM.h"
#include "basics/TextFile.h"
#include "document/SaveOtvetyM.h"

namespace SaveOtvetyM {

void SaveOtvetyAs() {
    const auto& d = Doc();
    QString proposed = QPath(TextFile::FileNameOf(d.OtvFile.empty() ? d.KrossFile : d.OtvFile));
    proposed.chop(4); // the extension
    std::string path = NativePath(apiOpenSaveM::FileDialog(true, proposed, Lang().OtvFilter));
    if (path.empty()) return;
    if (!TextFile::FileNameHasDot(path)) path += ".otv";
    WriteOtvety(path);
}

void WriteOtvety(const std::string& path) {
    auto& d = Doc();
    if (!FileMessages::MayReplace(path, d.OtvFile)) return;
    const std::string& sep = Opt().PathSep;
    const std::string bytes = OtvetyFileText(d, sep);
    const auto err =
        LinesIntact(d) ? TextFile::WriteAll(path, bytes,
                                            [&](std::string_view back) { return ReadsBackAs(back, d, sep); })
                       : TextFile::Error::Mismatch;
    if (err != TextFile::Error::None) {
        FileMessages::WriteFailed(err, path);
        return;
    }
    FileMessages::RememberFile(path, bytes);
    d.Modified = false;
    d.OtvFile = path;
}

} // namespace SaveOtvetyM
