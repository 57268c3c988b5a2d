#include "document/frmFindWord.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "app/ProgramState.h"
#include "basics/Cp1251.h"
#include "document/WordSearch.h"
#include "widgets/FitToTitle.h"
#include "widgets/MsgBoxMUi.h"
#include "widgets/UiText.h"

// ---- the list of found words ----

int FoundWordsModel::rowCount(const QModelIndex& parent) const {
    // A list view counts its rows in int.
    return parent.isValid() ? 0 : static_cast<int>(std::min<size_t>(found_.Count(), INT_MAX));
}

QModelIndex FoundWordsModel::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || column != 0 || row < 0 || row >= rowCount()) return {};
    return createIndex(row, 0);
}

QVariant FoundWordsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() < 0 || index.row() >= rowCount())
        return {};
    return Q(Word(index.row()));
}

std::string FoundWordsModel::Word(int row) const {
    if (row < 0 || row >= rowCount()) return {};
    return std::string(found_.Word(static_cast<size_t>(row)));
}

void FoundWordsModel::Search(const std::string& path, const std::string& pattern) {
    // The view must not look at the words while they are replaced: the reset brackets the whole search.
    beginResetModel();
    WordSearch::SearchFile(path, pattern, found_, buffer_);
    endResetModel();
}

void FoundWordsModel::Clear() {
    beginResetModel();
    found_.Text.clear();
    endResetModel();
}

// ---- the window ----

frmFindWord::frmFindWord(QWidget* owner, const QString& command)
    : QWidget(owner, Qt::Window), command_(command) {
    setObjectName("frmFindWord");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* grid = new QGridLayout(this);
    Label1 = new QLabel(this);
    Label2 = new QLabel(this);
    Label3 = new QLabel(this);
    // Texts from the language file (and names from files) are shown as they are, never as markup.
    for (QLabel* label : {Label1, Label2, Label3})
        label->setTextFormat(Qt::PlainText);
    Label1->setObjectName("Label1");
    Label2->setObjectName("Label2");
    Label3->setObjectName("Label3");
    txtWord = new TextBox(this);
    txtWord->setObjectName("txtWord");
    Label1->setBuddy(txtWord);
    Words = new FoundWordsModel(this);
    List1 = new QListView(this);
    List1->setObjectName("List1");
    // Every row is one line of the same font: the view need not measure a million of them.
    List1->setUniformItemSizes(true);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setModel(Words);
    List1->installEventFilter(this);
    connect(List1, &QListView::doubleClicked, this,
            [this](const QModelIndex& i) { PutIntoAnswerBox(i.row()); });
    Label2->setBuddy(List1);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(txtWord, 1, 0);
    grid->addWidget(Label3, 1, 1);
    grid->addWidget(Label2, 2, 0, 1, 2);
    grid->addWidget(List1, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    resize(300, 380);
    setFoundTitle(0); // the width is known before the window is placed

    txtWord->KeyPress = [this](char32_t ch) { return txtWord_KeyPress(ch); };
    txtWord->KeyDown = [this](int key) { return txtWord_KeyDown(key); };
    txtWord->KeyUp = [this](int key) { txtWord_KeyUp(key); };
    connect(txtWord, &QLineEdit::textChanged, this, &frmFindWord::txtWord_Change);
    txtWord->setFocus();
}

frmFindWord* frmFindWord::ShowWindow(QPointer<frmFindWord>& window, QWidget* owner, const QString& command,
                                     std::function<void(const QString&)> putWord) {
    if (window) {
        // Already open: brought to the front and filled again from the word selected now, which is what
        // the author asks for after moving to another word.
        window->command_ = command;
        window->show();
        window->raise();
        window->activateWindow();
        window->txtWord->clear();
        window->Form_Load();
        return window;
    }
    // The window deletes itself when closed, which empties the pointer.
    window = new frmFindWord(owner, command);
    window->putWord_ = std::move(putWord);
    window->PlaceBesideOwner();
    window->show();
    window->Form_Load();
    return window;
}

void frmFindWord::PlaceBesideOwner() {
    QWidget* owner = parentWidget();
    if (!owner) return;
    const QRect main = owner->frameGeometry();
    const int w = frameGeometry().width(), h = frameGeometry().height();
    int x = main.right() + 1;
    int y = main.top();
    if (const QScreen* screen = owner->screen()) {
        const QRect avail = screen->availableGeometry();
        if (x + w - 1 > avail.right()) x = main.left() - w; // no room on the right: the left side
        if (x < avail.left()) x = avail.right() - w + 1;    // no room on either side: the screen's edge
        x = std::max(x, avail.left());
        y = std::clamp(y, avail.top(), std::max(avail.top(), avail.bottom() - h + 1));
    }
    move(x, y);
}

void frmFindWord::setFoundTitle(qsizetype count) {
    const QString start = command_ + QStringLiteral(": ") + Q(Lang().LangText[LangTextItem::FoundWordsTitle]);
    // As wide as the title of a count of seven digits: the window keeps its width while the count changes.
    FitToTitle(*this, start + QStringLiteral("0000000"));
    setWindowTitle(start + QString::number(count));
}

QString frmFindWord::selectedWordPattern() {
    const auto& d = Doc();
    if (d.CurNumber <= 0) return {};
    // The letters the crossing words put into the selected word's cells; "?" where none is known.
    const int32_t dir = d.CurDirection;
    int32_t x = d.SlotTable.Get(d.CurNumber, Slot::X, dir);
    int32_t y = d.SlotTable.Get(d.CurNumber, Slot::Y, dir);
    const int32_t length = d.SlotTable.Get(d.CurNumber, Slot::Length, dir);
    const int32_t crossing = dir == 0 ? Layer::DownLetter : Layer::AcrossLetter;
    std::string pattern;
    for (int32_t k = 0; k < length; ++k) {
        const int32_t code = d.GridLayers.Get(x, y, crossing);
        pattern += code < 1 || code > 255 ? WordSearch::Unknown : Cp1251::Char(code);
        if (dir == 0)
            ++x;
        else
            ++y;
    }
    return Q(pattern);
}

void frmFindWord::Form_Load() {
    const auto& t = Lang();
    setFoundTitle(0);
    Label3->setText(Q(t.LangFindWordCount) + QStringLiteral(" 0"));
    if (Doc().CurNumber > 0) {
        txtWord->setText(txtWord->text() + selectedWordPattern());
        txtWord->setCursorPosition(static_cast<int>(txtWord->text().size()));
        const QPointer<frmFindWord> self(this);
        QApplication::processEvents();
        if (!self) return; // closed and gone meanwhile
        txtWord_KeyUp(TextBox::Enter);
    }
    Label1->setText(Q(t.LangText[LangTextItem::PatternLabel]));
    Label2->setText(Q(t.LangText[LangTextItem::FoundListLabel]));
    List1->setToolTip(Tr(FindWordText::PutHint));
}

void frmFindWord::FollowSelection() {
    if (refillPending_) return;
    // The handler that changed the selection finishes first (it may go on to select yet another word).
    refillPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refillPending_ = false;
        refillFromSelection();
    });
}

void frmFindWord::refillFromSelection() {
    const auto& d = Doc();
    if (d.AppMode != Mode::Authoring || d.CurNumber <= 0) return;
    txtWord->setText(selectedWordPattern());
    txtWord->setCursorPosition(static_cast<int>(txtWord->text().size()));
    // A word too long for the word lists is not searched: the author did not ask, so no message either.
    if (txtWord->text().size() > WordSearch::MaxLength) {
        Words->Clear();
        setFoundTitle(0);
        return;
    }
    Search();
}

void frmFindWord::PutIntoAnswerBox(int row) {
    const auto& d = Doc();
    if (!putWord_ || d.AppMode != Mode::Authoring || d.CurNumber <= 0) return;
    const std::string word = Words->Word(row);
    const int32_t length = d.SlotTable.Get(d.CurNumber, Slot::Length, d.CurDirection);
    if (word.empty() || static_cast<int64_t>(word.size()) != length) {
        QApplication::beep();
        return;
    }
    putWord_(Q(word));
}

void frmFindWord::Search() {
    const QString pattern = txtWord->text();
    const qsizetype length = pattern.size();
    if (length <= 1) return;
    if (length > WordSearch::MaxLength) {
        MsgBoxM::Show(Q(Lang().LangText[LangTextItem::PatternTooLongMsg]), MsgBoxM::Style::Critical);
        return;
    }
    setCursor(Qt::WaitCursor);
    const auto& o = Opt();
    Words->Search(WordSearch::WordListPath(o.AppDir, o.PathSep, static_cast<int32_t>(length)),
                  Cp1251::ToUpper(Cp(pattern)));
    setFoundTitle(Words->rowCount());
    unsetCursor();
}

bool frmFindWord::txtWord_KeyPress(char32_t ch) {
    if (ch != U' ') return true;
    txtWord->insert(QStringLiteral("?"));
    return false;
}

void frmFindWord::txtWord_Change() {
    Label3->setText(Q(Lang().LangFindWordCount) + QStringLiteral(" ") +
                    QString::number(txtWord->text().size()));
}

bool frmFindWord::txtWord_KeyDown(int key) {
    const int count = Words->rowCount();
    const QModelIndex current =
        List1->selectionModel()->isSelected(List1->currentIndex()) ? List1->currentIndex() : QModelIndex();
    switch (key) {
    case TextBox::Escape:
        close();
        return true;
    case TextBox::Down: {
        const int next = current.isValid() ? current.row() + 1 : 0;
        if (next < count) List1->setCurrentIndex(Words->index(next));
        return true;
    }
    case TextBox::Up:
        if (current.isValid() && current.row() > 0) List1->setCurrentIndex(Words->index(current.row() - 1));
        return true;
    default:
        return false;
    }
}

void frmFindWord::txtWord_KeyUp(int key) {
    if (key == TextBox::Enter) Search();
}

void frmFindWord::List1_KeyDown(int key) {
    listKeyDown_ = true;
    if (key == TextBox::Enter && List1->currentIndex().isValid())
        PutIntoAnswerBox(List1->currentIndex().row());
}

void frmFindWord::List1_KeyUp(int key) {
    if (!listKeyDown_) return;
    listKeyDown_ = false;
    if (key == TextBox::Escape) close();
}

bool frmFindWord::eventFilter(QObject* watched, QEvent* e) {
    if (watched == List1 && (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)) {
        const int key = TextBox::KeyCode(static_cast<QKeyEvent*>(e)->key());
        if (e->type() == QEvent::KeyPress)
            List1_KeyDown(key);
        else
            List1_KeyUp(key);
    }
    return QWidget::eventFilter(watched, e);
}
