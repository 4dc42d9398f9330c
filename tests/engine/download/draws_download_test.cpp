#include "engine/download/draws_download.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine/core/errors.h"
#include "engine/session/workspace.h"
#include "engine/support/config_file.h"
#include "operator_site.h"
#include "test_support.h"

namespace mv {
namespace {

using test::DrawRow;
using test::TWorkbookRow;

// A valid draw for every number: five distinct numbers from 1..36.
TDrawRec MakeDraw(std::int32_t number) {
    TDrawRec d;
    d.Number = number;
    for (int i = 0; i < NumbersInDraw; ++i)
        d.Nums[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((number + 7 * i) % 36 + 1);
    d.Extra = 1;
    d.SetDate("01.01.2020");
    return d;
}

TWorkbookRow SheetRow(int number) {
    const TDrawRec d = MakeDraw(number);
    std::vector<int> nums(d.Nums.begin(), d.Nums.end());
    return DrawRow(number, "02.02.2024 21:00", nums, 3);
}

// Rows first..last after the heading, ascending or descending.
std::vector<TWorkbookRow> Sheet(int first, int last, bool descending = false) {
    std::vector<TWorkbookRow> rows = {test::HeadingRow()};
    for (int n = first; n <= last; ++n) rows.push_back(SheetRow(n));
    if (descending) std::reverse(rows.begin() + 1, rows.end());
    return rows;
}

class DownloadTest : public ::testing::Test {
protected:
    void SetUp() override {
        TDrawsArray draws;
        for (int n = 1; n <= 1000; ++n) draws.push_back(MakeDraw(n));
        ws.ResetDraws(draws);
        ws.WriteArchive();
        test::WriteBytes(dataDir / DrawsWorkbookFileName, "old workbook");
        hooks.Statuses.clear();
    }
    // Starts the site over the sheet.
    void Serve(const std::vector<TWorkbookRow>& rows, test::TOperatorSiteOptions options = {}) {
        test::WriteWorkbook(book, rows);
        options.Workbook = book;
        if (options.DelaySeconds == 5) options.DelaySeconds = 3;
        site = std::make_unique<test::TOperatorSite>(options);
    }
    test::TOperatorSiteOptions Options() const {
        test::TOperatorSiteOptions options;
        options.Workbook = book;
        return options;
    }
    TDownloadParams Params(const std::string& path, bool askRetry = true) const {
        TDownloadParams p;
        p.Url = site ? site->Url(path) : path;
        p.Http.ConnectTimeoutSeconds = 3;
        p.Http.StallTimeoutSeconds = 1;
        p.AskRetry = askRetry;
        return p;
    }
    std::vector<std::int32_t> LastNumbers(int count) const {
        std::vector<std::int32_t> out;
        const auto& a = ws.DrawArchive();
        for (auto it = a.end() - count; it != a.end(); ++it) out.push_back(it->Number);
        return out;
    }
    int Saves() const {
        return static_cast<int>(std::count(hooks.Statuses.begin(), hooks.Statuses.end(),
                                           "Сохранение файла тиражей..."));
    }

    test::TTempDir dataDir;
    test::TTempDir siteDir;
    std::filesystem::path book = siteDir / "book.xlsx";
    test::TRecordingHooks hooks;
    TWorkspace ws{TDataPaths{dataDir.Path()}, hooks};
    std::unique_ptr<test::TOperatorSite> site;
};

TEST_F(DownloadTest, NewDrawsAreAppendedAscendingWhateverTheSheetOrder) {
    for (bool descending : {false, true}) {
        SetUp();
        Serve(Sheet(1, 1003, descending));
        const TDownloadResult r = DownloadDraws(ws, Params("/results.xlsx"));
        EXPECT_FALSE(r.Failed) << r.Error;
        EXPECT_EQ(r.Added, 3);
        EXPECT_EQ(r.Existing, 1000);
        EXPECT_EQ(LastNumbers(4), (std::vector<std::int32_t>{1000, 1001, 1002, 1003}));
        EXPECT_EQ(ws.DrawArchive().back().Date(), "02.02.2024");
        EXPECT_EQ(Saves(), 1);  // the file is rewritten once
        ws.ReadArchive();
        EXPECT_EQ(ws.DrawCount(), 1003);
        EXPECT_NE(test::ReadBytes(dataDir / DrawsWorkbookFileName), "old workbook");
        EXPECT_TRUE(hooks.Questions.empty());
        EXPECT_EQ(hooks.Statuses.back(), "");
    }
}

TEST_F(DownloadTest, EmptyArchiveTakesEveryValidRowAndCountsTheRest) {
    ws.ResetDraws({});
    std::vector<TWorkbookRow> rows = {test::HeadingRow(), SheetRow(7), SheetRow(5)};
    rows.push_back(DrawRow(8, "01.01.2024", {1, 2, 3, 4, 37}, 1));  // outside 1..36
    rows.push_back(DrawRow(9, "01.01.2024", {1, 2, 3, 4, 1}, 1));   // repeated number
    rows.push_back({std::string("Итого"), std::string("x")});       // no draw number
    rows.push_back(SheetRow(5));                                    // the same draw again
    rows.push_back(SheetRow(6));
    Serve(rows);
    const TDownloadResult r = DownloadDraws(ws, Params("/results.xlsx"));
    EXPECT_FALSE(r.Failed) << r.Error;
    EXPECT_EQ(r.Added, 3);
    EXPECT_EQ(LastNumbers(3), (std::vector<std::int32_t>{5, 6, 7}));
    EXPECT_EQ(r.Invalid, 2);
    EXPECT_EQ(r.InvalidNumbers, (std::vector<std::int32_t>{8, 9}));
    EXPECT_EQ(r.WithoutNumber, 1);
    EXPECT_EQ(r.Existing, 1);
}

TEST_F(DownloadTest, DateCellsKeepTheFirstTenCharactersOfWhatTheSheetShows) {
    std::vector<TWorkbookRow> rows = {test::HeadingRow(), SheetRow(1001), SheetRow(1002)};
    rows[1][1] = std::string("12.03.2024 20:00");
    rows[2][1] = test::TFormattedNumber{45363 + 20.0 / 24, "dd.mm.yyyy hh:mm"};
    for (bool inlineStrings : {false, true}) {
        SetUp();
        test::WriteWorkbook(book, rows, inlineStrings);
        site = std::make_unique<test::TOperatorSite>(Options());
        const TDownloadResult r = DownloadDraws(ws, Params("/results.xlsx"));
        ASSERT_EQ(r.Added, 2) << r.Error;
        EXPECT_EQ(ws.DrawArchive()[1000].Date(), "12.03.2024");
        EXPECT_EQ(ws.DrawArchive()[1001].Date(), "12.03.2024");
    }
}

TEST_F(DownloadTest, NoNewRowsWritesNothingAndSaysNothing) {
    const std::string before = test::ReadBytes(ws.Paths().Archive());
    Serve(Sheet(990, 1000));
    const TDownloadResult r = DownloadDraws(ws, Params("/results.xlsx"));
    EXPECT_FALSE(r.Failed);
    EXPECT_EQ(r.Added, 0);
    EXPECT_EQ(Saves(), 0);
    EXPECT_TRUE(hooks.Messages.empty());
    EXPECT_TRUE(hooks.Questions.empty());
    EXPECT_EQ(test::ReadBytes(ws.Paths().Archive()), before);
}

TEST_F(DownloadTest, FailuresLeaveArchiveAndWorkbookAndAskWithTheReason) {
    Serve(Sheet(1, 1003));
    const std::string archive = test::ReadBytes(ws.Paths().Archive());
    struct TCase {
        const char* Path;
        const char* Reason;
    } cases[] = {
        {"/404", "404"},
        {"/500", "500"},
        {"/cut/results.xlsx", ""},
        {"/slow/results.xlsx", ""},
    };
    for (const TCase& c : cases) {
        hooks.Questions.clear();
        hooks.Answers = {false};
        const TDownloadResult r = DownloadDraws(ws, Params(c.Path));
        EXPECT_TRUE(r.Failed) << c.Path;
        EXPECT_NE(r.Error.find(c.Reason), std::string::npos) << r.Error;
        ASSERT_EQ(hooks.Questions.size(), 1u) << c.Path;
        EXPECT_EQ(hooks.Questions[0], "Ошибка загрузки архива тиражей с сайта: \"" + r.Error +
                                          "\"\r\rПовторить попытку?");
        EXPECT_EQ(ws.DrawCount(), 1000) << c.Path;
        EXPECT_EQ(test::ReadBytes(ws.Paths().Archive()), archive) << c.Path;
        EXPECT_EQ(test::ReadBytes(dataDir / DrawsWorkbookFileName), "old workbook") << c.Path;
    }
}

TEST_F(DownloadTest, SelfSignedCertificateIsRefused) {
    ASSERT_TRUE(test::MakeSelfSignedCertificate(siteDir.Path()));
    test::TOperatorSiteOptions options;
    options.Cert = siteDir / "cert.pem";
    options.Key = siteDir / "key.pem";
    Serve(Sheet(1, 1003), options);
    const TDownloadResult refused = DownloadDraws(ws, Params("/results.xlsx", false));
    EXPECT_TRUE(refused.Failed);
    EXPECT_NE(refused.Error.find("certificate"), std::string::npos) << refused.Error;
    EXPECT_EQ(ws.DrawCount(), 1000);
    EXPECT_EQ(test::ReadBytes(dataDir / DrawsWorkbookFileName), "old workbook");
    // Trusted explicitly, the same site works.
    TDownloadParams trusted = Params("/results.xlsx", false);
    trusted.Http.ExtraCaFile = (siteDir / "cert.pem").string();
    EXPECT_EQ(DownloadDraws(ws, trusted).Added, 3);
}

TEST_F(DownloadTest, AWorkbookThatCannotBeReadIsAFailureNotNoNewDraws) {
    test::TOperatorSiteOptions options;
    options.Workbook = book;
    test::WriteBytes(book, "<html>Технические работы</html>");
    site = std::make_unique<test::TOperatorSite>(options);
    hooks.Answers = {false};
    const TDownloadResult r = DownloadDraws(ws, Params("/results.xlsx"));
    EXPECT_TRUE(r.Failed);
    EXPECT_NE(r.Error.find("results.xlsx"), std::string::npos) << r.Error;
    EXPECT_NE(r.Error.find("не является книгой Excel"), std::string::npos) << r.Error;
    EXPECT_EQ(hooks.Questions.size(), 1u);
    EXPECT_EQ(ws.DrawCount(), 1000);
}

TEST_F(DownloadTest, CompressedAndRedirectedWorkbooksAreRead) {
    Serve(Sheet(1, 1002));
    EXPECT_EQ(DownloadDraws(ws, Params("/gzip/results.xlsx")).Added, 2);
    test::WriteWorkbook(book, Sheet(1, 1004));
    const TDownloadResult r = DownloadDraws(ws, Params("/redirect/3"));
    EXPECT_EQ(r.Added, 2) << r.Error;
    EXPECT_EQ(LastNumbers(2), (std::vector<std::int32_t>{1003, 1004}));
}

TEST_F(DownloadTest, ManualProxyCarriesTheRequestWithItsCredentials) {
    test::TOperatorSiteOptions options;
    options.ProxyUser = "user";
    options.ProxyPassword = "secret";
    Serve(Sheet(1, 1001), options);
    ws.Proxy = TProxy{2, "127.0.0.1", site->Port(), "user", "wrong", true};
    const TDownloadResult refused = DownloadDraws(ws, Params("/results.xlsx", false));
    EXPECT_TRUE(refused.Failed);
    EXPECT_NE(refused.Error.find("407"), std::string::npos) << refused.Error;
    ws.Proxy.Password = "secret";
    EXPECT_EQ(DownloadDraws(ws, Params("/results.xlsx", false)).Added, 1);
    HttpGetToFile(site->Url("/stats"), dataDir / "stats");
    EXPECT_EQ(test::ReadBytes(dataDir / "stats"), "proxied=1");
}

TEST_F(DownloadTest, RetryRepeatsAndAutomaticProxyIsResetThenSaved) {
    Serve(Sheet(1, 1001));
    ws.Proxy = TProxy{1, "proxy.example", 3128, "u", "p", true};
    hooks.Answers = {true, false};
    const TDownloadResult failed = DownloadDraws(ws, Params("/404"));
    EXPECT_TRUE(failed.Failed);
    EXPECT_EQ(hooks.Questions.size(), 2u);
    EXPECT_EQ(ws.Proxy, (TProxy{1, "", 0, "", "", false}));
    EXPECT_FALSE(std::filesystem::exists(ws.Paths().Config()));
    // The next success stores the reset record.
    EXPECT_EQ(DownloadDraws(ws, Params("/results.xlsx")).Added, 1);
    EXPECT_TRUE(ws.Proxy.Written);
    TProxy stored;
    LoadProxySettings(ws.Paths().Config(), stored);
    EXPECT_EQ(stored.Mode, 1);
    EXPECT_EQ(stored.Server, "");
    EXPECT_EQ(stored.Port, 0);
}

TEST_F(DownloadTest, NoAddressExplainsWhereToSetIt) {
    hooks.Statuses.clear();
    const TDownloadResult r = DownloadDraws(ws, Params("  "));
    EXPECT_TRUE(r.Failed);
    EXPECT_TRUE(r.NoAddress);
    EXPECT_NE(r.Error.find("DrawsUrl"), std::string::npos);
    EXPECT_TRUE(hooks.Questions.empty());
    EXPECT_TRUE(hooks.Statuses.empty());
}

TEST(DownloadAtStart, ModeAsksDownloadsOrStaysOff) {
    test::TRecordingHooks hooks;
    hooks.Answers = {false, true};
    EXPECT_FALSE(DownloadAtStart(0, hooks));
    EXPECT_TRUE(DownloadAtStart(0, hooks));
    EXPECT_TRUE(DownloadAtStart(1, hooks));
    EXPECT_FALSE(DownloadAtStart(2, hooks));
    ASSERT_EQ(hooks.Questions.size(), 2u);
    EXPECT_EQ(hooks.Questions[0], DownloadAtStartQuestion);
}

TEST(DrawsFromSheet, RowsBelowTheFirstNumberAreExistingAndTextNumbersAreRead) {
    std::vector<TSheetRow> rows(3);
    rows[0].Row = 1;  // the heading, whatever it holds
    rows[0].Cells = {{true, 50, "50"}};
    rows[1].Row = 2;
    rows[1].Cells = {{false, 0, " 12 "}, {false, 0, "01.02.2024 extra"},
                     {false, 0, "1"},    {false, 0, "2"},
                     {false, 0, "3"},    {false, 0, "4"},
                     {false, 0, "36"},   {false, 0, "x"}};
    rows[2].Row = 3;
    rows[2].Cells = {{true, 9.0, "9"}};
    const TSheetDraws got = DrawsFromSheet(rows, 10, {});
    ASSERT_EQ(got.Draws.size(), 1u);
    EXPECT_EQ(got.Draws[0].Number, 12);
    EXPECT_EQ(got.Draws[0].Date(), "01.02.2024");
    EXPECT_EQ(got.Draws[0].Nums[4], 36);
    EXPECT_EQ(got.Draws[0].Extra, 0);
    EXPECT_EQ(got.Existing, 1);
}

}  // namespace
}  // namespace mv
