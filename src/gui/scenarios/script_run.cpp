// Running the current scenario from the desktop: forecast, test, stop, the run's options and
// its logs.
#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QSpinBox>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include "engine/run/script_logs.h"
#include "engine/run/script_runner.h"
#include "gui/core/command_host.h"
#include "gui/core/main_window_keys.h"
#include "gui/core/recalc_dispatcher.h"
#include "gui/scenarios/form_test_cnt.h"
#include "gui/scenarios/script_commands.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {
const char* const kStopQuestion = TrNoop("Остановить выполнение сценария?");
}

void TScriptCommands::BuildRunActions() {
    const auto canRun = [this] {
        return !Running() && !m_workspace.Script().Empty() && m_workspace.DrawCount() > 0;
    };
    const auto notRunning = [this] { return !Running(); };
    AddActions(
        m_host,
        {
            {"ScriptRun", Tr("Прогноз"), "F10", canRun, [this] { Run(false); }},
            {"ScriptTest", Tr("Тест"), "Ctrl+F10", canRun, [this] { Run(true); }},
            {"ScriptStop", Tr("Стоп"), "Ctrl+X",
             [this] { return Running() && !m_runner->StopRequested(); }, [this] { AskStop(); }},
            {"LogToggle", Tr("Журнал выполнения сценария"), "", notRunning,
             [this] {
                 m_logEnabled = !m_logEnabled;
                 m_host.Action(QStringLiteral("LogToggle"))->setChecked(m_logEnabled);
                 m_host.StoreSetting(MainWindowKey::ScriptLogEnabled, m_logEnabled);
             }},
            {"LogsDelete", Tr("Удалить журналы выполнения сценариев"), "", notRunning,
             [this] { DeleteLogs(); }},
            {"StakesCheckLine", Tr("Проверять ставки после каждой строки сценария"), "",
             [] { return true; },
             [this] {
                 m_checkOnLine = !m_checkOnLine;
                 m_host.Action(QStringLiteral("StakesCheckLine"))->setChecked(m_checkOnLine);
                 m_host.StoreSetting(MainWindowKey::StakesCheckOnLine, m_checkOnLine);
             }},
        });
    // Stop is what the user can still press while the run keeps the program busy.
    m_host.KeepEnabledWhileBusy(m_host.Action(QStringLiteral("ScriptStop")));
    for (const char* name : {"LogToggle", "StakesCheckLine"}) {
        m_host.Action(QString::fromLatin1(name))->setCheckable(true);
    }
    m_host.Action(QStringLiteral("LogToggle"))->setChecked(m_logEnabled);
    m_host.Action(QStringLiteral("StakesCheckLine"))->setChecked(m_checkOnLine);
    ShowLog = [](const QString& file) { QDesktopServices::openUrl(QUrl::fromLocalFile(file)); };
}

void TScriptCommands::RestoreSettings(const TWindowSettings& settings) {
    m_logEnabled = ReadMainFlag(settings, MainWindowKey::ScriptLogEnabled);
    m_checkOnLine = ReadMainFlag(settings, MainWindowKey::StakesCheckOnLine);
    m_host.Action(QStringLiteral("LogToggle"))->setChecked(m_logEnabled);
    m_host.Action(QStringLiteral("StakesCheckLine"))->setChecked(m_checkOnLine);
}

bool TScriptCommands::Running() const {
    return m_runner != nullptr;
}

void TScriptCommands::Run(bool test) {
    if (m_runner) return;
    int passes = 1;
    if (test) {
        TFormTestCnt dialog(m_workspace.DrawCount() - 1, m_host.Window());
        if (!m_host.ExecDialog(dialog, {})) return;
        passes = dialog.Count();
        if (passes <= 0) return;
    }
    TScriptRunSettings settings;
    settings.LogEnabled = m_logEnabled;
    settings.CheckOnLine = m_checkOnLine;
    settings.LogFolder = m_workspace.Paths().Dir;
    m_runner = std::make_unique<TScriptRunner>(m_workspace, settings);
    m_runner->OnPanel = [this](int panel, const std::string& text) {
        m_tab->SetStatusText(panel, Q(text));
    };
    m_runner->OnLine = [this](int line) { m_tab->FocusLine(line); };
    m_runner->OnLogFinished = [this](const std::filesystem::path& file) {
        if (ShowLog) ShowLog(QString::fromStdString(file.string()));
    };
    m_host.RunBusy({}, [&] {
        SetRunState(true);
        try {
            if (test) {
                m_runner->Test(passes);
            } else {
                m_runner->Forecast();
            }
        } catch (...) {
            SetRunState(false);
            throw;
        }
        SetRunState(false);
        ShowLastTable(*m_runner);
        m_host.Recalc().Recalculate(false);
    });
    m_runner.reset();
    m_host.UpdateActions();
    if (m_closeAfterRun) {
        m_closeAfterRun = false;
        QTimer::singleShot(0, m_host.Window(), &QWidget::close);
    }
}

void TScriptCommands::SetRunState(bool running) {
    // Changing the offset of a test pass must not recompute the views in sight each time.
    m_host.Recalc().Suppressed = running;
    m_host.EnableAnalysisPages(!running);
    m_tab->List()->setEnabled(!running);
    m_host.UpdateActions();
}

void TScriptCommands::ShowLastTable(const TScriptRunner& runner) {
    const auto last = runner.LastTable();
    if (!last) return;
    QComboBox* methods = m_stats.MethodBox();
    const int item = methods->findData(last->first);
    if (item >= 0) methods->setCurrentIndex(item);
    m_stats.WindowBox()->setValue(last->second);
}

void TScriptCommands::AskStop() {
    if (!m_runner || m_runner->StopRequested()) return;
    if (!TMessages::Ask(TAskKind::ConfirmDefaultNo, {}, Tr(kStopQuestion), m_host.Window())) return;
    // The question's own event loop cannot end the run, but stay safe.
    if (m_runner) m_runner->RequestStop();
    m_host.UpdateActions();
}

bool TScriptCommands::MayClose() {
    if (!m_runner) return true;
    if (!m_runner->StopRequested()) {
        if (!TMessages::Ask(TAskKind::ConfirmDefaultNo, {}, Tr(kStopQuestion), m_host.Window())) {
            return false;
        }
        if (m_runner) m_runner->RequestStop();
    }
    m_closeAfterRun = true;
    m_host.UpdateActions();
    return false;
}

void TScriptCommands::DeleteLogs() {
    bool ran = false;
    std::optional<TOperation> operation;
    m_host.RunBusy({}, [&] {
        operation = LogsDelete(m_workspace);
        ran = true;
    });
    if (!ran) return;
    if (!operation) {
        TMessages::ShowInfo(QString::fromUtf8(NoScriptLogsMessage), m_host.Window());
        return;
    }
    const QString text = DisplayText(operation->Name + "\r\r" + operation->Text);
    TMessages::ShowMessage(operation->Status <= ssDone ? TMessageKind::Info : TMessageKind::Warning,
                           text, m_host.Window());
}

}  // namespace mv::gui
