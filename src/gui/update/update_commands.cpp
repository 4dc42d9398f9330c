#include "gui/update/update_commands.h"

#include <QAction>
#include <string>
#include <vector>

#include "engine/core/data_paths.h"
#include "engine/core/processes.h"
#include "engine/net/http.h"
#include "engine/session/workspace.h"
#include "gui/core/command_host.h"
#include "gui/core/main_window_keys.h"
#include "gui/support/operation_viewer.h"
#include "gui/support/tr.h"
#include "gui/update/form_update_informer.h"

namespace mv::gui {
namespace {

// The interface language whose description texts are asked for first.
constexpr int kLanguageId = 1049;
constexpr const char* kLanguageAbbrev = "RUS";

}  // namespace

TUpdateCommands::TUpdateCommands(ICommandHost& host, std::function<void()> terminate)
    : m_host(host),
      m_terminate(std::move(terminate)),
      m_programDir(ExecutablePath().parent_path()) {
    const auto always = [] { return true; };
    AddActions(m_host,
               {
                   {"CheckUpdate", Tr("Поиск обновлений"), "", always, [this] { CheckUpdate(); }},
                   {"AutoSelfUpdate", Tr("Автоматическое обновление"), "", always,
                    [this] { ToggleAutoUpdates(); }},
               });
    QAction* check = m_host.Action(QStringLiteral("CheckUpdate"));
    check->setStatusTip(Tr("Искать обновления программы через интернет"));
    check->setProperty("category", Tr("Автообновление"));
    QAction* autoUpdate = m_host.Action(QStringLiteral("AutoSelfUpdate"));
    autoUpdate->setStatusTip(Tr("Автоматическое обновление программы при запуске"));
    autoUpdate->setProperty("category", Tr("Автообновление"));
    autoUpdate->setCheckable(true);
    autoUpdate->setChecked(m_autoUpdates);
}

void TUpdateCommands::SetAutoUpdates(bool on) {
    m_autoUpdates = on;
    m_host.Action(QStringLiteral("AutoSelfUpdate"))->setChecked(on);
}

void TUpdateCommands::ToggleAutoUpdates() {
    m_host.RunBusy({}, [this] {
        const bool on = !m_autoUpdates;
        m_host.StoreSetting(MainWindowKey::AutoUpdates, on ? 1 : 0);
        SetAutoUpdates(on);
    });
    // The action toggles its own check mark when triggered; the setting decides it.
    m_host.Action(QStringLiteral("AutoSelfUpdate"))->setChecked(m_autoUpdates);
}

TUpdateParams TUpdateCommands::Params(bool silent) {
    TWorkspace& ws = m_host.Workspace();
    TUpdateParams params;
    params.Http = HttpOptionsFor(ws.Proxy);
    params.Http.Hooks = &m_host.Hooks();
    LoadUpdateSettings(ws.Paths().Config(), params);
    params.ProgramDir = m_programDir;
    params.RunningVersion = ProgramFileVersion();
    params.LanguageId = kLanguageId;
    params.LanguageAbbrev = kLanguageAbbrev;
    params.Silent = silent;
    params.Viewer = MessageViewerSink();
    params.Offer = [this](const TUpdateOffer& offer) {
        TfrmUpdateInformer dialog(offer, m_host.Window());
        return m_host.ExecDialog(dialog, {});
    };
    return params;
}

int TUpdateCommands::RunCheck(bool silent) {
    m_lastResult = urNothingInstalled;
    m_host.RunBusy({}, [&] {
        const TUpdateParams params = Params(silent);
        m_lastResult = CheckForUpdates(params, m_host.Hooks());
    });
    return m_lastResult;
}

void TUpdateCommands::CheckUpdate() {
    if (RunCheck(false) == urInstalled) Restart();
}

bool TUpdateCommands::CheckAtStart() {
    if (!m_autoUpdates) return false;
    // Without a configured service there is nothing to ask; the explicit action says so.
    bool configured = false;
    m_host.RunCommand([&] { configured = !Params(true).Source.empty(); });
    if (!configured || RunCheck(true) != urInstalled) return false;
    return Restart();
}

bool TUpdateCommands::Restart() {
    if (m_restarter) {
        m_restarter();
        return true;
    }
    bool started = false;
    m_host.RunCommand([&] {
        const std::filesystem::path exe = ExecutablePath();
        std::vector<std::string> args = {"restart"};
        // A copy that works on another data folder comes back to the same one.
        const std::filesystem::path data = m_host.Workspace().Paths().Dir;
        if (data != exe.parent_path()) args.insert(args.begin(), {"--data-dir", data.string()});
        RunProcess(exe.parent_path(), exe, args, 0, false);
        started = true;
    });
    // When the new copy could not be started (the error was shown), this one keeps running:
    // the user has been told that a restart is needed.
    if (started && m_terminate) m_terminate();
    return started;
}

}  // namespace mv::gui
