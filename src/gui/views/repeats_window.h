#pragma once

#include <QDialog>

#include "engine/views/repeats.h"

class QChartView;
class QPushButton;
class QSplitter;
class QTreeWidget;

namespace mv::gui {

class ICommandHost;
class TEnterSpinBox;

// The repeats analysis window: for each recent draw, how many of the draws before it share
// exactly m numbers with it, as a list and as a chart with one line per m. Modal; it keeps
// its placement, list column widths, chart height and the two lengths in the window-settings
// file (section TFormRepeats), read when it is created and written when it closes.
class TFormRepeats : public QDialog {
    Q_OBJECT
public:
    explicit TFormRepeats(ICommandHost& host);
    ~TFormRepeats() override;

    // Computes the analysis over the archive with the window and depth shown, inside the
    // busy frame, and fills the list and the chart.
    void Calculate();

    TEnterSpinBox* WindowBox() const { return m_window; }
    TEnterSpinBox* DepthBox() const { return m_depth; }
    QPushButton* CalculateButton() const { return m_calculate; }
    QTreeWidget* List() const { return m_list; }
    QChartView* Chart() const { return m_chart; }

    static constexpr const char* SettingsSection = "TFormRepeats";

private:
    void ShowResult(const TRepeatsResult& result);
    void SaveSettings();

    ICommandHost& m_host;
    TEnterSpinBox* m_window;
    TEnterSpinBox* m_depth;
    QPushButton* m_calculate;
    QTreeWidget* m_list;
    QChartView* m_chart;
    QSplitter* m_splitter;
};

}  // namespace mv::gui
