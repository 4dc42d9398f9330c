// marvolet card, layout, week, repeats and sums: the views' tables on stdout.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"
#include "engine/core/data_paths.h"
#include "engine/draws/archive_file.h"
#include "test_support.h"

namespace mv {
namespace {

using TRun = test::TCliRun;

TDrawRec Draw(std::int32_t number, std::array<std::uint8_t, 5> nums, std::uint8_t extra,
              const std::string& date) {
    TDrawRec d;
    d.Number = number;
    d.Nums = nums;
    d.Extra = extra;
    d.SetDate(date);
    return d;
}

class ViewsCliTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    TDataPaths m_paths{m_dir.Path() / "data"};

    void SetUp() override {
        std::filesystem::create_directories(m_paths.Dir);
        // 03.01.2024 is a Wednesday, 07.01.2024 a Sunday.
        WriteArchiveFile(m_paths.Archive(), {Draw(100, {1, 6, 7, 8, 9}, 2, "03.01.2024"),
                                             Draw(101, {1, 2, 3, 4, 5}, 3, "xx.01.2024"),
                                             Draw(102, {5, 6, 20, 33, 34}, 7, "07.01.2024")});
    }

    TRun Cli(const std::vector<std::string>& args) {
        return test::RunCli(m_dir.Path(), args, m_paths.Dir);
    }

    static std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines.push_back(text.substr(start, end - start));
        }
        return lines;
    }
};

TEST_F(ViewsCliTest, CardNewestFirst) {
    const TRun run = Cli({"card", "--rows", "2"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0].substr(0, 6), ";1;2;3");
    EXPECT_EQ(lines[0].substr(lines[0].size() - 8), ";35;36;E");
    EXPECT_EQ(lines[1], "102;;;;;5;6;;;;;;;;;;;;;;20;;;;;;;;;;;;;33;34;;;7");
    EXPECT_EQ(lines[2].substr(0, 14), "101;1;2;3;4;5;");
    EXPECT_EQ(Cli({"card", "--rows", "0"}).Status, 2);
}

TEST_F(ViewsCliTest, LayoutAndComparison) {
    const TRun run = Cli({"layout", "--window", "2", "--offset", "1"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out,
              ";101;100\n"
              "2;1;\n"
              "1;2, 3, 4, [5];[6], 7, 8, 9\n");
    const TRun compare = Cli({"layout", "--compare", "--windows", "1,2,3,3,3"});
    ASSERT_EQ(compare.Status, 0) << compare.Err;
    const auto lines = Lines(compare.Out);
    ASSERT_GE(lines.size(), 3U);
    EXPECT_EQ(lines[0], "Тиражи;Кол-во;Числа");
    EXPECT_EQ(lines[1], "102 - 102;1;5, 6, 20, 33, 34");
    EXPECT_EQ(lines[2], "101 - 102;2;5");
    EXPECT_EQ(Cli({"layout", "--compare", "--windows", "1,2"}).Status, 2);
}

TEST_F(ViewsCliTest, WeekReportsUnreadableDatesOnce) {
    const TRun run = Cli({"week"});
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 8U);
    EXPECT_EQ(lines[3], "Ср;1;;;;;1;1;1;1;;;;;;;;;;;;;;;;;;;;;;;;;;;");
    EXPECT_EQ(lines[7], "Вс;;;;;1;1;;;;;;;;;;;;;;1;;;;;;;;;;;;;1;1;;");
    EXPECT_EQ(run.Err, "Тиражей с неизвестной датой: 1 (первый - тираж № 101); они не учтены\n");
    EXPECT_EQ(Cli({"week", "--window", "1"}).Err, "");
}

TEST_F(ViewsCliTest, RepeatsAndSums) {
    const TRun repeats = Cli({"repeats", "--draws", "2", "--depth", "2"});
    ASSERT_EQ(repeats.Status, 0) << repeats.Err;
    EXPECT_EQ(repeats.Out,
              "Тираж;Совпадений;Кол-во повторов;Список тиражей\n"
              "102;1;2;101 100\n"
              "101;1;1;100\n");

    const TRun sums = Cli({"sums"});
    ASSERT_EQ(sums.Status, 0) << sums.Err;
    const auto lines = Lines(sums.Out);
    ASSERT_EQ(lines.size(), 157U);
    EXPECT_EQ(lines[0], "Сумма;Комбинаций;Тиражей");
    EXPECT_EQ(lines[1], "15;1;1");
    EXPECT_EQ(lines[2], "16;1;0");
    EXPECT_NE(sums.Err.find("Диапазон 3 (от 2/3 и выше по оси Y) - суммы "), std::string::npos);
    EXPECT_EQ(Lines(Cli({"sums", "--window", "1"}).Out)[1], "15;1;0");
}

}  // namespace
}  // namespace mv
