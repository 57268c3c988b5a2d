#include "document/EditHistory.h"

#include <algorithm>

#include "grid/LoadReshotkiM.h"
#include "grid/WordPlace.h"

namespace EditHistory {

namespace {

// The fields a snapshot keeps as the document holds them, copied either way (the drawn cells apart).
template <typename From, typename To> void copyKeptFields(const From& from, To& to) {
    to.AppMode = from.AppMode;
    to.GridWidth = from.GridWidth;
    to.GridHeight = from.GridHeight;
    to.NoAnswers = from.NoAnswers;
    to.EditingGrid = from.EditingGrid;
    to.NumberCount = from.NumberCount;
    to.WordCount = from.WordCount;
    to.SlotTable = from.SlotTable;
    to.ClueTexts = from.ClueTexts;
    to.SolvedWords = from.SolvedWords;
    to.SolvedCount = from.SolvedCount;
    to.KrossName = from.KrossName;
    to.KrossAuthor = from.KrossAuthor;
    to.EditPassword = from.EditPassword;
    to.CodeTable = from.CodeTable;
    to.DecodeTable = from.DecodeTable;
    to.ActiveStyle = from.ActiveStyle;
    to.CurNumber = from.CurNumber;
    to.CurDownNumber = from.CurDownNumber;
    to.CurDirection = from.CurDirection;
}

} // namespace

DocumentSnapshot TakeSnapshot(const KrossDocument& doc) {
    DocumentSnapshot s;
    copyKeptFields(doc, s);
    if (doc.AppMode == Mode::NewGrid) {
        const int32_t w = std::max(doc.GridWidth, 0), h = std::max(doc.GridHeight, 0);
        s.DrawnCells.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
        for (int32_t r = 0; r < h; ++r)
            for (int32_t c = 0; c < w; ++c)
                s.DrawnCells[static_cast<size_t>(r) * static_cast<size_t>(w) + static_cast<size_t>(c)] =
                    doc.Cell(c, r) != 0 ? 1 : 0;
    }
    return s;
}

void RestoreSnapshot(KrossDocument& doc, const DocumentSnapshot& s) {
    copyKeptFields(s, doc);
    if (s.AppMode == Mode::NewGrid) {
        const int32_t w = std::max(s.GridWidth, 0), h = std::max(s.GridHeight, 0);
        doc.GridLayers.Redim(w, h, 0);
        for (int32_t r = 0; r < h; ++r)
            for (int32_t c = 0; c < w; ++c)
                doc.SetCell(
                    c, r,
                    s.DrawnCells[static_cast<size_t>(r) * static_cast<size_t>(w) + static_cast<size_t>(c)]);
    } else {
        LoadReshotkiM::BuildLayers(doc);
    }
}

WordState CaptureWord(const KrossDocument& doc, int32_t n, int32_t d) {
    WordState w{n, d, doc.ClueTexts.Clue(n, d), doc.ClueTexts.Answer(n, d), {}};
    if (const auto place = PlaceOf(doc, doc.SlotTable, n, d))
        for (int32_t i = 0; i < place->Length; ++i) {
            const int32_t c = place->Col(i), r = place->Row(i);
            w.Letters.push_back({doc.GridLayers.Get(c, r, Layer::Letter),
                                 doc.GridLayers.Get(c, r, Layer::AcrossLetter),
                                 doc.GridLayers.Get(c, r, Layer::DownLetter)});
        }
    return w;
}

void RestoreWord(KrossDocument& doc, const WordState& w) {
    doc.ClueTexts.SetClue(w.Number, w.Direction, w.Clue);
    doc.ClueTexts.SetAnswer(w.Number, w.Direction, w.Answer);
    const auto place = PlaceOf(doc, doc.SlotTable, w.Number, w.Direction);
    if (!place) return;
    for (int32_t i = 0; i < place->Length && static_cast<size_t>(i) < w.Letters.size(); ++i) {
        const auto& l = w.Letters[static_cast<size_t>(i)];
        const int32_t c = place->Col(i), r = place->Row(i);
        doc.GridLayers.Set(c, r, Layer::Letter, l[0]);
        doc.GridLayers.Set(c, r, Layer::AcrossLetter, l[1]);
        doc.GridLayers.Set(c, r, Layer::DownLetter, l[2]);
    }
}

Identity CaptureIdentity(const KrossDocument& doc) {
    return {doc.KrossName, doc.KrossAuthor, doc.EditPassword, doc.CodeTable, doc.DecodeTable};
}

void RestoreIdentity(KrossDocument& doc, const Identity& id) {
    doc.KrossName = id.KrossName;
    doc.KrossAuthor = id.KrossAuthor;
    doc.EditPassword = id.EditPassword;
    doc.CodeTable = id.CodeTable;
    doc.DecodeTable = id.DecodeTable;
}

std::vector<CellChange> SetCells(KrossDocument& doc, const std::vector<std::pair<int32_t, int32_t>>& cells,
                                 int32_t v) {
    std::vector<CellChange> changes;
    changes.reserve(cells.size());
    for (auto [c, r] : cells) {
        changes.push_back({c, r, doc.Cell(c, r), v});
        doc.SetCell(c, r, v);
    }
    return changes;
}

std::vector<CellChange> BlockedCellsOpened(const KrossDocument& doc) {
    std::vector<CellChange> changes;
    for (int32_t r = 0; r < doc.GridHeight; ++r)
        for (int32_t c = 0; c < doc.GridWidth; ++c)
            if (const int32_t code = doc.Cell(c, r); code != 0) changes.push_back({c, r, code, 0});
    return changes;
}

void ApplyCells(KrossDocument& doc, const std::vector<CellChange>& cells) {
    for (const CellChange& c : cells)
        doc.SetCell(c.Col, c.Row, c.After);
}

void UndoCells(KrossDocument& doc, const std::vector<CellChange>& cells) {
    for (auto it = cells.rbegin(); it != cells.rend(); ++it)
        doc.SetCell(it->Col, it->Row, it->Before);
}

} // namespace EditHistory
