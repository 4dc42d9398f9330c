#pragma once

#include <QObject>
#include <filesystem>
#include <functional>

#include "engine/update/self_update.h"

namespace mv::gui {

class ICommandHost;

// The program's self-update in the desktop program: the actions "Поиск обновлений"
// (CheckUpdate) and "Автоматическое обновление" (AutoSelfUpdate, the stored "AutoUpdates"),
// the silent check at start and the restart after an installed update. The check itself is
// the engine's; the informer dialog decides whether the offered update is installed.
// Runs on the user-interface thread only; the host outlives it.
class TUpdateCommands : public QObject {
    Q_OBJECT
public:
    // `terminate` ends the running copy after the restart started the new one.
    TUpdateCommands(ICommandHost& host, std::function<void()> terminate);

    // The action: a check that reports everything, and the restart when it installed.
    void CheckUpdate();
    // The action: inverts the stored setting and stores it at once.
    void ToggleAutoUpdates();
    // The stored setting as read at start.
    void SetAutoUpdates(bool on);
    bool AutoUpdates() const { return m_autoUpdates; }
    // The check at start: silent, only when automatic updates are on and a service is
    // configured. Returns true when an update was installed and the new copy was started.
    bool CheckAtStart();

    // The folder of the program files (the executable's by default).
    void SetProgramDir(const std::filesystem::path& dir) { m_programDir = dir; }
    // Replaces the restart (a new process with "restart", then the end of this one); tests.
    void SetRestarter(std::function<void()> restarter) { m_restarter = std::move(restarter); }
    int LastResult() const { return m_lastResult; }
    // Starts a new copy of the program with "restart" (on the same data folder) and ends
    // this one; false when the new copy could not be started (the error was shown).
    bool Restart();

private:
    // The check inside the busy frame; returns its result.
    int RunCheck(bool silent);
    TUpdateParams Params(bool silent);
    ICommandHost& m_host;
    std::function<void()> m_terminate;
    std::function<void()> m_restarter;
    std::filesystem::path m_programDir;
    bool m_autoUpdates = true;
    int m_lastResult = urNothingInstalled;
};

}  // namespace mv::gui
