#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/messages.h"
#include "engine/core/records.h"

namespace mv {

// A value/count pair of a distribution, the arrays sorted by sum ascending.
struct TSumCount {
    std::int32_t Sum = 0;
    std::int32_t Count = 0;
    friend bool operator==(const TSumCount&, const TSumCount&) = default;
};

// The sums of the 376,992 combinations of five different numbers of 1..36: sums 15..170.
// Computed once.
const std::vector<TSumCount>& TheoreticalSums();
// The sums of the five numbers of the newest `windowLength` draws (every draw when it is 0
// or larger than the archive).
std::vector<TSumCount> ActualSums(const TDrawsArray& draws, int windowLength = 0);

// A level of the theoretical distribution (1/3, 1/2 or 2/3 of the way from its smallest
// count to its largest) and the band of sums around the peak whose counts reach it: the
// first sum reaching it from each end towards the middle; 0 for an end that never does.
struct TSumLevel {
    std::int32_t Level = 0;
    std::int32_t Low = 0;
    std::int32_t High = 0;
    std::string Title;  // "Диапазон k (от 1/3 и выше по оси Y) - суммы low-high"
    std::uint32_t Colour = 0;
};

struct TSumsDistribution {
    std::vector<TSumCount> Theoretical;
    std::vector<TSumCount> Actual;
    std::int32_t MinT = 0;
    std::int32_t MaxT = 0;
    std::int32_t MaxA = 0;
    std::array<TSumLevel, 3> Levels;
};

TSumsDistribution ComputeSumsDistribution(const TDrawsArray& draws, int windowLength = 0);

// The chart of the distribution in the order its points are added: the actual counts
// (points and labels shown, red), then for every theoretical sum its count scaled so that
// the theoretical peak stands at the actual one (maroon), followed by the three level lines
// at their scaled heights. An empty archive puts every scaled line at 0.
struct TSumsChartPoint {
    std::string Title;
    std::int32_t Sum = 0;
    double Y = 0;
    bool Points = false;
    bool Labels = false;
    std::uint32_t Colour = 0;  // 0xRRGGBB
};
inline constexpr TMsgText ActualSumsTitle{TMsg::ActualSumsTitle};
inline constexpr TMsgText TheoreticalSumsTitle{TMsg::TheoreticalSumsTitle};
std::vector<TSumsChartPoint> SumsChartPoints(const TSumsDistribution& distribution);

}  // namespace mv
