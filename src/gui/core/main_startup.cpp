// Start-up and shutdown of the main window.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QThread>
#include <QTimer>

#include "engine/combs/full_set_files.h"
#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/core/processes.h"
#include "engine/session/list_commands.h"
#include "engine/session/workspace.h"
#include "engine/support/data_lock.h"
#include "gui/combs/combs_commands.h"
#include "gui/core/template_main.h"
#include "gui/draws/download_commands.h"
#include "gui/draws/draws_commands.h"
#include "gui/online/script_catalog_commands.h"
#include "gui/ratings/regulars_commands.h"
#include "gui/scenarios/script_commands.h"
#include "gui/stakes/stakes_commands.h"
#include "gui/stats/stats_commands.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"
#include "gui/support/window_settings.h"
#include "gui/systems/systems_commands.h"
#include "gui/update/update_commands.h"

namespace mv::gui {
namespace {
constexpr int kRestartChecks = 601;
constexpr int kRestartPauseMs = 100;
// The exit status of a batch run refused the data files, as the command line's.
constexpr int kExitLocked = 3;
}  // namespace

void TTemplateMain::Create() {
    try {
        LoadInterfaceLanguage();
        BuildLayout();
        BuildStatusBar();
        BuildActions();
        BuildMenus();
        // The systems tab and its stake commands stay hidden until the catalog is set up.
        m_systemsCommands->SetTabShown(false);
        if (m_switches.Restart) WaitForEarlierCopy();
        if (m_terminated) return;
        setWindowTitle(GameCaption());
        QApplication::setApplicationDisplayName(QString());
        m_recalc.Invalidate();
        m_recalc.Suppressed = false;
        RestoreSettings();
        ReadConfiguration();
        m_statsCommands->ReadMethodNames();
        // The archive is not read yet: the draws page and its panels show the empty one.
        m_drawsCommands->RefreshView(true);
        UpdateActions();
    } catch (const std::exception& e) {
        TMessages::ShowError(
            DisplayText(OperationMessage(Tr("Ошибка запуска программы!").toStdString(), e.what())),
            this);
    }
    if (EndAfterFailure()) return;
    QTimer::singleShot(100, this, &TTemplateMain::DeferredInit);
}

void TTemplateMain::WaitForEarlierCopy() {
    const auto exe = ExecutablePath();
    for (int check = 0; check < kRestartChecks; ++check) {
        if (!OtherInstanceRunning(exe)) return;
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < kRestartPauseMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, kRestartPauseMs);
            QThread::msleep(10);
        }
    }
    if (OtherInstanceRunning(exe)) Terminate();
}

void TTemplateMain::DeferredInit() {
    if (m_terminated || m_initialized) return;
    m_initialized = true;
    try {
        ShowStatus(Tr("Инициализация..."));
        HitTable();
        setWindowTitle(GameCaption() + Tr(" версия ") + QStringLiteral(MV_VERSION));
        m_drawsCommands->SetDrawsOffset(0);
        try {
            m_workspace->LockDataFiles();
        } catch (const EError& e) {
            if (dynamic_cast<const EDataLockBusy*>(&e)) TMessages::NoteFailure(kExitLocked);
            TMessages::ShowError(DisplayText(std::string(e.what())), this);
            TMessages::ShowError(DisplayText(std::string(LockFailedMessage)), this);
            ShowStatus(QString());
            Terminate();
            return;
        }
        m_stakesCommands->Refresh();
        try {
            m_workspace->ReadArchive();
        } catch (const EError& e) {
            TMessages::ShowError(DisplayText(std::string(e.what())), this);
        }
        if (EndAfterFailure()) return;
        m_combsCommands->GenerateDefault();
        Recalculate(true);
        // The ratings came with the data files; the regulars are read while their tab shows.
        m_regularsCommands->Load();
        m_scriptCommands->ReadCurrentScript();
        if (EndAfterFailure()) return;
        if (!m_switches.IsBatch()) SetUpSystemsAndOnlineCatalog();
        if (!m_switches.IsBatch()) m_scriptCatalogCommands->SetUpAtStart();
        ShowStatus(QString());
        if (RunBatchSwitches()) return;
        int autoDownload = 0;
        while (autoDownload < 2 &&
               !Action(QStringLiteral("AutoDownload%1").arg(autoDownload))->isChecked())
            ++autoDownload;
        m_downloadCommands->DownloadAtStart(autoDownload);
        ShowFirstRunDialog();
    } catch (const std::exception& e) {
        ShowStatus(QString());
        TMessages::ShowError(DisplayText(OperationMessage(
                                 Tr("Ошибка инициализации программы!").toStdString(), e.what())),
                             this);
        if (EndAfterFailure()) return;
    }
    UpdateActions();
    emit DeferredInitFinished();
}

void TTemplateMain::SetUpSystemsAndOnlineCatalog() {
    bool shown = true;
    RunCommand([&] { shown = ReadMainFlag(Settings(), MainWindowKey::SystemsEnabled); });
    m_systemsCommands->SetUp(shown);
}

bool TTemplateMain::RunBatchSwitches() {
    if (m_switches.LoadOnly) {
        m_downloadCommands->Download();
        if (EndAfterFailure()) return true;
        if (!m_switches.FullRecreate && !m_switches.FullRefresh) {
            Terminate();
            return true;
        }
    }
    // The silent update check; an installed update restarts the program at once.
    if (!m_switches.IsBatch() && m_updateCommands->CheckAtStart()) return true;
    if (m_switches.FullRecreate) {
        RunBusy({}, [this] { RebuildFullSetFiles(*m_workspace, true, AllStatGroupsMask); });
        Terminate();
        return true;
    }
    RunBusy({}, [this] { RebuildFullSetFiles(*m_workspace, m_switches.FullRefresh, 0); });
    if (m_switches.FullRefresh) {
        Terminate();
        return true;
    }
    return false;
}

void TTemplateMain::Terminate() {
    if (m_terminated) return;
    m_terminated = true;
    emit TerminateRequested();
    // Closing goes through the normal shutdown path: settings saved, the lock released.
    QTimer::singleShot(0, this, [this] { close(); });
}

bool TTemplateMain::EndAfterFailure() {
    if (TMessages::ExitStatus() == 0) return false;
    Terminate();
    return true;
}

void TTemplateMain::Shutdown() {
    if (m_shutDown) return;
    m_shutDown = true;
    if (m_actionTimer) m_actionTimer->stop();
    // Only a copy that read the settings and held the data files writes them back: one that
    // ended before (restart wait given up, lock refused, a batch run failed early) would
    // replace them with the layout of a window that never really ran.
    if (m_settingsRead && m_workspace->DataFilesLocked()) SaveSettings();
    m_workspace->ResetDraws({});
    m_workspace->UnlockDataFiles();
}

}  // namespace mv::gui
