#pragma once
// The main window: the field, its scroll bars, the side panel and the menus. Its handlers walk the steps
// of each command and hand the work to the program's modules.
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <optional>
#include <string>

#include "app/TextBox.h"
#include "display/Surface.h"

// picPole: the grid surface as a widget. It paints its surface and reports mouse and focus events.
class FieldWidget : public QWidget {
    Q_OBJECT
  public:
    explicit FieldWidget(QWidget* parent);
    Surface S{Colors::FieldBack};
    // Width and height of the picture; the widget follows the surface.
    void SyncSize();
    std::function<void(Qt::MouseButton, double, double)> MouseDown, MouseUp;
    std::function<void(double, double)> MouseMove;
    std::function<void()> GotFocus;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;

  private:
    bool updatePending_ = false;
};

// picControl: the container of the field and the scroll bars.
class FieldContainer : public QWidget {
    Q_OBJECT
  public:
    explicit FieldContainer(QWidget* parent) : QWidget(parent) {}
    std::function<void()> GotFocus;

  protected:
    void focusInEvent(QFocusEvent* e) override;
};

class frmForma : public QMainWindow {
    Q_OBJECT
  public:
    frmForma();
    ~frmForma() override;

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
    QMenu* Kross = nullptr;
    QAction* KrossNew = nullptr;
    QAction* KrossOpen = nullptr;
    QAction* KrossChange = nullptr;
    QAction* KrossAbout = nullptr;
    QAction* KrossFoundWord = nullptr;
    QAction* KrossDelOtwet = nullptr;
    QAction* KrossCopyWord = nullptr;
    QAction* KrossExportPdf = nullptr;
    QAction* KrossExportIpuz = nullptr;
    QMenu* Options = nullptr;
    QAction* OptionsRazmerKF = nullptr;
    QAction* OptionsLanguage = nullptr;
    QAction* OptionsSep = nullptr;
    std::array<QAction*, 2> OptionsStyle{};
    QMenu* Help = nullptr;
    QAction* HelpCallHelp = nullptr;
    QAction* HelpAbout = nullptr;

    // The field and its container.
    FieldContainer* picControl = nullptr;
    FieldWidget* picPole = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QWidget* PctrUgol = nullptr;
    // Never shown: the export picture and the digit strips of the clue numbers.
    Surface picCopyKross{Colors::Black};
    std::array<Surface, 3> picNomera{Surface{Colors::White}, Surface{Colors::White}, Surface{Colors::White}};

    // Side panel.
    QCheckBox* ChSimmetrija = nullptr;
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

    // 1 between a mouse press on the field and its release.
    int FieldPressed = 0;

    // Menu commands.
    void FileOpenOtvet_Click();
    void FileSave_Click();
    void FileSaveAs_Click();
    void FilePrint_Click();
    void FilePrintPreview_Click();
    void FileExit_Click();
    void Form_Unload(bool& cancel);
    void Kross_Click();
    void KrossNew_Click();
    void KrossOpen_Click();
    void KrossChange_Click();
    void KrossAbout_Click();
    void KrossFoundWord_Click();
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
    void kClearPole_Click();
    void kReshotkaGotova_Click();
    void txtVoprosOtvet_Change();
    bool txtVoprosOtvet_KeyDown(int key);
    bool txtOtvet_KeyPress(char32_t ch);
    bool txtOtvet_KeyDown(int key);
    void Form_Resize();
    void HScroll1_Change();
    void VScroll1_Change();

    // The central area in which the side panel and picControl are placed.
    QWidget* Client() const { return client_; }
    // Inner size of the window (the area below the menu bar).
    int ScaleWidth() const;
    int ScaleHeight() const;

    // Design captions, before any language file is loaded.
    static constexpr const char* DesignFileCaption = "&File";

  protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void buildMenus();
    void buildPanel();
    QWidget* client_ = nullptr;
};

// The one main window of the program (null before it is created).
frmForma* MainForm();
