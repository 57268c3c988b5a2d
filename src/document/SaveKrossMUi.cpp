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
    // A text holding a line break would shift every line after it: such a file is never written, and
    // the file written must read back as the crossword before it replaces the old one.
    const std::string bytes = KrossFileText(d);
    const auto err =
        LinesIntact(d)
            ? TextFile::WriteAll(path, bytes, [&d](std::string_view back) { return ReadsBackAs(back, d); })
            : TextFile::Error::Mismatch;
    if (err != TextFile::Error::None) {
        FileMessages::WriteFailed(err, path);
        return;
    }
    FileMessages::RememberFile(path, bytes);
    d.KrossFile = path;
    d.Modified = false;
}

} // namespace SaveKrossM
