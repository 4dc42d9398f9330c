#include "gui/stakes/stakes_commands.h"

#include <QAction>
#include <QRandomGenerator>
#include <QTableView>

#include <algorithm>

#include "engine/session/stake_commands.h"
#include "engine/stakes/stake_check.h"
#include "gui/combs/combs_tab.h"
#include "gui/core/command_host.h"
#include "gui/core/main_window_keys.h"
#include "gui/core/shortcut_router.h"
#include "gui/stakes/form_multi.h"
#include "gui/stakes/form_stake.h"
#include "gui/stakes/form_stake_filter.h"
#include "gui/stakes/stakes_model.h"
#include "gui/stakes/stakes_tab.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"
#include "gui/views/chart_window.h"
#include "gui/views/views_commands.h"

namespace mv::gui {
namespace {
const char* const kManualComment = TrNoop("Ставка \"вручную\"");
const char* const kCreating = TrNoop("Создание ставок...");

std::vector<std::uint8_t> SortedNumbers(const TComb& comb) {
    std::vector<std::uint8_t> numbers(comb.Nums.begin(), comb.Nums.end());
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}
}  // namespace

TStakesCommands::TStakesCommands(ICommandHost& host, TCombsTab& combs, TViewsCommands& views,
                                 QWidget* parent)
    : m_host(host),
      m_workspace(host.Workspace()),
      m_combs(combs),
      m_views(views),
      m_tab(new TStakesTab(m_workspace.Stakes(), parent)) {
    m_subscription = std::make_unique<TWorkspaceSubscription>(m_workspace, [this](TChanges c) {
        if (c & chStakes) FollowStakes();
    });
    BuildActions();
}

TStakesCommands::~TStakesCommands() = default;

bool TStakesCommands::FileOpen() const {
    return m_workspace.Stakes().IsOpen();
}

bool TStakesCommands::HasStakes() const {
    return FileOpen() && m_tab->Model()->rowCount() > 0;
}

void TStakesCommands::Refresh() {
    FollowStakes();
}

void TStakesCommands::FollowStakes() {
    const int before = m_tab->Model()->rowCount();
    m_tab->Refresh();
    const int after = m_tab->Model()->rowCount();
    // Stakes that arrive from elsewhere (scenarios, regulars) scroll into view when the user
    // asked for it; the add commands always show their last stake.
    if (m_scrollRequested || (after > before && m_scrollEnabled)) m_tab->ScrollToLast();
    m_host.SetPanelText(CountPanel, Tr("Ставок: %1").arg(after));
}

void TStakesCommands::BuildActions() {
    const auto idle = [] { return true; };
    const auto file = [this] { return FileOpen(); };
    const auto stakes = [this] { return HasStakes(); };
    const auto listAndFile = [this] {
        return FileOpen() && !m_workspace.Combs().CurrentList.Empty();
    };
    // A system game also needs the systems tab, whose visibility these actions follow.
    const auto systemGame = [this, listAndFile](const char* name) {
        return [this, listAndFile, name] {
            const QAction* self = m_host.Action(QString::fromLatin1(name));
            return listAndFile() && self && self->isVisible();
        };
    };
    AddActions(
        m_host,
        {
            {"StakeAdd", Tr("Сделать ставку"), "F4", file,
             [this] {
                 const int row = m_combs.CurrentRow();
                 const auto& list = m_workspace.Combs().CurrentList;
                 std::vector<std::uint8_t> numbers;
                 if (row >= 0 && static_cast<std::size_t>(row) < list.Count()) {
                     const TComb& comb = list[static_cast<std::size_t>(row)];
                     numbers.assign(comb.Nums.begin(), comb.Nums.end());
                 }
                 AddOne(numbers);
             }},
            {"StakeAddRandom", Tr("Сделать случайную ставку"), "Ctrl+F4", listAndFile,
             [this] {
                 const auto& list = m_workspace.Combs().CurrentList;
                 const auto row = static_cast<std::size_t>(
                     QRandomGenerator::global()->bounded(static_cast<quint64>(list.Count())));
                 const TComb& comb = list[row];
                 AddOne({comb.Nums.begin(), comb.Nums.end()});
             }},
            {"StakeAddSelected", Tr("Сделать ставки для выделенных комбинаций"), "Alt+F4",
             [this] {
                 const auto* selection = m_combs.List()->selectionModel();
                 return FileOpen() && selection && selection->hasSelection();
             },
             [this] { AddMany(true); }},
            {"StakeAddAll", Tr("Сделать ставки для всех комбинаций"), "Ctrl+Alt+F4", listAndFile,
             [this] { AddMany(false); }},
            {"SystemStakeAll", Tr("Системная игра по списку системы"), "Ctrl+Alt+J",
             systemGame("SystemStakeAll"),
             [this] { AddSystem(TSystemStakeMode::WholeSystem); }},
            {"SystemStakeFilter", Tr("Системная игра по списку комбинаций"), "Alt+J",
             systemGame("SystemStakeFilter"),
             [this] { AddSystem(TSystemStakeMode::ListOnly); }},
            {"StakeDel", Tr("Удалить ставку"), "Ctrl+Del",
             [this] { return HasStakes() && m_tab->SelectedRange().has_value(); },
             [this] { DeleteRows(); }},
            {"StakeFilter", Tr("Удалить по условию"), "Alt+D", stakes,
             [this] { DeleteByCondition(); }},
            {"StakeClear", Tr("Удалить все ставки"), "Ctrl+Shift+Del", stakes, [this] { Clear(); }},
            {"StakesCheckManual", Tr("Проверить ставки"), "Ctrl+F5", stakes,
             [this] { m_host.RunBusy({}, [this] { CheckAndRefreshStakes(m_workspace); }); }},
            {"LogStakes", Tr("Журналы ставок"), "", idle,
             [this] {
                 const bool on = !m_workspace.StakesLogEnabled;
                 m_workspace.StakesLogEnabled = on;
                 m_host.Action(QStringLiteral("LogStakes"))->setChecked(on);
                 m_host.StoreSetting(MainWindowKey::StakesLogEnabled, on);
             }},
            {"LogStakesDelete", Tr("Удалить журналы ставок"), "", idle, [this] { DeleteLogs(); }},
            {"StakesScroll", Tr("Прокручивать список при добавлении"), "", idle,
             [this] {
                 m_scrollEnabled = !m_scrollEnabled;
                 m_host.Action(QStringLiteral("StakesScroll"))->setChecked(m_scrollEnabled);
                 m_host.StoreSetting(MainWindowKey::StakesScrollEnabled, m_scrollEnabled);
             }},
            {"StakesGraphDraws", Tr("Суммарный профит по тиражам"), "F6", stakes,
             [this] { ShowProfitChart(); }},
        });
    const auto hint = [this](const char* name, const QString& text) {
        m_host.Action(QString::fromLatin1(name))->setStatusTip(text);
    };
    hint("SystemStakeAll",
         Tr("Системная игра по всем комбинациям выбранной системы (даже если их нет в списке "
            "комбинаций)"));
    hint(
        "SystemStakeFilter",
        Tr("Системная игра только по комбинациям, которые есть и в системе и в списке комбинаций"));
    hint("StakesGraphDraws", QString::fromUtf8(StakesGraphTitle));
    for (const char* name : {"LogStakes", "StakesScroll"}) {
        m_host.Action(QString::fromLatin1(name))->setCheckable(true);
    }
    m_host.Action(QStringLiteral("StakesScroll"))->setChecked(m_scrollEnabled);

    // Ctrl+Del deletes on the page in front; Alt+F4 makes stakes of the selected combinations
    // while their list is in front, and ends the program elsewhere.
    m_host.Shortcuts().Share(m_host.Action(QStringLiteral("StakeDel")), m_tab);
    m_host.Shortcuts().Share(m_host.Action(QStringLiteral("StakeAddSelected")), &m_combs);
    connect(&m_combs, &TCombsTab::RowActivated, this, [this] {
        if (QAction* add = m_host.Action(QStringLiteral("StakeAdd")); add && add->isEnabled()) {
            add->trigger();
        }
    });
}

void TStakesCommands::Adding(const std::function<void()>& work) {
    m_scrollRequested = true;
    m_host.RunBusy({}, work);
    m_scrollRequested = false;
}

void TStakesCommands::AddOne(const std::vector<std::uint8_t>& numbers) {
    std::optional<TStakeRecord> stake;
    m_host.RunCommand([&] {
        stake = NewStakeRecord(m_workspace, skManual, numbers, Tr(kManualComment).toStdString());
    });
    if (!stake) return;
    TFormStake dialog(*stake, m_host.Window());
    if (!m_host.ExecDialog(dialog, {})) return;
    Adding([&] { AddStake(m_workspace, dialog.Result(), dialog.DrawsCount()); });
}

void TStakesCommands::AddMany(bool selectedOnly) {
    TFormMulti dialog(m_workspace.NextDrawNumber(m_workspace.DrawsOffset()), 1, Tr(kManualComment),
                      m_host.Window());
    if (!m_host.ExecDialog(dialog, {})) return;
    const std::string comment = dialog.Comment().toStdString();
    const std::int32_t draw = dialog.Draw();
    std::vector<std::size_t> rows;
    if (selectedOnly) rows = m_combs.SelectedRows();
    Adding([&] {
        TStatusGuard status(m_host.Hooks(), Tr(kCreating).toStdString());
        const auto& list = m_workspace.Combs().CurrentList;
        const std::size_t count = selectedOnly ? rows.size() : list.Count();
        std::vector<TStakeRecord> recs;
        recs.reserve(count);
        for (std::size_t i = 0; i < count; ++i) {
            const TComb& comb = list[selectedOnly ? rows[i] : i];
            recs.push_back(NewStakeRecord(m_workspace, skManual, SortedNumbers(comb), comment));
            recs.back().DrawNumber = draw;
        }
        AddStakeSet(m_workspace, recs, dialog.DrawsCount());
    });
    if (selectedOnly) m_combs.List()->clearSelection();
}

void TStakesCommands::AddSystem(TSystemStakeMode mode) {
    TSystemStakePlan plan;
    m_host.RunBusy({}, [&] { plan = PrepareSystemStakes(m_workspace, mode); });
    if (!plan.System.Found) return;
    TFormMulti dialog(plan.Draw, plan.Draws, Q(plan.Comment), m_host.Window());
    if (!m_host.ExecDialog(dialog, {})) return;
    plan.Draw = dialog.Draw();
    plan.Draws = dialog.DrawsCount();
    plan.Comment = dialog.Comment().toStdString();
    Adding([&] { MakeSystemStakes(m_workspace, plan); });
}

void TStakesCommands::DeleteRows() {
    const auto range = m_tab->SelectedRange();
    if (!range) return;
    const auto [first, last] = *range;
    if (!TMessages::ConfirmDelete(last - first + 1, m_host.Window())) return;
    // The grid shows record r in row r; the engine counts the header as row 0.
    m_host.RunBusy({}, [&] { DeleteStakeRows(m_workspace, first + 1, last + 1); });
}

void TStakesCommands::DeleteByCondition() {
    TFormStakeFilter dialog(m_host.Window());
    if (!m_host.ExecDialog(dialog, {})) return;
    m_host.RunBusy({},
                   [&] { DeleteStakesByCount(m_workspace, dialog.Condition(), dialog.Value()); });
}

void TStakesCommands::Clear() {
    if (!TMessages::ConfirmDelete(m_tab->Model()->rowCount(), m_host.Window())) return;
    bool cleared = false;
    m_host.RunBusy({}, [&] {
        ClearStakes(m_workspace);
        cleared = true;
    });
    if (!cleared) return;
    // The ratings may now be rebuilt from the empty file; that command asks before it drops
    // them.
    m_host.UpdateActions();
    if (QAction* refresh = m_host.Action(QStringLiteral("RatingsRefresh"));
        refresh && refresh->isEnabled()) {
        refresh->trigger();
    }
}

void TStakesCommands::DeleteLogs() {
    bool ran = false;
    std::optional<TOperation> operation;
    m_host.RunBusy({}, [&] {
        operation = DeleteStakeLogs(m_workspace);
        ran = true;
    });
    if (!ran) return;
    if (!operation) {
        TMessages::ShowInfo(QString::fromUtf8(NoStakeLogsMessage), m_host.Window());
        return;
    }
    const QString text = DisplayText(operation->Name + "\r\r" + operation->Text);
    TMessages::ShowMessage(operation->Status <= ssDone ? TMessageKind::Info : TMessageKind::Warning,
                           text, m_host.Window());
}

void TStakesCommands::ShowProfitChart() {
    TChartWindow* chart = nullptr;
    m_host.RunBusy(Tr("Создание графиков..."), [&] {
        const std::vector<TStakeProfitPoint> points = StakeProfitByDraw(m_workspace.Stakes());
        chart = m_views.NewChartWindow();
        chart->setWindowTitle(QString::fromUtf8(StakesGraphTitle));
        const QString profit = QString::fromUtf8(StakesGraphProfitSeries);
        const QString average = QString::fromUtf8(StakesGraphAverageSeries);
        const QString accumulated = QString::fromUtf8(StakesGraphAccumulatedSeries);
        for (const TStakeProfitPoint& p : points) {
            chart->AddGraphPoint(p.Draw, profit, p.Profit, true, true, QColor(0, 128, 0));
            chart->AddGraphPoint(p.Draw, average, p.Average, false, false, QColor(0, 0, 255));
            chart->AddGraphPoint(p.Draw, accumulated, p.Accumulated, true, true, QColor(255, 0, 0));
        }
    });
    if (chart) chart->ShowChartModal();
}

void TStakesCommands::RestoreSettings(const TWindowSettings& settings) {
    m_workspace.StakesLogEnabled = ReadMainFlag(settings, MainWindowKey::StakesLogEnabled);
    m_host.Action(QStringLiteral("LogStakes"))->setChecked(m_workspace.StakesLogEnabled);
    m_scrollEnabled = ReadMainFlag(settings, MainWindowKey::StakesScrollEnabled);
    m_host.Action(QStringLiteral("StakesScroll"))->setChecked(m_scrollEnabled);
    m_tab->RestoreSettings(settings);
}

void TStakesCommands::SaveSettings(TWindowSettings& settings) const {
    m_tab->SaveSettings(settings);
}

}  // namespace mv::gui
