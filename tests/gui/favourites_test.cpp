// The favourites manager: marks, names and display options reach the method selectors and
// the names file; names go out to and come in from other files; "Все доступные статистики"
// brings every method back.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "engine/core/text_codec.h"
#include "engine/session/workspace.h"
#include "engine/support/ini_file.h"
#include "gui/core/form_main.h"
#include "gui/stats/form_filter_help.h"
#include "gui/stats/form_manager.h"
#include "gui/stats/stats_tab.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

namespace {

int Method(TFormMain& window, const char* code) {
    return window.Workspace().Stats().FindMethod(code);
}

void Select(TFormManager& d, QTreeWidgetItem* node) {
    d.Tree()->setCurrentItem(node);
    node->setSelected(true);
    d.UpdateCommands();
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

// The file dialogs of the manager answer with `path`.
void AnswerFileDialogs(TFormMain& window, const QString& path) {
    window.Dialogs().On<QFileDialog>([path](QFileDialog& d) {
        d.selectFile(path);
        return true;
    });
}

}  // namespace

class TFavouritesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMessages::SetTestMode(true); }

    void managerMarksRenamesAndShowsOnlyFavourites() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        TStatsTab* tab = window->StatsTab();
        QVERIFY(tab->ChooseMethod(QStringLiteral("EVEN")));
        const int methods = window->Workspace().Stats().MethodCount();
        QAction* manager = window->Action(QStringLiteral("FiltersManager"));
        QCOMPARE(manager->shortcut(), QKeySequence(QStringLiteral("F7")));
        QCOMPARE(window->Action(QStringLiteral("FiltersReset"))->shortcut(),
                 QKeySequence(QStringLiteral("Ctrl+F7")));
        window->UpdateActions();
        QVERIFY(manager->isEnabled());

        bool shown = false;
        window->Dialogs().On<QInputDialog>([](QInputDialog& d) {
            if (d.windowTitle() != QStringLiteral("Переименование")) return false;
            d.setTextValue(QStringLiteral("Мои цифры"));
            return true;
        });
        const auto drive = [&](TFormManager& d) {
            shown = true;
            QCOMPARE(d.CountLabel()->text(), QStringLiteral("всего %1 методов").arg(methods));
            QCOMPARE(d.Tree()->topLevelItem(0)->text(0), QStringLiteral("{ num } Числа тиража"));
            QCOMPARE(d.Tree()->topLevelItem(0)->child(1)->text(0), QStringLiteral("Цифры тиража"));
            // Nothing selected: only the whole-tree commands.
            QVERIFY(d.Command(QStringLiteral("CheckNone"))->isEnabled());
            QVERIFY(!d.Command(QStringLiteral("Rename"))->isEnabled());
            QVERIFY(!d.Command(QStringLiteral("GroupAll"))->isEnabled());
            d.Command(QStringLiteral("CheckNone"))->trigger();
            for (const char* code : {"NUMS", "DIGS"})
                d.ToggleNode(d.MethodNode(Method(*window, code)));
            // A group: the group of the selected method, every method of it.
            Select(d, d.MethodNode(Method(*window, "SUMS")));
            d.Command(QStringLiteral("GroupAll"))->trigger();
            d.Command(QStringLiteral("GroupNone"))->trigger();
            Select(d, d.MethodNode(Method(*window, "EVEN")));
            d.Command(QStringLiteral("GroupAll"))->trigger();  // the whole first group
            d.ToggleNode(d.MethodNode(Method(*window, "EVEN")));
            Select(d, d.MethodNode(Method(*window, "DIGS")));
            QVERIFY(d.Command(QStringLiteral("Rename"))->isEnabled());
            d.Command(QStringLiteral("Rename"))->trigger();
            QCOMPARE(d.MethodNode(Method(*window, "DIGS"))->text(0), QStringLiteral("Мои цифры"));
            d.findChildren<QCheckBox*>()[1]->setChecked(false);  // no group code
        };
        window->Dialogs().On<TFormManager>([&](TFormManager& d) {
            drive(d);
            return true;
        });
        manager->trigger();
        QVERIFY(shown);

        // Listed: the first group but EVEN, in list order, without the group code.
        const TStatList& registry = window->Workspace().Stats();
        QStringList expected;
        QString favourites;
        for (int i = 0; i < registry.MethodCount(); ++i) {
            const TStatMethod& m = registry.Method(i);
            if (m.StatClass->Group != 0 || i == Method(*window, "EVEN")) continue;
            QVERIFY(registry.IsShown(i));
            if (!favourites.isEmpty()) favourites += QLatin1Char(',');
            favourites += Q(TStatList::MethodCode(m));
            if (m.StatClass->Listed) expected << Q(registry.MethodListText(i, true));
        }
        QCOMPARE(Items(tab->MethodBox()), expected);
        QCOMPARE(expected[0], QStringLiteral("Числа тиража [ N ]"));
        QCOMPARE(expected[1].left(10), QStringLiteral("Мои цифры "));
        QCOMPARE(tab->MethodBox()->currentIndex(), 0);
        QCOMPARE(tab->ChosenMethod(), Method(*window, "NUMS"));
        {
            const TIniFile names(window->Workspace().Paths().MethodNames());
            QCOMPARE(Q(names.ReadString("FILTERS", "Favorites", "")), favourites);
            QVERIFY(favourites.startsWith(QStringLiteral("NUMS,DIGS,EVNV,")));
            QCOMPARE(Q(names.ReadString("STRINGS_RUS", "DIGS", "")), QStringLiteral("Мои цифры"));
            QCOMPARE(names.ReadBool("FILTERS", "ShowGroupName", true), false);
        }

        // Every method back after the confirmation; the user's name stays.
        TMessages::QueueAnswer(false);
        window->Action(QStringLiteral("FiltersReset"))->trigger();
        QCOMPARE(Items(tab->MethodBox()), expected);
        TMessages::QueueAnswer(true);
        window->Action(QStringLiteral("FiltersReset"))->trigger();
        QCOMPARE(TMessages::Recorded().back().Text,
                 QStringLiteral("Вы действительно хотите сбросить список избранных фильтров?"));
        QVERIFY(TMessages::Recorded().back().DefaultNo);
        QVERIFY(tab->MethodBox()->count() > 100);
        QVERIFY(Items(tab->MethodBox()).contains(expected[1]));
        QCOMPARE(tab->MethodBox()->currentIndex(), 0);
        QVERIFY(window->Workspace().Stats().AllFavorites);
    }

    // Export writes every method's name; an import replaces the dialog's names at once and
    // stays in effect when the dialog is then cancelled.
    void namesExportAndImport() {
        QTemporaryDir dir;
        auto window = gui::test::StartMainWindow(dir.path());
        const QString exported = dir.path() + QStringLiteral("/export.flt");
        const QString imported = dir.path() + QStringLiteral("/import.flt");
        QFile file(imported);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(
            Utf8ToCp1251("[STRINGS_RUS]\r\nNUMS=Числа из файла\r\nEVEN = Чет \r\n")));
        file.close();

        int describedMethod = -1;
        window->Dialogs().On<TFormFilterHelp>([&](TFormFilterHelp&) { describedMethod = 1; });
        const auto drive = [&](TFormManager& d) {
            QTreeWidgetItem* digs = d.MethodNode(Method(*window, "DIGS"));
            digs->setText(0, QStringLiteral("Цифры из диалога"));
            AnswerFileDialogs(*window, exported);
            d.Command(QStringLiteral("NamesExport"))->trigger();
            Select(d, digs);
            d.Command(QStringLiteral("Info"))->trigger();

            AnswerFileDialogs(*window, imported);
            d.Command(QStringLiteral("NamesImport"))->trigger();
            // The tree shows the registry's names again: the file's, else the captions.
            QCOMPARE(d.MethodNode(Method(*window, "NUMS"))->text(0),
                     QStringLiteral("Числа из файла"));
            QCOMPARE(d.MethodNode(Method(*window, "EVEN"))->text(0), QStringLiteral("Чет"));
            QCOMPARE(d.MethodNode(Method(*window, "DIGS"))->text(0),
                     QStringLiteral("Цифры тиража"));
            Select(d, d.MethodNode(Method(*window, "NUMS")));
            d.Command(QStringLiteral("ResetName"))->trigger();
            QCOMPARE(d.MethodNode(Method(*window, "NUMS"))->text(0),
                     QStringLiteral("Числа тиража"));
        };
        window->Dialogs().On<TFormManager>([&](TFormManager& d) {
            drive(d);
            return false;  // cancelled
        });
        window->Action(QStringLiteral("FiltersManager"))->trigger();
        QCOMPARE(describedMethod, 1);

        const TIniFile out(exported.toStdString());
        QCOMPARE(static_cast<int>(out.ReadSection("STRINGS_RUS").size()),
                 window->Workspace().Stats().MethodCount());
        QCOMPARE(QString::fromStdString(out.ReadString("STRINGS_RUS", "DIGS", "")),
                 QStringLiteral("Цифры из диалога"));
        QCOMPARE(QString::fromStdString(out.ReadString("STRINGS_RUS", "NUMS", "")),
                 QStringLiteral("Числа тиража"));
        QVERIFY(!out.SectionExists("FILTERS"));

        // Cancelled after the import: the imported names are in force and listed.
        QCOMPARE(window->Workspace().Stats().Method(Method(*window, "NUMS")).UserName,
                 std::string("Числа из файла"));
        QCOMPARE(window->StatsTab()->MethodBox()->itemText(0),
                 QStringLiteral("{ num } Числа из файла [ N ]"));
        QVERIFY(!QFile::exists(
            QString::fromStdString(window->Workspace().Paths().MethodNames().string())));
    }
};

QTEST_MAIN(TFavouritesTest)
#include "favourites_test.moc"
