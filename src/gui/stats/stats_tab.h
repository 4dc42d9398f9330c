#pragma once

#include <QWidget>
#include <memory>
#include <utility>
#include <vector>

#include "engine/stats/stat_table.h"

class QAction;
class QComboBox;
class QHBoxLayout;
class QSpinBox;
class QSplitter;
class QChartView;

namespace mv {
class TStatList;
class TWorkspace;
class TWindowSettings;
}

namespace mv::gui {

// The items of a method selector: every shown method of the registry with its display text
// and its registry index, in registry order or alphabetically when the registry's sorting
// option is on. `graphs`: only the methods with a graph, named without their flag letters
// (the name is the graph's title).
std::vector<std::pair<QString, int>> MethodItems(const TStatList& registry, bool graphs);

class TListRowsModel;
class TSortableListView;

// The "Статистика" tab: the method selector, the window length, the statistics table of the
// chosen method over the window and the chart of its counts under it.
class TStatsTab : public QWidget {
    Q_OBJECT
public:
    TStatsTab(TWorkspace& workspace, QWidget* parent = nullptr);
    ~TStatsTab() override;

    // Refills the selector from the registry, keeping the selected position when possible,
    // or at the first method with `first`.
    void FillMethods(bool first = false);
    // The registry index of the chosen method, or -1.
    int ChosenMethod() const;
    bool ChooseMethod(const QString& code);
    int WindowLength() const;
    // What the table depends on; the dispatcher recomputes the table when this changes.
    std::vector<long long> Inputs() const;
    // Recomputes the table and the chart now.
    void Compute();
    const TStatTable& Table() const { return m_table; }
    // Rows of the computed table that are selected, in the list's order.
    std::vector<std::size_t> SelectedTableRows() const;
    // The second chart series over the full set (with comparison only).
    bool ShowTotalLine = true;

    QComboBox* MethodBox() const { return m_methods; }
    QSpinBox* WindowBox() const { return m_window; }
    TSortableListView* List() const { return m_list; }
    TListRowsModel* Rows() const { return m_rows; }
    QChartView* Chart() const { return m_chart; }
    QSplitter* Splitter() const { return m_splitter; }

    // Width of the three comparison columns ("Норма", "Отклонение", "Откл-ие в %").
    void SetComparisonColumnsWidth(int width);
    // Puts a command next to the window box as a button.
    void AddToolAction(QAction* action);

    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

signals:
    // The user asked for the table: Enter in the window box or another method chosen.
    void RecalculateRequested(bool force);
    // The selector was filled anew from the registry; the other method lists follow it
    // (`first`: they start at their first method too).
    void MethodsFilled(bool first);

private:
    void FillTable();
    void FillChart();

    TWorkspace& m_workspace;
    QComboBox* m_methods;
    QSpinBox* m_window;
    TSortableListView* m_list;
    TListRowsModel* m_rows;
    QChartView* m_chart;
    QSplitter* m_splitter;
    QHBoxLayout* m_top;
    TStatTable m_table;
};

}  // namespace mv::gui
