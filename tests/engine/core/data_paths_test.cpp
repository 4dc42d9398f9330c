#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/core/data_paths.h"
#include "engine/core/errors.h"

namespace mv {
namespace {

using TArgs = std::vector<std::string>;

TEST(DataPaths, DataDirOptionIsTakenOutOfTheArguments) {
    TArgs args = {"draws", "--data-dir", "/tmp/a b", "list"};
    EXPECT_EQ(TakeDataDirOption(args), std::filesystem::path("/tmp/a b"));
    EXPECT_EQ(args, (TArgs{"draws", "list"}));

    args = {"--data-dir=/srv/data", "draws"};
    EXPECT_EQ(TakeDataDirOption(args), std::filesystem::path("/srv/data"));
    EXPECT_EQ(args, (TArgs{"draws"}));

    args = {"loadonly", "--data-dirx", "-data-dir"};
    EXPECT_EQ(TakeDataDirOption(args), std::nullopt);
    EXPECT_EQ(args, (TArgs{"loadonly", "--data-dirx", "-data-dir"}));
}

TEST(DataPaths, DataDirOptionWithoutValueFails) {
    for (const TArgs& given :
         {TArgs{"--data-dir"}, TArgs{"draws", "--data-dir="}, TArgs{"--data-dir", ""}}) {
        TArgs args = given;
        EXPECT_THROW(TakeDataDirOption(args), EError) << given.back();
    }
}

TEST(DataPaths, ResolvedPathsNameTheFixedFiles) {
    const TDataPaths given = ResolveDataPaths(std::filesystem::path("rel/../data"));
    EXPECT_TRUE(given.Dir.is_absolute());
    EXPECT_EQ(given.Dir, (std::filesystem::current_path() / "data").lexically_normal());
    EXPECT_EQ(given.Archive(), given.Dir / "Marvolet_5z36.ldr");
    EXPECT_EQ(given.Stakes(), given.Dir / "Marvolet_5z36.lsk");

    // Without the option the data live beside the executable.
    EXPECT_EQ(ResolveDataPaths(std::nullopt).Dir, ExecutablePath().parent_path());
    EXPECT_FALSE(ExecutablePath().empty());
}

}  // namespace
}  // namespace mv
