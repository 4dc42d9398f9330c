// marvolet ratings ... and regulars ...: what they print and leave in the data files, and that
// the modifying ones respect the data-file lock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"
#include "engine/core/data_paths.h"
#include "engine/core/text_codec.h"
#include "engine/support/data_lock.h"
#include "test_support.h"

namespace mv {
namespace {

using TRun = test::TCliRun;

class RatingsCliTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    TDataPaths m_paths{m_dir.Path() / "data"};

    void SetUp() override {
        std::filesystem::create_directories(m_paths.Dir);
        for (int i = 1; i <= 4; ++i) {
            const std::string n = std::to_string(i);
            ASSERT_EQ(Cli({"draws", "add", n, n + ";10;20;30;33;1", "01.01.2020"}).Status, 0);
        }
    }

    TRun Cli(const std::vector<std::string>& args) {
        return test::RunCli(m_dir.Path(), args, m_paths.Dir);
    }
};

TEST_F(RatingsCliTest, RegularsTestFeedsTheRatings) {
    ASSERT_EQ(Cli({"regulars", "add", "--comment", "А", "--start", "1;2;3;4;5"}).Status, 0);
    const TRun dup = Cli({"regulars", "add", "--comment", "а", "--last-draw"});
    EXPECT_EQ(dup.Status, 1);
    EXPECT_NE(dup.Err.find("Запись с таким комментарией"), std::string::npos) << dup.Err;
    ASSERT_EQ(Cli({"regulars", "add", "--comment", "Б", "--last-draw", "--step", "-1"}).Status, 0);

    const TRun test = Cli({"regulars", "test", "--passes", "3"});
    ASSERT_EQ(test.Status, 0) << test.Err;
    EXPECT_NE(test.Err.find("Добавлено ставок: 6"), std::string::npos) << test.Err;
    EXPECT_EQ(Cli({"regulars", "list"}).Out,
              "№;Комментарий;Стартовая комбинация;Шаг;Текущая комбинация;Ставок\n"
              "1;А;\"1;2;3;4;5\";1;\"4;5;6;7;8\";3\n"
              "2;Б;;-1;\"2;9;19;29;32\";3\n");

    // Both regulars' stakes were checked into the ratings, sorted by the average, descending.
    const TRun list = Cli({"ratings", "list", "--mode", "0"});
    ASSERT_EQ(list.Status, 0) << list.Err;
    EXPECT_NE(list.Out.find("\n1;А;3;3;1,000;"), std::string::npos) << list.Out;
    EXPECT_NE(list.Out.find("\n2;Б;3;0;0,000;"), std::string::npos) << list.Out;
    const TRun sorted = Cli({"ratings", "list", "--sort", "Угадано"});
    EXPECT_NE(sorted.Out.find("\n1;Б;"), std::string::npos) << sorted.Out;

    // Neither row stands for a scenario line.
    const TRun script = Cli({"ratings", "to-scenario", "1", "2"});
    EXPECT_EQ(script.Status, 1);
    EXPECT_NE(script.Err.find("невозможно добавить в сценарий"), std::string::npos);
    EXPECT_NE(script.Err.find("Добавлено строк: 0"), std::string::npos);

    ASSERT_EQ(Cli({"ratings", "export", (m_dir / "r.csv").string()}).Status, 0);
    const std::string csv = test::ReadBytes(m_dir / "r.csv");
    EXPECT_NE(csv.find("\r\n\"\xC0\";3;3;1,000;"), std::string::npos);
    // On request the identity follows the rows as a comment line.
    ASSERT_EQ(Cli({"ratings", "export", "--identity", (m_dir / "i.csv").string()}).Status, 0);
    const std::string withIdentity = test::ReadBytes(m_dir / "i.csv");
    ASSERT_EQ(withIdentity.substr(0, csv.size()), csv);
    const std::string comment = Cp1251ToUtf8(withIdentity.substr(csv.size()));
    EXPECT_EQ(comment.rfind("# Идентификатор запуска: архив ", 0), 0u) << comment;
    EXPECT_EQ(comment.find("\r\n"), comment.size() - 2) << comment;

    // The rebuild asks first; from the remaining stakes it gives the same rows.
    const std::string before = test::ReadBytes(m_paths.Dir / "Marvolet_5z36.lrt");
    EXPECT_EQ(Cli({"ratings", "rebuild"}).Status, 1);
    ASSERT_EQ(Cli({"--yes", "ratings", "rebuild"}).Status, 0);
    EXPECT_EQ(test::ReadBytes(m_paths.Dir / "Marvolet_5z36.lrt"), before);
}

TEST_F(RatingsCliTest, ScenarioRowsAndTheLock) {
    ASSERT_EQ(Cli({"stakes", "add", "1;10;20;30;33", "--draw", "4", "--comment",
                   "01.002: A @ FULL#RAND + x"})
                  .Status,
              0);
    const TRun script = Cli({"ratings", "to-scenario", "1"});
    ASSERT_EQ(script.Status, 0) << script.Err;
    EXPECT_EQ(test::ReadBytes(m_paths.File(".lss")), "FULL#RAND|x| | | | | | |01.002: A\r\n");

    const std::string ratings = test::ReadBytes(m_paths.Dir / "Marvolet_5z36.lrt");
    TDataLock other;
    other.Acquire(m_paths.Stakes());
    const std::vector<std::vector<std::string>> modifying = {
        {"--yes", "ratings", "rebuild"},
        {"ratings", "to-scenario", "1"},
        {"regulars", "add", "--last-draw"},
        {"regulars", "test", "--passes", "1"},
    };
    for (const auto& args : modifying) EXPECT_EQ(Cli(args).Status, 3) << args[1] << args[2];
    EXPECT_EQ(test::ReadBytes(m_paths.Dir / "Marvolet_5z36.lrt"), ratings);
    EXPECT_FALSE(std::filesystem::exists(m_paths.Dir / "Marvolet_5z36.ltb"));
    EXPECT_EQ(Cli({"ratings", "list"}).Status, 0);
}

}  // namespace
}  // namespace mv
