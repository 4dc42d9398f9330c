#pragma once

#include <QObject>
#include <memory>

#include "engine/session/workspace.h"

class QWidget;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

class ICommandHost;
class TCardCommands;
class TChartWindow;
class TExtStatsCommands;
class TLayoutCommands;
class TWeekCommands;
class TGraphsTab;
class TStatsTab;

// The analysis views: the graphs tab with its "Обновить" command, the card, layout and week
// tabs, the extended statistics, and the chart window that other views fill. The graphs follow the
// archive, the offset and the settings through the workspace's notifications, and the method list
// through the statistics tab's selector. Runs on the user-interface thread only; the host outlives
// it.
class TViewsCommands : public QObject {
    Q_OBJECT
public:
    // The view's name in the recalculation dispatcher: its tab's key (also its help topic).
    static const QString GraphsView;

    TViewsCommands(ICommandHost& host, TStatsTab& statsTab, QWidget* parent);
    ~TViewsCommands() override;

    TGraphsTab* Graphs() const { return m_graphs; }
    TCardCommands& Card() const { return *m_card; }
    TLayoutCommands& Layout() const { return *m_layout; }
    TWeekCommands& Week() const { return *m_week; }
    // The page of the right page control with that key ("graphs", "card", "layout", "week"),
    // or nullptr when it is not one of the analysis views.
    QWidget* PageFor(const QString& key) const;
    // The stored settings of the card, layout and week tabs (the graphs tab has its own).
    void RestoreSettings(const mv::TWindowSettings& settings);
    void SaveSettings(mv::TWindowSettings& settings) const;
    // A new, empty chart window; it deletes itself when closed.
    TChartWindow* NewChartWindow();

private:
    // The graphs of the chosen method over the window (the dispatcher's computation).
    void DrawGraphs();

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    TGraphsTab* m_graphs;
    std::unique_ptr<TWorkspaceSubscription> m_subscription;
    std::unique_ptr<TCardCommands> m_card;
    std::unique_ptr<TLayoutCommands> m_layout;
    std::unique_ptr<TWeekCommands> m_week;
    std::unique_ptr<TExtStatsCommands> m_extStats;
};

}  // namespace mv::gui
