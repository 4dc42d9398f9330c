#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "engine/session/workspace.h"
#include "engine/stakes/systems.h"

class QWidget;

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

class ICommandHost;
class TCombsTab;
class TStakesTab;
class TViewsCommands;

// The stakes tab and its commands: making stakes from the combinations list (one through the
// stake dialog, many through the multi-stake dialog, a system game), checking them, deleting
// them, the stakes logs and the profit-by-draw chart. The grid and status panel 4 follow the
// stakes file through the workspace's notifications.
// Runs on the user-interface thread only; the host, the combinations tab and the views
// outlive it.
class TStakesCommands : public QObject {
    Q_OBJECT
public:
    // The status panel that counts the stakes.
    static constexpr int CountPanel = 4;

    TStakesCommands(ICommandHost& host, TCombsTab& combs, TViewsCommands& views, QWidget* parent);
    ~TStakesCommands() override;

    TStakesTab* Tab() const { return m_tab; }
    // Brings the grid and panel 4 up to the stakes file (after the file was opened).
    void Refresh();
    // The stored options (logs, scrolling) and the grid's column widths.
    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;
    bool ScrollEnabled() const { return m_scrollEnabled; }

private:
    void BuildActions();
    bool FileOpen() const;
    bool HasStakes() const;
    // The stake dialog on a new manual stake of `numbers`; adds it when confirmed.
    void AddOne(const std::vector<std::uint8_t>& numbers);
    void AddMany(bool selectedOnly);
    void AddSystem(TSystemStakeMode mode);
    void DeleteRows();
    void DeleteByCondition();
    void Clear();
    void DeleteLogs();
    void ShowProfitChart();
    // Runs a command that adds stakes: the grid scrolls to the last row afterwards.
    void Adding(const std::function<void()>& work);
    void FollowStakes();

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    TCombsTab& m_combs;
    TViewsCommands& m_views;
    TStakesTab* m_tab;
    bool m_scrollEnabled = true;
    // Set while a command that adds stakes runs: its refresh selects the last row.
    bool m_scrollRequested = false;
    std::unique_ptr<TWorkspaceSubscription> m_subscription;
};

}  // namespace mv::gui
