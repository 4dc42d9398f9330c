// The help pages: F1 and "Справка" open the page of the tab in front in the interface
// language, every language has every page, and every page's links and pictures lead somewhere.
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/combs/combs_tab.h"
#include "gui/core/form_main.h"
#include "gui/core/main_window_keys.h"
#include "engine/core/data_paths.h"
#include "gui/support/languages.h"
#include "gui/support/messages.h"
#include "gui_test_support.h"

using namespace mv;
using namespace mv::gui;

// Takes the addresses the program asks the desktop to open.
class THelpRecorder : public QObject {
    Q_OBJECT
public:
    QStringList Opened;
public slots:
    void Open(const QUrl& url) { Opened << url.toLocalFile(); }
};

namespace {

const QString kHelpDir = QStringLiteral(MV_HELP_DIR);

bool CopyFolder(const QString& from, const QString& to) {
    if (!QDir().mkpath(to)) return false;
    for (const QFileInfo& entry :
         QDir(from).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() ? !CopyFolder(entry.filePath(), target)
                          : !QFile::copy(entry.filePath(), target)) {
            return false;
        }
    }
    return true;
}

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// What a page points at, in order: the pages it links to and the file names of its pictures
// (the English pages may show the Russian pictures).
QStringList PageTargets(const QString& text) {
    static const QRegularExpression reference(
        QStringLiteral("(href|src)=\"(?:[^\"]*/)?([^\"/#]*)[^\"]*\""));
    QStringList targets;
    for (const auto& match : reference.globalMatch(text)) {
        targets << match.captured(1) + QLatin1Char(' ') + match.captured(2);
    }
    return targets;
}

// The help topics of the right tabs, in their order.
QStringList RightTopics() {
    return {QStringLiteral("stats"),   QStringLiteral("graphs"),   QStringLiteral("card"),
            QStringLiteral("layout"),  QStringLiteral("week"),     QStringLiteral("stakes"),
            QStringLiteral("ratings"), QStringLiteral("regulars"), QStringLiteral("systems"),
            QStringLiteral("script")};
}

}  // namespace

class THelpTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TMessages::SetTestMode(true); }

    void everyLinkAndPictureExists() {
        int pages = 0;
        QDirIterator it(kHelpDir, {QStringLiteral("*.html")}, QDir::Files,
                        QDirIterator::Subdirectories);
        const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#]*)[^\"]*\""));
        while (it.hasNext()) {
            const QFileInfo page(it.next());
            ++pages;
            QFile file(page.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            QVERIFY2(text.contains(QStringLiteral("<title>")), qPrintable(page.filePath()));
            for (const auto& match : reference.globalMatch(text)) {
                const QString target = match.captured(1);
                if (target.isEmpty() || target.contains(QStringLiteral("://"))) continue;
                QVERIFY2(QFileInfo::exists(page.dir().filePath(target)),
                         qPrintable(page.fileName() + QStringLiteral(": ") + target));
            }
        }
        QVERIFY(pages >= 15);
    }

    // The English pages are the Russian ones translated: the same files, the same links and
    // pictures, and no Russian text left over.
    void englishPagesMatchTheRussianOnes() {
        const QStringList filter = {QStringLiteral("*.html")};
        const QStringList russian = QDir(kHelpDir + QStringLiteral("/ru")).entryList(filter);
        QVERIFY(russian.contains(QStringLiteral("index.html")));
        QCOMPARE(QDir(kHelpDir + QStringLiteral("/en")).entryList(filter), russian);
        const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
        for (const QString& name : russian) {
            const QString ru = ReadText(kHelpDir + QStringLiteral("/ru/") + name);
            const QString en = ReadText(kHelpDir + QStringLiteral("/en/") + name);
            QVERIFY2(en.contains(QStringLiteral("<html lang=\"en\">")), qPrintable(name));
            const auto left = cyrillic.match(en);
            QVERIFY2(!left.hasMatch(),
                     qPrintable(name + QStringLiteral(": ") + en.mid(left.capturedStart(), 40)));
            QCOMPARE(PageTargets(en), PageTargets(ru));
        }
    }

    // Each tab has its page; a tab without one (or a missing page) opens the index.
    void helpOpensThePageOfTheTabInFront() {
        QTemporaryDir dir;
        QVERIFY(
            CopyFolder(kHelpDir + QStringLiteral("/ru"), dir.path() + QStringLiteral("/help/ru")));
        THelpRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "Open");
        const auto unset =
            qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
        auto window = gui::test::StartMainWindow(dir.path());
        QAction* help = window->Action(QStringLiteral("GetHelp"));
        QCOMPARE(help->shortcut(), QKeySequence(QStringLiteral("F1")));
        window->UpdateActions();
        QVERIFY(help->isEnabled());

        QTabWidget* right = window->RightPages();
        // The right page control decides while the focus is not in the left one.
        window->activateWindow();
        right->tabBar()->setFocus();
        QTRY_VERIFY(QApplication::focusWidget() == right->tabBar());
        const QStringList topics = RightTopics();
        QCOMPARE(right->count(), topics.size());
        for (int i = 0; i < right->count(); ++i) {
            right->setTabVisible(i, true);
            right->setCurrentIndex(i);
            help->trigger();
            QCOMPARE(QFileInfo(recorder.Opened.last()).fileName(),
                     topics[i] + QStringLiteral(".html"));
        }
        // The left page control decides while it holds the focus.
        window->activateWindow();
        window->LeftPages()->setCurrentIndex(1);
        window->CombsTab()->List()->setFocus();
        QTRY_VERIFY(QApplication::focusWidget() &&
                    window->LeftPages()->isAncestorOf(QApplication::focusWidget()));
        help->trigger();
        QCOMPARE(QFileInfo(recorder.Opened.last()).fileName(), QStringLiteral("combs.html"));
        right->tabBar()->setFocus();
        QTRY_VERIFY(QApplication::focusWidget() == right->tabBar());
        right->setCurrentIndex(0);
        QVERIFY(QFile::remove(dir.path() + QStringLiteral("/help/ru/stats.html")));
        help->trigger();
        QCOMPARE(recorder.Opened.last(), dir.path() + QStringLiteral("/help/ru/index.html"));

        // Without the pages the command is greyed out.
        QVERIFY(QDir(dir.path() + QStringLiteral("/help")).removeRecursively());
        window->UpdateActions();
        QVERIFY(!help->isEnabled());
    }

    // With the English interface stored, F1 opens the English page of each tab, whatever the
    // tabs are called, and the Russian page where the English one is missing.
    void helpOpensTheEnglishPageInTheEnglishInterface() {
        QTemporaryDir dir;
        QVERIFY(CopyFolder(kHelpDir, dir.path() + QStringLiteral("/help")));
        TWindowSettings(TDataPaths{dir.path().toStdString()}.WindowSettings())
            .WriteInteger(MainWindowSection, MainWindowKey::Language.Name, 1033);
        // The English module beside a program in the temporary folder.
        QVERIFY(QFile::copy(QStringLiteral(MV_ENGLISH_MODULE),
                            dir.path() + QStringLiteral("/Marvolet_5z36_ENU.qm")));
        SetLanguageProgramPath((dir.path() + QStringLiteral("/Marvolet_5z36")).toStdString());
        const auto restoreProgram = qScopeGuard([] { SetLanguageProgramPath(ExecutablePath()); });
        THelpRecorder recorder;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "Open");
        const auto unset =
            qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
        auto window = gui::test::StartMainWindow(dir.path());
        QAction* help = window->Action(QStringLiteral("GetHelp"));
        window->UpdateActions();
        QVERIFY(help->isEnabled());
        const QString english = dir.path() + QStringLiteral("/help/en/");

        // Translated captions must not lose the way to the pages.
        QTabWidget* left = window->LeftPages();
        QTabWidget* right = window->RightPages();
        for (QTabWidget* pages : {left, right}) {
            for (int i = 0; i < pages->count(); ++i) {
                pages->setTabText(i, QStringLiteral("Tab %1").arg(i));
            }
        }
        window->activateWindow();
        right->tabBar()->setFocus();
        QTRY_VERIFY(QApplication::focusWidget() == right->tabBar());
        const QStringList rightTopics = RightTopics();
        QCOMPARE(right->count(), rightTopics.size());
        for (int i = 0; i < right->count(); ++i) {
            right->setTabVisible(i, true);
            right->setCurrentIndex(i);
            help->trigger();
            QCOMPARE(recorder.Opened.last(), english + rightTopics[i] + QStringLiteral(".html"));
        }
        const QStringList leftTopics = {QStringLiteral("draws"), QStringLiteral("combs")};
        QCOMPARE(left->count(), leftTopics.size());
        for (int i = 0; i < left->count(); ++i) {
            left->setCurrentIndex(i);
            left->currentWidget()->setFocus();
            QTRY_VERIFY(QApplication::focusWidget() &&
                        left->isAncestorOf(QApplication::focusWidget()));
            help->trigger();
            QCOMPARE(recorder.Opened.last(), english + leftTopics[i] + QStringLiteral(".html"));
        }

        QVERIFY(QFile::remove(english + QStringLiteral("combs.html")));
        help->trigger();
        QCOMPARE(recorder.Opened.last(), dir.path() + QStringLiteral("/help/ru/combs.html"));
    }
};

QTEST_MAIN(THelpTest)
#include "help_test.moc"
