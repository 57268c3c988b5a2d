#include "app/frmForma.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QUndoStack>

#include "app/AuthoringTexts.h"
#include "app/DeystvieM.h"
#include "app/ProgramState.h"
#include "display/ClueOverviewUi.h"
#include "display/FieldWidget.h"
#include "display/ProkrutkaMUi.h"
#include "document/frmFindWord.h"
#include "export/ExportCommands.h"
#include "export/PrintKross.h"
#include "grid/GridFill.h"
#include "lang/LanguageFile.h"
#include "widgets/TextBox.h"
#include "widgets/UiText.h"

namespace {

// The side panel's fixed places: x 8, width 137 unless stated.
struct Place {
    int y, h, w = 137;
};
constexpr Place kChSimmetrija{80, 49}, kCmbSymmetry{106, 22}, kLblStatistika{80, 24}, kLblSlov{100, 16},
    kLblGorizont{120, 16}, kLblVopros0{136, 120}, kLblKoordinaty{136, 16}, pClearPole{168, 41},
    pReshotkaGotova{224, 57}, kLblVertikal{256, 16}, kLblVopros1{272, 120}, kLblVoprosOtvet{392, 40, 142},
    kTxtVoprosOtvet{410, 24}, kLblOtvet{440, 16}, kTxtOtvet{458, 24};
// Without the clue box above it, the answer box moves up to where the clue box's label would begin.
constexpr int kTxtOtvetAlone = 426;

void place(QWidget* w, const Place& p) {
    w->setGeometry(8, p.y, p.w, p.h);
}

} // namespace

frmForma::frmForma() {
    setObjectName("frmForma");
    client_ = new QWidget(this);
    client_->setObjectName("client");
    setCentralWidget(client_);
    client_->installEventFilter(this);
    history_ = new QUndoStack(this);
    buildMenus();
    buildPanel();
    buildClueOverview();
    resize(820, 540);
    // A shortcut does not open its menu first: the Delete answer command refreshes its enabled state
    // before the shortcut map looks at it.
    qApp->installEventFilter(this);
}

frmForma::~frmForma() {
    qApp->removeEventFilter(this);
    // The stack empties itself when it goes and reports that to the window, which is half gone by the
    // time its children are deleted: it goes first, unheard.
    disconnect(history_, nullptr, this, nullptr);
    delete history_;
    history_ = nullptr;
}

void frmForma::buildMenus() {
    auto* bar = menuBar();
    auto item = [this](QMenu* menu, const char* name, const char* caption, QKeySequence key, bool enabled,
                       void (frmForma::*handler)()) {
        auto* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        if (!key.isEmpty()) a->setShortcut(key);
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return a;
    };
    File = bar->addMenu(QString::fromLatin1(DesignFileCaption));
    File->setObjectName("File");
    FileOpenOtvet = item(File, "FileOpenOtvet", "&Open answers...", QKeySequence("Ctrl+O"), true,
                         &frmForma::FileOpenOtvet_Click);
    FileSave = item(File, "FileSave", "&Save", QKeySequence("Ctrl+S"), false, &frmForma::FileSave_Click);
    FileSaveAs = item(File, "FileSaveAs", "Save &as...", {}, false, &frmForma::FileSaveAs_Click);
    File->addSeparator();
    FilePrint =
        item(File, "FilePrint", "&Print...", QKeySequence("Ctrl+P"), false, &frmForma::FilePrint_Click);
    FilePrintPreview =
        item(File, "FilePrintPreview", "Print Pre&view...", {}, false, &frmForma::FilePrintPreview_Click);
    FilePaper = File->addMenu("Pape&r");
    FilePaper->setObjectName("FilePaper");
    auto* papers = new QActionGroup(this);
    for (int i = 0; i < 2; ++i) {
        auto* a = FilePaper->addAction(i == 0 ? "A4" : "Letter");
        a->setObjectName(QString("FilePaperSize%1").arg(i));
        a->setCheckable(true);
        papers->addAction(a);
        FilePaperSize[static_cast<size_t>(i)] = a;
    }
    FilePaperSize[PrintKross::DefaultPaper() == QPageSize::Letter ? 1 : 0]->setChecked(true);
    FileAnswersPage = File->addAction("Print the A&nswers Page");
    FileAnswersPage->setObjectName("FileAnswersPage");
    FileAnswersPage->setCheckable(true);
    FileAnswersPage->setEnabled(false);
    FileSep = File->addSeparator();
    FileExit = item(File, "FileExit", "E&xit", {}, true, &frmForma::FileExit_Click);

    Edit = bar->addMenu("&Edit");
    Edit->setObjectName("Edit");
    EditUndo = item(Edit, "EditUndo", "&Undo", QKeySequence("Ctrl+Z"), false, &frmForma::EditUndo_Click);
    EditRedo = item(Edit, "EditRedo", "&Redo", QKeySequence("Ctrl+Y"), false, &frmForma::EditRedo_Click);
    EditRedo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    Edit->addSeparator();
    EditGrid = item(Edit, "EditGrid", "Edit the &Grid", {}, false, &frmForma::EditGrid_Click);
    connect(history_, &QUndoStack::canUndoChanged, EditUndo, &QAction::setEnabled);
    connect(history_, &QUndoStack::canRedoChanged, EditRedo, &QAction::setEnabled);
    connect(history_, &QUndoStack::indexChanged, this, [this] { CluesChanged(); });

    Kross = bar->addMenu("&Crossword");
    Kross->setObjectName("Kross");
    connect(Kross, &QMenu::aboutToShow, this, &frmForma::Kross_Click);
    KrossNew = item(Kross, "KrossNew", "&New...", QKeySequence("Ctrl+N"), true, &frmForma::KrossNew_Click);
    KrossOpen = item(Kross, "KrossOpen", "&Open...", {}, true, &frmForma::KrossOpen_Click);
    KrossChange = item(Kross, "KrossChange", "&Change...", {}, false, &frmForma::KrossChange_Click);
    KrossAbout = item(Kross, "KrossAbout", "&Properties...", {}, false, &frmForma::KrossAbout_Click);
    KrossFoundWord = item(Kross, "KrossFoundWord", "&Find word...", QKeySequence("F4"), false,
                          &frmForma::KrossFoundWord_Click);
    KrossFill =
        item(Kross, "KrossFill", "Fi&ll the grid", QKeySequence("F9"), false, &frmForma::KrossFill_Click);
    KrossFillAgain = item(Kross, "KrossFillAgain", "Fill a&gain", QKeySequence("Shift+F9"), false,
                          &frmForma::KrossFillAgain_Click);
    KrossDelOtwet = item(Kross, "KrossDelOtwet", "&Delete answer", QKeySequence("F8"), false,
                         &frmForma::KrossDelOtwet_Click);
    KrossCopyWord =
        item(Kross, "KrossCopyWord", "&HTML export...", {}, false, &frmForma::KrossCopyWord_Click);
    KrossExportPdf =
        item(Kross, "KrossExportPdf", "E&xport to PDF...", {}, false, &frmForma::KrossExportPdf_Click);
    KrossExportIpuz =
        item(Kross, "KrossExportIpuz", "Export to ip&uz...", {}, false, &frmForma::KrossExportIpuz_Click);

    Options = bar->addMenu("&Options");
    Options->setObjectName("Options");
    OptionsRazmerKF = item(Options, "OptionsRazmerKF", "&Cell size and fonts...", {}, false,
                           &frmForma::OptionsRazmerKF_Click);
    OptionsLanguage =
        item(Options, "OptionsLanguage", "Language: ", {}, true, &frmForma::OptionsLanguage_Click);
    OptionsSep = Options->addSeparator();
    // The two styles exclude each other: radio items of one group.
    auto* styles = new QActionGroup(this);
    styles->setExclusive(true);
    for (int i = 0; i < 2; ++i) {
        auto* a = Options->addAction(i == 0 ? "C&lassic" : "&Arabic");
        a->setObjectName(QString("OptionsStyle%1").arg(i));
        a->setCheckable(true);
        styles->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { OptionsStyle_Click(i); });
        OptionsStyle[static_cast<size_t>(i)] = a;
    }

    Help = bar->addMenu("&Help");
    Help->setObjectName("Help");
    HelpCallHelp =
        item(Help, "HelpCallHelp", "&Contents", QKeySequence("F1"), true, &frmForma::HelpCallHelp_Click);
    HelpAbout = item(Help, "HelpAbout", "&About...", {}, true, &frmForma::HelpAbout_Click);
}

void frmForma::buildPanel() {
    picControl = new FieldContainer(client_);
    picControl->setObjectName("picControl");
    picControl->setFocusPolicy(Qt::ClickFocus);
    picControl->setAutoFillBackground(true);
    picControl->GotFocus = [this] { picControl_GotFocus(); };
    picPole = new FieldWidget(picControl);
    picPole->setObjectName("picPole");
    picPole->hide();
    picPole->MouseDown = [this](Qt::MouseButton b, double x, double y) { picPole_MouseDown(b, x, y); };
    picPole->MouseUp = [this](Qt::MouseButton b, double x, double y) { picPole_MouseUp(b, x, y); };
    picPole->MouseMove = [this](double x, double y) { picPole_MouseMove(x, y); };
    picPole->GotFocus = [this] { picPole_GotFocus(); };
    picPole->Wheel = [this](QPoint angle, Qt::KeyboardModifiers m) { picPole_Wheel(angle, m); };
    HScroll1 = new QScrollBar(Qt::Horizontal, picControl);
    HScroll1->setObjectName("HScroll1");
    VScroll1 = new QScrollBar(Qt::Vertical, picControl);
    VScroll1->setObjectName("VScroll1");
    for (auto* bar : {HScroll1, VScroll1}) {
        bar->setMinimum(0);
        bar->setMaximum(0);
        bar->setFocusPolicy(Qt::NoFocus); // the bars never keep the keyboard focus
        bar->hide();
    }
    connect(HScroll1, &QScrollBar::valueChanged, this, &frmForma::HScroll1_Change);
    connect(VScroll1, &QScrollBar::valueChanged, this, &frmForma::VScroll1_Change);
    PctrUgol = new QWidget(picControl);
    PctrUgol->setObjectName("PctrUgol");
    PctrUgol->setAutoFillBackground(true);
    PctrUgol->hide();

    auto label = [this](const char* name, const Place& p) {
        auto* l = new QLabel(client_);
        l->setObjectName(name);
        l->setTextFormat(Qt::PlainText); // clues and captions come from files: text, never markup
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        place(l, p);
        l->hide();
        return l;
    };
    lblStatistika = label("lblStatistika", kLblStatistika);
    lblSlov = label("lblSlov", kLblSlov);
    lblGorizont = label("lblGorizont", kLblGorizont);
    lblVopros[0] = label("lblVopros0", kLblVopros0);
    lblVopros[0]->setWordWrap(true);
    lblKoordinaty = label("lblKoordinaty", kLblKoordinaty);
    lblVertikal = label("lblVertikal", kLblVertikal);
    lblVopros[1] = label("lblVopros1", kLblVopros1);
    lblVopros[1]->setWordWrap(true);
    lblVoprosOtvet = label("lblVoprosOtvet", kLblVoprosOtvet);
    lblVoprosOtvet->setWordWrap(true);
    lblOtvet = label("lblOtvet", kLblOtvet);

    ChSimmetrija = new QCheckBox(client_);
    ChSimmetrija->setObjectName("ChSimmetrija");
    place(ChSimmetrija, kChSimmetrija);
    // The box keeps its place; its text sits in the upper half, above the kind of symmetry.
    ChSimmetrija->setStyleSheet(QStringLiteral("QCheckBox { padding: 0px; padding-bottom: %1px; }")
                                    .arg(kChSimmetrija.y + kChSimmetrija.h - kCmbSymmetry.y));
    ChSimmetrija->hide();
    cmbSymmetry = new QComboBox(client_);
    cmbSymmetry->setObjectName("cmbSymmetry");
    place(cmbSymmetry, kCmbSymmetry);
    cmbSymmetry->addItem(QString()); // mirror
    cmbSymmetry->addItem(QString()); // half turn
    cmbSymmetry->hide();
    // The symmetry chosen last time.
    const int32_t symmetry = Opt().Symmetry;
    ChSimmetrija->setChecked(symmetry != SymmetryChoice::None);
    cmbSymmetry->setCurrentIndex(symmetry == SymmetryChoice::HalfTurn ? 1 : 0);
    cmbSymmetry->setEnabled(ChSimmetrija->isChecked());
    connect(ChSimmetrija, &QCheckBox::toggled, this, &frmForma::symmetryChanged);
    connect(cmbSymmetry, &QComboBox::currentIndexChanged, this, &frmForma::symmetryChanged);
    kClearPole = new QPushButton(client_);
    kClearPole->setObjectName("kClearPole");
    place(kClearPole, pClearPole);
    kClearPole->hide();
    connect(kClearPole, &QPushButton::clicked, this, &frmForma::kClearPole_Click);
    kReshotkaGotova = new QPushButton(client_);
    kReshotkaGotova->setObjectName("kReshotkaGotova");
    place(kReshotkaGotova, pReshotkaGotova);
    kReshotkaGotova->hide();
    connect(kReshotkaGotova, &QPushButton::clicked, this, &frmForma::kReshotkaGotova_Click);

    txtVoprosOtvet = new TextBox(client_);
    txtVoprosOtvet->setObjectName("txtVoprosOtvet");
    place(txtVoprosOtvet, kTxtVoprosOtvet);
    txtVoprosOtvet->hide();
    txtVoprosOtvet->KeyDown = [this](int key) { return txtVoprosOtvet_KeyDown(key); };
    connect(txtVoprosOtvet, &QLineEdit::textChanged, this, &frmForma::txtVoprosOtvet_Change);
    txtOtvet = new TextBox(client_);
    txtOtvet->setObjectName("txtOtvet");
    txtOtvet->setMaxLength(32767); // an answer fills its word, however long the grid allows it
    place(txtOtvet, kTxtOtvet);
    txtOtvet->hide();
    txtOtvet->KeyDown = [this](int key) { return txtOtvet_KeyDown(key); };
    txtOtvet->KeyPress = [this](char32_t ch) { return txtOtvet_KeyPress(ch); };
}

void frmForma::buildClueOverview() {
    clues_ = new ClueOverviewPanel(this);
    clues_->setObjectName("dockClues");
    addDockWidget(Qt::RightDockWidgetArea, clues_);
    clues_->hide();
    clues_->WordChosen = [this](int32_t n, int32_t d) { return ClueOverview::SelectWord(*this, n, d); };
    // The Options item shows and hides the panel, and is checked while it is shown.
    OptionsClueOverview = clues_->toggleViewAction();
    OptionsClueOverview->setObjectName("OptionsClueOverview");
    Options->insertAction(OptionsSep, OptionsClueOverview);
}

void frmForma::symmetryChanged() {
    cmbSymmetry->setEnabled(ChSimmetrija->isChecked());
    Opt().Symmetry = !ChSimmetrija->isChecked()         ? SymmetryChoice::None
                     : cmbSymmetry->currentIndex() == 1 ? SymmetryChoice::HalfTurn
                                                        : SymmetryChoice::Mirror;
}

int frmForma::ScaleWidth() const {
    return client_->width();
}
int frmForma::ScaleHeight() const {
    return client_->height();
}

void frmForma::closeEvent(QCloseEvent* e) {
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel)
        e->ignore();
    else
        e->accept();
}

bool frmForma::eventFilter(QObject* watched, QEvent* e) {
    if (watched == client_ && e->type() == QEvent::Resize) Form_Resize();
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_F8 && k->modifiers() == Qt::NoModifier) Kross_Click();
        // A panel text box keeps Undo and Redo for its own typing; with nothing of its own to undo or
        // redo, the keys undo and redo the crossword. The key is then taken here, so the box does not
        // act on it as well.
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && (box == txtOtvet || box == txtVoprosOtvet)) {
            const bool undo = k->matches(QKeySequence::Undo);
            const bool redo = !undo && k->matches(QKeySequence::Redo);
            if ((undo && !box->isUndoAvailable()) || (redo && !box->isRedoAvailable())) {
                k->accept();
                if (undo)
                    EditUndo_Click();
                else
                    EditRedo_Click();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

// ---- the field ----

FieldWidget& frmForma::Field() {
    return *picPole;
}

ScrollParts frmForma::scrollParts() {
    return {*picControl, *picPole, *HScroll1, *VScroll1, *PctrUgol};
}

void frmForma::UpdateScrollBars() {
    ProkrutkaM::UpdateScrollBars(scrollParts());
}

void frmForma::picPole_Wheel(QPoint angle, Qt::KeyboardModifiers modifiers) {
    ProkrutkaM::ScrollByWheel(scrollParts(), angle, modifiers, Opt().CellSize);
}

void frmForma::ScrollHome() {
    HScroll1->setValue(0);
    VScroll1->setValue(0);
}

void frmForma::ScrollIntoView(const FieldGeometry::Box& box) {
    ProkrutkaM::ScrollIntoView(scrollParts(), box);
}

// ---- the side panel ----

void frmForma::ApplyLook(const DeystvieM::ModeLook& look) {
    ChSimmetrija->setVisible(look.DrawingTools);
    lblKoordinaty->setVisible(look.DrawingTools);
    kReshotkaGotova->setVisible(look.DrawingTools);
    kClearPole->setVisible(look.DrawingTools);
    lblSlov->setVisible(look.WordCount);
    lblStatistika->setVisible(look.WordCount);
    lblGorizont->setVisible(look.Clues);
    lblVopros[0]->setText(QString());
    lblVopros[0]->setVisible(look.Clues);
    lblVertikal->setVisible(look.Clues);
    lblVopros[1]->setText(QString());
    lblVopros[1]->setVisible(look.Clues);
    lblVoprosOtvet->setVisible(look.AnswerEntry);
    txtVoprosOtvet->setText(QString());
    txtVoprosOtvet->setVisible(look.ClueEntry);
    lblOtvet->setVisible(look.ClueEntry);
    txtOtvet->setText(QString());
    txtOtvet->setVisible(look.AnswerEntry);
    txtOtvet->move(txtOtvet->x(), look.ClueEntry ? kTxtOtvet.y : kTxtOtvetAlone);

    FileSave->setEnabled(look.Save);
    FileSaveAs->setEnabled(look.Save);
    KrossChange->setEnabled(look.Unlock);
    KrossAbout->setEnabled(look.AuthorTools);
    KrossFoundWord->setEnabled(look.AuthorTools);
    KrossFill->setEnabled(look.AuthorTools);
    KrossFillAgain->setEnabled(look.AuthorTools);
    KrossCopyWord->setEnabled(look.AuthorTools);
    KrossDelOtwet->setEnabled(false);
    EditGrid->setEnabled(look.GridEdit);
    cmbSymmetry->setVisible(look.DrawingTools);
    OptionsRazmerKF->setEnabled(look.CellSettings);
    for (QAction* a : {FilePrint, FilePrintPreview, KrossExportPdf, KrossExportIpuz})
        a->setEnabled(look.PrintAndExport);
    FileAnswersPage->setEnabled(look.AnswersPage);
    // Only authoring and drawing are undone: another mode starts afresh.
    if (!look.DrawingTools && !look.GridEdit) ForgetEdits();
    CluesChanged();
}

void frmForma::ShowClue(int32_t direction, const QString& text) {
    if (direction == 0 || direction == 1) lblVopros[static_cast<size_t>(direction)]->setText(text);
}

void frmForma::SetWordsCaption(const QString& text) {
    lblSlov->setText(text);
}

void frmForma::SetPrompt(const QString& text) {
    lblVoprosOtvet->setText(text);
}

TextBox& frmForma::AnswerBox() {
    return *txtOtvet;
}

TextBox& frmForma::ClueBox() {
    return *txtVoprosOtvet;
}

bool frmForma::Symmetric() const {
    return ChSimmetrija->isChecked();
}

FieldGeometry::Symmetry frmForma::SymmetryInForce() const {
    if (!ChSimmetrija->isChecked()) return FieldGeometry::Symmetry::None;
    return cmbSymmetry->currentIndex() == 1 ? FieldGeometry::Symmetry::HalfTurn
                                            : FieldGeometry::Symmetry::Mirror;
}

void frmForma::SelectionShown() {
    if (findWord_) findWord_->FollowSelection();
    const auto& d = Doc();
    clues_->FollowSelection(d.CurNumber, d.CurDirection);
}

void frmForma::CluesChanged() {
    clues_->Refresh();
}

// ---- undo and redo ----

QUndoStack& frmForma::History() {
    return *history_;
}

void frmForma::ForgetEdits() {
    history_->clear();
}

void frmForma::EditsSaved() {
    history_->setClean();
}

void frmForma::afterHistoryStep() {
    Doc().Modified = !history_->isClean();
    CluesChanged();
}

// ---- captions ----

void frmForma::ApplyCaptions(const InterfaceTexts& t) {
    auto cap = [&t](int32_t i) { return Q(t.Captions[static_cast<size_t>(i)]); };
    // A menu whose caption the language leaves empty shows the English one: the menus stay usable, and
    // Options -> Language leads to another language.
    auto menu = [&t](int32_t i) { return Q(CaptionOrEnglish(t, i)); };
    OptionsLanguage->setText(Q(LanguageMenuCaption(t.DisplayName)));
    File->setTitle(menu(LangIndex::FileMenu));
    FileOpenOtvet->setText(menu(LangIndex::FileOpenOtvet));
    FileSave->setText(menu(LangIndex::FileSave));
    FileSaveAs->setText(menu(LangIndex::FileSaveAs));
    FileExit->setText(menu(LangIndex::FileExit));
    Kross->setTitle(menu(LangIndex::KrossMenu));
    KrossNew->setText(menu(LangIndex::KrossNew));
    KrossOpen->setText(menu(LangIndex::KrossOpen));
    KrossChange->setText(menu(LangIndex::KrossChange));
    kReshotkaGotova->setText(cap(LangIndex::GridReadyButton));
    KrossAbout->setText(menu(LangIndex::KrossAbout));
    KrossFoundWord->setText(menu(LangIndex::KrossFoundWord));
    KrossDelOtwet->setText(menu(LangIndex::KrossDelOtwet));
    KrossCopyWord->setText(menu(LangIndex::KrossCopyWord));
    Options->setTitle(menu(LangIndex::OptionsMenu));
    OptionsRazmerKF->setText(menu(LangIndex::OptionsRazmerKF));
    OptionsStyle[0]->setText(menu(LangIndex::StyleClassic));
    OptionsStyle[1]->setText(menu(LangIndex::StyleTurned));
    Help->setTitle(menu(LangIndex::HelpMenu));
    HelpCallHelp->setText(menu(LangIndex::HelpCallHelp));
    HelpAbout->setText(menu(LangIndex::HelpAbout));
    lblOtvet->setText(cap(LangIndex::AnswerHeading));
    lblStatistika->setText(cap(LangIndex::StatisticsHeading));
    ChSimmetrija->setText(cap(LangIndex::SymmetryBox));
    lblGorizont->setText(cap(LangIndex::AcrossHeading));
    lblVertikal->setText(cap(LangIndex::DownHeading));
    lblKoordinaty->setText(cap(LangIndex::Coordinates));
    kClearPole->setText(cap(LangIndex::ClearFieldButton));
    // The authoring aids.
    Edit->setTitle(Tr(AuthoringTexts::EditMenu));
    EditUndo->setText(Tr(AuthoringTexts::Undo));
    EditRedo->setText(Tr(AuthoringTexts::Redo));
    EditGrid->setText(Tr(AuthoringTexts::EditGrid));
    cmbSymmetry->setItemText(0, Tr(AuthoringTexts::SymmetryMirror));
    cmbSymmetry->setItemText(1, Tr(AuthoringTexts::SymmetryHalfTurn));
    clues_->ApplyCaptions();
    OptionsClueOverview->setText(Tr(AuthoringTexts::ClueOverview));
    // The commands of later features, from their own texts.
    namespace Index = ExportCommands::TextIndex;
    FilePrint->setText(Tr(Index::Print));
    FilePrintPreview->setText(Tr(Index::PrintPreview));
    FilePaper->setTitle(Tr(Index::Paper));
    FilePaperSize[0]->setText(Tr(Index::PaperA4));
    FilePaperSize[1]->setText(Tr(Index::PaperLetter));
    FileAnswersPage->setText(Tr(Index::AnswersPage));
    KrossExportPdf->setText(Tr(Index::ExportPdf));
    KrossExportIpuz->setText(Tr(Index::ExportIpuz));
    KrossFill->setText(Tr(FillText::FillCommand));
    KrossFillAgain->setText(Tr(FillText::FillAgain));
}

QString frmForma::FileCaption() const {
    return Plain(File->title());
}

QString frmForma::KrossCaption() const {
    return Plain(Kross->title());
}

QString frmForma::AcrossHeading() const {
    return Plain(lblGorizont->text());
}

QString frmForma::DownHeading() const {
    return Plain(lblVertikal->text());
}

int frmForma::PaperChoice() const {
    return FilePaperSize[1]->isChecked() ? 1 : 0;
}

bool frmForma::AnswersPageChosen() const {
    return FileAnswersPage->isChecked();
}

QString frmForma::PrintPreviewCaption() const {
    return Plain(FilePrintPreview->text());
}

void frmForma::CheckStyle(int index) {
    for (int i = 0; i < 2; ++i)
        OptionsStyle[static_cast<size_t>(i)]->setChecked(i == index);
}
