#pragma once

#include <QObject>
#include <memory>

#include "engine/session/workspace.h"

class QWidget;

namespace mv::gui {

class ICommandHost;
class TChartWindow;
class TGraphsTab;
class TStatsTab;

// The analysis views: the graphs tab with its "Обновить" command, and the chart window that
// other views fill. The graphs follow the archive, the offset and the settings through the
// workspace's notifications, and the method list through the statistics tab's selector.
// Runs on the user-interface thread only; the host outlives it.
class TViewsCommands : public QObject {
    Q_OBJECT
public:
    // The view's name in the recalculation dispatcher: its tab's caption.
    static const QString GraphsView;

    TViewsCommands(ICommandHost& host, TStatsTab& statsTab, QWidget* parent);
    ~TViewsCommands() override;

    TGraphsTab* Graphs() const { return m_graphs; }
    // A new, empty chart window; it deletes itself when closed.
    TChartWindow* NewChartWindow();

private:
    // The graphs of the chosen method over the window (the dispatcher's computation).
    void DrawGraphs();

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    TGraphsTab* m_graphs;
    std::unique_ptr<TWorkspaceSubscription> m_subscription;
};

}  // namespace mv::gui
