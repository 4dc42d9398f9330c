#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/ratings/rating_charts.h"
#include "engine/session/workspace.h"

namespace mv {
class TWindowSettings;
}

namespace mv::gui {

class ICommandHost;
class TRatingsTab;
class TViewsCommands;

// The ratings tab and its commands: the rebuild from the stakes, the efficiency modes, the
// CSV export, rows turned back into scenario lines and the three charts. The list and status
// panel 5 follow the ratings through the workspace's notifications.
// Runs on the user-interface thread only; the host and the views outlive it.
class TRatingsCommands : public QObject {
    Q_OBJECT
public:
    // The status panel that counts the rows.
    static constexpr int CountPanel = 5;

    // `showScript` brings the scenario tab to the front (after rows were added to it).
    TRatingsCommands(ICommandHost& host, TViewsCommands& views, std::function<void()> showScript,
                     QWidget* parent);
    ~TRatingsCommands() override;

    TRatingsTab* Tab() const { return m_tab; }
    // Brings the list and panel 5 up to the workspace's ratings.
    void Refresh();
    // Writes the ratings as CSV to `file` (the export's work after its save dialog), with the
    // run identity as the last comment line when asked.
    void ExportTo(const QString& file, bool withIdentity = false);

    void RestoreSettings(const TWindowSettings& settings);
    void SaveSettings(TWindowSettings& settings) const;

private:
    void BuildActions();
    bool HasRows() const;
    bool HasSelection() const;
    std::vector<std::string> SelectedNames() const;
    void SetEffMode(int mode);
    void Rebuild();
    void Export();
    void ToScript();
    void ShowStakeChart(TStakeChartValue value);
    void ShowMatchChart();
    void SortByOwner(int column, bool descending);

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    TViewsCommands& m_views;
    std::function<void()> m_showScript;
    TRatingsTab* m_tab;
    std::unique_ptr<TWorkspaceSubscription> m_subscription;
};

}  // namespace mv::gui
