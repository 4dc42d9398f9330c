// The main window's stored settings: the configuration file and the window-settings file.
#include <QAction>
#include <QScreen>
#include <QHeaderView>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>

#include "engine/support/config_file.h"
#include "engine/session/list_commands.h"
#include "engine/session/setup.h"
#include "engine/core/errors.h"
#include "gui/core/template_main.h"
#include "gui/core/main_window_keys.h"
#include "gui/support/window_settings.h"
#include "engine/session/workspace.h"
#include "gui/draws/draws_model.h"
#include "gui/combs/combs_model.h"
#include "gui/combs/combs_tab.h"
#include "engine/combs/full_set_files.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"
#include "gui/support/window_placement.h"

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

void TTemplateMain::ReadMethodNames() {
    if (const auto failure = LoadMethodRegistry(*m_workspace)) {
        TMessages::ShowError(DisplayText(*failure), this);
    }
    m_statsTab->FillMethods();
}

void TTemplateMain::RebuildMethodList() {
    TStatList& registry = m_workspace->Stats();
    if (const auto failure = registry.WriteNames(m_paths.MethodNames(), true, false)) {
        TMessages::ShowError(DisplayText(*failure), this);
    }
    registry.BuildMethods();
    registry.SelectAll();
    if (const auto failure = registry.ReadNames(m_paths.MethodNames(), true)) {
        TMessages::ShowError(DisplayText(*failure), this);
    }
    m_statsTab->FillMethods();
}

void TTemplateMain::ApplyConfig(const TConfigData& config) {
    const int changes = ConfigChangeMask(m_workspace->Config(), config);
    m_workspace->Config() = config;
    {
        TStatusGuard status(Hooks(), ConfigSaveStatus);
        SaveAnalysisSettings(m_paths.Config(), config);
    }
    RebuildMethodList();
    RebuildFullSetFiles(*m_workspace, false, RebuildGroupsForConfigChange(changes));
    m_workspace->Notify(chSettings);
}

}  // namespace mv::gui

namespace mv::gui {
namespace {
const std::string kSection = MainWindowSection;
const char* const kDrawsList = "lvDraws";

std::vector<int> ColumnWidths(const QTableView* list) {
    std::vector<int> widths;
    for (int c = 0; c < list->model()->columnCount(); ++c) widths.push_back(list->columnWidth(c));
    return widths;
}
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
        m_workspace->SetSortedDraws(ReadMainFlag(s, MainWindowKey::SortedDraws));
        Action(QStringLiteral("DrawsSorted"))->setChecked(m_workspace->SortedDraws());
        const bool colours = ReadMainFlag(s, MainWindowKey::ColorDraws);
        m_drawsModel->SetChannelColours(colours);
        Action(QStringLiteral("ViewColorDraws"))->setChecked(colours);
        const int download =
            std::clamp(ReadMainSetting(s, MainWindowKey::DownloadDrawsOnStart), 0, 2);
        for (int m = 0; m < 3; ++m) {
            Action(QStringLiteral("AutoDownload%1").arg(m))->setChecked(m == download);
        }
        m_statsTab->RestoreSettings(s);
        m_combsTab->RestoreSettings(s);
        SetPrefetchsEnabled(*m_workspace, ReadMainFlag(s, MainWindowKey::PrefetchsEnabled));
        Action(QStringLiteral("DrawsStatePrefetchsEnabled"))->setChecked(m_workspace->Combs().PrefetchsEnabled);
        m_statsTab->ShowTotalLine = ReadMainFlag(s, MainWindowKey::ShowTotalLine);
        Action(QStringLiteral("DrawsStatShowTotalLine"))->setChecked(m_statsTab->ShowTotalLine);
        const bool combColours = ReadMainFlag(s, MainWindowKey::ColorCombs);
        m_combsTab->Model()->SetChannelColours(combColours);
        Action(QStringLiteral("ViewColorCombs"))->setChecked(combColours);
        m_scriptTab->RestoreSettings(s);
        const auto widths =
            ReadSaneColumnWidths(s, kSection, kDrawsList, ColumnWidths(m_drawsList));
        for (std::size_t c = 0; c < widths.size(); ++c) {
            m_drawsList->setColumnWidth(static_cast<int>(c), widths[c]);
        }
        // The very first start stores the comparison option and sizes its columns.
        if (const auto width = ApplyFirstStart(s, ReadMainFlag(s, MainWindowKey::PrefetchsEnabled))) {
            m_statsTab->SetComparisonColumnsWidth(*width);
        }
    });
    m_settingsRead = !failure;
    if (failure) TMessages::ShowError(DisplayText(*failure), this);
}

void TTemplateMain::SaveSettings() {
    const auto failure = GuardWindowSettings(true, [this] {
        TWindowSettings& s = Settings();
        s.BeginUpdate();
        SaveWindowPlacement(*this, s, kSection);
        WriteMainSetting(s, MainWindowKey::LeftPanelWidth, m_splitter->sizes().value(0));
        s.WriteColumnWidths(kSection, kDrawsList, ColumnWidths(m_drawsList));
        m_statsTab->SaveSettings(s);
        m_combsTab->SaveSettings(s);
        m_scriptTab->SaveSettings(s);
        s.EndUpdate();
    });
    if (failure) TMessages::ShowError(DisplayText(*failure), this);
}

}  // namespace mv::gui
