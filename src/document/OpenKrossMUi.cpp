#include "document/OpenKrossMUi.h"

#include "app/DeystvieMUi.h"
#include "app/ProgramState.h"
#include "app/apiOpenSaveMUi.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "document/OpenKrossM.h"
#include "export/ExportCommands.h"
#include "export/IpuzFormat.h"
#include "grid/LoadReshotkiMUi.h"
#include "widgets/FileMessages.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/TextBox.h"
#include "widgets/UiText.h"

namespace OpenKrossM {

void OpenKross(frmForma& f, const std::optional<std::string>& chosen) {
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
        ExportCommands::OpenIpuz(f, path);
        return;
    }
    ReadKross(f, path);
}

void ReadKross(frmForma& f, const std::string& path) {
    auto& d = Doc();
    std::string bytes;
    const auto err = TextFile::ReadAll(path, bytes);
    if (err != TextFile::Error::None) {
        FileMessages::ReadFailed(f.FileCaption(), err, path, FileMessages::ShowPath::ForNamedCause);
        d.AppMode = Mode::OpenFailed;
        return;
    }
    d.AppMode = Mode::None;
    f.Form_Resize();
    DeystvieM::ApplyMode(f);
    const KrossReadResult r = ReadKrossText(bytes, d, Opt().StyleIndex, path, Opt().CellSize);
    if (r.status != KrossReadResult::Status::Ok) {
        // Sizes or counts beyond what the program holds, or a field too large to draw at the cell size
        // in force: the file is not read at all.
        FileMessages::ReadFailed(f.FileCaption(), TextFile::Error::Other, path,
                                 FileMessages::ShowPath::ForNamedCause);
        d.AppMode = Mode::OpenFailed;
        return;
    }
    FileMessages::RememberFile(path, bytes);
    f.setWindowTitle(d.NoAnswers != 0 ? DeystvieM::BareGridCaption(f) : DeystvieM::SolvingCaption(f));
    f.SetWordsCaption(DeystvieM::WordsCaption(d.WordCount));
    f.SetPrompt(Q(Lang().LangSolvePrompt));
    DeystvieM::ApplyMode(f);
    LoadReshotkiM::LoadGrid(f);
    f.AnswerBox().setFocus();
    if (d.AppMode == Mode::Incomplete)
        MsgBoxM::Show(Q(Lang().LangText[LangTextItem::AnswerMissingMsg]), MsgBoxM::Style::Information);
}

} // namespace OpenKrossM
