#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "engine/support/data_lock.h"
#include "test_support.h"

namespace mv {
namespace {

// flock belongs to the open file description, so two TDataLock objects in one process
// exclude each other exactly like two processes do.
TEST(DataLock, SecondHolderIsRefusedUntilTheFirstIsGone) {
    test::TTempDir dir;
    const auto stakes = dir / "Marvolet_5z36.lsk";
    {
        TDataLock first;
        first.Acquire(stakes);
        EXPECT_TRUE(first.Held());
        EXPECT_TRUE(std::filesystem::exists(stakes));  // created when missing

        TDataLock second;
        try {
            second.Acquire(stakes);
            FAIL() << "the second lock was granted";
        } catch (const EDataLockBusy& e) {
            EXPECT_EQ(std::string(e.what()).rfind("Ошибка чтения файла ставок!\r\r", 0), 0u);
        }
        EXPECT_FALSE(second.Held());
    }
    TDataLock third;
    EXPECT_NO_THROW(third.Acquire(stakes));
    third.Release();
    EXPECT_FALSE(third.Held());
    TDataLock fourth;
    EXPECT_NO_THROW(fourth.Acquire(stakes));
}

TEST(DataLock, FileThatCannotBeOpenedIsNotReportedAsBusy) {
    test::TTempDir dir;
    TDataLock lock;
    try {
        lock.Acquire(dir / "no-such-dir" / "Marvolet_5z36.lsk");
        FAIL() << "locked a file in a missing directory";
    } catch (const EDataLockBusy&) {
        FAIL() << "reported as busy";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ошибка чтения файла ставок!\r\r", 0), 0u);
    }
    EXPECT_FALSE(lock.Held());
}

// Whether an unprivileged process gets the lock on `stakes`: this process itself, or, when
// running as root (which writes anywhere whatever the permission bits say), a child that
// has given up root for the "nobody" ids. Empty when the ids cannot be dropped.
std::optional<bool> GrantedWithoutPrivileges(const std::filesystem::path& stakes) {
    const auto attempt = [&] {
        TDataLock lock;
        try {
            lock.Acquire(stakes);
            return true;
        } catch (const EError&) {
            return false;
        }
    };
    if (::geteuid() != 0) return attempt();
    const pid_t pid = ::fork();
    if (pid == 0) {
        constexpr gid_t kNobody = 65534;
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
        ::_exit(attempt() ? 0 : 1);
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return std::nullopt;
    if (WEXITSTATUS(status) == 2) return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

// Every data file is rewritten through a temporary file in the data folder: a folder that
// cannot be written in fails the lock even when a writable stakes file is already there.
TEST(DataLock, FolderWithoutWritePermissionFailsTheLock) {
    using std::filesystem::perms;
    test::TTempDir dir;
    const auto stakes = dir / "Marvolet_5z36.lsk";
    test::WriteBytes(stakes, "");
    std::filesystem::permissions(stakes, perms::owner_read | perms::owner_write |
                                             perms::group_read | perms::group_write |
                                             perms::others_read | perms::others_write);
    const struct {
        perms Folder;
        bool Granted;
    } cases[] = {{perms::all, true},
                 {perms::owner_read | perms::owner_exec | perms::group_read | perms::group_exec |
                      perms::others_read | perms::others_exec,
                  false}};
    for (const auto& c : cases) {
        std::filesystem::permissions(dir.Path(), c.Folder);
        const auto granted = GrantedWithoutPrivileges(stakes);
        if (!granted) {
            GTEST_SKIP() << "running as root, and the ids of \"nobody\" cannot be taken to "
                            "check permissions as an ordinary user";
        }
        if (c.Granted && !*granted && ::geteuid() == 0) {
            GTEST_SKIP() << "running as root, and \"nobody\" cannot reach the temporary folder";
        }
        EXPECT_EQ(*granted, c.Granted) << "folder permissions " << static_cast<int>(c.Folder);
    }
}

}  // namespace
}  // namespace mv
