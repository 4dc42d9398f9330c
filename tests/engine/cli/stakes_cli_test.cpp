// marvolet stakes ... and systems ...: what they print, what they leave in the stakes file,
// and that the modifying ones respect the data-file lock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"
#include "engine/core/data_paths.h"
#include "engine/support/data_lock.h"
#include "test_support.h"

namespace mv {
namespace {

using TRun = test::TCliRun;

class StakesCliTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    TDataPaths m_paths{m_dir.Path() / "data"};

    void SetUp() override {
        std::filesystem::create_directories(m_paths.Dir / "Systems");
        // Cost 1.50; 3 matches win 15.00.
        test::WriteBytes(m_paths.Config(),
                         "[STAKES]\r\nCost=1.5\r\nProfits=1\r\nProfit_0_Overlap=3\r\n"
                         "Profit_0_Profit=15\r\n");
        ASSERT_EQ(Cli({"draws", "add", "1", "1;2;3;4;5;6", "01.01.2020"}).Status, 0);
    }

    TRun Cli(const std::vector<std::string>& args) {
        return test::RunCli(m_dir.Path(), args, m_paths.Dir);
    }
    std::string Stakes() const { return test::ReadBytes(m_paths.Stakes()); }
};

constexpr const char* kHeader =
    "№ тиража;Вид ставки;Моя ставка;Выборка;Результаты тиража;Совпадений;Совпадения;Профит;"
    "Комментарий\n";

TEST_F(StakesCliTest, AddCheckListDelete) {
    TRun add =
        Cli({"stakes", "add", "11;3;2;1;10", "--draw", "1", "--draws", "2", "--comment", "проба"});
    ASSERT_EQ(add.Status, 0) << add.Err;
    EXPECT_NE(add.Err.find("Добавлено записей: 3"), std::string::npos) << add.Err;
    EXPECT_NE(add.Err.find("Проверено ставок: 1"), std::string::npos) << add.Err;

    const TRun list = Cli({"stakes", "list"});
    EXPECT_EQ(list.Status, 0);
    EXPECT_EQ(list.Out, std::string(kHeader) +
                            "1;Вручную;\"1;2;3;10;11\";0;\"1;2;3;4;5\";3;1 2 3;13,50;проба\n"
                            ";;;;;;;;\n"
                            "2;Вручную;\"1;2;3;10;11\";0;;;;-1,50;проба\n");
    EXPECT_EQ(Cli({"stakes", "list", "--from", "3"}).Out,
              std::string(kHeader) + "2;Вручную;\"1;2;3;10;11\";0;;;;-1,50;проба\n");

    ASSERT_EQ(Cli({"draws", "add", "2", "10;11;12;13;14;15", "02.01.2020"}).Status, 0);
    const TRun check = Cli({"stakes", "check"});
    EXPECT_EQ(check.Status, 0);
    EXPECT_EQ(check.Out, "Проверено ставок: 1\nСуммарный профит (2 проверенных ставок): 12,00\n");

    // Without --yes nothing goes; markers always stay.
    const std::string before = Stakes();
    EXPECT_EQ(Cli({"stakes", "delete", "--matches", "<", "3"}).Status, 1);
    EXPECT_EQ(Stakes(), before);
    const TRun del = Cli({"--yes", "stakes", "delete", "--matches", "<", "3"});
    EXPECT_EQ(del.Status, 0) << del.Err;
    EXPECT_NE(del.Err.find("Удалено ставок: 1"), std::string::npos);
    EXPECT_EQ(Cli({"stakes", "list"}).Out,
              std::string(kHeader) +
                  "1;Вручную;\"1;2;3;10;11\";0;\"1;2;3;4;5\";3;1 2 3;13,50;проба\n;;;;;;;;\n");
}

TEST_F(StakesCliTest, WrongArgumentsChangeNothing) {
    struct TCase {
        std::vector<std::string> Args;
        int Status;
    };
    const TCase cases[] = {
        {{"stakes", "add", "1;2;3;4"}, 1},
        {{"stakes", "add", "1;2;3;4;37"}, 1},
        {{"stakes", "add", "1;2;3;4;4"}, 1},
        {{"stakes", "add", "1;2;3;4;5", "--draws", "0"}, 2},
        {{"stakes", "add", "1;2;3;4;5", "--comment", " "}, 1},
        {{"stakes", "delete", "--matches", "!=", "1", "--yes"}, 2},
        {{"stakes", "delete", "--matches", "=", "6", "--yes"}, 2},
        {{"systems", "stake", "5-06-1_0001.dat", "--numbers", "1;2;3;4;5"}, 2},
        {{"systems", "stake", "5-06-1_0001.dat", "--numbers", "1;2;3;4;5;6", "--mode", "x"}, 2},
        {{"systems", "stake", "missing.dat", "--numbers", "1;2;3;4;5;6"}, 1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Args[2] + " " + c.Args.back());
        EXPECT_EQ(Cli(c.Args).Status, c.Status);
        EXPECT_EQ(Stakes(), "");
    }
}

TEST_F(StakesCliTest, SystemsListAndStake) {
    test::WriteBytes(m_paths.Dir / "Systems" / "5-06-5_9001.dat",
                     "01 02 03 04 05\r\n01 02 03 04 06\r\n");
    test::WriteBytes(m_paths.Dir / "Systems" / "5-07-1_0002.dat", "1 2 3 4 8\r\n");
    EXPECT_EQ(Cli({"systems", "list"}).Out,
              "Файл;Чисел;Комбинаций\n5-06-5_9001.dat;6;2\n5-07-1_0002.dat;7;1\n");

    const TRun stake =
        Cli({"systems", "stake", "5-06-5_9001.dat", "--numbers", "1;2;3;20;21;4", "--draw", "1"});
    ASSERT_EQ(stake.Status, 0) << stake.Err;
    EXPECT_NE(stake.Err.find("Ставок системы: 2"), std::string::npos);
    EXPECT_EQ(Cli({"stakes", "list"}).Out,
              std::string(kHeader) +
                  "1;Система;\"1;2;3;20;21\";2;\"1;2;3;4;5\";3;1 2 3;13,50;"
                  "Системная игра для 6 чисел [вся система]: 5-06-5_9001\n"
                  "1;Система;\"1;2;3;4;20\";2;\"1;2;3;4;5\";4;1 2 3 4;-1,50;"
                  "Системная игра для 6 чисел [вся система]: 5-06-5_9001\n");

    // A position past the numbers is a load error naming the line.
    const TRun bad = Cli({"systems", "stake", "5-07-1_0002.dat", "--numbers", "1;2;3;4;5;6;7"});
    EXPECT_EQ(bad.Status, 1);
    EXPECT_NE(bad.Err.find("Ошибка загрузки комбинаций системы!"), std::string::npos) << bad.Err;
    EXPECT_NE(bad.Err.find("строка 1: позиция 8 вне диапазона 1..7."), std::string::npos);
}

TEST_F(StakesCliTest, ModifyingCommandsRespectTheLock) {
    ASSERT_EQ(Cli({"stakes", "add", "1;2;3;4;5"}).Status, 0);
    test::WriteBytes(m_paths.Dir / "Systems" / "5-06-5_9001.dat", "01 02 03 04 05\r\n");
    const std::string before = Stakes();
    TDataLock other;
    other.Acquire(m_paths.Stakes());
    const std::vector<std::vector<std::string>> modifying = {
        {"stakes", "add", "1;2;3;4;5"},
        {"stakes", "check"},
        {"--yes", "stakes", "delete", "--matches", "=", "0"},
        {"systems", "stake", "5-06-5_9001.dat", "--numbers", "1;2;3;4;5;6"},
    };
    for (const auto& args : modifying) {
        EXPECT_EQ(Cli(args).Status, 3) << args[1];
    }
    EXPECT_EQ(Stakes(), before);
    const TRun list = Cli({"stakes", "list"});
    EXPECT_EQ(list.Status, 0);
    EXPECT_NE(list.Out.find("1;2;3;4;5"), std::string::npos);
}

}  // namespace
}  // namespace mv
