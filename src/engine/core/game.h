#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/core/datetime.h"
#include "engine/core/records.h"

namespace mv {

// 1 when k >= n; otherwise n! / ((n - k)! k!) in extended precision, rounded.
std::int64_t Binomial(int n, int k);
// Combinations sharing exactly k numbers with a fixed draw: C(5, k) * C(31, 5 - k).
std::int64_t HitCount(int k);
// HitCount and its probability for k = 0..5, computed once.
const std::array<THitEntry, NumbersInDraw + 1>& HitTable();

// Sorts the five numbers of a draw ascending in place; nothing else changes.
void SortNumbers(TDrawRec& draw);
// Number of (i, j) pairs with a[i] == b[j].
int CountMatches(const std::uint8_t* a, const std::uint8_t* b);

int ChannelOf(int number, int width);
// Pure red outside 1..36, else the palette entry of the number's channel (wrapping after 19).
TRgb ChannelColor(int number, int width);
inline constexpr int ChannelPaletteSize = 19;
// Entry 1..19 of the channel palette.
TRgb ChannelPalette(int index);

// The number card lays 1..MaxNumber out row by row in `cols` columns (cols >= 1), 1 in the
// top left cell; the last row may end in empty cells.
int MatrixRows(int cols);
inline int CellNumber(int col, int row, int cols) { return 1 + row * cols + col; }
struct TCardCell {
    int Row = 0;
    int Col = 0;
    bool operator==(const TCardCell&) const = default;
};
// The cell of a number 1..MaxNumber: the inverse of CellNumber.
inline TCardCell NumberCell(int number, int cols) {
    return {(number - 1) / cols, (number - 1) % cols};
}

// "dd.mm.yyyy", or the empty text for t <= 0.
std::string DrawDateText(TDateTime t);
// Reads a date laid out as "dd.mm.yyyy"; blank gives 0; an impossible date throws
// EConvertError.
TDateTime ParseDrawDate(const std::string& text);

// "01 05 12 23 36"
std::string CombText(const TComb& comb);
// Five words separated by TAB, blank, ",", "-", ".", ":", ";" or "|"; throws EError
// "Некорректная комбинация: "<line>"!" otherwise. Numbers are not range-checked, except that
// one outside 0..255 reads as 0 (StrToByteOrZero).
TComb ParseCombText(const std::string& line);
// "Тираж № 1024 от 05.01.2024, значения: 3;17;22;30;36 e:9"
std::string DrawLineText(const TDrawRec& draw);
// "3;17;22;30;36": the five numbers in stored order.
std::string DrawNumbersText(const TDrawRec& draw);
// The sum of five numbers: a draw's (DrawSum) or a combination's.
int NumbersSum(const std::array<std::uint8_t, NumbersInDraw>& nums);
inline int DrawSum(const TDrawRec& draw) { return NumbersSum(draw.Nums); }
// Distinct numbers in the first count combinations; stops once all 36 were seen.
int UniqueNumberCount(const TComb* list, std::size_t count);

}  // namespace mv
