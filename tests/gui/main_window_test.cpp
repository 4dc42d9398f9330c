// The main window on a temporary data directory: start-up, the draws list and its status
// panels, adding and deleting draws through the actions, and the data-file lock.
#include <QAction>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>
#include <sys/stat.h>

#include "engine/core/game.h"
#include "engine/draws/archive_file.h"
#include "engine/session/workspace.h"
#include "engine/support/data_lock.h"
#include "gui/core/form_main.h"
#include "gui/draws/draw_dialog.h"
#include "gui/draws/draw_info_dialog.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

TDrawsArray MakeDraws(int count) {
    TDrawsArray draws;
    for (int i = 0; i < count; ++i) {
        TDrawRec d;
        d.Number = 1000 + i;
        for (int k = 0; k < NumbersInDraw; ++k) {
            d.Nums[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(1 + (i + k * 7) % 36);
        }
        d.Extra = static_cast<std::uint8_t>(1 + i % 36);
        d.SetDate("05.01.2024");
        draws.push_back(d);
    }
    return draws;
}

// A started main window whose deferred initialisation has run.

}  // namespace

class TMainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMessages::SetTestMode(true); }

    void showsArchiveInStatusPanels() {
        QTemporaryDir dir;
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(),
                         MakeDraws(100));
        auto window = gui::test::StartMainWindow(dir.path());
        QVERIFY(!window->Terminated());
        QCOMPARE(window->PanelText(0), QStringLiteral("Архив тиражей: 100"));
        QCOMPARE(window->PanelText(1), QStringLiteral("Следующий тираж: 1100"));
        QCOMPARE(window->PanelText(2), QString());
        QCOMPARE(window->DrawsList()->model()->rowCount(), 100);
        // The newest draw is on top.
        QCOMPARE(window->DrawsList()->model()->index(0, 0).data().toInt(), 1099);

        // With offset 3 the list highlights row 3 and the panels follow.
        window->OffsetBox()->setValue(3);
        QCOMPARE(window->Workspace().DrawsOffset(), 3);
        QCOMPARE(window->PanelText(1), QStringLiteral("Следующий тираж: 1097"));
        const TDrawRec hidden = window->Workspace().DrawArchive()[97];
        QCOMPARE(window->PanelText(2), Q(DrawNumbersText(hidden)));
        QCOMPARE(window->DrawsList()->model()->index(3, 7).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(255, 170, 170));
        QVERIFY(TMessages::Recorded().empty());
    }

    void emptyDirectoryOffersDrawOne() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(window->PanelText(0), QStringLiteral("Архив тиражей: 0"));
        QCOMPARE(window->PanelText(1), QStringLiteral("Следующий тираж: 1"));
        QVERIFY(!window->Action(QStringLiteral("DrawsEdit"))->isEnabled());
        QVERIFY(!window->Action(QStringLiteral("DrawsExport"))->isEnabled());
        QVERIFY(window->Action(QStringLiteral("DrawsAdd"))->isEnabled());
    }

    void addingDrawRewritesFile() {
        QTemporaryDir dir;
        const QString archive = dir.path() + QStringLiteral("/Marvolet_5z36.ldr");
        WriteArchiveFile(archive.toStdString(), MakeDraws(3));
        auto window = gui::test::StartMainWindow(dir.path());

        int offeredNumber = 0;
        QStringList typed = {QStringLiteral("5;5;7;8;9;1"), QStringLiteral("1;2;3;4;5"),
                             QStringLiteral("0;2;3;4;5;6"), QStringLiteral("1;2;3;4;5;5")};
        window->Dialogs().On<TDrawDialog>([&](TDrawDialog& dialog) {
            offeredNumber = dialog.NumberBox()->value();
            for (const QString& text : typed) {
                dialog.NumbersEdit()->setText(text);
                if (dialog.Validate()) return true;
            }
            return false;
        });
        window->Action(QStringLiteral("DrawsAdd"))->trigger();
        QCOMPARE(offeredNumber, 1003);
        // Three wrong lines were refused with the same message, the fourth was taken.
        QCOMPARE(static_cast<int>(TMessages::Recorded().size()), 3);
        QCOMPARE(TMessages::Recorded()[0].Text, QStringLiteral("Введена некорректная комбинация!"));
        QCOMPARE(TMessages::Recorded()[0].Caption, QStringLiteral("Ошибка"));
        QCOMPARE(window->PanelText(0), QStringLiteral("Архив тиражей: 4"));

        TDrawsArray onDisk;
        ReadArchiveFile(archive.toStdString(), onDisk);
        QCOMPARE(static_cast<int>(onDisk.size()), 4);
        QCOMPARE(onDisk.back().Number, 1003);
        QCOMPARE(onDisk.back().Nums, (std::array<std::uint8_t, 5>{1, 2, 3, 4, 5}));
        QCOMPARE(onDisk.back().Extra, std::uint8_t{5});
    }

    void deletingSelectedDrawsAsksAndRewrites() {
        QTemporaryDir dir;
        const QString archive = dir.path() + QStringLiteral("/Marvolet_5z36.ldr");
        WriteArchiveFile(archive.toStdString(), MakeDraws(10));
        auto window = gui::test::StartMainWindow(dir.path());
        QTableView* list = window->DrawsList();
        list->selectRow(0);
        list->selectionModel()->select(list->model()->index(2, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        window->UpdateActions();
        TMessages::QueueAnswer(false);  // No: nothing happens
        window->Action(QStringLiteral("DrawsDel"))->trigger();
        QCOMPARE(window->Workspace().DrawCount(), 10);
        QCOMPARE(
            TMessages::Recorded().back().Text,
            QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
        QVERIFY(TMessages::Recorded().back().DefaultNo);

        window->Action(QStringLiteral("DrawsDel"))->trigger();  // Yes
        QCOMPARE(window->Workspace().DrawCount(), 8);
        TDrawsArray onDisk;
        ReadArchiveFile(archive.toStdString(), onDisk);
        QCOMPARE(static_cast<int>(onDisk.size()), 8);
        QCOMPARE(onDisk.back().Number, 1008);  // draws 1009 and 1007 are gone
        QCOMPARE(onDisk[7].Number, 1008);
        QCOMPARE(onDisk[6].Number, 1006);
        QVERIFY(window->PanelText(6).isEmpty());
    }

    void secondStartOnSameDirectoryFails() {
        QTemporaryDir dir;
        auto first = gui::test::StartMainWindow(dir.path());
        QVERIFY(!first->Terminated());
        TMessages::Recorded().clear();
        const QByteArray settingsFile =
            (dir.path() + QStringLiteral("/Marvolet_5z36.frm")).toUtf8();
        struct stat before {};
        QCOMPARE(::stat(settingsFile.constData(), &before), 0);
        auto second = gui::test::StartMainWindow(dir.path());
        QVERIFY(second->Terminated());
        // The refused copy leaves the settings file to the copy that holds the data files
        // (every rewrite makes a new file, so an unchanged inode means no rewrite).
        second.reset();
        struct stat after {};
        QCOMPARE(::stat(settingsFile.constData(), &after), 0);
        QCOMPARE(after.st_ino, before.st_ino);
        QCOMPARE(static_cast<int>(TMessages::Recorded().size()), 2);
        QVERIFY(TMessages::Recorded()[0].Text.startsWith(
            QStringLiteral("Ошибка чтения файла ставок!")));
        QVERIFY(TMessages::Recorded()[1].Text.startsWith(
            QStringLiteral("Невозможно получить монопольный доступ к файлам данных!")));
        // The first copy keeps its lock.
        QVERIFY(first->Workspace().DataFilesLocked());
        TDataLock probe;
        QVERIFY_THROWS_EXCEPTION(
            EError,
            probe.Acquire((dir.path() + QStringLiteral("/Marvolet_5z36.lsk")).toStdString()));
        first.reset();
        probe.Acquire((dir.path() + QStringLiteral("/Marvolet_5z36.lsk")).toStdString());
        QVERIFY(probe.Held());
    }

    void drawInfoShowsCardAndGraphValues() {
        QTemporaryDir dir;
        TDrawsArray draws = MakeDraws(2);
        draws[1].Nums = {30, 3, 36, 17, 22};
        WriteArchiveFile((dir.path() + QStringLiteral("/Marvolet_5z36.ldr")).toStdString(), draws);
        auto window = gui::test::StartMainWindow(dir.path());
        window->DrawsList()->selectRow(0);
        window->UpdateActions();
        QStringList properties;
        QStringList card;
        window->Dialogs().On<TDrawInfoDialog>([&](TDrawInfoDialog& dialog) {
            for (int i = 0; i < dialog.Properties()->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* item = dialog.Properties()->topLevelItem(i);
                properties << item->text(0) + QLatin1Char('=') + item->text(1);
            }
            for (int r = 0; r < dialog.Card()->rowCount(); ++r) {
                for (int c = 0; c < dialog.Card()->columnCount(); ++c) {
                    if (dialog.Card()->item(r, c) && !dialog.Card()->item(r, c)->text().isEmpty()) {
                        card << dialog.Card()->item(r, c)->text();
                    }
                }
            }
        });
        window->Action(QStringLiteral("DrawsInfo"))->trigger();
        QCOMPARE(card, QStringList({QStringLiteral("3"), QStringLiteral("17"), QStringLiteral("22"),
                                    QStringLiteral("30"), QStringLiteral("36")}));
        QCOMPARE(properties.value(0), QStringLiteral("Номер тиража:=1001"));
        QVERIFY(properties.contains(QStringLiteral("Число в 1 позиции тиража=30")));
        QVERIFY(properties.contains(QStringLiteral("Количество четных чисел в тираже (Ч:Н)=3")));
    }

    void sortedDrawsChangeDisplayOnly() {
        QTemporaryDir dir;
        const QString archive = dir.path() + QStringLiteral("/Marvolet_5z36.ldr");
        TDrawsArray draws = MakeDraws(1);
        draws[0].Nums = {30, 3, 36, 17, 22};
        WriteArchiveFile(archive.toStdString(), draws);
        const std::string before = EncodeArchive(draws);
        auto window = gui::test::StartMainWindow(dir.path());
        QCOMPARE(window->DrawsList()->model()->index(0, 1).data().toInt(), 30);
        window->Action(QStringLiteral("DrawsSorted"))->trigger();
        QCOMPARE(window->DrawsList()->model()->index(0, 1).data().toInt(), 3);
        QVERIFY(window->Action(QStringLiteral("DrawsSorted"))->isChecked());
        TDrawsArray onDisk;
        ReadArchiveFile(archive.toStdString(), onDisk);
        QCOMPARE(EncodeArchive(onDisk), before);
    }
};

QTEST_MAIN(TMainWindowTest)
#include "main_window_test.moc"
