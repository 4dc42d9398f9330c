#pragma once

#include <QColor>
#include <QString>

class QChart;
class QLineSeries;

namespace mv::gui {

// The look of one line of the analysis charts.
struct TLineLook {
    QColor Colour;  // invalid: the chart's automatic colour
    int Width = 2;
    bool PointsVisible = false;
    int PointSize = 7;           // marker diameter in pixels
    QColor PointOutline;         // invalid: the marker takes the line's colour
    bool LabelsVisible = false;  // value labels, without a frame, at the points
};

// Adds a line series with that look to the chart (the chart owns it).
QLineSeries* AddLineSeries(QChart* chart, const QString& title, const TLineLook& look);

// Removes and deletes every series and axis of the chart (a removed axis is no longer the
// chart's to delete).
void ClearChart(QChart* chart);

// Replaces the chart's axes by value axes fitted to every line: draw numbers along the
// bottom, values on the left, both with round tick steps.
void FitChartAxes(QChart* chart);

}  // namespace mv::gui
