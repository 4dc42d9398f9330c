// Finding another running copy of a program file through /proc (the "restart" wait).
#include "engine/core/processes.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

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
