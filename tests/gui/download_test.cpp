// The draws download against the local operator site: the action adds the new draws to the
// draws page, a failed fetch asks whether to retry and leaves the archive; the start-up
// question; the proxy dialog and the address field of the configuration dialog.
#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "engine/draws/archive_file.h"
#include "engine/session/workspace.h"
#include "engine/support/config_file.h"
#include "gui/core/form_config.h"
#include "gui/core/form_main.h"
#include "gui/draws/form_proxy.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"
#include "operator_site.h"

using namespace mv;
using namespace mv::gui;

namespace {

std::string Path(const QTemporaryDir& dir, const char* name) {
    return (dir.path() + QLatin1Char('/') + QString::fromLatin1(name)).toStdString();
}

void WriteUrl(const QTemporaryDir& dir, const std::string& url) {
    QFile ini(dir.path() + QStringLiteral("/Marvolet_5z36.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(("[DOWNLOAD]\r\nDrawsUrl=" + url + "\r\n").c_str());
}

}  // namespace

class TDownloadTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gui::test::EnableMessageTestMode(); }

    void downloadAddsRowsAndAFailedFetchLeavesTheArchive() {
        QTemporaryDir dir;
        QTemporaryDir siteDir;
        WriteArchiveFile(Path(dir, "Marvolet_5z36.ldr"), gui::test::SyntheticDraws(10));
        std::vector<mv::test::TWorkbookRow> rows = {mv::test::HeadingRow()};
        for (int n = 12; n >= 1; --n)
            rows.push_back(mv::test::DrawRow(n, "12.03.2024 20:00", {n, 13, 14, 15, 16}, 1));
        mv::test::WriteWorkbook(Path(siteDir, "book.xlsx"), rows);
        mv::test::TOperatorSiteOptions options;
        options.Workbook = Path(siteDir, "book.xlsx");
        mv::test::TOperatorSite site(options);
        WriteUrl(dir, site.Url("/results.xlsx"));

        // The start-up question (mode 0) answered "no": nothing is fetched.
        TMessages::QueueAnswer(false);
        auto window = gui::test::StartMainWindow(dir.path());
        QVERIFY(gui::test::RecordedMessageTexts().join(QString()).contains(
            QStringLiteral("Обновить список тиражей?")));
        QAbstractItemModel* draws = window->DrawsList()->model();
        QCOMPARE(draws->rowCount(), 10);

        window->Action(QStringLiteral("DrawsDownload"))->trigger();
        QCOMPARE(draws->rowCount(), 12);
        QCOMPARE(draws->index(0, 0).data().toString(), QStringLiteral("12"));
        QCOMPARE(window->Workspace().DrawArchive().back().Date(), std::string("12.03.2024"));
        QCOMPARE(window->PanelText(TTemplateMain::PanelStatus), QString());

        // A 404: the retry question carries the reason; "no" leaves the archive.
        WriteUrl(dir, site.Url("/404"));
        gui::test::EnableMessageTestMode();
        TMessages::QueueAnswer(false);
        window->Action(QStringLiteral("DrawsDownload"))->trigger();
        const auto& shown = TMessages::Recorded();
        QCOMPARE(int(shown.size()), 1);
        QVERIFY(shown[0].Question);
        QCOMPARE(shown[0].Caption, QStringLiteral("Ошибка"));
        QVERIFY2(shown[0].Text.startsWith(QStringLiteral("Ошибка загрузки архива тиражей с сайта")),
                 qPrintable(shown[0].Text));
        QVERIFY2(shown[0].Text.contains(QStringLiteral("404")), qPrintable(shown[0].Text));
        QCOMPARE(draws->rowCount(), 12);
        QVERIFY(window->Action(QStringLiteral("DrawsDownload"))->isEnabled());

        // Without an address the action says where to set one.
        WriteUrl(dir, "");
        gui::test::EnableMessageTestMode();
        window->Action(QStringLiteral("DrawsDownload"))->trigger();
        QVERIFY(gui::test::LastMessageText().contains(QStringLiteral("Параметры системы")));
    }

    void proxyDialogEnablesItsFieldsAndStoresTheChoice() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        bool seen = false;
        window->Dialogs().On<TFormProxy>([&](TFormProxy& d) {
            seen = true;
            d.CheckButtons();  // as on activation
            if (!d.NoProxyButton()->isChecked() || d.ServerEdit()->isEnabled()) return false;
            d.ManualButton()->click();
            if (!d.ServerEdit()->isEnabled() || !d.PasswordEdit()->isEnabled()) return false;
            d.ServerEdit()->setText(QStringLiteral("proxy.local"));
            d.PortEdit()->setValue(3128);
            d.UserEdit()->setText(QStringLiteral("user"));
            d.PasswordEdit()->setText(QStringLiteral("secret"));
            gui::test::SaveScreenshot(&d, QStringLiteral("proxy_dialog.png"));
            return true;
        });
        window->Action(QStringLiteral("EditProxy"))->trigger();
        QVERIFY(seen);
        const TProxy manual{2, "proxy.local", 3128, "user", "secret", true};
        QCOMPARE(window->Workspace().Proxy, manual);
        TProxy stored;
        LoadProxySettings(window->Workspace().Paths().Config(), stored);
        QCOMPARE(stored, manual);

        // Automatic search keeps no server, credentials or port.
        window->Dialogs().On<TFormProxy>([&](TFormProxy& d) {
            d.AutoButton()->click();
            return !d.ServerEdit()->isEnabled();
        });
        window->Action(QStringLiteral("EditProxy"))->trigger();
        QCOMPARE(window->Workspace().Proxy, (TProxy{1, "", 0, "", "", true}));
    }

    void configurationDialogStoresTheAddress() {
        QTemporaryDir dir;
        WriteUrl(dir, "http://old.example/results.xlsx");
        TMessages::QueueAnswer(false);  // no download at start
        auto window = gui::test::StartMainWindow(dir.path());
        window->Dialogs().On<TFormConfig>([&](TFormConfig& d) {
            if (d.DrawsUrlEdit()->text() != QStringLiteral("http://old.example/results.xlsx"))
                return false;
            d.DrawsUrlEdit()->setText(QStringLiteral(" https://new.example/results.xlsx "));
            return true;
        });
        window->Action(QStringLiteral("EditConfig"))->trigger();
        QCOMPARE(LoadDrawsUrl(window->Workspace().Paths().Config()),
                 std::string("https://new.example/results.xlsx"));
    }
};

QTEST_MAIN(TDownloadTest)
#include "download_test.moc"
