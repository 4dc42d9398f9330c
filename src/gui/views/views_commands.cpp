#include "gui/views/views_commands.h"

#include <QAction>
#include <QComboBox>

#include "engine/stats/graph_data.h"
#include "gui/core/command_host.h"
#include "gui/core/recalc_dispatcher.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/tr.h"
#include "gui/views/analysis_commands.h"
#include "gui/views/card_tab.h"
#include "gui/views/chart_window.h"
#include "gui/views/graphs_tab.h"
#include "gui/views/layout_tab.h"
#include "gui/views/week_tab.h"

namespace mv::gui {

const QString TViewsCommands::GraphsView = QStringLiteral("graphs");

TViewsCommands::TViewsCommands(ICommandHost& host, TStatsTab& statsTab, QWidget* parent)
    : m_host(host), m_workspace(host.Workspace()), m_graphs(new TGraphsTab(parent)) {
    // The graphs redraw when one of their inputs changed: the archive's length, the offset,
    // the window length and the chosen type.
    m_host.Recalc().Register(
        GraphsView, m_graphs,
        [this]() -> TRecalcDispatcher::TInputs {
            return {m_workspace.DrawCount(), m_workspace.DrawsOffset(), m_graphs->WindowLength(),
                    m_graphs->TypeBox()->currentIndex()};
        },
        [this] { DrawGraphs(); });
    connect(m_graphs, &TGraphsTab::RedrawRequested, this, [this] {
        m_host.RunCommand([this] { m_host.Recalc().Recalculate(GraphsView, false); });
    });
    connect(&statsTab, &TStatsTab::MethodsFilled, this,
            [this](bool first) { m_graphs->FillTypes(m_workspace.Stats(), first); });
    m_subscription = std::make_unique<TWorkspaceSubscription>(m_workspace, [this](TChanges c) {
        if (c & (chArchive | chOffset)) m_host.Recalc().Recalculate(GraphsView, false);
        // The sorted display and the configuration change the values but not the inputs.
        if (c & chSettings) {
            m_host.Recalc().Invalidate(GraphsView);
            m_host.Recalc().Recalculate(GraphsView, false);
        }
    });

    QAction* draw = m_host.AddAction(
        QStringLiteral("DrawsGraphDraw"), Tr("Обновить"), {},
        [this] { return m_workspace.DrawCount() > 0 && m_graphs->ChosenMethod() >= 0; },
        [this] { m_host.RunCommand([this] { m_host.Recalc().Force(GraphsView); }); });
    draw->setStatusTip(Tr("Построить графики по выбранным параметрам"));
    m_graphs->AddToolAction(draw);

    // The other views recalculate after the graphs, in this order.
    m_card = std::make_unique<TCardCommands>(host, parent);
    m_layout = std::make_unique<TLayoutCommands>(host, parent);
    m_week = std::make_unique<TWeekCommands>(host, parent);
    m_extStats = std::make_unique<TExtStatsCommands>(host, *this);
}

QWidget* TViewsCommands::PageFor(const QString& key) const {
    if (key == GraphsView) return m_graphs;
    if (key == TCardCommands::View) return m_card->Tab();
    if (key == TLayoutCommands::View) return m_layout->Tab();
    if (key == TWeekCommands::View) return m_week->Tab();
    return nullptr;
}

void TViewsCommands::RestoreSettings(const TWindowSettings& settings) {
    m_card->RestoreSettings(settings);
    m_layout->RestoreSettings(settings);
    m_week->RestoreSettings(settings);
}

void TViewsCommands::SaveSettings(TWindowSettings& settings) const {
    m_layout->Tab()->SaveSettings(settings);
    m_week->Tab()->SaveSettings(settings);
}

TViewsCommands::~TViewsCommands() = default;

TChartWindow* TViewsCommands::NewChartWindow() {
    return new TChartWindow(m_host);
}

void TViewsCommands::DrawGraphs() {
    m_graphs->Clear();
    const int method = m_graphs->ChosenMethod();
    if (method < 0 || m_workspace.DrawCount() == 0) return;
    m_host.RunBusy(Tr("Анализ тиражей и построение графиков..."), [&] {
        const TGraphSeries series = ComputeGraphSeries(
            m_workspace.Stats(), method, m_workspace.DrawArchive(), m_workspace.DrawsOffset(),
            m_graphs->WindowLength(), m_workspace.SortedDraws());
        m_graphs->Show(series, m_graphs->ChosenTitle());
    });
}

}  // namespace mv::gui
