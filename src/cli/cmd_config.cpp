// marvolet config show | proxy

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>

#include "cli/cli_app.h"
#include "cli/stats_setup.h"
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

// The stored proxy settings; with options they are changed and saved first. Automatic mode
// keeps no server, credentials or port, as the proxy dialog does.
int Proxy(TCliContext& context, TArgs& args) {
    const auto mode = args.TakeOption("mode");
    const auto server = args.TakeOption("server");
    const auto port = args.TakeOption("port");
    const auto user = args.TakeOption("user");
    const auto password = args.TakeOption("password");
    args.ExpectPositional(0, 0);
    const std::filesystem::path file = context.Workspace().Paths().Config();
    TProxy proxy;
    LoadProxySettings(file, proxy);
    if (mode || server || port || user || password) {
        if (mode)
            proxy.Mode = static_cast<std::uint8_t>(
                IntegerOption(*mode, 0, 2, "Некорректный режим proxy (0, 1, 2)"));
        if (server) proxy.Server = *server;
        if (port) proxy.Port = IntegerOption(*port, 1, 65535, "Некорректный порт proxy-сервера");
        if (user) proxy.Username = *user;
        if (password) proxy.Password = *password;
        if (proxy.Mode == 1) {
            proxy.Server.clear();
            proxy.Username.clear();
            proxy.Password.clear();
            proxy.Port = 0;
        }
        proxy.Written = false;
        SaveProxySettings(file, proxy);
    }
    static const char* const modes[] = {"без proxy-сервера", "автоматический поиск",
                                        "ручной выбор"};
    std::ostream& out = context.Out();
    out << "Режим: " << int{proxy.Mode} << " (" << modes[proxy.Mode <= 2 ? proxy.Mode : 0] << ")\n";
    out << "Сервер: " << proxy.Server << '\n';
    out << "Порт: " << proxy.Port << '\n';
    out << "Пользователь: " << proxy.Username << '\n';
    out << "Пароль: " << (proxy.Password.empty() ? "" : "********") << '\n';
    return ExitOk;
}

const TCommand kCommands[] = {
    {"show", "", "действующие параметры файла конфигурации (умолчания помечены)", &Show},
    {"proxy", "[--mode 0|1|2] [--server S] [--port P] [--user U] [--password W]",
     "параметры proxy-сервера (с параметрами: изменить и сохранить)", &Proxy},
};

const TCommandGroup kGroup{"config", kCommands};

}  // namespace

const TCommandGroup& ConfigCommands() {
    return kGroup;
}

}  // namespace mv::cli
