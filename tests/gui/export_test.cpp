// The spreadsheet export from the main window: the dialog driven through the dialog runner
// (a field renamed, one unchecked, the selected rows, parameters saved to a file and loaded
// back), the report written into the chosen folder and read back, the choices remembered.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "engine/download/workbook.h"
#include "engine/draws/archive_file.h"
#include "engine/export/export_params.h"
#include "engine/support/ini_file.h"
#include "gui/core/form_main.h"
#include "gui/export/export_commands.h"
#include "gui/export/form_export.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

bool Enabled(TFormMain& window, const char* name) {
    window.UpdateActions();
    return window.Action(QString::fromLatin1(name))->isEnabled();
}

const TSheetCell& At(const std::vector<TSheetRow>& rows, int row, int column) {
    static const TSheetCell none{false, 0, "<none>"};
    for (const TSheetRow& r : rows) {
        if (r.Row == row) return r.Cell(column);
    }
    return none;
}

}  // namespace

class TExportTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gui::test::EnableMessageTestMode(); }

    void drawsListExport() {
        QTemporaryDir dir;
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                         gui::test::SyntheticDraws(10));
        auto window = gui::test::StartMainWindow(dir.path());
        const QString reports = dir.path() + QStringLiteral("/Отчеты");
        QVERIFY(QDir().mkpath(reports));
        QStringList startedIn;
        TExportCommands& commands = window->ExportCommands();
        commands.ChooseFolder = [&](const QString& start) {
            startedIn << start;
            return reports;
        };
        QStringList opened;
        commands.OpenReport = [&](const QString& file) { opened << file; };
        for (const char* name : {"DrawsXlsExport", "CombsXlsExport", "DrawsStatExportToExcel"}) {
            QVERIFY2(Enabled(*window, name), name);
        }
        // No stakes, no ratings: nothing to export there.
        QVERIFY(!Enabled(*window, "StakesXlsExport"));
        QVERIFY(!Enabled(*window, "RatingsXlsExport"));

        QTableView* list = window->DrawsList();
        const QAbstractItemModel* model = list->model();
        const int columns = model->columnCount();
        QVERIFY(columns >= 3);
        list->selectionModel()->select(
            QItemSelection(model->index(2, 0), model->index(4, columns - 1)),
            QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        const QString paramFile = dir.path() + QStringLiteral("/draws.exp");

        int shown = 0;
        window->Dialogs().On<TFormExport>([&](TFormExport& d) {
            ++shown;
            if (shown == 1) {
                // Three selected rows: the dialog starts with them.
                [&] {
                    QCOMPARE(d.RowsModeBox()->currentIndex(), 1);
                    QCOMPARE(d.RowsLabel()->text(), QStringLiteral("3"));
                    QCOMPARE(d.TitleEdit()->text(), QStringLiteral("Архив тиражей"));
                    QCOMPARE(d.FieldList()->topLevelItemCount(), columns);
                }();
                d.TitleEdit()->setText(QStringLiteral("Тиражи за неделю"));
                d.SheetEdit()->setText(QStringLiteral("Итоги 1/2 [a]?"));
                d.FontSizeEdit()->setValue(12);
                // The second field renamed, the first one unchecked (it goes to the end).
                d.FieldList()->setCurrentItem(d.FieldList()->topLevelItem(1));
                d.RunFieldDialog = [](TFormExportField& f) {
                    f.CaptionEdit()->setText(QStringLiteral("Второй"));
                    return true;
                };
                d.EditField();
                d.FieldList()->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
                QCoreApplication::processEvents();
                // Saved to a file, then the dialog changed, then the file loaded back.
                d.SaveToFile(paramFile);
                d.TitleEdit()->setText(QStringLiteral("другое"));
                d.LoadFromFile(paramFile);
                [&] {
                    QCOMPARE(d.TitleEdit()->text(), QStringLiteral("Тиражи за неделю"));
                    QCOMPARE(d.FieldList()->topLevelItem(0)->text(0), QStringLiteral("Второй"));
                    QCOMPARE(d.FieldList()->topLevelItem(columns - 1)->checkState(0),
                             Qt::Unchecked);
                }();
                return true;
            }
            // Next time the choices come back from the configuration file.
            [&] {
                QCOMPARE(d.FontSizeEdit()->value(), 12);
                QCOMPARE(d.SheetEdit()->text(), QStringLiteral("Итоги 1/2 [a]?"));
                QCOMPARE(d.FieldList()->topLevelItem(0)->text(0), QStringLiteral("Второй"));
            }();
            return false;
        });
        window->Action(QStringLiteral("DrawsXlsExport"))->trigger();
        QCOMPARE(shown, 1);
        QCOMPARE(gui::test::RecordedMessageTexts(), QStringList());
        QCOMPARE(opened.size(), 1);
        QVERIFY2(opened.front().startsWith(reports + QStringLiteral("/Тиражи за неделю ")),
                 qPrintable(opened.front()));
        QVERIFY(QFile::exists(paramFile));

        // Title, created line, one blank row, the headings of the checked fields (the first
        // column left out), the three selected rows.
        const auto sheet = ReadFirstSheet(opened.front().toStdString(), columns + 2);
        QCOMPARE(QString::fromStdString(At(sheet, 1, 1).Text), QStringLiteral("Тиражи за неделю"));
        QVERIFY(At(sheet, 2, 1).Text.rfind("Отчет построен: ", 0) == 0);
        QCOMPARE(QString::fromStdString(At(sheet, 4, 1).Text), QStringLiteral("Второй"));
        for (int c = 2; c < columns; ++c) {
            QCOMPARE(QString::fromStdString(At(sheet, 4, c).Text),
                     model->headerData(c, Qt::Horizontal).toString());
        }
        QCOMPARE(QString::fromStdString(At(sheet, 4, columns).Text), QString());
        for (int r = 0; r < 3; ++r) {
            for (int c = 1; c < columns; ++c) {
                const TSheetCell& cell = At(sheet, 5 + r, c);
                const QString text = model->index(2 + r, c).data().toString();
                if (cell.HasNumber) {
                    QCOMPARE(cell.Number, text.toDouble());
                } else {
                    QCOMPARE(QString::fromStdString(cell.Text), text);
                }
            }
        }
        QCOMPARE(At(sheet, 8, 1).Text, std::string("<none>"));

        // The folder and the parameters are remembered.
        const auto config = dir.path().toStdString() + "/Marvolet_5z36.ini";
        QCOMPARE(QString::fromStdString(LoadExportFolder(config).string()), reports);
        QVERIFY(TIniFile(config).SectionExists("EXPORT_EXCEL_FORMMAIN.LVDRAWS"));
        window->Action(QStringLiteral("DrawsXlsExport"))->trigger();
        QCOMPARE(shown, 2);
        QCOMPARE(startedIn, QStringList({QDir::homePath()}));
    }

    // The card and the layout export while their tabs show and their grids have columns.
    void gridsFollowTheirTabs() {
        QTemporaryDir dir;
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                         gui::test::SyntheticDraws(10));
        auto window = gui::test::StartMainWindow(dir.path());
        // The layout is computed when its tab comes to the front.
        QTabWidget* pages = window->RightPages();
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->tabText(i) == QStringLiteral("Схема")) pages->setCurrentIndex(i);
        }
        QCoreApplication::processEvents();
        QVERIFY(Enabled(*window, "LayoutXlsExport"));

        // The grid's row headings are its first column.
        QStringList opened;
        window->ExportCommands().ChooseFolder = [&](const QString&) { return dir.path(); };
        window->ExportCommands().OpenReport = [&](const QString& file) { opened << file; };
        window->Dialogs().On<TFormExport>([](TFormExport&) { return true; });
        window->Action(QStringLiteral("LayoutXlsExport"))->trigger();
        QCOMPARE(opened.size(), 1);
        QTableView* grid = window->findChild<QTableView*>(QStringLiteral("sgLayout"));
        QVERIFY(grid);
        const QAbstractItemModel* model = grid->model();
        const auto sheet = ReadFirstSheet(opened.front().toStdString(), 4);
        const auto same = [](const TSheetCell& cell, const QVariant& shown) {
            return cell.HasNumber ? cell.Number == shown.toDouble()
                                  : QString::fromStdString(cell.Text) == shown.toString();
        };
        QCOMPARE(QString::fromStdString(At(sheet, 1, 1).Text), QStringLiteral("Схема"));
        QCOMPARE(QString::fromStdString(At(sheet, 4, 2).Text),
                 model->headerData(0, Qt::Horizontal).toString());
        for (int r = 0; r < model->rowCount(); ++r) {
            QVERIFY(same(At(sheet, 5 + r, 1), model->headerData(r, Qt::Vertical)));
            QVERIFY(same(At(sheet, 5 + r, 2), model->index(r, 0).data()));
            QVERIFY(same(At(sheet, 5 + r, 3), model->index(r, 1).data()));
        }

        window->Action(QStringLiteral("TabLayout"))->trigger();
        QVERIFY(!Enabled(*window, "LayoutXlsExport"));
        QCOMPARE(Enabled(*window, "CardXlsExport"),
                 window->Action(QStringLiteral("TabCard"))->isChecked());
    }
};

QTEST_MAIN(TExportTest)
#include "export_test.moc"
