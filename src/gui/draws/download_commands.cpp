#include "gui/draws/download_commands.h"

#include <QAction>
#include <string>

#include "engine/core/errors.h"
#include "engine/session/stake_commands.h"
#include "engine/session/workspace.h"
#include "engine/support/config_file.h"
#include "gui/core/command_host.h"
#include "gui/draws/form_proxy.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {

// Closes the wait window when the download ends, however it ends.
class TWaitGuard {
public:
    TWaitGuard(IUiHooks& hooks, const std::string& text) : m_hooks(hooks) {
        m_hooks.ShowWait(text);
    }
    ~TWaitGuard() { m_hooks.HideWait(); }
    TWaitGuard(const TWaitGuard&) = delete;
    TWaitGuard& operator=(const TWaitGuard&) = delete;

private:
    IUiHooks& m_hooks;
};

std::string FewNumbers(const std::vector<std::int32_t>& numbers) {
    constexpr std::size_t kShown = 10;
    std::string text;
    for (std::size_t i = 0; i < numbers.size() && i < kShown; ++i)
        text += (i ? ", " : "") + std::to_string(numbers[i]);
    if (numbers.size() > kShown) text += " ...";
    return text;
}

}  // namespace

TDownloadCommands::TDownloadCommands(ICommandHost& host) : m_host(host) {
    const auto always = [] { return true; };
    AddActions(m_host, {
                           {"DrawsDownload", Tr("Загрузка"), "F3", always, [this] { Download(); }},
                           {"EditProxy", Tr("Параметры proxy-сервера"), "", always,
                            [this] { EditProxy(); }},
                       });
}

void TDownloadCommands::Download() {
    m_host.RunBusy(QString::fromUtf8(DrawsDownloadStatus), [this] {
        TWorkspace& ws = m_host.Workspace();
        TDownloadParams params;
        params.Url = LoadDrawsUrl(ws.Paths().Config());
        // Nobody can answer a retry question in a run without a display.
        params.AskRetry = !TMessages::ConsoleMode();
        {
            TWaitGuard wait(m_host.Hooks(), DrawsDownloadStatus);
            m_last = DownloadDraws(ws, params);
            if (ws.DataFilesLocked()) CheckAndRefreshStakes(ws);
        }
        if (!m_last.Failed) AfterSuccessfulDownload(m_last);
        if (m_last.NoAddress) {
            TMessages::ShowMessage(TMessageKind::Warning, DisplayText(m_last.Error),
                                   m_host.Window());
            if (TMessages::ConsoleMode()) TMessages::NoteFailure(1);
        } else if (m_last.Failed && !params.AskRetry) {
            throw EError(OperationMessage(
                Tr("Ошибка загрузки архива тиражей с сайта!").toStdString(), m_last.Error));
        }
    });
}

void TDownloadCommands::AfterSuccessfulDownload(const TDownloadResult& result) {
    if (result.Invalid > 0) {
        m_host.Hooks().ShowMessage(
            TMessageKind::Warning,
            Tr("Строки файла тиражей с некорректными числами пропущены: %1 (тиражи № %2).\r\r"
               "Числа тиража должны быть от 1 до 36 и не повторяться.")
                .arg(result.Invalid)
                .arg(Q(FewNumbers(result.InvalidNumbers)))
                .toStdString());
    }
}

void TDownloadCommands::DownloadAtStart(int mode) {
    std::string url;
    try {
        url = LoadDrawsUrl(m_host.Workspace().Paths().Config());
    } catch (const EError&) {
        // An unreadable configuration file was reported when it was read at start.
        return;
    }
    if (url.empty()) return;
    if (mv::DownloadAtStart(mode, m_host.Hooks())) Download();
}

void TDownloadCommands::EditProxy() {
    m_host.RunCommand([this] {
        TWorkspace& ws = m_host.Workspace();
        TFormProxy dialog(ws.Proxy, m_host.Window());
        if (!m_host.ExecDialog(dialog, {})) return;
        ws.Proxy = dialog.Result();
        TStatusGuard status(m_host.Hooks(), ConfigSaveStatus);
        SaveProxySettings(ws.Paths().Config(), ws.Proxy);
    });
}

}  // namespace mv::gui
