// The desktop program: Marvolet_5z36 [--data-dir DIR] [restart] [no-language] [loadonly]
// [fullrecreate] [fullrefresh]
#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <iostream>

#include "engine/core/command_line.h"
#include "engine/core/data_paths.h"
#include "engine/core/errors.h"
#include "engine/core/text_utils.h"
#include "gui/core/form_main.h"
#include "gui/support/messages.h"

int main(int argc, char* argv[]) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::optional<std::filesystem::path> dataDir;
    try {
        dataDir = mv::TakeDataDirOption(args);
    } catch (const mv::EError& e) {
        std::cerr << e.what() << '\n';
        return 2;
    }
    // Batch runs must work on a machine without a display.
    const bool batch = mv::ParseSwitches(args).IsBatch();
    const bool noDisplay = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY");
    if (batch && noDisplay && !std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }

    QApplication app(argc, argv);
    // The toolkit takes the user's locale; the engine formats and reads numbers itself with
    // its own decimal separator, so the C library must keep the "." of the C locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Marvolet_5z36"));
    mv::SetDecimalSeparator(',');

    // Without a display nobody can answer a message box: a batch run writes its messages to
    // standard error and ends at its first failure, with that failure's exit status.
    const QString platform = QGuiApplication::platformName();
    if (batch && (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))) {
        mv::gui::TMessages::SetConsoleMode(true);
    }

    int status = 0;
    {
        mv::gui::TFormMain window(mv::ResolveDataPaths(dataDir), args);
        if (!window.Terminated()) {
            window.show();
            status = QApplication::exec();
        }
    }  // the window's end saves the settings and releases the data files
    if (status == 0) status = mv::gui::TMessages::ExitStatus();
    return status;
}
