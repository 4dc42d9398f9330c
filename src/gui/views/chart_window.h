#pragma once

#include <QWidget>
#include <cstdint>
#include <vector>

#include "engine/stats/graph_data.h"

class QCheckBox;
class QChartView;
class QLineSeries;

namespace mv::gui {

class ICommandHost;

// The chart window "График": other views fill it with named lines point by point
// (AddGraphPoint) and show it. A tool window over the main window, created per use and
// deleted when closed; its placement is kept in the window-settings file.
class TChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit TChartWindow(ICommandHost& host);

    // Adds the point (drawNumber, y) to the line titled `title` (any case), creating the line
    // when there is none: `colour` (invalid: automatic), points and value labels visible as
    // asked; a line created with labels follows the window's marks box.
    void AddGraphPoint(std::int32_t drawNumber, const QString& title, double y, bool pointsVisible,
                       bool labelsVisible, const QColor& colour = {});
    // Fits the axes to the lines and shows the window in front.
    void ShowChart();
    // The same, modal: the rest of the program takes no input until the window is closed.
    // Returns at once; the window deletes itself when closed, as always.
    void ShowChartModal();

    const TChartLines& Lines() const { return m_lines; }
    QChartView* Chart() const { return m_chart; }
    QCheckBox* MarksBox() const { return m_marks; }

    // The section of the window-settings file that keeps the placement.
    static constexpr const char* SettingsSection = "FormGraph";

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyMarks(bool visible);

    ICommandHost& m_host;
    QChartView* m_chart;
    QCheckBox* m_marks;
    TChartLines m_lines;
    std::vector<QLineSeries*> m_series;  // one per line of m_lines, same order
};

}  // namespace mv::gui
