// marvolet draws check: one line per finding, a summary, and an exit status that tells errors
// from notices.
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

class DrawsCheckCliTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    TDataPaths m_paths{m_dir.Path() / "data"};

    void SetUp() override { std::filesystem::create_directories(m_paths.Dir); }

    TRun Cli(const std::vector<std::string>& args) {
        return test::RunCli(m_dir.Path(), args, m_paths.Dir);
    }

    void WriteDraws(const std::vector<std::int32_t>& numbers, std::uint8_t extra = 7) {
        TDrawsArray draws;
        for (const std::int32_t n : numbers) {
            TDrawRec d;
            d.Number = n;
            d.Nums = {1, 2, 3, 4, 5};
            d.Extra = extra;
            draws.push_back(d);
        }
        WriteArchiveFile(m_paths.Archive(), draws);
    }
};

TEST_F(DrawsCheckCliTest, NoticesAloneAreNoFailure) {
    WriteDraws({1, 2, 3});
    TRun run = Cli({"draws", "check"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "Проверено тиражей: 3. Ошибок: 0, уведомлений: 0.\n");

    WriteDraws({1, 4});
    run = Cli({"draws", "check"});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out,
              "4; пропуск в нумерации; пропущены номера 2-3\n"
              "Проверено тиражей: 2. Ошибок: 0, уведомлений: 1.\n");
}

TEST_F(DrawsCheckCliTest, ErrorsFailTheCheck) {
    WriteDraws({1, 1}, 40);
    const TRun run = Cli({"draws", "check"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Out,
              "1; некорректное дополнительное число; дополнительное число 40\n"
              "1; повтор номера тиража; тот же номер у записи 1\n"
              "1; некорректное дополнительное число; дополнительное число 40\n"
              "Проверено тиражей: 2. Ошибок: 3, уведомлений: 0.\n");
    EXPECT_EQ(Cli({"draws", "check", "extra"}).Status, 2);
}

}  // namespace
}  // namespace mv
