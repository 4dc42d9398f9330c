// The view and help commands of the main window: optional tabs, the configuration dialog,
// help and the about box.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>

#include <iterator>
#include <optional>
#include <string_view>

#include "engine/core/errors.h"
#include "engine/session/workspace.h"
#include "engine/support/config_file.h"
#include "engine/support/ini_file.h"
#include "gui/core/form_config.h"
#include "gui/core/form_first_run.h"
#include "gui/core/shortcut_router.h"
#include "gui/core/template_main.h"
#include "gui/ratings/regulars_commands.h"
#include "gui/stats/form_filter_help.h"
#include "gui/stats/stats_commands.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/languages.h"
#include "gui/support/messages.h"
#include "gui/support/tr.h"
#include "gui/support/window_placement.h"

namespace mv::gui {
namespace {

// The web pages the program links to. Their addresses are settings of the configuration file
// (section LINKS, key: the action's name) so that they can follow the sites; an empty
// address greys the command out.
constexpr const char* kLinksSection = "LINKS";
struct TLink {
    const char* Action;
    const char* Caption;
    const char* Address;  // built in; the maker's pages have none until configured
};
constexpr TLink kLinks[] = {
    {"OpenLotoSite", TrNoop("Сайт лотереи"), "https://www.stoloto.ru/"},
    {"urlMainSite", TrNoop("Официальный сайт проекта"), ""},
    {"urlAuthSite", TrNoop("Страница автора"), ""},
    {"urlAuthText", TrNoop("Статьи для начинающих"), ""},
    {"urlBlog", TrNoop("Наш блог"), ""},
    {"urlYT", TrNoop("Наш видеоблог"), ""},
    {"urlTG", TrNoop("Канал в Telegram"), ""},
    {"urlVK", TrNoop("Страница в соцсети \"В контакте\""), ""},
    {"urlOK", TrNoop("Страница в соцсети \"Однокласники\""), ""},
};

}  // namespace

const std::vector<TTemplateMain::TOptionalTab>& TTemplateMain::OptionalTabs() {
    static const std::vector<TOptionalTab> tabs = {
        {"TabGraps", TrNoop("Вкладка \"Графики\""), MainWindowKey::TabGraphs, 1,
         TrNoop("Скрыть / показать вкладку \"Графики\""), true},
        {"TabCard", TrNoop("Вкладка \"Карта\""), MainWindowKey::TabCard, 2,
         TrNoop("Скрыть / показать вкладку \"Карта тиражей\""), false},
        {"TabLayout", TrNoop("Вкладка \"Схема\""), MainWindowKey::TabLayout, 3,
         TrNoop("Скрыть / показать вкладку \"Схема выпадения номеров\""), true},
        {"TabWeek", TrNoop("Вкладка \"Неделя\""), MainWindowKey::TabWeek, 4,
         TrNoop("Скрыть / показать вкладку \"Неделя\""), true},
        {"TabTables", TrNoop("Вкладка \"Регуляры\""), MainWindowKey::TabTables, 7, "", true},
    };
    return tabs;
}

void TTemplateMain::ShowOptionalTab(const TOptionalTab& tab, bool shown) {
    m_rightPages->setTabVisible(tab.TabIndex, shown);
    Action(QString::fromLatin1(tab.Action))->setChecked(shown);
    // The regulars are kept only while their tab shows; at start-up they are read later.
    if (std::string_view(tab.Key.Name) == MainWindowKey::TabTables.Name) {
        m_regularsCommands->SetTabShown(shown, m_initialized);
    }
}

void TTemplateMain::ToggleOptionalTab(const TOptionalTab& tab) {
    RunBusy({}, [&] {
        const bool shown = !m_rightPages->isTabVisible(tab.TabIndex);
        ShowOptionalTab(tab, shown);
        StoreSetting(tab.Key, shown);
        if (!shown) return;
        // A tab that comes back shows current data at once, computed before it comes to the
        // front so that it does not draw twice.
        m_recalc.Force(m_rightPages->widget(tab.TabIndex)->property(kHelpTopic).toString());
        if (tab.Activate) m_rightPages->setCurrentIndex(tab.TabIndex);
    });
}

QString TTemplateMain::HelpPage(const QString& name) const {
    const QString dir = QString::fromStdString(m_paths.Dir.string());
    const QString exeDir = QFileInfo(QString::fromStdString(ExecutablePath().string())).path();
    for (const QString& folder : {dir + QStringLiteral("/help/"), exeDir + QStringLiteral("/help/"),
                                  exeDir + QStringLiteral("/../help/")}) {
        const QFileInfo candidate(folder + name);
        if (candidate.isFile()) return candidate.absoluteFilePath();
    }
    return {};
}

namespace {

// Every English interface reads the English pages; any other language the Russian ones.
QString HelpLanguageFolder() {
    return PrimaryLanguage(CurrentLanguage()) == PrimaryLanguage(1033) ? QStringLiteral("en")
                                                                       : QStringLiteral("ru");
}

}  // namespace

QString TTemplateMain::HelpFile() const {
    for (const QString& folder : {HelpLanguageFolder(), QStringLiteral("ru"), QStringLiteral("en")}) {
        const QString page = HelpPage(folder + QStringLiteral("/index.html"));
        if (!page.isEmpty()) return page;
    }
    return {};
}

QString TTemplateMain::HelpTopicPage(const QString& topic) {
    for (const QString& folder : {HelpLanguageFolder(), QStringLiteral("ru")}) {
        const QString page = HelpPage(folder + QLatin1Char('/') + topic + QStringLiteral(".html"));
        if (!page.isEmpty()) return page;
    }
    return {};
}

QString TTemplateMain::CurrentHelpTopic() const {
    const QWidget* focus = QApplication::focusWidget();
    const QTabWidget* pages =
        focus && m_leftPages->isAncestorOf(focus) ? m_leftPages : m_rightPages;
    const QWidget* page = pages->currentWidget();
    const QString topic = page ? page->property(kHelpTopic).toString() : QString();
    return topic.isEmpty() ? QStringLiteral("index") : topic;
}

void TTemplateMain::OpenHelp() {
    QString file = HelpTopicPage(CurrentHelpTopic());
    if (file.isEmpty()) file = HelpFile();
    if (!file.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void TTemplateMain::ShowFirstRunDialog() {
    if (!ReadMainFlag(Settings(), MainWindowKey::FirstRun)) return;
    std::vector<TFormFirstRun::TButton> buttons;
    buttons.push_back({Tr("Справка по программе"), !HelpFile().isEmpty(), [this] { OpenHelp(); }});
    for (const char* name : {"urlAuthText", "urlBlog", "urlYT", "urlTG", "urlVK", "urlOK"}) {
        QAction* link = Action(QString::fromLatin1(name));
        if (!link) continue;
        buttons.push_back({link->text(), !m_links.value(QString::fromLatin1(name)).isEmpty(),
                           [link] { link->trigger(); }});
    }
    TFormFirstRun dialog(buttons, this);
    ExecDialog(dialog, {});
    if (dialog.DontShowAgain()->isChecked()) StoreSetting(MainWindowKey::FirstRun, 0);
}

void TTemplateMain::ReadLinks() {
    std::optional<TIniFile> config;
    try {
        config.emplace(m_paths.Config());
    } catch (const std::exception&) {
        // Reading the configuration at start reports an unreadable file; the pages keep their
        // built-in addresses.
    }
    m_links.clear();
    for (const TLink& link : kLinks) {
        const std::string address =
            config ? config->ReadString(kLinksSection, link.Action, link.Address) : link.Address;
        m_links.insert(QString::fromLatin1(link.Action), QString::fromStdString(address).trimmed());
    }
}

void TTemplateMain::BuildHelpActions() {
    ReadLinks();
    for (const TLink& link : kLinks) {
        const QString name = QString::fromLatin1(link.Action);
        AddAction(
            name, Tr(link.Caption), {}, [this, name] { return !m_links.value(name).isEmpty(); },
            [this, name] { QDesktopServices::openUrl(QUrl::fromUserInput(m_links.value(name))); });
    }
    QAction* info = AddAction(
        QStringLiteral("FiltersInfo"), Tr("Описание статистики"), QStringLiteral("F8"),
        [this] { return StatsTab()->ChosenMethod() >= 0; },
        [this] { ShowMethodDescription(StatsTab()->ChosenMethod()); });
    info->setStatusTip(Tr("Сведения о выбранном методе расчета статистики"));
    m_statsCommands->SetMethodDescriber([this](int method) { ShowMethodDescription(method); });
}

void TTemplateMain::ShowMethodDescription(int chosen) {
    const TStatList& registry = m_workspace->Stats();
    if (chosen < 0 || chosen >= registry.MethodCount()) return;
    const TStatMethod& method = registry.Method(chosen);
    // The pages are named by the interface language (1049, Russian) and the method's help code.
    const QString page = HelpPage(
        QStringLiteral("Filters_1049_%1.htm").arg(Q(method.StatClass->HelpCodeFor(method.Index))));
    TFormFilterHelp dialog(page, Q(registry.MethodName(method)), this);
    ExecDialog(dialog, {});
}

void TTemplateMain::ShowAbout() {
    QMessageBox::about(this, Tr("О программе"),
                       Tr("<h3>%1</h3><p>Версия %2</p><p>Анализ архива тиражей "
                          "лотереи «5 из 36» и подбор комбинаций.</p>")
                           .arg(GameCaption(), QStringLiteral(MV_VERSION)));
}

void TTemplateMain::SetAutoDownloadMode(int mode) {
    for (int m = 0; m < 3; ++m)
        Action(QStringLiteral("AutoDownload%1").arg(m))->setChecked(m == mode);
    StoreSetting(MainWindowKey::DownloadDrawsOnStart, mode);
}

bool TTemplateMain::RestorePlacement(QWidget& window, const std::string& section) {
    bool restored = false;
    RunCommand([&] { restored = RestoreWindowPlacement(window, Settings(), section); });
    return restored;
}

void TTemplateMain::SavePlacement(const QWidget& window, const std::string& section) {
    RunCommand([&] { SaveWindowPlacement(window, Settings(), section); });
}

bool TTemplateMain::ExecDialog(QDialog& dialog, const std::string& formerSection) {
    if (bool accepted = false; m_dialogs.TryRun(dialog, accepted)) return accepted;
    const std::string section = dialog.objectName().toStdString();
    RunCommand([&] {
        if (!RestoreWindowPlacement(dialog, Settings(), section) && !formerSection.empty()) {
            RestoreWindowPlacement(dialog, Settings(), formerSection);
        }
    });
    const bool accepted = dialog.exec() == QDialog::Accepted;
    RunCommand([&] { SaveWindowPlacement(dialog, Settings(), section); });
    return accepted;
}

void TTemplateMain::EditConfig() {
    std::optional<TConfigData> edited;
    std::optional<std::string> drawsUrl;
    RunCommand([&] {
        TFormConfig dialog(m_workspace->Config(), this);
        std::string storedUrl;
        try {
            storedUrl = LoadDrawsUrl(m_paths.Config());
        } catch (const EError&) {
            // An unreadable file was reported at start; the field starts empty.
        }
        dialog.SetDrawsUrl(Q(storedUrl));
        // Earlier versions stored this dialog's placement under "FormConfig".
        const bool accepted = ExecDialog(dialog, "FormConfig");
        if (accepted) edited = dialog.Result();
        if (accepted && dialog.DrawsUrl().toStdString() != storedUrl)
            drawsUrl = dialog.DrawsUrl().toStdString();
    });
    if (drawsUrl) RunCommand([&] { SaveDrawsUrl(m_paths.Config(), *drawsUrl); });
    if (edited) RunBusy({}, [&] { ApplyConfig(*edited); });
}

}  // namespace mv::gui
