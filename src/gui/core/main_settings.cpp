// The main window's stored settings: the configuration file and the window-settings file.
#include <QAction>
#include <QScreen>
#include <QHeaderView>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>

#include "engine/combs/full_set_files.h"
#include "engine/core/errors.h"
#include "engine/session/list_commands.h"
#include "engine/session/setup.h"
#include "engine/session/workspace.h"
#include "engine/support/config_file.h"
#include "gui/combs/combs_model.h"
#include "gui/combs/combs_tab.h"
#include "gui/core/main_window_keys.h"
#include "gui/core/template_main.h"
#include "gui/draws/draws_commands.h"
#include "gui/online/script_catalog_commands.h"
#include "gui/ratings/ratings_commands.h"
#include "gui/ratings/regulars_commands.h"
#include "gui/scenarios/script_commands.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stakes/stakes_commands.h"
#include "gui/stats/stats_commands.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"
#include "gui/support/window_placement.h"
#include "gui/support/window_settings.h"
#include "gui/systems/systems_commands.h"
#include "gui/update/update_commands.h"
#include "gui/views/chart_window.h"
#include "gui/views/graphs_tab.h"
#include "gui/views/views_commands.h"

namespace mv::gui {

void TTemplateMain::ReadConfiguration() {
    TWorkspace& ws = *m_workspace;
    const auto guarded = [this](const std::function<void()>& read) {
        try {
            TStatusGuard status(Hooks(), ConfigLoadStatus);
            read();
        } catch (const std::exception& e) {
            TMessages::ShowError(DisplayText(std::string(e.what())), this);
        }
    };
    guarded([&] {
        LoadAnalysisSettings(ws);
    });
    guarded([&] { LoadProxySettings(m_paths.Config(), ws.Proxy); });
}

void TTemplateMain::ApplyConfig(const TConfigData& config) {
    const int changes = ConfigChangeMask(m_workspace->Config(), config);
    m_workspace->Config() = config;
    {
        TStatusGuard status(Hooks(), ConfigSaveStatus);
        SaveAnalysisSettings(m_paths.Config(), config);
    }
    m_statsCommands->RebuildMethodList();
    RebuildFullSetFiles(*m_workspace, false, RebuildGroupsForConfigChange(changes));
    m_workspace->Notify(chSettings);
}

}  // namespace mv::gui

namespace mv::gui {
namespace {
const std::string kSection = MainWindowSection;
}  // namespace

TWindowSettings& TTemplateMain::Settings() {
    if (!m_settings) m_settings = std::make_unique<TWindowSettings>(m_paths.WindowSettings());
    return *m_settings;
}

void TTemplateMain::StoreSetting(const TSettingKey& key, int value) {
    RunCommand([&] { WriteMainSetting(Settings(), key, value); });
}

void TTemplateMain::RestoreSettings() {
    const auto failure = GuardWindowSettings(false, [this] {
        TWindowSettings& s = Settings();
        s.BeginUpdate();
        struct TEnd {
            TWindowSettings& S;
            ~TEnd() {
                try {
                    S.EndUpdate();
                } catch (...) {
                }
            }
        } end{s};
        for (const TOptionalTab& tab : OptionalTabs()) ShowOptionalTab(tab, ReadMainFlag(s, tab.Key));
        RestoreWindowPlacement(*this, s, kSection);
        const int left = SaneStoredSize(
            ReadMainSetting(s, MainWindowKey::LeftPanelWidth, LeftPanelDesignedWidth),
            LeftPanelDesignedWidth);
        if (left > 0) m_splitter->setSizes({left, std::max(200, width() - left)});
        m_drawsCommands->RestoreSettings(s);
        const int download =
            std::clamp(ReadMainSetting(s, MainWindowKey::DownloadDrawsOnStart), 0, 2);
        for (int m = 0; m < 3; ++m) {
            Action(QStringLiteral("AutoDownload%1").arg(m))->setChecked(m == download);
        }
        m_updateCommands->SetAutoUpdates(ReadMainFlag(s, MainWindowKey::AutoUpdates));
        StatsTab()->RestoreSettings(s);
        m_viewsCommands->Graphs()->RestoreSettings(s);
        m_viewsCommands->RestoreSettings(s);
        m_combsTab->RestoreSettings(s);
        SetPrefetchsEnabled(*m_workspace, ReadMainFlag(s, MainWindowKey::PrefetchsEnabled));
        Action(QStringLiteral("DrawsStatePrefetchsEnabled"))->setChecked(m_workspace->Combs().PrefetchsEnabled);
        StatsTab()->ShowTotalLine = ReadMainFlag(s, MainWindowKey::ShowTotalLine);
        Action(QStringLiteral("DrawsStatShowTotalLine"))->setChecked(StatsTab()->ShowTotalLine);
        const bool combColours = ReadMainFlag(s, MainWindowKey::ColorCombs);
        m_combsTab->Model()->SetChannelColours(combColours);
        Action(QStringLiteral("ViewColorCombs"))->setChecked(combColours);
        ScriptTab()->RestoreSettings(s);
        m_scriptCommands->RestoreSettings(s);
        m_scriptCatalogCommands->RestoreSettings(s);
        m_stakesCommands->RestoreSettings(s);
        m_ratingsCommands->RestoreSettings(s);
        m_regularsCommands->RestoreSettings(s);
        m_systemsCommands->RestoreSettings(s);
        // The very first start stores the comparison option and sizes its columns.
        if (const auto width = ApplyFirstStart(s, ReadMainFlag(s, MainWindowKey::PrefetchsEnabled))) {
            StatsTab()->SetComparisonColumnsWidth(*width);
        }
    });
    m_settingsRead = !failure;
    if (failure) TMessages::ShowError(DisplayText(*failure), this);
}

void TTemplateMain::SaveSettings() {
    // Chart windows store their placement as they close; they go before the main window.
    for (TChartWindow* chart : findChildren<TChartWindow*>()) chart->close();
    const auto failure = GuardWindowSettings(true, [this] {
        TWindowSettings& s = Settings();
        s.BeginUpdate();
        SaveWindowPlacement(*this, s, kSection);
        WriteMainSetting(s, MainWindowKey::LeftPanelWidth, m_splitter->sizes().value(0));
        m_drawsCommands->SaveSettings(s);
        StatsTab()->SaveSettings(s);
        m_viewsCommands->Graphs()->SaveSettings(s);
        m_viewsCommands->SaveSettings(s);
        m_combsTab->SaveSettings(s);
        ScriptTab()->SaveSettings(s);
        m_scriptCatalogCommands->SaveSettings(s);
        m_stakesCommands->SaveSettings(s);
        m_ratingsCommands->SaveSettings(s);
        m_regularsCommands->SaveSettings(s);
        m_systemsCommands->SaveSettings(s);
        s.EndUpdate();
    });
    if (failure) TMessages::ShowError(DisplayText(*failure), this);
}

}  // namespace mv::gui
