#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/constants.h"
#include "engine/core/records.h"
#include "engine/views/draw_window.h"

namespace mv {

// How often each number was drawn in a window and in which draw it was drawn last. One
// record per number met, in the order the numbers are first met scanning the window from its
// newest draw to its oldest and each draw in its stored order.
struct TShemaRec {
    std::int32_t Number = 0;
    std::int32_t Count = 0;     // draws of the window holding the number
    std::int32_t LastDraw = 0;  // the number of the newest such draw
    friend bool operator==(const TShemaRec&, const TShemaRec&) = default;
};
using TShemaArray = std::vector<TShemaRec>;

// Numbers outside 1..36 are not counted.
TShemaArray CountShema(const TDrawsArray& draws, TDrawWindow window);

// The layout grid: rows are the distinct counts (most frequent first), columns the distinct
// last draws (most recent first); a cell holds the numbers with that count and that last
// draw, joined by ", " in TShemaArray order, a hidden number (one of the first draw hidden
// by the offset) in square brackets.
struct TLayoutGrid {
    std::vector<std::int32_t> Counts;     // row headings, descending
    std::vector<std::int32_t> LastDraws;  // column headings, descending
    // Cells[row][column] over the body; Bracketed tells whether a cell holds a hidden number.
    std::vector<std::vector<std::string>> Cells;
    std::vector<std::vector<bool>> Bracketed;
};

using THiddenNumbers = std::bitset<MaxNumber + 1>;

TLayoutGrid BuildLayoutGrid(const TDrawsArray& draws, int drawsOffset, int windowLength,
                            const THiddenNumbers& hidden);

// One comparison list: for a window, a row per distinct count with the numbers drawn that
// many times (", " in TShemaArray order), most frequent first. Empty archive: no rows and no
// caption (the list keeps the one it had).
struct TCompareRow {
    std::int32_t Count = 0;
    std::string Numbers;
    friend bool operator==(const TCompareRow&, const TCompareRow&) = default;
};
struct TCompareList {
    std::string Caption;  // "<oldest draw> - <newest draw>"
    std::vector<TCompareRow> Rows;
};
inline constexpr int LayoutCompareLists = 5;

TCompareList BuildCompareList(const TDrawsArray& draws, int drawsOffset, int windowLength);

// The fill of a body cell (grid row r >= 1, column c >= 1 of a grid of `rows` x `columns`
// counting the heading row and column) that is neither selected nor focused: lime when it
// holds a hidden number; otherwise, with `gradient`, a shade running over the grid, and a
// 5 x 5 checkerboard of light red and light green without it.
TRgb LayoutCellColour(int r, int c, int rows, int columns, bool gradient, bool bracketed);

}  // namespace mv
