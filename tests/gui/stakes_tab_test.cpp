// The stakes tab: stakes made through the stake and multi-stake dialogs, from a system and by
// double-clicking a combination; checking once the draw is in; deleting rows, by condition and
// everything; the grid's cells and panel 4; the profit-by-draw chart.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>

#include "engine/draws/archive_file.h"
#include "engine/session/list_commands.h"
#include "engine/session/workspace.h"
#include "engine/stakes/stake_check.h"
#include "engine/stakes/stake_entry.h"
#include "engine/stakes/stake_record.h"
#include "engine/stakes/systems.h"
#include "gui/combs/combs_tab.h"
#include "gui/core/form_main.h"
#include "gui/core/main_window_keys.h"
#include "gui/core/shortcut_router.h"
#include "gui/stakes/form_multi.h"
#include "gui/stakes/form_stake.h"
#include "gui/stakes/form_stake_filter.h"
#include "gui/stakes/stakes_commands.h"
#include "gui/stakes/stakes_model.h"
#include "gui/stakes/stakes_tab.h"
#include "gui/support/messages.h"
#include "gui/support/window_settings.h"
#include "gui/views/chart_window.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

constexpr int kStakesPage = 5;
using M = TStakesModel;

// Ten synthetic draws (draw 10 is 11;12;13;14;15), a stake cost of 1.50 and a prize of 15.00
// for three matches.
void PrepareDir(const QString& dir) {
    WriteArchiveFile((dir + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                     gui::test::SyntheticDraws(10));
    QFile ini(dir + QStringLiteral("/Marvolet_5z36.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(
        "[STAKES]\r\nCost=1.50\r\nProfits=1\r\nProfit_0_Overlap=3\r\nProfit_0_Profit=15.00\r\n");
}

TDrawRec Draw(std::int32_t number, std::array<std::uint8_t, 5> nums) {
    TDrawRec d;
    d.Number = number;
    d.Nums = nums;
    d.Extra = 1;
    return d;
}

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts) list << QString::fromUtf8(t);
    return list;
}

QString Money(TMoney amount) {
    return QString::fromStdString(MoneyText(amount));
}

TStakesTab& Tab(TFormMain& window) {
    return *window.StakesCommands().Tab();
}
TStakesModel& Model(TFormMain& window) {
    return *Tab(window).Model();
}
QString Cell(TFormMain& window, int row, int column) {
    return Model(window).index(row, column).data().toString();
}
QVariant Role(TFormMain& window, int row, int column, int role) {
    return Model(window).index(row, column).data(role);
}
bool Enabled(TFormMain& window, const char* name) {
    window.UpdateActions();
    return window.Action(QString::fromLatin1(name))->isEnabled();
}
void SelectGridRows(TFormMain& window, int first, int last) {
    QTableView* grid = Tab(window).Grid();
    grid->clearSelection();
    grid->selectionModel()->select(
        QItemSelection(Model(window).index(first, 0), Model(window).index(last, M::colComment)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace

class TStakesTabTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gui::test::EnableMessageTestMode(); }

    void tabMenuAndEmptyState() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(window->RightPages()->widget(kStakesPage), &Tab(*window));
        QCOMPARE(window->PanelText(TStakesCommands::CountPanel), QStringLiteral("Ставок: 0"));
        QCOMPARE(Model(*window).rowCount(), 0);
        QCOMPARE(
            Model(*window).headerData(M::colResult, Qt::Horizontal, Qt::DisplayRole).toString(),
            QStringLiteral("Результаты тиража"));
        const int widths[] = {60, 60, 120, 60, 120, 60, 60, 60, 1000};
        // At least the designed widths, wider where a caption needs it.
        QTableView* grid = Tab(*window).Grid();
        for (int c = 0; c < M::ColumnCount; ++c) {
            const QString caption =
                Model(*window).headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
            QVERIFY(grid->columnWidth(c) >= widths[c]);
            QVERIFY(grid->columnWidth(c) >
                    grid->horizontalHeader()->fontMetrics().horizontalAdvance(caption));
        }
        QCOMPARE(grid->columnWidth(M::colComment), 1000);

        // With the file open and the full set listed, only the adding commands can run.
        for (const char* name :
             {"StakeAdd", "StakeAddRandom", "StakeAddAll", "SystemStakeAll", "SystemStakeFilter",
              "LogStakes", "LogStakesDelete", "StakesScroll"}) {
            QVERIFY2(Enabled(*window, name), name);
        }
        for (const char* name : {"StakeAddSelected", "StakeDel", "StakeFilter", "StakeClear",
                                 "StakesCheckManual", "StakesGraphDraws", "StakesXlsExport"}) {
            QVERIFY2(!Enabled(*window, name), name);
        }
        QMenu* menu = nullptr;
        for (QAction* top : window->menuBar()->actions()) {
            if (top->text() == QStringLiteral("Ставки")) menu = top->menu();
        }
        QVERIFY(menu && menu->isEnabled());
        QStringList names;
        for (QAction* a : menu->actions()) {
            if (!a->isSeparator()) names << a->objectName();
        }
        QCOMPARE(names.size(), 15);
        QCOMPARE(names.first(), QStringLiteral("StakeAdd"));
        QCOMPARE(window->Action(QStringLiteral("StakeAdd"))->shortcut(),
                 QKeySequence(QStringLiteral("F4")));
        QCOMPARE(window->Action(QStringLiteral("StakeClear"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+Shift+Del")));
        QCOMPARE(window->Action(QStringLiteral("SystemStakeFilter"))->text(),
                 QStringLiteral("Системная игра по списку комбинаций"));
        QVERIFY(window->CombsTab()->List()->actions().contains(
            window->Action(QStringLiteral("SystemStakeAll"))));

        // The two options are stored at once.
        window->Action(QStringLiteral("LogStakes"))->trigger();
        QVERIFY(window->Workspace().StakesLogEnabled);
        window->Action(QStringLiteral("StakesScroll"))->trigger();
        QVERIFY(!window->StakesCommands().ScrollEnabled());
        {
            const TWindowSettings stored(TDataPaths{dir.path().toStdString()}.WindowSettings());
            QVERIFY(ReadMainFlag(stored, MainWindowKey::StakesLogEnabled));
            QVERIFY(!ReadMainFlag(stored, MainWindowKey::StakesScrollEnabled));
        }
        const QString dataDir = dir.path();
        window.reset();
        auto again = gui::test::StartMainWindow(dataDir);
        QVERIFY(again->Workspace().StakesLogEnabled);
        QVERIFY(again->Action(QStringLiteral("LogStakes"))->isChecked());
        QVERIFY(!again->Action(QStringLiteral("StakesScroll"))->isChecked());
    }

    // One stake through the dialog; it stays unchecked until its draw is in the archive.
    void stakeDialogAndCheckAfterTheDraw() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        QStringList errors;
        window->Dialogs().On<TFormStake>([&](TFormStake& d) {
            [&] {
                QCOMPARE(d.windowTitle(), QStringLiteral("Добавление ставки"));
                QCOMPARE(d.DrawBox()->value(), 11);
                QCOMPARE(d.CommentEdit()->text(), QStringLiteral("Ставка \"вручную\""));
                d.StakeEdit()->setText(QStringLiteral("1;2;3;4"));
                QCOMPARE(d.SumEdit()->text(), QStringLiteral("10"));
                QVERIFY(!d.Validate());
                d.StakeEdit()->setText(QStringLiteral("13;1;12,30;2"));
                d.CommentEdit()->clear();
                QVERIFY(!d.Validate());
                d.CommentEdit()->setText(QStringLiteral("моя"));
            }();
            errors = gui::test::RecordedMessageTexts();
            return d.Validate();
        });
        window->Action(QStringLiteral("StakeAdd"))->trigger();
        QCOMPARE(errors, QStringList({QStringLiteral("Введена некорректная комбинация!"),
                                      QStringLiteral("Необходимо ввести комментарий!")}));
        QCOMPARE(Model(*window).rowCount(), 1);
        QCOMPARE(window->PanelText(TStakesCommands::CountPanel), QStringLiteral("Ставок: 1"));
        QCOMPARE(Cell(*window, 0, M::colDraw), QStringLiteral("11"));
        QCOMPARE(Cell(*window, 0, M::colKind), QStringLiteral("Вручную"));
        QCOMPARE(Cell(*window, 0, M::colStake), QStringLiteral("1;2;12;13;30"));
        QCOMPARE(Cell(*window, 0, M::colSample), QStringLiteral("376992"));
        QCOMPARE(Cell(*window, 0, M::colMatchCount), QString());
        QCOMPARE(Cell(*window, 0, M::colProfit), Money(-15000));
        QCOMPARE(Cell(*window, 0, M::colComment), QStringLiteral("моя"));
        QCOMPARE(Role(*window, 0, M::colDraw, Qt::BackgroundRole).value<QColor>(),
                 QColor(234, 255, 234));
        QVERIFY(!Role(*window, 0, M::colProfit, Qt::ForegroundRole).isValid());
        QCOMPARE(Role(*window, 0, M::colDraw, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE(Role(*window, 0, M::colProfit, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignRight | Qt::AlignVCenter));
        QCOMPARE(Role(*window, 0, M::colComment, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));
        // The new stake is the selected row.
        QCOMPARE(Tab(*window).SelectedRange(), (std::optional<std::pair<int, int>>{{0, 0}}));

        // Nothing to check yet; once draw 11 is in, the check fills the stake in.
        window->Action(QStringLiteral("StakesCheckManual"))->trigger();
        QCOMPARE(Cell(*window, 0, M::colResult), QString());
        window->Workspace().StoreDraw(Draw(11, {12, 1, 20, 2, 3}));
        QVERIFY(Enabled(*window, "StakesCheckManual"));
        window->Action(QStringLiteral("StakesCheckManual"))->trigger();
        QCOMPARE(Cell(*window, 0, M::colResult), QStringLiteral("12;1;20;2;3"));
        QCOMPARE(Cell(*window, 0, M::colMatchCount), QStringLiteral("3"));
        QCOMPARE(Cell(*window, 0, M::colMatches), QStringLiteral("1 2 12"));
        QCOMPARE(Cell(*window, 0, M::colProfit), Money(135000));
        for (int c : {M::colMatchCount, M::colMatches, M::colProfit}) {
            QCOMPARE(Role(*window, 0, c, Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 0));
        }
        QCOMPARE(Role(*window, 0, M::colResult, M::NumbersRole).value<QList<int>>(),
                 QList<int>({12, 1, 20, 2, 3}));
        QCOMPARE(Role(*window, 0, M::colStake, M::MatchedRole).value<QList<int>>(),
                 QList<int>({1, 2, 12}));

        // A random combination of the working list, offered in the same dialog.
        QString offered;
        window->Dialogs().On<TFormStake>([&](TFormStake& d) {
            offered = d.StakeEdit()->text();
            return false;
        });
        QVERIFY(Enabled(*window, "StakeAddRandom"));
        window->Action(QStringLiteral("StakeAddRandom"))->trigger();
        QVERIFY2(ParseStakeEntry(offered.toStdString()).has_value(), qPrintable(offered));

        // Double-clicking a combination opens the dialog on its numbers; cancelled, nothing.
        QTableView* combs = window->CombsTab()->List();
        window->LeftPages()->setCurrentWidget(window->CombsTab());
        const QRect cell = combs->visualRect(combs->model()->index(2, 1));
        QTest::mouseClick(combs->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(combs->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(offered, QStringLiteral("1;2;3;4;7"));
        QCOMPARE(Model(*window).rowCount(), 1);
    }

    // Stakes for the selected combinations over two draws, then the three ways to delete.
    void multiStakesAndDeleting() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        QTableView* combs = window->CombsTab()->List();
        combs->selectionModel()->select(
            QItemSelection(combs->model()->index(0, 0), combs->model()->index(2, 0)),
            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(Enabled(*window, "StakeAddSelected"));
        window->Dialogs().On<TFormMulti>([](TFormMulti& d) {
            const bool defaults = d.windowTitle() == QStringLiteral("Добавление мультиставки") &&
                                  d.DrawBox()->value() == 11 && d.DrawsBox()->value() == 1 &&
                                  d.CommentEdit()->text() == QStringLiteral("Ставка \"вручную\"");
            d.CommentEdit()->clear();
            if (!defaults || d.Validate()) return false;
            d.DrawsBox()->setValue(2);
            d.CommentEdit()->setText(QStringLiteral("мульти"));
            return d.Validate();
        });
        window->Action(QStringLiteral("StakeAddSelected"))->trigger();
        // stake, marker, stake, then marker, stake, marker, stake for each further one.
        QCOMPARE(Model(*window).rowCount(), 11);
        QCOMPARE(window->PanelText(TStakesCommands::CountPanel), QStringLiteral("Ставок: 11"));
        QVERIFY(!combs->selectionModel()->hasSelection());
        QCOMPARE(Tab(*window).SelectedRange(), (std::optional<std::pair<int, int>>{{10, 10}}));
        const QStringList expected =
            Texts({"11", "", "12", "", "11", "", "12", "", "11", "", "12"});
        for (int r = 0; r < 11; ++r) QCOMPARE(Cell(*window, r, M::colDraw), expected[r]);
        QCOMPARE(Cell(*window, 10, M::colStake), QStringLiteral("1;2;3;4;7"));
        QCOMPARE(Cell(*window, 10, M::colComment), QStringLiteral("мульти"));
        QVERIFY(!Role(*window, 1, M::colDraw, Qt::BackgroundRole).isValid());

        // Draw 11 arrives: the three stakes for it are checked, those for 12 are not.
        window->Workspace().StoreDraw(Draw(11, {1, 2, 3, 30, 31}));
        window->Action(QStringLiteral("StakesCheckManual"))->trigger();
        QCOMPARE(Cell(*window, 0, M::colMatchCount), QStringLiteral("3"));
        QCOMPARE(Cell(*window, 2, M::colMatchCount), QString());

        // Rows 1..2 (a marker and a stake for 12), after the confirmation.
        SelectGridRows(*window, 1, 2);
        QVERIFY(Enabled(*window, "StakeDel"));
        window->Action(QStringLiteral("StakeDel"))->trigger();
        QVERIFY(gui::test::LastMessageText().contains(QStringLiteral("2")));
        QCOMPARE(Model(*window).rowCount(), 9);
        QCOMPARE(Cell(*window, 1, M::colDraw), QString());
        QCOMPARE(Cell(*window, 2, M::colDraw), QStringLiteral("11"));

        // "Менее [ < ]" 1: the unchecked stakes go, markers and checked stakes stay.
        window->Dialogs().On<TFormStakeFilter>([](TFormStakeFilter& d) {
            const bool opened = d.ConditionBox()->currentIndex() == 0 &&
                                d.ValueBox()->value() == 0 && d.ConditionBox()->count() == 5;
            d.ConditionBox()->setCurrentIndex(3);
            d.ValueBox()->setValue(1);
            return opened;
        });
        window->Action(QStringLiteral("StakeFilter"))->trigger();
        QStringList left;
        for (int r = 0; r < Model(*window).rowCount(); ++r) left << Cell(*window, r, M::colDraw);
        QCOMPARE(left, Texts({"11", "", "11", "", "", "11", ""}));

        // Everything, after the confirmation with the count.
        TMessages::QueueAnswer(false);
        window->Action(QStringLiteral("StakeClear"))->trigger();
        QCOMPARE(Model(*window).rowCount(), 7);
        window->Action(QStringLiteral("StakeClear"))->trigger();
        const QStringList shown = gui::test::RecordedMessageTexts();
        QVERIFY(shown.size() >= 2);
        QVERIFY(shown[shown.size() - 2].contains(QStringLiteral("7")));
        // The ratings of the checked stakes may then be rebuilt from the empty file.
        QVERIFY(shown.last().contains(QStringLiteral("Пересчитать рейтинг")));
        QCOMPARE(Model(*window).rowCount(), 0);
        QCOMPARE(window->PanelText(TStakesCommands::CountPanel), QStringLiteral("Ставок: 0"));
        QVERIFY(!Enabled(*window, "StakeClear"));
    }

    // A system game over the working list's six numbers, whole and list-only.
    void systemStakes() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        const auto folder = SystemsFolder(dir.path().toStdString());
        std::filesystem::create_directory(folder);
        QFile system(QString::fromStdString((folder / "5-06-1_0007.dat").string()));
        QVERIFY(system.open(QIODevice::WriteOnly));
        system.write("1 2 3 4 5\r\n1 2 3 4 6\r\n02-03-04-05-06\r\n");
        system.close();
        auto window = gui::test::StartMainWindow(dir.path());
        window->RunCommand(
            [&] { PasteCombinations(window->Workspace(), "9;3;30;12;7\r\n3;7;9;12;21\r\n"); });
        QString comment;
        window->Dialogs().On<TFormMulti>([&](TFormMulti& d) {
            comment = d.CommentEdit()->text();
            return d.Validate();
        });
        window->Action(QStringLiteral("SystemStakeAll"))->trigger();
        QCOMPARE(comment, QStringLiteral("Системная игра для 6 чисел [вся система]: 5-06-1_0007"));
        QCOMPARE(Model(*window).rowCount(), 3);
        QCOMPARE(Cell(*window, 0, M::colKind), QStringLiteral("Система"));
        QCOMPARE(Cell(*window, 0, M::colStake), QStringLiteral("3;7;9;12;30"));
        QCOMPARE(Cell(*window, 2, M::colStake), QStringLiteral("3;7;12;21;30"));
        QCOMPARE(Cell(*window, 0, M::colSample), QStringLiteral("3"));
        QCOMPARE(Role(*window, 0, M::colDraw, Qt::BackgroundRole).value<QColor>(),
                 QColor(252, 253, 217));

        window->Action(QStringLiteral("SystemStakeFilter"))->trigger();
        QCOMPARE(comment, QStringLiteral("Системная игра для 6 чисел [комбинации]: 5-06-1_0007"));
        // A marker, then the one system combination that the list holds.
        QCOMPARE(Model(*window).rowCount(), 5);
        QCOMPARE(Cell(*window, 4, M::colStake), QStringLiteral("3;7;9;12;30"));
        QCOMPARE(Cell(*window, 4, M::colSample), QStringLiteral("2"));

        // Seven numbers: no system for them.
        window->RunCommand(
            [&] { PasteCombinations(window->Workspace(), "1;2;3;4;5\r\n6;7;1;2;3\r\n"); });
        window->Action(QStringLiteral("SystemStakeAll"))->trigger();
        QVERIFY(gui::test::LastMessageText().startsWith(
            QStringLiteral("Система для 7 чисел не найдена или не загружена на компьютер!")));
        QCOMPARE(Model(*window).rowCount(), 5);
    }

    // Alt+F4 makes stakes of the selected combinations while their list is in front and ends
    // the program otherwise; Ctrl+Del deletes stakes while the grid is in front.
    void sharedKeysActWhereTheUserLooks() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        window->Workspace().StoreDraw(Draw(11, {1, 2, 3, 4, 5}));
        const QKeySequence altF4(QStringLiteral("Alt+F4"));
        const QKeySequence ctrlDel(QStringLiteral("Ctrl+Del"));
        window->LeftPages()->setCurrentWidget(window->CombsTab());
        window->CombsTab()->List()->selectRow(0);
        window->UpdateActions();
        QCOMPARE(window->Shortcuts().Resolve(altF4),
                 window->Action(QStringLiteral("StakeAddSelected")));
        window->LeftPages()->setCurrentIndex(0);
        window->UpdateActions();
        QCOMPARE(window->Shortcuts().Resolve(altF4), window->Action(QStringLiteral("ExitProgram")));

        window->Dialogs().On<TFormMulti>([](TFormMulti&) { return true; });
        window->Action(QStringLiteral("StakeAddSelected"))->trigger();
        window->RightPages()->setCurrentIndex(kStakesPage);
        SelectGridRows(*window, 0, 0);
        window->UpdateActions();
        QCOMPARE(window->Shortcuts().Resolve(ctrlDel), window->Action(QStringLiteral("StakeDel")));
    }

    // The profit of each draw, the mean and the running total, in a modal chart window.
    void profitChart() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        window->Workspace().StoreDraw(Draw(11, {1, 2, 3, 4, 5}));
        window->Dialogs().On<TFormMulti>([](TFormMulti& d) {
            d.DrawBox()->setValue(11);
            d.DrawsBox()->setValue(2);
            return true;
        });
        // 1;2;3;4;5 for draws 11 and 12: five matches (no prize for them) and one unchecked.
        window->CombsTab()->List()->selectRow(0);
        QVERIFY(Enabled(*window, "StakeAddSelected"));
        window->Action(QStringLiteral("StakeAddSelected"))->trigger();
        QCOMPARE(Model(*window).rowCount(), 3);
        QVERIFY(Enabled(*window, "StakesGraphDraws"));
        window->Action(QStringLiteral("StakesGraphDraws"))->trigger();
        const auto charts = window->findChildren<TChartWindow*>();
        QCOMPARE(charts.size(), 1);
        TChartWindow* chart = charts.first();
        QVERIFY(chart->isVisible());
        QCOMPARE(chart->windowModality(), Qt::ApplicationModal);
        QCOMPARE(chart->windowTitle(),
                 QStringLiteral("График суммарного профита ставок по тиражам"));
        const auto& lines = chart->Lines().Lines();
        QCOMPARE(lines.size(), std::size_t{3});
        QCOMPARE(QString::fromStdString(lines[0].Title),
                 QStringLiteral("Суммарный профит ставок по тиражу"));
        QCOMPARE(QString::fromStdString(lines[1].Title), QStringLiteral("Среднее значение"));
        QCOMPARE(QString::fromStdString(lines[2].Title), QStringLiteral("Накопленное значение"));
        // Draw 11: five matches, no prize for them: -1.50; draw 12: -1.50.
        QCOMPARE(lines[0].Points.size(), std::size_t{2});
        QCOMPARE(lines[2].Points.back().Y, -3.0);
        QCOMPARE(lines[1].Points.front().Y, -1.5);
        gui::test::SaveScreenshot(chart, QStringLiteral("stakes_chart.png"));
        chart->close();
    }

    // A long file: the grid reads the rows it shows, not the file.
    void longFileIsReadOnDemand() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        constexpr int kCount = 100000;
        {
            std::vector<unsigned char> bytes(static_cast<std::size_t>(kCount) * StakeRecSize);
            for (int i = 0; i < kCount; ++i) {
                TStakeRecord rec;
                rec.Kind = static_cast<std::uint8_t>(1 + i % 4);
                rec.DrawNumber = 1 + i % 12;
                rec.SampleSize = 100;
                const std::uint8_t nums[] = {1, 2, 3, 4, static_cast<std::uint8_t>(5 + i % 30)};
                rec.Numbers.Assign(nums);
                rec.Profit = -15000;
                rec.Comment = "ставка " + std::to_string(i);
                if (rec.DrawNumber <= 10) {
                    rec.Checked = 1;
                    const TDrawRec d =
                        gui::test::SyntheticDraws(10)[static_cast<std::size_t>(rec.DrawNumber - 1)];
                    rec.DrawResult = d.Nums;
                    std::vector<std::uint8_t> hit;
                    for (auto n : nums) {
                        if (std::find(d.Nums.begin(), d.Nums.end(), n) != d.Nums.end())
                            hit.push_back(n);
                    }
                    std::sort(hit.begin(), hit.end());
                    rec.Matches.Assign(hit);
                    rec.Matches.Count = static_cast<std::int32_t>(hit.size());
                    rec.Profit = hit.size() == 3 ? 135000 : -15000;
                }
                if (i % 7 == 6) rec = MakeStakeMarker();
                EncodeStakeRec(rec, bytes.data() + static_cast<std::size_t>(i) * StakeRecSize);
            }
            QFile file(dir.path() + QStringLiteral("/Marvolet_5z36.lsk"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<qint64>(bytes.size()));
        }
        auto window = gui::test::StartMainWindow(dir.path());
        window->resize(1200, 700);
        window->RightPages()->setCurrentIndex(kStakesPage);
        QCOMPARE(Model(*window).rowCount(), kCount);
        QCOMPARE(window->PanelText(TStakesCommands::CountPanel), QStringLiteral("Ставок: 100000"));
        QTableView* grid = Tab(*window).Grid();
        for (int row : {0, 50000, kCount - 1}) {
            grid->scrollTo(Model(*window).index(row, 0));
            grid->viewport()->repaint();
        }
        QVERIFY2(Model(*window).RecordsRead() < 2000,
                 qPrintable(QString::number(Model(*window).RecordsRead())));
        QCOMPARE(Cell(*window, kCount - 1, M::colComment), QStringLiteral("ставка 99999"));
        grid->scrollToTop();
        SelectGridRows(*window, 2, 3);
        gui::test::SaveScreenshot(window.get(), QStringLiteral("stakes_tab.png"));
    }
};

QTEST_MAIN(TStakesTabTest)
#include "stakes_tab_test.moc"
