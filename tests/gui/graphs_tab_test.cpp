// The graphs tab and the chart window: the three lines of a method's graph, the redraw
// cache, the marks boxes and the chart window's lines by title.
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineSeries>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/draws/archive_file.h"
#include "engine/session/workspace.h"
#include "engine/support/ini_file.h"
#include "gui/core/form_main.h"
#include "gui/core/recalc_dispatcher.h"
#include "gui/support/messages.h"
#include "gui/views/chart_window.h"
#include "gui/views/graphs_tab.h"
#include "gui/views/views_commands.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

constexpr int kDraws = 30;

struct TStarted {
    QTemporaryDir Dir;
    std::unique_ptr<TFormMain> Window;
};

std::unique_ptr<TStarted> Start() {
    auto started = std::make_unique<TStarted>();
    WriteArchiveFile((started->Dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                     gui::test::SyntheticDraws(kDraws));
    started->Window = gui::test::StartMainWindow(started->Dir.path());
    return started;
}

TGraphsTab& Graphs(TFormMain& window) {
    return *window.ViewsCommands().Graphs();
}

QList<QLineSeries*> Lines(TGraphsTab& tab) {
    QList<QLineSeries*> lines;
    for (QAbstractSeries* s : tab.Chart()->chart()->series()) {
        lines << qobject_cast<QLineSeries*>(s);
    }
    return lines;
}

int Draws(TFormMain& window) {
    return window.Recalc().ComputeCount(TViewsCommands::GraphsView);
}

void ShowGraphs(TFormMain& window) {
    window.RightPages()->setCurrentWidget(&Graphs(window));
}

void PressEnter(QSpinBox* box) {
    QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

class TGraphsTabTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMessages::SetTestMode(true); }

    void drawsTheValueMeanAndModeLines() {
        auto started = Start();
        TFormMain& window = *started->Window;
        TGraphsTab& tab = Graphs(window);
        // Every shown method with a graph, the first one chosen.
        QVERIFY(tab.TypeBox()->count() > 10);
        QCOMPARE(tab.TypeBox()->currentIndex(), 0);
        const int sums = tab.TypeBox()->findText(QStringLiteral("Сумма тиража: все значения"),
                                                 Qt::MatchEndsWith);
        QVERIFY(sums > 0);
        tab.TypeBox()->setCurrentIndex(sums);
        tab.WindowBox()->setValue(10);
        window.OffsetBox()->setValue(3);
        ShowGraphs(window);

        const auto lines = Lines(tab);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0]->name(), tab.TypeBox()->itemText(sums));
        QCOMPARE(lines[0]->pen().color(), QColor(0, 128, 0));
        QCOMPARE(lines[0]->pen().width(), 2);
        QVERIFY(lines[0]->pointsVisible());
        QCOMPARE(lines[1]->name(), QStringLiteral("Среднее значение"));
        QCOMPARE(lines[1]->pen().color(), QColor(0, 0, 255));
        QCOMPARE(lines[2]->name(), QStringLiteral("Наиболее часто встречающееся значение"));
        QCOMPARE(lines[2]->pen().color(), QColor(255, 0, 0));
        // Ten draws ending with the fourth from the end; mean and mode are flat.
        QCOMPARE(lines[0]->count(), 10);
        QCOMPARE(lines[0]->at(9).x(), double(kDraws - 3));
        QCOMPARE(lines[0]->at(0).x(), double(kDraws - 12));
        const TDrawRec& last = window.Workspace().DrawArchive()[kDraws - 4];
        int sum = 0;
        for (const auto n : last.Nums) sum += n;
        QCOMPARE(lines[0]->at(9).y(), double(sum));
        double total = 0;
        for (int i = 0; i < 10; ++i) total += lines[0]->at(i).y();
        QCOMPARE(lines[1]->count(), 10);
        QCOMPARE(lines[1]->at(0).y(), total / 10);
        QCOMPARE(lines[1]->at(9).y(), total / 10);
        QVERIFY(!lines[1]->pointsVisible());

        // A window longer than the archive plots every visible draw from the first one.
        tab.WindowBox()->setValue(1000);
        PressEnter(tab.WindowBox());
        QCOMPARE(Lines(tab)[0]->count(), kDraws - 3);
        QCOMPARE(Lines(tab)[0]->at(0).x(), 1.0);
        QCOMPARE(tab.Chart()->chart()->axes().size(), 2);
        QVERIFY(TMessages::Recorded().empty());
        gui::test::SaveScreenshot(&window, QStringLiteral("graphs_tab.png"));
    }

    void redrawsOnlyWhenAnInputChangedUnlessForced() {
        auto started = Start();
        TFormMain& window = *started->Window;
        TGraphsTab& tab = Graphs(window);
        ShowGraphs(window);
        const int first = Draws(window);
        QVERIFY(first >= 1);
        PressEnter(tab.WindowBox());
        QCOMPARE(Draws(window), first);
        tab.TypeBox()->setCurrentIndex(1);
        QCOMPARE(Draws(window), first + 1);
        window.Action(QStringLiteral("DrawsGraphDraw"))->trigger();
        QCOMPARE(Draws(window), first + 2);
        tab.WindowBox()->setValue(7);
        PressEnter(tab.WindowBox());
        QCOMPARE(Draws(window), first + 3);
        QCOMPARE(Lines(tab)[0]->count(), 7);

        // Hidden and shown again: drawn anew and in front, though nothing changed.
        QAction* toggle = window.Action(QStringLiteral("TabGraps"));
        window.RightPages()->setCurrentIndex(0);
        toggle->trigger();
        QVERIFY(!window.RightPages()->isTabVisible(1));
        QVERIFY(!toggle->isChecked());
        toggle->trigger();
        QVERIFY(toggle->isChecked());
        QCOMPARE(window.RightPages()->currentIndex(), 1);
        QCOMPARE(Draws(window), first + 4);

        // Without a type there is nothing to draw and nothing to update.
        tab.TypeBox()->setCurrentIndex(-1);
        QCOMPARE(Lines(tab).size(), 0);
        window.UpdateActions();
        QVERIFY(!window.Action(QStringLiteral("DrawsGraphDraw"))->isEnabled());
    }

    void marksBoxShowsOnlyTheValueLabels() {
        auto started = Start();
        TFormMain& window = *started->Window;
        TGraphsTab& tab = Graphs(window);
        ShowGraphs(window);
        const int drawn = Draws(window);
        tab.MarksBox()->setChecked(true);
        QVERIFY(Lines(tab)[0]->pointLabelsVisible());
        QVERIFY(!Lines(tab)[1]->pointLabelsVisible());
        QVERIFY(!Lines(tab)[2]->pointLabelsVisible());
        tab.MarksBox()->setChecked(false);
        QVERIFY(!Lines(tab)[0]->pointLabelsVisible());
        QCOMPARE(Draws(window), drawn);
    }

    void chartWindowFeedsLinesByTitle() {
        auto started = Start();
        TFormMain& window = *started->Window;
        TChartWindow* chart = window.ViewsCommands().NewChartWindow();
        QCOMPARE(chart->windowTitle(), QStringLiteral("График"));
        chart->AddGraphPoint(5, QStringLiteral("Сумма"), 1.5, true, true, QColor(255, 0, 0));
        chart->AddGraphPoint(6, QStringLiteral("сумма"), 2.5, false, false);
        chart->AddGraphPoint(6, QStringLiteral("Прибыль"), -1, false, false);
        chart->ShowChart();
        const auto series = chart->Chart()->chart()->series();
        QCOMPARE(series.size(), 2);
        auto* sum = qobject_cast<QLineSeries*>(series[0]);
        QCOMPARE(sum->name(), QStringLiteral("Сумма"));
        QCOMPARE(sum->count(), 2);
        QCOMPARE(sum->at(1), QPointF(6, 2.5));
        QCOMPARE(sum->pen().color(), QColor(255, 0, 0));
        QVERIFY(sum->pointLabelsVisible());

        chart->MarksBox()->setChecked(false);
        QVERIFY(!sum->pointLabelsVisible());
        auto* profit = qobject_cast<QLineSeries*>(series[1]);
        QVERIFY(!profit->pointLabelsVisible());
        // Without a colour of its own a line takes the theme's, not plain black.
        QVERIFY(profit->pen().color() != QColor(Qt::black));
        QCOMPARE(profit->pen().width(), 2);
        gui::test::SaveScreenshot(chart, QStringLiteral("chart_window.png"));

        // The placement is kept when the window closes.
        chart->move(40, 50);
        chart->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const TIniFile settings(
            (started->Dir.path() + QStringLiteral("/Marvolet_5z36.frm")).toStdString());
        QVERIFY(settings.SectionExists(TChartWindow::SettingsSection));
    }
};

QTEST_MAIN(TGraphsTabTest)
#include "graphs_tab_test.moc"
