// The main window's stored settings: the configuration file and the window-settings file.
#include <QAction>
#include <QScreen>
#include <QHeaderView>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>

#include "core/config_file.h"
#include "core/errors.h"
#include "core/template_main.h"
#include "core/window_settings.h"
#include "core/workspace.h"
#include "draws/draws_model.h"
#include "stats/stats_tab.h"
#include "support/messages.h"

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
        ws.Stats().LoadGenerateSettings(m_paths.Config());
        ws.Stats().LoadConfig(m_paths.Config());
        ws.Stats().LoadShredding(m_paths.Config());
        ws.Stats().SaveWeights();
    });
    guarded([&] { LoadProxySettings(m_paths.Config(), ws.Proxy); });
}

void TTemplateMain::ReadMethodNames() {
    TStatList& registry = m_workspace->Stats();
    registry.BuildMethods();
    if (const auto failure = registry.ReadNames(m_paths.MethodNames(), true)) {
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
    PendingRebuildFullSetFilesFor(changes);
    Recalculate(true);
    m_drawsModel->Refresh(true);
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

void TTemplateMain::StoreViewOption(const QString& key, bool value) {
    RunCommand([&] { Settings().WriteBool(kSection, key.toStdString(), value); });
}

void TTemplateMain::StoreIntegerOption(const QString& key, int value) {
    RunCommand([&] { Settings().WriteInteger(kSection, key.toStdString(), value); });
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
        for (const TOptionalTab& tab : OptionalTabs()) {
            ShowOptionalTab(tab, s.ReadBool(kSection, tab.SettingKey, true));
        }
        RestorePlacement();
        const int left = s.ReadInteger(kSection, "LeftPanelWidth", LeftPanelDesignedWidth);
        if (left > 0) m_splitter->setSizes({left, std::max(200, width() - left)});
        m_workspace->SortedDraws = s.ReadBool(kSection, "SortedDraws", false);
        Action(QStringLiteral("DrawsSorted"))->setChecked(m_workspace->SortedDraws);
        const bool colours = s.ReadBool(kSection, "ColorDraws", true);
        m_drawsModel->SetChannelColours(colours);
        Action(QStringLiteral("ViewColorDraws"))->setChecked(colours);
        const int download = std::clamp(s.ReadInteger(kSection, "DownloadDrawsOnStart", 0), 0, 2);
        for (int m = 0; m < 3; ++m) {
            Action(QStringLiteral("AutoDownload%1").arg(m))->setChecked(m == download);
        }
        m_statsTab->RestoreSettings(s);
        const auto widths = s.ReadColumnWidths(kSection, kDrawsList, ColumnWidths(m_drawsList));
        for (std::size_t c = 0; c < widths.size(); ++c) {
            m_drawsList->setColumnWidth(static_cast<int>(c), widths[c]);
        }
        // The very first start marks itself and stores the comparison option's value.
        if (!s.ReadBool(kSection, "PrefetchsInit", false)) {
            s.WriteBool(kSection, "PrefetchsInit", true);
            s.WriteBool(kSection, "PrefetchsEnabled", false);
        }
    });
    if (failure) TMessages::ShowError(DisplayText(*failure), this);
}

void TTemplateMain::RestorePlacement() {
    const QScreen* screen = this->screen();
    if (!screen) return;
    const auto stored = Settings().RestorePlacement(
        kSection, {screen->size().width(), screen->size().height()}, logicalDpiX());
    if (!stored) return;
    if (stored->ApplyBounds) {
        const TRect& r = stored->Placement.NormPos;
        setGeometry(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top));
    }
    if (stored->Show == TShowState::Maximized) setWindowState(Qt::WindowMaximized);
    if (stored->Show == TShowState::Minimized) setWindowState(Qt::WindowMinimized);
}

void TTemplateMain::SaveSettings() {
    const auto failure = GuardWindowSettings(true, [this] {
        TWindowSettings& s = Settings();
        s.BeginUpdate();
        TWindowPlacement placement;
        placement.ShowCmd = isMaximized()   ? ShowCmdMaximized
                            : isMinimized() ? ShowCmdMinimized
                                            : ShowCmdNormal;
        placement.PixelsPerInch = logicalDpiX();
        const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
        placement.NormPos = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
        const QScreen* screen = this->screen();
        const TScreenSize size = screen ? TScreenSize{screen->size().width(), screen->size().height()}
                                        : TScreenSize{};
        s.SavePlacement(kSection, placement, size);
        s.WriteInteger(kSection, "LeftPanelWidth", m_splitter->sizes().value(0));
        s.WriteColumnWidths(kSection, kDrawsList, ColumnWidths(m_drawsList));
        m_statsTab->SaveSettings(s);
        s.EndUpdate();
    });
    if (failure) TMessages::ShowError(DisplayText(*failure), this);
}

}  // namespace mv::gui
