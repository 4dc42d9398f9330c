#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/records.h"

namespace mv {

// The draw map: one row per draw of the whole archive, newest first, one column per number.
// Grid columns: 0 the draw number, 1..36 the numbers, 37 ("E") the extra number. The draws
// offset does not apply: the map always shows every draw.
inline constexpr int CardExtraColumn = 37;

struct TCardRow {
    std::int32_t Number = 0;
    std::uint64_t Mask = 0;  // bit n set when n (1..36) is one of the draw's numbers
    std::uint8_t Extra = 0;
};

// How a drawn number stands among its neighbours on the map: repeated when the same number
// was drawn in the next newer or next older draw, a neighbour when a number beside it (one
// column left or right, within 1..36) was drawn in the same draw.
enum class TCardRun { None, Neighbour, Repeat, RepeatAndNeighbour };

class TCard {
public:
    TCard() = default;
    explicit TCard(const TDrawsArray& draws);

    // Rows are 0-based here: row 0 is the newest draw.
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const TCardRow& Row(int row) const { return m_rows[static_cast<std::size_t>(row)]; }
    bool Has(int row, int number) const { return (Row(row).Mask >> number) & 1U; }
    // The text of a grid cell: the draw number (column 0), the number when drawn (1..36, else
    // empty), the extra number (37).
    std::string CellText(int row, int column) const;
    // TCardRun::None for an empty cell.
    TCardRun Run(int row, int number) const;

private:
    std::vector<TCardRow> m_rows;
};

// The fill of a body cell of columns 1..36 that is neither selected nor focused, or nothing
// when the grid's own colour stays: yellow for a repeat with a neighbour, lime for a repeat
// alone, aqua for a neighbour alone (with `sequences` on); otherwise, with `channels` on, the
// colour of the column's channel, empty cells included.
std::optional<TRgb> CardCellColour(const TCard& card, int row, int number, bool channels,
                                   bool sequences, int channelSize);

}  // namespace mv
