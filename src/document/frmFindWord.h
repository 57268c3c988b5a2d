#pragma once
// The word-search window: lists the words of a word-list file that fit a pattern ("?" for any letter).
// It stays open beside the main window while the author works and writes nothing into the crossword.
#include <QAbstractListModel>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "widgets/TextBox.h"

// The words found, as offsets into the text of the word-list file they came from. The model keeps that
// text, so a list of a million words costs four bytes a word and no strings until a row is shown.
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
    // that fit the pattern (cp1251, any case). The buffer of the file text is reused from search to search.
    void Search(const std::string& path, const std::string& pattern);
    // The word of a row, cp1251.
    std::string Word(int row) const;

  private:
    std::string text_;              // the last word-list file read
    std::vector<uint32_t> offsets_; // where the found words start in text_
    size_t length_ = 0;
};

class frmFindWord : public QWidget {
    Q_OBJECT
  public:
    // An ordinary window owned by the main window (owner), not modal. command: the caption of the
    // command that opened it, plain, which begins the window's title.
    explicit frmFindWord(QWidget* owner, const QString& command = QString());

    // The word-search command: opens the window beside owner and searches for the selected word, or
    // brings the window that is already open (held in window) to the front and fills it again from the
    // word selected now. window is null again once the window is closed.
    static frmFindWord* ShowWindow(QPointer<frmFindWord>& window, QWidget* owner, const QString& command);

    TextBox* txtWord = nullptr;
    QListView* List1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
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

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void setFoundTitle(qsizetype count);
    QString command_;
    bool listKeyDown_ = false; // a key went down in List1
};
