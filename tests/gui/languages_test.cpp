// The toolkit's own texts: date pickers, file dialogs, context menus and standard buttons
// speak Russian once the Russian interface is installed.
#include <QAction>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "gui/draws/draw_dialog.h"
#include "gui/support/russian_interface.h"

using namespace mv;
using namespace mv::gui;

class TRussianInterfaceTest : public QObject {
    Q_OBJECT
private slots:
    // Before anything is installed, as on a machine whose locale is not Russian: the draw
    // dialog's date picker still names the month in Russian.
    void datePickerIsRussianWhateverTheLocale() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TDrawRec draw;
        draw.Number = 1;
        draw.SetDate("05.01.2024");
        TDrawDialog dialog(draw);
        auto* date = dialog.findChild<QDateEdit*>(QStringLiteral("dtDate"));
        QVERIFY(date);
        QVERIFY2(date->text().contains(QStringLiteral("января")), qPrintable(date->text()));
        QCOMPARE(date->calendarWidget()->locale().language(), QLocale::Russian);
    }

    void toolkitTextsAreRussian() {
        QVERIFY(InstallRussianInterface());
        QCOMPARE(QLocale().language(), QLocale::Russian);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        QLineEdit edit;
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList texts;
        for (QAction* a : menu->actions()) texts << a->text();
        QVERIFY2(texts.join(QLatin1Char('|')).contains(QStringLiteral("Копировать")),
                 qPrintable(texts.join(QLatin1Char('|'))));
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        QStringList buttons;
        for (const QPushButton* b : files.findChildren<QPushButton*>()) buttons << b->text();
        QVERIFY2(buttons.join(QLatin1Char('|')).contains(QStringLiteral("Отмена")),
                 qPrintable(buttons.join(QLatin1Char('|'))));
    }
};

QTEST_MAIN(TRussianInterfaceTest)
#include "russian_interface_test.moc"
