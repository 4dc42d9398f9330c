#include "engine/core/processes.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

extern char** environ;

namespace mv {
namespace {

// The kernel shows the program file of a process whose file was unlinked (deleted, or
// replaced by a rename over it) as its old path followed by this text.
constexpr std::string_view kDeletedSuffix = " (deleted)";

bool SameProgramFile(const std::string& linkLower, const std::string& wantedLower) {
    if (linkLower == wantedLower) return true;
    return linkLower.size() == wantedLower.size() + kDeletedSuffix.size() &&
           linkLower.compare(0, wantedLower.size(), wantedLower) == 0 &&
           linkLower.ends_with(kDeletedSuffix);
}

}  // namespace

bool OtherInstanceRunning(const std::filesystem::path& executable) {
    const std::string self = std::to_string(::getpid());
    const std::string wanted = ToLowerAscii(executable.string());
    std::error_code ec;
    for (std::filesystem::directory_iterator it("/proc", ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string pid = it->path().filename().string();
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos ||
            pid == self) {
            continue;
        }
        std::error_code linkError;
        const auto exe = std::filesystem::read_symlink(it->path() / "exe", linkError);
        if (!linkError && SameProgramFile(ToLowerAscii(exe.string()), wanted)) return true;
    }
    return false;
}

std::string ProcessTimeoutText(const std::string& fileName) {
    return Fmt(Msg(TMsg::ProcessTimeout), {fileName});
}

namespace {

constexpr int kPollMs = 100;

// Owns the spawn attribute and file action objects for the length of one start.
class TSpawnSetup {
public:
    TSpawnSetup() {
        posix_spawnattr_init(&Attr);
        posix_spawn_file_actions_init(&Actions);
    }
    ~TSpawnSetup() {
        posix_spawn_file_actions_destroy(&Actions);
        posix_spawnattr_destroy(&Attr);
    }
    TSpawnSetup(const TSpawnSetup&) = delete;
    TSpawnSetup& operator=(const TSpawnSetup&) = delete;

    posix_spawnattr_t Attr;
    posix_spawn_file_actions_t Actions;
};

int ExitCode(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

}  // namespace

int RunProcess(const std::filesystem::path& workDir, const std::filesystem::path& program,
               const std::vector<std::string>& arguments, int timeLimitSeconds, bool wait,
               const std::function<void()>& poll) {
    std::vector<std::string> args;
    args.reserve(arguments.size() + 1);
    args.push_back(program.string());
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    TSpawnSetup setup;
    // The child starts with default signal handling and an empty signal mask, whatever this
    // process has set up for itself.
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&setup.Attr, &none);
    posix_spawnattr_setsigdefault(&setup.Attr, &all);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
    // A waited-for process gets a group of its own so that a time-out ends its children too;
    // one that is not waited for gets a session of its own so that it survives this process.
    flags |= wait ? POSIX_SPAWN_SETPGROUP : POSIX_SPAWN_SETSID;
    posix_spawnattr_setpgroup(&setup.Attr, 0);
    posix_spawnattr_setflags(&setup.Attr, flags);
    posix_spawn_file_actions_addopen(&setup.Actions, 0, "/dev/null", O_RDONLY, 0);
    const std::string dir = workDir.string();
    if (!dir.empty()) posix_spawn_file_actions_addchdir_np(&setup.Actions, dir.c_str());

    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0], &setup.Actions, &setup.Attr, argv.data(), environ);
    if (rc != 0) RaiseSystemError(rc);
    if (!wait) return 0;

    const auto started = std::chrono::steady_clock::now();
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) return ExitCode(status);
        if (done < 0 && errno != EINTR) RaiseLastSystemError();
        if (timeLimitSeconds > 0 &&
            std::chrono::steady_clock::now() - started > std::chrono::seconds(timeLimitSeconds)) {
            ::kill(-pid, SIGKILL);
            ::kill(pid, SIGKILL);
            while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            throw EError(ProcessTimeoutText(program.filename().string()));
        }
        if (poll) poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
}

}  // namespace mv
