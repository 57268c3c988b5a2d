#pragma once
// How each program mode looks: which panel controls the main window shows and which commands it enables.
// The window side (DeystvieMUi) applies the look to the window.
#include <cstdint>

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

} // namespace DeystvieM
