// Finding another running copy of a program file through /proc (the "restart" wait).
#include "engine/core/processes.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "engine/core/errors.h"
#include "test_support.h"

extern char** environ;

namespace mv {
namespace {

// A copy of a small program started from a file of our own; killed with the object.
// (The test program itself is no fit subject: ctest runs several of its processes at once.)
class TRunningCopy {
public:
    explicit TRunningCopy(const std::filesystem::path& program) {
        std::filesystem::copy_file("/bin/sleep", program);
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        const std::string path = program.string();
        char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>("30"), nullptr};
        EXPECT_EQ(posix_spawn(&m_pid, path.c_str(), nullptr, nullptr, argv, environ), 0);
    }
    ~TRunningCopy() { Stop(); }
    TRunningCopy(const TRunningCopy&) = delete;
    TRunningCopy& operator=(const TRunningCopy&) = delete;
    void Stop() {
        if (m_pid <= 0) return;
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
        m_pid = 0;
    }

private:
    pid_t m_pid = 0;
};

TEST(Processes, FindsAnotherCopyOfAProgramFile) {
    test::TTempDir dir;
    const auto program = dir / "Marvolet_Copy";
    EXPECT_FALSE(OtherInstanceRunning(program));
    TRunningCopy copy(program);
    // The path is compared without regard to case.
    std::string upper = program.string();
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(OtherInstanceRunning(program));
    EXPECT_TRUE(OtherInstanceRunning(upper));
    EXPECT_FALSE(OtherInstanceRunning(dir / "Marvolet_Cop"));
    copy.Stop();
    EXPECT_FALSE(OtherInstanceRunning(program));
}

// A self-update renames the new program file over the running one: the earlier copy then
// runs a file that is no longer there, and must still be waited for. So must a copy whose
// file was simply deleted.
TEST(Processes, FindsACopyWhoseProgramFileWasReplacedOrDeleted) {
    test::TTempDir dir;
    const auto replaced = dir / "Marvolet_Copy";
    TRunningCopy first(replaced);
    std::filesystem::copy_file("/bin/sleep", dir / "new");
    std::filesystem::rename(dir / "new", replaced);
    EXPECT_TRUE(OtherInstanceRunning(replaced));

    const auto deleted = dir / "Marvolet_Gone";
    TRunningCopy second(deleted);
    std::filesystem::remove(deleted);
    EXPECT_TRUE(OtherInstanceRunning(deleted));

    first.Stop();
    EXPECT_FALSE(OtherInstanceRunning(replaced));
}

}  // namespace
}  // namespace mv

namespace mv {
namespace {

std::filesystem::path WriteScript(const test::TTempDir& dir, const std::string& name,
                                  const std::string& body) {
    const auto path = dir / name;
    test::WriteBytes(path, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

TEST(RunProcessTest, RunsInTheWorkingFolderWithArgumentsUntouchedByAShell) {
    test::TTempDir dir;
    const auto script =
        WriteScript(dir, "probe", "pwd > out.txt; printf '%s|' \"$@\" >> out.txt; exit 7");
    int polls = 0;
    const int code = RunProcess(dir.Path(), script, {"a b", "$HOME;*"}, 60, true, [&] { ++polls; });
    EXPECT_EQ(code, 7);
    EXPECT_EQ(test::ReadBytes(dir / "out.txt"),
              std::filesystem::canonical(dir.Path()).string() + "\na b|$HOME;*|");
}

TEST(RunProcessTest, TimeLimitKillsTheProcessAndItsChildren) {
    test::TTempDir dir;
    const auto script = WriteScript(dir, "slow", "sleep 30 & echo $! > child.txt; wait");
    try {
        RunProcess(dir.Path(), script, {}, 1, true);
        FAIL() << "no time-out";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()), ProcessTimeoutText("slow"));
    }
    const pid_t child = std::stoi(test::ReadBytes(dir / "child.txt"));
    // Killed: gone, or a zombie until whoever adopted it reaps it.
    const auto alive = [child] {
        const std::string stat = test::ReadBytes("/proc/" + std::to_string(child) + "/stat");
        const auto close = stat.rfind(')');
        return close != std::string::npos && close + 2 < stat.size() && stat[close + 2] != 'Z';
    };
    for (int i = 0; i < 50 && alive(); ++i) ::usleep(20000);
    EXPECT_FALSE(alive());
}

TEST(RunProcessTest, AFailedStartThrowsTheSystemText) {
    test::TTempDir dir;
    test::WriteBytes(dir / "plain.txt", "not a program");
    EXPECT_THROW(RunProcess(dir.Path(), dir / "plain.txt", {}, 0, true), EOSError);
    EXPECT_THROW(RunProcess(dir.Path(), dir / "missing", {}, 0, false), EOSError);
}

TEST(RunProcessTest, WithoutWaitReturnsAtOnce) {
    test::TTempDir dir;
    const auto script = WriteScript(dir, "late", "sleep 0.5; echo done > done.txt");
    EXPECT_EQ(RunProcess(dir.Path(), script, {}, 0, false), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "done.txt"));
    for (int i = 0; i < 250 && !std::filesystem::exists(dir / "done.txt"); ++i) ::usleep(20000);
    EXPECT_TRUE(std::filesystem::exists(dir / "done.txt"));
}

}  // namespace
}  // namespace mv
