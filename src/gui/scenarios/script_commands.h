#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/session/workspace.h"

class QWidget;

namespace mv {
class TScriptRunner;
class TWindowSettings;
}  // namespace mv

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

    // A forecast, or a test after the test count dialog; returns when the run has ended.
    void Run(bool test);
    bool Running() const;
    // The stop question; on Yes the run ends at its next checkpoint.
    void AskStop();
    // Whether the main window may close now. While a scenario runs: asks the stop question
    // unless a stop was asked for already; the window is closed again once the run has
    // ended, so this returns false.
    bool MayClose();
    // The run options stored in the window settings: the execution log and checking the
    // stakes after every line.
    void RestoreSettings(const TWindowSettings& settings);
    bool LogEnabled() const { return m_logEnabled; }
    bool CheckOnLine() const { return m_checkOnLine; }
    // Shows a finished execution log; by default with the desktop's viewer (tests replace it).
    std::function<void(const QString&)> ShowLog;

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
    void BuildRunActions();
    void SetRunState(bool running);
    // The statistics tab shows the table of the run's last applied filter.
    void ShowLastTable(const TScriptRunner& runner);
    void DeleteLogs();

    ICommandHost& m_host;
    TWorkspace& m_workspace;
    const TStatsTab& m_stats;
    const TCombsTab& m_combs;
    TScriptTab* m_tab = nullptr;
    std::unique_ptr<TWorkspaceSubscription> m_subscription;
    std::unique_ptr<TScriptRunner> m_runner;
    bool m_logEnabled = false;
    bool m_checkOnLine = true;
    bool m_closeAfterRun = false;
};

}  // namespace mv::gui
