#pragma once
// What each cell of the field shows, as the drawing steps left it: the fill, number and letter the cell
// was last drawn with, and the order of those drawings. The field is painted from this state, only where
// it is visible, so a grid of any size costs what its visible part costs.
//
// The order matters where a cell's drawing runs beyond its box (a number wider than the cell, a letter
// taller than it): the later drawing lies on top, exactly as if every cell had been drawn on one picture
// in that order. A cell that was never drawn (a block, or any cell after Clear) shows the background.
#include <cstddef>
#include <cstdint>
#include <vector>

class FieldPaint {
  public:
    // What one drawing left in a cell.
    struct Look {
        int32_t Fill = 0;   // 0x00BBGGRR
        int32_t Number = 0; // clue number printed, 0 none
        uint8_t Letter = 0; // cp1251 code of the letter shown, 0 none
        bool operator==(const Look&) const = default;
    };
    // A drawn cell and when it was last drawn.
    struct Drawn {
        uint32_t Order = 0;
        int32_t Column = 0, Row = 0;
    };

    // orderLimit: the order after which the drawings are numbered afresh (1, 2, ... keeping their
    // sequence); a test can make it small.
    explicit FieldPaint(uint32_t orderLimit = UINT32_MAX - 1) : orderLimit_(orderLimit) {}

    // A grid of columns x rows cells, none drawn.
    void Reset(int32_t columns, int32_t rows);
    // Every cell back to the background, the grid's size kept.
    void Clear();
    int32_t Columns() const { return columns_; }
    int32_t Rows() const { return rows_; }

    // Cell (c, r) drawn now with look: it lies over every earlier drawing. Outside the grid: nothing.
    void Draw(int32_t c, int32_t r, const Look& look);
    // True when (c, r) has been drawn since the last Clear; the look it was drawn with.
    bool IsDrawn(int32_t c, int32_t r) const;
    Look At(int32_t c, int32_t r) const;
    // The largest number any cell was drawn with since the last Clear (how far numbers may reach).
    int32_t LargestNumber() const { return largestNumber_; }

    // The drawn cells of columns c0..c1 and rows r0..r1 (clamped to the grid), earliest drawing first.
    void DrawnInOrder(int32_t c0, int32_t c1, int32_t r0, int32_t r1, std::vector<Drawn>& out) const;

  private:
    struct Cell {
        uint32_t Order = 0; // 0: never drawn
        int32_t Fill = 0;
        int32_t Number = 0;
        uint8_t Letter = 0;
    };
    bool inside(int32_t c, int32_t r) const { return c >= 0 && r >= 0 && c < columns_ && r < rows_; }
    size_t index(int32_t c, int32_t r) const {
        return static_cast<size_t>(r) * static_cast<size_t>(columns_) + static_cast<size_t>(c);
    }
    void renumber();

    int32_t columns_ = 0, rows_ = 0;
    std::vector<Cell> cells_;
    uint32_t next_ = 1;
    uint32_t orderLimit_;
    int32_t largestNumber_ = 0;
};
