#include "engine/views/week.h"

#include <algorithm>
#include <cmath>

#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/views/draw_window.h"

namespace mv {

int IsoDayOfWeek(TDateTime date) {
    // Day 0, 30 December 1899, was a Saturday.
    const long long day = static_cast<long long>(std::floor(date));
    return static_cast<int>(((day + 5) % 7 + 7) % 7) + 1;
}

std::array<const char*, DaysInWeek> WeekDayNames() {
    return {Msg(TMsg::WeekMonday).c_str(),    Msg(TMsg::WeekTuesday).c_str(),
            Msg(TMsg::WeekWednesday).c_str(), Msg(TMsg::WeekThursday).c_str(),
            Msg(TMsg::WeekFriday).c_str(),    Msg(TMsg::WeekSaturday).c_str(),
            Msg(TMsg::WeekSunday).c_str()};
}

namespace {

// The draw's day of the week, or 0 when its date is blank or cannot be read.
int DrawDay(const TDrawRec& draw) {
    const std::string text = draw.Date();
    if (Trim(text).empty()) return 0;
    try {
        return IsoDayOfWeek(ParseDrawDate(text));
    } catch (const std::exception&) {
        return 0;
    }
}

}  // namespace

TWeekCounts ComputeWeekCounts(const TDrawsArray& draws, int drawsOffset, int windowLength) {
    TWeekCounts result;
    const TDrawWindow window =
        RecentDrawsWindow(static_cast<int>(draws.size()), drawsOffset, windowLength);
    for (int i = window.First; i <= window.Last; ++i) {
        const TDrawRec& draw = draws[static_cast<std::size_t>(i)];
        const int day = DrawDay(draw);
        if (day == 0) {
            if (result.Skipped++ == 0) result.FirstSkippedDraw = draw.Number;
            continue;
        }
        for (const std::uint8_t n : draw.Nums) {
            if (n < 1 || n > MaxNumber) continue;
            std::int32_t& count = result.Counts[n - 1U][static_cast<std::size_t>(day - 1)];
            ++count;
            if (count > result.Maximum) result.Maximum = count;
        }
    }
    return result;
}

std::string WeekSkippedText(const TWeekCounts& counts) {
    if (counts.Skipped == 0) return {};
    return Msg(TMsg::UnknownDateDrawsPrefix) + std::to_string(counts.Skipped) +
           Msg(TMsg::UnknownDateFirstDraw) + std::to_string(counts.FirstSkippedDraw) +
           Msg(TMsg::UnknownDateNotCounted);
}

std::optional<TRgb> WeekCellColour(std::int32_t count, std::int32_t maximum) {
    if (maximum <= 0 || count <= 0) return std::nullopt;
    // Rounded to the nearest integer, halves to even (the default rounding mode).
    const double g = 255.0 - static_cast<double>(count) * 255.0 / maximum;
    const auto channel = static_cast<std::uint8_t>(std::nearbyint(std::max(g, 0.0)));
    return TRgb{255, channel, channel};
}

std::vector<TWeekChartPoint> WeekChartPoints(const TWeekCounts& counts, bool byDays, int number,
                                             int day) {
    std::vector<TWeekChartPoint> points;
    if (byDays) {
        for (int d = 1; d <= DaysInWeek; ++d) {
            const std::int32_t y = number >= 1 && number <= MaxNumber ? counts.Count(number, d) : 0;
            points.push_back({d, y, WeekDayNames()[static_cast<std::size_t>(d - 1)]});
        }
    } else {
        for (int n = 1; n <= MaxNumber; ++n) {
            const std::int32_t y = day >= 1 && day <= DaysInWeek ? counts.Count(n, day) : 0;
            points.push_back({n, y, std::to_string(n)});
        }
    }
    return points;
}

}  // namespace mv
