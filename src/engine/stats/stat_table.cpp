#include "engine/stats/stat_table.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/draws/archive_file.h"

namespace mv {
namespace {

const std::string kDash = "-";

// The nearest integer to x, a half to the even neighbour, held inside the int32 range: the
// counts of a comparison file decide x, and no file may overflow a column.
std::int32_t RoundToInt32(long double x) {
    constexpr long double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr long double kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(RoundHalfEven(std::clamp(x, kLow, kHigh)));
}

// Norm := R(file count x scale) for every value found in the file (Algorithms of the norm);
// false when the file gives no comparison.
bool ApplyNorm(TStatDrawArray& values, const TStatTotals& totals, const TFullSetCounts& counts,
               long double& scale) {
    const std::int32_t m = counts.Largest;
    if (m <= 0) return false;
    scale = counts.Smallest == m
                ? (static_cast<long double>(totals.MinCount) + totals.MaxCount) / 2.0L / m
                : static_cast<long double>(totals.MaxCount) / m;
    for (TStatValueRec& v : values) {
        for (const TStatValueRec& f : counts.Records) {
            if (f.Key == v.Key) {
                v.Norm = RoundToInt32(f.Count * scale);
                break;
            }
        }
    }
    return true;
}

bool IsNonNegativeInteger(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](char c) { return c >= '0' && c <= '9'; });
}

std::string DiffText(const std::string& expected, std::int32_t fact) {
    if (!IsNonNegativeInteger(expected)) return kDash;
    const auto e = StrToInt64(expected);
    if (!e) return kDash;
    const long long d = *e - fact;
    return d > 0 ? "+" + std::to_string(d) : std::to_string(d);
}

void FillTexts(TStatRow& row, TCustomStat& stat, const TStatTable& table,
               const TStatTableRequest& request, const TWeightCoefs& weights) {
    const TStatValueRec& v = row.Rec;
    auto& t = row.Texts;
    const bool comparison = table.HasComparison;
    const std::int64_t total = table.Totals.Total;
    t[scValue] = stat.ValueText(v);
    t[scCount] = std::to_string(v.Count);
    t[scCountPercent] = total == 0 ? kDash : FormatFloat(v.Count * 100.0L / total, 5);
    t[scNorm] = comparison ? std::to_string(v.Norm) : kDash;
    t[scDeviation] = comparison ? std::to_string(std::int64_t{v.Count} - v.Norm) : kDash;
    if (!comparison) {
        t[scDeviationPercent] = kDash;
    } else if (v.Norm == 0) {
        t[scDeviationPercent] = FormatFloat(v.Count != 0 ? 100 : 0, 5);
    } else {
        t[scDeviationPercent] =
            FormatFloat((static_cast<long double>(v.Count) - v.Norm) * 100.0L / v.Norm, 5);
    }
    if (v.Depth == 0) {
        for (int c = scDepth; c < StatColumnCount; ++c) t[static_cast<std::size_t>(c)] = kDash;
        return;
    }
    const long double w = table.WindowDraws;
    t[scDepth] = std::to_string(v.Depth);
    t[scDepthPercent] = FormatFloat(v.Depth * 100.0L / std::max(1, table.Totals.MaxDepth), 2);
    t[scWeight] = FormatFloat(StatWeight(weights, v.Count, v.Depth, v.Norm, total,
                                         table.Totals.MaxDepth, comparison),
                              2);
    t[scLastDraw] = std::to_string(v.LastDraw);
    if (v.Count < 2) {
        t[scPeriodMin] = t[scPeriod] = t[scPeriodMax] = t[scExpectPrd] = kDash;
    } else {
        t[scPeriodMin] = std::to_string(v.PeriodMin);
        t[scPeriod] = FormatFloat(w / v.Count, 4);
        t[scPeriodMax] = std::to_string(v.PeriodMax);
        t[scExpectPrd] = std::to_string(RoundHalfEven(w / v.Count + v.LastDraw));
    }
    // In long double throughout: a stored draw number may be as large as int32 goes.
    const long double count = v.Count;
    const long double lastDraw = v.LastDraw;
    t[scExpectStf] = std::to_string(RoundHalfEven((count + 1) * lastDraw / count));
    t[scExpectKrn] = std::to_string(RoundHalfEven((count + 2) * (lastDraw + 1) / (count + 1)));
    const int from = FindDrawIndex(*request.Draws, v.LastDraw) + 1;
    const std::int32_t fact = stat.FindNext(v, from, request.Sorted, table.LastIndex);
    if (fact == -1) {
        t[scFact] = t[scDiffPrd] = t[scDiffStf] = t[scDiffKrn] = kDash;
    } else {
        t[scFact] = std::to_string(fact);
        t[scDiffPrd] = DiffText(t[scExpectPrd], fact);
        t[scDiffStf] = DiffText(t[scExpectStf], fact);
        t[scDiffKrn] = DiffText(t[scExpectKrn], fact);
    }
}

void BuildChart(TStatTable& table, const TFullSetCounts* counts, long double scale,
                bool showAll) {
    if (table.Rows.size() < 2) return;
    if (!table.HasComparison || !counts) {
        double x = 1;
        for (const TStatRow& row : table.Rows) {
            table.Actual.push_back({x++, static_cast<double>(row.Rec.Count), row.Texts[scValue]});
        }
        return;
    }
    for (std::size_t i = 0; i < counts->Records.size(); ++i) {
        const TStatValueRec& f = counts->Records[i];
        const double x = static_cast<double>(i + 1);
        for (const TStatRow& row : table.Rows) {
            if (row.Rec.Key == f.Key) {
                table.Actual.push_back({x, static_cast<double>(row.Rec.Count), row.Texts[scValue]});
                break;
            }
        }
        if (showAll) table.AllCombinations.push_back({x, static_cast<double>(f.Count * scale), {}});
    }
}

}  // namespace

std::array<const char*, StatColumnCount> StatColumnCaptions() {
    constexpr std::array<TMsg, StatColumnCount> kIds = {
        TMsg::ColumnValue,       TMsg::ColumnCount,        TMsg::ColumnCountPercent,
        TMsg::ColumnNorm,        TMsg::ColumnDeviation,    TMsg::ColumnDeviationPercent,
        TMsg::ColumnDepth,       TMsg::ColumnDepthPercent, TMsg::ColumnWeight,
        TMsg::ColumnLastDraw,    TMsg::ColumnPeriodMin,    TMsg::ColumnPeriod,
        TMsg::ColumnPeriodMax,   TMsg::ColumnExpectedPrd,  TMsg::ColumnExpectedStf,
        TMsg::ColumnExpectedKrn, TMsg::ColumnActual,       TMsg::ColumnDiffPrd,
        TMsg::ColumnDiffStf,     TMsg::ColumnDiffKrn};
    std::array<const char*, StatColumnCount> captions{};
    for (std::size_t i = 0; i < kIds.size(); ++i) captions[i] = Msg(kIds[i]).c_str();
    return captions;
}

long double StatWeight(const TWeightCoefs& k, std::int32_t count, std::int32_t depth,
                       std::int32_t norm, std::int64_t total, std::int32_t maxDepth,
                       bool comparison) {
    const long double v = comparison ? static_cast<long double>(count) - norm : 0.0L;
    long double x = count;
    long double y = v;
    long double z = depth;
    if (k.UsePercents) {
        x = total == 0 ? 0 : count * 100.0L / total;
        y = comparison && norm != 0 ? v * 100.0L / norm : 0;
        z = maxDepth == 0 ? 0 : depth * 100.0L / maxDepth;
    }
    if (k.UseAbsValues) {
        x = std::fabs(x);
        y = std::fabs(y);
        z = std::fabs(z);
    }
    return k.CoefCount * x + k.CoefDeviation * y + k.CoefLevel * z;
}

TStatTable ComputeStatTable(const TStatTableRequest& request) {
    TStatTable table;
    const TDrawsArray& draws = *request.Draws;
    if (draws.empty() || request.MethodIndex < 0 ||
        request.MethodIndex >= request.Registry->MethodCount()) {
        return table;
    }
    const TStatMethod& method = request.Registry->Method(request.MethodIndex);
    auto stat = request.Registry->CreateStat(method);
    table.LastIndex = static_cast<int>(draws.size()) - 1 - std::max(0, request.DrawsOffset);
    if (table.LastIndex < 0) return table;
    table.FirstIndex = std::max(0, table.LastIndex - std::max(1, request.WindowLength) + 1);
    table.WindowDraws = table.LastIndex - table.FirstIndex + 1;

    TStatDrawArray values;
    stat->InitValues(table.LastIndex, values);
    TStatScratch scratch{};
    TLastValueArray lastValues;
    for (int i = table.FirstIndex; i <= table.LastIndex; ++i) {
        stat->AddDraw(i, table.LastIndex, lastValues, scratch, values, request.Sorted);
    }
    table.Totals = StatTotals(values);

    long double scale = 0;
    if (request.Comparison && method.StatClass->HasNorm()) {
        table.HasComparison = ApplyNorm(values, table.Totals, *request.Comparison, scale);
    }
    SortByKey(values);
    table.Rows.reserve(values.size());
    const TWeightCoefs weights = request.Registry->Config().Weights;
    for (const TStatValueRec& v : values) {
        TStatRow& row = table.Rows.emplace_back();
        row.Rec = v;
        FillTexts(row, *stat, table, request, weights);
    }
    BuildChart(table, request.Comparison, scale, request.ShowAllCombinations);
    return table;
}

TStatValues RowValues(const TStatRow& row) {
    const auto& t = row.Texts;
    TStatValues v;
    v.ValueText = t[scValue];
    v.Count = t[scCount];
    v.CountPercent = t[scCountPercent];
    v.Deviation = t[scDeviation];
    v.DeviationPercent = t[scDeviationPercent];
    v.Depth = t[scDepth];
    v.DepthPercent = t[scDepthPercent];
    v.Weight = t[scWeight];
    v.PeriodMin = t[scPeriodMin];
    v.Period = t[scPeriod];
    v.PeriodMax = t[scPeriodMax];
    return v;
}

}  // namespace mv
