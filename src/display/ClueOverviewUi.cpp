#include "display/ClueOverviewUi.h"

#include <QFont>
#include <QHeaderView>
#include <QPalette>
#include <QTreeView>

#include "app/AuthoringTexts.h"
#include "app/ProgramState.h"
#include "app/frmForma.h"
#include "display/ClueOverview.h"
#include "display/ShowSlovoMUi.h"
#include "display/ShowVoprosMUi.h"
#include "grid/ShowVoprosOtvetMUi.h"
#include "widgets/UiText.h"

namespace {
// Internal ids: 0 for the two groups, 1 + direction for a word of a group.
constexpr quintptr GroupId = 0;
} // namespace

void ClueOverviewModel::Refresh() {
    const auto& d = Doc();
    std::array<std::vector<int32_t>, 2> numbers{ClueOverview::Numbers(d, 0), ClueOverview::Numbers(d, 1)};
    if (numbers != numbers_) {
        beginResetModel();
        numbers_ = std::move(numbers);
        endResetModel();
        return;
    }
    for (int dir = 0; dir <= 1; ++dir) {
        const auto& list = numbers_[static_cast<size_t>(dir)];
        if (list.empty()) continue;
        const QModelIndex group = index(dir, 0);
        emit dataChanged(index(0, 0, group),
                         index(static_cast<int>(list.size()) - 1, ColumnCount - 1, group));
    }
}

QModelIndex ClueOverviewModel::IndexOf(int32_t n, int32_t d) const {
    if (d != 0 && d != 1) return {};
    const auto& list = numbers_[static_cast<size_t>(d)];
    const auto it = std::lower_bound(list.begin(), list.end(), n);
    if (it == list.end() || *it != n) return {};
    return index(static_cast<int>(it - list.begin()), 0, index(d, 0));
}

bool ClueOverviewModel::WordAt(const QModelIndex& i, int32_t& n, int32_t& d) const {
    if (!i.isValid() || i.internalId() == GroupId) return false;
    d = static_cast<int32_t>(i.internalId() - 1);
    const auto& list = numbers_[static_cast<size_t>(d)];
    if (i.row() < 0 || static_cast<size_t>(i.row()) >= list.size()) return false;
    n = list[static_cast<size_t>(i.row())];
    return true;
}

QModelIndex ClueOverviewModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount) return {};
    if (!parent.isValid()) return row < 2 ? createIndex(row, column, GroupId) : QModelIndex();
    if (parent.internalId() != GroupId || parent.row() > 1) return {};
    if (static_cast<size_t>(row) >= numbers_[static_cast<size_t>(parent.row())].size()) return {};
    return createIndex(row, column, static_cast<quintptr>(parent.row() + 1));
}

QModelIndex ClueOverviewModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == GroupId) return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, GroupId);
}

int ClueOverviewModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return numbers_[0].empty() && numbers_[1].empty() ? 0 : 2;
    if (parent.internalId() != GroupId || parent.column() != 0) return 0;
    return static_cast<int>(numbers_[static_cast<size_t>(parent.row())].size());
}

int ClueOverviewModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

QVariant ClueOverviewModel::data(const QModelIndex& i, int role) const {
    if (!i.isValid()) return {};
    if (i.internalId() == GroupId) {
        if (role != Qt::DisplayRole || i.column() != 0) return {};
        return Tr(i.row() == 0 ? AuthoringTexts::AcrossGroup : AuthoringTexts::DownGroup);
    }
    int32_t n = 0, d = 0;
    if (!WordAt(i, n, d)) return {};
    const ClueOverview::Entry e = ClueOverview::EntryOf(Doc(), n, d);
    switch (role) {
    case Qt::DisplayRole:
        switch (i.column()) {
        case NumberColumn:
            return e.Number;
        case LengthColumn:
            return e.Length;
        case ClueColumn:
            return Q(e.Clue);
        case AnswerColumn:
            return e.Mark == ClueOverview::WordMark::NoAnswer ? Tr(AuthoringTexts::NoAnswerMark)
                                                              : Q(e.Answer);
        default:
            return {};
        }
    case Qt::ToolTipRole:
        // A tool tip takes markup when the text looks like it: a clue from a received file is shown as
        // the characters it holds.
        if (i.column() != ClueColumn || e.Clue.empty()) return {};
        return QStringLiteral("<p>%1</p>").arg(Q(e.Clue).toHtmlEscaped());
    case Qt::TextAlignmentRole:
        return i.column() <= LengthColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    case Qt::FontRole: {
        // A word without an answer: its mark in italics; a solved word: its clue struck through.
        QFont font;
        if (e.Mark == ClueOverview::WordMark::NoAnswer && i.column() == AnswerColumn) font.setItalic(true);
        if (e.Mark == ClueOverview::WordMark::Solved && i.column() == ClueColumn) font.setStrikeOut(true);
        return font;
    }
    case Qt::ForegroundRole:
        if (e.Mark == ClueOverview::WordMark::NoAnswer && i.column() == AnswerColumn)
            return QColor(Qt::darkRed);
        if (e.Mark == ClueOverview::WordMark::Solved) return QColor(Qt::darkGreen);
        return {};
    default:
        return {};
    }
}

QVariant ClueOverviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case NumberColumn:
        return Tr(AuthoringTexts::NumberColumn);
    case LengthColumn:
        return Tr(AuthoringTexts::LengthColumn);
    case ClueColumn:
        return Tr(AuthoringTexts::ClueColumn);
    case AnswerColumn:
        return Tr(AuthoringTexts::AnswerColumn);
    default:
        return {};
    }
}

ClueOverviewPanel::ClueOverviewPanel(QWidget* parent) : QDockWidget(parent) {
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    lstClues = new QTreeView(this);
    lstClues->setObjectName("lstClues");
    lstClues->setModel(&model_);
    lstClues->setUniformRowHeights(true); // a large grid has hundreds of thousands of words
    lstClues->setRootIsDecorated(true);
    lstClues->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstClues->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstClues->header()->setStretchLastSection(false);
    lstClues->header()->setSectionResizeMode(ClueOverviewModel::ClueColumn, QHeaderView::Stretch);
    // The number column holds the words' indentation under their group and a number of up to seven digits.
    lstClues->setColumnWidth(ClueOverviewModel::NumberColumn,
                             2 * lstClues->indentation() +
                                 lstClues->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 8);
    lstClues->setColumnWidth(ClueOverviewModel::LengthColumn, 44);
    lstClues->setColumnWidth(ClueOverviewModel::AnswerColumn, 96);
    lstClues->setMinimumWidth(340);
    setWidget(lstClues);
    connect(lstClues, &QTreeView::clicked, this, &ClueOverviewPanel::choose);
    connect(lstClues, &QTreeView::activated, this, &ClueOverviewPanel::choose);
    // The group headings span the row, and both groups stay open.
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] {
        for (int row = 0; row < model_.rowCount(); ++row)
            lstClues->setFirstColumnSpanned(row, QModelIndex(), true);
        lstClues->expandAll();
    });
}

void ClueOverviewPanel::ApplyCaptions() {
    setWindowTitle(Tr(AuthoringTexts::CluesTitle));
    emit model_.headerDataChanged(Qt::Horizontal, 0, ClueOverviewModel::ColumnCount - 1);
    Refresh();
}

void ClueOverviewPanel::Refresh() {
    if (isHidden()) {
        stale_ = true;
        return;
    }
    stale_ = false;
    model_.Refresh();
}

void ClueOverviewPanel::showEvent(QShowEvent* e) {
    QDockWidget::showEvent(e);
    if (stale_) Refresh();
}

void ClueOverviewPanel::FollowSelection(int32_t n, int32_t d) {
    if (isHidden() || n <= 0) return;
    if (stale_) Refresh();
    const QModelIndex i = model_.IndexOf(n, d);
    if (!i.isValid()) return;
    lstClues->setCurrentIndex(i);
    lstClues->scrollTo(i);
}

void ClueOverviewPanel::choose(const QModelIndex& index) {
    int32_t n = 0, d = 0;
    if (!model_.WordAt(index, n, d) || !WordChosen) return;
    // A word that cannot be selected (solved already, or a crossword that takes no clicks) is not
    // shown as chosen.
    if (!WordChosen(n, d)) lstClues->setCurrentIndex(QModelIndex());
}

namespace ClueOverview {

bool SelectWord(frmForma& f, int32_t n, int32_t d) {
    auto& doc = Doc();
    if (doc.WordLength(n, d) <= 0) return false;
    switch (doc.AppMode) {
    case Mode::Authoring:
        if (doc.CurNumber > 0) ShowSlovoM::DrawWord(f, doc.CurNumber, doc.CurDirection, CellColor);
        doc.CurNumber = n;
        doc.CurDirection = d;
        ShowVoprosOtvetM::ShowClueAndAnswer(f);
        return true;
    case Mode::SolveBare:
        if (doc.SolvedWords.Get(n, d) != 0) return false;
        if (doc.CurNumber > 0) ShowSlovoM::DrawWord(f, doc.CurNumber, doc.CurDirection, CellColor);
        doc.CurNumber = n;
        doc.CurDirection = d;
        ShowSlovoM::DrawWord(f, n, d, SelectionColor);
        return true;
    case Mode::Solve: {
        if (doc.SolvedWords.Get(n, d) != 0) return false;
        const int32_t x = doc.ViewSlotTable.Get(n, Slot::X, d), y = doc.ViewSlotTable.Get(n, Slot::Y, d);
        const int32_t a = doc.GridLayers.Get(x, y, Layer::Across), dn = doc.GridLayers.Get(x, y, Layer::Down);
        if (a + dn < 1) return false;
        ShowVoprosM::ShowCrossingClues(f, a, dn);
        return true;
    }
    default:
        return false;
    }
}

} // namespace ClueOverview
