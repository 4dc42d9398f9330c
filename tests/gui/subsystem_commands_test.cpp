// The subsystems' command classes in the main window: the draws file and edit paths, the
// scenario files, and each page following the workspace's notifications rather than the
// command that changed it.
#include <QAction>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/draws/archive_file.h"
#include "engine/session/workspace.h"
#include "gui/core/form_main.h"
#include "gui/draws/draw_dialog.h"
#include "gui/draws/draws_commands.h"
#include "gui/scenarios/script_commands.h"
#include "gui/scenarios/script_tab.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

QString ArchivePath(const QTemporaryDir& dir) {
    return dir.path() + QStringLiteral("/Marvolet_5z36.ldr");
}

}  // namespace

class TSubsystemCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMessages::SetTestMode(true); }

    void exportedDrawsImportIntoAnotherArchive() {
        QTemporaryDir from;
        QTemporaryDir to;
        WriteArchiveFile(ArchivePath(from).toStdString(), gui::test::SyntheticDraws(12));
        const QString csv = from.path() + QStringLiteral("/draws.csv");
        gui::test::StartMainWindow(from.path())->DrawsCommands().ExportTo(csv);

        auto window = gui::test::StartMainWindow(to.path());
        QCOMPARE(window->PanelText(0), QStringLiteral("Архив тиражей: 0"));
        window->DrawsCommands().ImportFrom(csv);
        // The list, its panels, the offset's range and the statistics all follow the import.
        QCOMPARE(window->PanelText(0), QStringLiteral("Архив тиражей: 12"));
        QCOMPARE(window->PanelText(1), QStringLiteral("Следующий тираж: 13"));
        QCOMPARE(window->DrawsList()->model()->rowCount(), 12);
        QCOMPARE(window->OffsetBox()->maximum(), 11);
        QCOMPARE(window->StatsTab()->Table().WindowDraws, 12);
        TDrawsArray onDisk;
        ReadArchiveFile(ArchivePath(to).toStdString(), onDisk);
        QCOMPARE(static_cast<int>(onDisk.size()), 12);
        QCOMPARE(onDisk.back().Nums, gui::test::SyntheticDraws(12).back().Nums);
        QVERIFY(TMessages::Recorded().empty());
    }

    void editingADrawReplacesItInPlace() {
        QTemporaryDir dir;
        WriteArchiveFile(ArchivePath(dir).toStdString(), gui::test::SyntheticDraws(5));
        auto window = gui::test::StartMainWindow(dir.path());
        window->DrawsList()->selectRow(1);  // draw 4, the second newest
        window->UpdateActions();
        int offered = 0;
        window->Dialogs().On<TDrawDialog>([&](TDrawDialog& dialog) {
            offered = dialog.NumberBox()->value();
            dialog.NumbersEdit()->setText(QStringLiteral("2;4;6;8;10;12"));
            return dialog.Validate();
        });
        window->Action(QStringLiteral("DrawsEdit"))->trigger();
        QCOMPARE(offered, 4);
        TDrawsArray onDisk;
        ReadArchiveFile(ArchivePath(dir).toStdString(), onDisk);
        QCOMPARE(static_cast<int>(onDisk.size()), 5);
        QCOMPARE(onDisk[3].Number, 4);
        QCOMPARE(onDisk[3].Nums, (std::array<std::uint8_t, 5>{2, 4, 6, 8, 10}));
        QCOMPARE(window->DrawsList()->model()->index(1, 1).data().toInt(), 2);
        QCOMPARE(window->PanelText(0), QStringLiteral("Архив тиражей: 5"));
    }

    // A view recomputes for the changes it follows; another view on a showing page is left to
    // its own commands (the shell recomputes every view when a page comes into sight).
    void changeRecomputesOnlyTheViewThatFollowsIt() {
        QTemporaryDir dir;
        WriteArchiveFile(ArchivePath(dir).toStdString(), gui::test::SyntheticDraws(20));
        auto window = gui::test::StartMainWindow(dir.path());
        long long probeInput = 0;
        int probed = 0;
        window->Recalc().Register(
            QStringLiteral("Проба"), window->StatsTab(),
            [&] { return TRecalcDispatcher::TInputs{++probeInput}; }, [&] { ++probed; });
        const int computed = window->Recalc().ComputeCount(QStringLiteral("stats"));
        window->OffsetBox()->setValue(4);
        QCOMPARE(window->Recalc().ComputeCount(QStringLiteral("stats")), computed + 1);
        QCOMPARE(window->StatsTab()->Table().WindowDraws, 16);
        QCOMPARE(probed, 0);
        window->Recalculate(false);
        QCOMPARE(probed, 1);
    }

    void scenarioFilesReplaceOrAppendAndTheTabFollows() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        window->Workspace().EditScript([](TCurrentScript& s) {
            s.AppendLine("excl:2#first");
            return s.AppendLine("excl:3#second");
        });
        const QString file = dir.path() + QStringLiteral("/two.lsc");
        window->Workspace().Script().SaveToFile(file.toStdString());
        window->Workspace().EditScript([](TCurrentScript& s) { s.Clear(); });
        QCOMPARE(window->ScriptTab()->StatusText(0), QStringLiteral("Строк: 0"));

        window->ScriptCommands().ReadFile(file, false);
        QCOMPARE(window->ScriptTab()->Model()->rowCount(), 2);
        // Appending puts a separator line between the two.
        window->ScriptCommands().ReadFile(file, true);
        QCOMPARE(window->ScriptTab()->Model()->rowCount(), 5);
        QVERIFY(window->Workspace().Script().IsSeparator(2));
        QCOMPARE(window->ScriptTab()->StatusText(0), QStringLiteral("Строк: 5"));
        QVERIFY(TMessages::Recorded().empty());

        // A file that cannot be read is an error box; the scenario stays as it was.
        window->ScriptCommands().ReadFile(dir.path() + QStringLiteral("/missing.lsc"), false);
        QCOMPARE(static_cast<int>(TMessages::Recorded().size()), 1);
        QCOMPARE(window->ScriptTab()->Model()->rowCount(), 5);
        QCOMPARE(window->Workspace().Script().Count(), 5);
    }
};

QTEST_MAIN(TSubsystemCommandsTest)
#include "subsystem_commands_test.moc"
