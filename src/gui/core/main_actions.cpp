// The main window's actions and menus, and the draws commands.
#include <QAction>
#include <QFileDialog>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <optional>

#include "gui/core/busy_frame.h"
#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "gui/core/template_main.h"
#include "engine/session/workspace.h"
#include "gui/draws/draw_dialog.h"
#include "gui/draws/draw_info_dialog.h"
#include "gui/draws/draws_model.h"
#include "engine/stats/draw_graph_values.h"
#include "gui/combs/combs_commands.h"
#include "gui/combs/combs_tab.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/sortable_list.h"
#include "engine/support/busy.h"
#include "gui/support/messages.h"

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
        const auto rule = m_enabledRules.value(sender()->objectName());
        if (!IsIdle() || (rule && !rule())) return;
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
        it.value()->setEnabled(idle && (!rule || rule()));
    }
}

void TTemplateMain::BuildActions() {
    const auto always = [] { return true; };
    const auto hasRow = [this] { return SelectedDrawRow() >= 0; };
    const auto hasDraws = [this] { return m_workspace->DrawCount() > 0; };

    AddAction(QStringLiteral("ExitProgram"), QStringLiteral("Выход"), QStringLiteral("Alt+F4"),
              always, [this] { Terminate(); });
    AddAction(QStringLiteral("DrawsAdd"), QStringLiteral("Добавить"), {}, always,
              [this] { DrawsAdd(); });
    AddAction(QStringLiteral("DrawsEdit"), QStringLiteral("Изменить"), {}, hasRow,
              [this] { DrawsEdit(); });
    AddAction(QStringLiteral("DrawsDel"), QStringLiteral("Удалить"), {}, hasRow,
              [this] { DrawsDel(); });
    AddAction(QStringLiteral("DrawsInfo"), QStringLiteral("Сведения о тираже"), {}, hasRow,
              [this] { DrawsInfo(); });
    QAction* sorted = AddAction(QStringLiteral("DrawsSorted"),
                                QStringLiteral("Упорядочить MIN->MAX"), {}, always,
                                [this] { DrawsSortedToggle(); });
    sorted->setCheckable(true);
    AddAction(QStringLiteral("DrawsImport"), QStringLiteral("Импорт из CSV-файла"), {}, always,
              [this] { DrawsImport(); });
    AddAction(QStringLiteral("DrawsExport"), QStringLiteral("Экспорт в CSV-файл"), {}, hasDraws,
              [this] { DrawsExport(); });
    QAction* colorDraws = AddAction(QStringLiteral("ViewColorDraws"),
                                    QStringLiteral("Выделять каналы в списке тиражей"), {},
                                    always, [this] { ViewColorDrawsToggle(); });
    colorDraws->setCheckable(true);
    colorDraws->setChecked(true);

    // Optional tabs of the right page control, shown or hidden from the "Вид" menu.
    for (const TOptionalTab& tab : OptionalTabs()) {
        QAction* toggle = AddAction(QString::fromLatin1(tab.Action), QString::fromUtf8(tab.Caption),
                                    {}, always, [this, tab] { ToggleOptionalTab(tab); });
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    AddAction(QStringLiteral("EditConfig"), QStringLiteral("Параметры"), {}, always,
              [this] { EditConfig(); });
    AddAction(QStringLiteral("GetHelp"), QStringLiteral("Справка"), QStringLiteral("F1"),
              [this] { return !HelpFile().isEmpty(); }, [this] { OpenHelp(); });
    AddAction(QStringLiteral("About"), QStringLiteral("О программе"), {}, always,
              [this] { ShowAbout(); });
    const char* const autoCaptions[] = {"По запросу (по умолчанию)", "Автоматически", "Отключено"};
    for (int mode = 0; mode < 3; ++mode) {
        QAction* a = AddAction(QStringLiteral("AutoDownload%1").arg(mode),
                               QString::fromUtf8(autoCaptions[mode]), {}, always,
                               [this, mode] { SetAutoDownloadMode(mode); });
        a->setCheckable(true);
        a->setChecked(mode == 0);
    }

    AddAction(QStringLiteral("DrawsStatCalc"), QStringLiteral("Обновить"), {},
              [this] { return m_workspace->DrawCount() > 0 && m_statsTab->ChosenMethod() >= 0; },
              [this] { RunCommand([this] { m_recalc.Force(QStringLiteral("Статистика")); }); });

    m_statsTab->AddToolAction(Action(QStringLiteral("DrawsStatCalc")));
    BuildScriptActions();
    m_combsCommands = std::make_unique<TCombsCommands>(*this, *m_combsTab);
    BuildStatFilterActions();
    BuildHelpActions();
    BuildPendingActions();

    m_actionTimer = new QTimer(this);
    m_actionTimer->setInterval(150);
    connect(m_actionTimer, &QTimer::timeout, this, &TTemplateMain::UpdateActions);
    m_actionTimer->start();
}

void TTemplateMain::BuildMenus() {
    const auto add = [this](QMenu* menu, const char* name) {
        menu->addAction(Action(QString::fromLatin1(name)));
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("Файл"));
    // Interface languages arrive with the language modules.
    file->addMenu(QStringLiteral("Язык интерфейса"))->setEnabled(false);
    file->addSeparator();
    add(file, "EditConfig");
    add(file, "EditShredding");
    add(file, "EditProxy");
    file->addSeparator();
    add(file, "ExitProgram");

    QMenu* draws = menuBar()->addMenu(QStringLiteral("Архив тиражей"));
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
    draws->addSeparator();
    QMenu* autoDownload = draws->addMenu(QStringLiteral("Автозагрузка при запуске программы"));
    for (const char* name : {"AutoDownload0", "AutoDownload1", "AutoDownload2"}) {
        add(autoDownload, name);
    }

    // Menus whose commands arrive with their features are shown, but greyed out while empty.
    QMenu* combs = menuBar()->addMenu(QStringLiteral("Комбинации"));
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

    QMenu* stats = menuBar()->addMenu(QStringLiteral("Статистика"));
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
    m_statsTab->List()->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_statsTab->List()->addActions(stats->actions());
    for (const char* caption : {"Ставки", "Рейтинг", "Регуляры", "Системы"}) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(caption));
        menu->setEnabled(false);
        if (QByteArray(caption) == "Системы") menu->menuAction()->setVisible(false);
    }

    QMenu* script = menuBar()->addMenu(QStringLiteral("Сценарий"));
    for (const char* name : {"ScriptRun", "ScriptTest", "ScriptStop", "", "ScriptOpen",
                             "ScriptLoad", "ScriptSave", "", "ScriptAdd", "ScriptEmpty",
                             "ScriptClone", "ScriptEdit", "", "ScriptUp", "ScriptDown", "",
                             "ScriptDel", "ScriptClr"}) {
        if (*name) {
            add(script, name);
        } else {
            script->addSeparator();
        }
    }
    m_scriptTab->List()->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* a : script->actions()) m_scriptTab->List()->addAction(a);

    QMenu* view = menuBar()->addMenu(QStringLiteral("Вид"));
    add(view, "ViewColorDraws");
    add(view, "ViewColorCombs");
    add(view, "ViewColorCard");
    add(view, "ViewColorCardSequences");
    add(view, "ViewShemaGradient");
    view->addSeparator();
    for (const TOptionalTab& tab : OptionalTabs()) add(view, tab.Action);

    QMenu* help = menuBar()->addMenu(QStringLiteral("Справка"));
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
    m_drawsList->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (QAction* a : draws->actions()) {
        if (!a->menu()) m_drawsList->addAction(a);
    }
}

int TTemplateMain::SelectedDrawRow() const {
    if (!m_drawsList || !m_drawsList->selectionModel()) return -1;
    const QModelIndex current = m_drawsList->selectionModel()->currentIndex();
    if (current.isValid() && m_drawsList->selectionModel()->isRowSelected(current.row())) {
        return current.row();
    }
    const auto rows = m_drawsList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

QList<int> TTemplateMain::SelectedDrawRows() const {
    QList<int> rows;
    if (!m_drawsList->selectionModel()) return rows;
    for (const QModelIndex& index : m_drawsList->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TTemplateMain::DrawsAdd() {
    TDrawRec draw;
    draw.Number = m_workspace->NextDrawNumber(0);
    EditDraw(draw, -1);
}

void TTemplateMain::DrawsEdit() {
    const int index = m_workspace->IndexAtPosition(SelectedDrawRow());
    if (index >= 0) EditDraw(m_workspace->DrawArchive()[static_cast<std::size_t>(index)], index);
}

void TTemplateMain::EditDraw(const TDrawRec& draw, int index) {
    std::optional<TDrawRec> result;
    RunCommand([&] {
        TDrawDialog dialog(draw, this);
        dialog.setWindowTitle(QStringLiteral("Введите данные следующего тиража"));
        if (ExecDialog(dialog, {})) result = dialog.Result();
    });
    if (result) StoreDrawAt(*result, index);
}

void TTemplateMain::StoreDrawAt(const TDrawRec& draw, int index) {
    RunBusy({}, [&] {
        m_workspace->StoreDraw(draw, index);
    });
}

void TTemplateMain::DrawsDel() {
    const QList<int> rows = SelectedDrawRows();
    if (rows.isEmpty() || !TMessages::ConfirmDelete(static_cast<int>(rows.size()), this)) return;
    RunBusy(QStringLiteral("Удаление выделенных тиражей...."), [this, rows] {
        std::vector<std::int32_t> numbers;
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            numbers.push_back(m_drawsModel->NumberAtRow(*it));
        }
        m_workspace->DeleteDraws(numbers);
        m_drawsList->clearSelection();
    });
}

void TTemplateMain::DrawsInfo() {
    const int row = SelectedDrawRow();
    if (row < 0) return;
    const TDrawRec draw = m_workspace->DrawAtPosition(row);
    TDrawInfoDialog dialog(draw, m_workspace->Config().MatrixCols,
                           m_workspace->Config().ChannelSize, this);
    RunCommand([&] {
        const int index = m_workspace->IndexAtPosition(row);
        for (const auto& [name, value] :
             DrawGraphValues(m_workspace->Stats(), index, m_workspace->SortedDraws())) {
            dialog.AddProperty(Q(name), QString::number(value));
        }
    });
    ExecDialog(dialog, {});
}

void TTemplateMain::DrawsSortedToggle() {
    m_workspace->SetSortedDraws(!m_workspace->SortedDraws());
    Action(QStringLiteral("DrawsSorted"))->setChecked(m_workspace->SortedDraws());
    StoreSetting(MainWindowKey::SortedDraws, m_workspace->SortedDraws());
}

void TTemplateMain::ViewColorDrawsToggle() {
    const bool on = !m_drawsModel->ChannelColours();
    m_drawsModel->SetChannelColours(on);
    Action(QStringLiteral("ViewColorDraws"))->setChecked(on);
    StoreSetting(MainWindowKey::ColorDraws, on);
}

void TTemplateMain::DrawsImport() {
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Импорт из CSV-файла"),
                                                      QString(),
                                                      QStringLiteral("Файлы тиражей (*.csv)"));
    if (file.isEmpty()) return;
    ImportDrawsFrom(file);
}

void TTemplateMain::ImportDrawsFrom(const QString& file) {
    RunBusy({}, [this, file] {
        m_workspace->ImportDrawsCsv(file.toStdString());
    });
}

void TTemplateMain::DrawsExport() {
    QFileDialog dialog(this, QStringLiteral("Экспорт в CSV-файл"), QString(),
                       QStringLiteral("Файлы тиражей (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    ExportDrawsTo(dialog.selectedFiles().first());
}

void TTemplateMain::ExportDrawsTo(const QString& file) {
    RunBusy({}, [this, file] { m_workspace->ExportDrawsCsv(file.toStdString()); });
}

}  // namespace mv::gui
