#pragma once
// The main window: the field, its scroll bars, the side panel and the menus. Its handlers walk the steps
// of each command and hand the work to the program's modules, passing the window along. The widgets are
// the window's own: a module changes them through the named operations below, so each operation shows
// what a module may touch. Tests find the widgets by their object names.
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "display/Surface.h"
#include "grid/FieldGeometry.h"

class ClueOverviewPanel;
class FieldContainer;
class FieldWidget;
class QAction;
class QCheckBox;
class QComboBox;
class QUndoStack;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class TextBox;
struct ScrollParts;
class frmFindWord;
struct InterfaceTexts;
namespace DeystvieM {
struct ModeLook;
}

class frmForma : public QMainWindow {
    Q_OBJECT
  public:
    frmForma();
    ~frmForma() override;

    // ---- the field ----
    // The field (picPole): the drawing steps tell it which cells they drew; it paints what is visible.
    FieldWidget& Field();
    // The export picture (picCopyKross): drawn on, saved, never shown.
    Surface& ExportPicture() { return picCopyKross_; }
    // Sizes, ranges and visibility of the scroll bars from the field and its container.
    void UpdateScrollBars();
    // Both scroll bars back to 0: the field's top-left corner in view.
    void ScrollHome();
    // Scrolls so that a box of the field (a selected word) comes into view, start first.
    void ScrollIntoView(const FieldGeometry::Box& box);

    // ---- the side panel ----
    // Shows and enables the controls and commands of a mode; empties the clue labels and both boxes.
    void ApplyLook(const DeystvieM::ModeLook& look);
    // The clue label of a direction (0 across, 1 down).
    void ShowClue(int32_t direction, const QString& text);
    // The word count label (lblSlov) and the prompt above the input box (lblVoprosOtvet).
    void SetWordsCaption(const QString& text);
    void SetPrompt(const QString& text);
    // The answer box (txtOtvet) and the clue box (txtVoprosOtvet) of the panel.
    TextBox& AnswerBox();
    TextBox& ClueBox();
    // True when the symmetry box is checked: a click marks the mirror images too.
    bool Symmetric() const;
    // The symmetry a click follows: none with the box unchecked, else the kind chosen below it.
    FieldGeometry::Symmetry SymmetryInForce() const;
    // The selected word was shown anew: an open word-search window and the clue overview follow it.
    void SelectionShown();
    // Words, clues or answers changed (or the mode did): the clue overview shows them anew.
    void CluesChanged();

    // ---- undo and redo ----
    // The authoring changes made since the crossword was opened or made, for Edit -> Undo and Redo.
    // Modules record a change after making it (app/EditHistoryUi); solving is never recorded.
    QUndoStack& History();
    // Forgets every recorded change: another crossword, or solving, begins.
    void ForgetEdits();
    // The crossword was saved: undoing back to this state clears Modified.
    void EditsSaved();

    // ---- captions ----
    // Sets every caption the language file supplies (menus, commands, panel) and the language item.
    void ApplyCaptions(const InterfaceTexts& t);
    // Captions as plain text, for messages and window titles: the File and Kross menus and the headings of
    // the clue labels.
    QString FileCaption() const;
    QString KrossCaption() const;
    QString AcrossHeading() const;
    QString DownHeading() const;
    // The File menu's print choices: the paper (0 A4, 1 Letter) and whether the answers page is printed;
    // the caption of the print preview command.
    int PaperChoice() const;
    bool AnswersPageChosen() const;
    QString PrintPreviewCaption() const;
    // Checks the style item of the index (0 classic, 1 turned) alone.
    void CheckStyle(int index);

    // Menu commands.
    void FileOpenOtvet_Click();
    void FileSave_Click();
    void FileSaveAs_Click();
    void FilePrint_Click();
    void FilePrintPreview_Click();
    void FileExit_Click();
    void Form_Unload(bool& cancel);
    void EditUndo_Click();
    void EditRedo_Click();
    void EditGrid_Click();
    void Kross_Click();
    void KrossNew_Click();
    void KrossOpen_Click();
    void KrossChange_Click();
    void KrossAbout_Click();
    void KrossFoundWord_Click();
    void KrossFill_Click();
    void KrossFillAgain_Click();
    void KrossDelOtwet_Click();
    void KrossCopyWord_Click();
    void KrossExportPdf_Click();
    void KrossExportIpuz_Click();
    void OptionsRazmerKF_Click();
    void OptionsLanguage_Click();
    void OptionsStyle_Click(int index);
    void HelpCallHelp_Click();
    void HelpAbout_Click();
    // Open and Open answers with the file already chosen (given on the command line): the same steps as
    // the menu commands, the file dialog left out. Without a path they are the menu commands.
    void KrossOpenWith(const std::optional<std::string>& chosen);
    void FileOpenOtvetWith(const std::optional<std::string>& chosen);

    // Field, panel and layout events.
    void picControl_GotFocus();
    void picPole_GotFocus();
    void picPole_MouseDown(Qt::MouseButton button, double x, double y);
    void picPole_MouseUp(Qt::MouseButton button, double x, double y);
    void picPole_MouseMove(double x, double y);
    void picPole_Wheel(QPoint angle, Qt::KeyboardModifiers modifiers);
    void kClearPole_Click();
    void kReshotkaGotova_Click();
    void txtVoprosOtvet_Change();
    bool txtVoprosOtvet_KeyDown(int key);
    bool txtOtvet_KeyPress(char32_t ch);
    bool txtOtvet_KeyDown(int key);
    void Form_Resize();
    void HScroll1_Change();
    void VScroll1_Change();

    // Inner size of the window (the area below the menu bar).
    int ScaleWidth() const;
    int ScaleHeight() const;

    // Design captions, before any language file is loaded.
    static constexpr const char* DesignFileCaption = "&File";

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void buildMenus();
    void buildPanel();
    void buildClueOverview();
    // After an undo or redo: Modified tells whether the crossword differs from its last save.
    void afterHistoryStep();
    // The symmetry box and the kind below it into the settings.
    void symmetryChanged();
    // The parts of the window the scroll bars module works on.
    struct ScrollParts scrollParts();
    QWidget* client_ = nullptr;

    // Menus and their items.
    QMenu* File = nullptr;
    QAction* FileOpenOtvet = nullptr;
    QAction* FileSave = nullptr;
    QAction* FileSaveAs = nullptr;
    QAction* FilePrint = nullptr;
    QAction* FilePrintPreview = nullptr;
    QMenu* FilePaper = nullptr;
    std::array<QAction*, 2> FilePaperSize{}; // A4, Letter
    QAction* FileAnswersPage = nullptr;      // checked: prints and PDFs get a page with the answers
    QAction* FileSep = nullptr;
    QAction* FileExit = nullptr;
    QMenu* Edit = nullptr;
    QAction* EditUndo = nullptr;
    QAction* EditRedo = nullptr;
    QAction* EditGrid = nullptr;
    QMenu* Kross = nullptr;
    QAction* KrossNew = nullptr;
    QAction* KrossOpen = nullptr;
    QAction* KrossChange = nullptr;
    QAction* KrossAbout = nullptr;
    QAction* KrossFoundWord = nullptr;
    QAction* KrossFill = nullptr;
    QAction* KrossFillAgain = nullptr;
    QAction* KrossDelOtwet = nullptr;
    QAction* KrossCopyWord = nullptr;
    QAction* KrossExportPdf = nullptr;
    QAction* KrossExportIpuz = nullptr;
    QMenu* Options = nullptr;
    QAction* OptionsRazmerKF = nullptr;
    QAction* OptionsLanguage = nullptr;
    QAction* OptionsSep = nullptr;
    std::array<QAction*, 2> OptionsStyle{};
    QAction* OptionsClueOverview = nullptr; // shows or hides the clue overview
    QMenu* Help = nullptr;
    QAction* HelpCallHelp = nullptr;
    QAction* HelpAbout = nullptr;

    // The field and its container.
    FieldContainer* picControl = nullptr;
    FieldWidget* picPole = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QWidget* PctrUgol = nullptr;
    Surface picCopyKross_{Colors::Black};

    // Side panel.
    QCheckBox* ChSimmetrija = nullptr;
    QComboBox* cmbSymmetry = nullptr; // the kind of symmetry: mirror, half turn
    QLabel* lblKoordinaty = nullptr;
    QPushButton* kClearPole = nullptr;
    QPushButton* kReshotkaGotova = nullptr;
    QLabel* lblStatistika = nullptr;
    QLabel* lblSlov = nullptr;
    QLabel* lblGorizont = nullptr;
    QLabel* lblVertikal = nullptr;
    std::array<QLabel*, 2> lblVopros{};
    QLabel* lblVoprosOtvet = nullptr;
    TextBox* txtVoprosOtvet = nullptr;
    QLabel* lblOtvet = nullptr;
    TextBox* txtOtvet = nullptr;

    // The word-search window while it is open.
    QPointer<frmFindWord> findWord_;
    // The clue overview, docked beside the field or floating.
    ClueOverviewPanel* clues_ = nullptr;
    QUndoStack* history_ = nullptr;

    // 1 between a mouse press on the field and its release.
    int FieldPressed = 0;
};
