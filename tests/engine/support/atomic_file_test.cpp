// Whole-file rewrites through a temporary file, and clearing what interrupted ones left.
#include "engine/support/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace mv {
namespace {

TEST(AtomicFile, TemporaryNamesAreRecognisedByTheirForm) {
    const struct {
        const char* Name;
        std::optional<std::string> Target;
    } cases[] = {
        {".Marvolet_5z36.ldr.aB3xY9", "Marvolet_5z36.ldr"},
        {".a.b.c.000000", "a.b.c"},
        {"Marvolet_5z36.ldr", std::nullopt},          // the data file itself
        {".Marvolet_5z36.ldr", std::nullopt},         // a hidden file, no suffix
        {".Marvolet_5z36.ldr.ab12", std::nullopt},    // suffix too short
        {".Marvolet_5z36.ldr.ab-12c", std::nullopt},  // not mkstemp's characters
        {".Marvolet_5z36.ldr-abc123", std::nullopt},
        {"..abcdef", std::nullopt},  // no target
    };
    for (const auto& c : cases) EXPECT_EQ(AtomicWriteTarget(c.Name), c.Target) << c.Name;
}

// A rewrite killed half-way (here by the file-size limit, as a full disk or a kill would stop
// it) leaves the old file intact and its temporary file behind; clearing the folder removes
// that file and nothing else.
TEST(AtomicFile, StaleTemporaryOfAnInterruptedRewriteIsRemoved) {
    test::TTempDir dir;
    const auto target = dir / "Marvolet_5z36.ldr";
    test::WriteBytes(target, "old");
    test::WriteBytes(dir / ".notes.txt.abcdef", "a user's file");
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        const rlimit noCore{0, 0};
        const rlimit small{1024, 1024};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        WriteFileAtomically(target, std::string(65536, 'x'));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "status " << status;
    EXPECT_EQ(test::ReadBytes(target), "old");
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        if (AtomicWriteTarget(entry.path().filename().string()) == "Marvolet_5z36.ldr") {
            left.push_back(entry.path().filename().string());
        }
    }
    ASSERT_EQ(left.size(), 1u);

    const auto ours = [](std::string_view name) { return name == "Marvolet_5z36.ldr"; };
    EXPECT_EQ(RemoveStaleTemporaryFiles(dir.Path(), ours), 1u);
    EXPECT_FALSE(std::filesystem::exists(dir / left[0]));
    EXPECT_EQ(test::ReadBytes(target), "old");
    EXPECT_TRUE(std::filesystem::exists(dir / ".notes.txt.abcdef"));
    EXPECT_EQ(RemoveStaleTemporaryFiles(dir / "missing", ours), 0u);
}

}  // namespace
}  // namespace mv
