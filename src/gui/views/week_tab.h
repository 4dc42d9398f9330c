#pragma once

#include <QWidget>

#include "engine/views/week.h"

class QAction;
class QChartView;
class QHBoxLayout;
class QLabel;
class QSplitter;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

class TEnterSpinBox;
class TTextGridModel;
class TViewGrid;

// The "Неделя" tab: how often each number fell on each day of the week, shaded white to red,
// and under a splitter the chart of one row (a day over the numbers) or one column (a number
// over the days) of the grid.
class TWeekTab : public QWidget {
    Q_OBJECT
public:
    explicit TWeekTab(QWidget* parent = nullptr);

    // Shows the counts (the grid keeps them and their maximum) and a note about the draws
    // whose dates could not be read.
    void ShowCounts(const TWeekCounts& counts);
    const TWeekCounts& Counts() const { return m_counts; }
    // Rebuilds the chart from the grid for its current cell: `byDays` plots the current
    // number over the days, otherwise the current day over the numbers; `line` a line, else
    // bars.
    void DrawChart(bool byDays, bool line);

    int WindowLength() const;
    TViewGrid* Grid() const { return m_grid; }
    TTextGridModel* Model() const { return m_model; }
    TEnterSpinBox* WindowBox() const { return m_window; }
    QChartView* Chart() const { return m_chart; }
    QLabel* Note() const { return m_note; }

    void AddToolAction(QAction* action);
    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

signals:
    void ComputeRequested();
    void CurrentCellChanged();

private:
    TViewGrid* m_grid;
    TTextGridModel* m_model;
    TEnterSpinBox* m_window;
    QChartView* m_chart;
    QLabel* m_note = nullptr;
    QHBoxLayout* m_top;
    QSplitter* m_splitter;
    TWeekCounts m_counts;
};

}  // namespace mv::gui
