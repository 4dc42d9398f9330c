// The online scenario catalog panel against the real catalog service on a fresh database:
// the list, publishing, downloading into the current scenario, the owner rules, rating and
// hiding, and the panel without a configured service.
#include <QAction>
#include <QComboBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <string>

#include "engine/core/text_codec.h"
#include "engine/net/service_codec.h"
#include "engine/online/script_catalog.h"
#include "engine/session/workspace.h"
#include "engine/support/config_file.h"
#include "gui/core/form_main.h"
#include "gui/core/main_window_keys.h"
#include "gui/online/form_script_props.h"
#include "gui/online/form_script_rates.h"
#include "gui/online/script_catalog_commands.h"
#include "gui/online/script_catalog_panel.h"
#include "gui/scenarios/script_tab.h"
#include "gui/support/list_helpers.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui/support/window_settings.h"
#include "gui_test_support.h"
#include "operator_site.h"
#include "test_support.h"

using namespace mv;
using namespace mv::gui;
namespace fs = std::filesystem;

namespace {

const std::string kScenario = "FULL:0#RAND| | | | | | | |\r\nCURR:0#NONE| | | | | | | |\r\n";
const std::string kAlice = "alice@club.example";
const std::string kBob = "bob@club.example";

enum TColumn { colType = 0, colTitle = 1, colAuthor = 2, colProgram = 3, colOwn = 9 };

// A data folder whose user is Alice, and, when configured, the catalog service with a fresh
// database named in its configuration file.
struct TCatalogSetup {
    mv::test::TTempDir Root;
    fs::path Data = Root / "data";
    std::unique_ptr<mv::test::TServerProcess> Server;

    explicit TCatalogSetup(bool configured = true) {
        fs::create_directories(Data);
        mv::test::WriteBytes(Data / "Marvolet_5z36.lss", "EXCL:0#NONE| | | | | | | |\r\n");
        if (!configured) return;
        if (!mv::test::MakeSelfSignedCertificate(Root.Path())) throw std::runtime_error("cert");
        Server = std::make_unique<mv::test::TServerProcess>(
            MV_CATALOG_SERVICE_PATH,
            std::vector<std::string>{"serve", "--db", (Root / "club.db").string(), "--cert",
                                     (Root / "cert.pem").string(), "--key",
                                     (Root / "key.pem").string()},
            true);
        WriteConfig(kAlice);
    }
    QString DataDir() const { return QString::fromStdString(Data.string()); }
    fs::path Config() const { return Data / "Marvolet_5z36.ini"; }
    void WriteConfig(const std::string& mail) const {
        mv::test::WriteBytes(Config(),
                             Utf8ToCp1251("[ONLINE]\r\nServiceUrl=" + Server->Url("") +
                                          "\r\nCaFile=" + (Root / "cert.pem").string() +
                                          "\r\nUserName=Алиса\r\nUserMail=" + mail + "\r\n"));
    }
    // The service as another member (or Alice) sees it, for entries made outside the window.
    TOnlineService As(const std::string& name, const std::string& mail) const {
        TOnlineService service = OnlineServiceFor(Config(), TProxy{}, nullptr);
        service.Client.UserName = name;
        service.Client.UserMail = mail;
        return service;
    }
    std::int32_t Publish(const TOnlineService& service, const std::string& title,
                         const std::string& text = kScenario, bool isPublic = true) const {
        TScriptData data = NewScriptData(service.Client);
        data.Title = title;
        data.Public = isPublic;
        const std::int32_t id = PutScript(service, data, text);
        if (id <= 0) throw std::runtime_error("not published");
        return id;
    }
};

TScriptCatalogPanel* PanelOf(TFormMain& window) {
    return window.ScriptCatalogCommands().Panel();
}

// The row whose title is `title`, or -1.
int RowOf(TFormMain& window, const QString& title) {
    const TListRowsModel& rows = *PanelOf(window)->Rows();
    for (int row = 0; row < rows.Count(); ++row) {
        if (rows.Row(row).Cell(colTitle) == title) return row;
    }
    return -1;
}

QString Cell(TFormMain& window, const QString& title, int column) {
    const int row = RowOf(window, title);
    return row < 0 ? QStringLiteral("<no row>") : PanelOf(window)->Rows()->Row(row).Cell(column);
}

void Select(TFormMain& window, const QString& title) {
    SelectRow(*PanelOf(window)->List(), RowOf(window, title));
    window.UpdateActions();
}

QAction* Act(TFormMain& window, const char* name) {
    return window.Action(QString::fromLatin1(name));
}

bool Enabled(TFormMain& window, const char* name) {
    window.UpdateActions();
    return Act(window, name)->isEnabled();
}

QString SelectedTitle(TFormMain& window) {
    const auto entry = PanelOf(window)->SelectedEntry();
    return entry ? QString::fromStdString(entry->Title) : QString();
}

}  // namespace

class TCatalogPanelTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gui::test::EnableMessageTestMode(); }

    void theListShowsWhatTheServiceGivesThisUser() {
        TCatalogSetup setup;
        const TOnlineService bob = setup.As("Bob", kBob);
        setup.Publish(bob, "Сценарий Боба");
        setup.Publish(bob, "Личный Боба", kScenario, false);
        setup.Publish(setup.As("Алиса", kAlice), "Мой сценарий");
        // Made with another program of the family and not universal: Alice's, but not usable.
        TOnlineService otherApp = setup.As("Алиса", kAlice);
        otherApp.Client.AppId = "{00000000-0000-0000-0000-000000000001}";
        setup.Publish(otherApp, "Из другой программы");

        auto window = gui::test::StartMainWindow(setup.DataDir());
        window->RightPages()->setCurrentWidget(window->ScriptTab());
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());
        TScriptCatalogPanel* panel = PanelOf(*window);
        QVERIFY(!panel->List()->isHidden() && panel->Note()->isHidden());
        QCOMPARE(panel->Rows()->Count(), 3);
        QCOMPARE(RowOf(*window, QStringLiteral("Личный Боба")), -1);
        QCOMPARE(Cell(*window, QStringLiteral("Сценарий Боба"), colType), QStringLiteral("Общий"));
        QCOMPARE(Cell(*window, QStringLiteral("Сценарий Боба"), colAuthor), QStringLiteral("Bob"));
        QCOMPARE(Cell(*window, QStringLiteral("Мой сценарий"), colType), QStringLiteral("Мой"));
        QCOMPARE(Cell(*window, QStringLiteral("Мой сценарий"), colProgram),
                 QStringLiteral("Marvolet_5z36"));
        QCOMPARE(Cell(*window, QStringLiteral("Мой сценарий"), 5), QStringLiteral("RUS"));
        QCOMPARE(panel->List()->SortColumn(), int(TScriptCatalogPanel::RatingColumn));
        gui::test::SaveScreenshot(window.get(), QStringLiteral("catalog_panel.png"));

        // What each entry allows.
        struct TCase {
            const char* Title;
            bool Download, Replace, Delete;
        };
        const TCase cases[] = {
            {"Сценарий Боба", true, false, false},
            {"Мой сценарий", true, true, true},
            {"Из другой программы", false, false, false},
        };
        for (const TCase& c : cases) {
            Select(*window, QString::fromUtf8(c.Title));
            QVERIFY2(Enabled(*window, "ScriptLibraryDownload") == c.Download, c.Title);
            QVERIFY2(Enabled(*window, "ScriptLibraryReplace") == c.Replace, c.Title);
            QVERIFY2(Enabled(*window, "ScriptLibraryDelete") == c.Delete, c.Title);
            QVERIFY2(Enabled(*window, "ScriptLibraryView"), c.Title);
            QVERIFY2(!Enabled(*window, "ScriptLibraryRate0"), c.Title);
        }

        // The properties, read-only.
        Select(*window, QStringLiteral("Сценарий Боба"));
        QStringList shown;
        bool readOnly = false;
        window->Dialogs().On<TFormScriptProps>([&](TFormScriptProps& d) {
            gui::test::SaveScreenshot(&d, QStringLiteral("catalog_properties.png"));
            shown << d.TitleEdit()->text() << d.AuthorEdit()->text()
                  << d.LanguageBox()->currentText();
            readOnly = d.TitleEdit()->isReadOnly() && d.DescriptionEdit()->isReadOnly() &&
                       !d.LanguageBox()->isEnabled() && d.OkButton()->isHidden() &&
                       d.EveryoneButton()->isChecked() && d.OnlyHereButton()->isChecked();
            return false;
        });
        Act(*window, "ScriptLibraryView")->trigger();
        QCOMPARE(shown, (QStringList{QStringLiteral("Сценарий Боба"), QStringLiteral("Bob"),
                                     QStringLiteral("Русский")}));
        QVERIFY(readOnly);

        // The server-side filter: only the user's own entries.
        panel->FilterBox()->setCurrentIndex(3);
        QCOMPARE(panel->Rows()->Count(), 2);
        QCOMPARE(RowOf(*window, QStringLiteral("Сценарий Боба")), -1);
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());
    }

    void publishedEntriesAreListedAndTheDialogChecksFirst() {
        TCatalogSetup setup;
        setup.Publish(setup.As("Bob", kBob), "Занятое название");
        auto window = gui::test::StartMainWindow(setup.DataDir());
        QVERIFY(Enabled(*window, "ScriptLibraryUpload"));

        // Each refusal keeps the dialog open and sends nothing.
        struct TCase {
            const char* Title;
            const char* Author;
            const char* Message;
        };
        const TCase refusals[] = {
            {"   ", "Алиса", "Название сценария должно быть указано обязательно!"},
            {"занятое НАЗВАНИЕ", "Алиса",
             "Сценарий с таким названием уже существует!\nВыберите другое название."},
            {"Свободное", " ", "Имя автора должно быть указано обязательно!"},
        };
        for (const TCase& c : refusals) {
            gui::test::EnableMessageTestMode();
            TMessages::Recorded().clear();
            bool stayedOpen = false;
            window->Dialogs().On<TFormScriptProps>([&](TFormScriptProps& d) {
                d.TitleEdit()->setText(QString::fromUtf8(c.Title));
                d.AuthorEdit()->setText(QString::fromUtf8(c.Author));
                d.OkButton()->click();
                stayedOpen = d.result() != QDialog::Accepted;
                return false;
            });
            Act(*window, "ScriptLibraryUpload")->trigger();
            QVERIFY2(stayedOpen, c.Title);
            QCOMPARE(gui::test::RecordedMessageTexts(), QStringList{QString::fromUtf8(c.Message)});
            QCOMPARE(PanelOf(*window)->Rows()->Count(), 1);
        }

        // A new entry: its row is added at once and selected; the service lists it alike.
        TMessages::Recorded().clear();
        QString author;
        bool defaults = false;
        window->Dialogs().On<TFormScriptProps>([&](TFormScriptProps& d) {
            author = d.AuthorEdit()->text();
            defaults = d.EveryoneButton()->isChecked() && d.OnlyHereButton()->isChecked();
            d.TitleEdit()->setText(QStringLiteral("  Новый сценарий  "));
            d.DescriptionEdit()->setPlainText(QStringLiteral("Два фильтра"));
            d.AnyAppButton()->setChecked(true);
            d.OkButton()->click();
            return d.result() == QDialog::Accepted;
        });
        Act(*window, "ScriptLibraryUpload")->trigger();
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());
        QCOMPARE(author, QStringLiteral("Алиса"));
        QVERIFY(defaults);
        QCOMPARE(SelectedTitle(*window), QStringLiteral("Новый сценарий"));
        QCOMPARE(Cell(*window, QStringLiteral("Новый сценарий"), colType), QStringLiteral("Мой"));
        QCOMPARE(Cell(*window, QStringLiteral("Новый сценарий"), colProgram),
                 QStringLiteral("Универсальный"));
        Act(*window, "ScriptLibraryRefresh")->trigger();
        QCOMPARE(PanelOf(*window)->Rows()->Count(), 2);
        QCOMPARE(SelectedTitle(*window), QStringLiteral("Новый сценарий"));
        QCOMPARE(Cell(*window, QStringLiteral("Новый сценарий"), 12),
                 QStringLiteral("Два фильтра"));
        QCOMPARE(Cell(*window, QStringLiteral("Новый сценарий"), colProgram),
                 QStringLiteral("Универсальный"));
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());
    }

    void aDownloadReplacesTheCurrentScenarioUnlessItIsNone() {
        TCatalogSetup setup;
        const TOnlineService bob = setup.As("Bob", kBob);
        setup.Publish(bob, "Рабочий");
        setup.Publish(bob, "Мусор", "это не сценарий\r\n");
        auto window = gui::test::StartMainWindow(setup.DataDir());
        const fs::path current = setup.Data / "Marvolet_5z36.lss";

        Select(*window, QStringLiteral("Мусор"));
        const std::string before = mv::test::ReadBytes(current);
        Act(*window, "ScriptLibraryDownload")->trigger();
        const QString refusal = gui::test::LastMessageText();
        QVERIFY2(refusal.startsWith(QStringLiteral("Ошибка загрузки online-сценария!\n\n")),
                 qPrintable(refusal));
        QVERIFY2(refusal.contains(QStringLiteral("не является сценарием")), qPrintable(refusal));
        QCOMPARE(mv::test::ReadBytes(current), before);
        QCOMPARE(window->Workspace().Script().Count(), 1);

        TMessages::Recorded().clear();
        Select(*window, QStringLiteral("Рабочий"));
        Act(*window, "ScriptLibraryDownload")->trigger();
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());
        QCOMPARE(mv::test::ReadBytes(current), kScenario);
        QCOMPARE(window->Workspace().Script().Count(), 2);
        QCOMPARE(window->ScriptTab()->Model()->rowCount(), 2);
    }

    void ownerRulesSurfaceAsMessages() {
        TCatalogSetup setup;
        setup.Publish(setup.As("Алиса", kAlice), "Мой сценарий");
        auto window = gui::test::StartMainWindow(setup.DataDir());
        const QString own = QStringLiteral("Мой сценарий");

        // The service refuses a rating of one's own entry.
        Select(*window, own);
        window->Dialogs().On<QInputDialog>([](QInputDialog&) { return true; });
        Act(*window, "ScriptLibraryRate5")->trigger();
        QCOMPARE(gui::test::LastMessageText(),
                 QStringLiteral("Ошибка сохранения оценки online-сценария!\n\nНельзя оценивать "
                                "собственный сценарий."));
        QVERIFY(!Act(*window, "ScriptLibraryRate5")->isChecked());

        // Listed as Alice's, sent as Bob's: the service keeps the entry to its owner.
        setup.WriteConfig(kBob);
        window->Dialogs().On<TFormScriptProps>([](TFormScriptProps& d) {
            d.OkButton()->click();
            return d.result() == QDialog::Accepted;
        });
        Act(*window, "ScriptLibraryReplace")->trigger();
        QCOMPARE(gui::test::LastMessageText(),
                 QStringLiteral("Ошибка сохранения online-сценария в базе данных!\n\nСценарий "
                                "принадлежит другому пользователю."));
        Act(*window, "ScriptLibraryDelete")->trigger();
        QCOMPARE(gui::test::LastMessageText(),
                 QStringLiteral("Ошибка удаления online-сценария из базы данных!\n\nСценарий "
                                "принадлежит другому пользователю."));
        QVERIFY(RowOf(*window, own) >= 0);

        // The owner deletes it after the question, whose default answer is No.
        setup.WriteConfig(kAlice);
        TMessages::Recorded().clear();
        TMessages::QueueAnswer(false);
        Act(*window, "ScriptLibraryDelete")->trigger();
        QVERIFY(RowOf(*window, own) >= 0);
        const TShownMessage question = TMessages::Recorded().front();
        QVERIFY(question.Question && question.DefaultNo);
        QCOMPARE(question.Text,
                 QStringLiteral("Вы действительно хотите удалить сценарий \"Мой сценарий\"?"));
        Act(*window, "ScriptLibraryDelete")->trigger();
        QCOMPARE(RowOf(*window, own), -1);
        QCOMPARE(TMessages::Recorded().size(), std::size_t{2});
    }

    void ratingAndHidingChangeTheRow() {
        TCatalogSetup setup;
        const TOnlineService bob = setup.As("Bob", kBob);
        setup.Publish(bob, "Первый");
        setup.Publish(bob, "Второй");
        auto window = gui::test::StartMainWindow(setup.DataDir());
        const QString first = QStringLiteral("Первый");
        Select(*window, first);

        // Cancelling the comment sends nothing.
        window->Dialogs().On<QInputDialog>([](QInputDialog&) { return false; });
        Act(*window, "ScriptLibraryRate2")->trigger();
        QCOMPARE(Cell(*window, first, colOwn), QString());
        QVERIFY(!Act(*window, "ScriptLibraryRate2")->isChecked());

        QString caption, prompt;
        window->Dialogs().On<QInputDialog>([&](QInputDialog& d) {
            caption = d.windowTitle();
            prompt = d.labelText();
            d.setTextValue(QStringLiteral("Хороший"));
            return true;
        });
        Act(*window, "ScriptLibraryRate4")->trigger();
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());
        QCOMPARE(caption, QStringLiteral("Комментарий"));
        QCOMPARE(prompt, QStringLiteral("Вы можете оставить свой комментарий:"));
        // Reloaded: the entry stays selected and, by the rating, goes after the unrated one.
        QCOMPARE(SelectedTitle(*window), first);
        QCOMPARE(Cell(*window, first, colOwn), QStringLiteral("4"));
        QCOMPARE(Cell(*window, first, 8), QStringLiteral("1"));
        QCOMPARE(RowOf(*window, first), 1);
        QVERIFY(Act(*window, "ScriptLibraryRate4")->isChecked());
        QVERIFY(Enabled(*window, "ScriptLibraryRate0"));

        QStringList rating;
        window->Dialogs().On<TFormScriptRates>([&](TFormScriptRates& d) {
            rating << d.windowTitle() << QString::number(d.List()->topLevelItemCount());
            if (d.List()->topLevelItemCount() > 0) {
                for (int c : {0, 1, 5}) rating << d.List()->topLevelItem(0)->text(c);
            }
        });
        Act(*window, "ScriptLibraryRates")->trigger();
        QCOMPARE(rating, (QStringList{QStringLiteral("Оценки пользователей"), QStringLiteral("1"),
                                      QStringLiteral("Алиса"), QStringLiteral("4"),
                                      QStringLiteral("Хороший")}));

        Act(*window, "ScriptLibraryRate0")->trigger();
        QCOMPARE(Cell(*window, first, colOwn), QString());
        QVERIFY(!Enabled(*window, "ScriptLibraryRate0"));

        // Hidden: gone from the default list, shown under "Скрытые".
        Act(*window, "ScriptLibraryHide")->trigger();
        QCOMPARE(RowOf(*window, first), -1);
        PanelOf(*window)->FilterBox()->setCurrentIndex(0);
        QCOMPARE(PanelOf(*window)->Rows()->Count(), 1);
        Select(*window, first);
        QCOMPARE(Cell(*window, first, colOwn), QStringLiteral("Скрытый"));
        QVERIFY(Act(*window, "ScriptLibraryHide")->isChecked());
        QVERIFY(Enabled(*window, "ScriptLibraryRate0"));
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());
    }

    void withoutAServiceThePanelSaysSoAndKeepsItsSettings() {
        TCatalogSetup setup(false);
        auto window = gui::test::StartMainWindow(setup.DataDir());
        TScriptCatalogPanel* panel = PanelOf(*window);
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());
        QVERIFY(!panel->Note()->isHidden() && panel->List()->isHidden());

        // Publishing says what is missing without opening the dialog.
        bool opened = false;
        window->Dialogs().On<TFormScriptProps>([&](TFormScriptProps&) { return opened = true; });
        Act(*window, "ScriptLibraryUpload")->trigger();
        QVERIFY(!opened);
        QVERIFY(gui::test::LastMessageText().startsWith(
            QStringLiteral("Ошибка публикации online-сценария!\n\nАдрес online-сервиса не задан")));

        panel->FilterBox()->setCurrentIndex(5);
        Act(*window, "ScriptLibrary")->trigger();
        QVERIFY(panel->isHidden() && !Act(*window, "ScriptLibrary")->isChecked());
        QVERIFY(!Enabled(*window, "ScriptLibraryRefresh"));
        window.reset();

        window = gui::test::StartMainWindow(setup.DataDir());
        panel = PanelOf(*window);
        QVERIFY(panel->isHidden() && !Act(*window, "ScriptLibrary")->isChecked());
        QCOMPARE(panel->FilterBox()->currentIndex(), 5);
        Act(*window, "ScriptLibrary")->trigger();
        QVERIFY(!panel->isHidden() && Act(*window, "ScriptLibrary")->isChecked());
        const TWindowSettings settings(setup.Data / "Marvolet_5z36.frm");
        QVERIFY(settings.ReadBool(MainWindowSection, "ScriptLibraryOn", false));
    }
};

QTEST_MAIN(TCatalogPanelTest)
#include "catalog_panel_test.moc"
