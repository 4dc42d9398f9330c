#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QChartView;
class QHBoxLayout;
class QLineSeries;
class QSpinBox;

namespace mv {
class TStatList;
class TWindowSettings;
struct TGraphSeries;
}  // namespace mv

namespace mv::gui {

// The "Графики" tab: a method's graph value for every draw of a window of recent draws, with
// the window's mean and its most frequent value, as three lines.
class TGraphsTab : public QWidget {
    Q_OBJECT
public:
    explicit TGraphsTab(QWidget* parent = nullptr);

    // Fills the graph type list with the registry's shown methods that have a graph. The first
    // filling selects the first type; a later one selects the same position again while the
    // list still has it and nothing otherwise; `first` selects the first type again.
    void FillTypes(const TStatList& registry, bool first = false);
    // The registry index of the chosen graph type, or -1.
    int ChosenMethod() const;
    QString ChosenTitle() const;
    int WindowLength() const;

    // Removes every line.
    void Clear();
    // Draws the value line of `series` titled `title`, its mean and its mode.
    void Show(const TGraphSeries& series, const QString& title);
    // Shows or hides the value labels of the value line, without drawing anew.
    void SetMarksVisible(bool visible);

    void AddToolAction(QAction* action);
    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

    QComboBox* TypeBox() const { return m_types; }
    QSpinBox* WindowBox() const { return m_window; }
    QCheckBox* MarksBox() const { return m_marks; }
    QChartView* Chart() const { return m_chart; }

signals:
    // Another graph type was chosen, or Enter was pressed on a valid window length.
    void RedrawRequested();

private:
    QComboBox* m_types;
    QSpinBox* m_window;
    QCheckBox* m_marks;
    QChartView* m_chart;
    QHBoxLayout* m_top;
    QLineSeries* m_valueLine = nullptr;
    bool m_filled = false;
};

}  // namespace mv::gui
