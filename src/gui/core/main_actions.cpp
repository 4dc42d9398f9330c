// The main window's action table and menus.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTimer>
#include <QTreeView>

#include "engine/support/busy.h"
#include "gui/combs/combs_commands.h"
#include "gui/combs/combs_tab.h"
#include "gui/core/shortcut_router.h"
#include "gui/core/template_main.h"
#include "gui/draws/download_commands.h"
#include "gui/draws/draws_commands.h"
#include "gui/export/export_commands.h"
#include "gui/online/script_catalog_commands.h"
#include "gui/ratings/ratings_commands.h"
#include "gui/ratings/ratings_tab.h"
#include "gui/ratings/regulars_commands.h"
#include "gui/ratings/regulars_tab.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stakes/stakes_commands.h"
#include "gui/stakes/stakes_tab.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/sortable_list.h"
#include "gui/support/tr.h"
#include "gui/systems/systems_commands.h"
#include "gui/update/update_commands.h"
#include "gui/views/analysis_commands.h"
#include "gui/views/card_tab.h"
#include "gui/views/layout_tab.h"
#include "gui/views/view_grid.h"
#include "gui/views/views_commands.h"

namespace mv::gui {

QAction* TTemplateMain::AddAction(const QString& name, const QString& caption,
                                  const QString& shortcut, std::function<bool()> enabled,
                                  std::function<void()> run) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    action->setStatusTip(QString(caption).remove(QLatin1Char('&')));
    if (!shortcut.isEmpty()) action->setShortcut(QKeySequence(shortcut));
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
        // The enabled rule is checked again: a shortcut may arrive before the idle update.
        const QString actionName = sender()->objectName();
        const auto rule = m_enabledRules.value(actionName);
        if ((!IsIdle() && !m_busyActions.contains(actionName)) || (rule && !rule())) return;
        run();
    });
    m_actions.insert(name, action);
    m_enabledRules.insert(name, std::move(enabled));
    addAction(action);
    return action;
}

void TTemplateMain::UpdateActions() {
    const bool idle = IsIdle();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const auto& rule = m_enabledRules[it.key()];
        it.value()->setEnabled((idle || m_busyActions.contains(it.key())) && (!rule || rule()));
    }
}

void TTemplateMain::KeepEnabledWhileBusy(QAction* action) {
    if (action) m_busyActions.insert(action->objectName());
}

void TTemplateMain::EnableAnalysisPages(bool enabled) {
    m_leftPages->setTabEnabled(m_leftPages->indexOf(m_drawsCommands->Page()), enabled);
    m_leftPages->setTabEnabled(m_leftPages->indexOf(m_combsTab), enabled);
    m_rightPages->setTabEnabled(m_rightPages->indexOf(StatsTab()), enabled);
}

// The subsystems' command classes added their actions with their pages (BuildLayout); these
// are the shell's own, and the combinations commands.
void TTemplateMain::BuildActions() {
    const auto always = [] { return true; };

    AddAction(QStringLiteral("ExitProgram"), Tr("Выход"), QStringLiteral("Alt+F4"), always,
              [this] { Terminate(); });
    // Alt+F4 also makes stakes of the selected combinations while their list is in front.
    m_shortcuts->Share(Action(QStringLiteral("ExitProgram")), nullptr);

    // Optional tabs of the right page control, shown or hidden from the "Вид" menu.
    for (const TOptionalTab& tab : OptionalTabs()) {
        QAction* toggle = AddAction(QString::fromLatin1(tab.Action), Tr(tab.Caption), {}, always,
                                    [this, tab] { ToggleOptionalTab(tab); });
        toggle->setCheckable(true);
        toggle->setChecked(true);
        if (*tab.Hint) toggle->setStatusTip(Tr(tab.Hint));
    }
    AddAction(QStringLiteral("EditConfig"), Tr("Параметры"), {}, always, [this] { EditConfig(); });
    AddAction(
        QStringLiteral("GetHelp"), Tr("Справка"), QStringLiteral("F1"),
        [this] { return !HelpFile().isEmpty(); }, [this] { OpenHelp(); });
    AddAction(QStringLiteral("About"), Tr("О программе"), {}, always, [this] { ShowAbout(); });
    const QString autoCaptions[] = {Tr("По запросу (по умолчанию)"), Tr("Автоматически"),
                                    Tr("Отключено")};
    for (int mode = 0; mode < 3; ++mode) {
        QAction* a = AddAction(QStringLiteral("AutoDownload%1").arg(mode), autoCaptions[mode], {},
                               always, [this, mode] { SetAutoDownloadMode(mode); });
        a->setCheckable(true);
        a->setChecked(mode == 0);
    }

    m_combsCommands = std::make_unique<TCombsCommands>(*this, *m_combsTab);
    m_downloadCommands = std::make_unique<TDownloadCommands>(*this);
    m_updateCommands = std::make_unique<TUpdateCommands>(*this, [this] { Terminate(); });
    BuildHelpActions();
    BuildExportActions();

    m_actionTimer = new QTimer(this);
    m_actionTimer->setInterval(150);
    connect(m_actionTimer, &QTimer::timeout, this, &TTemplateMain::UpdateActions);
    m_actionTimer->start();
}

void TTemplateMain::BuildExportActions() {
    const auto tabShown = [this](const char* toggle) {
        return [this, toggle] { return Action(QString::fromLatin1(toggle))->isChecked(); };
    };
    // A grid of more than the heading column and one more column has something to show.
    const auto wideGrid = [](const QAbstractItemView* grid) {
        return [grid] { return grid->model()->columnCount() + 1 > 2; };
    };
    TViewGrid* card = m_viewsCommands->Card().Tab()->Grid();
    TViewGrid* layout = m_viewsCommands->Layout().Tab()->Grid();
    const auto both = [](std::function<bool()> a, std::function<bool()> b) {
        return [a, b] { return a() && b(); };
    };
    std::vector<TExportCommands::TTable> tables = {
        {"DrawsXlsExport",
         Tr("Экспорт в Microsoft Excel"),
         Tr("Экспорт списка тиражей в Microsoft Excel"),
         {DrawsList(), TExportKind::List, QStringLiteral("lvDraws"), Tr("Архив тиражей")},
         {}},
        {"CombsXlsExport",
         Tr("Экспорт в Microsoft Excel"),
         Tr("Экспорт списка комбинаций в Microsoft Excel"),
         {m_combsTab->List(), TExportKind::List, QStringLiteral("lvCombs"), Tr("Комбинации")},
         {}},
        {"DrawsStatExportToExcel",
         Tr("Экспорт статистики в Microsoft Excel"),
         {},
         {StatsTab()->List(), TExportKind::List, QStringLiteral("lvDrawsStat"), Tr("Статистика")},
         {}},
        {"RatingsXlsExport",
         Tr("Экспорт рейтинга в Microsoft Excel"),
         {},
         {m_ratingsCommands->Tab()->List(), TExportKind::List, QStringLiteral("lvRatings"),
          Tr("Рейтинг")},
         {}},
        {"CardXlsExport",
         Tr("Экспорт карты тиражей в Microsoft Excel"),
         {},
         {card, TExportKind::Grid, QStringLiteral("sgCard"), Tr("Карта")},
         both(tabShown("TabCard"), wideGrid(card))},
        {"LayoutXlsExport",
         Tr("Экспорт схемы в Microsoft Excel"),
         {},
         {layout, TExportKind::Grid, QStringLiteral("sgLayout"), Tr("Схема")},
         both(tabShown("TabLayout"), wideGrid(layout))},
        {"StakesXlsExport",
         Tr("Экспорт ставок в Microsoft Excel"),
         {},
         {m_stakesCommands->Tab()->Grid(), TExportKind::Grid, QStringLiteral("sgStakes"),
          Tr("Ставки")},
         {}},
    };
    m_exportCommands = std::make_unique<TExportCommands>(*this, std::move(tables));
    // The card and the layout carry their export on their panels and in their grids' menus.
    QAction* cardExport = Action(QStringLiteral("CardXlsExport"));
    m_viewsCommands->Card().Tab()->AddToolAction(cardExport);
    card->addAction(cardExport);
    QAction* layoutExport = Action(QStringLiteral("LayoutXlsExport"));
    m_viewsCommands->Layout().Tab()->AddToolAction(layoutExport);
    layout->addAction(layoutExport);
}

void TTemplateMain::BuildMenus() {
    const auto add = [this](QMenu* menu, const char* name) {
        menu->addAction(Action(QString::fromLatin1(name)));
    };
    QMenu* file = menuBar()->addMenu(Tr("Файл"));
    BuildLanguageMenu(file);
    file->addSeparator();
    add(file, "EditConfig");
    add(file, "EditShredding");
    add(file, "EditProxy");
    file->addSeparator();
    add(file, "ExitProgram");

    QMenu* draws = menuBar()->addMenu(Tr("Архив тиражей"));
    add(draws, "DrawsDownload");
    draws->addSeparator();
    add(draws, "DrawsImport");
    add(draws, "DrawsExport");
    add(draws, "DrawsXlsExport");
    draws->addSeparator();
    add(draws, "DrawsAdd");
    add(draws, "DrawsEdit");
    add(draws, "DrawsDel");
    draws->addSeparator();
    add(draws, "DrawsInfo");
    add(draws, "DrawsSorted");
    add(draws, "DrawsCheck");
    draws->addSeparator();
    QMenu* autoDownload = draws->addMenu(Tr("Автозагрузка при запуске программы"));
    for (const char* name : {"AutoDownload0", "AutoDownload1", "AutoDownload2"}) {
        add(autoDownload, name);
    }

    // Menus whose commands arrive with their features are shown, but greyed out while empty.
    QMenu* combs = menuBar()->addMenu(Tr("Комбинации"));
    for (const char* name :
         {"CombsGen", "CombsOpen", "CombsSave", "", "CombsUndo", "", "CombsDelExists",
          "CombsDelSelected", "", "CombsCopy", "CombsPaste", "CombsSelectAll", "", "CombsCheckNums",
          "CombsFindInDraws", "CombsInfo", "", "CombsXlsExport"}) {
        if (*name) {
            add(combs, name);
        } else {
            combs->addSeparator();
        }
    }
    m_combsTab->List()->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* a : combs->actions()) m_combsTab->List()->addAction(a);
    // The list's own menu also makes stakes of its combinations.
    const char* const stakeAdding[] = {"StakeAdd",    "StakeAddRandom", "StakeAddSelected",
                                       "StakeAddAll", "SystemStakeAll", "SystemStakeFilter"};
    auto* stakeSeparator = new QAction(m_combsTab->List());
    stakeSeparator->setSeparator(true);
    m_combsTab->List()->addAction(stakeSeparator);
    for (const char* name : stakeAdding) {
        m_combsTab->List()->addAction(Action(QString::fromLatin1(name)));
    }

    QMenu* stats = menuBar()->addMenu(Tr("Статистика"));
    add(stats, "DrawsStatCalc");
    stats->addSeparator();
    add(stats, "StatFilter_Include");
    add(stats, "StatFilter_Exclude");
    stats->addSeparator();
    add(stats, "DrawsStatePrefetchsEnabled");
    add(stats, "DrawsStatShowTotalLine");
    stats->addSeparator();
    add(stats, "FiltersManager");
    add(stats, "FiltersReset");
    add(stats, "FiltersInfo");
    stats->addSeparator();
    add(stats, "DrawsStatExportToExcel");
    StatsTab()->List()->setContextMenuPolicy(Qt::ActionsContextMenu);
    StatsTab()->List()->addActions(stats->actions());
    // The analyses that open windows of their own.
    QMenu* extended = stats->addMenu(Tr("Расширенная статистика"));
    add(extended, "AnalyzeRepeats");
    add(extended, "TotalSumCombs");
    QMenu* stakes = menuBar()->addMenu(Tr("Ставки"));
    for (const char* name :
         {"StakeAdd", "StakeAddRandom", "StakeAddSelected", "StakeAddAll", "SystemStakeAll",
          "SystemStakeFilter", "", "StakesCheckManual", "", "StakeDel", "StakeFilter", "StakeClear",
          "", "StakesGraphDraws", "StakesXlsExport", "", "LogStakes", "LogStakesDelete",
          "StakesScroll"}) {
        if (*name) {
            add(stakes, name);
        } else {
            stakes->addSeparator();
        }
    }
    QTableView* stakesGrid = m_stakesCommands->Tab()->Grid();
    stakesGrid->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* a : stakes->actions()) stakesGrid->addAction(a);
    // The ratings and the regulars: their menus, and the same commands in their lists.
    const auto addMenu = [&](const QString& caption, std::initializer_list<const char*> names,
                             QAbstractItemView* list) {
        QMenu* menu = menuBar()->addMenu(caption);
        for (const char* name : names) {
            if (*name) {
                add(menu, name);
            } else {
                menu->addSeparator();
            }
        }
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
        list->addActions(menu->actions());
    };
    addMenu(Tr("Рейтинг"),
            {"RatingsRefresh", "", "RatingsEffMode0", "RatingsEffMode1", "RatingsEffMode2", "",
             "StakesGraphOverlap", "StakesGraphProfits", "RatingsGraphOverlap", "",
             "RatingsToScript", "", "RatingsExport", "RatingsXlsExport"},
            m_ratingsCommands->Tab()->List());
    addMenu(Tr("Регуляры"), {"TablesAdd", "TablesDel", "", "TablesStakeAdd", "TablesStakeTest"},
            m_regularsCommands->Tab()->List());
    // Shown by the start-up set-up of the systems catalog.
    QMenu* systems = menuBar()->addMenu(Tr("Системы"));
    for (const char* name : {"SystemsOn", "", "SystemsDownload", "", "SystemsRefresh", "",
                             "SystemsAdd", "SystemsProp", "SystemsDel"}) {
        if (*name) {
            add(systems, name);
        } else {
            systems->addSeparator();
        }
    }
    systems->setEnabled(false);
    systems->menuAction()->setVisible(false);
    m_systemsCommands->SetMenu(systems);

    QMenu* script = menuBar()->addMenu(Tr("Сценарий"));
    for (const char* name :
         {"ScriptRun", "ScriptTest", "ScriptStop", "", "ScriptOpen", "ScriptLoad", "ScriptSave", "",
          "ScriptAdd", "ScriptEmpty", "ScriptClone", "ScriptEdit", "", "ScriptUp", "ScriptDown", "",
          "ScriptDel", "ScriptClr"}) {
        if (*name) {
            add(script, name);
        } else {
            script->addSeparator();
        }
    }
    // The options of a run: its log and when its stakes are checked.
    script->addSeparator();
    for (const char* name : {"LogToggle", "LogsDelete", "StakesCheckLine"}) add(script, name);
    ScriptTab()->List()->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* a : script->actions()) ScriptTab()->List()->addAction(a);
    m_scriptCatalogCommands->AddMenu(*script);

    QMenu* view = menuBar()->addMenu(Tr("Вид"));
    add(view, "ViewColorDraws");
    add(view, "ViewColorCombs");
    add(view, "ViewColorCard");
    add(view, "ViewColorCardSequences");
    add(view, "ViewShemaGradient");
    view->addSeparator();
    for (const TOptionalTab& tab : OptionalTabs()) add(view, tab.Action);

    QMenu* help = menuBar()->addMenu(Tr("Справка"));
    add(help, "GetHelp");
    help->addSeparator();
    for (const char* name :
         {"OpenLotoSite", "", "urlMainSite", "urlAuthSite", "urlAuthText", "urlBlog", "urlYT",
          "urlTG", "urlVK", "urlOK", "", "CheckUpdate", "AutoSelfUpdate", ""}) {
        if (*name) {
            add(help, name);
        } else {
            help->addSeparator();
        }
    }
    add(help, "About");

    // The draws list's context menu holds the commands of its menu.
    DrawsList()->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* a : draws->actions()) {
        if (!a->menu()) DrawsList()->addAction(a);
    }
}

}  // namespace mv::gui
