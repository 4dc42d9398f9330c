#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "engine/session/workspace.h"

class QWidget;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

class ICommandHost;
class TCardTab;
class TLayoutTab;
class TViewsCommands;
class TWeekTab;

// Whether the optional tab that the action `toggle` shows and hides is shown.
bool TabShown(const ICommandHost& host, const char* toggle);

// The "Карта" tab: the draw map with its two colour options and keep/remove of the selected
// numbers. The map follows every change of the archive; the offset does not apply to it.
// Runs on the user-interface thread only; the host outlives it.
class TCardCommands : public QObject {
    Q_OBJECT
public:
    // The view's key in the recalculation dispatcher.
    static const QString View;

    TCardCommands(ICommandHost& host, QWidget* parent);
    ~TCardCommands() override;

    TCardTab* Tab() const { return m_tab; }
    // Whether the selection lies within the number columns.
    bool SelectionFits() const;
    void RestoreSettings(const TWindowSettings& settings);

private:
    void Refresh();
    void ApplySelection(bool removed);
    void ToggleOption(bool sequences);

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    TCardTab* m_tab;
    bool m_channels = true;
    bool m_sequences = true;
    std::unique_ptr<TWorkspaceSubscription> m_subscription;
};

// The "Схема" tab: the layout of drawn numbers with its gradient option, the five comparison
// lists, and keep/remove of the numbers in the selected cells. Both are registered with the
// dispatcher under the tab's caption, the layout first.
class TLayoutCommands : public QObject {
    Q_OBJECT
public:
    // The view's key in the recalculation dispatcher.
    static const QString View;

    TLayoutCommands(ICommandHost& host, QWidget* parent);
    ~TLayoutCommands() override;

    TLayoutTab* Tab() const { return m_tab; }
    void BuildLayout();
    void BuildCompareLists();
    void RestoreSettings(const TWindowSettings& settings);

private:
    void ApplySelection(bool removed);
    void ToggleGradient();

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    TLayoutTab* m_tab;
    bool m_gradient = true;
    std::unique_ptr<TWorkspaceSubscription> m_subscription;
};

// The "Неделя" tab: counts per number and day of the week, the chart of one line of them,
// and keep/remove of the numbers of the selected columns.
class TWeekCommands : public QObject {
    Q_OBJECT
public:
    // The view's key in the recalculation dispatcher.
    static const QString View;

    TWeekCommands(ICommandHost& host, QWidget* parent);
    ~TWeekCommands() override;

    TWeekTab* Tab() const { return m_tab; }
    int ChartMode() const { return m_chartMode; }
    bool ChartLine() const { return m_chartLine; }
    void RestoreSettings(const TWindowSettings& settings);

private:
    void Compute();
    void RedrawChart();
    void ApplySelection(bool removed);

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    TWeekTab* m_tab;
    int m_chartMode = 0;       // 1: a number over the days, 0: a day over the numbers
    bool m_chartLine = false;  // a line, else bars
    std::unique_ptr<TWorkspaceSubscription> m_subscription;
};

// The extended statistics: the repeats analysis window and the sums distribution chart.
class TExtStatsCommands : public QObject {
    Q_OBJECT
public:
    TExtStatsCommands(ICommandHost& host, TViewsCommands& views);

private:
    void AnalyzeRepeats();
    void TotalSumCombs();

    ICommandHost& m_host;
    TViewsCommands& m_views;
};

}  // namespace mv::gui
