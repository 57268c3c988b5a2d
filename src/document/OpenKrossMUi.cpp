#include "document/OpenKrossMUi.h"

#include "app/DeystvieM.h"
#include "app/FileMessages.h"
#include "app/MsgBoxM.h"
#include "app/ProgramState.h"
#include "app/UiText.h"
#include "app/apiOpenSaveM.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "document/OpenKrossM.h"
#include "export/ExportCommands.h"
#include "export/IpuzFormat.h"
#include "grid/LoadReshotkiMUi.h"

namespace OpenKrossM {

void OpenKross(const std::optional<std::string>& chosen) {
    std::string path;
    if (chosen) {
        path = *chosen;
        apiOpenSaveM::TakeChosenFile(QPath(path));
    } else {
        path = NativePath(apiOpenSaveM::FileDialog(false, QString(), ExportCommands::OpenFilter()));
    }
    if (path.empty()) return;
    if (!TextFile::FileNameHasDot(path)) path += ".krw";
    // A crossword of another tool comes in as a new crossword to author.
    if (IpuzFormat::IsIpuzPath(path)) {
        ExportCommands::OpenIpuz(path);
        return;
    }
    ReadKross(path);
}

void ReadKross(const std::string& path) {
    frmForma* f = MainForm();
    auto& d = Doc();
    std::string bytes;
    const auto err = TextFile::ReadAll(path, bytes);
    if (err != TextFile::Error::None) {
        FileMessages::ReadFailed(err, path);
        d.AppMode = Mode::OpenFailed;
        return;
    }
    d.AppMode = Mode::None;
    if (f) f->Form_Resize();
    DeystvieM::ApplyMode();
    const KrossReadResult r = ReadKrossText(bytes, d, Opt().StyleIndex, path, Opt().CellSize);
    if (r.status != KrossReadResult::Status::Ok) {
        // Sizes or counts beyond what the program holds, or a field too large to draw at the cell size
        // in force: the file is not read at all.
        FileMessages::ReadFailed(TextFile::Error::Other, path);
        d.AppMode = Mode::OpenFailed;
        return;
    }
    FileMessages::RememberFile(path, bytes);
    if (f) {
        f->setWindowTitle(d.NoAnswers != 0 ? DeystvieM::BareGridCaption() : DeystvieM::SolvingCaption());
        f->lblSlov->setText(DeystvieM::WordsCaption(d.WordCount));
        f->lblVoprosOtvet->setText(Q(Lang().LangSolvePrompt));
    }
    DeystvieM::ApplyMode();
    LoadReshotkiM::LoadGrid();
    if (f) f->txtOtvet->setFocus();
    if (d.AppMode == Mode::Incomplete) MsgBoxM::Show(Q(Lang().LangText[8]), MsgBoxM::Style::Information);
}

} // namespace OpenKrossM
