// Interface languages: the English module is complete, every shown text goes through the
// translation layer, and a language stored in the settings is the one the window speaks.
#include <QAction>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <set>

#include "engine/core/data_paths.h"
#include "engine/core/messages.h"
#include "gui/core/form_main.h"
#include "gui/draws/draw_dialog.h"
#include "gui/support/languages.h"
#include "gui/support/messages.h"
#include "gui/support/window_settings.h"
#include "gui/update/update_commands.h"
#include "gui_test_support.h"
#include "tr_texts.h"

using namespace mv;
using namespace mv::gui;

namespace {

const QRegularExpression& Cyrillic() {
    static const QRegularExpression re(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return re;
}

// Qt placeholders (%1..%99) of a text, sorted.
QStringList QtPlaceholders(const QString& text) {
    QStringList found;
    static const QRegularExpression re(QStringLiteral("%\\d{1,2}"));
    for (auto it = re.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    return found;
}

// printf conversions (%s, %d, %5.2f, ...) of a text, in order; "%%" is none.
QStringList PrintfConversions(const QString& text) {
    QStringList found;
    static const QRegularExpression re(
        QStringLiteral("%%|%[-+ #0]*\\d*(?:\\.\\d+)?[hlLqjzt]*[diouxXeEfgGcsp]"));
    for (auto it = re.globalMatch(text); it.hasNext();) {
        const QString conversion = it.next().captured();
        if (conversion != QLatin1String("%%")) found << conversion;
    }
    return found;
}

// Every caption of the menu bar, its menus and their submenus.
void CollectMenuTexts(const QList<QAction*>& actions, QStringList& texts) {
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        texts << action->text();
        if (action->menu()) CollectMenuTexts(action->menu()->actions(), texts);
    }
}

QStringList MenuTexts(TFormMain& window) {
    QStringList texts;
    CollectMenuTexts(window.menuBar()->actions(), texts);
    return texts;
}

QStringList TabTexts(const QTabWidget* pages) {
    QStringList texts;
    for (int i = 0; i < pages->count(); ++i) texts << pages->tabText(i);
    return texts;
}

QStringList WithCyrillic(const QStringList& texts) {
    QStringList found;
    for (const QString& text : texts) {
        if (text.contains(Cyrillic())) found << text;
    }
    return found;
}

void StoreLanguage(const QString& dataDir, int lcid) {
    TWindowSettings settings(TDataPaths{dataDir.toStdString()}.WindowSettings());
    settings.WriteInteger(MainWindowSection, "Language", lcid);
}

int StoredLanguage(const QString& dataDir) {
    const TWindowSettings settings(TDataPaths{dataDir.toStdString()}.WindowSettings());
    return settings.ReadInteger(MainWindowSection, "Language", 1049);
}

}  // namespace

class TLanguagesTest : public QObject {
    Q_OBJECT
private:
    // A program folder of its own: the program file name the modules follow, and the modules.
    QTemporaryDir m_program;
    QString ModulePath(const char* abbreviation) const {
        return m_program.filePath(
            QStringLiteral("Marvolet_5z36_%1.qm").arg(QLatin1String(abbreviation)));
    }
    void InstallModule(const char* abbreviation) {
        QFile::remove(ModulePath(abbreviation));
        QVERIFY(QFile::copy(QStringLiteral(MV_ENGLISH_MODULE), ModulePath(abbreviation)));
    }
    void RemoveModules() {
        for (const QString& file : QDir(m_program.path()).entryList({QStringLiteral("*.qm")}))
            QFile::remove(m_program.filePath(file));
    }

private slots:
    void initTestCase() {
        SetLanguageProgramPath(m_program.filePath(QStringLiteral("Marvolet_5z36")).toStdString());
    }

    void init() {
        TMessages::SetTestMode(true);
        TMessages::Recorded().clear();
        RemoveModules();
    }

    void cleanupTestCase() { InitLanguages(1049, 1049); }

    // Before any language is loaded, as on a machine whose locale is not Russian: the draw
    // dialog's date picker still names the month in Russian.
    void datePickerFollowsTheInterfaceLanguage() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        TDrawRec draw;
        draw.Number = 1;
        draw.SetDate("05.01.2024");
        {
            TDrawDialog dialog(draw);
            auto* date = dialog.findChild<QDateEdit*>(QStringLiteral("dtDate"));
            QVERIFY(date);
            QVERIFY2(date->text().contains(QStringLiteral("января")), qPrintable(date->text()));
            QCOMPARE(date->calendarWidget()->locale().language(), QLocale::Russian);
        }
        InstallModule("ENU");
        InitLanguages(1049, 1033);
        TDrawDialog dialog(draw);
        auto* date = dialog.findChild<QDateEdit*>(QStringLiteral("dtDate"));
        QVERIFY2(date->text().contains(QStringLiteral("January")), qPrintable(date->text()));
        QCOMPARE(QLocale().language(), QLocale::English);
    }

    // The toolkit's own texts (file dialogs, context menus, standard buttons) speak the
    // interface language.
    void toolkitTextsFollowTheInterfaceLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("copy");
        QTest::newRow("Russian") << 1049 << QStringLiteral("Отмена")
                                 << QStringLiteral("Копировать");
        QTest::newRow("English") << 1033 << QStringLiteral("Cancel") << QStringLiteral("Copy");
    }
    void toolkitTextsFollowTheInterfaceLanguage() {
        QFETCH(int, language);
        QFETCH(QString, cancel);
        QFETCH(QString, copy);
        InstallModule("ENU");
        InitLanguages(1049, language);
        QCOMPARE(CurrentLanguage(), language);
        QLineEdit edit;
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QStringList texts;
        for (QAction* a : menu->actions()) texts << a->text();
        QVERIFY2(texts.join(QLatin1Char('|')).contains(copy), qPrintable(texts.join(u'|')));
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        QStringList buttons;
        for (const QPushButton* b : files.findChildren<QPushButton*>()) buttons << b->text();
        QVERIFY2(buttons.contains(cancel), qPrintable(buttons.join(u'|')));
        QMessageBox box(QMessageBox::Question, {}, {}, QMessageBox::Yes | QMessageBox::No);
        const QString no = box.button(QMessageBox::No)->text();
        QCOMPARE(no.contains(Cyrillic()), language == 1049);
    }

    // Every text of the desktop's sources and every engine message has a finished English
    // translation in the module, with the same placeholders.
    void englishModuleIsComplete() {
        QTranslator module;
        QVERIFY(module.load(QStringLiteral(MV_ENGLISH_MODULE)));
        const auto texts = trtexts::CollectTrTexts({std::string(MV_SOURCE_DIR) + "/src/gui"});
        QVERIFY(texts.size() > 300);
        QStringList missing;
        for (const trtexts::TTrText& text : texts) {
            const QString source = QString::fromStdString(text.Source);
            const QString english =
                module.translate("Marvolet", text.Source.c_str(),
                                 text.Comment.empty() ? nullptr : text.Comment.c_str());
            if (english.isEmpty() || english.contains(Cyrillic())) {
                missing << QStringLiteral("%1:%2: %3")
                               .arg(QString::fromStdString(text.File))
                               .arg(text.Line)
                               .arg(source);
            } else if (QtPlaceholders(english) != QtPlaceholders(source)) {
                missing << QStringLiteral("placeholders of %1: %2").arg(source, english);
            }
        }
        for (const TMessageInfo& info : MessageCatalogue()) {
            const QString source = QString::fromUtf8(info.Russian);
            const QString english = module.translate("engine", info.Russian, info.Id);
            // A caption may quote the value letters of its method ("(Ч:Н)"): those are values
            // stored in scenario files, kept as they are in every language.
            QString checked = english;
            static const QRegularExpression valueLetters(QStringLiteral("\\([ЧНнПС12:.]+\\)$"));
            const QRegularExpressionMatch quoted = valueLetters.match(source);
            if (quoted.hasMatch()) checked.remove(quoted.captured());
            if (english.isEmpty() || checked.contains(Cyrillic())) {
                missing << QStringLiteral("engine %1: %2").arg(QLatin1String(info.Id), source);
            } else if (PrintfConversions(english) != PrintfConversions(source)) {
                missing << QStringLiteral("conversions of engine %1: %2")
                               .arg(QLatin1String(info.Id), english);
            }
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("\n") + missing.join(u'\n')));
    }

    // A Cyrillic literal in the desktop's sources is a shown text that skipped Tr.
    void noRussianLiteralOutsideTr() {
        const QDir root(QStringLiteral(MV_SOURCE_DIR));
        QStringList found;
        QDirIterator it(root.filePath(QStringLiteral("src/gui")),
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            for (const auto& literal : trtexts::ScanLiterals(file.readAll().toStdString())) {
                if (literal.Role == trtexts::TLiteral::Other &&
                    trtexts::HasCyrillic(literal.Value)) {
                    found << QStringLiteral("%1:%2: %3")
                                 .arg(root.relativeFilePath(path))
                                 .arg(literal.Line)
                                 .arg(QString::fromStdString(literal.Value));
                }
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("\n") + found.join(u'\n')));
    }

    // The scanner that both checks above rely on.
    void scannerReadsLiteralsAsTheCompilerDoes() {
        using trtexts::TLiteral;
        const auto literals = trtexts::ScanLiterals(
            "#include \"a.h\"\n"
            "// Tr(\"в комментарии\")\n"
            "x = Tr(\"Первая \" /* c */ \"строка\\r\\r\\\"%1\\\"\");\n"
            "y = Tr(\"Выход\", \"menu\"); z = Tr(name); n = 1'000;\n"
            "const char* k = TrNoop(\"Ключ\"); s = \"Прочее\\x41\"; r = R\"(Сырая \")\";\n"
            "c = '\"'; MyTr(\"x\");\n");
        QCOMPARE(literals.size(), std::size_t{6});
        const std::vector<std::pair<std::string, TLiteral::TRole>> expected = {
            {"Первая строка\r\r\"%1\"", TLiteral::Text},
            {"Выход", TLiteral::Text},
            {"menu", TLiteral::Comment},
            {"Ключ", TLiteral::Text},
            {"ПрочееA", TLiteral::Other},
            {"x", TLiteral::Other}};
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(QString::fromStdString(literals[i].Value),
                     QString::fromStdString(expected[i].first));
            QCOMPARE(literals[i].Role, expected[i].second);
        }
        QCOMPARE(literals[0].Line, 3);
    }

    // Started with English stored and the module beside the program, the window speaks
    // English; with "no-language" the same data folder gives the Russian window.
    void storedLanguageIsTheWindowsLanguage() {
        InstallModule("ENU");
        QTemporaryDir data;
        StoreLanguage(data.path(), 1033);
        {
            auto window = test::StartMainWindow(data.path());
            QCOMPARE(CurrentLanguage(), 1033);
            const QStringList menus = MenuTexts(*window);
            QVERIFY(menus.contains(QStringLiteral("File")));
            QVERIFY(menus.contains(QStringLiteral("Interface language")));
            QVERIFY2(WithCyrillic(menus).isEmpty(), qPrintable(WithCyrillic(menus).join(u'|')));
            const QStringList tabs = TabTexts(window->LeftPages()) + TabTexts(window->RightPages());
            QVERIFY2(WithCyrillic(tabs).isEmpty(), qPrintable(WithCyrillic(tabs).join(u'|')));
            QCOMPARE(QString::fromStdString(Msg(TMsg::ArchiveReadError)),
                     QStringLiteral("Error reading the draws file!"));
            test::SaveScreenshot(window.get(), QStringLiteral("main_window_english.png"));
        }
        {
            auto window = test::StartMainWindow(data.path(), {"no-language"});
            QCOMPARE(CurrentLanguage(), 1049);
            QVERIFY(MenuTexts(*window).contains(QStringLiteral("Файл")));
            QCOMPARE(QString::fromStdString(Msg(TMsg::ArchiveReadError)),
                     QStringLiteral("Ошибка чтения файла тиражей!"));
            // The switch decides this run only: the stored choice stays.
            QCOMPARE(StoredLanguage(data.path()), 1033);
        }
    }

    // Without modules only Russian is offered; a stored language whose module has gone falls
    // back to Russian without a message.
    void withoutModulesOnlyTheBaseLanguage() {
        QTemporaryDir data;
        StoreLanguage(data.path(), 1033);
        auto window = test::StartMainWindow(data.path());
        QCOMPARE(AvailableLanguages(), std::vector<int>{1049});
        QCOMPARE(CurrentLanguage(), 1049);
        QVERIFY(TMessages::Recorded().empty());
        auto* menu = window->findChild<QMenu*>(QStringLiteral("mnuLanguages"));
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 1);
        QCOMPARE(menu->actions().value(0)->text(), QStringLiteral("Русский"));
        QVERIFY(menu->actions().value(0)->isChecked());
        QCOMPARE(LanguageIndex(1049, 1049), 0);
        QCOMPARE(LanguageIndex(1033, 1049), 0);
        QCOMPARE(LanguageIndex(1033, 1036), -1);
        QCOMPARE(LanguageAt(-1, 1049), 1049);
        QCOMPARE(LanguageAt(1, 1049), 1049);
        QCOMPARE(LanguageNames(), QStringList{QStringLiteral("Русский")});
    }

    // Two variants of English are both offered and both checked while English runs; a module
    // of a locale the program does not know is not offered.
    void languagesOfferedByModule() {
        InstallModule("ENU");
        InstallModule("ENG");
        InstallModule("XYZ");
        InitLanguages(1049, 2057);
        QCOMPARE(AvailableLanguages(), (std::vector<int>{1033, 1049, 2057}));
        QCOMPARE(CurrentLanguage(), 2057);
        QCOMPARE(LanguageNames(),
                 (QStringList{QStringLiteral("English (United States)"), QStringLiteral("Russian"),
                              QStringLiteral("English (United Kingdom)")}));
        QCOMPARE(LanguageIndex(1049, 1049), 1);
        QTemporaryDir data;
        StoreLanguage(data.path(), 2057);
        auto window = test::StartMainWindow(data.path());
        QStringList checked;
        for (QAction* item : window->findChild<QMenu*>(QStringLiteral("mnuLanguages"))->actions())
            if (item->isChecked()) checked << item->text();
        QCOMPARE(checked, (QStringList{QStringLiteral("English (United States)"),
                                       QStringLiteral("English (United Kingdom)")}));
    }

    // Choosing a language stores it and restarts; a module that has gone meanwhile is an error
    // and the stored choice stays.
    void choosingALanguage() {
        InstallModule("ENU");
        QTemporaryDir data;
        auto window = test::StartMainWindow(data.path());
        QCOMPARE(CurrentLanguage(), 1049);
        int restarts = 0;
        window->UpdateCommands().SetRestarter([&] { ++restarts; });
        QAction* english = window->Action(QStringLiteral("Language1033"));
        QAction* russian = window->Action(QStringLiteral("Language1049"));
        QVERIFY(english && russian);

        russian->trigger();  // the running language: nothing happens
        QCOMPARE(restarts, 0);
        QVERIFY(russian->isChecked());

        RemoveModules();
        english->trigger();
        QCOMPARE(restarts, 0);
        QCOMPARE(StoredLanguage(data.path()), 1049);
        QVERIFY2(test::LastMessageText().startsWith(QStringLiteral("Языковый модуль \"")) &&
                     test::LastMessageText().endsWith(QStringLiteral("_ENU.qm\" не найден!")),
                 qPrintable(test::LastMessageText()));
        QVERIFY(!english->isChecked());

        InstallModule("ENU");
        english->trigger();
        QCOMPARE(restarts, 1);
        QCOMPARE(StoredLanguage(data.path()), 1033);
        // The new language takes effect at the next start.
        QCOMPARE(CurrentLanguage(), 1049);
        QVERIFY(!english->isChecked());
    }

    // A module that exists but is no translation file is reported and the base language stays.
    void damagedModuleFallsBackToTheBase() {
        QFile bad(ModulePath("ENU"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a translation file");
        bad.close();
        InitLanguages(1049, 1033);
        QCOMPARE(CurrentLanguage(), 1049);
        QVERIFY2(test::LastMessageText().startsWith(
                     QStringLiteral("Не удалось загрузить языковый модуль")),
                 qPrintable(test::LastMessageText()));
        QCOMPARE(QString::fromStdString(Msg(TMsg::ArchiveReadError)),
                 QStringLiteral("Ошибка чтения файла тиражей!"));
    }
};

QTEST_MAIN(TLanguagesTest)
#include "languages_test.moc"
