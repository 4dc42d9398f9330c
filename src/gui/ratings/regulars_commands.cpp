#include "gui/ratings/regulars_commands.h"

#include <QAction>
#include <QTreeView>

#include <algorithm>
#include <optional>

#include "engine/session/regular_commands.h"
#include "engine/session/stake_commands.h"
#include "engine/support/ui_hooks.h"
#include "gui/combs/combs_tab.h"
#include "gui/core/command_host.h"
#include "gui/core/recalc_dispatcher.h"
#include "gui/ratings/form_table.h"
#include "gui/ratings/regulars_tab.h"
#include "gui/scenarios/form_test_cnt.h"
#include "gui/stakes/form_stake.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"

namespace mv::gui {

TRegularsCommands::TRegularsCommands(ICommandHost& host, TCombsTab& combs, QWidget* parent)
    : m_host(host),
      m_workspace(host.Workspace()),
      m_combs(combs),
      m_tab(new TRegularsTab(m_regulars, parent)) {
    BuildActions();
}

TRegularsCommands::~TRegularsCommands() = default;

void TRegularsCommands::BuildActions() {
    const auto shown = [this] { return m_shown; };
    AddActions(
        m_host,
        {
            {"TablesAdd", Tr("Добавить регулярную ставку"), "", shown, [this] { Add(); }},
            {"TablesDel", Tr("Удалить регулярную ставку"), "",
             [this] { return m_shown && !m_tab->SelectedRows().empty(); }, [this] { Delete(); }},
            {"TablesStakeAdd", Tr("Сделать ставку по регуляру"), "",
             [this] { return m_shown && m_tab->FocusedRow() >= 0; }, [this] { MakeStake(); }},
            {"TablesStakeTest", Tr("Тест регуляров"), "",
             [this] { return m_shown && !m_tab->SelectedRows().empty(); }, [this] { Test(); }},
        });
}

void TRegularsCommands::SetTabShown(bool shown, bool load) {
    m_shown = shown;
    if (!shown) {
        m_regulars.clear();
        m_tab->Model()->Refresh();
        return;
    }
    if (load) Load();
}

void TRegularsCommands::Load() {
    if (!m_shown) return;
    m_host.RunBusy(Tr("Загрузка файла регулярных ставок..."), [this] {
        TRegulars loaded = LoadRegulars(RegularsPath(m_workspace));
        m_regulars = std::move(loaded);
    });
    m_tab->Model()->Refresh();
}

void TRegularsCommands::Save() {
    if (m_shown) {
        TStatusGuard status(m_host.Hooks(),
                            Tr("Сохранение файла регулярных ставок...").toStdString());
        SaveRegulars(RegularsPath(m_workspace), m_regulars);
    }
    m_tab->Model()->Refresh();
}

void TRegularsCommands::Add() {
    const std::vector<std::size_t> rows = m_combs.SelectedRows();
    const auto& list = m_workspace.Combs().CurrentList;
    std::vector<TRegularSelection> selected;
    for (const std::size_t row : rows) {
        if (row >= list.Count()) continue;
        TRegularSelection s;
        s.Position = static_cast<int>(row) + 1;
        std::copy(list[row].Nums.begin(), list[row].Nums.end(), s.Comb.begin());
        std::sort(s.Comb.begin(), s.Comb.end());
        selected.push_back(s);
    }
    TTableRecord prepared;
    prepared.Comment = DefaultRegularComment;
    prepared.Step = 1;
    if (selected.size() == 1) prepared.Start = selected.front().Comb;
    TFormTable dialog(prepared, static_cast<int>(selected.size()), m_regulars, m_host.Window());
    if (!m_host.ExecDialog(dialog, {})) return;
    const TRegularComb start =
        selected.size() == 1 && !dialog.UseLastDraw() ? dialog.Start() : prepared.Start;
    m_host.RunBusy(Tr("Создание регулярных ставок..."), [&] {
        const TRegulars added = NewRegulars(dialog.Comment().toStdString(), dialog.UseLastDraw(),
                                            dialog.Step(), start, selected);
        m_regulars.insert(m_regulars.end(), added.begin(), added.end());
        Save();
    });
}

void TRegularsCommands::Delete() {
    const std::vector<int> rows = m_tab->SelectedRows();
    if (rows.empty() || !TMessages::ConfirmDelete(static_cast<int>(rows.size()), m_host.Window()))
        return;
    m_host.RunBusy(Tr("Удаление регулярных ставок..."), [&] {
        for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
            if (static_cast<std::size_t>(*it) < m_regulars.size())
                m_regulars.erase(m_regulars.begin() + *it);
        }
        m_tab->List()->clearSelection();
        Save();
    });
}

void TRegularsCommands::MakeStake() {
    const int row = m_tab->FocusedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_regulars.size()) return;
    std::optional<TRegularStake> next;
    bool prepared = false;
    m_host.RunCommand([&] {
        next = PrepareRegularStake(m_workspace, m_regulars[static_cast<std::size_t>(row)],
                                   m_workspace.DrawsOffset());
        prepared = true;
    });
    if (!prepared) return;
    if (!next) {
        // No draw to start from, or a regular of a damaged file.
        const bool noDraw =
            m_regulars[static_cast<std::size_t>(row)].UseLastDraw && m_workspace.DrawCount() == 0;
        TMessages::ShowError(noDraw ? Tr("Нет тиража для регулярной ставки!")
                                    : Tr("Некорректная регулярная ставка!"),
                             m_host.Window());
        return;
    }
    TFormStake dialog(next->Stake, m_host.Window());
    // Cancelled: the regular does not move.
    if (!m_host.ExecDialog(dialog, {})) return;
    m_host.RunBusy({}, [&] {
        m_regulars[static_cast<std::size_t>(row)] = next->Advanced;
        Save();
        AddStake(m_workspace, dialog.Result(), dialog.DrawsCount());
    });
}

void TRegularsCommands::Test() {
    const std::vector<int> rows = m_tab->SelectedRows();
    const int maximum = m_workspace.DrawCount() - 1;
    if (rows.empty() || maximum <= 0) return;
    TFormTestCnt dialog(maximum, m_host.Window());
    if (!m_host.ExecDialog(dialog, {})) return;
    const int n = dialog.Count();
    if (n <= 0) return;
    // The offset walks back and forth; the analysis views are not recomputed for each step
    // (they see the same offset again at the end).
    TRecalcDispatcher& recalc = m_host.Recalc();
    const bool suppressed = recalc.Suppressed;
    recalc.Suppressed = true;
    m_host.RunBusy({}, [&] { TestRegulars(m_workspace, m_regulars, rows, n); });
    recalc.Suppressed = suppressed;
    m_tab->Model()->Refresh();
}

void TRegularsCommands::RestoreSettings(const TWindowSettings& settings) {
    m_tab->RestoreSettings(settings);
}

void TRegularsCommands::SaveSettings(TWindowSettings& settings) const {
    m_tab->SaveSettings(settings);
}

}  // namespace mv::gui
