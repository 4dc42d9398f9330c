#include "gui/stats/stats_commands.h"

#include <QAction>
#include <QComboBox>
#include <optional>

#include "engine/combs/selection.h"
#include "engine/session/list_commands.h"
#include "engine/session/method_names.h"
#include "engine/session/setup.h"
#include "engine/session/shredding_commands.h"
#include "gui/core/command_host.h"
#include "gui/core/recalc_dispatcher.h"
#include "gui/core/shortcut_router.h"
#include "gui/stats/form_manager.h"
#include "gui/stats/form_shredding.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {
namespace {
// The view's name in the dispatcher: the caption of its tab.
// The statistics table's name in the recalculation dispatcher.
const QString kView = QStringLiteral("stats");
const char* const kWait = TrNoop("Подождите пожалуйста...");
}  // namespace

TStatsCommands::TStatsCommands(ICommandHost& host, QWidget* parent)
    : m_host(host), m_workspace(host.Workspace()), m_tab(new TStatsTab(m_workspace, parent)) {
    m_host.Recalc().Register(
        kView, m_tab,
        [this] {
            const auto inputs = m_tab->Inputs();
            return TRecalcDispatcher::TInputs(inputs.begin(), inputs.end());
        },
        [this] { m_tab->Compute(); });
    connect(m_tab, &TStatsTab::RecalculateRequested, this, [this](bool force) {
        QAction* calc = m_host.Action(QStringLiteral("DrawsStatCalc"));
        if (force) {
            m_host.Recalc().Force(kView);
        } else if (calc && calc->isEnabled()) {
            m_host.Recalc().Recalculate(kView, false);
        }
    });
    m_subscription = std::make_unique<TWorkspaceSubscription>(m_workspace, [this](TChanges c) {
        if (c & (chArchive | chOffset)) m_host.Recalc().Recalculate(kView, false);
        // The configuration and the sorted display are not all among the view's inputs: the
        // view computes now when it shows, otherwise as soon as it shows again.
        if (c & chSettings) {
            m_host.Recalc().Invalidate(kView);
            m_host.Recalc().Recalculate(kView, false);
        }
        // A new method list, other favourites, names or display options: the selectors
        // follow, the chosen position kept where it still exists.
        if (c & chMethods) m_tab->FillMethods();
    });
    BuildActions();
}

TStatsCommands::~TStatsCommands() = default;

void TStatsCommands::Force() {
    m_host.RunCommand([this] { m_host.Recalc().Force(kView); });
}

void TStatsCommands::BuildActions() {
    m_host.AddAction(
        QStringLiteral("DrawsStatCalc"), Tr("Обновить"), {},
        [this] { return m_workspace.DrawCount() > 0 && m_tab->ChosenMethod() >= 0; },
        [this] { Force(); });
    m_tab->AddToolAction(m_host.Action(QStringLiteral("DrawsStatCalc")));

    const auto canFilter = [this] {
        return !m_workspace.Combs().CurrentList.Empty() && !m_tab->SelectedTableRows().empty();
    };
    QAction* include =
        m_host.AddAction(QStringLiteral("StatFilter_Include"), Tr("Оставить выделенные"),
                         QStringLiteral("F7"), canFilter, [this] { ApplySelection(false); });
    include->setStatusTip(
        Tr("В списке комбинаций оставить комбинации с выделенными характеристиками"));
    QAction* exclude =
        m_host.AddAction(QStringLiteral("StatFilter_Exclude"), Tr("Удалить выделенные"),
                         QStringLiteral("Ctrl+F7"), canFilter, [this] { ApplySelection(true); });
    exclude->setStatusTip(
        Tr("Из списка комбинаций удалить комбинации с выделенными характеристиками"));
    m_tab->AddToolAction(include);
    m_tab->AddToolAction(exclude);
    // F7 and Ctrl+F7 also open the favourites: here they act while the tab is in front.
    m_host.Shortcuts().Share(include, m_tab);
    m_host.Shortcuts().Share(exclude, m_tab);

    QAction* compare = m_host.AddAction(
        QStringLiteral("DrawsStatePrefetchsEnabled"),
        Tr("Использовать сравнение с полным набором комбинаций"), {}, [] { return true; },
        [this] { TogglePrefetchs(); });
    compare->setCheckable(true);
    QAction* total = m_host.AddAction(
        QStringLiteral("DrawsStatShowTotalLine"), Tr("График идеального распределения"), {},
        [this] { return m_workspace.Combs().PrefetchsEnabled; }, [this] { ToggleTotalLine(); });
    total->setCheckable(true);
    total->setChecked(true);

    // The favourites. F7 and Ctrl+F7 open them wherever the statistics selection does not
    // take the key (see StatFilter_Include above).
    QAction* manager = m_host.AddAction(
        QStringLiteral("FiltersManager"), Tr("Избранные статистики"), QStringLiteral("F7"),
        [] { return true; }, [this] { ManageFavorites(); });
    manager->setStatusTip(Tr("Настройка списка избранных видов статистики (фильтров)"));
    QAction* reset = m_host.AddAction(
        QStringLiteral("FiltersReset"), Tr("Все доступные статистики"), QStringLiteral("Ctrl+F7"),
        [] { return true; }, [this] { ResetFavorites(); });
    reset->setStatusTip(Tr("Отображать все доступные виды статистики (фильтры)"));
    m_host.Shortcuts().Share(manager, nullptr);
    m_host.Shortcuts().Share(reset, nullptr);

    m_host.AddAction(
        QStringLiteral("EditShredding"), Tr("Формулы шинковки"), {}, [] { return true; },
        [this] { EditShredding(); });
}

void TStatsCommands::ApplySelection(bool removed) {
    const auto rows = m_tab->SelectedTableRows();
    m_host.RunBusy({}, [&] {
        ApplyStatSelection(m_workspace, TableSelection(m_tab->Table(), rows), removed,
                           m_tab->ChosenMethod(), m_tab->MethodBox()->currentText().toStdString());
    });
}

void TStatsCommands::TogglePrefetchs() {
    const bool enabled = !m_workspace.Combs().PrefetchsEnabled;
    m_host.Action(QStringLiteral("DrawsStatePrefetchsEnabled"))->setChecked(enabled);
    m_host.StoreSetting(MainWindowKey::PrefetchsEnabled, enabled);
    // The missing files are built before the table that needs them is recalculated.
    if (enabled) m_host.RunBusy({}, [this] { RebuildFullSetFiles(m_workspace, true, 0); });
    m_tab->SetComparisonColumnsWidth(enabled ? ComparisonColumnWidth : 0);
    m_host.RunCommand([&] { SetPrefetchsEnabled(m_workspace, enabled); });
}

void TStatsCommands::ToggleTotalLine() {
    m_tab->ShowTotalLine = !m_tab->ShowTotalLine;
    m_host.Action(QStringLiteral("DrawsStatShowTotalLine"))->setChecked(m_tab->ShowTotalLine);
    m_host.StoreSetting(MainWindowKey::ShowTotalLine, m_tab->ShowTotalLine);
    Force();
}

void TStatsCommands::EditShredding() {
    std::optional<TShreddingSettings> edited;
    m_host.RunCommand([&] {
        TFormShredding dialog(m_workspace.Stats().Shredding, m_host.Window());
        if (m_host.ExecDialog(dialog, {})) edited = dialog.Result();
    });
    if (!edited) return;
    const TShreddingSettings before = m_workspace.Stats().Shredding;
    m_host.RunBusy({}, [&] { ChangeShreddingSettings(m_workspace, *edited); });
    // Also after a failed save: the new settings are in force all the same.
    if (m_workspace.Stats().Shredding == before) return;
    m_tab->FillMethods();
    // Only the files counted with the old formulas are stale; those are built again.
    m_host.RunBusy({}, [this] { RebuildFullSetFiles(m_workspace, false, 0); });
}

void TStatsCommands::ManageFavorites() {
    std::optional<std::pair<std::vector<TMethodChoice>, TMethodDisplay>> confirmed;
    m_host.RunCommand([&] {
        TFormManager dialog(m_host, m_describe, m_host.Window());
        if (m_host.ExecDialog(dialog, {})) confirmed.emplace(dialog.Choices(), dialog.Display());
    });
    if (!confirmed) return;
    m_host.RunBusy(Tr(kWait),
                   [&] { ConfirmMethodChoices(m_workspace, confirmed->first, confirmed->second); });
    m_tab->FillMethods(true);
    m_host.RunCommand([this] { m_host.Recalc().Recalculate(true); });
}

void TStatsCommands::ResetFavorites() {
    if (!m_host.Hooks().Ask(
            TAskKind::ConfirmDefaultNo, {},
            Tr("Вы действительно хотите сбросить список избранных фильтров?").toStdString())) {
        return;
    }
    m_host.RunBusy(Tr(kWait), [this] { mv::ResetFavorites(m_workspace); });
    m_tab->FillMethods(true);
    // Nothing is computed again, but a view whose method changed with its selector shows it.
    m_host.RunCommand([this] { m_host.Recalc().Recalculate(false); });
}

void TStatsCommands::ReadMethodNames() {
    if (const auto failure = LoadMethodRegistry(m_workspace)) {
        TMessages::ShowError(DisplayText(*failure), m_host.Window());
    }
    m_tab->FillMethods();
}

void TStatsCommands::RebuildMethodList() {
    mv::RebuildMethodList(m_workspace);
}

}  // namespace mv::gui
