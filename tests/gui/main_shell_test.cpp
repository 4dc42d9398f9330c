// The main window's frame: tabs and menus, the busy state, the recalculation dispatcher and
// the settings that survive a restart.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "engine/draws/archive_file.h"
#include "engine/session/workspace.h"
#include "engine/support/busy.h"
#include "engine/support/ini_file.h"
#include "gui/combs/combs_tab.h"
#include "gui/core/form_config.h"
#include "gui/core/form_first_run.h"
#include "gui/core/form_main.h"
#include "gui/stats/form_filter_help.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"
#include "gui/support/window_settings.h"
#include "gui/views/analysis_commands.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

// Takes the addresses the program asks the desktop to open.
class TUrlRecorder : public QObject {
    Q_OBJECT
public:
    QStringList Opened;
public slots:
    void Open(const QUrl& url) { Opened << url.toString(); }
};

namespace {

QStringList U(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts) list << QString::fromUtf8(t);
    return list;
}

QStringList TabCaptions(const QTabWidget* tabs) {
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
    return captions;
}

}  // namespace

class TMainShellTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMessages::SetTestMode(true); }

    void framesTabsAndMenusInOrder() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(TabCaptions(window->LeftPages()),
                 QStringList({QStringLiteral("Архив тиражей"), QStringLiteral("Комбинации")}));
        QCOMPARE(TabCaptions(window->RightPages()),
                 U({"Статистика", "Графики", "Карта", "Схема", "Неделя", "Ставки", "Рейтинг",
                    "Регуляры", "Системы", "Сценарий"}));
        QStringList menus;
        for (QAction* a : window->menuBar()->actions()) {
            if (a->isVisible()) menus << a->text();
        }
        QCOMPARE(menus, U({"Файл", "Архив тиражей", "Комбинации", "Статистика", "Ставки",
                           "Рейтинг", "Регуляры", "Системы", "Сценарий", "Вид", "Справка"}));
        QCOMPARE(window->Action(QStringLiteral("ExitProgram"))->shortcut(),
                 QKeySequence(QStringLiteral("Alt+F4")));
    }

    void busyStateDisablesEveryAction() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        QVERIFY(window->Action(QStringLiteral("DrawsAdd"))->isEnabled());
        QStringList enabledInside;
        QString statusInside;
        window->RunBusy(QStringLiteral("Долгая операция..."), [&] {
            QTest::qWait(400);  // the idle update timer runs meanwhile
            for (QAction* a : window->actions()) {
                if (a->isEnabled()) enabledInside << a->objectName();
            }
            statusInside = window->PanelText(6);
        });
        QVERIFY2(enabledInside.isEmpty(), qPrintable(enabledInside.join(QLatin1Char(','))));
        QCOMPARE(statusInside, QStringLiteral("Долгая операция..."));
        QVERIFY(window->PanelText(6).isEmpty());
        QVERIFY(IsIdle());
        QVERIFY(window->Action(QStringLiteral("DrawsAdd"))->isEnabled());

        // A failing operation also ends the busy state, and its error is shown.
        window->RunBusy(QStringLiteral("Сбой..."), [] { throw EError("Ошибка!\r\rпричина"); });
        QVERIFY(IsIdle());
        QVERIFY(window->PanelText(6).isEmpty());
        QCOMPARE(TMessages::Recorded().back().Text, QStringLiteral("Ошибка!\n\nпричина"));
    }

    void recalculatesOnlyVisibleChangedViews() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        QTabWidget* right = window->RightPages();
        int input = 1;
        const QString view = QStringLiteral("Проба");
        window->Recalc().Register(
            view, right->widget(2), [&] { return TRecalcDispatcher::TInputs{input}; }, [] {});
        window->Recalculate(false);
        QCOMPARE(window->Recalc().ComputeCount(view), 0);  // not showing
        right->setCurrentIndex(2);
        QCOMPARE(window->Recalc().ComputeCount(view), 1);
        right->setCurrentIndex(0);
        right->setCurrentIndex(2);  // unchanged inputs: nothing recomputed
        QCOMPARE(window->Recalc().ComputeCount(view), 1);
        input = 2;
        window->Recalculate(false);
        QCOMPARE(window->Recalc().ComputeCount(view), 2);
        window->Recalculate(true);
        QCOMPARE(window->Recalc().ComputeCount(view), 3);

        // Hiding the tab and showing it again recomputes it at once.
        const QString card = TCardCommands::View;
        const int cards = window->Recalc().ComputeCount(card);
        QAction* toggle = window->Action(QStringLiteral("TabCard"));
        toggle->trigger();
        QVERIFY(!right->isTabVisible(2));
        QVERIFY(!toggle->isChecked());
        toggle->trigger();
        QVERIFY(right->isTabVisible(2));
        QCOMPARE(window->Recalc().ComputeCount(card), cards + 1);
    }

    void hiddenTabStaysHiddenAfterRestart() {
        QTemporaryDir dir;
        {
            auto window = gui::test::StartMainWindow(dir.path());
            window->Action(QStringLiteral("TabWeek"))->trigger();
            window->Action(QStringLiteral("DrawsSorted"))->trigger();
            window->Action(QStringLiteral("ViewColorDraws"))->trigger();
        }
        auto window = gui::test::StartMainWindow(dir.path());
        QVERIFY(!window->RightPages()->isTabVisible(4));
        QVERIFY(!window->Action(QStringLiteral("TabWeek"))->isChecked());
        QVERIFY(window->RightPages()->isTabVisible(2));
        QVERIFY(window->Workspace().SortedDraws());
        QVERIFY(window->Action(QStringLiteral("DrawsSorted"))->isChecked());
        QVERIFY(!window->Action(QStringLiteral("ViewColorDraws"))->isChecked());
    }

    // Panel sizes are applied once the window is on screen, and a panel never shown (the
    // combinations tab) keeps its stored size instead of the size of a widget never laid out.
    void panelSizesSurviveARun() {
        QTemporaryDir dir;
        const QString frm = dir.path() + QStringLiteral("/Marvolet_5z36.frm");
        QFile file(frm);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[TFormMain]\r\nPrefetchsInit=1\r\nLeftPanelWidth=520\r\nFiltersHeight=150\r\n");
        file.close();
        const auto stored = [&](const char* key) {
            return TWindowSettings(frm.toStdString()).ReadInteger("TFormMain", key, -1);
        };
        {
            auto window = gui::test::StartMainWindow(dir.path());
            QCOMPARE(window->findChild<QSplitter*>(QStringLiteral("splMain"))->sizes().value(0),
                     520);
        }
        QCOMPARE(stored("LeftPanelWidth"), 520);
        QCOMPARE(stored("FiltersHeight"), 150);
        auto window = gui::test::StartMainWindow(dir.path());
        window->LeftPages()->setCurrentIndex(1);
        QCOMPARE(window->findChild<QSplitter*>(QStringLiteral("splFilters"))->sizes().value(1),
                 150);
    }

    void configurationDialogSavesAndRecolours() {
        QTemporaryDir dir;
        TDrawsArray draws(1);
        draws[0].Number = 1;
        draws[0].Nums = {1, 7, 13, 19, 25};
        draws[0].Extra = 2;
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(), draws);
        {
            auto window = gui::test::StartMainWindow(dir.path());
            const QModelIndex seven = window->DrawsList()->model()->index(0, 2);
            QCOMPARE(seven.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 255, 170));
            window->Dialogs().On<TFormConfig>([](TFormConfig& dialog) {
                dialog.ChannelSizeEdit()->setValue(12);
                return true;
            });
            window->Action(QStringLiteral("EditConfig"))->trigger();
            QCOMPARE(window->Workspace().Config().ChannelSize, 12);
            // 7 now lies in channel 1 and is repainted at once.
            QCOMPARE(seven.data(Qt::BackgroundRole).value<QColor>(), QColor(170, 255, 170));
        }
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(window->Workspace().Config().ChannelSize, 12);
        QVERIFY(TMessages::Recorded().empty());
    }

    // The first-run dialog comes at the end of start-up while "FirstRun" is stored, with the
    // pages that have an address enabled; ticking "Больше не показывать" clears the flag.
    void firstRunDialogUntilDismissedForGood() {
        QTemporaryDir dir;
        const QString frm = dir.path() + QStringLiteral("/Marvolet_5z36.frm");
        QFile file(frm);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[TFormMain]\r\nPrefetchsInit=1\r\nFirstRun=1\r\n");
        file.close();
        TIniFile config((dir.path() + QStringLiteral("/Marvolet_5z36.ini")).toStdString());
        config.WriteString("LINKS", "urlBlog", "https://blog.example.org/marvolet");
        int shown = 0;
        QStringList enabled;
        // The dialog opens inside start-up's own event loop: a timer waits for it there.
        QTimer poll;
        poll.setInterval(20);
        bool dismiss = false;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* form = qobject_cast<TFormFirstRun*>(QApplication::activeModalWidget());
            if (!form) return;
            ++shown;
            QCOMPARE(form->windowTitle(), QStringLiteral("Справочная информация"));
            for (QPushButton* b : form->findChildren<QPushButton*>())
                if (b->isEnabled() && b->text() != QStringLiteral("Закрыть")) enabled << b->text();
            gui::test::SaveScreenshot(form, QStringLiteral("first_run.png"));
            form->DontShowAgain()->setChecked(dismiss);
            form->reject();
        });
        poll.start();
        const auto answer = [&](bool dismissIt) { dismiss = dismissIt; };
        answer(false);
        gui::test::StartMainWindow(dir.path());
        QCOMPARE(shown, 1);
        QCOMPARE(enabled, QStringList{QStringLiteral("Наш блог")});
        answer(true);
        gui::test::StartMainWindow(dir.path());
        QCOMPARE(shown, 2);
        QCOMPARE(TWindowSettings(frm.toStdString()).ReadInteger("TFormMain", "FirstRun", -1), 0);
        answer(true);
        gui::test::StartMainWindow(dir.path());
        QCOMPARE(shown, 2);
    }

    void dialogsKeepTheirPlacement() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        QDialog dialog(window.get());
        dialog.setObjectName(QStringLiteral("TFormProbe"));
        dialog.resize(321, 123);
        QTimer::singleShot(0, &dialog, &QDialog::accept);
        QVERIFY(window->ExecDialog(dialog, {}));
        const TIniFile frm((dir.path() + QStringLiteral("/Marvolet_5z36.frm")).toStdString());
        const std::string norm = frm.ReadString("TFormProbe", "NormPos", "");
        QVERIFY2(!norm.empty(), norm.c_str());
        // The next dialog of that name comes back with the stored size.
        QDialog again(window.get());
        again.setObjectName(QStringLiteral("TFormProbe"));
        QTimer::singleShot(0, &again, &QDialog::accept);
        QVERIFY(window->ExecDialog(again, {}));
        QCOMPARE(again.size(), QSize(321, 123));
    }

    // The web pages open the addresses of the configuration file with the default browser;
    // a page without an address is greyed out.
    void webPagesOpenTheirConfiguredAddresses() {
        QTemporaryDir dir;
        TIniFile config((dir.path() + QStringLiteral("/Marvolet_5z36.ini")).toStdString());
        config.WriteString("LINKS", "urlBlog", "https://blog.example.org/marvolet");
        config.WriteString("LINKS", "urlTG", "t.me.example.org/marvolet");
        config.WriteString("LINKS", "OpenLotoSite", "");
        auto window = gui::test::StartMainWindow(dir.path());
        TUrlRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "Open");
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &recorder, "Open");
        window->UpdateActions();
        for (const char* name : {"urlBlog", "urlTG"}) {
            QAction* page = window->Action(QString::fromLatin1(name));
            QVERIFY2(page && page->isEnabled(), name);
            page->trigger();
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(recorder.Opened,
                 QStringList({QStringLiteral("https://blog.example.org/marvolet"),
                              QStringLiteral("http://t.me.example.org/marvolet")}));
        for (const char* name : {"OpenLotoSite", "urlMainSite", "urlOK"}) {
            QAction* page = window->Action(QString::fromLatin1(name));
            QVERIFY2(page && !page->isEnabled(), name);
        }
        QVERIFY(window->Action(QStringLiteral("OpenLotoSite"))->associatedObjects().size() > 1);
    }

    // Commands of several subsystems sit in the menus the users look for them in.
    void commandsSitInTheirMenus() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        QMap<QString, QString> menuOf;
        for (QAction* top : window->menuBar()->actions()) {
            if (!top->menu()) continue;
            for (QAction* a : top->menu()->actions()) menuOf[a->objectName()] = top->text();
        }
        QCOMPARE(window->Action(QStringLiteral("DrawsDownload"))->shortcut(),
                 QKeySequence(QStringLiteral("F3")));
        QCOMPARE(menuOf.value(QStringLiteral("DrawsDownload")), QStringLiteral("Архив тиражей"));
        QCOMPARE(menuOf.value(QStringLiteral("EditProxy")), QStringLiteral("Файл"));
        QCOMPARE(menuOf.value(QStringLiteral("FiltersInfo")), QStringLiteral("Статистика"));
        QCOMPARE(menuOf.value(QStringLiteral("urlVK")), QStringLiteral("Справка"));
        for (const char* name : {"CheckUpdate", "AutoSelfUpdate"}) {
            QVERIFY2(window->Action(QString::fromLatin1(name))->isEnabled(), name);
            QCOMPARE(menuOf.value(QString::fromLatin1(name)), QStringLiteral("Справка"));
        }
    }

    // "Описание статистики" shows the chosen method's description page, or says that there
    // is none.
    void methodDescriptionShowsTheHelpPage() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("help")));
        QFile page(dir.path() + QStringLiteral("/help/Filters_1049_EVEN.htm"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><body><p>Четные числа: описание</p></body></html>");
        page.close();
        auto window = gui::test::StartMainWindow(dir.path());
        QStringList shown;
        window->Dialogs().On<TFormFilterHelp>([&](TFormFilterHelp& help) {
            shown << help.windowTitle() + QStringLiteral(": ") + help.Browser()->toPlainText();
        });
        QVERIFY(window->StatsTab()->ChooseMethod(QStringLiteral("EVEN")));
        window->UpdateActions();
        QCOMPARE(window->Action(QStringLiteral("FiltersInfo"))->shortcut(),
                 QKeySequence(QStringLiteral("F8")));
        window->Action(QStringLiteral("FiltersInfo"))->trigger();
        QVERIFY(window->StatsTab()->ChooseMethod(QStringLiteral("NUMS")));
        window->UpdateActions();
        window->Action(QStringLiteral("FiltersInfo"))->trigger();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown[0], QStringLiteral("Описание методики расчета: Четные числа: описание"));
        QVERIFY2(shown[1].startsWith(QStringLiteral("Описание методики расчета: Описание метода "
                                                    "расчета «")),
                 qPrintable(shown[1]));
    }

    // The configuration dialog stores its placement under its class name like every other
    // window, and takes it once from the section earlier versions wrote.
    void configurationDialogPlacementSection() {
        QTemporaryDir dir;
        const QString frmPath = dir.path() + QStringLiteral("/Marvolet_5z36.frm");
        QFile frm(frmPath);
        QVERIFY(frm.open(QIODevice::WriteOnly));
        frm.write(QByteArray("[FormConfig]\r\nShowCmd=1\r\nPixelsPerInch=") +
                  QByteArray::number(QWidget().logicalDpiX()) + "\r\nNormPos=40,30,440,330\r\n");
        frm.close();
        auto window = gui::test::StartMainWindow(dir.path());
        QPoint shownAt;
        const auto rejectWhenShown = [&] {
            QTimer::singleShot(0, [&] {
                if (auto* dialog = qobject_cast<TFormConfig*>(QApplication::activeModalWidget())) {
                    shownAt = dialog->geometry().topLeft();
                    dialog->reject();
                }
            });
        };
        rejectWhenShown();
        window->Action(QStringLiteral("EditConfig"))->trigger();
        QCOMPARE(shownAt, QPoint(40, 30));
        const std::string stored =
            TIniFile(frmPath.toStdString()).ReadString("TFormConfig", "NormPos", "");
        QVERIFY2(stored.rfind("40,30,", 0) == 0, stored.c_str());

        // From now on the dialog's own section wins.
        TIniFile ini(frmPath.toStdString());
        ini.WriteString("FormConfig", "NormPos", "200,200,600,500");
        rejectWhenShown();
        window->Action(QStringLiteral("EditConfig"))->trigger();
        QCOMPARE(shownAt, QPoint(40, 30));
    }

    // Damaged placement and panel sizes in the window-settings file fall back to the designed
    // ones instead of overflowing or opening a window no screen shows.
    void damagedPlacementFallsBackToTheDesignedOne() {
        const char* const cases[] = {
            "NormPos=0,0,2147483647,-2147483648",
            "NormPos=-2147483648,-2147483648,2147483647,2147483647",
            "NormPos=100,100,2147483647,900",
            "NormPos=100,900,1300,100",
            "NormPos=90000,90000,91200,90760",
        };
        int designedLeftWidth = 0;
        int designedOperationsWidth = 0;
        {
            QTemporaryDir dir;
            auto designed = gui::test::StartMainWindow(dir.path());
            designedLeftWidth = designed->LeftPages()->width();
            designedOperationsWidth = designed->CombsTab()->Operations()->columnWidth(0);
        }
        for (const char* normPos : cases) {
            QTemporaryDir dir;
            QFile frm(dir.path() + QStringLiteral("/Marvolet_5z36.frm"));
            QVERIFY(frm.open(QIODevice::WriteOnly));
            frm.write(QByteArray("[TFormMain]\r\nShowCmd=1\r\nPixelsPerInch=") +
                      QByteArray::number(QWidget().logicalDpiX()) + "\r\n" + normPos +
                      "\r\nLeftPanelWidth=2147483647\r\nFiltersHeight=2147483647\r\n"
                      "DrawsStatHeight=2147483647\r\nlvDraws.Column0=2147483647\r\n"
                      "lvCombs.Column1=2147483647\r\nlvFilters.Column0=2147483647\r\n"
                      "lvScript.Column0=2147483647\r\nlvDrawsStat.Column0=2147483647\r\n");
            frm.close();
            auto window = gui::test::StartMainWindow(dir.path());
            QVERIFY2(!window->Terminated(), normPos);
            QCOMPARE(window->size(), QSize(1200, 760));
            QVERIFY2(window->screen()->availableVirtualGeometry().intersects(window->geometry()),
                     normPos);
            QCOMPARE(window->LeftPages()->width(), designedLeftWidth);
            QCOMPARE(window->DrawsList()->columnWidth(0), 50);
            QCOMPARE(window->CombsTab()->Operations()->columnWidth(0), designedOperationsWidth);
        }
    }
};

QTEST_MAIN(TMainShellTest)
#include "main_shell_test.moc"
