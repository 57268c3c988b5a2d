#pragma once
// Where a word lies on the grid, checked against the grid's size. Word tables come from files a user may
// have received from someone else, so every walk over a word's cells starts here.
#include <cstdint>
#include <optional>

#include "basics/Arrays.h"
#include "document/KrossDocument.h"

struct WordPlace {
    int32_t X = 0; // first cell
    int32_t Y = 0;
    int32_t Length = 0;    // cells, at least 1
    int32_t Direction = 0; // 0 across, 1 down

    int32_t Col(int32_t i) const { return X + (Direction == 0 ? i : 0); }
    int32_t Row(int32_t i) const { return Y + (Direction == 0 ? 0 : i); }
};

// True when a word of len cells from (x, y) in direction d lies wholly inside a w x h grid.
inline bool WordFits(int64_t x, int64_t y, int64_t len, int64_t d, int64_t w, int64_t h) {
    if (d != 0 && d != 1) return false;
    if (len < 1 || x < 0 || y < 0) return false;
    const int64_t lastX = x + (d == 0 ? len - 1 : 0), lastY = y + (d == 1 ? len - 1 : 0);
    return lastX < w && lastY < h;
}

// Word (n, d) as the table (SlotTable or ViewSlotTable) places it; nothing when the table has no such
// word or the word does not lie inside the document's grid.
inline std::optional<WordPlace> PlaceOf(const KrossDocument& doc, const Array3<int32_t>& table, int64_t n,
                                        int64_t d) {
    const int32_t x = table.Get(n, Slot::X, d), y = table.Get(n, Slot::Y, d),
                  len = table.Get(n, Slot::Length, d);
    if (!WordFits(x, y, len, d, doc.GridWidth, doc.GridHeight)) return std::nullopt;
    return WordPlace{x, y, len, static_cast<int32_t>(d)};
}
