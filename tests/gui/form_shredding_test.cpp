// The shredding formulas dialog, opened through the main window's action: the new formula
// reaches the statistics tab, the method's name and the configuration file.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/draws/archive_file.h"
#include "gui/core/form_main.h"
#include "gui/stats/form_shredding.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/list_rows_model.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

class TFormShreddingTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test::EnableMessageTestMode(); }

    void newFormulaChangesTheStatisticsTab() {
        QTemporaryDir dir;
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                         test::SyntheticDraws(20));
        auto window = test::StartMainWindow(dir.path());
        TStatsTab* tab = window->StatsTab();
        QVERIFY(tab->ChooseMethod(QStringLiteral("SHR1")));
        QVERIFY(tab->Rows()->Count() > 1);
        QCOMPARE(tab->MethodBox()->currentText(),
                 QStringLiteral("{ shr } Метод шинковки 1: (n1+n2+n3)/(n4+n5) [ SNG ]"));

        QAction* edit = window->Action(QStringLiteral("EditShredding"));
        QVERIFY(edit->isEnabled());
        QCOMPARE(edit->text(), QStringLiteral("Формулы шинковки"));
        QVERIFY(window->menuBar()->actions().value(0)->menu()->actions().contains(edit));

        // Cancel changes nothing.
        window->Dialogs().On<TFormShredding>([](TFormShredding& dialog) {
            dialog.FormulaEdit(0)->setText(QStringLiteral("n1"));
            return false;
        });
        window->Action(QStringLiteral("EditShredding"))->trigger();
        QCOMPARE(window->Workspace().Stats().Shredding, TShreddingSettings{});

        // The dialog shows the formulas in force; a formula giving 0.25 for every draw leaves
        // one value, 25, in every draw of the window.
        bool filled = false;
        window->Dialogs().On<TFormShredding>([&](TFormShredding& dialog) {
            filled = dialog.FormulaEdit(0)->text() == QStringLiteral("(n1+n2+n3)/(n4+n5)") &&
                     dialog.FormulaEdit(2)->text() == QStringLiteral("(n1+n2)/(n3+n4+n5)") &&
                     dialog.DigitsEdit(1)->value() == 2;
            dialog.FormulaEdit(0)->setText(QStringLiteral("1/4"));
            dialog.DigitsEdit(0)->setValue(3);
            return true;
        });
        window->Action(QStringLiteral("EditShredding"))->trigger();
        QVERIFY(filled);
        QCOMPARE(tab->Rows()->Count(), 1);
        QCOMPARE(tab->Rows()->Row(0).Caption, QStringLiteral("250"));
        QCOMPARE(tab->Table().WindowDraws, 20);
        QCOMPARE(tab->MethodBox()->currentText(),
                 QStringLiteral("{ shr } Метод шинковки 1: 1/4 [ SNG ]"));
        QFile ini(dir.path() + QStringLiteral("/Marvolet_5z36.ini"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray bytes = ini.readAll();
        QVERIFY(bytes.contains("Formula1=1/4\r\n"));
        QVERIFY(bytes.contains("Formula1Digits=3\r\n"));
        QVERIFY(test::RecordedMessageTexts().isEmpty());
    }

    void digitsStayInTheirRange() {
        TShreddingSettings settings;
        settings.Digits = {0, 5, 9};  // a hand-edited file
        TFormShredding form(settings);
        QCOMPARE(form.DigitsEdit(0)->value(), 2);
        QCOMPARE(form.DigitsEdit(1)->value(), 5);
        QCOMPARE(form.DigitsEdit(2)->value(), 2);
        form.DigitsEdit(1)->setValue(7);
        QCOMPARE(form.Result().Digits[1], 5);
        // Any formula text is kept as typed.
        form.FormulaEdit(1)->setText(QStringLiteral("(( n1 /"));
        QCOMPARE(form.Result().Formulas[1], std::string("(( n1 /"));
    }

    void screenshot() {
        TFormShredding form(TShreddingSettings{});
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        test::SaveScreenshot(&form, QStringLiteral("form_shredding.png"));
    }
};

QTEST_MAIN(TFormShreddingTest)
#include "form_shredding_test.moc"
