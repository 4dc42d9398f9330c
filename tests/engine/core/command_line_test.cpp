#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/command_line.h"

namespace mv {
namespace {

TEST(CommandLine, SwitchForms) {
    for (const char* arg : {"loadonly", "-loadonly", "--loadonly", "/loadonly", "\\loadonly",
                            "LOADONLY", "/LOADONLY", "--LoadOnly"}) {
        EXPECT_TRUE(MatchesSwitch(arg, "loadonly")) << arg;
    }
    for (const char* arg : {"loadonlyx", "xloadonly", "---loadonly", "//loadonly", "-/loadonly",
                            "\\\\loadonly", "load only", "", "-", "loadonl"}) {
        EXPECT_FALSE(MatchesSwitch(arg, "loadonly")) << arg;
    }
}

TEST(CommandLine, ParseSwitchesIgnoresUnknownArguments) {
    const TSwitches s = ParseSwitches({"/LOADONLY", "--no-language", "fullrefresh", "junk"});
    EXPECT_TRUE(s.LoadOnly);
    EXPECT_TRUE(s.NoLanguage);
    EXPECT_TRUE(s.FullRefresh);
    EXPECT_FALSE(s.FullRecreate);
    EXPECT_FALSE(s.Restart);
    EXPECT_TRUE(s.IsBatch());

    const TSwitches none = ParseSwitches({"loadonlyx", "-restartx", "--data-dir"});
    EXPECT_FALSE(none.LoadOnly || none.Restart || none.NoLanguage || none.IsBatch());
    EXPECT_TRUE(ParseSwitches({"\\Restart"}).Restart);
    EXPECT_TRUE(ParseSwitches({"-FULLRECREATE"}).IsBatch());
}

}  // namespace
}  // namespace mv
