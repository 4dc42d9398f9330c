// Rewriting a data file kept as a symbolic link: the file at the end of the links gets the new
// content and every link stays a link.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/errors.h"
#include "engine/support/atomic_file.h"
#include "test_support.h"

namespace mv::test {
namespace {

namespace fs = std::filesystem;

// Names of the directory's entries, so that a temporary file left behind shows.
std::vector<std::string> Entries(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

class LinkedFileRewrite : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(Data);
        fs::create_directory(Store);
    }
    TTempDir Dir;
    fs::path Data = Dir / "data";    // where the program looks for its files
    fs::path Store = Dir / "store";  // where the user keeps them
};

TEST_F(LinkedFileRewrite, WritesThroughAbsoluteRelativeAndChainedLinks) {
    const fs::path file = Store / "Marvolet_5z36.ldr";
    WriteBytes(file, "old");
    ::chmod(file.c_str(), 0600);
    fs::create_symlink(file, Data / "absolute.ldr");
    fs::create_symlink("../store/Marvolet_5z36.ldr", Data / "relative.ldr");
    fs::create_symlink("relative.ldr", Data / "chained.ldr");  // link -> link -> file

    for (const std::string name : {"absolute.ldr", "relative.ldr", "chained.ldr"}) {
        SCOPED_TRACE(name);
        const fs::path link = Data / name;
        WriteFileAtomically(link, "new " + name);
        EXPECT_TRUE(fs::is_symlink(link));
        EXPECT_EQ(ReadBytes(file), "new " + name);
        EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    }
    EXPECT_TRUE(fs::is_symlink(Data / "relative.ldr"));
    EXPECT_EQ(Entries(Store), std::vector<std::string>{"Marvolet_5z36.ldr"});
    EXPECT_EQ(Entries(Data),
              (std::vector<std::string>{"absolute.ldr", "chained.ldr", "relative.ldr"}));
}

// A link whose file does not exist yet gets it created where it points.
TEST_F(LinkedFileRewrite, DanglingLinkCreatesItsFile) {
    fs::create_symlink(Store / "new.ini", Data / "Marvolet_5z36.ini");
    WriteFileAtomically(Data / "Marvolet_5z36.ini", "[A]\r\n");
    EXPECT_TRUE(fs::is_symlink(Data / "Marvolet_5z36.ini"));
    EXPECT_EQ(ReadBytes(Store / "new.ini"), "[A]\r\n");
}

TEST_F(LinkedFileRewrite, LinkLoopFailsAndWritesNothing) {
    fs::create_symlink("b", Data / "a");
    fs::create_symlink("a", Data / "b");
    EXPECT_THROW(WriteFileAtomically(Data / "a", "x"), EOSError);
    EXPECT_EQ(Entries(Data), (std::vector<std::string>{"a", "b"}));
}

}  // namespace
}  // namespace mv::test
