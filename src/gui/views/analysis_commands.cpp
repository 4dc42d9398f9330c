#include "gui/views/analysis_commands.h"

#include <QAction>
#include <QChartView>

#include "engine/session/list_commands.h"
#include "engine/views/sums.h"
#include "gui/core/command_host.h"
#include "gui/core/recalc_dispatcher.h"
#include "gui/support/tr.h"
#include "gui/views/card_tab.h"
#include "gui/views/chart_window.h"
#include "gui/views/layout_tab.h"
#include "gui/views/repeats_window.h"
#include "gui/views/view_grid.h"
#include "gui/views/views_commands.h"
#include "gui/views/week_tab.h"

namespace mv::gui {
namespace {

const char* const kIncludeHint =
    TrNoop("В списке комбинаций оставить комбинации с выделенными значениями");
const char* const kExcludeHint =
    TrNoop("Из списка комбинаций удалить комбинации с выделенными  значениями");

// The keep/remove pair of a view: captions, hints, and the list and rule they share.
void AddFilterActions(ICommandHost& host, const char* prefix, std::function<bool()> enabled,
                      std::function<void(bool)> apply) {
    const TWorkspace& ws = host.Workspace();
    const auto rule = [&ws, enabled] { return ws.Combs().CurrentList.Count() > 0 && enabled(); };
    QAction* include =
        host.AddAction(QStringLiteral("%1_Include").arg(QLatin1String(prefix)),
                       Tr("Оставить выделенные"), {}, rule, [apply] { apply(false); });
    include->setStatusTip(Tr(kIncludeHint));
    QAction* exclude = host.AddAction(QStringLiteral("%1_Exclude").arg(QLatin1String(prefix)),
                                      Tr("Удалить выделенные"), {}, rule, [apply] { apply(true); });
    exclude->setStatusTip(Tr(kExcludeHint));
}

QAction* AddOption(ICommandHost& host, const char* name, const QString& caption,
                   const QString& hint, std::function<bool()> enabled, std::function<void()> run) {
    QAction* action =
        host.AddAction(QString::fromLatin1(name), caption, {}, std::move(enabled), std::move(run));
    action->setCheckable(true);
    action->setChecked(true);
    action->setStatusTip(hint);
    return action;
}

QAction* Separator(QObject* parent) {
    auto* separator = new QAction(parent);
    separator->setSeparator(true);
    return separator;
}

}  // namespace

bool TabShown(const ICommandHost& host, const char* toggle) {
    const QAction* action = host.Action(QString::fromLatin1(toggle));
    return action && action->isChecked();
}

// --- card ----------------------------------------------------------------------------------

const QString TCardCommands::View = QStringLiteral("card");

TCardCommands::TCardCommands(ICommandHost& host, QWidget* parent)
    : m_host(host), m_workspace(host.Workspace()), m_tab(new TCardTab(parent)) {
    m_tab->Grid()->SetFill([this](int row, int column) -> std::optional<QColor> {
        const auto rgb = CardCellColour(m_tab->Model()->Card(), row, column + 1, m_channels,
                                        m_sequences, m_workspace.Config().ChannelSize);
        if (!rgb) return std::nullopt;
        return QColor(rgb->R, rgb->G, rgb->B);
    });
    // An unchanged count means an unchanged map; a draw edited in place invalidates it below.
    m_host.Recalc().Register(
        View, m_tab, [this]() -> TRecalcDispatcher::TInputs { return {m_workspace.DrawCount()}; },
        [this] { Refresh(); });
    m_subscription = std::make_unique<TWorkspaceSubscription>(m_workspace, [this](TChanges c) {
        if (c & chArchive) {
            m_host.Recalc().Invalidate(View);
            m_host.Recalc().Recalculate(View, false);
        }
        // The channel width colours the map.
        if (c & chSettings) m_tab->Grid()->viewport()->update();
    });

    const auto shown = [this] { return TabShown(m_host, "TabCard"); };
    AddFilterActions(
        m_host, "CardFilter", [this, shown] { return shown() && SelectionFits(); },
        [this](bool removed) { ApplySelection(removed); });
    AddOption(m_host, "ViewColorCard", Tr("Выделять каналы в карте тиражей"),
              Tr("Выделять цветами каналы в карте тиражей"), shown,
              [this] { ToggleOption(false); });
    AddOption(m_host, "ViewColorCardSequences", Tr("Выделять последовательности в карте тиражей"),
              Tr("Выделять цветами последовательности в карте тиражей"), shown,
              [this] { ToggleOption(true); });
    TViewGrid* grid = m_tab->Grid();
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const char* name : {"CardFilter_Include", "CardFilter_Exclude"}) {
        QAction* action = m_host.Action(QString::fromLatin1(name));
        m_tab->AddToolAction(action);
        grid->addAction(action);
    }
}

TCardCommands::~TCardCommands() = default;

bool TCardCommands::SelectionFits() const {
    const auto rect = m_tab->Grid()->SelectedRect();
    // Column CardExtraColumn - 1 of the model is the extra number.
    return rect && m_tab->Model()->Card().RowCount() > 0 && rect->right() < CardExtraColumn - 1;
}

void TCardCommands::Refresh() {
    m_host.RunBusy(Tr("Обновление карты тиражей..."),
                   [this] { m_tab->Model()->SetCard(TCard(m_workspace.DrawArchive())); });
}

void TCardCommands::ApplySelection(bool removed) {
    const auto texts = m_tab->Grid()->SelectedTexts();
    m_host.RunBusy({}, [&] { ApplyCardSelection(m_workspace, texts, removed); });
}

void TCardCommands::ToggleOption(bool sequences) {
    bool& option = sequences ? m_sequences : m_channels;
    option = !option;
    m_host.Action(QString::fromLatin1(sequences ? "ViewColorCardSequences" : "ViewColorCard"))
        ->setChecked(option);
    m_host.StoreSetting(sequences ? MainWindowKey::ColorCardSequences : MainWindowKey::ColorCard,
                        option);
    m_tab->Grid()->viewport()->update();
}

void TCardCommands::RestoreSettings(const TWindowSettings& settings) {
    m_channels = ReadMainFlag(settings, MainWindowKey::ColorCard);
    m_sequences = ReadMainFlag(settings, MainWindowKey::ColorCardSequences);
    m_host.Action(QStringLiteral("ViewColorCard"))->setChecked(m_channels);
    m_host.Action(QStringLiteral("ViewColorCardSequences"))->setChecked(m_sequences);
}

// --- layout --------------------------------------------------------------------------------

const QString TLayoutCommands::View = QStringLiteral("layout");

TLayoutCommands::TLayoutCommands(ICommandHost& host, QWidget* parent)
    : m_host(host), m_workspace(host.Workspace()), m_tab(new TLayoutTab(parent)) {
    m_tab->Grid()->SetFill([this](int row, int column) -> std::optional<QColor> {
        const TTextGridModel* model = m_tab->Model();
        const TRgb rgb =
            LayoutCellColour(row + 1, column + 1, model->rowCount() + 1, model->columnCount() + 1,
                             m_gradient, m_tab->Bracketed(row, column));
        return QColor(rgb.R, rgb.G, rgb.B);
    });
    m_host.Recalc().Register(
        View, m_tab,
        [this]() -> TRecalcDispatcher::TInputs {
            return {m_workspace.DrawCount(), m_workspace.DrawsOffset(), m_tab->WindowLength()};
        },
        [this] { BuildLayout(); });
    m_host.Recalc().Register(
        View, m_tab,
        [this]() -> TRecalcDispatcher::TInputs {
            return {m_workspace.DrawCount(), m_workspace.DrawsOffset()};
        },
        [this] { BuildCompareLists(); });
    m_subscription = std::make_unique<TWorkspaceSubscription>(m_workspace, [this](TChanges c) {
        if (c & chArchive) m_host.Recalc().Invalidate(View);
        if (c & (chArchive | chOffset)) m_host.Recalc().Recalculate(View, false);
    });
    connect(m_tab, &TLayoutTab::LayoutRequested, this,
            [this] { m_host.RunCommand([this] { m_host.Recalc().Recalculate(View, false); }); });
    connect(m_tab, &TLayoutTab::CompareRequested, this,
            [this] { m_host.RunCommand([this] { BuildCompareLists(); }); });

    const auto shown = [this] { return TabShown(m_host, "TabLayout"); };
    const auto ready = [this, shown] { return shown() && m_workspace.DrawCount() > 0; };
    QAction* calc = m_host.AddAction(QStringLiteral("LayoutCalc"), Tr("Обновить"), {}, ready,
                                     [this] { m_host.RunCommand([this] { BuildLayout(); }); });
    calc->setStatusTip(Tr("Пересчитать схему"));
    QAction* cmpCalc =
        m_host.AddAction(QStringLiteral("LayoutCmpCalc"), Tr("Обновить"), {}, ready,
                         [this] { m_host.RunCommand([this] { BuildCompareLists(); }); });
    cmpCalc->setStatusTip(Tr("Пересчитать таблицы сравнения"));
    AddFilterActions(
        m_host, "LayoutFilter",
        [this, shown] { return shown() && m_tab->Grid()->SelectedRect().has_value(); },
        [this](bool removed) { ApplySelection(removed); });
    AddOption(m_host, "ViewShemaGradient", Tr("Градиентная раскраска схемы"),
              Tr("Градиентная раскраска схемы выпадения номеров"), shown,
              [this] { ToggleGradient(); });

    m_tab->AddToolAction(calc);
    m_tab->AddCompareAction(cmpCalc);
    TViewGrid* grid = m_tab->Grid();
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const char* name : {"LayoutFilter_Include", "LayoutFilter_Exclude"}) {
        QAction* action = m_host.Action(QString::fromLatin1(name));
        m_tab->AddToolAction(action);
        grid->addAction(action);
    }
    grid->addAction(Separator(grid));
    grid->addAction(m_host.Action(QStringLiteral("ViewShemaGradient")));
}

TLayoutCommands::~TLayoutCommands() = default;

void TLayoutCommands::BuildLayout() {
    m_host.RunBusy(Tr("Построение схемы выпадения номеров..."), [this] {
        m_tab->ShowLayout(BuildLayoutGrid(m_workspace.DrawArchive(), m_workspace.DrawsOffset(),
                                          m_tab->WindowLength(), m_workspace.HiddenDrawNumbers()));
    });
}

void TLayoutCommands::BuildCompareLists() {
    m_host.RunBusy(Tr("Построение схемы выпадения номеров..."), [this] {
        for (int i = 0; i < LayoutCompareLists; ++i) {
            m_tab->ShowCompareList(
                i, BuildCompareList(m_workspace.DrawArchive(), m_workspace.DrawsOffset(),
                                    m_tab->CompareLength(i)));
        }
    });
}

void TLayoutCommands::ApplySelection(bool removed) {
    const auto texts = m_tab->Grid()->SelectedTexts();
    m_host.RunBusy({}, [&] { ApplyLayoutSelection(m_workspace, texts, removed); });
}

void TLayoutCommands::ToggleGradient() {
    m_gradient = !m_gradient;
    m_host.Action(QStringLiteral("ViewShemaGradient"))->setChecked(m_gradient);
    m_host.StoreSetting(MainWindowKey::LayoutGradient, m_gradient);
    m_tab->Grid()->viewport()->update();
}

void TLayoutCommands::RestoreSettings(const TWindowSettings& settings) {
    m_tab->RestoreSettings(settings);
    m_gradient = ReadMainFlag(settings, MainWindowKey::LayoutGradient);
    m_host.Action(QStringLiteral("ViewShemaGradient"))->setChecked(m_gradient);
}

// --- week ----------------------------------------------------------------------------------

const QString TWeekCommands::View = QStringLiteral("week");

TWeekCommands::TWeekCommands(ICommandHost& host, QWidget* parent)
    : m_host(host), m_workspace(host.Workspace()), m_tab(new TWeekTab(parent)) {
    m_host.Recalc().Register(
        View, m_tab,
        [this]() -> TRecalcDispatcher::TInputs {
            return {m_workspace.DrawCount(), m_workspace.DrawsOffset(), m_tab->WindowLength()};
        },
        [this] { Compute(); });
    m_subscription = std::make_unique<TWorkspaceSubscription>(m_workspace, [this](TChanges c) {
        if (c & chArchive) m_host.Recalc().Invalidate(View);
        if (c & (chArchive | chOffset)) m_host.Recalc().Recalculate(View, false);
    });
    connect(m_tab, &TWeekTab::ComputeRequested, this,
            [this] { m_host.RunCommand([this] { m_host.Recalc().Recalculate(View, false); }); });
    connect(m_tab, &TWeekTab::CurrentCellChanged, this, [this] { RedrawChart(); });

    const auto shown = [this] { return TabShown(m_host, "TabWeek"); };
    QAction* calc = m_host.AddAction(
        QStringLiteral("WeekStatCalc"), Tr("Обновить"), {},
        [this, shown] { return shown() && m_workspace.DrawCount() > 0; },
        [this] { m_host.RunCommand([this] { m_host.Recalc().Force(View); }); });
    calc->setStatusTip(Tr("Пересчитать статистику по выбранным параметрам"));
    AddFilterActions(
        m_host, "WeekFilter",
        [this, shown] { return shown() && m_tab->Grid()->SelectedRect().has_value(); },
        [this](bool removed) { ApplySelection(removed); });
    QAction* mode = AddOption(
        m_host, "ViewWeekChartMode", Tr("График по дням недели"),
        Tr("Режим графика на вкладке \"дни недели\""), shown, [this] {
            m_chartMode = m_chartMode == 1 ? 0 : 1;
            m_host.Action(QStringLiteral("ViewWeekChartMode"))->setChecked(m_chartMode == 1);
            m_host.StoreSetting(MainWindowKey::WeekChartMode, m_chartMode);
            RedrawChart();
        });
    QAction* type =
        AddOption(m_host, "ViewWeekChartType", Tr("График / диаграмма"),
                  Tr("Вид графика на вкладке \"Дни недели\""), shown, [this] {
                      m_chartLine = !m_chartLine;
                      m_host.Action(QStringLiteral("ViewWeekChartType"))->setChecked(m_chartLine);
                      m_host.StoreSetting(MainWindowKey::WeekChartType, m_chartLine);
                      RedrawChart();
                  });
    mode->setChecked(m_chartMode == 1);
    type->setChecked(m_chartLine);

    m_tab->AddToolAction(calc);
    TViewGrid* grid = m_tab->Grid();
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const char* name : {"WeekFilter_Include", "WeekFilter_Exclude"}) {
        QAction* action = m_host.Action(QString::fromLatin1(name));
        m_tab->AddToolAction(action);
        grid->addAction(action);
    }
    grid->addAction(Separator(grid));
    grid->addActions({mode, type});
    m_tab->Chart()->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_tab->Chart()->addActions({mode, type});
}

TWeekCommands::~TWeekCommands() = default;

void TWeekCommands::Compute() {
    m_host.RunBusy(Tr("Построение статистики по дням недели..."), [this] {
        m_tab->ShowCounts(ComputeWeekCounts(m_workspace.DrawArchive(), m_workspace.DrawsOffset(),
                                            m_tab->WindowLength()));
    });
    RedrawChart();
}

void TWeekCommands::RedrawChart() {
    m_host.RunBusy(Tr("Построение статистики по дням недели..."),
                   [this] { m_tab->DrawChart(m_chartMode == 1, m_chartLine); });
}

void TWeekCommands::ApplySelection(bool removed) {
    const auto rect = m_tab->Grid()->SelectedRect();
    if (!rect) return;
    // Column c of the grid's body is the number c + 1.
    m_host.RunBusy(
        {}, [&] { ApplyWeekSelection(m_workspace, rect->left() + 1, rect->right() + 1, removed); });
}

void TWeekCommands::RestoreSettings(const TWindowSettings& settings) {
    m_tab->RestoreSettings(settings);
    m_chartMode = ReadMainSetting(settings, MainWindowKey::WeekChartMode) == 1 ? 1 : 0;
    m_chartLine = ReadMainFlag(settings, MainWindowKey::WeekChartType);
    m_host.Action(QStringLiteral("ViewWeekChartMode"))->setChecked(m_chartMode == 1);
    m_host.Action(QStringLiteral("ViewWeekChartType"))->setChecked(m_chartLine);
}

// --- extended statistics -------------------------------------------------------------------

TExtStatsCommands::TExtStatsCommands(ICommandHost& host, TViewsCommands& views)
    : m_host(host), m_views(views) {
    const QString repeats = Tr("Количество повторов в зависимости от тиража");
    m_host
        .AddAction(
            QStringLiteral("AnalyzeRepeats"), repeats, {},
            [this] { return m_host.Workspace().DrawCount() > 0; }, [this] { AnalyzeRepeats(); })
        ->setStatusTip(repeats);
    m_host
        .AddAction(
            QStringLiteral("TotalSumCombs"),
            Tr("Распределение сумм тиражей и всех возможных комбинаций"), {}, [] { return true; },
            [this] { TotalSumCombs(); })
        ->setStatusTip(
            Tr("Распределение сумм всех возможных комбинаций и архива тиражей одновременно"));
}

void TExtStatsCommands::AnalyzeRepeats() {
    TFormRepeats window(m_host);
    window.Calculate();
    m_host.ExecDialog(window, {});
}

void TExtStatsCommands::TotalSumCombs() {
    TSumsDistribution distribution;
    bool computed = false;
    m_host.RunBusy(Tr("Идет сбор статистики...."), [&] {
        distribution = ComputeSumsDistribution(m_host.Workspace().DrawArchive());
        computed = true;
    });
    if (!computed) return;
    TChartWindow* chart = m_views.NewChartWindow();
    chart->setWindowTitle(m_host.Action(QStringLiteral("TotalSumCombs"))->text());
    for (const TSumsChartPoint& p : SumsChartPoints(distribution)) {
        chart->AddGraphPoint(p.Sum, QString::fromStdString(p.Title), p.Y, p.Points, p.Labels,
                             ToQColor(p.Colour));
    }
    chart->ShowChartModal();
}

}  // namespace mv::gui
