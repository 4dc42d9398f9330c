// The archive check in the desktop program: run after the archive is loaded or changed, a
// status-bar line while errors are found, and the findings listed by "Проверка архива".
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/draws/archive_file.h"
#include "engine/session/workspace.h"
#include "gui/core/form_main.h"
#include "gui/draws/draws_commands.h"
#include "gui/support/message_viewer.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

class TArchiveCheckTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::EnableMessageTestMode(); }
    void cleanup() {
        if (TMessageViewer* viewer = TMessageViewer::Instance()) delete viewer;
    }

    void findingsAfterLoadAndAfterChanges() {
        QTemporaryDir dir;
        TDrawsArray draws = test::SyntheticDraws(6);
        draws[4].Number = 2;  // the number of the second draw; 5 is missing
        draws[5].Extra = 40;  // outside the game
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(), draws);
        auto window = test::StartMainWindow(dir.path());
        // Loading is never refused.
        QCOMPARE(window->Workspace().DrawCount(), 6);
        auto* line = window->findChild<QLabel*>(QStringLiteral("lbArchiveCheck"));
        QVERIFY(line);
        QVERIFY(line->isVisible());
        QCOMPARE(line->text(), QStringLiteral("Архив тиражей: найдено замечаний: 3"));

        test::SaveScreenshot(window.get(), QStringLiteral("archive_check_status.png"));

        QAction* check = window->Action(QStringLiteral("DrawsCheck"));
        QVERIFY(check->isEnabled());
        QMenu* drawsMenu = window->menuBar()->actions().value(1)->menu();
        QCOMPARE(window->menuBar()->actions().value(1)->text(), QStringLiteral("Архив тиражей"));
        QVERIFY(drawsMenu->actions().contains(check));
        check->trigger();
        TMessageViewer* viewer = TMessageViewer::Instance();
        QVERIFY(viewer);
        test::SaveScreenshot(viewer, QStringLiteral("archive_check_viewer.png"));
        QCOMPARE(viewer->PlainText().trimmed(),
                 QStringLiteral("2; повтор номера тиража; тот же номер у записи 2\n"
                                "2; нарушен порядок номеров; предыдущая запись - тираж 4\n"
                                "6; пропуск в нумерации; пропущены номера 3-5\n"
                                "6; некорректное дополнительное число; дополнительное число 40\n"
                                "Проверено тиражей: 6. Ошибок: 3, уведомлений: 1."));

        // A change of the archive checks it again: a gap alone is a notice, no reason for the
        // status-bar line.
        TDrawsArray gap = test::SyntheticDraws(3);
        gap[2].Number = 7;
        window->Workspace().ResetDraws(gap);
        QVERIFY(!line->isVisible());
        QCOMPARE(window->DrawsCommands().ArchiveFindings().size(), std::size_t{1});
        QVERIFY(test::RecordedMessageTexts().isEmpty());
    }
};

QTEST_MAIN(TArchiveCheckTest)
#include "archive_check_test.moc"
