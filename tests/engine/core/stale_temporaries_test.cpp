// Taking the data-file lock clears what interrupted rewrites of the data files left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/session/workspace.h"
#include "test_support.h"

namespace mv {
namespace {

namespace fs = std::filesystem;

TEST(StaleTemporaries, LockRemovesTheDataFilesTemporariesOnly) {
    test::TTempDir dir;
    fs::create_directory(dir / "Prefetchs");
    const char* const stale[] = {
        ".Marvolet_5z36.ldr.Ab12Cd",
        ".Marvolet_5z36.frm.zzzzzz",
        "Prefetchs/.Marvolet_5z36_NUMS.dfc.q1w2e3",
        "Prefetchs/.Marvolet_5z36_CHAN.cfg.a1b2c3",  // a comparison file's configuration record
    };
    const char* const kept[] = {
        "Marvolet_5z36.ldr",
        ".notes.txt.abcdef",                    // a temporary of someone else's file
        ".Marvolet_5z36.lcv.abcdef",            // a combination list the user saved here
        ".Marvolet_5z36.ini.abc",               // not the temporary files' form
        "Prefetchs/.Marvolet_5z36.ldr.abcdef",  // no data file of that folder
    };
    for (const char* name : stale) test::WriteBytes(dir / name, "x");
    for (const char* name : kept) test::WriteBytes(dir / name, "x");
    fs::create_directory(dir / ".Marvolet_5z36.lss.abcdef");
    fs::create_symlink(dir / "Marvolet_5z36.ldr", dir / ".Marvolet_5z36.lrt.abcdef");

    test::TRecordingHooks hooks;
    TWorkspace holder(TDataPaths{dir.Path()}, hooks);
    TWorkspace other(TDataPaths{dir.Path()}, hooks);
    // Without the lock another copy may be writing: nothing is touched.
    EXPECT_EQ(other.RemoveStaleTemporaryFiles(), 0u);
    for (const char* name : stale) EXPECT_TRUE(fs::exists(dir / name)) << name;

    holder.LockDataFiles();
    for (const char* name : stale) EXPECT_FALSE(fs::exists(dir / name)) << name;
    for (const char* name : kept) EXPECT_TRUE(fs::exists(dir / name)) << name;
    EXPECT_TRUE(fs::is_directory(dir / ".Marvolet_5z36.lss.abcdef"));
    EXPECT_TRUE(fs::is_symlink(dir / ".Marvolet_5z36.lrt.abcdef"));

    // A copy refused the lock removes nothing either.
    test::WriteBytes(dir / stale[0], "x");
    EXPECT_THROW(other.LockDataFiles(), EDataLockBusy);
    EXPECT_TRUE(fs::exists(dir / stale[0]));
}

}  // namespace
}  // namespace mv
