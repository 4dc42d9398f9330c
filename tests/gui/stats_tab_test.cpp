// The statistics tab in the main window: the method selector, the table following the
// archive, the offset and the window length, and the chart under it.
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/draws/archive_file.h"
#include "engine/session/workspace.h"
#include "gui/core/form_main.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/list_rows_model.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

class TStatsTabTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMessages::SetTestMode(true); }

    void tableFollowsMethodOffsetAndWindow() {
        QTemporaryDir dir;
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                         gui::test::SyntheticDraws(20));
        auto window = gui::test::StartMainWindow(dir.path());
        TStatsTab* tab = window->StatsTab();
        QVERIFY(tab->MethodBox()->count() >= 14);
        QCOMPARE(tab->MethodBox()->itemText(0), QStringLiteral("{ num } Числа тиража [ N ]"));
        // Computed at start for the first method over the whole archive.
        QCOMPARE(tab->Rows()->Count(), 36);
        QCOMPARE(tab->Table().WindowDraws, 20);
        QCOMPARE(tab->Table().Totals.Total, 100);

        // Another method recomputes at once.
        QVERIFY(tab->ChooseMethod(QStringLiteral("EVEN")));
        QCOMPARE(tab->Rows()->Count(), static_cast<int>(tab->Table().Rows.size()));
        QCOMPARE(tab->Rows()->Row(0).Caption, QStringLiteral("1:4"));

        // The offset hides the newest draws from the table.
        window->OffsetBox()->setValue(5);
        QCOMPARE(tab->Table().WindowDraws, 15);
        QCOMPARE(tab->Table().LastIndex, 14);

        // The window length takes effect on Enter.
        tab->WindowBox()->setValue(6);
        tab->WindowBox()->setFocus();
        QTest::keyClick(tab->WindowBox(), Qt::Key_Return);
        QCOMPARE(tab->Table().WindowDraws, 6);

        // Unchanged inputs: switching tabs computes nothing new; "Обновить" forces it.
        const int computed = window->Recalc().ComputeCount(QStringLiteral("stats"));
        window->RightPages()->setCurrentIndex(1);
        window->RightPages()->setCurrentIndex(0);
        QCOMPARE(window->Recalc().ComputeCount(QStringLiteral("stats")), computed);
        window->Action(QStringLiteral("DrawsStatCalc"))->trigger();
        QCOMPARE(window->Recalc().ComputeCount(QStringLiteral("stats")), computed + 1);
        QVERIFY(!tab->Chart()->chart()->series().isEmpty());

        // A setting that is not among the table's inputs (the comparison with the full set),
        // changed while the tab is hidden, takes effect when the tab shows again.
        window->RightPages()->setCurrentIndex(1);
        window->Action(QStringLiteral("DrawsStatePrefetchsEnabled"))->trigger();
        QCOMPARE(window->Recalc().ComputeCount(QStringLiteral("stats")), computed + 1);
        QVERIFY(!tab->Table().HasComparison);
        window->RightPages()->setCurrentIndex(0);
        QCOMPARE(window->Recalc().ComputeCount(QStringLiteral("stats")), computed + 2);
        QVERIFY(tab->Table().HasComparison);
        QVERIFY(TMessages::Recorded().empty());
    }

    void emptyArchiveDisablesUpdate() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(window->StatsTab()->Rows()->Count(), 0);
        QVERIFY(!window->Action(QStringLiteral("DrawsStatCalc"))->isEnabled());
    }

    void windowLengthAndMethodSurviveRestart() {
        QTemporaryDir dir;
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                         gui::test::SyntheticDraws(10));
        {
            auto window = gui::test::StartMainWindow(dir.path());
            window->StatsTab()->WindowBox()->setValue(7);
        }
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(window->StatsTab()->WindowBox()->value(), 7);
    }
};

QTEST_MAIN(TStatsTabTest)
#include "stats_tab_test.moc"
