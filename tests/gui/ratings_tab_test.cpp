// The ratings tab: rows from checked scenario stakes, the list's cells and panel 5, sorting by
// header clicks, the efficiency modes, the enabled rules, the rebuild, the CSV export, rows
// turned into scenario lines and the charts.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/core/game.h"
#include "engine/draws/archive_file.h"
#include "engine/draws/run_identity.h"
#include "engine/ratings/rating_charts.h"
#include "engine/ratings/ratings.h"
#include "engine/session/rating_commands.h"
#include "engine/session/stake_commands.h"
#include "engine/session/workspace.h"
#include "gui/core/form_main.h"
#include "gui/ratings/ratings_commands.h"
#include "gui/ratings/ratings_model.h"
#include "gui/ratings/ratings_tab.h"
#include "gui/scenarios/script_tab.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui/views/chart_window.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

constexpr int kRatingsPage = 6;
const char* const kVariantA = "01.001: A @ FULL#RAND + x";
const char* const kVariantB = "01.002: B @ FULL#RAND + y + z";
const char* const kManual = "Ставка \"вручную\"";

// Ten synthetic draws, a stake cost of 1.50 and a prize of 15.00 for three matches.
void PrepareDir(const QString& dir) {
    WriteArchiveFile((dir + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                     gui::test::SyntheticDraws(10));
    QFile ini(dir + QStringLiteral("/Marvolet_5z36.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(
        "[STAKES]\r\nCost=1.50\r\nProfits=1\r\nProfit_0_Overlap=3\r\nProfit_0_Profit=15.00\r\n");
}

TRatingsModel& Model(TFormMain& window) {
    return *window.RatingsCommands().Tab()->Model();
}
QString Cell(TFormMain& window, int row, int column) {
    return Model(window).index(row, column).data().toString();
}
QString Name(TFormMain& window, int row) {
    return Cell(window, row, 0);
}
bool Enabled(TFormMain& window, const char* name) {
    window.UpdateActions();
    return window.Action(QString::fromLatin1(name))->isEnabled();
}
void Trigger(TFormMain& window, const char* name) {
    QVERIFY2(Enabled(window, name), name);
    window.Action(QString::fromLatin1(name))->trigger();
}
void SelectRows(TFormMain& window, std::initializer_list<int> rows) {
    TSortableListView* list = window.RatingsCommands().Tab()->List();
    list->clearSelection();
    for (int r : rows) {
        list->selectionModel()->select(Model(window).index(r, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}
int RowNamed(TFormMain& window, const char* name) {
    for (int r = 0; r < Model(window).rowCount(); ++r) {
        if (Name(window, r) == QString::fromUtf8(name)) return r;
    }
    return -1;
}

// Scenario stakes of variant A (two a draw, on 1;2;3;4;5 and 6;7;8;9;10) and B (one a draw, on
// 1;2;3;30;31) for draws 1..4, one manual stake for draw 3, all checked. The synthetic draws
// are 1..5, 6..10, 11..15, 16..20: A matches 5+0, 0+5, 0+0, 0+0; B 3, 0, 0, 0; the manual one 0.
void MakeCheckedStakes(TWorkspace& ws) {
    std::vector<TStakeRecord> stakes;
    const auto add = [&](std::int32_t draw, TStakeKind kind, std::vector<std::uint8_t> numbers,
                         const char* comment) {
        TStakeRecord rec = NewStakeRecord(ws, kind, numbers, comment);
        rec.DrawNumber = draw;
        stakes.push_back(rec);
    };
    for (std::int32_t draw = 1; draw <= 4; ++draw) {
        add(draw, skScript, {1, 2, 3, 4, 5}, kVariantA);
        add(draw, skScript, {6, 7, 8, 9, 10}, kVariantA);
        add(draw, skScript, {1, 2, 3, 30, 31}, kVariantB);
    }
    add(3, skManual, {30, 31, 32, 33, 34}, kManual);
    AppendStakeRecords(ws, stakes);
    CheckAndRefreshStakes(ws);
}

}  // namespace

class TRatingsTabTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gui::test::EnableMessageTestMode(); }

    void rowsAfterACheckOfScenarioStakes() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(window->RightPages()->widget(kRatingsPage), window->RatingsCommands().Tab());
        QCOMPARE(window->RightPages()->tabText(kRatingsPage), QStringLiteral("Рейтинг"));
        QCOMPARE(window->PanelText(TRatingsCommands::CountPanel), QStringLiteral("Рейтинг: 0"));
        QVERIFY(!Enabled(*window, "RatingsExport"));

        MakeCheckedStakes(window->Workspace());
        QCOMPARE(Model(*window).rowCount(), 3);
        QCOMPARE(window->PanelText(TRatingsCommands::CountPanel), QStringLiteral("Рейтинг: 3"));
        // The stored order until the user picks one: the average, best first.
        QCOMPARE(Name(*window, 0), QString::fromUtf8(kVariantA));
        QCOMPARE(Name(*window, 1), QString::fromUtf8(kVariantB));
        QCOMPARE(Name(*window, 2), QString::fromUtf8(kManual));
        const TRatingRecord& a = window->Workspace().Ratings()[0];
        QCOMPARE(a.Stakes, 8);
        QCOMPARE(a.Matched, 10);
        for (int c = 0; c < RatingColumnCount; ++c) {
            QCOMPARE(Cell(*window, 0, c),
                     QString::fromStdString(RatingCellText(a, c, remAbsolute)));
        }
        QCOMPARE(Cell(*window, 0, 1), QStringLiteral("8"));
        QCOMPARE(Cell(*window, 0, 6), QStringLiteral("6"));
        QCOMPARE(Cell(*window, 0, 11), QStringLiteral("2"));
        // The "Угадано" cell tells how far the matches stand from chance.
        const QString tip = Model(*window).index(0, 2).data(Qt::ToolTipRole).toString();
        QVERIFY(tip.startsWith(QStringLiteral("z = ")));
        QCOMPARE(tip, QString::fromStdString(RatingChanceText(a)));
        QVERIFY(Model(*window).index(0, 3).data(Qt::ToolTipRole).isNull());

        // Captions, widths and alignment.
        const int widths[] = {200, 60, 60, 60, 80, 80, 30, 30, 30,
                              30,  30, 30, 70, 70, 70, 70, 70, 70};
        TSortableListView* list = window->RatingsCommands().Tab()->List();
        QCOMPARE(list->objectName(), QStringLiteral("lvRatings"));
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        for (int c = 0; c < RatingColumnCount; ++c) {
            // At least the designed widths, wider where a caption needs it.
            QVERIFY(list->columnWidth(c) >= widths[c]);
            QVERIFY(list->columnWidth(c) >= list->header()->sectionSizeHint(c));
            QCOMPARE(Model(*window).headerData(c, Qt::Horizontal, Qt::DisplayRole).toString(),
                     QString::fromStdString(RatingColumnCaptions()[c]));
            const auto align = Model(*window).index(0, c).data(Qt::TextAlignmentRole).toInt();
            const int expected = c == 0             ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                 : c == 4 || c == 5 ? int(Qt::AlignRight | Qt::AlignVCenter)
                                                    : int(Qt::AlignCenter);
            QCOMPARE(align, expected);
        }
        QCOMPARE(LoadRatings(RatingsPath(window->Workspace())), window->Workspace().Ratings());

        window->RightPages()->setCurrentIndex(kRatingsPage);
        SelectRows(*window, {0, 1});
        gui::test::SaveScreenshot(window.get(), QStringLiteral("ratings_tab.png"));
    }

    void headerClicksSortAndToggleTheDirection() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        MakeCheckedStakes(window->Workspace());
        QHeaderView* header = window->RatingsCommands().Tab()->List()->header();
        const auto names = [&] {
            QStringList out;
            for (int r = 0; r < Model(*window).rowCount(); ++r) out << Name(*window, r);
            return out;
        };
        const QString a = QString::fromUtf8(kVariantA);
        const QString b = QString::fromUtf8(kVariantB);
        const QString manual = QString::fromUtf8(kManual);

        // A new column sorts ascending: stakes 1, 4, 8.
        emit header->sectionClicked(1);
        QCOMPARE(window->Workspace().RatingsSortColumn, 1);
        QVERIFY(!window->Workspace().RatingsSortDescending);
        QCOMPARE(names(), (QStringList{manual, b, a}));
        QCOMPARE(header->sortIndicatorSection(), 1);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
        // The same column again: descending.
        emit header->sectionClicked(1);
        QVERIFY(window->Workspace().RatingsSortDescending);
        QCOMPARE(names(), (QStringList{a, b, manual}));
        // The file follows the order.
        QCOMPARE(LoadRatings(RatingsPath(window->Workspace())), window->Workspace().Ratings());
        // Another column starts ascending again: the profit.
        emit header->sectionClicked(4);
        QCOMPARE(window->Workspace().RatingsSortColumn, 4);
        QVERIFY(!window->Workspace().RatingsSortDescending);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    }

    void efficiencyModesAndEnabledRules() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        QVERIFY(Enabled(*window, "RatingsRefresh"));
        MakeCheckedStakes(window->Workspace());
        for (const char* name : {"RatingsToScript", "StakesGraphOverlap", "StakesGraphProfits",
                                 "RatingsGraphOverlap"}) {
            QVERIFY2(!Enabled(*window, name), name);
        }
        // Both exports need rows only.
        QVERIFY(Enabled(*window, "RatingsExport"));
        QVERIFY(Enabled(*window, "RatingsXlsExport"));
        SelectRows(*window, {1});
        for (const char* name : {"RatingsToScript", "StakesGraphOverlap", "StakesGraphProfits",
                                 "RatingsGraphOverlap"}) {
            QVERIFY2(Enabled(*window, name), name);
        }
        QCOMPARE(window->Action(QStringLiteral("RatingsRefresh"))->shortcut(),
                 QKeySequence(QStringLiteral("F5")));
        QCOMPARE(window->Action(QStringLiteral("StakesGraphOverlap"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+F6")));
        QCOMPARE(window->Action(QStringLiteral("StakesGraphProfits"))->shortcut(),
                 QKeySequence(QStringLiteral("Alt+F6")));

        const TRatingRecord row = window->Workspace().Ratings()[0];
        const auto checked = [&] {
            QList<bool> out;
            for (const char* name : {"RatingsEffMode0", "RatingsEffMode1", "RatingsEffMode2"})
                out << window->Action(QString::fromLatin1(name))->isChecked();
            return out;
        };
        QCOMPARE(checked(), (QList<bool>{false, true, false}));
        for (int mode = 0; mode < 3; ++mode) {
            Trigger(*window, QStringLiteral("RatingsEffMode%1").arg(mode).toLatin1().constData());
            QList<bool> expected{false, false, false};
            expected[mode] = true;
            QCOMPARE(checked(), expected);
            for (int c = 12; c < RatingColumnCount; ++c) {
                QCOMPARE(Cell(*window, 0, c), QString::fromStdString(RatingCellText(row, c, mode)));
            }
        }
        // Expected counts: 8 stakes, 47 % of them without a match by chance.
        Trigger(*window, "RatingsEffMode0");
        QCOMPARE(Cell(*window, 0, 12), QString::number(std::llrint(8 * HitTable()[0].Probability)));
    }

    void rebuildAskedAndExport() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        MakeCheckedStakes(window->Workspace());
        // The rows outlive their stakes until the rebuild, which asks first.
        DeleteStakeRows(window->Workspace(), 1, 3);
        QCOMPARE(window->Workspace().Ratings()[0].Stakes, 8);
        TMessages::QueueAnswer(false);
        Trigger(*window, "RatingsRefresh");
        QVERIFY(gui::test::LastMessageText().startsWith(
            QStringLiteral("Пересчитать рейтинг только по текущим ставкам?")));
        QCOMPARE(window->Workspace().Ratings()[0].Stakes, 8);
        TMessages::QueueAnswer(true);
        Trigger(*window, "RatingsRefresh");
        // Draw 1's three stakes are gone: A keeps 6 stakes, B 3.
        QCOMPARE(window->Workspace().Ratings()[0].Name, std::string(kVariantA));
        QCOMPARE(window->Workspace().Ratings()[0].Stakes, 6);
        QCOMPARE(Cell(*window, 0, 1), QStringLiteral("6"));

        // The export dialog's identity option starts off; asked for, the identity of the data
        // becomes the file's last line.
        const TWorkspace& ws = window->Workspace();
        for (const bool withIdentity : {false, true}) {
            const QString csv = dir.path() + QStringLiteral("/ratings%1.csv").arg(withIdentity);
            bool startedOff = false;
            window->Dialogs().On<QFileDialog>([&](QFileDialog& dialog) {
                auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("cbIdentity"));
                startedOff = box && !box->isChecked();
                if (box) box->setChecked(withIdentity);
                dialog.selectFile(csv);
                return true;
            });
            Trigger(*window, "RatingsExport");
            QVERIFY(startedOff);
            QFile file(csv);
            QVERIFY(file.open(QIODevice::ReadOnly));
            std::optional<TRunIdentity> identity;
            if (withIdentity) {
                identity = MakeRunIdentity(ws.Paths().Archive(), ws.DrawsOffset(), ws.Config());
            }
            QCOMPARE(file.readAll().toStdString(), RatingsCsv(ws.Ratings(), identity));
        }
    }

    void rowsToScenarioLines() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        MakeCheckedStakes(window->Workspace());
        window->RightPages()->setCurrentIndex(kRatingsPage);
        const std::size_t before = window->Workspace().Script().Lines().size();
        SelectRows(*window, {0, 1, 2});
        Trigger(*window, "RatingsToScript");
        // The manual stakes' row is refused; the two variants come back as lines.
        QVERIFY(gui::test::LastMessageText().contains(QStringLiteral("невозможно добавить")));
        QVERIFY(gui::test::LastMessageText().contains(QString::fromUtf8(kManual)));
        const auto& lines = window->Workspace().Script().Lines();
        QCOMPARE(lines.size(), before + 2);
        QCOMPARE(window->RightPages()->currentWidget(), window->ScriptTab());
    }

    void chartsOfTheSelectedRows() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        MakeCheckedStakes(window->Workspace());
        SelectRows(*window, {RowNamed(*window, kVariantB), RowNamed(*window, kVariantA)});

        const auto takeChart = [&]() -> TChartWindow* {
            const auto charts = window->findChildren<TChartWindow*>();
            return charts.size() == 1 ? charts.first() : nullptr;
        };
        Trigger(*window, "StakesGraphOverlap");
        TChartWindow* chart = takeChart();
        QVERIFY(chart);
        QCOMPARE(chart->windowTitle(), QString::fromUtf8(StakesOverlapChartTitle));
        QCOMPARE(chart->windowModality(), Qt::ApplicationModal);
        {
            const auto& lines = chart->Lines().Lines();
            QCOMPARE(lines.size(), std::size_t{2});
            // Lines in the order of their first stake: A's stakes come first in the file.
            QCOMPARE(lines[0].Title, std::string(kVariantA));
            QCOMPARE(lines[0].Points.size(), std::size_t{8});
            QCOMPARE(lines[1].Points.size(), std::size_t{4});
            QCOMPARE(lines[1].Points[0].Y, 3.0);
        }
        chart->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        Trigger(*window, "StakesGraphProfits");
        chart = takeChart();
        QVERIFY(chart);
        QCOMPARE(chart->windowTitle(), QString::fromUtf8(StakesProfitChartTitle));
        chart->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // A double click on the list draws the match counts.
        TSortableListView* list = window->RatingsCommands().Tab()->List();
        emit list->doubleClicked(Model(*window).index(0, 0));
        chart = takeChart();
        QVERIFY(chart);
        QCOMPARE(chart->windowTitle(), QString::fromUtf8(RatingsOverlapChartTitle));
        const auto& lines = chart->Lines().Lines();
        QCOMPARE(lines.size(), std::size_t{3});
        QCOMPARE(lines[0].Title, std::string(RatingsChanceLineTitle));
        QCOMPARE(lines[0].Points.size(), std::size_t{6});
        // The chance line is scaled to the largest row: 8 stakes.
        QVERIFY(qAbs(lines[0].Points[0].Y - 8.0 * HitCount(0) / 376992) < 1e-9);
        gui::test::SaveScreenshot(chart, QStringLiteral("ratings_chart.png"));
        chart->close();
    }

    void badRowsSayTheyCannotBeShown() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        TRatingRecord bad{"broken", 2, 3, {5, 0, 0, 0, 0, 0}, 0};
        TRatingRecord good{"good", 1, 1, {0, 1, 0, 0, 0, 0}, -15000};
        SaveRatings((dir.path() + QStringLiteral("/Marvolet_5z36.lrt")).toStdString(), {bad, good});
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(Model(*window).rowCount(), 2);
        QCOMPARE(window->PanelText(TRatingsCommands::CountPanel), QStringLiteral("Рейтинг: 2"));
        const int broken = Name(*window, 0) == QStringLiteral("# bad data #") ? 0 : 1;
        QCOMPARE(Name(*window, broken), QStringLiteral("# bad data #"));
        QCOMPARE(Cell(*window, broken, 1), QString());
        QCOMPARE(Name(*window, 1 - broken), QStringLiteral("good"));
    }
};

QTEST_MAIN(TRatingsTabTest)
#include "ratings_tab_test.moc"
