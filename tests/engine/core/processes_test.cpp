// Finding another running copy of a program file through /proc (the "restart" wait).
#include "core/processes.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include "test_support.h"

extern char** environ;

namespace mv {
namespace {

// (The test program itself is no fit subject: ctest runs several of its processes at once.)
TEST(Processes, FindsAnotherCopyOfAProgramFile) {
    // A copy of a small program started from a file of our own.
    test::TTempDir dir;
    const auto program = dir / "Marvolet_Copy";
    std::filesystem::copy_file("/bin/sleep", program);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    EXPECT_FALSE(OtherInstanceRunning(program));
    const std::string path = program.string();
    char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>("30"), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ), 0);
    // The path is compared without regard to case.
    std::string upper = path;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(OtherInstanceRunning(program));
    EXPECT_TRUE(OtherInstanceRunning(upper));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    EXPECT_FALSE(OtherInstanceRunning(program));
}

}  // namespace
}  // namespace mv
