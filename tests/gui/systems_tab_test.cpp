// The "Системы" tab against the real catalog service (tools/catalog_service on a fresh
// database over HTTPS): the list and its row states, downloads into the local system files,
// publishing, changing and deleting through the system dialog, the owner rules as messages,
// and the tab's visibility with the system-stake commands. A stand-in service answers what the
// real one never would (garbage, a nameless author).
#include <sys/stat.h>
#include <utime.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>

#include "../engine/online/catalog_server.h"
#include "engine/core/errors.h"
#include "engine/core/text_codec.h"
#include "engine/net/service_codec.h"
#include "engine/online/system_catalog.h"
#include "engine/stakes/systems.h"
#include "gui/core/form_main.h"
#include "gui/core/main_window_keys.h"
#include "gui/core/shortcut_router.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui/support/window_settings.h"
#include "gui/systems/form_system.h"
#include "gui/systems/systems_commands.h"
#include "gui/systems/systems_tab.h"
#include "gui_test_support.h"
#include "operator_site.h"
#include "test_support.h"

using namespace mv;
using namespace mv::gui;
namespace fs = std::filesystem;

namespace {

constexpr int kSystemsPage = 8;
constexpr int kTitle = 0, kNumbers = 2, kStatus = 6;

// The club's service on a free port with a fresh database, and a data folder whose
// configuration names it for a member.
struct TClub {
    mv::test::TTempDir Root;
    std::unique_ptr<mv::test::TServerProcess> Service;
    QTemporaryDir Data;

    TClub() {
        if (!mv::test::MakeSelfSignedCertificate(Root.Path())) throw std::runtime_error("cert");
        Service = std::make_unique<mv::test::TServerProcess>(
            MV_CATALOG_SERVICE_PATH,
            std::vector<std::string>{"serve", "--db", (Root / "club.db").string(), "--cert",
                                     (Root / "cert.pem").string(), "--key",
                                     (Root / "key.pem").string()},
            true);
    }
    fs::path Dir() const { return Data.path().toStdString(); }
    void Configure(const std::string& name, const std::string& mail) const {
        ConfigureFor(Dir(), Service->Url(""), (Root / "cert.pem").string(), name, mail);
    }
    static void ConfigureFor(const fs::path& dir, const std::string& url, const std::string& ca,
                             const std::string& name, const std::string& mail) {
        mv::test::WriteBytes(
            dir / "Marvolet_5z36.ini",
            Utf8ToCp1251("[ONLINE]\r\nServiceUrl=" + url + "\r\nCaFile=" + ca +
                         "\r\nUserName=" + name + "\r\nUserMail=" + mail + "\r\n"));
    }
    // A member's own publication, made through the engine.
    std::int32_t Publish(const std::string& mail, const std::string& title, int numbers,
                         const std::string& combinations, int count) const {
        TOnlineService service;
        service.ServiceUrl = Service->Url("");
        service.CaFile = (Root / "cert.pem").string();
        service.Http.ExtraCaFile = service.CaFile;
        service.Client.AppId = ServiceAppId;
        service.Client.AppVersion = "1.0.0.0";
        service.Client.UserName = "Борис";
        service.Client.UserMail = mail;
        TSystemData system = NewSystemData(service.Client);
        system.Title = title;
        system.Description = "Описание";
        system.Numbers = static_cast<std::uint8_t>(numbers);
        system.CombinationText = combinations;
        system.Combinations = count;
        return PutSystem(service, system, false);
    }
};

TSystemsTab& Tab(TFormMain& window) {
    return *window.SystemsCommands().Tab();
}
TSystemsModel& Model(TFormMain& window) {
    return *Tab(window).Model();
}
QString Cell(TFormMain& window, int row, int column) {
    return Model(window).Row(row).Cell(column);
}
int RowOf(TFormMain& window, const QString& title) {
    for (int r = 0; r < Model(window).Count(); ++r) {
        if (Cell(window, r, kTitle) == title) return r;
    }
    return -1;
}
bool Enabled(TFormMain& window, const char* name) {
    window.UpdateActions();
    return window.Action(QString::fromLatin1(name))->isEnabled();
}
void Select(TFormMain& window, std::initializer_list<int> rows) {
    TSortableListView* list = Tab(window).List();
    list->clearSelection();
    for (int row : rows) {
        list->selectionModel()->select(Model(window).index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    window.UpdateActions();
}
std::time_t ModificationTime(const fs::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 ? st.st_mtime : 0;
}

const std::string kSeven = "1 2 3 4 5\r\n3 4 5 6 7\r\n1 2 5 6 7\r\n";

}  // namespace

class TSystemsTabTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gui::test::EnableMessageTestMode(); }

    // The list at start-up, sorted by the number count; a download writes the local file with
    // the entry's time, keeps one system per number count, and a changed local file is
    // downloaded again when the list loads.
    void listAndDownload() {
        TClub club;
        const std::int32_t a = club.Publish("bob@club.example", "Семь А", 7, kSeven, 3);
        const std::int32_t b = club.Publish("bob@club.example", "Семь Б", 7, kSeven, 3);
        club.Publish("bob@club.example", "Шесть", 6, "1 2 3 4 5\r\n2 3 4 5 6\r\n", 2);
        QVERIFY(a > 0 && b > 0);
        club.Configure("Алиса", "alice@club.example");
        auto window = gui::test::StartMainWindow(club.Data.path());
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());
        QVERIFY(window->RightPages()->isTabVisible(kSystemsPage));
        QCOMPARE(Model(*window).Count(), 3);
        QCOMPARE(Cell(*window, 0, kTitle), QStringLiteral("Шесть"));
        QCOMPARE(Cell(*window, 0, kNumbers), QStringLiteral("06"));
        const int rowA = RowOf(*window, QStringLiteral("Семь А"));
        const int rowB = RowOf(*window, QStringLiteral("Семь Б"));
        QCOMPARE(Model(*window).Record(rowA).State, TSystemRowState::ForeignNotDownloaded);
        QVERIFY(!Enabled(*window, "SystemsDownload"));
        QVERIFY(!Enabled(*window, "SystemsDel"));
        window->RightPages()->setCurrentIndex(kSystemsPage);
        gui::test::SaveScreenshot(window.get(), QStringLiteral("systems_tab.png"));

        Select(*window, {rowA});
        QVERIFY(Enabled(*window, "SystemsDownload"));
        QVERIFY(!Enabled(*window, "SystemsDel"));  // another member's
        window->Action(QStringLiteral("SystemsDownload"))->trigger();
        QVERIFY2(gui::test::RecordedMessageTexts().isEmpty(),
                 qPrintable(gui::test::LastMessageText()));
        const TSystemInfo infoA = Model(*window).Record(rowA).Info;
        const fs::path fileA = LocalSystemFile(club.Dir(), infoA);
        QCOMPARE(mv::test::ReadBytes(fileA), kSeven);
        QVERIFY(!SystemNeedsUpdate(club.Dir(), infoA));
        QCOMPARE(Cell(*window, rowA, kStatus), QStringLiteral("Загружена"));
        QCOMPARE(Model(*window).Record(rowA).State, TSystemRowState::ForeignDownloaded);

        // Two selected: both downloaded in list order, the second replacing the first on disk;
        // the first selected row stays selected.
        Select(*window, {rowA, rowB});
        window->Action(QStringLiteral("SystemsDownload"))->trigger();
        const fs::path fileB = LocalSystemFile(club.Dir(), Model(*window).Record(rowB).Info);
        QVERIFY(fs::exists(fileB));
        QVERIFY(!fs::exists(fileA));
        QCOMPARE(Cell(*window, rowA, kStatus), QString());
        QCOMPARE(Cell(*window, rowB, kStatus), QStringLiteral("Загружена"));
        QCOMPARE(Tab(*window).SelectedRows(), std::vector<int>{std::min(rowA, rowB)});

        // A local file of another version comes back as the catalog has it, and the selected
        // entry stays selected across the reload.
        mv::test::WriteBytes(fileB, "1 2 3 4 5\r\n");
        const utimbuf old{1000000000, 1000000000};
        QCOMPARE(::utime(fileB.c_str(), &old), 0);
        Select(*window, {rowB});
        window->Action(QStringLiteral("SystemsRefresh"))->trigger();
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());
        QCOMPARE(mv::test::ReadBytes(fileB), kSeven);
        QVERIFY(ModificationTime(fileB) != old.modtime);
        QCOMPARE(Tab(*window).SelectedRows(),
                 std::vector<int>{RowOf(*window, QStringLiteral("Семь Б"))});
    }

    // A member publishes through the dialog, changes the system and deletes it; the service
    // holds what the list shows.
    void publishChangeAndDelete() {
        TClub club;
        club.Configure("Алиса", "alice@club.example");
        auto window = gui::test::StartMainWindow(club.Data.path());
        // The service lists nothing yet.
        QCOMPARE(Model(*window).Count(), 1);
        QCOMPARE(Cell(*window, 0, kTitle), QStringLiteral("Список систем не доступен!"));
        QCOMPARE(Cell(*window, 0, kNumbers), QString());
        QVERIFY(TSystemsModel::StateIcon(Model(*window).Record(0).State).isNull());

        bool editable = false;
        QString author;
        window->Dialogs().On<TFormSystem>([&](TFormSystem& d) {
            editable = d.Editable();
            author = d.AuthorEdit()->text();
            d.TitleEdit()->setText(QStringLiteral("Моя семёрка"));
            d.DescriptionEdit()->setPlainText(QStringLiteral("Три строки"));
            d.CombinationsEdit()->setPlainText(QStringLiteral("1 2 3 4 5\n3,4,5,6,7\n1-2-5-6-7\n"));
            d.CheckCombinations();
            return d.Validate();
        });
        window->Action(QStringLiteral("SystemsAdd"))->trigger();
        QVERIFY2(gui::test::RecordedMessageTexts().isEmpty(),
                 qPrintable(gui::test::LastMessageText()));
        QVERIFY(editable);
        QCOMPARE(author, QStringLiteral("Алиса"));
        const int row = RowOf(*window, QStringLiteral("Моя семёрка"));
        QVERIFY(row >= 0);
        QCOMPARE(Tab(*window).SelectedRows(), std::vector<int>{row});
        const TSystemRow added = Model(*window).Record(row);
        QVERIFY(added.Info.Id > 0);
        QCOMPARE(added.State, TSystemRowState::OwnNotDownloaded);
        QCOMPARE(int(added.Info.Numbers), 7);
        QCOMPARE(added.Info.Combinations, 3);
        QVERIFY(Enabled(*window, "SystemsDel"));

        // Its properties: the combinations as stored, editable; a new title is stored.
        QString shown;
        window->Dialogs().On<TFormSystem>([&](TFormSystem& d) {
            editable = d.Editable();
            shown = d.CombinationsEdit()->toPlainText();
            d.TitleEdit()->setText(QStringLiteral("Семёрка Алисы"));
            return d.Validate();
        });
        window->Action(QStringLiteral("SystemsProp"))->trigger();
        QVERIFY(editable);
        QCOMPARE(shown, QStringLiteral("01 02 03 04 05\n03 04 05 06 07\n01 02 05 06 07"));
        QCOMPARE(Cell(*window, row, kTitle), QStringLiteral("Семёрка Алисы"));
        window->Action(QStringLiteral("SystemsDownload"))->trigger();
        window->Action(QStringLiteral("SystemsRefresh"))->trigger();
        const int stored = RowOf(*window, QStringLiteral("Семёрка Алисы"));
        QVERIFY(stored >= 0);
        QCOMPARE(Model(*window).Record(stored).State, TSystemRowState::OwnDownloaded);
        const fs::path local = LocalSystemFile(club.Dir(), Model(*window).Record(stored).Info);
        QCOMPARE(mv::test::ReadBytes(local),
                 std::string("01 02 03 04 05\r\n03 04 05 06 07\r\n01 02 05 06 07\r\n"));

        // Deleting asks first, No being the default; No keeps everything.
        Select(*window, {stored});
        TMessages::QueueAnswer(false);
        window->Action(QStringLiteral("SystemsDel"))->trigger();
        QCOMPARE(TMessages::Recorded().back().Text,
                 QStringLiteral("Вы действительно хотите удалить систему \"Семёрка Алисы\"?"));
        QVERIFY(TMessages::Recorded().back().DefaultNo);
        QCOMPARE(Model(*window).Count(), 1);
        window->Action(QStringLiteral("SystemsDel"))->trigger();
        QCOMPARE(Model(*window).Count(), 0);
        QVERIFY(!fs::exists(local));
        window->Action(QStringLiteral("SystemsRefresh"))->trigger();
        QCOMPARE(Cell(*window, 0, kTitle), QStringLiteral("Список систем не доступен!"));
    }

    // Another member's system opens read-only and cannot be deleted; the service's own
    // refusal reaches the user as a message and keeps the row.
    void ownerRules() {
        TClub club;
        const std::int32_t bobs = club.Publish("bob@club.example", "Чужая", 7, kSeven, 3);
        const std::int32_t mine = club.Publish("ALICE@club.example", "Своя", 7, kSeven, 3);
        QVERIFY(bobs > 0 && mine > 0);
        club.Configure("Алиса", "alice@club.example");
        auto window = gui::test::StartMainWindow(club.Data.path());
        const int foreign = RowOf(*window, QStringLiteral("Чужая"));
        Select(*window, {foreign});
        QVERIFY(!Enabled(*window, "SystemsDel"));
        bool editable = true, okShown = true, readOnly = false;
        window->Dialogs().On<TFormSystem>([&](TFormSystem& d) {
            editable = d.Editable();
            okShown = d.OkButton()->isVisibleTo(&d);
            readOnly = d.TitleEdit()->isReadOnly() && d.CombinationsEdit()->isReadOnly();
            return false;
        });
        window->Action(QStringLiteral("SystemsProp"))->trigger();
        QVERIFY(!editable && !okShown && readOnly);
        window->SystemsCommands().Delete();
        QCOMPARE(gui::test::LastMessageText(),
                 QStringLiteral("Вы можете удалять только свои системы!"));
        window->Action(QStringLiteral("SystemsRefresh"))->trigger();
        QCOMPARE(Model(*window).Count(), 2);

        // The own one (its address compared without regard to case), already gone from the
        // service when the user deletes it.
        const int own = RowOf(*window, QStringLiteral("Своя"));
        QCOMPARE(Model(*window).Record(own).State, TSystemRowState::OwnNotDownloaded);
        TSystemData gone;
        static_cast<TSystemInfo&>(gone) = Model(*window).Record(own).Info;
        {
            TOnlineService service =
                OnlineServiceFor(TDataPaths{club.Dir()}.Config(), TProxy{}, nullptr);
            QCOMPARE(PutSystem(service, gone, true), 0);
        }
        Select(*window, {own});
        gui::test::EnableMessageTestMode();
        window->Action(QStringLiteral("SystemsDel"))->trigger();
        QCOMPARE(gui::test::RecordedMessageTexts().size(), 2);  // the question, the refusal
        QCOMPARE(gui::test::LastMessageText(),
                 QStringLiteral("Ошибка сохранения системы #%1!\n\nСистема не найдена.").arg(mine));
        QCOMPARE(Model(*window).Count(), 2);
    }

    // "Системная игра" hides the tab with the two system-stake commands, stores the choice
    // and brings the list back when shown again; the next start follows the stored choice.
    void visibility() {
        TClub club;
        club.Publish("bob@club.example", "Семь", 7, kSeven, 3);
        club.Configure("Алиса", "alice@club.example");
        {
            auto window = gui::test::StartMainWindow(club.Data.path());
            QStringList menus;
            for (QAction* a : window->menuBar()->actions()) {
                if (a->isVisible() && a->menu()->isEnabled()) menus << a->text();
            }
            QVERIFY(menus.contains(QStringLiteral("Системы")));
            QAction* on = window->Action(QStringLiteral("SystemsOn"));
            const QKeySequence ctrlJ(QStringLiteral("Ctrl+J"));
            QCOMPARE(on->shortcut(), ctrlJ);
            QVERIFY(on->isChecked());
            // The key opens a scenario while the scenario is in front.
            window->RightPages()->setCurrentIndex(window->RightPages()->count() - 1);
            window->UpdateActions();
            QCOMPARE(window->Shortcuts().Resolve(ctrlJ),
                     window->Action(QStringLiteral("ScriptOpen")));
            window->RightPages()->setCurrentIndex(kSystemsPage);
            QCOMPARE(window->Shortcuts().Resolve(ctrlJ), on);
            on->trigger();
            QVERIFY(!window->RightPages()->isTabVisible(kSystemsPage));
            QVERIFY(!on->isChecked());
            QCOMPARE(Model(*window).Count(), 0);
            for (const char* name : {"SystemStakeAll", "SystemStakeFilter"}) {
                QVERIFY2(!window->Action(QString::fromLatin1(name))->isVisible(), name);
                QVERIFY2(!Enabled(*window, name), name);
            }
            for (const char* name : {"SystemsRefresh", "SystemsAdd", "SystemsProp"}) {
                QVERIFY2(!Enabled(*window, name), name);
            }
            const TWindowSettings stored(TDataPaths{club.Dir()}.WindowSettings());
            QVERIFY(!ReadMainFlag(stored, MainWindowKey::SystemsEnabled));
        }
        auto window = gui::test::StartMainWindow(club.Data.path());
        QVERIFY(!window->RightPages()->isTabVisible(kSystemsPage));
        QCOMPARE(Model(*window).Count(), 0);
        QVERIFY(!window->Action(QStringLiteral("SystemStakeAll"))->isVisible());
        window->Action(QStringLiteral("SystemsOn"))->trigger();
        QVERIFY(window->RightPages()->isTabVisible(kSystemsPage));
        QCOMPARE(window->RightPages()->currentIndex(), kSystemsPage);
        QCOMPARE(Model(*window).Count(), 1);
        QVERIFY(window->Action(QStringLiteral("SystemStakeAll"))->isVisible());
    }

    // Replies the real service never gives: a garbage system text and a broken list leave the
    // local files as they were; an entry without an author's address is editable for a user
    // without one, yet not deletable.
    void garbageAndAnonymousEntries() {
        mv::test::TTempDir root;
        mv::test::TCatalogServer server(root.Path());
        QTemporaryDir data;
        const fs::path dir = data.path().toStdString();
        TClub::ConfigureFor(dir, server.Url(), server.CertFile().string(), "Аноним", "");
        using mv::test::Tag;
        server.SetReply("/scripts/sys_getlist.php",
                        mv::test::Reply({Tag("id", "5") + Tag("nums", "7") + Tag("olap", "0") +
                                         Tag("csize", "3") + Tag("title", Base64Encode("Ничья")) +
                                         Tag("descr", "") + Tag("author", "") + Tag("cl_mail", "") +
                                         Tag("url", "") + Tag("created", "2024-05-01 10:00:00") +
                                         Tag("last_download", "") + Tag("downloads", "2")}));
        server.SetReply(
            "/scripts/sys_getdata.php",
            mv::test::Reply({Tag("clist", Base64Encode("1 2 3 4 5\r\nмусор\r\n1 2 3 4 99\r\n"))}));
        TSystemInfo entry;
        entry.Id = 5;
        entry.Numbers = 7;
        const fs::path local = LocalSystemFile(dir, entry);
        fs::create_directories(local.parent_path());
        mv::test::WriteBytes(local, kSeven);  // another version than the listed one
        auto window = gui::test::StartMainWindow(data.path());
        // The start-up reload refused the text and left the file.
        QCOMPARE(gui::test::RecordedMessageTexts().size(), 1);
        QVERIFY(
            gui::test::LastMessageText().startsWith(QStringLiteral("Ошибка загрузки системы #5!")));
        QCOMPARE(mv::test::ReadBytes(local), kSeven);
        QCOMPARE(Model(*window).Count(), 1);
        QCOMPARE(Model(*window).Record(0).State, TSystemRowState::AnonymousDownloaded);
        Select(*window, {0});
        window->Action(QStringLiteral("SystemsDownload"))->trigger();
        QCOMPARE(gui::test::RecordedMessageTexts().size(), 2);
        QCOMPARE(mv::test::ReadBytes(local), kSeven);
        QVERIFY(!Enabled(*window, "SystemsDel"));
        bool editable = false;
        window->Dialogs().On<TFormSystem>([&](TFormSystem& d) {
            editable = d.Editable();
            return false;
        });
        window->Action(QStringLiteral("SystemsProp"))->trigger();
        QVERIFY(editable);

        // A list reply cut short: the error, no rows, the file untouched.
        server.SetReply("/scripts/sys_getlist.php", "<result><row><id>5</id>");
        gui::test::EnableMessageTestMode();
        window->Action(QStringLiteral("SystemsRefresh"))->trigger();
        QCOMPARE(gui::test::RecordedMessageTexts().size(), 1);
        QVERIFY(gui::test::LastMessageText().startsWith(
            QStringLiteral("Ошибка загрузки списка систем!\n\n")));
        QCOMPARE(Model(*window).Count(), 0);
        QCOMPARE(mv::test::ReadBytes(local), kSeven);
    }

    // The dialog on its own: tidying the combination list, the number fields, the checks of
    // OK in their order, and what it reads back.
    void dialogTidiesAndChecks() {
        TSystemData system;
        system.Author = "Алиса";
        system.Numbers = 7;
        TFormSystem d(system, true);
        d.CombinationsEdit()->setPlainText(QStringLiteral("3 4 5 6 7\nx\n1 2 3 4 5 6\n"));
        QVERIFY(d.CheckCombinations());
        QCOMPARE(d.CombinationsEdit()->toPlainText(), QStringLiteral("03 04 05 06 07"));
        QCOMPARE(d.NumbersEdit()->text(), QStringLiteral("5"));
        QCOMPARE(d.CombinationsLabel()->text(), QStringLiteral("1"));
        QCOMPARE(d.LengthEdit()->text(), QStringLiteral("5"));
        QVERIFY(d.LengthEdit()->isReadOnly());

        // The number fields take digits only.
        d.BlockEdit()->clear();
        QTest::keyClicks(d.BlockEdit(), QStringLiteral("1a-2"));
        QTest::keyClick(d.BlockEdit(), Qt::Key_Backspace);
        QCOMPARE(d.BlockEdit()->text(), QStringLiteral("12"));

        struct TCase {
            const char* Title;
            const char* Numbers;
            const char* Block;
            const char* Description;
            const char* Message;
        };
        const TCase cases[] = {
            {" ", "7", "0", "Описание", "Название системы должно быть указано обязательно!"},
            {"Т", "5", "0", "Описание", "Указано недопустмое количество используемых чисел!"},
            {"Т", "37", "0", "Описание", "Указано недопустмое количество используемых чисел!"},
            {"Т", "7", "5", "Описание", "Указан недопустмый размер блока!"},
            {"Т", "36", "4", " ", "Описание системы должно быть указано обязательно!"},
        };
        for (const TCase& c : cases) {
            d.TitleEdit()->setText(QString::fromUtf8(c.Title));
            d.NumbersEdit()->setText(QString::fromUtf8(c.Numbers));
            d.BlockEdit()->setText(QString::fromUtf8(c.Block));
            d.DescriptionEdit()->setPlainText(QString::fromUtf8(c.Description));
            QVERIFY(!d.Validate());
            QCOMPARE(gui::test::LastMessageText(), QString::fromUtf8(c.Message));
        }
        d.DescriptionEdit()->setPlainText(QStringLiteral("Описание"));
        d.CombinationsEdit()->setPlainText(QStringLiteral("  \n"));
        QVERIFY(!d.Validate());
        QCOMPARE(gui::test::LastMessageText(),
                 QStringLiteral("Содержимое системы должно быть указано обязательно!"));

        // Read back: every line ends in CR LF; an empty creation time becomes now.
        d.CombinationsEdit()->setPlainText(QStringLiteral("01 02 03 04 05\n01 02 03 04 06"));
        QVERIFY(d.CheckCombinations());
        QVERIFY(d.Validate());
        const TSystemData result = d.Result();
        QCOMPARE(result.CombinationText, std::string("01 02 03 04 05\r\n01 02 03 04 06\r\n"));
        QCOMPARE(result.Combinations, 2);
        QCOMPARE(int(result.Numbers), 6);
        QVERIFY(result.Created > 0);
        QCOMPARE(result.LastDownload, 0.0);

        // A word of a five-word line that is no number stops the tidying; the lines after it
        // are already rewritten.
        d.CombinationsEdit()->setPlainText(QStringLiteral("1 2 3 4 z\n5 6 7 8 9"));
        QVERIFY(!d.CheckCombinations());
        QCOMPARE(d.CombinationsEdit()->toPlainText(), QStringLiteral("1 2 3 4 z\n05 06 07 08 09"));

        // The link button: enabled with a link, the scheme put in front when it has none.
        QVERIFY(!d.LinkButton()->isEnabled());
        d.LinkEdit()->setText(QStringLiteral("club.example/s"));
        QVERIFY(d.LinkButton()->isEnabled());
        QCOMPARE(TFormSystem::BrowserAddress(QStringLiteral("club.example/s")),
                 QStringLiteral("http://club.example/s"));
        QCOMPARE(TFormSystem::BrowserAddress(QStringLiteral("FTPS://h/x")),
                 QStringLiteral("FTPS://h/x"));
        gui::test::SaveScreenshot(&d, QStringLiteral("systems_dialog.png"));
    }
};

QTEST_MAIN(TSystemsTabTest)
#include "systems_tab_test.moc"
