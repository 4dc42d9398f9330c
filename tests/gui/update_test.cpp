// The self-update in the desktop program: the informer dialog decides, the installation runs
// in the busy frame, an installed update restarts the program; the setting "AutoUpdates" and
// the silent check at start.
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>

#include "../engine/update/update_fixture.h"
#include "engine/support/busy.h"
#include "gui/core/form_main.h"
#include "gui/core/main_window_keys.h"
#include "gui/support/messages.h"
#include "gui/support/window_settings.h"
#include "gui/update/form_update_informer.h"
#include "gui/update/update_commands.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;
namespace fs = std::filesystem;

namespace {

// A data folder, a program folder with the old build and a service folder with a signed
// release of 13.6.1.201.
struct TUpdateSetup {
    QTemporaryDir Data;
    mv::test::TTempDir Root;
    fs::path Program = Root / "program";
    mv::test::TKeyPair Key;
    mv::test::TUpdateSite Site{Root / "svc/files/autoupdates"};

    TUpdateSetup() {
        fs::create_directories(Program);
        mv::test::WriteBytes(Program / "Marvolet_5z36", "old program");
        Site.Publish(mv::test::TRelease{}, Key);
    }
    // Configured after the window started, so that its own start-up check finds no service.
    void Configure(const std::string& publicKey) const {
        mv::test::WriteBytes(fs::path(Data.path().toStdString()) / "Marvolet_5z36.ini",
                             "[ONLINE]\r\nServiceUrl=" + (Root / "svc").string() +
                                 "\r\n[UPDATE]\r\nPublicKey=" + publicKey + "\r\n");
    }
};

}  // namespace

class TUpdateTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gui::test::EnableMessageTestMode(); }

    void theInformerShowsTheOfferAndInstallRestarts() {
        TUpdateSetup setup;
        auto window = gui::test::StartMainWindow(setup.Data.path());
        setup.Configure(setup.Key.PublicBase64());
        TUpdateCommands& commands = window->UpdateCommands();
        commands.SetProgramDir(setup.Program);
        int restarts = 0;
        bool busyInside = false;
        commands.SetRestarter([&] { ++restarts; });
        QString title, current, offered, description, install;
        bool readOnly = false, isDefault = false;
        window->Dialogs().On<TfrmUpdateInformer>([&](TfrmUpdateInformer& d) {
            busyInside = !IsIdle();
            title = d.windowTitle();
            current = d.CurrentVersion()->text();
            offered = d.NewVersion()->text();
            description = d.Description()->toPlainText();
            install = d.InstallButton()->text();
            readOnly = d.CurrentVersion()->isReadOnly() && d.NewVersion()->isReadOnly() &&
                       d.Description()->isReadOnly();
            isDefault = d.InstallButton()->isDefault();
            return true;
        });
        QAction* check = window->Action(QStringLiteral("CheckUpdate"));
        QCOMPARE(check->text(), QStringLiteral("Поиск обновлений"));
        check->trigger();
        QVERIFY(busyInside);
        QCOMPARE(title, QStringLiteral("Найдена новая версия программы"));
        QCOMPARE(current, QString::fromStdString(ProgramFileVersion()));
        QCOMPARE(offered, QStringLiteral("13.6.1.201"));
        QCOMPARE(description, QStringLiteral("Исправлены ошибки.\nУскорен расчёт."));
        QCOMPARE(install, QStringLiteral("Установить"));
        QVERIFY(readOnly && isDefault);
        QVERIFY(IsIdle());
        QCOMPARE(commands.LastResult(), int(urInstalled));
        QCOMPARE(restarts, 1);
        QCOMPARE(mv::test::ReadBytes(setup.Program / "Marvolet_5z36"), std::string("new program"));
        QCOMPARE(gui::test::RecordedMessageTexts().size(), 1);
        QVERIFY(gui::test::LastMessageText().contains(
            QStringLiteral("Установка обновления \"Весенний выпуск\" успешно выполнена.")));
    }

    void cancelLeavesEverythingAndAWrongKeyIsReported() {
        TUpdateSetup setup;
        auto window = gui::test::StartMainWindow(setup.Data.path());
        setup.Configure(setup.Key.PublicBase64());
        TUpdateCommands& commands = window->UpdateCommands();
        commands.SetProgramDir(setup.Program);
        int restarts = 0;
        commands.SetRestarter([&] { ++restarts; });
        int offers = 0;
        window->Dialogs().On<TfrmUpdateInformer>([&](TfrmUpdateInformer&) {
            ++offers;
            return false;
        });
        const auto before = mv::test::Snapshot(setup.Program);
        window->Action(QStringLiteral("CheckUpdate"))->trigger();
        QCOMPARE(offers, 1);
        QCOMPARE(commands.LastResult(), int(urNothingInstalled));
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());
        QCOMPARE(mv::test::Snapshot(setup.Program), before);

        const mv::test::TKeyPair other;
        setup.Configure(other.PublicBase64());
        window->Action(QStringLiteral("CheckUpdate"))->trigger();
        QCOMPARE(offers, 1);
        QVERIFY(
            gui::test::LastMessageText().startsWith(QStringLiteral("Ошибка поиска обновлений!")));
        QVERIFY(gui::test::LastMessageText().contains(
            QStringLiteral("Подпись описания обновления отсутствует или неверна.")));
        QCOMPARE(restarts, 0);
        QCOMPARE(mv::test::Snapshot(setup.Program), before);
    }

    void theSettingIsStoredAndDecidesTheSilentCheckAtStart() {
        TUpdateSetup setup;
        auto window = gui::test::StartMainWindow(setup.Data.path());
        TUpdateCommands& commands = window->UpdateCommands();
        commands.SetProgramDir(setup.Program);
        int restarts = 0;
        commands.SetRestarter([&] { ++restarts; });
        window->Dialogs().On<TfrmUpdateInformer>([](TfrmUpdateInformer&) { return true; });
        QAction* autoUpdate = window->Action(QStringLiteral("AutoSelfUpdate"));
        QVERIFY(autoUpdate->isChecked());  // on by default

        // A silent check that cannot verify the description says nothing.
        const mv::test::TKeyPair other;
        setup.Configure(other.PublicBase64());
        QVERIFY(!commands.CheckAtStart());
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());

        autoUpdate->trigger();
        QVERIFY(!autoUpdate->isChecked());
        QVERIFY(!commands.AutoUpdates());
        {
            TWindowSettings settings(fs::path(setup.Data.path().toStdString()) /
                                     "Marvolet_5z36.frm");
            QVERIFY(!ReadMainFlag(settings, MainWindowKey::AutoUpdates));
        }
        setup.Configure(setup.Key.PublicBase64());
        QVERIFY(!commands.CheckAtStart());
        QCOMPARE(restarts, 0);

        autoUpdate->trigger();
        QVERIFY(autoUpdate->isChecked());
        QVERIFY(commands.CheckAtStart());
        QCOMPARE(restarts, 1);
        QCOMPARE(mv::test::ReadBytes(setup.Program / "Marvolet_5z36"), std::string("new program"));
    }
};

QTEST_MAIN(TUpdateTest)
#include "update_test.moc"
