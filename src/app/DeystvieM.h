#pragma once
// How each program mode looks: which panel controls the main window shows and which commands it enables.
// The window side (DeystvieMUi) applies the look to the window.
#include <cstdint>
#include <vector>

namespace DeystvieM {

struct ModeLook {
    bool DrawingTools = false;   // ChSimmetrija, lblKoordinaty, kReshotkaGotova, kClearPole
    bool WordCount = false;      // lblStatistika, lblSlov
    bool Clues = false;          // lblGorizont, lblVopros(0), lblVertikal, lblVopros(1)
    bool AnswerEntry = false;    // lblVoprosOtvet, txtOtvet
    bool ClueEntry = false;      // txtVoprosOtvet and lblOtvet; txtOtvet then sits below them
    bool Save = false;           // FileSave, FileSaveAs
    bool Unlock = false;         // KrossChange
    bool AuthorTools = false;    // KrossAbout, KrossFoundWord, KrossCopyWord
    bool CellSettings = false;   // OptionsRazmerKF
    bool PrintAndExport = false; // FilePrint, FilePrintPreview, KrossExportPdf, KrossExportIpuz
    bool AnswersPage = false;    // FileAnswersPage
    bool GridEdit = false;       // EditGrid: back to drawing from authoring
    bool operator==(const ModeLook&) const = default;
};

// The look of AppMode mode; answersMayLeave: the crossword's answers may be printed or exported. Print
// and export need a numbered crossword. KrossDelOtwet is disabled in every mode: the Kross menu enables it
// when it opens.
ModeLook LookOfMode(int32_t mode, bool answersMayLeave = false);

// A control of the main window (its object name) and the language index of its caption; index 0 for the
// language item, whose caption no index gives.
struct CaptionedControl {
    const char* Name;
    int32_t Index;
};

// A menu and its items in order, separators left out; a submenu is an item of its menu and a menu of its
// own. OnMenuBar: the menu's title sits on the menu bar.
struct MenuCaptions {
    CaptionedControl Menu;
    std::vector<CaptionedControl> Items;
    bool OnMenuBar;
};

// The side panel's controls whose captions carry a keyboard marker, and the part of the look that shows
// each.
struct PanelCaption {
    CaptionedControl Control;
    bool ModeLook::*ShownBy;
};

// The window's menus, in the order of the menu bar.
const std::vector<MenuCaptions>& WindowMenus();
const std::vector<PanelCaption>& PanelCaptions();

// The captions whose keyboard markers are live together in AppMode mode, and so must name different
// letters: the menu bar's titles and the panel controls the mode shows.
std::vector<CaptionedControl> CaptionsOnScreen(int32_t mode);

} // namespace DeystvieM
