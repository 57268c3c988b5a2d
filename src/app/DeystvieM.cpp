#include "app/DeystvieM.h"

#include "app/AuthoringTexts.h"
#include "document/KrossDocument.h"
#include "export/ExportTexts.h"
#include "lang/LanguageFile.h"

namespace DeystvieM {

ModeLook LookOfMode(int32_t m, bool answersMayLeave) {
    ModeLook look;
    look.DrawingTools = m == Mode::NewGrid;
    look.WordCount = IsPastDrawing(m);
    look.Clues = m == Mode::Authoring || m == Mode::Solve;
    look.AnswerEntry = m == Mode::Authoring || IsSolvingMode(m);
    look.ClueEntry = m == Mode::Authoring;
    look.Save = IsPastDrawing(m);
    look.Unlock = m == Mode::Solve || m == Mode::Incomplete;
    look.AuthorTools = m == Mode::Authoring;
    look.CellSettings = m != Mode::None;
    look.PrintAndExport = HoldsCrossword(m);
    look.AnswersPage = look.PrintAndExport && answersMayLeave;
    look.GridEdit = IsAuthoringMode(m);
    return look;
}

const std::vector<MenuCaptions>& WindowMenus() {
    namespace L = LangIndex;
    namespace E = ExportCommands::TextIndex;
    static const std::vector<MenuCaptions> menus = {
        {{"File", L::FileMenu},
         {{"FileOpenOtvet", L::FileOpenOtvet},
          {"FileSave", L::FileSave},
          {"FileSaveAs", L::FileSaveAs},
          {"FilePrint", E::Print},
          {"FilePrintPreview", E::PrintPreview},
          {"FilePaper", E::Paper},
          {"FileAnswersPage", E::AnswersPage},
          {"FileExit", L::FileExit}},
         true},
        {{"FilePaper", E::Paper},
         {{"FilePaperSize0", E::PaperA4}, {"FilePaperSize1", E::PaperLetter}},
         false},
        {{"Edit", AuthoringTexts::EditMenu},
         {{"EditUndo", AuthoringTexts::Undo},
          {"EditRedo", AuthoringTexts::Redo},
          {"EditGrid", AuthoringTexts::EditGrid}},
         true},
        {{"Kross", L::KrossMenu},
         {{"KrossNew", L::KrossNew},
          {"KrossOpen", L::KrossOpen},
          {"KrossChange", L::KrossChange},
          {"KrossAbout", L::KrossAbout},
          {"KrossFoundWord", L::KrossFoundWord},
          {"KrossDelOtwet", L::KrossDelOtwet},
          {"KrossCopyWord", L::KrossCopyWord},
          {"KrossExportPdf", E::ExportPdf},
          {"KrossExportIpuz", E::ExportIpuz}},
         true},
        {{"Options", L::OptionsMenu},
         {{"OptionsRazmerKF", L::OptionsRazmerKF},
          {"OptionsLanguage", 0},
          {"OptionsClueOverview", AuthoringTexts::ClueOverview},
          {"OptionsStyle0", L::StyleClassic},
          {"OptionsStyle1", L::StyleTurned}},
         true},
        {{"Help", L::HelpMenu}, {{"HelpCallHelp", L::HelpCallHelp}, {"HelpAbout", L::HelpAbout}}, true},
    };
    return menus;
}

const std::vector<PanelCaption>& PanelCaptions() {
    static const std::vector<PanelCaption> panel = {
        {{"ChSimmetrija", LangIndex::SymmetryBox}, &ModeLook::DrawingTools},
        {{"kClearPole", LangIndex::ClearFieldButton}, &ModeLook::DrawingTools},
        {{"kReshotkaGotova", LangIndex::GridReadyButton}, &ModeLook::DrawingTools},
    };
    return panel;
}

std::vector<CaptionedControl> CaptionsOnScreen(int32_t mode) {
    std::vector<CaptionedControl> shown;
    for (const MenuCaptions& m : WindowMenus())
        if (m.OnMenuBar) shown.push_back(m.Menu);
    const ModeLook look = LookOfMode(mode);
    for (const PanelCaption& p : PanelCaptions())
        if (look.*p.ShownBy) shown.push_back(p.Control);
    return shown;
}

} // namespace DeystvieM
