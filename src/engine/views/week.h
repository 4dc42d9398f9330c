#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/core/constants.h"
#include "engine/core/datetime.h"
#include "engine/core/records.h"

namespace mv {

inline constexpr int DaysInWeek = 7;

// Day 1 is Monday, 7 Sunday.
int IsoDayOfWeek(TDateTime date);
// "Пн" ... "Вс", Monday first: the week grid's row headings, in the program's language
// whatever the system's locale.
std::array<const char*, DaysInWeek> WeekDayNames();

// How often each number was drawn on each day of the week over a window of recent visible
// draws. The extra number is not counted. A draw whose date is blank or cannot be read is
// counted nowhere; such draws are only counted in Skipped (the caller reports them once).
struct TWeekCounts {
    // Counts[number - 1][day - 1]
    std::array<std::array<std::int32_t, DaysInWeek>, MaxNumber> Counts{};
    std::int32_t Maximum = 0;  // the largest count, 0 when nothing was counted
    int Skipped = 0;
    std::int32_t FirstSkippedDraw = 0;  // the draw number of the oldest skipped draw
    std::int32_t Count(int number, int day) const {
        return Counts[static_cast<std::size_t>(number - 1)][static_cast<std::size_t>(day - 1)];
    }
};

TWeekCounts ComputeWeekCounts(const TDrawsArray& draws, int drawsOffset, int windowLength);

// "Тиражей с неизвестной датой: N (первый - тираж № X); они не учтены", or "" for none.
std::string WeekSkippedText(const TWeekCounts& counts);

// The fill of a body cell holding `count` that is neither selected nor focused: white to
// red as the count rises to the maximum; nothing (the grid's own colour) for an empty cell
// or while nothing was counted.
std::optional<TRgb> WeekCellColour(std::int32_t count, std::int32_t maximum);

// The chart of one grid line: with `byDays`, the 7 counts of `number` on each day (x 1..7,
// labelled with the day names); otherwise the 36 counts of the numbers on `day` (x 1..36,
// labelled with the numbers).
struct TWeekChartPoint {
    int X = 0;
    std::int32_t Y = 0;
    std::string Label;
};
std::vector<TWeekChartPoint> WeekChartPoints(const TWeekCounts& counts, bool byDays, int number,
                                             int day);

}  // namespace mv
