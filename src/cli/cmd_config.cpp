// marvolet config show

#include <ostream>
#include <string>

#include "cli/cli_app.h"
#include "engine/support/config_file.h"

namespace mv::cli {
namespace {

// Every key of the configuration file with the value the program works with; values that
// come from the defaults are marked. Reading needs no lock: nothing is changed.
int Show(TCliContext& context, TArgs& args) {
    args.ExpectPositional(0, 0);
    for (const std::string& line :
         RenderEffectiveConfiguration(context.Workspace().Paths().Config())) {
        context.Out() << line << '\n';
    }
    return ExitOk;
}

const TCommand kCommands[] = {
    {"show", "", "действующие параметры файла конфигурации (умолчания помечены)", &Show},
};

const TCommandGroup kGroup{"config", kCommands};

}  // namespace

const TCommandGroup& ConfigCommands() {
    return kGroup;
}

}  // namespace mv::cli
