#include "engine/views/sums.h"

#include <algorithm>

#include "engine/core/constants.h"
#include "engine/core/game.h"
#include "engine/core/messages.h"

namespace mv {
namespace {

void AddSum(std::vector<TSumCount>& sums, std::int32_t sum) {
    auto it =
        std::find_if(sums.begin(), sums.end(), [sum](const TSumCount& s) { return s.Sum == sum; });
    if (it == sums.end()) {
        sums.push_back({sum, 1});
    } else {
        ++it->Count;
    }
}

void SortBySum(std::vector<TSumCount>& sums) {
    std::stable_sort(sums.begin(), sums.end(),
                     [](const TSumCount& a, const TSumCount& b) { return a.Sum < b.Sum; });
}

std::vector<TSumCount> EnumerateSums() {
    // Counted by sum directly, then laid out as the distribution: sums that occur, ascending.
    std::array<std::int32_t, MaxNumber * NumbersInDraw + 1> bySum{};
    for (int a = 1; a <= MaxNumber - 4; ++a) {
        for (int b = a + 1; b <= MaxNumber - 3; ++b) {
            for (int c = b + 1; c <= MaxNumber - 2; ++c) {
                for (int d = c + 1; d <= MaxNumber - 1; ++d) {
                    for (int e = d + 1; e <= MaxNumber; ++e) ++bySum[a + b + c + d + e];
                }
            }
        }
    }
    std::vector<TSumCount> sums;
    for (std::size_t s = 0; s < bySum.size(); ++s) {
        if (bySum[s] > 0) sums.push_back({static_cast<std::int32_t>(s), bySum[s]});
    }
    return sums;
}

std::int32_t MaxCount(const std::vector<TSumCount>& sums) {
    std::int32_t m = 0;
    for (const TSumCount& s : sums) m = std::max(m, s.Count);
    return m;
}

// The band of `level`: searched from both ends towards the middle entry.
void FindBounds(const std::vector<TSumCount>& sums, TSumLevel& level) {
    const int n = static_cast<int>(sums.size());
    for (int i = 0; i <= n / 2 && i < n; ++i) {
        if (sums[static_cast<std::size_t>(i)].Count >= level.Level) {
            level.Low = sums[static_cast<std::size_t>(i)].Sum;
            break;
        }
    }
    for (int i = n - 1; i >= n / 2 && i >= 0; --i) {
        if (sums[static_cast<std::size_t>(i)].Count >= level.Level) {
            level.High = sums[static_cast<std::size_t>(i)].Sum;
            break;
        }
    }
}

}  // namespace

const std::vector<TSumCount>& TheoreticalSums() {
    static const std::vector<TSumCount> sums = EnumerateSums();
    return sums;
}

std::vector<TSumCount> ActualSums(const TDrawsArray& draws, int windowLength) {
    std::vector<TSumCount> sums;
    const std::size_t size = draws.size();
    const std::size_t first = windowLength > 0 && static_cast<std::size_t>(windowLength) < size
                                  ? size - static_cast<std::size_t>(windowLength)
                                  : 0;
    for (std::size_t i = first; i < size; ++i) AddSum(sums, DrawSum(draws[i]));
    SortBySum(sums);
    return sums;
}

TSumsDistribution ComputeSumsDistribution(const TDrawsArray& draws, int windowLength) {
    TSumsDistribution d;
    d.Theoretical = TheoreticalSums();
    d.Actual = ActualSums(draws, windowLength);
    d.MaxT = MaxCount(d.Theoretical);
    d.MinT = d.MaxT;
    for (const TSumCount& s : d.Theoretical) d.MinT = std::min(d.MinT, s.Count);
    d.MaxA = MaxCount(d.Actual);

    const double span = d.MaxT - d.MinT + 1;
    // Truncated towards zero after real division.
    const double offsets[] = {span / 3, span / 2, 2 * span / 3};
    const char* const names[] = {"1/3", "1/2", "2/3"};
    const std::uint32_t colours[] = {0x008000, 0x0000FF, 0xFF00FF};
    for (std::size_t k = 0; k < d.Levels.size(); ++k) {
        TSumLevel& level = d.Levels[k];
        level.Level = static_cast<std::int32_t>(d.MinT + offsets[k]);
        FindBounds(d.Theoretical, level);
        level.Title = Msg(TMsg::SumLevelPrefix) + std::to_string(k + 1) + Msg(TMsg::SumLevelFrom) +
                      names[k] + Msg(TMsg::SumLevelSums) + std::to_string(level.Low) + "-" +
                      std::to_string(level.High);
        level.Colour = colours[k];
    }
    return d;
}

std::vector<TSumsChartPoint> SumsChartPoints(const TSumsDistribution& d) {
    std::vector<TSumsChartPoint> points;
    for (const TSumCount& s : d.Actual) {
        points.push_back(
            {ActualSumsTitle, s.Sum, static_cast<double>(s.Count), true, true, 0xFF0000});
    }
    const auto scaled = [&d](double value) { return d.MaxT > 0 ? value / d.MaxT * d.MaxA : 0.0; };
    for (const TSumCount& s : d.Theoretical) {
        points.push_back({TheoreticalSumsTitle, s.Sum, scaled(s.Count), false, false, 0x800000});
        for (const TSumLevel& level : d.Levels) {
            points.push_back({level.Title, s.Sum, scaled(level.Level), false, false, level.Colour});
        }
    }
    return points;
}

}  // namespace mv
