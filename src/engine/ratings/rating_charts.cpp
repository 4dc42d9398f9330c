#include "engine/ratings/rating_charts.h"

#include <algorithm>

#include "engine/core/constants.h"
#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/core/text_codec.h"
#include "engine/stakes/stakes_file.h"

namespace mv {

namespace {

constexpr std::int64_t kPage = 4096;

bool Charted(const TStakeRecord& rec) {
    return rec.DrawNumber > 0 && rec.Checked != 0 && rec.Matches.Count >= 0;
}

// The first record of the last StakeChartDrawLimit draws of charted stakes (a new draw is
// counted whenever the draw number changes between neighbouring charted stakes, walking back
// from the end), and the number of draws counted.
std::pair<std::int64_t, int> ChartStart(const TStakesFile& file) {
    int draws = 0;
    std::int32_t previous = 0;
    for (std::int64_t end = file.Count(); end > 0;) {
        const std::int64_t first = std::max<std::int64_t>(0, end - kPage);
        const std::vector<TStakeRecord> recs = file.ReadRange(first, end - first);
        for (std::size_t i = recs.size(); i-- > 0;) {
            const TStakeRecord& rec = recs[i];
            if (!Charted(rec) || rec.DrawNumber == previous) continue;
            if (draws == StakeChartDrawLimit) {
                return {first + static_cast<std::int64_t>(i) + 1, draws};
            }
            ++draws;
            previous = rec.DrawNumber;
        }
        end = first;
    }
    return {0, draws};
}

}  // namespace

std::vector<TRatingChartLine> StakeChartByDraw(const TStakesFile& file,
                                               const std::vector<std::string>& names,
                                               TStakeChartValue value) {
    if (names.empty()) throw EError(RatingChartsNoDataMessage);
    const auto [start, draws] = ChartStart(file);
    if (draws < 2) throw EError(RatingChartsNoDataMessage);
    std::vector<TRatingChartLine> lines;
    // The line of each name, once it has a point.
    std::vector<int> lineOf(names.size(), -1);
    const std::int64_t count = file.Count();
    for (std::int64_t first = start; first < count; first += kPage) {
        for (const TStakeRecord& rec : file.ReadRange(first, std::min(kPage, count - first))) {
            if (!Charted(rec)) continue;
            const auto name = std::find_if(names.begin(), names.end(), [&](const std::string& n) {
                return EqualsNoCaseUtf8(n, rec.Comment);
            });
            if (name == names.end()) continue;
            int& line = lineOf[static_cast<std::size_t>(name - names.begin())];
            if (line < 0) {
                line = static_cast<int>(lines.size());
                lines.push_back({*name, {}});
            }
            const double y = value == TStakeChartValue::Matches
                                 ? rec.Matches.Count
                                 : static_cast<double>(rec.Profit) / MoneyScale;
            lines[static_cast<std::size_t>(line)].Points.push_back({double(rec.DrawNumber), y});
        }
    }
    return lines;
}

std::vector<TRatingChartLine> RatingMatchChart(const std::vector<TRatingRecord>& rows) {
    std::int32_t most = 0;
    for (const TRatingRecord& row : rows) most = std::max(most, row.Stakes);
    std::vector<TRatingChartLine> lines;
    TRatingChartLine chance{RatingsChanceLineTitle, {}};
    for (int i = 0; i <= NumbersInDraw; ++i) {
        chance.Points.push_back(
            {double(i), static_cast<double>(HitCount(i)) * most / double(FullSetSize)});
    }
    lines.push_back(std::move(chance));
    for (const TRatingRecord& row : rows) {
        TRatingChartLine line{row.Name, {}};
        for (int i = 0; i <= NumbersInDraw; ++i)
            line.Points.push_back({double(i), double(row.Histogram[static_cast<std::size_t>(i)])});
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace mv
