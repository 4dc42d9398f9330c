// Starting the built `marvolet` from the command-line tests.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "test_support.h"

extern char** environ;

namespace mv::test {

struct TCliRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

// Runs the program args[0] with the rest as its arguments, without a shell, so arguments need
// no quoting; its standard output and error are caught in files of `scratch`.
inline TCliRun RunProgram(const std::filesystem::path& scratch, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string outFile = (scratch / "stdout").string();
    const std::string errFile = (scratch / "stderr").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    TCliRun run;
    const int rc = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        ADD_FAILURE() << "cannot start " << argv[0];
        return run;
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.Out = ReadBytes(outFile);
    run.Err = ReadBytes(errFile);
    return run;
}

// Runs `marvolet [--data-dir DATA] ARGS...` (see RunProgram).
inline TCliRun RunCli(const std::filesystem::path& scratch, std::vector<std::string> args,
                      const std::filesystem::path& dataDir = {}) {
    if (!dataDir.empty()) args.insert(args.begin(), {"--data-dir", dataDir.string()});
    args.insert(args.begin(), MV_CLI_PATH);
    return RunProgram(scratch, std::move(args));
}

}  // namespace mv::test
