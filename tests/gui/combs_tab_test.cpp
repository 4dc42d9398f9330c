// The combinations tab: generation through its dialog, the statistics selection applied with
// F7 and Ctrl+F7, undo, excluding the latest draws, the clipboard, and the comparison option.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>
#include <QtTest>

#include "engine/draws/archive_file.h"
#include "engine/session/workspace.h"
#include "gui/combs/combs_tab.h"
#include "gui/combs/form_generate.h"
#include "gui/core/form_main.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/list_rows_model.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

std::size_t Count(TTemplateMain& window) {
    return window.Workspace().Combs().CurrentList.Count();
}

}  // namespace

class TCombsTabTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMessages::SetTestMode(true); }

    void generateFilterAndUndo() {
        QTemporaryDir dir;
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                         gui::test::SyntheticDraws(20));
        auto window = gui::test::StartMainWindow(dir.path());
        // The default list at start is the full set.
        QCOMPARE(Count(*window), static_cast<std::size_t>(FullSetSize));
        QCOMPARE(window->PanelText(3), QStringLiteral("Комбинаций: 376992"));
        QCOMPARE(window->CombsTab()->List()->model()->rowCount(), FullSetSize);
        QVERIFY(!window->Action(QStringLiteral("CombsUndo"))->isEnabled());

        // Mode 1 with my numbers 1 and 2.
        window->Dialogs().On<TFormGenerate>([](TFormGenerate& dialog) {
            dialog.ModeBox()->setCurrentIndex(1);
            dialog.ParametersEdit()->setText(QStringLiteral("1, 2"));
            return true;
        });
        window->Action(QStringLiteral("CombsGen"))->trigger();
        QCOMPARE(Count(*window), std::size_t{98736});
        QCOMPARE(window->PanelText(3), QStringLiteral("Комбинаций: 98736"));

        // Keep the combinations whose even count is 2 or 3 (rows "2:3" and "3:2").
        TStatsTab* stats = window->StatsTab();
        QVERIFY(stats->ChooseMethod(QStringLiteral("EVEN")));
        stats->List()->clearSelection();
        for (int r = 0; r < stats->Rows()->Count(); ++r) {
            const QString caption = stats->Rows()->Row(r).Caption;
            if (caption == QStringLiteral("2:3") || caption == QStringLiteral("3:2")) {
                stats->List()->selectionModel()->select(
                    stats->Rows()->index(r, 0),
                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
            }
        }
        window->UpdateActions();
        QVERIFY(window->Action(QStringLiteral("StatFilter_Include"))->isEnabled());
        window->Action(QStringLiteral("StatFilter_Include"))->trigger();
        const std::size_t kept = Count(*window);
        QVERIFY(kept > 0 && kept < 98736);
        QTreeWidget* operations = window->CombsTab()->Operations();
        QCOMPARE(operations->topLevelItemCount(), 1);
        QCOMPARE(operations->topLevelItem(0)->text(1), QStringLiteral("2:3; 3:2"));
        QCOMPARE(operations->topLevelItem(0)->text(2), QString::number(kept));

        // Removing the same values from what is left empties the list; undo brings it back.
        window->UpdateActions();
        window->Action(QStringLiteral("StatFilter_Exclude"))->trigger();
        QCOMPARE(Count(*window), std::size_t{0});
        QCOMPARE(operations->topLevelItemCount(), 2);
        window->UpdateActions();
        window->Action(QStringLiteral("CombsUndo"))->trigger();
        QCOMPARE(Count(*window), kept);
        QCOMPARE(operations->topLevelItemCount(), 1);
        window->UpdateActions();
        QVERIFY(!window->Action(QStringLiteral("CombsUndo"))->isEnabled());
        QVERIFY(TMessages::Recorded().empty());
    }

    void excludeLastDrawsAndClipboard() {
        QTemporaryDir dir;
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                         gui::test::SyntheticDraws(10));
        auto window = gui::test::StartMainWindow(dir.path());
        window->CombsTab()->ExcludeBox()->setValue(3);
        window->UpdateActions();
        window->Action(QStringLiteral("CombsDelExists"))->trigger();
        QCOMPARE(Count(*window), static_cast<std::size_t>(FullSetSize - 3));
        QCOMPARE(window->CombsTab()->Operations()->topLevelItem(0)->text(0),
                 QStringLiteral("Последние тиражи"));

        // Copy two rows, paste them as the new list.
        QTableView* list = window->CombsTab()->List();
        list->selectRow(0);
        list->selectionModel()->select(list->model()->index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        window->UpdateActions();
        window->Action(QStringLiteral("CombsCopy"))->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("01 02 03 04 05\r\n01 02 03 04 06"));
        window->UpdateActions();
        window->Action(QStringLiteral("CombsPaste"))->trigger();
        QCOMPARE(Count(*window), std::size_t{2});

        // A bad line restores the list and tells why.
        QApplication::clipboard()->setText(QStringLiteral("01 02 03 04 05\r\n\r\n07 08 09 10 11"));
        window->UpdateActions();
        window->Action(QStringLiteral("CombsPaste"))->trigger();
        QCOMPARE(Count(*window), std::size_t{2});
        QCOMPARE(TMessages::Recorded().back().Text,
                 QStringLiteral("Некорректная комбинация: \"\"!"));
    }

    void comparisonFillsTheNorm() {
        QTemporaryDir dir;
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                         gui::test::SyntheticDraws(30));
        auto window = gui::test::StartMainWindow(dir.path());
        QVERIFY(!window->Action(QStringLiteral("DrawsStatShowTotalLine"))->isEnabled());
        TStatsTab* stats = window->StatsTab();
        QVERIFY(stats->ChooseMethod(QStringLiteral("EVEN")));
        QCOMPARE(stats->Rows()->Row(0).SubItems.value(2), QStringLiteral("-"));  // "Норма"
        window->Action(QStringLiteral("DrawsStatePrefetchsEnabled"))->trigger();
        QVERIFY(window->Workspace().Combs().PrefetchsEnabled);
        QVERIFY(QFile::exists(dir.path() + QStringLiteral("/Prefetchs/Marvolet_5z36_EVEN.dfc")));
        QVERIFY(stats->Table().HasComparison);
        QVERIFY(stats->Rows()->Row(0).SubItems.value(2) != QStringLiteral("-"));
        QVERIFY(!stats->Table().AllCombinations.empty());
        QCOMPARE(stats->List()->columnWidth(3), 80);
    }
};

QTEST_MAIN(TCombsTabTest)
#include "combs_tab_test.moc"
