#include "engine/stats/graph_data.h"

#include <algorithm>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_codec.h"
#include "engine/stats/stat_list.h"
#include "engine/stats/stat_values.h"

namespace mv {

void GraphMeanAndMode(TGraphSeries& series) {
    TStatSimpleArray counts;
    std::int64_t sum = 0;
    for (const TGraphPoint& p : series.Values) {
        AddSimple(counts, p.Value, 1);
        sum += p.Value;
    }
    // Counts in order of first occurrence; only a strictly greater count takes over.
    std::int32_t best = 0;
    series.Mode = 0;
    for (const TStatSimplePair& c : counts) {
        if (c.Count > best) {
            best = c.Count;
            series.Mode = c.Key;
        }
    }
    series.Mean = series.Values.empty()
                      ? 0.0
                      : static_cast<double>(sum) / static_cast<double>(series.Values.size());
}

TGraphSeries ComputeGraphSeries(const TStatList& registry, int methodIndex,
                                const TDrawsArray& draws, int drawsOffset, int windowLength,
                                bool sorted) {
    TGraphSeries series;
    if (methodIndex < 0 || methodIndex >= registry.MethodCount()) {
        throw EError(Msg(TMsg::NoMethodSelected));
    }
    auto stat = registry.CreateStat(registry.Method(methodIndex));
    auto* graph = dynamic_cast<TCustomGraphStat*>(stat.get());
    if (!graph || !registry.Method(methodIndex).StatClass->HasGraph) {
        throw EError(Msg(TMsg::MethodNotFoundPrefix) +
                     registry.MethodName(registry.Method(methodIndex)) +
                     Msg(TMsg::MethodHasNoGraph));
    }
    const int last = static_cast<int>(draws.size()) - 1 - std::max(drawsOffset, 0);
    if (last < 0 || windowLength < 1) return series;
    const int first = std::max(0, last - std::min(windowLength, last + 1) + 1);
    series.Values.reserve(static_cast<std::size_t>(last - first + 1));
    for (int i = first; i <= last; ++i) {
        series.Values.push_back(
            {draws[static_cast<std::size_t>(i)].Number, graph->DrawGraphValue(i, last, sorted)});
    }
    GraphMeanAndMode(series);
    return series;
}

int TChartLines::Find(std::string_view title) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (EqualsNoCaseUtf8(m_lines[i].Title, title)) return static_cast<int>(i);
    }
    return -1;
}

std::size_t TChartLines::AddGraphPoint(std::int32_t drawNumber, std::string_view title, double y,
                                       bool pointsVisible, bool labelsVisible, std::uint32_t colour,
                                       bool* created) {
    int index = Find(title);
    if (created) *created = index < 0;
    if (index < 0) {
        TChartLine line;
        line.Title = std::string(title);
        line.Colour = colour;
        line.PointsVisible = pointsVisible;
        line.LabelsVisible = labelsVisible;
        line.FollowsMarks = labelsVisible;
        m_lines.push_back(std::move(line));
        index = static_cast<int>(m_lines.size()) - 1;
    }
    TChartLine& line = m_lines[static_cast<std::size_t>(index)];
    line.Points.push_back({static_cast<double>(drawNumber), y, std::to_string(drawNumber)});
    return static_cast<std::size_t>(index);
}

void TChartLines::SetMarksVisible(bool visible) {
    for (TChartLine& line : m_lines) {
        if (line.FollowsMarks) line.LabelsVisible = visible;
    }
}

}  // namespace mv
