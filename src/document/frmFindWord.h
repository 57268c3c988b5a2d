#pragma once
// The word-search window: lists the words of a word-list file that fit a pattern ("?" for any letter).
// It stays open beside the main window while the author works and writes nothing into the crossword.
#include <QAbstractListModel>
#include <QCheckBox>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "document/WordSearch.h"
#include "widgets/TextBox.h"

// Interface texts of the word search beyond the language file's first lines.
namespace FindWordText {
constexpr int PutHint = 100; // tip of the list: a double click or Enter puts a word into the answer box
} // namespace FindWordText

// The words found, copied out of the word-list file one after another: a list of a million words costs
// its letters and no strings until a row is shown.
class FoundWordsModel : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit FoundWordsModel(QObject* parent = nullptr) : QAbstractListModel(parent) {}

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The view asks for every row's index while it lays out a million rows: answered without the
    // row and column counts that the general version asks for each time.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Reads the word-list file at path (a missing or unreadable one holds no words) and lists the words
    // that fit the pattern (cp1251, any case). The reading buffer is kept from search to search.
    void Search(const std::string& path, const std::string& pattern);
    // Lists nothing.
    void Clear();
    // Keeps listed only the words (cp1251) that keep says yes to, in their order.
    void KeepOnly(const std::function<bool(std::string_view)>& keep);
    // The word of a row, cp1251.
    std::string Word(int row) const;

  private:
    WordSearch::FoundWords found_;
    std::string buffer_;
};

class frmFindWord : public QWidget {
    Q_OBJECT
  public:
    // An ordinary window owned by the main window (owner), not modal. command: the caption of the
    // command that opened it, plain, which begins the window's title.
    explicit frmFindWord(QWidget* owner, const QString& command = QString());

    // The word-search command: opens the window beside owner and searches for the selected word, or
    // brings the window that is already open (held in window) to the front and fills it again from the
    // word selected now. window is null again once the window is closed. putWord: where a found word goes
    // (the owner's answer box).
    static frmFindWord* ShowWindow(QPointer<frmFindWord>& window, QWidget* owner, const QString& command,
                                   std::function<void(const QString&)> putWord = {});
    // The selected word of the crossword has been shown anew: the window takes its pattern from the
    // crossing letters and searches, once the current event is done.
    void FollowSelection();

    TextBox* txtWord = nullptr;
    QListView* List1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    // Checked: only the words that leave every crossing word of the selected word fillable from the word
    // lists are listed.
    QCheckBox* chKeepsCrossings = nullptr;
    FoundWordsModel* Words = nullptr; // the model of List1

    // Captions, the pattern of the selected word from the crossing letters, and its search.
    void Form_Load();
    // The search for the pattern in txtWord (Enter released in txtWord).
    void Search();

    bool txtWord_KeyPress(char32_t ch);
    void txtWord_Change();
    bool txtWord_KeyDown(int key);
    void txtWord_KeyUp(int key);
    void List1_KeyDown(int key);
    void List1_KeyUp(int key);

    // Puts the window beside its owner, on the owner's screen.
    void PlaceBesideOwner();
    // A found word (double click, or Enter in List1) goes into the owner's answer box for the selected word,
    // which gets the focus: Enter there stores it as a typed answer. Only while authoring, and only a word
    // as long as the selected one.
    void PutIntoAnswerBox(int row);

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void setFoundTitle(qsizetype count);
    QString command_;
    std::function<void(const QString&)> putWord_;
    // The pattern of the selected word: the letters crossing words put into its cells, "?" elsewhere;
    // empty when no word is selected.
    static QString selectedWordPattern();
    // The pattern of the selected word, searched (FollowSelection).
    void refillFromSelection();
    bool listKeyDown_ = false;   // a key went down in List1
    bool refillPending_ = false; // FollowSelection has asked for a refill that has not run yet
};
