#include "gui/systems/systems_commands.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTabWidget>

#include "engine/core/errors.h"
#include "engine/session/workspace.h"
#include "engine/support/file_basics.h"
#include "gui/core/command_host.h"
#include "gui/core/main_window_keys.h"
#include "gui/core/shortcut_router.h"
#include "gui/support/list_helpers.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui/support/tr.h"
#include "gui/systems/form_system.h"
#include "gui/systems/systems_tab.h"

namespace mv::gui {
namespace {

const char* const kStakeActions[] = {"SystemStakeAll", "SystemStakeFilter"};

}  // namespace

class TSystemsCommands::TFreeze {
public:
    explicit TFreeze(QWidget& list) : m_list(list) { m_list.setUpdatesEnabled(false); }
    ~TFreeze() { m_list.setUpdatesEnabled(true); }
    TFreeze(const TFreeze&) = delete;
    TFreeze& operator=(const TFreeze&) = delete;

private:
    QWidget& m_list;
};

TSystemsCommands::TSystemsCommands(ICommandHost& host, QTabWidget& pages)
    : m_host(host), m_pages(pages), m_tab(new TSystemsTab(&pages)) {
    BuildActions();
    connect(m_tab, &TSystemsTab::RowActivated, this, [this] {
        if (QAction* prop = m_host.Action(QStringLiteral("SystemsProp")); prop->isEnabled()) {
            prop->trigger();
        }
    });
}

TSystemsCommands::~TSystemsCommands() = default;

void TSystemsCommands::BuildActions() {
    const auto shown = [this] { return TabShown(); };
    const auto selected = [this] { return TabShown() && SelectedEntryRow() >= 0; };
    struct TDef {
        const char* Name;
        QString Caption;
        QString Hint;
        const char* Shortcut;
        std::function<bool()> Enabled;
        std::function<void()> Run;
    };
    const TDef defs[] = {
        {"SystemsOn", Tr("Системная игра"), Tr("Включить или выключить список систем"), "Ctrl+J",
         [] { return true; }, [this] { Toggle(); }},
        {"SystemsDownload", Tr("Загрузить"), Tr("Загрузить выделенные системы"), "", selected,
         [this] { Download(); }},
        {"SystemsRefresh", Tr("Обновить"), Tr("Перезагрузить список с сервера"), "", shown,
         [this] { Refresh(); }},
        {"SystemsAdd", Tr("Добавить"), Tr("Добавить свою систему в список"), "", shown,
         [this] { Add(); }},
        {"SystemsProp", Tr("Свойства"), Tr("Просмотр / редактирование свойств системы"), "",
         selected, [this] { Properties(); }},
        {"SystemsDel", Tr("Удалить"), Tr("Удалить свои системы из списка"), "",
         [this] {
             const int row = SelectedEntryRow();
             return TabShown() && row >= 0 && IsOwnState(m_tab->Model()->Record(row).State);
         },
         [this] { Delete(); }},
    };
    for (const TDef& d : defs) {
        QAction* action = m_host.AddAction(QString::fromLatin1(d.Name), d.Caption,
                                           QString::fromLatin1(d.Shortcut), d.Enabled, d.Run);
        action->setStatusTip(d.Hint);
        action->setProperty("category", Tr("Системы"));
    }
    m_host.Action(QStringLiteral("SystemsOn"))->setCheckable(true);
    // Its key opens a scenario while the scenario is in front; everywhere else it is this.
    m_host.Shortcuts().Share(m_host.Action(QStringLiteral("SystemsOn")), nullptr);
    std::vector<QAction*> tools;
    for (const char* name :
         {"SystemsDownload", "SystemsRefresh", "SystemsAdd", "SystemsProp", "SystemsDel"}) {
        tools.push_back(m_host.Action(QString::fromLatin1(name)));
    }
    std::vector<QAction*> menu;
    for (const char* name : {"SystemsOn", "", "SystemsDownload", "", "SystemsRefresh", "",
                             "SystemsAdd", "SystemsProp", "SystemsDel"}) {
        menu.push_back(*name ? m_host.Action(QString::fromLatin1(name)) : nullptr);
    }
    m_tab->SetActions(tools, menu, m_host.Action(QStringLiteral("SystemsProp")));
}

TOnlineService TSystemsCommands::Service() const {
    TWorkspace& ws = m_host.Workspace();
    return OnlineServiceFor(ws.Paths().Config(), ws.Proxy, &m_host.Hooks());
}

std::filesystem::path TSystemsCommands::DataDir() const {
    return m_host.Workspace().Paths().Dir;
}

bool TSystemsCommands::TabShown() const {
    return m_pages.isTabVisible(m_pages.indexOf(m_tab));
}

void TSystemsCommands::SetTabShown(bool shown) {
    m_pages.setTabVisible(m_pages.indexOf(m_tab), shown);
    m_host.Action(QStringLiteral("SystemsOn"))->setChecked(shown);
    for (const char* name : kStakeActions) {
        if (QAction* action = m_host.Action(QString::fromLatin1(name))) action->setVisible(shown);
    }
}

void TSystemsCommands::SetUp(bool shown) {
    if (m_menu) {
        m_menu->setEnabled(true);
        m_menu->menuAction()->setVisible(true);
    }
    SetTabShown(shown);
    if (shown) m_host.RunBusy({}, [this] { LoadList(true); });
}

void TSystemsCommands::Toggle() {
    m_host.RunBusy(Tr("Подождите пожалуйста..."), [this] {
        const bool shown = !TabShown();
        SetTabShown(shown);
        m_host.StoreSetting(MainWindowKey::SystemsEnabled, shown);
        if (!shown) {
            m_tab->Model()->Clear();
            return;
        }
        m_pages.setCurrentWidget(m_tab);
        LoadList(false);
    });
}

void TSystemsCommands::Refresh() {
    m_host.RunBusy({}, [this] { LoadList(false); });
}

TSystemRowState TSystemsCommands::StateOf(const TSystemInfo& info,
                                          const std::string& userMail) const {
    return SystemRowState(info, IsSystemDownloaded(DataDir(), info), userMail);
}

void TSystemsCommands::FillRows(const std::vector<TSystemInfo>& rows, const std::string& userMail) {
    std::vector<TListRow> listRows;
    listRows.reserve(rows.size());
    for (const TSystemInfo& info : rows) {
        listRows.push_back(TSystemsModel::MakeRow(TSystemRow{info, StateOf(info, userMail)}));
    }
    m_tab->Model()->SetRows(std::move(listRows));
    m_tab->List()->Sort();
}

void TSystemsCommands::LoadList(bool atStart) {
    TSystemsModel& model = *m_tab->Model();
    TSortableListView& list = *m_tab->List();
    const std::int32_t remembered = RowId(model, SelectedRow(list));
    TFreeze freeze(list);
    model.Clear();
    std::vector<TSystemInfo> rows;
    const auto reselect = [&] {
        const int row = remembered >= 0 ? FindRowById(model, remembered) : -1;
        if (row < 0) return;
        SelectRow(list, row);
        ScrollIntoView(list, row);
    };
    const TOnlineService service = Service();
    if (atStart && service.ServiceUrl.empty()) {
        rows.push_back(SystemPlaceholder());
        FillRows(rows, service.Client.UserMail);
        return;
    }
    try {
        RefreshSystemList(service, DataDir(), rows);
    } catch (...) {
        FillRows(rows, service.Client.UserMail);
        reselect();
        throw;
    }
    FillRows(rows, service.Client.UserMail);
    reselect();
}

int TSystemsCommands::SelectedEntryRow() const {
    const TSystemsModel& model = *m_tab->Model();
    for (const int row : m_tab->SelectedRows()) {
        if (model.Record(row).Info.Id > 0) return row;
    }
    return -1;
}

void TSystemsCommands::Guarded(const QString& message, const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        TMessages::ShowError(DisplayText(OperationMessage(message.toStdString(), e.what())),
                             m_host.Window());
    }
    m_host.UpdateActions();
}

void TSystemsCommands::Download() {
    TSystemsModel& model = *m_tab->Model();
    TSortableListView& list = *m_tab->List();
    m_host.RunBusy({}, [&] {
        const TOnlineService service = Service();
        const std::vector<int> chosen = m_tab->SelectedRows();
        const int first = chosen.empty() ? -1 : chosen.front();
        std::vector<TSystemInfo> rows;
        for (int r = 0; r < model.Count(); ++r) rows.push_back(model.Record(r).Info);
        std::vector<std::size_t> selected;
        // The placeholder row stands for no entry: there is nothing to download for it.
        for (const int r : chosen) {
            if (rows[static_cast<std::size_t>(r)].Id > 0)
                selected.push_back(static_cast<std::size_t>(r));
        }
        std::vector<bool> done;
        {
            TFreeze freeze(list);
            done = DownloadSelectedSystems(service, DataDir(), rows, selected);
            // A download deletes the other listed systems for the same number count.
            for (int r = 0; r < model.Count(); ++r) {
                TSystemRow record = model.Record(r);
                if (record.Info.Id <= 0) continue;
                record.State = StateOf(record.Info, service.Client.UserMail);
                model.SetRecord(r, record);
            }
        }
        QItemSelectionModel* selection = list.selectionModel();
        for (std::size_t k = 0; k < selected.size(); ++k) {
            const int r = static_cast<int>(selected[k]);
            if (!done[k] || r == first) continue;
            selection->select(model.index(r, 0),
                              QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        }
    });
}

void TSystemsCommands::Add() {
    TOnlineService service;
    TSystemData data;
    bool ready = false;
    m_host.RunCommand([&] {
        service = Service();
        data = NewSystemData(service.Client);
        ready = true;
    });
    if (!ready) return;
    m_host.Hooks().ShowStatus({});
    TFormSystem dialog(data, true, m_host.Window());
    if (!m_host.ExecDialog(dialog, {})) return;
    data = dialog.Result();
    data.Id = 0;
    std::int32_t id = -1;
    m_host.RunBusy({}, [&] { id = PutSystem(service, data, false); });
    data.Id = id;
    if (id < 0) return;
    Guarded(Tr("Ошибка добавления системы!"), [&] {
        TSystemsModel& model = *m_tab->Model();
        const int row = model.AppendRow(TSystemsModel::MakeRow(
            TSystemRow{data, SystemRowState(data, false, service.Client.UserMail)}));
        SelectRow(*m_tab->List(), row);
        ScrollIntoView(*m_tab->List(), row);
    });
}

void TSystemsCommands::Properties() {
    const int row = SelectedEntryRow();
    if (row < 0) return;
    const TSystemRow record = m_tab->Model()->Record(row);
    TOnlineService service;
    TSystemData data;
    static_cast<TSystemInfo&>(data) = record.Info;
    bool ready = false;
    m_host.RunCommand([&] {
        service = Service();
        ready = true;
    });
    if (!ready) return;
    // A failed fetch is shown, and the dialog opens with an empty list.
    m_host.RunBusy({},
                   [&] { data.CombinationText = FetchSystemCombinations(service, record.Info); });
    m_host.Hooks().ShowStatus({});
    const bool editable = IsOwnSystem(record.Info, service.Client.UserMail);
    TFormSystem dialog(data, editable, m_host.Window());
    if (!m_host.ExecDialog(dialog, {}) || !editable) return;
    data = dialog.Result();
    std::int32_t id = -1;
    m_host.RunBusy({}, [&] { id = PutSystem(service, data, false); });
    if (id < 0) return;
    data.Id = id;
    Guarded(Tr("Ошибка изменения системы!"), [&] {
        TSystemsModel& model = *m_tab->Model();
        const int at = FindRowById(model, record.Info.Id);
        if (at < 0) return;
        const TSystemInfo& info = data;
        model.SetRecord(at, TSystemRow{info, StateOf(info, service.Client.UserMail)});
    });
}

void TSystemsCommands::Delete() {
    const int row = SelectedEntryRow();
    if (row < 0) return;
    const TSystemInfo info = m_tab->Model()->Record(row).Info;
    TOnlineService service;
    bool ready = false;
    m_host.RunCommand([&] {
        service = Service();
        ready = true;
    });
    if (!ready) return;
    if (!IsOwnSystem(info, service.Client.UserMail)) {
        TMessages::ShowError(Tr("Вы можете удалять только свои системы!"), m_host.Window());
        return;
    }
    if (!TMessages::Ask(TAskKind::ConfirmDefaultNo, {},
                        Tr("Вы действительно хотите удалить систему \"%1\"?")
                            .arg(QString::fromStdString(info.Title)),
                        m_host.Window())) {
        return;
    }
    TSystemData data;
    static_cast<TSystemInfo&>(data) = info;
    std::int32_t id = -1;
    m_host.RunBusy({}, [&] { id = PutSystem(service, data, true); });
    // Any other answer than 0 leaves the entry where it is.
    if (id != 0) return;
    Guarded(Tr("Ошибка удаления системы!"), [&] {
        TSystemsModel& model = *m_tab->Model();
        const int at = FindRowById(model, info.Id);
        if (at >= 0) model.RemoveRow(at);
        const auto file = LocalSystemFile(DataDir(), info);
        if (PathExists(file) && !DeleteOneFile(file)) {
            throw EError(Tr("Не удалось удалить файл \"%1\".")
                             .arg(QString::fromStdString(file.string()))
                             .toStdString());
        }
    });
}

void TSystemsCommands::RestoreSettings(const TWindowSettings& settings) {
    m_tab->RestoreSettings(settings);
}

void TSystemsCommands::SaveSettings(TWindowSettings& settings) const {
    m_tab->SaveSettings(settings);
}

}  // namespace mv::gui
