// The scenario tab: editing lines through the commands and the two dialogs, the list and its
// status, the current-scenario file, and the filter dialog's checks.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

#include "engine/core/text_utils.h"
#include "engine/session/workspace.h"
#include "gui/combs/combs_tab.h"
#include "gui/core/form_config.h"
#include "gui/core/form_main.h"
#include "gui/scenarios/form_filter.h"
#include "gui/scenarios/form_script.h"
#include "gui/scenarios/script_tab.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"
#include "test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

QString Cell(TTemplateMain& window, int row, int column) {
    return window.ScriptTab()->Model()->index(row, column).data().toString();
}

}  // namespace

class TScriptTabTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMessages::SetTestMode(true); }

    void addEditMoveAndDeleteLines() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        TScriptTab* tab = window->ScriptTab();
        QCOMPARE(tab->StatusText(0), QStringLiteral("Строк: 0"));
        QVERIFY(!window->Action(QStringLiteral("ScriptEmpty"))->isEnabled());
        QVERIFY(!window->Action(QStringLiteral("ScriptRun"))->isEnabled());

        // A line with a comment and a filter chosen in the filter dialog.
        window->Dialogs().On<TFormFilter>([](TFormFilter& filter) {
            filter.MethodBox()->setCurrentIndex(filter.MethodBox()->findData(2));  // EVEN
            filter.WindowEdit()->setText(QStringLiteral("10"));
            return filter.Validate();
        });
        QString title;
        window->Dialogs().On<TFormScript>([&](TFormScript& script) {
            title = script.windowTitle();
            script.CommentEdit()->setText(QStringLiteral("проба"));
            script.StakeModeBox()->setCurrentIndex(1);
            script.EditFilter(0);
            return true;
        });
        window->Action(QStringLiteral("ScriptAdd"))->trigger();
        QCOMPARE(title, QStringLiteral("Создание новой строки"));
        QCOMPARE(window->Workspace().Script().Count(), 1);
        QCOMPARE(Q(window->Workspace().Script().Line(0)),
                 QStringLiteral("FULL:0#FIRST|TSD1#EVEN:10#LNO:#SF:1| | | | | | |проба"));
        QCOMPARE(Cell(*window, 0, 0), QStringLiteral("проба"));
        QCOMPARE(Cell(*window, 0, 2), QStringLiteral("TSD1#EVEN:10#LNO:#SF:1"));
        QCOMPARE(tab->StatusText(0), QStringLiteral("Строк: 1"));
        // Every change is mirrored into the current-scenario file.
        QVERIFY(mv::test::ReadBytes((dir.path() + QStringLiteral("/Marvolet_5z36.lss")).toStdString()) ==
                "FULL:0#FIRST|TSD1#EVEN:10#LNO:#SF:1| | | | | | |\xEF\xF0\xEE\xE1\xE0\r\n");

        // A separator, then the line moves below it; a separator cannot be edited.
        window->UpdateActions();
        window->Action(QStringLiteral("ScriptEmpty"))->trigger();
        QCOMPARE(window->Workspace().Script().Count(), 2);
        QCOMPARE(tab->FocusedLine(), 1);
        window->UpdateActions();
        QVERIFY(!window->Action(QStringLiteral("ScriptEdit"))->isEnabled());
        tab->FocusLine(0);
        window->UpdateActions();
        window->Action(QStringLiteral("ScriptDown"))->trigger();
        QCOMPARE(tab->FocusedLine(), 1);
        QVERIFY(window->Workspace().Script().IsSeparator(0));

        // Editing replaces the line in place.
        QString loadedComment;
        window->Dialogs().On<TFormScript>([&](TFormScript& script) {
            title = script.windowTitle();
            loadedComment = script.CommentEdit()->text();
            script.ListModeBox()->setCurrentIndex(1);
            script.ExcludeBox()->setValue(3);
            return true;
        });
        window->UpdateActions();
        window->Action(QStringLiteral("ScriptEdit"))->trigger();
        QCOMPARE(title, QStringLiteral("Редактирование строки"));
        QCOMPARE(loadedComment, QStringLiteral("проба"));
        QCOMPARE(Cell(*window, 1, 1), QStringLiteral("Исключить 3 тиражей; Первая; Все создаваемые ставки"));

        // Deleting asks with the count; No keeps everything.
        tab->List()->selectAll();
        window->UpdateActions();
        TMessages::QueueAnswer(false);
        window->Action(QStringLiteral("ScriptDel"))->trigger();
        QCOMPARE(window->Workspace().Script().Count(), 2);
        QCOMPARE(TMessages::Recorded().back().Text,
                 QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
        window->Action(QStringLiteral("ScriptDel"))->trigger();
        QCOMPARE(window->Workspace().Script().Count(), 0);
        QCOMPARE(tab->StatusText(0), QStringLiteral("Строк: 0"));
    }

    void currentScenarioReadAtStart() {
        QTemporaryDir dir;
        mv::test::WriteBytes((dir.path() + QStringLiteral("/Marvolet_5z36.lss")).toStdString(),
                         "excl:5#first#nex|tsd1#nums:10#cmv:5#sc|||\r\n\r\nFULL#XYZ");
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(window->Workspace().Script().Count(), 3);
        QCOMPARE(Cell(*window, 0, 1),
                 QStringLiteral("Исключить 5 тиражей; Первая; Только новые ставки"));
        QCOMPARE(Cell(*window, 0, 2), QStringLiteral("TSD1#NUMS:10#CMV:5#SC:1"));
        QCOMPARE(Cell(*window, 1, 1), QString());  // separator
        QCOMPARE(window->ScriptTab()->StatusText(0), QStringLiteral("Строк: 3"));
    }

    void filterDialogChecks() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        QStringList messages;
        std::vector<bool> checks;
        window->Dialogs().On<TFormFilter>([&](TFormFilter& filter) {
            filter.WindowEdit()->setText(QStringLiteral("0"));
            checks.push_back(filter.Validate());
            filter.WindowEdit()->setText(QStringLiteral("10-50;10"));
            filter.LevelBox()->setCurrentIndex(31);  // value list
            filter.MethodBox()->setCurrentIndex(filter.MethodBox()->findData(3));  // EVNV
            checks.push_back(filter.Validate());
            filter.LevelBox()->setCurrentIndex(13);
            filter.LevelEdit()->setText(QString());
            checks.push_back(filter.Validate());
            filter.LevelEdit()->setText(QStringLiteral("5"));
            filter.MultiSelectBox()->setChecked(true);
            filter.StopBox()->setCurrentIndex(1);
            checks.push_back(filter.Validate());
            filter.StopBox()->setCurrentIndex(3);
            // The weights are offered only for the weight modes.
            checks.push_back(filter.OverrideBox()->isEnabled());
            filter.LevelBox()->setCurrentIndex(19);
            checks.push_back(filter.OverrideBox()->isEnabled());
            checks.push_back(filter.CoefficientBox(0)->isEnabled());
            filter.OverrideBox()->setChecked(true);
            checks.push_back(filter.CoefficientBox(0)->isEnabled());
            filter.LevelBox()->setCurrentIndex(13);
            checks.push_back(filter.Validate());
            return true;
        });
        window->Dialogs().On<TFormScript>([](TFormScript& script) {
            script.EditFilter(2);
            return true;
        });
        window->Action(QStringLiteral("ScriptAdd"))->trigger();
        QCOMPARE(checks, (std::vector<bool>{false, false, false, false, false, true, false, true, true}));
        for (const TShownMessage& m : TMessages::Recorded()) messages << m.Text;
        QCOMPARE(messages,
                 QStringList({QStringLiteral("Введен некорректный диапазон значений!"),
                              QStringLiteral("Для данного вида статистики не доступен режим "
                                             "выделения по списку значений!"),
                              QStringLiteral("Введен некорректный диапазон значений!"),
                              QStringLiteral("В режиме мультивыделения остановка сценария по "
                                             "количеству комбинаций или чисел не может быть "
                                             "выполнена!\nВыберите другой способ останова.")}));
        QCOMPARE(
            Q(window->Workspace().Script().Line(0)),
            QStringLiteral("FULL:0#RAND| | |TMD1#EVNV:10-50;10#CMV:5#ST:1#0:-1:1:0:0| | | | |"));
    }

    // The line dialog's count of draws to exclude starts from the combinations tab's box; a
    // line that gives its own count shows that one.
    void lineDialogTakesTheDrawsToExclude() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        window->CombsTab()->ExcludeBox()->setValue(4);
        QList<int> shown;
        window->Dialogs().On<TFormScript>([&](TFormScript& script) {
            shown << script.ExcludeBox()->value();
            return true;
        });
        window->Action(QStringLiteral("ScriptAdd"))->trigger();
        QCOMPARE(Q(window->Workspace().Script().Line(0)),
                 QStringLiteral("FULL:4#RAND| | | | | | | |"));
        window->Workspace().EditScript(
            [](TCurrentScript& s) { return s.AppendLine("excl:2#first"); });
        window->ScriptTab()->FocusLine(1);
        window->UpdateActions();
        window->Action(QStringLiteral("ScriptClone"))->trigger();
        QCOMPARE(shown, QList<int>({4, 2}));
    }

    // OK on an item left as it was gives the item back, its own weights included, whatever
    // its selection mode.
    void filterDialogKeepsTheItemsOwnWeights() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        window->Dialogs().On<TFormFilter>([](TFormFilter& filter) { return filter.Validate(); });
        for (const QString& text : {QStringLiteral("TSD8#NUMS:10#CMV:5#SF:1#0.5:-1:1:1:0"),
                                    QStringLiteral("BMF1#NUMS:10#WMV:5#SV:2#0.25:-2:3:0:1"),
                                    QStringLiteral("TSD8#NUMS:10#CMV:5#SF:1#0.1234:-1:1:1:0"),
                                    QStringLiteral("TSD1#NUMS:10#LNO:#SF:1")}) {
            QString edited;
            window->Dialogs().On<TFormScript>([&](TFormScript& script) {
                script.FilterEdit(0)->setText(text);
                script.EditFilter(0);
                edited = script.FilterEdit(0)->text();
                return false;
            });
            window->Action(QStringLiteral("ScriptAdd"))->trigger();
            QCOMPARE(edited, text);
        }
        // A coefficient typed over is taken as shown.
        window->Dialogs().On<TFormFilter>([](TFormFilter& filter) {
            filter.CoefficientBox(0)->setValue(2.5);
            return filter.Validate();
        });
        QString edited;
        window->Dialogs().On<TFormScript>([&](TFormScript& script) {
            script.FilterEdit(0)->setText(
                QStringLiteral("TSD8#NUMS:10#CMV:5#SF:1#0.1234:-1:1:1:0"));
            script.EditFilter(0);
            edited = script.FilterEdit(0)->text();
            return false;
        });
        window->Action(QStringLiteral("ScriptAdd"))->trigger();
        QCOMPARE(edited, QStringLiteral("TSD8#NUMS:10#CMV:5#SF:1#2.5:-1:1:1:0"));
    }

    // A coefficient reads the same in the filter dialog as in the configuration dialog: with
    // the program's decimal separator.
    void filterAndConfigurationDialogsShareTheDecimalSeparator() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        TConfigData config;
        config.Weights.CoefCount = 0.5L;
        const TFormConfig configuration(config);
        const QString expected =
            configuration.findChild<QDoubleSpinBox*>(QStringLiteral("CoefCount"))->text();
        QCOMPARE(expected,
                 QStringLiteral("0") + QLatin1Char(DecimalSeparator()) + QStringLiteral("500"));
        QString shown;
        window->Dialogs().On<TFormFilter>([&](TFormFilter& filter) {
            shown = filter.CoefficientBox(0)->text();
            return false;
        });
        window->Dialogs().On<TFormScript>([](TFormScript& script) {
            script.FilterEdit(0)->setText(QStringLiteral("TSD8#NUMS:10#CMV:5#SF:1#0.5:-1:1:1:0"));
            script.EditFilter(0);
            return false;
        });
        window->Action(QStringLiteral("ScriptAdd"))->trigger();
        QCOMPARE(shown, expected);
    }
};

QTEST_MAIN(TScriptTabTest)
#include "script_tab_test.moc"
