#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/session/workspace.h"

class QWidget;

namespace mv::gui {

class ICommandHost;
class TCombsTab;
class TScriptTab;
class TStatsTab;

// The scenario tab and its commands: editing the lines of the current scenario through the
// line and filter dialogs, moving and deleting them, and the scenario files. The tab follows
// the current scenario through the workspace's notifications.
// Runs on the user-interface thread only; the host and the two tabs outlive it.
class TScriptCommands : public QObject {
    Q_OBJECT
public:
    // Creates the tab as a child of `parent`; the host puts it into its page control. The
    // filter dialog starts from the statistics tab's methods and window, the line dialog
    // from the combinations tab's number of last draws to exclude.
    TScriptCommands(ICommandHost& host, const TStatsTab& stats, const TCombsTab& combs,
                    QWidget* parent);
    ~TScriptCommands() override;

    TScriptTab* Tab() const { return m_tab; }
    // Reads a scenario file into the current scenario (replacing it, or appending).
    void ReadFile(const QString& file, bool append);
    // The current-scenario file at start; a failure is shown and the start goes on.
    void ReadCurrentScript();

private:
    void BuildActions();
    // Runs a change of the current scenario and focuses the line the change returns (-1:
    // clears the selection); the list itself follows the notification.
    void Change(const std::function<int()>& change);
    std::optional<std::string> EditFilterText(const std::string& text);
    void EditLine(int line, bool replace);
    void DeleteLines(bool all);
    void OpenFile(bool append);
    void SaveFile();

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    const TStatsTab& m_stats;
    const TCombsTab& m_combs;
    TScriptTab* m_tab = nullptr;
    std::unique_ptr<TWorkspaceSubscription> m_subscription;
};

}  // namespace mv::gui
