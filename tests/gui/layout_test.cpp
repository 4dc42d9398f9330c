// The main window at its designed size with the default font: the status panels, the
// operations list, the scenario commands and the draw information dialog show their texts
// whole. With MV_GUI_SCREENSHOT_DIR set, pictures of each are saved there.
#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include "gui/combs/combs_tab.h"
#include "gui/core/form_main.h"
#include "gui/draws/draw_info_dialog.h"
#include "gui/online/script_catalog_panel.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/elided_label.h"
#include "gui/support/list_rows_model.h"
#include "gui/support/messages.h"
#include "gui/support/sortable_list.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

std::unique_ptr<TFormMain> WindowOnSample(const QTemporaryDir& dir) {
    const QString sample = qEnvironmentVariable("MV_SAMPLE_DATA");
    if (!QFile::copy(sample + QStringLiteral("/Marvolet_5z36.ldr"),
                     dir.path() + QStringLiteral("/Marvolet_5z36.ldr"))) {
        return nullptr;
    }
    return gui::test::StartMainWindow(dir.path());
}

// The height a text needs when wrapped into `width` pixels.
int WrappedHeight(const QWidget& widget, const QString& text, int width) {
    return widget.fontMetrics()
        .boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text)
        .height();
}

}  // namespace

class TLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMessages::SetTestMode(true); }

    // The counting panels hold their texts; the status panel shortens a text longer than
    // itself in the middle instead of cutting it off, and never widens the window.
    void statusPanelsShowTheirTexts() {
        QTemporaryDir dir;
        auto window = WindowOnSample(dir);
        QVERIFY(window);
        QCOMPARE(window->size(), QSize(1200, 760));
        for (int panel = 0; panel < TTemplateMain::PanelStatus; ++panel) {
            auto* label = window->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(panel));
            QVERIFY(label);
            QVERIFY2(label->contentsRect().width() >=
                         label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->text()));
        }
        auto* status = window->findChild<TElidedLabel*>(QStringLiteral("StatusPanel6"));
        QVERIFY(status);
        window->ShowStatus(QStringLiteral("Удаление выделенных тиражей...."));
        QCOMPARE(status->ShownText(), status->text());
        const QString path = QStringLiteral("Загрузка файла \"/home/user/") +
                             QString(QStringLiteral("очень длинная папка/")).repeated(8) +
                             QStringLiteral("список.lcv\"... ( завершено 45% )");
        window->ShowStatus(path);
        QCOMPARE(window->size(), QSize(1200, 760));
        QCOMPARE(window->PanelText(TTemplateMain::PanelStatus), path);
        const QString shown = status->ShownText();
        QVERIFY2(shown.startsWith(QStringLiteral("Загрузка файла")) &&
                     shown.endsWith(QStringLiteral("( завершено 45% )")) &&
                     shown.contains(QChar(0x2026)),
                 qPrintable(shown));
        gui::test::SaveScreenshot(window.get(), QStringLiteral("main.png"));
    }

    // The operations list shows its header and every method name whole, wrapping long names;
    // the scenario commands all stand in their two rows of buttons.
    void combinationsAndScenarioTabsFit() {
        QTemporaryDir dir;
        auto window = WindowOnSample(dir);
        QVERIFY(window);
        TStatsTab* stats = window->StatsTab();
        QVERIFY(stats->ChooseMethod(QStringLiteral("SMAL")));
        stats->List()->selectionModel()->select(
            stats->Rows()->index(0, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        window->UpdateActions();
        window->Action(QStringLiteral("StatFilter_Include"))->trigger();
        window->LeftPages()->setCurrentIndex(1);
        window->RightPages()->setCurrentIndex(window->RightPages()->count() - 1);
        QTest::qWait(50);

        QTreeWidget* operations = window->CombsTab()->Operations();
        QCOMPARE(operations->topLevelItemCount(), 1);
        const QHeaderView* header = operations->header();
        for (int column = 0; column < 3; ++column) {
            const QString caption = operations->headerItem()->text(column);
            QVERIFY2(
                header->sectionSize(column) >= header->fontMetrics().horizontalAdvance(caption),
                qPrintable(caption));
        }
        QTreeWidgetItem* row = operations->topLevelItem(0);
        const int iconAndMargins = operations->iconSize().width() + 16;
        QVERIFY2(operations->visualItemRect(row).height() >=
                     WrappedHeight(*operations, row->text(0),
                                   operations->columnWidth(0) - iconAndMargins),
                 qPrintable(row->text(0)));
        QVERIFY(operations->visualItemRect(row).height() > operations->fontMetrics().height());

        // The scenario's own command rows (the catalog panel below the list has its own).
        QList<QToolBar*> rows;
        for (QToolBar* tools : window->ScriptTab()->findChildren<QToolBar*>()) {
            bool inPanel = false;
            for (QObject* up = tools->parent(); up; up = up->parent()) {
                if (qobject_cast<TScriptCatalogPanel*>(up)) inPanel = true;
            }
            if (!inPanel) rows << tools;
        }
        QCOMPARE(rows.size(), 2);
        int commands = 0;
        for (QToolBar* tools : rows) {
            for (QAction* action : tools->actions()) {
                if (action->isSeparator()) continue;
                ++commands;
                QVERIFY2(tools->widgetForAction(action)->isVisible(),
                         qPrintable(action->objectName()));
            }
        }
        QCOMPARE(commands, 14);
        gui::test::SaveScreenshot(window.get(), QStringLiteral("combs_script.png"));
    }

    // The draw information dialog shows every property name and value whole.
    void drawInformationShowsWholeNames() {
        QTemporaryDir dir;
        auto window = WindowOnSample(dir);
        QVERIFY(window);
        window->DrawsList()->selectRow(0);
        window->UpdateActions();
        bool checked = false;
        window->Dialogs().On<TDrawInfoDialog>([&](TDrawInfoDialog& dialog) {
            dialog.show();
            QTest::qWait(20);
            QTreeWidget* properties = dialog.Properties();
            int widest = 0;
            for (int i = 0; i < properties->topLevelItemCount(); ++i) {
                widest = std::max(widest, properties->fontMetrics().horizontalAdvance(
                                              properties->topLevelItem(i)->text(0)));
            }
            QVERIFY(properties->topLevelItemCount() > 5);
            QVERIFY(properties->columnWidth(0) >= widest);
            QVERIFY(properties->columnWidth(0) + properties->columnWidth(1) <=
                    properties->viewport()->width());
            gui::test::SaveScreenshot(&dialog, QStringLiteral("draw_info.png"));
            checked = true;
        });
        window->Action(QStringLiteral("DrawsInfo"))->trigger();
        QVERIFY(checked);
    }
};

QTEST_MAIN(TLayoutTest)
#include "layout_test.moc"
