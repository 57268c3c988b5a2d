#include "app/frmForma.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "app/ProgramState.h"
#include "export/PrintKross.h"

namespace {
frmForma* g_mainForm = nullptr;

// The side panel's fixed places: x 8, width 137 unless stated.
struct Place {
    int y, h, w = 137;
};
constexpr Place kChSimmetrija{80, 49}, kLblStatistika{80, 24}, kLblSlov{100, 16}, kLblGorizont{120, 16},
    kLblVopros0{136, 120}, kLblKoordinaty{136, 16}, pClearPole{168, 41}, pReshotkaGotova{224, 57},
    kLblVertikal{256, 16}, kLblVopros1{272, 120}, kLblVoprosOtvet{392, 40, 142}, kTxtVoprosOtvet{410, 24},
    kLblOtvet{440, 16}, kTxtOtvet{458, 24};

void place(QWidget* w, const Place& p) {
    w->setGeometry(8, p.y, p.w, p.h);
}

} // namespace

frmForma* MainForm() {
    return g_mainForm;
}

FieldWidget::FieldWidget(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // One repaint of the visible part follows any number of drawing steps: marking the exact rectangles
    // of thousands of cells would cost more than the drawing itself.
    S.Changed = [this](const QRect&) {
        SyncSize();
        if (updatePending_) return;
        updatePending_ = true;
        QTimer::singleShot(0, this, [this] {
            updatePending_ = false;
            update();
        });
    };
}

void FieldWidget::SyncSize() {
    if (width() != S.Width() || height() != S.Height()) resize(S.Width(), S.Height());
}

void FieldWidget::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(e->rect().topLeft(), S.Image(), e->rect());
}

void FieldWidget::mousePressEvent(QMouseEvent* e) {
    if (MouseDown) MouseDown(e->button(), e->position().x(), e->position().y());
}

void FieldWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (MouseUp) MouseUp(e->button(), e->position().x(), e->position().y());
}

void FieldWidget::mouseMoveEvent(QMouseEvent* e) {
    if (MouseMove) MouseMove(e->position().x(), e->position().y());
}

void FieldWidget::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (GotFocus) GotFocus();
}

void FieldContainer::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (GotFocus) GotFocus();
}

frmForma::frmForma() {
    g_mainForm = this;
    setObjectName("frmForma");
    client_ = new QWidget(this);
    client_->setObjectName("client");
    setCentralWidget(client_);
    client_->installEventFilter(this);
    buildMenus();
    buildPanel();
    resize(820, 540);
    // A shortcut does not open its menu first: the Delete answer command refreshes its enabled state
    // before the shortcut map looks at it.
    qApp->installEventFilter(this);
}

frmForma::~frmForma() {
    qApp->removeEventFilter(this);
    if (g_mainForm == this) g_mainForm = nullptr;
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

    Kross = bar->addMenu("&Crossword");
    Kross->setObjectName("Kross");
    connect(Kross, &QMenu::aboutToShow, this, &frmForma::Kross_Click);
    KrossNew = item(Kross, "KrossNew", "&New...", QKeySequence("Ctrl+N"), true, &frmForma::KrossNew_Click);
    KrossOpen = item(Kross, "KrossOpen", "&Open...", {}, true, &frmForma::KrossOpen_Click);
    KrossChange = item(Kross, "KrossChange", "&Change...", {}, false, &frmForma::KrossChange_Click);
    KrossAbout = item(Kross, "KrossAbout", "&Properties...", {}, false, &frmForma::KrossAbout_Click);
    KrossFoundWord = item(Kross, "KrossFoundWord", "&Find word...", QKeySequence("F4"), false,
                          &frmForma::KrossFoundWord_Click);
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
    for (int i = 0; i < 2; ++i) {
        auto* a = Options->addAction(i == 0 ? "C&lassic" : "&Arabic");
        a->setObjectName(QString("OptionsStyle%1").arg(i));
        a->setCheckable(true);
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
    ChSimmetrija->setStyleSheet("QCheckBox { padding: 0px; }");
    ChSimmetrija->hide();
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

void frmForma::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
}

bool frmForma::eventFilter(QObject* watched, QEvent* e) {
    if (watched == client_ && e->type() == QEvent::Resize) Form_Resize();
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_F8 && k->modifiers() == Qt::NoModifier) Kross_Click();
    }
    return QMainWindow::eventFilter(watched, e);
}
