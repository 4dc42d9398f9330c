#pragma once

#include <atomic>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/core/data_paths.h"
#include "engine/core/errors.h"
#include "engine/session/workspace.h"
#include "engine/support/ui_hooks.h"

namespace mv::cli {

// Exit status of every command.
enum TExitCode : int {
    ExitOk = 0,
    ExitError = 1,   // the operation failed; the message is on stderr
    ExitUsage = 2,   // the command line was wrong; the usage text is on stderr
    ExitLocked = 3,  // another program holds the data-file lock; nothing was changed
};

// A command line the program cannot act on. The dispatcher prints the text and the usage.
class EUsageError : public EError {
public:
    using EError::EError;
};

// Line ends for the terminal: the engine's messages use "\r" (and "\r\n") as line breaks.
std::string TerminalText(std::string_view text);

// The engine's way of talking back, on a terminal: status texts go to stderr only when it is
// a terminal, messages always go to stderr, and questions are answered by the --yes flag
// (Yes with it, No without) and echoed with the answer.
class TStderrHooks final : public IUiHooks {
public:
    TStderrHooks(std::ostream& err, bool assumeYes, bool showStatus);

    void ShowStatus(const std::string& text) override;
    // Reports the stop that SIGINT requested during a scenario run.
    bool Checkpoint() override;
    void ShowWait(const std::string& text) override { ShowStatus(text); }
    void HideWait() override {}
    void ShowProgress(const std::string& text, int) override { ShowStatus(text); }
    void SetProgressText(const std::string& text) override { ShowStatus(text); }
    void StepProgress(int) override {}
    void HideProgress() override {}
    void ShowMessage(TMessageKind kind, const std::string& text) override;
    bool Ask(TAskKind kind, const std::string& caption, const std::string& question) override;

private:
    std::ostream& m_err;
    bool m_assumeYes;
    bool m_showStatus;
};

// Set by the SIGINT handler of a scenario run (only this store happens in the handler);
// checkpoints read it.
std::atomic<bool>& CliStopFlag();

// What a command sees: its own arguments and flags, the workspace over the data directory,
// and the two output streams.
class TCliContext {
public:
    // `statusToErr`: status texts of long operations are shown (on a terminal).
    TCliContext(TDataPaths paths, bool assumeYes, std::ostream& out, std::ostream& err,
                bool statusToErr);

    TWorkspace& Workspace() { return m_workspace; }
    std::ostream& Out() { return m_out; }
    std::ostream& Err() { return m_err; }

    // Every command that changes a data file calls this first. Throws EDataLockBusy (the
    // dispatcher exits with ExitLocked) when another program holds the lock, EError when
    // the stakes file cannot be opened.
    void LockDataFiles();
    // Reads the archive; a failed read is an error for the command (which then changes
    // nothing), never a partial archive to work on.
    void ReadArchive();

private:
    std::ostream& m_out;
    std::ostream& m_err;
    TStderrHooks m_hooks;
    TWorkspace m_workspace;
};

// The arguments after the command name, consumed by the command.
class TArgs {
public:
    explicit TArgs(std::vector<std::string> args) : m_args(std::move(args)) {}

    // Removes "--name" wherever it stands; returns whether it was there.
    bool TakeFlag(std::string_view name);
    // Removes "--name VALUE" or "--name=VALUE" wherever it stands and returns the value (the
    // last one when given more than once); std::nullopt when absent. Throws EUsageError when
    // the option has no value.
    std::optional<std::string> TakeOption(std::string_view name);
    // Checks the count of what is left (after the flags were taken) and that no unknown
    // option remains; throws EUsageError otherwise.
    void ExpectPositional(std::size_t minimum, std::size_t maximum) const;
    std::size_t Count() const { return m_args.size(); }
    const std::string& operator[](std::size_t i) const { return m_args[i]; }

private:
    std::vector<std::string> m_args;
};

// One command of a group: `marvolet <group> <Name> ...`. A command with an empty Name is the
// group's own command, `marvolet <group> ...`: it runs when no named command of the group
// matches the next argument.
struct TCommand {
    std::string_view Name;
    std::string_view Synopsis;  // the arguments, for the usage text
    std::string_view Summary;   // one line
    int (*Run)(TCliContext& context, TArgs& args);
};

// A group of commands, defined in its own cmd_<group>.cpp (see command_table.cpp).
struct TCommandGroup {
    std::string_view Name;
    std::span<const TCommand> Commands;
};

// Every group, in the order the usage text lists them (command_table.cpp).
std::span<const TCommandGroup* const> CommandGroups();

// The usage text of the whole program.
std::string UsageText();

// Runs the program with the arguments after the program name; returns the exit status.
// Never throws.
int RunCli(std::vector<std::string> args, std::ostream& out, std::ostream& err, bool statusToErr);

}  // namespace mv::cli
