#pragma once
// The overview of all clues: a panel beside the field listing the across and the down words with number,
// length, clue and answer (or a mark), following the crossword as it is authored or solved. Clicking a
// word selects it as a click on the field would.
#include <QAbstractItemModel>
#include <QDockWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QTreeView;
class frmForma;

// The words of the crossword on screen as a two-level list: the across and the down group, each with its
// words in number order. Reads the document when the view asks.
class ClueOverviewModel : public QAbstractItemModel {
    Q_OBJECT
  public:
    using QAbstractItemModel::QAbstractItemModel;
    enum Column { NumberColumn, LengthColumn, ClueColumn, AnswerColumn, ColumnCount };

    // Reads the document again: a changed set of words resets the list, changed texts only repaint it.
    void Refresh();
    // The index of word (n, d), or an invalid one.
    QModelIndex IndexOf(int32_t n, int32_t d) const;
    // The word of an index: false for a group or an invalid index.
    bool WordAt(const QModelIndex& index, int32_t& n, int32_t& d) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::array<std::vector<int32_t>, 2> numbers_; // the numbers with a word, across and down
};

class ClueOverviewPanel : public QDockWidget {
    Q_OBJECT
  public:
    explicit ClueOverviewPanel(QWidget* parent);
    // Captions of the language in force.
    void ApplyCaptions();
    // The crossword changed: the list shows it anew (at once while shown, else when it is shown).
    void Refresh();
    // Marks word (n, d) as the current entry and scrolls it into view; nothing for n = 0.
    void FollowSelection(int32_t n, int32_t d);
    // A word was clicked (or chosen with Enter) in the list; returns whether it was selected.
    std::function<bool(int32_t n, int32_t d)> WordChosen;

    QTreeView* lstClues = nullptr;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void choose(const QModelIndex& index);
    ClueOverviewModel model_;
    bool stale_ = true;
};

namespace ClueOverview {
// Selects word (n, d) as a click on one of its cells would: in authoring it becomes the selected word with
// its clue and answer in the boxes; in a bare grid being solved it is selected unless entered already;
// while solving, the clues through its first cell are shown unless the word is solved. False when nothing
// was selected.
bool SelectWord(frmForma& f, int32_t n, int32_t d);
} // namespace ClueOverview
