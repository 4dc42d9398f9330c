// `marvolet`: the command-line front end over the engine. See cli_app.h.

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    const int status =
        mv::cli::RunCli(std::move(args), std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1);
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "Ошибка вывода в stdout\n";
        return mv::cli::ExitError;
    }
    return status;
}
