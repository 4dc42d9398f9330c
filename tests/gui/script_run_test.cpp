// Running scenarios from the desktop: a forecast and a test through their actions, the stop
// question (from a checkpoint and on closing the window), what is enabled during and after a
// run, the status panels, the stakes grid, and the run's options and logs.
#include <QAction>
#include <QComboBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <filesystem>
#include <functional>

#include "engine/draws/archive_file.h"
#include "engine/session/list_commands.h"
#include "engine/session/workspace.h"
#include "gui/core/form_main.h"
#include "gui/scenarios/form_test_cnt.h"
#include "gui/scenarios/script_commands.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stakes/stakes_commands.h"
#include "gui/stakes/stakes_model.h"
#include "gui/stakes/stakes_tab.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

// Keeps the one combination of the list that holds the number 1 and stakes it.
const char* const kLine = "CURR:0#FIRST|TMF1#NUMS:4#LVA:1#SF:0| | | | | | |";

TComb Comb(std::initializer_list<int> nums) {
    TComb comb;
    int i = 0;
    for (const int n : nums)
        comb.Nums[static_cast<std::size_t>(i++)] = static_cast<std::uint8_t>(n);
    return comb;
}

std::unique_ptr<TFormMain> Start(const QTemporaryDir& dir) {
    WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                     gui::test::SyntheticDraws(20));
    auto window = gui::test::StartMainWindow(dir.path());
    TWorkspace& ws = window->Workspace();
    ReplaceCombinations(
        ws, {Comb({1, 20, 21, 22, 23}), Comb({2, 24, 25, 26, 27}), Comb({3, 28, 29, 30, 31})});
    ws.EditScript([](TCurrentScript& s) { s.ReplaceAll({kLine}); });
    window->UpdateActions();
    return window;
}

bool Enabled(TFormMain& window, const char* action) {
    return window.Action(QString::fromLatin1(action))->isEnabled();
}

// What the window looks like at a checkpoint of a run.
struct TRunState {
    bool Seen = false;
    bool Stop = false, Run = false, Test = false, LogToggle = false, StakesCheckLine = false;
    bool DrawsPage = false, CombsPage = false, StatsPage = false, ScriptList = false;
};

TRunState StateOf(TFormMain& window) {
    TRunState s;
    s.Seen = true;
    s.Stop = Enabled(window, "ScriptStop");
    s.Run = Enabled(window, "ScriptRun");
    s.Test = Enabled(window, "ScriptTest");
    s.LogToggle = Enabled(window, "LogToggle");
    s.StakesCheckLine = Enabled(window, "StakesCheckLine");
    s.DrawsPage = window.LeftPages()->isTabEnabled(0);
    s.CombsPage = window.LeftPages()->isTabEnabled(1);
    s.StatsPage = window.RightPages()->isTabEnabled(0);
    s.ScriptList = window.ScriptTab()->List()->isEnabled();
    return s;
}

// Calls `step` at every checkpoint of the next run (a zero timer fires whenever the run lets
// events run); the timer goes with the returned object.
std::unique_ptr<QTimer> AtCheckpoints(std::function<void()> step) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(0);
    QObject::connect(timer.get(), &QTimer::timeout, std::move(step));
    timer->start();
    return timer;
}

int StakeRows(TFormMain& window) {
    return window.StakesCommands().Tab()->Model()->rowCount();
}

}  // namespace

class TScriptRunTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gui::test::EnableMessageTestMode(); }

    void forecastThenTest() {
        QTemporaryDir dir;
        auto window = Start(dir);
        TWorkspace& ws = window->Workspace();
        QVERIFY(Enabled(*window, "ScriptRun"));
        QVERIFY(Enabled(*window, "ScriptTest"));
        QVERIFY(!Enabled(*window, "ScriptStop"));
        QCOMPARE(window->Action(QStringLiteral("ScriptRun"))->shortcut(),
                 QKeySequence(Qt::Key_F10));
        QCOMPARE(window->Action(QStringLiteral("ScriptTest"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+F10")));
        QCOMPARE(window->Action(QStringLiteral("ScriptStop"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+X")));

        TRunState during;
        {
            auto watch = AtCheckpoints([&] {
                if (!during.Seen) during = StateOf(*window);
            });
            window->Action(QStringLiteral("ScriptRun"))->trigger();
        }
        QVERIFY(during.Seen);
        QVERIFY(during.Stop);
        QVERIFY(!during.Run && !during.Test && !during.LogToggle && !during.StakesCheckLine);
        QVERIFY(!during.DrawsPage && !during.CombsPage && !during.StatsPage && !during.ScriptList);
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());

        // After the run: one stake on the draw after the last, everything usable again.
        const TRunState after = StateOf(*window);
        QVERIFY(!after.Stop);
        QVERIFY(after.Run && after.Test && after.LogToggle && after.StakesCheckLine);
        QVERIFY(after.DrawsPage && after.CombsPage && after.StatsPage && after.ScriptList);
        TScriptTab* tab = window->ScriptTab();
        QCOMPARE(tab->StatusText(1), QStringLiteral("Цикл: 0"));
        QCOMPARE(tab->StatusText(2), QStringLiteral("Строка: 0"));
        QCOMPARE(tab->StatusText(3), QStringLiteral("Ставок: 1"));
        QCOMPARE(tab->StatusText(4), QStringLiteral("Сценарий завершен!"));
        QCOMPARE(tab->SelectedLines(), QList<int>());
        QCOMPARE(StakeRows(*window), 1);
        TStakesModel* stakes = window->StakesCommands().Tab()->Model();
        QCOMPARE(stakes->index(0, TStakesModel::colDraw).data().toString(), QStringLiteral("21"));
        QVERIFY(stakes->index(0, TStakesModel::colComment)
                    .data()
                    .toString()
                    .startsWith(QStringLiteral("01.001: @ CURR#FIRST + ")));
        // The statistics tab shows the table of the last filter.
        QCOMPARE(window->StatsTab()->MethodBox()->currentData().toInt(),
                 ws.Stats().FindMethod("NUMS"));
        QCOMPARE(window->StatsTab()->WindowLength(), 4);

        // A test of two passes: stakes for draws 19 and 20, each pass after a marker row, checked
        // at once; the offset comes back.
        int maximum = 0;
        window->Dialogs().On<TFormTestCnt>([&](TFormTestCnt& d) {
            maximum = d.CountBox()->maximum();
            if (d.windowTitle() != QStringLiteral("Количество тестов") || d.Count() != 10)
                return false;
            d.CountBox()->setValue(2);
            return true;
        });
        window->Action(QStringLiteral("ScriptTest"))->trigger();
        QCOMPARE(maximum, 19);
        QCOMPARE(ws.DrawsOffset(), 0);
        QCOMPARE(tab->StatusText(3), QStringLiteral("Ставок: 2"));
        const auto records = ws.Stakes().ReadRange(0, ws.Stakes().Count());
        QCOMPARE(records.size(), std::size_t{5});
        QVERIFY(records[1].IsMarker() && records[3].IsMarker());
        QCOMPARE(records[2].DrawNumber, 19);
        QCOMPARE(records[4].DrawNumber, 20);
        QVERIFY(records[2].Checked && records[4].Checked);
        QCOMPARE(StakeRows(*window), 5);
        QVERIFY(gui::test::RecordedMessageTexts().isEmpty());

        // A cancelled count dialog runs nothing.
        window->Dialogs().On<TFormTestCnt>([](TFormTestCnt&) { return false; });
        window->Action(QStringLiteral("ScriptTest"))->trigger();
        QCOMPARE(ws.Stakes().Count(), std::int64_t{5});

        window->RightPages()->setCurrentWidget(window->ScriptTab());
        QTest::qWait(50);
        gui::test::SaveScreenshot(window.get(), QStringLiteral("script_run.png"));
    }

    // Stop asked at a checkpoint of the second pass: No goes on, Yes ends the run there and
    // leaves the offset of that pass.
    void stopFromACheckpoint() {
        QTemporaryDir dir;
        auto window = Start(dir);
        TWorkspace& ws = window->Workspace();
        window->Dialogs().On<TFormTestCnt>([](TFormTestCnt& d) {
            d.CountBox()->setValue(3);
            return true;
        });
        int asked = 0;
        bool stopEnabledAfter = true;
        {
            auto watch = AtCheckpoints([&] {
                if (ws.DrawsOffset() != 2 || asked >= 2) return;
                TMessages::QueueAnswer(asked == 1);
                ++asked;
                window->Action(QStringLiteral("ScriptStop"))->trigger();
                if (asked == 2) stopEnabledAfter = Enabled(*window, "ScriptStop");
            });
            window->Action(QStringLiteral("ScriptTest"))->trigger();
        }
        QCOMPARE(asked, 2);
        QVERIFY(!stopEnabledAfter);
        QCOMPARE(ws.DrawsOffset(), 2);
        const auto& shown = TMessages::Recorded();
        QCOMPARE(shown.size(), std::size_t{2});
        for (const TShownMessage& m : shown) {
            QVERIFY(m.Question && m.DefaultNo);
            QCOMPARE(m.Caption, QStringLiteral("Подтверждение"));
            QCOMPARE(m.Text, QStringLiteral("Остановить выполнение сценария?"));
        }
        // The pass at offset 3 staked; the one at offset 2 was cut short before its stake.
        QCOMPARE(window->ScriptTab()->StatusText(3), QStringLiteral("Ставок: 1"));
        QCOMPARE(window->ScriptTab()->StatusText(4), QStringLiteral("Сценарий завершен!"));
        QVERIFY(Enabled(*window, "ScriptRun"));
        QVERIFY(!Enabled(*window, "ScriptStop"));
    }

    // Closing the window while a run goes on asks the stop question; the window closes once
    // the run has ended.
    void closingDuringARun() {
        QTemporaryDir dir;
        auto window = Start(dir);
        window->Dialogs().On<TFormTestCnt>([](TFormTestCnt& d) {
            d.CountBox()->setValue(3);
            return true;
        });
        int closes = 0;
        bool visibleAfterNo = false;
        {
            auto watch = AtCheckpoints([&] {
                if (closes >= 2) return;
                TMessages::QueueAnswer(closes == 1);
                ++closes;
                window->close();
                if (closes == 1) visibleAfterNo = window->isVisible();
            });
            window->Action(QStringLiteral("ScriptTest"))->trigger();
        }
        QCOMPARE(closes, 2);
        QVERIFY(visibleAfterNo);
        QCOMPARE(TMessages::Recorded().size(), std::size_t{2});
        QTRY_VERIFY(!window->isVisible());
        // The run ended through its closing steps before the window went.
        QCOMPARE(window->ScriptTab()->StatusText(4), QStringLiteral("Сценарий завершен!"));
    }

    void logOptionsAndDeletingLogs() {
        QTemporaryDir dir;
        auto window = Start(dir);
        QAction* log = window->Action(QStringLiteral("LogToggle"));
        QAction* check = window->Action(QStringLiteral("StakesCheckLine"));
        QVERIFY(log->isCheckable() && !log->isChecked());
        QVERIFY(check->isCheckable() && check->isChecked());
        QVERIFY(!window->ScriptCommands().LogEnabled());

        window->Action(QStringLiteral("LogsDelete"))->trigger();
        QCOMPARE(gui::test::LastMessageText(), QStringLiteral("Файлы журналов не найдены!"));

        log->trigger();
        check->trigger();
        QVERIFY(log->isChecked() && window->ScriptCommands().LogEnabled());
        QVERIFY(!check->isChecked() && !window->ScriptCommands().CheckOnLine());
        QStringList shown;
        window->ScriptCommands().ShowLog = [&](const QString& file) { shown << file; };
        window->Action(QStringLiteral("ScriptRun"))->trigger();
        window->Action(QStringLiteral("ScriptRun"))->trigger();
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown[0] != shown[1]);
        for (const QString& file : shown) {
            QVERIFY(QFileInfo(file).fileName().startsWith(QStringLiteral("ScriptLog_")));
            QVERIFY(QFileInfo(file).size() > 0);
        }

        gui::test::EnableMessageTestMode();
        window->Action(QStringLiteral("LogsDelete"))->trigger();
        QVERIFY(!QFileInfo::exists(shown[0]) && !QFileInfo::exists(shown[1]));
        QCOMPARE(TMessages::Recorded().size(), std::size_t{1});
        QVERIFY(gui::test::LastMessageText().startsWith(QStringLiteral("Удаление \"")));

        // Both options come back with the window.
        window.reset();
        window = gui::test::StartMainWindow(dir.path());
        QVERIFY(window->Action(QStringLiteral("LogToggle"))->isChecked());
        QVERIFY(!window->Action(QStringLiteral("StakesCheckLine"))->isChecked());
        QVERIFY(window->ScriptCommands().LogEnabled());
        QVERIFY(!window->ScriptCommands().CheckOnLine());
    }
};

QTEST_MAIN(TScriptRunTest)
#include "script_run_test.moc"
