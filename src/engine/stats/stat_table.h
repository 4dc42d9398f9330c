#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/stats/stat_list.h"

namespace mv {

// What the full-set comparison file of a method holds: per value key the number of
// combinations of the full set having that value, in key order, and the smallest and largest
// of those numbers.
struct TFullSetCounts {
    std::vector<TStatValueRec> Records;  // Key and Count used
    std::int32_t Smallest = 0;
    std::int32_t Largest = 0;
};

inline constexpr int StatColumnCount = 20;
// "Значение", "Количество", ..., "+/- КРН", in the current language (read at each call).
std::array<const char*, StatColumnCount> StatColumnCaptions();
enum TStatColumn {
    scValue, scCount, scCountPercent, scNorm, scDeviation, scDeviationPercent, scDepth,
    scDepthPercent, scWeight, scLastDraw, scPeriodMin, scPeriod, scPeriodMax, scExpectPrd,
    scExpectStf, scExpectKrn, scFact, scDiffPrd, scDiffStf, scDiffKrn
};

struct TStatRow {
    TStatValueRec Rec;  // the value record, read back by selection
    std::array<std::string, StatColumnCount> Texts;
};

struct TChartPoint {
    double X = 0;
    double Y = 0;
    std::string Label;
};

struct TStatTable {
    std::vector<TStatRow> Rows;  // in key order
    TStatTotals Totals;
    int FirstIndex = 0;
    int LastIndex = -1;
    int WindowDraws = 0;  // W: the number of draws analysed
    bool HasComparison = false;
    std::vector<TChartPoint> Actual;           // "Фактические данные"
    std::vector<TChartPoint> AllCombinations;  // "Все возможные комбинации"
};

struct TStatTableRequest {
    const TStatList* Registry = nullptr;
    int MethodIndex = -1;
    const TDrawsArray* Draws = nullptr;
    int DrawsOffset = 0;
    int WindowLength = 1000;
    bool Sorted = false;
    // The method's full-set counts when comparison is on; nullptr without comparison.
    const TFullSetCounts* Comparison = nullptr;
    bool ShowAllCombinations = true;
};

// Analyses the window of draws ending DrawsOffset draws before the newest and builds the
// statistics table with its chart series. An empty archive gives an empty table.
TStatTable ComputeStatTable(const TStatTableRequest& request);

// The weight of one value: kC*x + kD*y + kL*z over count, deviation and depth (as percentages
// or absolute values when the coefficients ask for it).
long double StatWeight(const TWeightCoefs& k, std::int32_t count, std::int32_t depth,
                       std::int32_t norm, std::int64_t total, std::int32_t maxDepth,
                       bool comparison);

// The text form of a row that scenario selection reads.
TStatValues RowValues(const TStatRow& row);

}  // namespace mv
