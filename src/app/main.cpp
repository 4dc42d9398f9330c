// The desktop program: Marvolet_5z36 [--data-dir DIR] [restart] [no-language] [loadonly]
// [fullrecreate] [fullrefresh]
#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <iostream>

#include "core/command_line.h"
#include "core/data_paths.h"
#include "core/errors.h"
#include "core/form_main.h"
#include "support/russian_interface.h"
#include "support/text_utils.h"

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
    const bool noDisplay = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY");
    if (mv::ParseSwitches(args).IsBatch() && noDisplay && !std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }

    QApplication app(argc, argv);
    // The toolkit takes the user's locale; the engine formats and reads numbers itself with
    // its own decimal separator, so the C library must keep the "." of the C locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Marvolet_5z36"));
    mv::SetDecimalSeparator(',');

    // The toolkit's own dialogs, menus and date pickers speak Russian like the program.
    mv::gui::InstallRussianInterface();

    mv::gui::TFormMain window(mv::ResolveDataPaths(dataDir), args);
    if (window.Terminated()) return 0;
    window.show();
    return QApplication::exec();
}
