#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/records.h"

namespace mv {

class TStatList;

// The graph of one method over a window of draws: the method's graph value of every draw,
// with the window's mean and its most frequent value.
struct TGraphPoint {
    std::int32_t DrawNumber = 0;
    std::int32_t Value = 0;
};

struct TGraphSeries {
    std::vector<TGraphPoint> Values;
    double Mean = 0;        // the mean of the values; 0 for an empty window
    std::int32_t Mode = 0;  // the most frequent value; among equal counts the first seen
};

// The window ends `drawsOffset` draws before the newest and holds `windowLength` draws, or
// every draw from the first one when the archive is shorter. A method without a graph throws
// EError. `sorted`: the draws' numbers in ascending order (the sorted display).
TGraphSeries ComputeGraphSeries(const TStatList& registry, int methodIndex,
                                const TDrawsArray& draws, int drawsOffset, int windowLength,
                                bool sorted);

// Mean and mode of values in window order, as the graph shows them.
void GraphMeanAndMode(TGraphSeries& series);

// The lines of a chart that several views fill point by point (the rating and stake graphs,
// the sums distribution). A line is named by its title; titles are compared without regard
// to case, so "Сумма" and "сумма" feed one line.
struct TChartLinePoint {
    double X = 0;
    double Y = 0;
    std::string Label;
};

struct TChartLine {
    std::string Title;
    std::uint32_t Colour = 0;  // 0xRRGGBB; 0: the chart's automatic colour
    bool PointsVisible = false;
    bool LabelsVisible = false;
    // Created with visible labels: the chart window's marks box shows and hides them.
    bool FollowsMarks = false;
    std::vector<TChartLinePoint> Points;
};

class TChartLines {
public:
    // Adds the point (drawNumber, y), labelled with the draw number, to the line of that
    // title, creating the line with the given look when there is none. Returns the line's
    // index; `created` tells whether it is new.
    std::size_t AddGraphPoint(std::int32_t drawNumber, std::string_view title, double y,
                              bool pointsVisible, bool labelsVisible, std::uint32_t colour,
                              bool* created = nullptr);
    // The index of the line with that title (any case), or -1.
    int Find(std::string_view title) const;
    const std::vector<TChartLine>& Lines() const { return m_lines; }
    // Shows or hides the labels of every line that follows the marks box.
    void SetMarksVisible(bool visible);
    void Clear() { m_lines.clear(); }

private:
    std::vector<TChartLine> m_lines;
};

}  // namespace mv
