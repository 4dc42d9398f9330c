// The card, layout and week tabs and the extended statistics: what they show, keep and
// remove of the selected numbers, their options, and what the card paints.
#include <QAction>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "engine/core/game.h"
#include "engine/draws/archive_file.h"
#include "engine/session/list_commands.h"
#include "engine/session/workspace.h"
#include "engine/views/week.h"
#include "gui/core/form_main.h"
#include "gui/core/recalc_dispatcher.h"
#include "gui/support/enter_spin_box.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui/views/analysis_commands.h"
#include "gui/views/card_tab.h"
#include "gui/views/chart_window.h"
#include "gui/views/layout_tab.h"
#include "gui/views/repeats_window.h"
#include "gui/views/view_grid.h"
#include "gui/views/views_commands.h"
#include "gui/views/week_tab.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

constexpr int kDraws = 40;
constexpr std::size_t kFullSet = 376992;

// Combinations of the full set holding none of k given numbers.
std::size_t Without(int k) {
    return static_cast<std::size_t>(Binomial(MaxNumber - k, NumbersInDraw));
}

// Draws numbered 1.. on consecutive days from Monday 01.01.2024, five consecutive numbers
// each (wrapping at 36); draw 3 has a date that cannot be read.
TDrawsArray DatedDraws() {
    TDrawsArray draws = gui::test::SyntheticDraws(kDraws);
    for (int i = 0; i < kDraws; ++i) {
        const QDate date = QDate(2024, 1, 1).addDays(i);
        draws[static_cast<std::size_t>(i)].SetDate(
            i == 2 ? std::string("31.02.2024")
                   : date.toString(QStringLiteral("dd.MM.yyyy")).toStdString());
    }
    return draws;
}

struct TStarted {
    QTemporaryDir Dir;
    std::unique_ptr<TFormMain> Window;
    TWorkspace& Ws() { return Window->Workspace(); }
    std::size_t Count() { return Ws().Combs().CurrentList.Count(); }
    bool Enabled(const char* action) {
        Window->UpdateActions();
        return Window->Action(QString::fromLatin1(action))->isEnabled();
    }
    void Trigger(const char* action) {
        Window->UpdateActions();
        Window->Action(QString::fromLatin1(action))->trigger();
    }
};

std::unique_ptr<TStarted> Start() {
    auto s = std::make_unique<TStarted>();
    WriteArchiveFile((s->Dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                     DatedDraws());
    s->Window = gui::test::StartMainWindow(s->Dir.path());
    GenerateCombinations(s->Ws(), 0, "");
    return s;
}

// Keep, undo, remove, undo of the selected numbers: the counts of the working list.
void CheckKeepAndRemove(TStarted& s, const char* prefix, int numbers) {
    const QByteArray include = QByteArray(prefix) + "_Include";
    const QByteArray exclude = QByteArray(prefix) + "_Exclude";
    QVERIFY(s.Enabled(include.constData()));
    QVERIFY(s.Enabled(exclude.constData()));
    s.Trigger(include.constData());
    QCOMPARE(s.Count(), kFullSet - Without(numbers));
    s.Trigger("CombsUndo");
    QCOMPARE(s.Count(), kFullSet);
    s.Trigger(exclude.constData());
    QCOMPARE(s.Count(), Without(numbers));
    s.Trigger("CombsUndo");
    QCOMPARE(s.Count(), kFullSet);
}

QColor PixelInCell(QTableView* grid, int row, int column) {
    const QImage image = grid->viewport()->grab().toImage();
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    // The top left corner of the cell, clear of its text and of the grid lines.
    return image.pixelColor(cell.left() + 1, cell.top() + 1);
}

}  // namespace

class TAnalysisViewsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gui::test::EnableMessageTestMode(); }

    void cardShowsTheArchiveAndFiltersBySelection() {
        auto s = Start();
        TCardCommands& card = s->Window->ViewsCommands().Card();
        TViewGrid* grid = card.Tab()->Grid();
        s->Window->RightPages()->setCurrentWidget(card.Tab());
        QCOMPARE(s->Window->Recalc().ComputeCount(TCardCommands::View), 1);
        QCOMPARE(grid->model()->rowCount(), kDraws);
        QCOMPARE(grid->model()->columnCount(), 37);
        QCOMPARE(grid->model()->headerData(0, Qt::Vertical).toString(), QStringLiteral("40"));
        QCOMPARE(grid->model()->headerData(36, Qt::Horizontal).toString(), QStringLiteral("E"));
        // Draw 40 holds 16..20.
        QCOMPARE(grid->model()->index(0, 15).data().toString(), QStringLiteral("16"));
        QCOMPARE(grid->model()->index(0, 14).data().toString(), QString());
        QCOMPARE(grid->model()->index(0, 36).data().toString(), QStringLiteral("1"));

        // Numbers 16..18 of the newest draw and empty cells beside them: three numbers.
        grid->SelectRect(QRect(QPoint(13, 0), QPoint(17, 0)));
        CheckKeepAndRemove(*s, "CardFilter", 3);
        s->Trigger("CardFilter_Include");
        QCOMPARE(s->Ws().Combs().FilterLines().back().Caption, "Карта");
        QCOMPARE(s->Ws().Combs().FilterLines().back().Values, "16; 17; 18");
        s->Trigger("CombsUndo");

        // The extra number's column leaves both commands disabled.
        grid->SelectRect(QRect(QPoint(30, 0), QPoint(36, 1)));
        QVERIFY(!s->Enabled("CardFilter_Include"));
        // Empty cells only: nothing to filter by, the list stays.
        grid->SelectRect(QRect(QPoint(0, 0), QPoint(5, 0)));
        s->Trigger("CardFilter_Include");
        QCOMPARE(gui::test::LastMessageText(),
                 QStringLiteral("В выделенном диапазоне нет значений для фильтра!"));
        QCOMPARE(s->Count(), kFullSet);

        // A hidden tab disables its commands; an empty list too.
        s->Trigger("TabCard");
        QVERIFY(!s->Enabled("CardFilter_Exclude"));
        QVERIFY(!s->Enabled("ViewColorCard"));
        s->Trigger("TabCard");
        s->Window->RightPages()->setCurrentWidget(card.Tab());
        grid->SelectRect(QRect(QPoint(15, 0), QPoint(15, 0)));
        QVERIFY(s->Enabled("CardFilter_Exclude"));
        ReplaceCombinations(s->Ws(), {});
        QVERIFY(!s->Enabled("CardFilter_Exclude"));
    }

    void cardFollowsTheArchiveButNotTheOffset() {
        auto s = Start();
        TCardCommands& card = s->Window->ViewsCommands().Card();
        s->Window->RightPages()->setCurrentWidget(card.Tab());
        const int computed = s->Window->Recalc().ComputeCount(TCardCommands::View);
        s->Window->OffsetBox()->setValue(3);
        QCOMPARE(s->Window->Recalc().ComputeCount(TCardCommands::View), computed);
        QCOMPARE(card.Tab()->Model()->rowCount(), kDraws);
        TDrawRec draw;
        draw.Number = 41;
        draw.Nums = {1, 2, 3, 4, 5};
        draw.Extra = 2;
        s->Ws().StoreDraw(draw);
        QCOMPARE(card.Tab()->Model()->rowCount(), kDraws + 1);
        QCOMPARE(card.Tab()->Grid()->model()->index(0, 0).data().toString(), QStringLiteral("1"));
        // A draw edited in place shows at once too.
        draw.Nums = {6, 7, 8, 9, 10};
        s->Ws().StoreDraw(draw, kDraws);
        QCOMPARE(card.Tab()->Grid()->model()->index(0, 0).data().toString(), QString());
        QCOMPARE(card.Tab()->Grid()->model()->index(0, 5).data().toString(), QStringLiteral("6"));
    }

    // The card paints the rows in sight with their colours; the two options change them.
    void cardPaintsTheVisibleRows() {
        auto s = Start();
        TCardCommands& card = s->Window->ViewsCommands().Card();
        TViewGrid* grid = card.Tab()->Grid();
        s->Window->RightPages()->setCurrentWidget(card.Tab());
        grid->clearSelection();
        grid->setCurrentIndex({});
        QCoreApplication::processEvents();
        gui::test::SaveScreenshot(card.Tab(), QStringLiteral("card_tab.png"));

        const int channel = s->Ws().Config().ChannelSize;
        const TCard& map = card.Tab()->Model()->Card();
        const int visible = grid->rowAt(grid->viewport()->height() - 1);
        QVERIFY(visible > 5);
        QVERIFY(grid->columnAt(grid->viewport()->width() - 1) > 20);
        for (int row = 0; row <= visible && row < map.RowCount(); row += 3) {
            for (int column : {0, 10, 17, 20}) {
                const auto expected = CardCellColour(map, row, column + 1, true, true, channel);
                QVERIFY(expected);
                QCOMPARE(PixelInCell(grid, row, column),
                         QColor(expected->R, expected->G, expected->B));
            }
        }
        // Draw 40 holds 16..20 and draw 39 11..15: each number of draw 40 has a neighbour.
        QCOMPARE(PixelInCell(grid, 0, 16), QColor(0, 255, 255));

        s->Trigger("ViewColorCardSequences");
        QVERIFY(!s->Window->Action(QStringLiteral("ViewColorCardSequences"))->isChecked());
        const TRgb plain = ChannelColor(17, channel);
        QCOMPARE(PixelInCell(grid, 0, 16), QColor(plain.R, plain.G, plain.B));
        s->Trigger("ViewColorCard");
        QCOMPARE(PixelInCell(grid, 0, 16), grid->palette().color(QPalette::Base));
        gui::test::SaveScreenshot(card.Tab(), QStringLiteral("card_tab_plain.png"));

        // Both options are kept for the next start.
        s->Window.reset();
        s->Window = gui::test::StartMainWindow(s->Dir.path());
        QVERIFY(!s->Window->Action(QStringLiteral("ViewColorCard"))->isChecked());
        QVERIFY(!s->Window->Action(QStringLiteral("ViewColorCardSequences"))->isChecked());
    }

    void layoutShowsCountsAndFiltersBySelection() {
        auto s = Start();
        TLayoutCommands& layout = s->Window->ViewsCommands().Layout();
        TLayoutTab* tab = layout.Tab();
        tab->WindowBox()->setValue(2);
        s->Window->RightPages()->setCurrentWidget(tab);
        // Draws 40 (16..20) and 39 (11..15): one row "1", two columns.
        QCOMPARE(tab->Model()->rowCount(), 1);
        QCOMPARE(tab->Model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("40"));
        QCOMPARE(tab->Model()->Text(0, 0), QStringLiteral("16, 17, 18, 19, 20"));
        QCOMPARE(tab->Model()->Text(0, 1), QStringLiteral("11, 12, 13, 14, 15"));

        tab->Grid()->SelectRect(QRect(0, 0, 1, 1));
        CheckKeepAndRemove(*s, "LayoutFilter", 5);
        tab->Grid()->SelectRect(QRect(0, 0, 2, 1));
        CheckKeepAndRemove(*s, "LayoutFilter", 10);

        // The offset brackets the hidden draw's numbers (draw 40: 16..20, also drawn in draw 4)
        // and paints their cell lime.
        tab->WindowBox()->setValue(100);
        s->Window->OffsetBox()->setValue(1);
        QPoint hidden(-1, -1);
        for (int r = 0; r < tab->Model()->rowCount(); ++r) {
            for (int c = 0; c < tab->Model()->columnCount(); ++c) {
                const QString text = tab->Model()->Text(r, c);
                if (text.contains(QStringLiteral("[16]"))) hidden = QPoint(c, r);
                QVERIFY(!text.split(QStringLiteral(", ")).contains(QStringLiteral("16")));
            }
        }
        QVERIFY(hidden.x() >= 0);
        QCOMPARE(tab->Grid()->Fill()(hidden.y(), hidden.x()),
                 std::optional<QColor>(QColor(0, 255, 0)));
        tab->Grid()->SelectRect(QRect(hidden, hidden));
        const int words = static_cast<int>(
            tab->Model()->Text(hidden.y(), hidden.x()).count(QLatin1Char(',')) + 1);
        CheckKeepAndRemove(*s, "LayoutFilter", words);
        tab->WindowBox()->setValue(2);
        s->Window->OffsetBox()->setValue(0);
        QTest::keyClick(tab->WindowBox(), Qt::Key_Return);

        // Gradient and checkerboard.
        const TRgb shade = LayoutCellColour(1, 1, 2, 3, true, false);
        QCOMPARE(tab->Grid()->Fill()(0, 0),
                 std::optional<QColor>(QColor(shade.R, shade.G, shade.B)));
        s->Trigger("ViewShemaGradient");
        QCOMPARE(tab->Grid()->Fill()(0, 0), std::optional<QColor>(QColor(234, 255, 234)));

        // The comparison lists over their own windows, most frequent first.
        TSortableListView* first = tab->CompareList(0);
        QCOMPARE(first->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("1 - 40"));
        QVERIFY(first->model()->rowCount() > 0);
        QCOMPARE(first->model()->index(0, 0).data().toString(), QStringLiteral("6"));
        tab->CompareBox(0)->setValue(10);
        QTest::keyClick(tab->CompareBox(0), Qt::Key_Return);
        QCOMPARE(first->model()->headerData(1, Qt::Horizontal).toString(),
                 QStringLiteral("31 - 40"));
        gui::test::SaveScreenshot(tab, QStringLiteral("layout_tab.png"));
    }

    void weekCountsDaysAndFiltersByColumns() {
        auto s = Start();
        TWeekCommands& week = s->Window->ViewsCommands().Week();
        TWeekTab* tab = week.Tab();
        s->Window->RightPages()->setCurrentWidget(tab);
        // Draw 1 fell on Monday 01.01.2024 with 1..5; draw 3 has no readable date.
        QCOMPARE(tab->Model()->headerData(0, Qt::Vertical, Qt::DisplayRole).toString(),
                 QStringLiteral("Пн"));
        QCOMPARE(tab->Model()->headerData(6, Qt::Vertical, Qt::DisplayRole).toString(),
                 QStringLiteral("Вс"));
        QVERIFY(tab->Counts().Count(1, 1) >= 1);
        QCOMPARE(tab->Counts().Skipped, 1);
        QVERIFY(tab->Note()->isVisibleTo(tab));
        QVERIFY(tab->Note()->text().contains(QStringLiteral("тираж № 3")));
        const auto red = tab->Grid()->Fill();
        int maxRow = -1, maxColumn = -1;
        for (int r = 0; r < 7 && maxRow < 0; ++r) {
            for (int c = 0; c < 36; ++c) {
                if (tab->Counts().Count(c + 1, r + 1) == tab->Counts().Maximum) {
                    maxRow = r;
                    maxColumn = c;
                    break;
                }
            }
        }
        QCOMPARE(red(maxRow, maxColumn), std::optional<QColor>(QColor(255, 0, 0)));

        // Columns 7..12 of any rows: the numbers 7..12.
        tab->Grid()->SelectRect(QRect(QPoint(6, 2), QPoint(11, 4)));
        CheckKeepAndRemove(*s, "WeekFilter", 6);
        s->Trigger("WeekFilter_Exclude");
        QCOMPARE(s->Ws().Combs().FilterLines().back(),
                 (TFilterLine{"Неделя", "7; 8; 9; 10; 11; 12",
                              static_cast<std::int32_t>(Without(6)), TFilterMark::Removed}));

        // The chart: the current day over the numbers, or the current number over the days.
        tab->Grid()->setCurrentIndex(tab->Model()->index(2, 9));
        const auto seriesPoints = [tab] {
            const auto series = tab->Chart()->chart()->series();
            return series.isEmpty() ? -1 : static_cast<int>(series[0]->type());
        };
        QCOMPARE(week.ChartMode(), 0);
        QCOMPARE(seriesPoints(), static_cast<int>(QAbstractSeries::SeriesTypeBar));
        s->Trigger("ViewWeekChartType");
        QCOMPARE(seriesPoints(), static_cast<int>(QAbstractSeries::SeriesTypeLine));
        auto* line = qobject_cast<QLineSeries*>(tab->Chart()->chart()->series()[0]);
        QCOMPARE(line->count(), 36);
        QCOMPARE(line->at(9).y(), double(tab->Counts().Count(10, 3)));
        s->Trigger("ViewWeekChartMode");
        line = qobject_cast<QLineSeries*>(tab->Chart()->chart()->series()[0]);
        QCOMPARE(line->count(), 7);
        QCOMPARE(line->at(2).y(), double(tab->Counts().Count(10, 3)));
        // Over the days the line's axis names them, as the bars' axis does.
        const auto bottom = tab->Chart()->chart()->axes(Qt::Horizontal);
        QCOMPARE(bottom.size(), 1);
        auto* days = qobject_cast<QCategoryAxis*>(bottom.first());
        QVERIFY(days);
        QCOMPARE(days->categoriesLabels().size(), 7);
        QCOMPARE(days->categoriesLabels().first(), QString::fromUtf8(WeekDayNames()[0]));
        gui::test::SaveScreenshot(tab, QStringLiteral("week_tab.png"));

        // Enter on an unchanged window does not count again; "Обновить" does.
        const int computed = s->Window->Recalc().ComputeCount(TWeekCommands::View);
        QTest::keyClick(tab->WindowBox(), Qt::Key_Return);
        QCOMPARE(s->Window->Recalc().ComputeCount(TWeekCommands::View), computed);
        s->Trigger("WeekStatCalc");
        QCOMPARE(s->Window->Recalc().ComputeCount(TWeekCommands::View), computed + 1);
        tab->WindowBox()->setValue(1);
        QTest::keyClick(tab->WindowBox(), Qt::Key_Return);
        QCOMPARE(tab->Counts().Skipped, 0);
        QCOMPARE(tab->Counts().Maximum, 1);
    }

    void repeatsWindowListsAndCharts() {
        auto s = Start();
        int rows = -1, depthOneRows = -1, lines = -1;
        QString firstRow;
        s->Window->Dialogs().On<TFormRepeats>([&](TFormRepeats& form) {
            rows = form.List()->topLevelItemCount();
            QTreeWidgetItem* first = form.List()->topLevelItem(0);
            firstRow = first->text(0) + QLatin1Char('|') + first->text(1) + QLatin1Char('|') +
                       first->text(2) + QLatin1Char('|') + first->text(3);
            lines = static_cast<int>(form.Chart()->chart()->series().size());
            form.DepthBox()->setValue(1);
            form.CalculateButton()->click();
            depthOneRows = form.List()->topLevelItemCount();
            gui::test::SaveScreenshot(&form, QStringLiteral("repeats_window.png"));
        });
        QVERIFY(s->Enabled("AnalyzeRepeats"));
        s->Trigger("AnalyzeRepeats");
        // Draw 40 (16..20) shares 17..20 with draws 33 and 11 (17..21), met first going back.
        QCOMPARE(firstRow, QStringLiteral("40|4|2|33 11"));
        QVERIFY(rows > 0);
        QCOMPARE(lines, 5);
        // Each draw shares no number with the one before it.
        QCOMPARE(depthOneRows, 0);
    }

    void sumsDistributionFillsTheChartWindow() {
        auto s = Start();
        s->Trigger("TotalSumCombs");
        const auto charts = s->Window->findChildren<TChartWindow*>();
        QCOMPARE(charts.size(), 1);
        TChartWindow* chart = charts[0];
        QCOMPARE(chart->windowTitle(),
                 QStringLiteral("Распределение сумм тиражей и всех возможных комбинаций"));
        const auto& lines = chart->Lines().Lines();
        QCOMPARE(lines.size(), 5U);
        QCOMPARE(QString::fromStdString(lines[0].Title),
                 QStringLiteral("Фактическое распределение сумм (по тиражам)"));
        QCOMPARE(lines[0].Colour, 0xFF0000U);
        QCOMPARE(lines[1].Points.size(), 156U);
        QVERIFY(QString::fromStdString(lines[4].Title)
                    .startsWith(QStringLiteral("Диапазон 3 (от 2/3 и выше по оси Y) - суммы ")));
        QVERIFY(chart->isModal() || chart->windowModality() == Qt::ApplicationModal);
        gui::test::SaveScreenshot(chart, QStringLiteral("sums_chart.png"));
        chart->close();
    }

    void extendedStatisticsMenu() {
        auto s = Start();
        QMenu* extended = nullptr;
        for (QMenu* menu : s->Window->findChildren<QMenu*>()) {
            if (menu->title() == QStringLiteral("Расширенная статистика")) extended = menu;
        }
        QVERIFY(extended);
        QCOMPARE(extended->actions().size(), 2);
        QCOMPARE(extended->actions()[0]->objectName(), QStringLiteral("AnalyzeRepeats"));
        QCOMPARE(extended->actions()[1]->objectName(), QStringLiteral("TotalSumCombs"));
    }
};

QTEST_MAIN(TAnalysisViewsTest)
#include "analysis_views_test.moc"
