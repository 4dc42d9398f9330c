// Pictures of the running program for the help pages: starts the main window offscreen on
// the bundled sample archive, brings each tab and the main dialogs to the front and saves
// them as PNG files named after the help pages' topics.
//
//   help_shots [--language ru|en] <sample archive> <output folder>
//
// The language is stored as the interface language in the temporary data folder's window
// settings before the window starts, so the pictures show the interface of that language.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <exception>

#include "gui/combs/form_generate.h"
#include "gui/core/form_config.h"
#include "gui/core/form_main.h"
#include "gui/core/main_window_keys.h"
#include "gui/stats/form_manager.h"
#include "gui/support/messages.h"

using namespace mv;
using namespace mv::gui;

namespace {

// Lets the window lay itself out and draw (charts drop their old items by deferred deletion).
void Settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

bool Save(QWidget* widget, const QDir& out, const char* topic) {
    Settle();
    const QString path = out.filePath(QString::fromLatin1(topic) + QStringLiteral(".png"));
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "help_shots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A dialog as the user sees it, saved and then closed unaccepted.
template <class TDialog>
void GrabDialog(TFormMain& window, const QDir& out, const char* topic, bool& ok) {
    window.Dialogs().On<TDialog>([&out, topic, &ok](TDialog& dialog) {
        dialog.show();
        ok = Save(&dialog, out, topic) && ok;
        dialog.hide();
    });
}

// The interface language identifiers of the help pages' languages.
struct TLanguage {
    const char* Name;
    int Id;
};
constexpr TLanguage kLanguages[] = {{"ru", 1049}, {"en", 1033}};

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    int language = kLanguages[0].Id;
    if (args.size() == 4 && args[0] == QStringLiteral("--language")) {
        language = 0;
        for (const TLanguage& known : kLanguages) {
            if (args[1] == QLatin1String(known.Name)) language = known.Id;
        }
        args = args.mid(2);
    }
    if (args.size() != 2 || language == 0) {
        std::fprintf(stderr,
                     "usage: help_shots [--language ru|en] <sample archive> <output folder>\n");
        return 2;
    }
    QTemporaryDir data;
    const TDataPaths paths{data.path().toStdString()};
    const QDir out(args[1]);
    if (!data.isValid() || !QDir().mkpath(out.path()) ||
        !QFile::copy(args[0], QString::fromStdString(paths.Archive().string()))) {
        std::fprintf(stderr, "help_shots: cannot prepare the data folder\n");
        return 1;
    }
    try {
        TWindowSettings(paths.WindowSettings())
            .WriteInteger(MainWindowSection, MainWindowKey::Language.Name, language);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "help_shots: cannot store the language: %s\n", e.what());
        return 1;
    }
    // Nothing modal: message boxes are recorded, questions get their default answer.
    TMessages::SetTestMode(true);

    TFormMain window(paths, {});
    window.resize(1180, 760);
    window.show();
    QEventLoop started;
    QObject::connect(&window, &TTemplateMain::DeferredInitFinished, &started, &QEventLoop::quit);
    QObject::connect(&window, &TTemplateMain::TerminateRequested, &started, &QEventLoop::quit);
    QTimer::singleShot(30000, &started, &QEventLoop::quit);
    started.exec();

    bool ok = true;
    // The overview: the archive on the left, the statistics on the right.
    window.LeftPages()->setCurrentIndex(0);
    window.RightPages()->setCurrentIndex(0);
    ok = Save(&window, out, "index") && ok;
    const char* const leftTopics[] = {"draws", "combs"};
    for (int i = 0; i < window.LeftPages()->count() && i < 2; ++i) {
        window.LeftPages()->setCurrentIndex(i);
        ok = Save(&window, out, leftTopics[i]) && ok;
    }
    window.LeftPages()->setCurrentIndex(0);
    const char* const rightTopics[] = {"stats",  "graphs",  "card",     "layout",  "week",
                                       "stakes", "ratings", "regulars", "systems", "script"};
    for (int i = 0; i < window.RightPages()->count() && i < 10; ++i) {
        window.RightPages()->setTabVisible(i, true);
        window.RightPages()->setCurrentIndex(i);
        ok = Save(&window, out, rightTopics[i]) && ok;
    }
    window.RightPages()->setCurrentIndex(0);

    GrabDialog<TFormManager>(window, out, "manager", ok);
    GrabDialog<TFormConfig>(window, out, "config", ok);
    GrabDialog<TFormGenerate>(window, out, "generate", ok);
    for (const char* action : {"FiltersManager", "EditConfig", "CombsGen"}) {
        window.UpdateActions();
        window.Action(QString::fromLatin1(action))->trigger();
    }
    window.close();
    return ok ? 0 : 1;
}
