#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/messages.h"
#include "engine/core/records.h"
#include "engine/ratings/ratings.h"

namespace mv {

class TStakesFile;

// What the ratings' charts show. The desktop program draws these lines as they are; the
// texts are the charts' titles and the chance line's name.

inline constexpr TMsgText RatingChartsNoDataMessage{TMsg::RatingChartsNoDataMessage};
inline constexpr TMsgText StakesOverlapChartTitle{TMsg::StakesOverlapChartTitle};
inline constexpr TMsgText StakesProfitChartTitle{TMsg::StakesProfitChartTitle};
inline constexpr TMsgText RatingsOverlapChartTitle{TMsg::RatingsOverlapChartTitle};
inline constexpr TMsgText RatingsChanceLineTitle{TMsg::RatingsChanceLineTitle};

// How many draws of checked stakes the by-draw charts cover, counted from the end of the file.
inline constexpr int StakeChartDrawLimit = 100;

// One named line of a chart: (x, y) points in the order they were found.
struct TRatingChartPoint {
    double X = 0;
    double Y = 0;
    friend bool operator==(const TRatingChartPoint&, const TRatingChartPoint&) = default;
};
struct TRatingChartLine {
    std::string Title;
    std::vector<TRatingChartPoint> Points;
};

enum class TStakeChartValue { Matches, Profit };

// The stakes of the rows named `names` by draw, over the last StakeChartDrawLimit draws of
// checked stakes in the file: each checked stake (draw number > 0, match count >= 0) whose
// comment equals one of the names without regard to case gives the point (draw number, match
// count or profit in currency units) on the line titled with that name. Lines come in the
// order of their first point; a name without stakes there has no line.
// Throws EError RatingChartsNoDataMessage when no name is given or the checked stakes cover
// fewer than two draws.
std::vector<TRatingChartLine> StakeChartByDraw(const TStakesFile& file,
                                               const std::vector<std::string>& names,
                                               TStakeChartValue value);

// The match-count chart of the given rows: first the chance line (for i = 0..5 matches, the
// number of stakes out of the largest row's stakes expected to match i numbers by chance),
// then one line per row with its histogram, x = 0..5.
std::vector<TRatingChartLine> RatingMatchChart(const std::vector<TRatingRecord>& rows);

}  // namespace mv
