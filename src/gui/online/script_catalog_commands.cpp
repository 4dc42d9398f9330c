#include "gui/online/script_catalog_commands.h"

#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QMenu>
#include <QSplitter>
#include <algorithm>
#include <exception>
#include <vector>

#include "engine/core/errors.h"
#include "engine/session/workspace.h"
#include "engine/support/ui_hooks.h"
#include "gui/core/command_host.h"
#include "gui/core/main_window_keys.h"
#include "gui/online/form_script_props.h"
#include "gui/online/form_script_rates.h"
#include "gui/online/script_catalog_panel.h"
#include "gui/online/script_languages.h"
#include "gui/scenarios/script_tab.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui/support/tr.h"
#include "gui/support/window_placement.h"
#include "gui/support/window_settings.h"

namespace mv::gui {
namespace {

QString Name(const char* name) {
    return QString::fromLatin1(name);
}

const char* const kRateActions[] = {"ScriptLibraryRate0", "ScriptLibraryRate1",
                                    "ScriptLibraryRate2", "ScriptLibraryRate3",
                                    "ScriptLibraryRate4", "ScriptLibraryRate5"};

}  // namespace

// The hooks a catalog request gets: the window keeps painting while the request waits, but
// the status line keeps the command's own text, set by its busy frame.
class TScriptCatalogCommands::TRequestHooks : public IUiHooks {
public:
    explicit TRequestHooks(IUiHooks& hooks) : m_hooks(hooks) {}
    void ShowStatus(const std::string&) override {}
    bool Checkpoint() override { return m_hooks.Checkpoint(); }
    void ShowWait(const std::string& text) override { m_hooks.ShowWait(text); }
    void HideWait() override { m_hooks.HideWait(); }
    void ShowProgress(const std::string& text, int maximum) override {
        m_hooks.ShowProgress(text, maximum);
    }
    void SetProgressText(const std::string& text) override { m_hooks.SetProgressText(text); }
    void StepProgress(int n) override { m_hooks.StepProgress(n); }
    void HideProgress() override { m_hooks.HideProgress(); }
    void ShowMessage(TMessageKind kind, const std::string& text) override {
        m_hooks.ShowMessage(kind, text);
    }
    bool Ask(TAskKind kind, const std::string& caption, const std::string& question) override {
        return m_hooks.Ask(kind, caption, question);
    }

private:
    IUiHooks& m_hooks;
};

TScriptCatalogCommands::TScriptCatalogCommands(ICommandHost& host, TScriptTab& scriptTab)
    : m_host(host),
      m_workspace(host.Workspace()),
      m_requestHooks(std::make_unique<TRequestHooks>(host.Hooks())),
      m_panel(new TScriptCatalogPanel(&scriptTab)) {
    m_splitter = scriptTab.AddPanelBelowList(m_panel);
    m_splitter->setSizes({400, DesignedPanelHeight});
    BuildActions();
    connect(m_panel->FilterBox(), &QComboBox::currentIndexChanged, this, [this] { LoadList(); });
    connect(m_panel, &TScriptCatalogPanel::SelectionChanged, this, [this] {
        UpdateChecks();
        m_host.UpdateActions();
    });
    connect(m_panel->List(), &QAbstractItemView::doubleClicked, this, [this] {
        if (QAction* view = m_host.Action(Name("ScriptLibraryView")); view && view->isEnabled()) {
            view->trigger();
        }
    });
}

TScriptCatalogCommands::~TScriptCatalogCommands() = default;

void TScriptCatalogCommands::BuildActions() {
    const auto add = [this](const char* name, const QString& caption, const QString& hint,
                            const char* shortcut, std::function<bool()> enabled,
                            std::function<void()> run) {
        QAction* action = m_host.AddAction(Name(name), caption, Name(shortcut), std::move(enabled),
                                           std::move(run));
        action->setStatusTip(hint);
        action->setProperty("category", Tr("Библиотека"));
        return action;
    };
    const auto shown = [this] { return m_shown; };
    const auto selected = [this] { return m_shown && Selected().has_value(); };
    const auto hasLines = [this] { return !m_workspace.Script().Empty(); };
    const auto selectedIs = [this](bool (*test)(const TScriptInfo&)) {
        return [this, test] {
            const auto info = m_shown ? Selected() : std::nullopt;
            return info && test(*info);
        };
    };

    QAction* toggle = add(
        "ScriptLibrary", Tr("Online каталог сценариев"), Tr("Online каталог сценариев"), "Ctrl+L",
        [] { return true; }, [this] { TogglePanel(); });
    toggle->setCheckable(true);
    toggle->setChecked(m_shown);
    add("ScriptLibraryRefresh", Tr("Обновить"), Tr("Перезагрузить каталог с сервера"), "", shown,
        [this] { LoadList(); });
    add("ScriptLibraryDownload", Tr("Скачать из каталога"),
        Tr("Скачать выбранный сценарий из online-каталога"), "",
        selectedIs([](const TScriptInfo& i) { return i.Compatible; }), [this] { Download(); })
        ->setIconText(Tr("Скачать"));
    add(
        "ScriptLibraryUpload", Tr("Опубликовать"),
        Tr("Опубликовать текущий сценарий в online-каталоге"), "",
        [shown, hasLines] { return shown() && hasLines(); }, [this] { Publish(); });
    const auto editable = selectedIs([](const TScriptInfo& i) { return i.Editable; });
    add(
        "ScriptLibraryReplace", Tr("Изменить"),
        Tr("Заменить выделенный сценарий в online-каталоге текущим"), "",
        [editable, hasLines] { return editable() && hasLines(); }, [this] { Replace(); });
    add("ScriptLibraryDelete", Tr("Удалить"), Tr("Удалить выделенный сценарий из online-каталога"),
        "", editable, [this] { Delete(); });
    add("ScriptLibraryView", Tr("Свойства сценария"), Tr("Просмотр сведений о выделенном сценарии"),
        "", selected, [this] { View(); });
    add("ScriptLibraryRates", Tr("Просмотр оценок"), Tr("Просмотр оценок сценария пользователями"),
        "", selected, [this] { ShowRatings(); });
    add("ScriptLibraryRate0", Tr("Удалить оценку"), Tr("Удалить Вашу оценку"), "",
        selectedIs([](const TScriptInfo& i) { return i.OwnRating != 0; }), [this] { Rate(0); });
    const QString rateCaptions[] = {Tr("[ 1 ] - Бесполезно"), Tr("[ 2 ] - Плохо"),
                                    Tr("[ 3 ] - Удовлетворительно"), Tr("[ 4 ] - Хорошо"),
                                    Tr("[ 5 ] - Отлично")};
    for (int value = 1; value <= 5; ++value) {
        add(kRateActions[value], rateCaptions[value - 1], Tr("Установить оценку \"%1\"").arg(value),
            "", selected, [this, value] { Rate(value); })
            ->setCheckable(true);
    }
    add("ScriptLibraryHide", Tr("Скрыть сценарий"), Tr("Исключить сценарий из Вашего списка"), "",
        selected, [this] { Rate(-1); })
        ->setCheckable(true);

    m_rateMenu = new QMenu(Tr("Оценить"), m_panel);
    m_rateMenu->menuAction()->setStatusTip(Tr("Оценить выбранный сценарий"));
    for (int value = 1; value <= 5; ++value)
        m_rateMenu->addAction(m_host.Action(Name(kRateActions[value])));
    m_rateMenu->addSeparator();
    m_rateMenu->addAction(m_host.Action(Name(kRateActions[0])));

    for (const char* name :
         {"ScriptLibraryDownload", "ScriptLibraryUpload", "ScriptLibraryReplace"}) {
        m_panel->AddButton(m_host.Action(Name(name)));
    }
    // The filter box is a command of its own: not while another one runs.
    QAction* refresh = m_host.Action(Name("ScriptLibraryRefresh"));
    connect(refresh, &QAction::changed, this,
            [this, refresh] { m_panel->FilterBox()->setEnabled(refresh->isEnabled()); });

    // The list's own menu: the commands on its entries.
    TSortableListView* list = m_panel->List();
    list->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto separator = [list] {
        auto* action = new QAction(list);
        action->setSeparator(true);
        return action;
    };
    list->addAction(refresh);
    list->addAction(separator());
    for (const char* name : {"ScriptLibraryDownload", "ScriptLibraryUpload", "ScriptLibraryReplace",
                             "ScriptLibraryDelete"}) {
        list->addAction(m_host.Action(Name(name)));
    }
    list->addAction(separator());
    list->addAction(m_host.Action(Name("ScriptLibraryView")));
    list->addAction(m_host.Action(Name("ScriptLibraryRates")));
    list->addAction(separator());
    list->addAction(m_rateMenu->menuAction());
    list->addAction(m_host.Action(Name("ScriptLibraryHide")));
}

void TScriptCatalogCommands::AddMenu(QMenu& parent) {
    parent.addSeparator();
    QMenu* menu = parent.addMenu(Tr("Online-каталог сценариев"));
    menu->setObjectName(QStringLiteral("mnScriptLibrary"));
    const auto add = [&](const char* name) { menu->addAction(m_host.Action(Name(name))); };
    add("ScriptLibrary");
    menu->addSeparator();
    add("ScriptLibraryRefresh");
    menu->addSeparator();
    for (const char* name : {"ScriptLibraryDownload", "ScriptLibraryUpload", "ScriptLibraryReplace",
                             "ScriptLibraryDelete"}) {
        add(name);
    }
    menu->addSeparator();
    add("ScriptLibraryView");
    add("ScriptLibraryRates");
    menu->addSeparator();
    menu->addMenu(m_rateMenu);
    add("ScriptLibraryHide");
}

void TScriptCatalogCommands::SetUpAtStart() {
    LoadList();
}

void TScriptCatalogCommands::RestoreSettings(const TWindowSettings& settings) {
    ShowPanel(ReadMainFlag(settings, MainWindowKey::ScriptLibraryOn));
    const int height = SaneStoredSize(
        ReadMainSetting(settings, MainWindowKey::ScriptLibraryHeight, DesignedPanelHeight),
        DesignedPanelHeight);
    m_panelHeight = height > 0 ? height : DesignedPanelHeight;
    const int total = std::max(m_splitter->height(), m_panelHeight + 200);
    m_splitter->setSizes({total - m_panelHeight, m_panelHeight});
    {
        const QSignalBlocker quiet(m_panel->FilterBox());
        m_panel->FilterBox()->setCurrentIndex(
            std::clamp(ReadMainSetting(settings, MainWindowKey::ScriptLibraryFilter), 0,
                       ScriptFilterCount - 1));
    }
    TSortableListView* list = m_panel->List();
    const std::string listName = TScriptCatalogPanel::ListName;
    list->RestoreColumnWidths(settings, MainWindowSection, listName);
    list->RestoreSortState(settings, MainWindowSection, listName);
}

void TScriptCatalogCommands::SaveSettings(TWindowSettings& settings) const {
    const int height = m_shown ? m_splitter->sizes().value(1) : m_panelHeight;
    WriteMainSetting(settings, MainWindowKey::ScriptLibraryHeight,
                     height > 0 ? height : m_panelHeight);
    WriteMainSetting(settings, MainWindowKey::ScriptLibraryFilter,
                     m_panel->FilterBox()->currentIndex());
    const std::string listName = TScriptCatalogPanel::ListName;
    m_panel->List()->SaveColumnWidths(settings, MainWindowSection, listName);
    m_panel->List()->SaveSortState(settings, MainWindowSection, listName);
}

void TScriptCatalogCommands::ShowPanel(bool shown) {
    // The height the user gave the panel comes back with it.
    if (!shown && m_shown && m_splitter->sizes().value(1) > 0) {
        m_panelHeight = m_splitter->sizes().value(1);
    }
    m_shown = shown;
    m_panel->setVisible(shown);
    if (QAction* toggle = m_host.Action(Name("ScriptLibrary"))) toggle->setChecked(shown);
}

TOnlineService TScriptCatalogCommands::Service() const {
    return OnlineServiceFor(m_workspace.Paths().Config(), m_workspace.Proxy, m_requestHooks.get());
}

std::optional<TScriptInfo> TScriptCatalogCommands::Selected() const {
    return m_panel->SelectedEntry();
}

void TScriptCatalogCommands::UpdateChecks() {
    const auto info = m_shown ? Selected() : std::nullopt;
    const int own = info ? info->OwnRating : 0;
    for (int value = 1; value <= 5; ++value) {
        m_host.Action(Name(kRateActions[value]))->setChecked(info && own == value);
    }
    m_host.Action(Name("ScriptLibraryHide"))->setChecked(info && own == -1);
    m_host.Action(Name("ScriptLibrary"))->setChecked(m_shown);
}

void TScriptCatalogCommands::LoadList() {
    m_host.RunBusy(Tr("Загрузка online-каталога сценариев..."), [this] {
        const auto selected = m_shown ? Selected() : std::nullopt;
        const std::int32_t keepId = selected ? selected->Id : -1;
        TSortableListView* list = m_panel->List();
        list->setUpdatesEnabled(false);
        struct TThaw {
            QWidget* List;
            ~TThaw() { List->setUpdatesEnabled(true); }
        } thaw{list};
        m_panel->SetEntries({}, -1);
        if (!m_shown) return;
        const TOnlineService service = Service();
        m_panel->SetConfigured(!service.ServiceUrl.empty());
        if (service.ServiceUrl.empty()) return;
        // The rows read before a failure stay in the list.
        std::vector<TScriptInfo> entries;
        try {
            LoadScriptList(service, m_panel->FilterBox()->currentIndex(), entries);
        } catch (...) {
            m_panel->SetEntries(entries, keepId);
            throw;
        }
        m_panel->SetEntries(entries, keepId);
    });
    UpdateChecks();
}

void TScriptCatalogCommands::TogglePanel() {
    m_host.RunCommand([this] {
        ShowPanel(!m_shown);
        m_host.StoreSetting(MainWindowKey::ScriptLibraryOn, m_shown ? 1 : 0);
    });
    LoadList();
}

void TScriptCatalogCommands::Download() {
    const auto info = Selected();
    if (!info || !info->Compatible) return;
    m_host.RunBusy(Tr("Скачивание сценария из online-каталога..."),
                   [&] { DownloadScriptInto(m_workspace, Service(), info->Id); });
}

bool TScriptCatalogCommands::EditProperties(TScriptData& data, bool readOnly,
                                            const TOnlineService* service) {
    TFormScriptProps::TTitleCheck titleFree;
    if (service) {
        titleFree = [this, service](std::int32_t id, const std::string& title) {
            bool free = false;
            m_host.RunBusy({}, [&] { free = IsScriptTitleFree(*service, id, title); });
            return free;
        };
    }
    TFormScriptProps dialog(data, readOnly, BuiltInScriptLanguage, std::move(titleFree),
                            m_host.Window());
    if (!m_host.ExecDialog(dialog, {}) || readOnly) return false;
    data = dialog.Data();
    return true;
}

namespace {

// A failure of a publishing command outside its request.
void ShowPublishFailure(const std::exception& e, QWidget* parent) {
    TMessages::ShowError(
        Tr("Ошибка публикации online-сценария!\n\n%1").arg(DisplayText(std::string(e.what()))),
        parent);
}

// The service of a command that sends something; none configured is a failure of its own.
TOnlineService RequireService(TOnlineService service) {
    if (service.ServiceUrl.empty()) {
        throw EError(Tr("Адрес online-сервиса не задан (ключ ServiceUrl раздела [ONLINE] файла "
                        "конфигурации).")
                         .toStdString());
    }
    return service;
}

// Stores the current scenario under the entry's properties (a new entry or a replacement);
// the entry's new identifier, or -1 when the request failed (the busy frame showed why).
std::int32_t StoreScript(ICommandHost& host, const TOnlineService& service,
                         const TScriptData& data, const std::string& text) {
    std::int32_t id = -1;
    host.RunBusy(Tr("Сохранение сценария в базе данных..."),
                 [&] { id = PutScript(service, data, text); });
    return id;
}

}  // namespace

void TScriptCatalogCommands::Publish() {
    if (m_workspace.Script().Empty()) return;
    TOnlineService service;
    TScriptData data;
    try {
        service = RequireService(Service());
        data = NewScriptData(service.Client);
        if (!EditProperties(data, false, &service)) return;
    } catch (const std::exception& e) {
        ShowPublishFailure(e, m_host.Window());
        return;
    }
    const std::int32_t id = StoreScript(m_host, service, data, m_workspace.Script().Text());
    if (id > 0) m_panel->AddEntry(PublishedScriptInfo(data, id, service.Client));
    UpdateChecks();
    m_host.UpdateActions();
}

void TScriptCatalogCommands::Replace() {
    auto info = Selected();
    if (!info || !info->Editable || m_workspace.Script().Empty()) return;
    TOnlineService service;
    TScriptData data = ScriptDataOf(*info);
    try {
        service = RequireService(Service());
        if (!EditProperties(data, false, &service)) return;
    } catch (const std::exception& e) {
        ShowPublishFailure(e, m_host.Window());
        return;
    }
    const std::int32_t id = StoreScript(m_host, service, data, m_workspace.Script().Text());
    if (id > 0) {
        const std::int32_t oldId = info->Id;
        ApplyReplacedScript(*info, data, id, service.Client);
        m_panel->ReplaceEntry(oldId, *info);
    }
    UpdateChecks();
    m_host.UpdateActions();
}

void TScriptCatalogCommands::Delete() {
    const auto info = Selected();
    if (!info || !info->Editable) return;
    if (!TMessages::Ask(TAskKind::ConfirmDefaultNo, QString(),
                        Tr("Вы действительно хотите удалить сценарий \"%1\"?").arg(Q(info->Title)),
                        m_host.Window())) {
        return;
    }
    TOnlineService service;
    try {
        service = RequireService(Service());
    } catch (const std::exception& e) {
        ShowPublishFailure(e, m_host.Window());
        return;
    }
    std::int32_t result = -1;
    m_host.RunBusy(Tr("Удаление сценария из базы данных..."),
                   [&] { result = DeleteScript(service, ScriptDataOf(*info)); });
    if (result == 0) m_panel->RemoveEntry(info->Id);
    UpdateChecks();
    m_host.UpdateActions();
}

void TScriptCatalogCommands::View() {
    const auto info = Selected();
    if (!info) return;
    try {
        TScriptData data = ScriptDataOf(*info);
        EditProperties(data, true, nullptr);
    } catch (const std::exception& e) {
        TMessages::ShowError(Tr("Ошибка просмотра свойств online-сценария!\n\n%1")
                                 .arg(DisplayText(std::string(e.what()))),
                             m_host.Window());
    }
}

void TScriptCatalogCommands::ShowRatings() {
    const auto info = Selected();
    if (!info) return;
    std::optional<std::vector<TScriptRating>> ratings;
    m_host.RunBusy(Tr("Загрузка списка оценок..."),
                   [&] { ratings = LoadScriptRatings(Service(), info->Id); });
    if (!ratings) return;
    TFormScriptRates dialog(*ratings, m_host.Window());
    const auto settingsFile = m_workspace.Paths().WindowSettings();
    m_host.RunCommand([&] { dialog.RestoreColumnWidths(TWindowSettings(settingsFile)); });
    m_host.ExecDialog(dialog, {});
    m_host.RunCommand([&] {
        TWindowSettings settings(settingsFile);
        dialog.SaveColumnWidths(settings);
    });
}

void TScriptCatalogCommands::Rate(std::int32_t value) {
    const auto info = Selected();
    if (!info) return;
    QString notes;
    if (value > 0) {
        QInputDialog input(m_host.Window());
        input.setObjectName(QStringLiteral("TFormScriptComment"));
        input.setWindowTitle(Tr("Комментарий"));
        input.setLabelText(Tr("Вы можете оставить свой комментарий:"));
        input.setTextValue(QString());
        input.setOkButtonText(Tr("OK"));
        input.setCancelButtonText(Tr("Отмена"));
        if (!m_host.ExecDialog(input, {})) {
            UpdateChecks();
            return;
        }
        notes = input.textValue();
    }
    bool rated = false;
    m_host.RunBusy(Tr("Отправка оценки на сервер..."),
                   [&] { rated = RateScript(Service(), info->Id, value, notes.toStdString()); });
    if (rated) LoadList();
    UpdateChecks();
}

}  // namespace mv::gui
