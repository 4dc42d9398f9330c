// The combinations tab's place in the window, applying the statistics selection to the
// working list, and the full-set comparison option.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMimeData>
#include <QSpinBox>
#include <QTableView>

#include "engine/combs/comb_files.h"
#include "engine/combs/comb_tools.h"
#include "gui/combs/combs_model.h"
#include "gui/combs/combs_tab.h"
#include "gui/combs/form_generate.h"
#include "engine/combs/full_set_files.h"
#include "engine/combs/generation.h"
#include "engine/combs/selection.h"
#include "engine/session/list_commands.h"
#include "gui/core/shortcut_router.h"
#include "gui/core/template_main.h"
#include "engine/session/workspace.h"
#include "gui/draws/draw_info_dialog.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"

namespace mv::gui {
namespace {
const QString kCombFilter = QStringLiteral("Файлы комбинаций (*.lcv)");
const QString kWait = QStringLiteral("Подождите пожалуйста...");
}  // namespace

void TTemplateMain::BuildCombsTab() {
    m_combsTab = new TCombsTab(*m_workspace, CombsColumnCaptions(), m_leftPages);
    QWidget* pending = m_leftPages->widget(1);
    m_leftPages->removeTab(1);
    pending->deleteLater();
    m_leftPages->insertTab(1, m_combsTab, QStringLiteral("Комбинации"));
}

void TTemplateMain::BuildStatFilterActions() {
    const auto canFilter = [this] {
        return !m_workspace->Combs().CurrentList.Empty() && !m_statsTab->SelectedTableRows().empty();
    };
    QAction* include = AddAction(QStringLiteral("StatFilter_Include"),
                                 QStringLiteral("Оставить выделенные"), QStringLiteral("F7"),
                                 canFilter, [this] { ApplyStatsSelection(false); });
    include->setStatusTip(
        QStringLiteral("В списке комбинаций оставить комбинации с выделенными характеристиками"));
    QAction* exclude = AddAction(QStringLiteral("StatFilter_Exclude"),
                                 QStringLiteral("Удалить выделенные"), QStringLiteral("Ctrl+F7"),
                                 canFilter, [this] { ApplyStatsSelection(true); });
    exclude->setStatusTip(
        QStringLiteral("Из списка комбинаций удалить комбинации с выделенными характеристиками"));
    m_statsTab->AddToolAction(include);
    m_statsTab->AddToolAction(exclude);

    QAction* compare = AddAction(QStringLiteral("DrawsStatePrefetchsEnabled"),
                                 QStringLiteral("Использовать сравнение с полным набором комбинаций"),
                                 {}, [] { return true; }, [this] { TogglePrefetchs(); });
    compare->setCheckable(true);
    QAction* total = AddAction(QStringLiteral("DrawsStatShowTotalLine"),
                               QStringLiteral("График идеального распределения"), {},
                               [this] { return m_workspace->Combs().PrefetchsEnabled; },
                               [this] {
                                   m_statsTab->ShowTotalLine = !m_statsTab->ShowTotalLine;
                                   Action(QStringLiteral("DrawsStatShowTotalLine"))
                                       ->setChecked(m_statsTab->ShowTotalLine);
                                   StoreSetting(MainWindowKey::ShowTotalLine, m_statsTab->ShowTotalLine);
                                   RunCommand([this] { m_recalc.Force(QStringLiteral("Статистика")); });
                               });
    total->setCheckable(true);
    total->setChecked(true);
}

void TTemplateMain::ApplyStatsSelection(bool removed) {
    const auto rows = m_statsTab->SelectedTableRows();
    RunBusy({}, [&] {
        ApplyStatSelection(*m_workspace, TableSelection(m_statsTab->Table(), rows), removed,
                           m_statsTab->ChosenMethod(),
                           m_statsTab->MethodBox()->currentText().toStdString());
    });
}

void TTemplateMain::TogglePrefetchs() {
    const bool enabled = !m_workspace->Combs().PrefetchsEnabled;
    Action(QStringLiteral("DrawsStatePrefetchsEnabled"))->setChecked(enabled);
    StoreSetting(MainWindowKey::PrefetchsEnabled, enabled);
    // The missing files are built before the table that needs them is recalculated.
    if (enabled) RunBusy({}, [this] { RebuildFullSetFiles(*m_workspace, true, 0); });
    m_statsTab->SetComparisonColumnsWidth(enabled ? ComparisonColumnWidth : 0);
    RunCommand([&] { SetPrefetchsEnabled(*m_workspace, enabled); });
}

}  // namespace mv::gui
