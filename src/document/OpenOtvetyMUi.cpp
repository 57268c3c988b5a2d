#include "document/OpenOtvetyMUi.h"

#include <QCoreApplication>

#include "app/DeystvieMUi.h"
#include "app/ProgramState.h"
#include "app/apiOpenSaveMUi.h"
#include "app/frmForma.h"
#include "basics/TextFile.h"
#include "display/ShowSlovoMUi.h"
#include "document/OpenKrossMUi.h"
#include "document/OpenOtvetyM.h"
#include "grid/LoadReshotkiMUi.h"
#include "solve/SelVoprosMUi.h"
#include "widgets/FileMessages.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

namespace OpenOtvetyM {
void OpenOtvety(frmForma& f, const std::optional<std::string>& chosen) {
    auto& d = Doc();
    std::string path;
    if (chosen) {
        path = *chosen;
        apiOpenSaveM::TakeChosenFile(QPath(path));
    } else {
        path = NativePath(apiOpenSaveM::FileDialog(false, QString(), Lang().OtvFilter));
    }
    if (path.empty()) return;
    if (!TextFile::FileNameHasDot(path)) path += ".otv";
    std::string bytes;
    const auto err = TextFile::ReadAll(path, bytes, size_t{64} << 20);
    if (err != TextFile::Error::None) {
        FileMessages::ReadFailed(f.FileCaption(), err, path, FileMessages::ShowPath::ForNamedCause);
        return;
    }
    const OtvContent content = ParseOtvety(bytes);
    if (content.KrossName != d.KrossName || !HoldsCrossword(d.AppMode)) {
        // Another crossword: it is looked up in the samples folder by its file name alone.
        d.OtvKrossName = content.KrossName;
        d.OtvKrossFile = Opt().SamplesDir + Opt().PathSep + content.KrossFileName;
        OpenKrossM::ReadKross(f, d.OtvKrossFile);
        if (d.AppMode == Mode::OpenFailed) {
            d.AppMode = Mode::None;
            f.setWindowTitle(Q(Lang().MsgTitle));
            DeystvieM::ApplyMode(f);
            return;
        }
    } else {
        // The same crossword: the file must fit it before anything changes.
        if (content.NumberCount != d.NumberCount || content.NoAnswers != d.NoAnswers) {
            FileMessages::ReadFailed(f.FileCaption(), TextFile::Error::Other, path,
                                     FileMessages::ShowPath::ForNamedCause);
            return;
        }
        d.AppMode = SolvingModeFor(d.NoAnswers);
        if (d.NoAnswers == 1 && !d.ClueTexts.TwoDimensional()) d.ClueTexts.Create2(d.NumberCount);
        LoadReshotkiM::LoadGrid(f);
        DeystvieM::ApplyMode(f);
        d.OtvKrossFile = d.KrossFile;
        d.OtvKrossName = d.KrossName;
    }
    const OtvApplyResult r = ApplyOtvety(content, d);
    if (r.status != OtvApplyResult::Status::Ok) {
        FileMessages::ReadFailed(f.FileCaption(), TextFile::Error::Other, path,
                                 FileMessages::ShowPath::ForNamedCause);
        return;
    }
    d.OtvFile = path;
    FileMessages::RememberFile(path, bytes);
    LoadReshotkiM::LoadGrid(f);
    f.SetWordsCaption(DeystvieM::WordsCaption(r.OpenWords));
    f.unsetCursor();
    QCoreApplication::processEvents();
    if (r.OpenWords < 1) {
        if (d.AppMode == Mode::Solve) {
            d.AppMode = Mode::None;
            DeystvieM::ApplyMode(f);
        }
        MsgBoxM::Show(Q(Lang().LangSolvedMsg), MsgBoxM::Style::Information);
        return;
    }
    const auto first = FirstOpenWord(d);
    if (!first) return;
    if (d.AppMode == Mode::SolveBare) {
        // A bare grid is solved word by word: the first open word becomes the selected one.
        if (d.CurNumber > 0) ShowSlovoM::DrawWord(f, d.CurNumber, d.CurDirection, CellColor);
        d.CurNumber = first->Number;
        d.CurDirection = first->Direction;
        ShowSlovoM::DrawWord(f, d.CurNumber, d.CurDirection, SelectionColor);
    } else {
        SelVoprosM::SelectClue(f, first->Number);
    }
}

} // namespace OpenOtvetyM
