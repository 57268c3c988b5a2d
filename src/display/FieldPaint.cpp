#include "display/FieldPaint.h"

#include <algorithm>

void FieldPaint::Reset(int32_t columns, int32_t rows) {
    columns_ = std::max(columns, 0);
    rows_ = std::max(rows, 0);
    cells_.assign(static_cast<size_t>(columns_) * static_cast<size_t>(rows_), Cell{});
    cells_.shrink_to_fit();
    next_ = 1;
    largestNumber_ = 0;
}

void FieldPaint::Clear() {
    std::fill(cells_.begin(), cells_.end(), Cell{});
    next_ = 1;
    largestNumber_ = 0;
}

void FieldPaint::Draw(int32_t c, int32_t r, const Look& look) {
    if (!inside(c, r)) return;
    if (next_ > orderLimit_) renumber();
    Cell& cell = cells_[index(c, r)];
    cell.Order = next_++;
    cell.Fill = look.Fill;
    cell.Number = look.Number;
    cell.Letter = look.Letter;
    largestNumber_ = std::max(largestNumber_, look.Number);
}

bool FieldPaint::IsDrawn(int32_t c, int32_t r) const {
    return inside(c, r) && cells_[index(c, r)].Order != 0;
}

FieldPaint::Look FieldPaint::At(int32_t c, int32_t r) const {
    if (!inside(c, r)) return {};
    const Cell& cell = cells_[index(c, r)];
    return {cell.Fill, cell.Number, cell.Letter};
}

void FieldPaint::DrawnInOrder(int32_t c0, int32_t c1, int32_t r0, int32_t r1, std::vector<Drawn>& out) const {
    out.clear();
    c0 = std::max(c0, 0);
    r0 = std::max(r0, 0);
    c1 = std::min(c1, columns_ - 1);
    r1 = std::min(r1, rows_ - 1);
    for (int32_t r = r0; r <= r1; ++r)
        for (int32_t c = c0; c <= c1; ++c) {
            const uint32_t order = cells_[index(c, r)].Order;
            if (order != 0) out.push_back({order, c, r});
        }
    std::sort(out.begin(), out.end(), [](const Drawn& a, const Drawn& b) { return a.Order < b.Order; });
}

// The orders ran out: the drawn cells are numbered 1, 2, ... in their sequence, so that later drawings
// still come after every earlier one.
void FieldPaint::renumber() {
    std::vector<std::pair<uint32_t, size_t>> drawn;
    for (size_t i = 0; i < cells_.size(); ++i)
        if (cells_[i].Order != 0) drawn.emplace_back(cells_[i].Order, i);
    std::sort(drawn.begin(), drawn.end());
    uint32_t order = 0;
    for (const auto& [old, i] : drawn)
        cells_[i].Order = ++order;
    next_ = order + 1;
}
