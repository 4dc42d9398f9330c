// The regulars tab: regulars added through their dialog (one start, several selected
// combinations, a comment already taken), a stake made from one (and cancelled), the test
// over past draws, deleting, and hiding the tab.
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "engine/draws/archive_file.h"
#include "engine/ratings/regulars.h"
#include "engine/session/regular_commands.h"
#include "engine/session/workspace.h"
#include "gui/combs/combs_tab.h"
#include "gui/core/form_main.h"
#include "gui/ratings/form_table.h"
#include "gui/scenarios/form_test_cnt.h"
#include "gui/ratings/regulars_commands.h"
#include "gui/ratings/regulars_tab.h"
#include "gui/stakes/form_stake.h"
#include "gui/stakes/stakes_commands.h"
#include "gui/stakes/stakes_model.h"
#include "gui/stakes/stakes_tab.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

constexpr int kRegularsPage = 7;

void PrepareDir(const QString& dir) {
    WriteArchiveFile((dir + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                     gui::test::SyntheticDraws(10));
}

TRegularsTab& Tab(TFormMain& window) {
    return *window.RegularsCommands().Tab();
}
QString Cell(TFormMain& window, int row, int column) {
    return Tab(window).Model()->index(row, column).data().toString();
}
int Rows(TFormMain& window) {
    return Tab(window).Model()->rowCount();
}
int StakeRows(TFormMain& window) {
    return window.StakesCommands().Tab()->Model()->rowCount();
}
bool Enabled(TFormMain& window, const char* name) {
    window.UpdateActions();
    return window.Action(QString::fromLatin1(name))->isEnabled();
}
void Trigger(TFormMain& window, const char* name) {
    QVERIFY2(Enabled(window, name), name);
    window.Action(QString::fromLatin1(name))->trigger();
}
void SelectCombs(TFormMain& window, std::initializer_list<int> rows) {
    QTableView* list = window.CombsTab()->List();
    list->clearSelection();
    for (int r : rows) {
        list->selectionModel()->select(list->model()->index(r, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}
void SelectRegulars(TFormMain& window, std::initializer_list<int> rows) {
    QTreeView* list = Tab(window).List();
    list->clearSelection();
    bool first = true;
    for (int r : rows) {
        const QModelIndex index = Tab(window).Model()->index(r, 0);
        list->selectionModel()->select(index,
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (first) list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        first = false;
    }
}
// Row `row` of the working list as the regulars show a combination.
QString CombText(TFormMain& window, std::size_t row) {
    const TComb& comb = window.Workspace().Combs().CurrentList[row];
    TRegularComb numbers{};
    std::copy(comb.Nums.begin(), comb.Nums.end(), numbers.begin());
    std::sort(numbers.begin(), numbers.end());
    return QString::fromStdString(RegularCombText(numbers));
}
TRegulars OnDisk(TFormMain& window) {
    return LoadRegulars(RegularsPath(window.Workspace()));
}

}  // namespace

class TRegularsTabTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gui::test::EnableMessageTestMode(); }

    void addingThroughTheDialog() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(window->RightPages()->widget(kRegularsPage), &Tab(*window));
        QCOMPARE(window->RightPages()->tabText(kRegularsPage), QStringLiteral("Регуляры"));
        QCOMPARE(Tab(*window).List()->objectName(), QStringLiteral("lvTables"));
        QCOMPARE(Rows(*window), 0);
        QVERIFY(!Enabled(*window, "TablesDel"));
        QVERIFY(!Enabled(*window, "TablesStakeAdd"));
        QVERIFY(!Enabled(*window, "TablesStakeTest"));

        // One combination selected: its numbers are the proposed start, the start box is open.
        SelectCombs(*window, {0});
        bool opened = false;
        window->Dialogs().On<TFormTable>([&](TFormTable& d) {
            opened = d.windowTitle() == QStringLiteral("Добавление регулярной ставки") &&
                     d.CommentEdit()->text() == QStringLiteral("Регулярная ставка") &&
                     d.StepBox()->value() == 1 && d.StepBox()->minimum() == -36 &&
                     d.StepBox()->maximum() == 36 && d.UseMyCombButton()->isChecked() &&
                     d.StartEdit()->isEnabled() && d.StartEdit()->text() == CombText(*window, 0);
            d.StartEdit()->setText(QStringLiteral("33,2,3,4,5"));
            d.StepBox()->setValue(5);
            return d.Validate();
        });
        Trigger(*window, "TablesAdd");
        QVERIFY(opened);
        QCOMPARE(Rows(*window), 1);
        QCOMPARE(Cell(*window, 0, 0), QStringLiteral("Регулярная ставка"));
        QCOMPARE(Cell(*window, 0, 1), QStringLiteral("2;3;4;5;33"));
        QCOMPARE(Cell(*window, 0, 2), QStringLiteral("5"));
        QCOMPARE(Cell(*window, 0, 3), QStringLiteral("2;3;4;5;33"));
        QCOMPARE(Cell(*window, 0, 4), QStringLiteral("0"));
        QCOMPARE(OnDisk(*window), window->RegularsCommands().Regulars());

        // The same comment again, in other letters: refused, the dialog stays.
        window->Dialogs().On<TFormTable>([&](TFormTable& d) {
            d.CommentEdit()->setText(QStringLiteral("РЕГУЛЯРНАЯ СТАВКА"));
            return d.Validate();
        });
        Trigger(*window, "TablesAdd");
        QVERIFY(gui::test::LastMessageText().startsWith(
            QStringLiteral("Запись с таким комментарией уже присутствует в списке!")));
        QCOMPARE(Rows(*window), 1);
        // A bad start combination is refused before the comment is looked at.
        window->Dialogs().On<TFormTable>([&](TFormTable& d) {
            d.StartEdit()->setText(QStringLiteral("1;2;3;4;4"));
            return d.Validate();
        });
        Trigger(*window, "TablesAdd");
        QCOMPARE(gui::test::LastMessageText(), QStringLiteral("Введена некорректная комбинация!"));

        // Three combinations with a constant start: one regular each, numbered by position.
        SelectCombs(*window, {0, 2, 4});
        window->Dialogs().On<TFormTable>([&](TFormTable& d) {
            opened = !d.StartEdit()->isEnabled() &&
                     d.StartEdit()->text() == QStringLiteral("{...Выделенные комбинации...}");
            d.CommentEdit()->setText(QStringLiteral("Серия"));
            return d.Validate();
        });
        Trigger(*window, "TablesAdd");
        QVERIFY(opened);
        QCOMPARE(Rows(*window), 4);
        QCOMPARE(Cell(*window, 1, 0), QStringLiteral("Серия (1)"));
        QCOMPARE(Cell(*window, 2, 0), QStringLiteral("Серия (3)"));
        QCOMPARE(Cell(*window, 3, 0), QStringLiteral("Серия (5)"));
        QCOMPARE(Cell(*window, 3, 1), CombText(*window, 4));

        // The last draw as base: one regular whatever is selected.
        window->Dialogs().On<TFormTable>([&](TFormTable& d) {
            d.UseLastDrawButton()->setChecked(true);
            opened = !d.StartEdit()->isEnabled();
            d.CommentEdit()->setText(QStringLiteral("По тиражу"));
            return d.Validate();
        });
        Trigger(*window, "TablesAdd");
        QVERIFY(opened);
        QCOMPARE(Rows(*window), 5);
        QVERIFY(window->RegularsCommands().Regulars()[4].UseLastDraw);
        QCOMPARE(OnDisk(*window).size(), std::size_t{5});

        window->RightPages()->setCurrentIndex(kRegularsPage);
        SelectRegulars(*window, {0});
        gui::test::SaveScreenshot(window.get(), QStringLiteral("regulars_tab.png"));
    }

    void stakesFromRegularsTestAndDelete() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        SaveRegulars((dir.path() + QStringLiteral("/Marvolet_5z36.ltb")).toStdString(),
                     NewRegulars("Шаг", false, 1, {1, 2, 3, 4, 5}, {{1, {1, 2, 3, 4, 5}}}));
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(Rows(*window), 1);
        SelectRegulars(*window, {0});

        // Cancelled: the regular does not move.
        window->Dialogs().On<TFormStake>([](TFormStake&) { return false; });
        Trigger(*window, "TablesStakeAdd");
        QCOMPARE(Cell(*window, 0, 3), QStringLiteral("1;2;3;4;5"));
        QCOMPARE(StakeRows(*window), 0);

        // Confirmed: a regular's stake for the next draw, the regular one step on.
        bool proposed = false;
        window->Dialogs().On<TFormStake>([&](TFormStake& d) {
            proposed = d.StakeEdit()->text().contains(QStringLiteral("2")) &&
                       d.CommentEdit()->text() == QStringLiteral("Шаг") &&
                       d.DrawBox()->value() == 11;
            return d.Validate();
        });
        Trigger(*window, "TablesStakeAdd");
        QVERIFY(proposed);
        QCOMPARE(Cell(*window, 0, 3), QStringLiteral("2;3;4;5;6"));
        QCOMPARE(Cell(*window, 0, 4), QStringLiteral("1"));
        QCOMPARE(StakeRows(*window), 1);
        const TStakeRecord made = window->Workspace().Stakes().ReadRange(0, 1).front();
        QCOMPARE(int(made.Kind), int(skRegular));
        QCOMPARE(made.DrawNumber, 11);
        QCOMPARE(OnDisk(*window)[0].StakesMade, 1);

        // The test over three past draws: three stakes, the offset back where it was.
        window->Workspace().SetDrawsOffset(2);
        window->Dialogs().On<TFormTestCnt>([&](TFormTestCnt& d) {
            proposed = d.windowTitle() == QStringLiteral("Количество тестов") &&
                       d.CountBox()->maximum() == 9 && d.CountBox()->value() == 9;
            d.CountBox()->setValue(3);
            return true;
        });
        SelectRegulars(*window, {0});
        Trigger(*window, "TablesStakeTest");
        QCOMPARE(StakeRows(*window), 4);
        QCOMPARE(window->Workspace().DrawsOffset(), 2);
        QCOMPARE(Cell(*window, 0, 4), QStringLiteral("4"));
        QCOMPARE(Cell(*window, 0, 3), QStringLiteral("5;6;7;8;9"));
        // Stakes for draws 8, 9 and 10, checked at once.
        const auto stakes = window->Workspace().Stakes().ReadRange(1, 3);
        QCOMPARE(stakes[0].DrawNumber, 8);
        QCOMPARE(stakes[2].DrawNumber, 10);
        QVERIFY(stakes[2].Checked != 0);
        QCOMPARE(OnDisk(*window), window->RegularsCommands().Regulars());

        // Deleting, after the confirmation.
        TMessages::QueueAnswer(false);
        Trigger(*window, "TablesDel");
        QCOMPARE(Rows(*window), 1);
        SelectRegulars(*window, {0});
        Trigger(*window, "TablesDel");
        QCOMPARE(Rows(*window), 0);
        QVERIFY(OnDisk(*window).empty());
        QVERIFY(!Enabled(*window, "TablesDel"));
    }

    // A regular of a damaged file makes no stake of numbers outside the game.
    void damagedRegularIsRefused() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        TRegulars regulars = NewRegulars("Сбой", false, 1, {1, 2, 3, 4, 5}, {{1, {1, 2, 3, 4, 5}}});
        regulars[0].Step = 40;
        SaveRegulars((dir.path() + QStringLiteral("/Marvolet_5z36.ltb")).toStdString(), regulars);
        auto window = gui::test::StartMainWindow(dir.path());
        SelectRegulars(*window, {0});
        window->Dialogs().On<TFormStake>([](TFormStake&) { return true; });
        Trigger(*window, "TablesStakeAdd");
        QCOMPARE(gui::test::LastMessageText(), QStringLiteral("Некорректная регулярная ставка!"));
        QCOMPARE(StakeRows(*window), 0);
        QCOMPARE(Cell(*window, 0, 4), QStringLiteral("0"));
    }

    void hidingTheTabDropsTheRegulars() {
        QTemporaryDir dir;
        PrepareDir(dir.path());
        SaveRegulars((dir.path() + QStringLiteral("/Marvolet_5z36.ltb")).toStdString(),
                     NewRegulars("R", true, 2, {}, {}));
        auto window = gui::test::StartMainWindow(dir.path());
        QVERIFY(window->Action(QStringLiteral("TabTables"))->isChecked());
        QCOMPARE(Rows(*window), 1);
        Trigger(*window, "TabTables");
        QVERIFY(!window->RightPages()->isTabVisible(kRegularsPage));
        QCOMPARE(Rows(*window), 0);
        for (const char* name : {"TablesAdd", "TablesDel", "TablesStakeAdd", "TablesStakeTest"}) {
            QVERIFY2(!Enabled(*window, name), name);
        }
        // The file stays; showing the tab reads it and brings the tab to the front.
        QCOMPARE(OnDisk(*window).size(), std::size_t{1});
        Trigger(*window, "TabTables");
        QVERIFY(window->RightPages()->isTabVisible(kRegularsPage));
        QCOMPARE(window->RightPages()->currentIndex(), kRegularsPage);
        QCOMPARE(Rows(*window), 1);
        QVERIFY(Enabled(*window, "TablesAdd"));
    }
};

QTEST_MAIN(TRegularsTabTest)
#include "regulars_tab_test.moc"
