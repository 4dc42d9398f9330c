// The execution logs: one file per run, and deleting them.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/core/text_codec.h"
#include "engine/run/script_logs.h"
#include "engine/run/script_runner.h"
#include "test_support.h"

namespace mv {
namespace {

class ScriptLogsTest : public ::testing::Test {
protected:
    test::TTempDir Dir;
    test::TRecordingHooks Hooks;
    TWorkspace Ws{TDataPaths{Dir.Path()}, Hooks};

    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(Dir.Path()))
            names.insert(e.path().filename().string());
        return names;
    }
};

TEST_F(ScriptLogsTest, ClaimTakesTheFirstFreeName) {
    const std::string stamp = "2024-02-01-10-20-30";
    EXPECT_EQ(ClaimScriptLogFile(Dir.Path(), stamp), Dir / "ScriptLog_2024-02-01-10-20-30.txt");
    test::WriteBytes(Dir / "ScriptLog_2024-02-01-10-20-30_2.txt", "earlier");
    EXPECT_EQ(ClaimScriptLogFile(Dir.Path(), stamp), Dir / "ScriptLog_2024-02-01-10-20-30_3.txt");
    EXPECT_EQ(ClaimScriptLogFile(Dir.Path(), stamp), Dir / "ScriptLog_2024-02-01-10-20-30_4.txt");
    // Claimed files exist (empty); an earlier file is never touched.
    EXPECT_EQ(test::ReadBytes(Dir / "ScriptLog_2024-02-01-10-20-30_2.txt"), "earlier");
    EXPECT_EQ(test::ReadBytes(Dir / "ScriptLog_2024-02-01-10-20-30_4.txt"), "");
    // A folder that cannot take the file: the plain name, for the write to report.
    EXPECT_EQ(ClaimScriptLogFile(Dir / "missing", stamp),
              Dir / "missing" / "ScriptLog_2024-02-01-10-20-30.txt");
}

// Two runs started in the same second each write a log of their own.
TEST_F(ScriptLogsTest, RunsInTheSameSecondKeepSeparateLogs) {
    Ws.LockDataFiles();
    Ws.Stats().BuildMethods();
    Ws.EditScript([](TCurrentScript& s) { s.ReplaceAll({"CURR:0#NONE"}); });
    TScriptRunSettings settings;
    settings.LogEnabled = true;
    settings.LogFolder = Dir.Path();
    std::vector<std::filesystem::path> shown;
    for (int run = 0; run < 3; ++run) {
        TScriptRunner runner(Ws, settings);
        runner.OnLogFinished = [&](const std::filesystem::path& p) { shown.push_back(p); };
        runner.Forecast();
    }
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(std::set<std::filesystem::path>(shown.begin(), shown.end()).size(), 3u);
    for (const auto& file : shown) {
        SCOPED_TRACE(file.string());
        EXPECT_EQ(file.filename().string().rfind("ScriptLog_", 0), 0u);
        const std::string text = Cp1251ToUtf8(test::ReadBytes(file));
        std::size_t starts = 0;
        for (std::size_t p = text.find("### ЗАПУСК"); p != std::string::npos;
             p = text.find("### ЗАПУСК", p + 1))
            ++starts;
        EXPECT_EQ(starts, 1u);
    }
}

TEST_F(ScriptLogsTest, LogsDeleteRemovesOnlyTheLogs) {
    EXPECT_FALSE(LogsDelete(Ws).has_value());
    EXPECT_TRUE(Hooks.Statuses.empty());

    test::WriteBytes(Dir / "ScriptLog_2024-02-01-10-20-30.txt", "a");
    test::WriteBytes(Dir / "ScriptLog_2024-02-01-10-20-30_2.txt", "b");
    test::WriteBytes(Dir / "ScriptLog.txt", "not a log");
    test::WriteBytes(Dir / "Marvolet_5z36-2024.log", "stakes log");
    const auto operation = LogsDelete(Ws);
    ASSERT_TRUE(operation.has_value());
    EXPECT_LE(operation->Status, ssDone);
    EXPECT_EQ(operation->Processed, 2);
    EXPECT_EQ(Files(), (std::set<std::string>{"ScriptLog.txt", "Marvolet_5z36-2024.log"}));
    EXPECT_EQ(Hooks.Statuses, (std::vector<std::string>{"Поиск файлов журналов...", ""}));
}

}  // namespace
}  // namespace mv
