// Keyboard shortcuts of the main window: every command's key works in the whole window, not
// only in its own tab, and a key that several commands share runs the one in front.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMap>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "engine/draws/archive_file.h"
#include "engine/session/workspace.h"
#include "gui/combs/combs_tab.h"
#include "gui/core/form_main.h"
#include "gui/core/shortcut_router.h"
#include "gui/scenarios/form_script.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stats/form_manager.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/list_rows_model.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

constexpr int kLeftDraws = 0;
constexpr int kLeftCombs = 1;
constexpr int kRightStats = 0;

std::unique_ptr<TFormMain> ActiveWindow(const QString& dir) {
    WriteArchiveFile((dir + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                     gui::test::SyntheticDraws(10));
    auto window = gui::test::StartMainWindow(dir);
    window->activateWindow();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(window.get());
    return window;
}

int ScriptPage(const TTemplateMain& window) {
    return window.RightPages()->count() - 1;
}

void Press(QWidget* focus, const QKeySequence& key) {
    focus->setFocus();
    QTest::keySequence(focus, key);
}

}  // namespace

class TShortcutsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMessages::SetTestMode(true); }

    // The scenario commands answer their keys while the focus is in the draws list.
    void scenarioKeysWorkFromAnotherTab() {
        QTemporaryDir dir;
        auto window = ActiveWindow(dir.path());
        QVERIFY(QApplication::activeWindow() == window.get());
        window->RightPages()->setCurrentIndex(kRightStats);
        int opened = 0;
        window->Dialogs().On<TFormScript>([&](TFormScript& script) {
            ++opened;
            script.CommentEdit()->setText(QStringLiteral("строка %1").arg(opened));
            return true;
        });
        Press(window->DrawsList(), QKeySequence(QStringLiteral("Ctrl+Ins")));
        QCOMPARE(window->Workspace().Script().Count(), 1);
        window->ScriptTab()->FocusLine(0);
        window->UpdateActions();
        Press(window->DrawsList(), QKeySequence(QStringLiteral("Ctrl+K")));
        QCOMPARE(window->Workspace().Script().Count(), 2);
        QCOMPARE(opened, 2);
    }

    // Ctrl+C in the draws list copies the chosen combinations, and Ctrl+V there pastes them
    // into the working list.
    void clipboardKeysWorkFromTheDrawsList() {
        QTemporaryDir dir;
        auto window = ActiveWindow(dir.path());
        QTableView* combs = window->CombsTab()->List();
        combs->selectRow(0);
        combs->selectionModel()->select(combs->model()->index(1, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        window->LeftPages()->setCurrentIndex(kLeftDraws);
        window->DrawsList()->selectRow(0);
        window->UpdateActions();
        Press(window->DrawsList(), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("01 02 03 04 05\r\n01 02 03 04 06"));
        window->UpdateActions();
        Press(window->DrawsList(), QKeySequence::Paste);
        QCOMPARE(window->Workspace().Combs().CurrentList.Count(), std::size_t{2});
    }

    // Ctrl+Del deletes combinations or scenario lines: the tab in front decides, and when both
    // are in front, the one holding the focus.
    void sharedKeyRunsTheCommandInFront() {
        struct TCase {
            const char* Name;
            int Left;
            bool ScriptInFront;
            bool FocusInScript;
            bool CombsDeleted;
            bool LinesDeleted;
        };
        const TCase cases[] = {
            {"combinations only", kLeftCombs, false, false, true, false},
            {"scenario only", kLeftDraws, true, false, false, true},
            {"both, focus on the combinations", kLeftCombs, true, false, true, false},
            {"both, focus on the scenario", kLeftCombs, true, true, false, true},
            {"neither", kLeftDraws, false, false, false, false},
        };
        for (const TCase& c : cases) {
            QTemporaryDir dir;
            auto window = ActiveWindow(dir.path());
            window->Workspace().EditScript(
                [](TCurrentScript& s) { return s.AppendLine("FULL:0#RAND| | | | | | | |a"); });
            window->ScriptTab()->FocusLine(0);
            window->CombsTab()->List()->selectRow(0);
            window->LeftPages()->setCurrentIndex(c.Left);
            window->RightPages()->setCurrentIndex(c.ScriptInFront ? ScriptPage(*window)
                                                                  : kRightStats);
            window->UpdateActions();
            TMessages::QueueAnswer(true);
            QWidget* focus = window->DrawsList();
            if (c.Left == kLeftCombs) focus = window->CombsTab()->List();
            if (c.FocusInScript) focus = window->ScriptTab()->List();
            Press(focus, QKeySequence(QStringLiteral("Ctrl+Del")));
            const bool combsDeleted =
                window->Workspace().Combs().CurrentList.Count() == FullSetSize - 1;
            QVERIFY2(combsDeleted == c.CombsDeleted, c.Name);
            QVERIFY2((window->Workspace().Script().Count() == 0) == c.LinesDeleted, c.Name);
        }
    }

    // F7 keeps the combinations of the statistics selection while the statistics tab is in
    // front; elsewhere the key opens the favourites manager.
    void statisticsKeyActsWhileItsTabIsInFront() {
        QTemporaryDir dir;
        auto window = ActiveWindow(dir.path());
        TStatsTab* stats = window->StatsTab();
        QVERIFY(stats->ChooseMethod(QStringLiteral("EVEN")));
        stats->List()->selectionModel()->select(
            stats->Rows()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        window->RightPages()->setCurrentIndex(ScriptPage(*window));
        window->UpdateActions();
        int managers = 0;
        window->Dialogs().On<TFormManager>([&](TFormManager&) { ++managers; });
        Press(window->DrawsList(), QKeySequence(QStringLiteral("F7")));
        QCOMPARE(window->Workspace().Combs().CurrentList.Count(), std::size_t{FullSetSize});
        QCOMPARE(managers, 1);
        window->RightPages()->setCurrentIndex(kRightStats);
        window->UpdateActions();
        Press(window->DrawsList(), QKeySequence(QStringLiteral("F7")));
        QVERIFY(window->Workspace().Combs().CurrentList.Count() < std::size_t{FullSetSize});
        QCOMPARE(managers, 1);
    }

    // No two actions hold one key unless the key is routed to the one in front.
    void everySharedKeyIsRouted() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        QMap<QString, QList<QAction*>> byKey;
        for (QAction* a : window->findChildren<QAction*>()) {
            for (const QKeySequence& key : a->shortcuts()) byKey[key.toString()] << a;
        }
        for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
            if (it.value().size() < 2) continue;
            for (QAction* a : it.value()) {
                QVERIFY2(window->Shortcuts().IsShared(a),
                         qPrintable(it.key() + QStringLiteral(": ") + a->objectName()));
            }
        }
        QVERIFY(!byKey.value(QStringLiteral("Ctrl+Del")).isEmpty());
    }
};

QTEST_MAIN(TShortcutsTest)
#include "shortcuts_test.moc"
