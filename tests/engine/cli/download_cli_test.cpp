// marvolet draws download: one attempt against the local operator site, what it reports, and
// that it respects the data-file lock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"
#include "engine/core/data_paths.h"
#include "engine/draws/archive_file.h"
#include "engine/support/data_lock.h"
#include "operator_site.h"
#include "test_support.h"

namespace mv {
namespace {

using TRun = test::TCliRun;

class DownloadCliTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    TDataPaths m_paths{m_dir.Path() / "data"};
    std::filesystem::path m_book = m_dir / "book.xlsx";

    void SetUp() override {
        std::filesystem::create_directories(m_paths.Dir);
        TDrawsArray draws(3);
        for (int i = 0; i < 3; ++i) {
            draws[static_cast<std::size_t>(i)].Number = i + 1;
            draws[static_cast<std::size_t>(i)].Nums = {1, 2, 3, 4, 5};
        }
        WriteArchiveFile(m_paths.Archive(), draws);
        std::vector<test::TWorkbookRow> rows = {test::HeadingRow()};
        for (int n = 5; n >= 1; --n)
            rows.push_back(test::DrawRow(n, "01.02.2024", {n, 10, 20, 30, 36}, 2));
        rows.push_back(test::DrawRow(6, "01.02.2024", {7, 7, 20, 30, 36}, 2));
        test::WriteWorkbook(m_book, rows);
    }

    TRun Cli(const std::vector<std::string>& args) {
        return test::RunCli(m_dir.Path(), args, m_paths.Dir);
    }

    std::vector<std::int32_t> Numbers() const {
        TDrawsArray draws;
        ReadArchiveFile(m_paths.Archive(), draws);
        std::vector<std::int32_t> out;
        for (const auto& d : draws) out.push_back(d.Number);
        return out;
    }
};

TEST_F(DownloadCliTest, AddsTheNewDrawsAndSaysWhatWasSkipped) {
    test::TOperatorSiteOptions options;
    options.Workbook = m_book;
    test::TOperatorSite site(options);
    const TRun run = Cli({"draws", "download", "--url", site.Url("/results.xlsx")});
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_NE(run.Err.find("Добавлено тиражей: 2\n"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("Пропущено строк: 4\n"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("уже в архиве: 3"), std::string::npos) << run.Err;
    EXPECT_NE(run.Err.find("повторяются: 1 (тиражи № 6)"), std::string::npos) << run.Err;
    EXPECT_EQ(Numbers(), (std::vector<std::int32_t>{1, 2, 3, 4, 5}));

    // The stored address is used without --url; a failure is one attempt with its reason.
    test::WriteBytes(m_paths.Config(), "[DOWNLOAD]\r\nDrawsUrl=" + site.Url("/404") + "\r\n");
    const TRun failed = Cli({"draws", "download"});
    EXPECT_EQ(failed.Status, 1);
    EXPECT_NE(failed.Err.find("404"), std::string::npos) << failed.Err;
    EXPECT_EQ(Numbers().size(), 5u);
}

TEST_F(DownloadCliTest, NoAddressAndAHeldLockFailWithoutTouchingTheArchive) {
    const TRun none = Cli({"draws", "download"});
    EXPECT_EQ(none.Status, 1);
    EXPECT_NE(none.Err.find("DrawsUrl"), std::string::npos) << none.Err;
    EXPECT_NE(none.Err.find("--url"), std::string::npos) << none.Err;

    TDataLock other;
    other.Acquire(m_paths.Stakes());
    EXPECT_EQ(Cli({"draws", "download", "--url", "http://127.0.0.1:1/results.xlsx"}).Status, 3);
    EXPECT_EQ(Numbers().size(), 3u);
}

}  // namespace
}  // namespace mv
