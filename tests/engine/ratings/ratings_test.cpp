#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/core/errors.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/ratings/ratings.h"
#include "test_support.h"

namespace mv {
namespace {

class RatingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_saved = DecimalSeparator();
        SetDecimalSeparator('.');
    }
    void TearDown() override { SetDecimalSeparator(m_saved); }

private:
    char m_saved = '.';
};

TStakeRecord Checked(const std::string& comment, int matches, TMoney profit) {
    TStakeRecord rec;
    rec.DrawNumber = 10;
    rec.Checked = 1;
    rec.Matches.Count = matches;
    rec.Profit = profit;
    rec.Comment = comment;
    return rec;
}

TRatingRecord Row(std::string name, int stakes, int matched, TMoney profit,
                  std::array<std::int32_t, 6> hist = {}) {
    return {std::move(name), stakes, matched, hist, profit};
}

TEST_F(RatingsTest, StakesGroupByCommentWithoutRegardToCase) {
    TRatings rows;
    AddStakeToRatings(rows, Checked("abc", 2, -15000));
    AddStakeToRatings(rows, Checked("ABC", 3, 85000));
    AddStakeToRatings(rows, Checked("Прогноз", 0, -15000));
    AddStakeToRatings(rows, Checked("ПРОГНОЗ", 1, -15000));
    AddStakeToRatings(rows, Checked("abc", -1, -15000));  // not checked: ignored
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], Row("abc", 2, 5, 70000, {0, 0, 1, 1, 0, 0}));
    EXPECT_EQ(rows[1], Row("Прогноз", 2, 1, -30000, {1, 1, 0, 0, 0, 0}));
}

TEST_F(RatingsTest, FileIsRecordsByteForByteAndReadsBack) {
    const TRatings rows = {Row("Ж", 3, 7, -12345, {1, 0, 1, 0, 1, 0}),
                           Row(std::string(300, 'x'), 1, 0, 0, {1, 0, 0, 0, 0, 0})};
    test::TTempDir dir;
    const auto path = dir / RatingsFileName;
    SaveRatings(path, rows);
    const std::string bytes = test::ReadBytes(path);
    ASSERT_EQ(bytes.size(), 2 * RatingRecSize);

    std::string first(RatingRecSize, '\0');
    first[0] = 1;
    first[1] = '\xC6';  // "Ж" in Windows-1251
    first[256] = 3;
    first[260] = 7;
    first[264] = 1;
    first[272] = 1;
    first[280] = 1;
    const std::int64_t profit = -12345;
    for (int i = 0; i < 8; ++i)
        first[288 + i] = static_cast<char>((static_cast<std::uint64_t>(profit) >> (8 * i)) & 0xFF);
    EXPECT_EQ(bytes.substr(0, RatingRecSize), first);
    EXPECT_EQ(static_cast<unsigned char>(bytes[RatingRecSize]), 255);  // name cut to 255

    TRatings back = LoadRatings(path);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0], rows[0]);
    EXPECT_EQ(back[1].Name, std::string(255, 'x'));

    // A partial record at the end is not a row; a missing file has none.
    test::WriteBytes(path, bytes + "abc");
    EXPECT_EQ(LoadRatings(path).size(), 2u);
    EXPECT_TRUE(LoadRatings(dir / "none.lrt").empty());
}

TEST_F(RatingsTest, SaveFailureKeepsTheOldFileAndSaysSo) {
    test::TTempDir dir;
    const auto path = dir / "sub" / RatingsFileName;  // its folder does not exist
    try {
        SaveRatings(path, {Row("a", 1, 1, 0, {0, 1, 0, 0, 0, 0})});
        FAIL() << "no error";
    } catch (const EError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Ошибка записи в файл рейтинга!\r\r", 0), 0u);
    }
}

TEST_F(RatingsTest, ComparisonRoundsRealColumnsToHundredths) {
    struct Case {
        TRatingRecord A, B;
        int Column;
        int Expected;
    };
    const Case cases[] = {
        // average 1/3 against 0.335: differs by 0.0017, x 100 rounds to 0
        {Row("a", 3, 1, 0), Row("b", 200, 67, 0), 3, 0},
        {Row("a", 1, 1, 0), Row("b", 1000, 998, 0), 3, 0},  // 1.000 vs 0.998: x100 = 0.2
        {Row("a", 1, 1, 0), Row("b", 100, 90, 0), 3, 1},
        {Row("a", 1, 0, 0), Row("b", 100, 90, 0), 3, -1},
        // profit: differences under half a hundredth of money are equal
        {Row("a", 1, 0, 10049), Row("b", 1, 0, 10000), 4, 0},
        {Row("a", 1, 0, 10051), Row("b", 1, 0, 10000), 4, 1},
        {Row("a", 1, 0, 10050), Row("b", 1, 0, 10000), 4, 0},  // half goes to even (0)
        {Row("a", 1, 0, 10150), Row("b", 1, 0, 10000), 4, 1},  // 1.5 -> 2
        // sums of a damaged file at the ends of 64 bits: their difference does not fit and
        // once wrapped round to the wrong sign
        {Row("a", 1, 0, std::numeric_limits<TMoney>::max()),
         Row("b", 1, 0, std::numeric_limits<TMoney>::min()), 4, 1},
        {Row("a", 1, 0, -1), Row("b", 1, 0, std::numeric_limits<TMoney>::max()), 4, -1},
        // average profit: 30000 / 2 against 15040
        {Row("a", 2, 0, 30000), Row("b", 1, 0, 15040), 5, 0},
        {Row("a", 2, 0, 30000), Row("b", 1, 0, 15100), 5, -1},
        {Row("a", 5, 0, 0), Row("b", 4, 9, 0), 1, 1},
        {Row("a", 5, 0, 0, {0, 0, 2, 0, 0, 0}), Row("b", 5, 0, 0, {0, 0, 3, 0, 0, 0}), 8, -1},
        {Row("a", 5, 0, 0), Row("b", 0, 9, 0), 1, 0},  // no stakes: equal
        {Row("a", 5, 0, 0, {5, 0, 0, 0, 0, 0}), Row("b", 1, 0, 0), 12, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompareRatings(c.A, c.B, c.Column), c.Expected)
            << c.A.Name << " " << c.A.Matched << " " << c.A.Profit << " column " << c.Column;
        EXPECT_EQ(CompareRatings(c.B, c.A, c.Column), -c.Expected);
    }
}

TEST_F(RatingsTest, SortingByEfficiencyColumnsKeepsTheOrder) {
    TRatings rows = {Row("b", 2, 1, 0), Row("a", 5, 5, 0), Row("c", 1, 0, 0)};
    SortRatings(rows, 14, false);
    EXPECT_EQ(rows[0].Name, "b");
    EXPECT_EQ(rows[2].Name, "c");
    SortRatings(rows, 1, true);
    EXPECT_EQ(rows[0].Name, "a");
    EXPECT_EQ(rows[2].Name, "c");
    SortRatings(rows, 1, false);
    EXPECT_EQ(rows[0].Name, "c");
}

TEST_F(RatingsTest, CellTextsInEachEfficiencyMode) {
    // 10 stakes, 3 of them matched 2 numbers; P(2) = 44 950 / 376 992.
    const TRatingRecord row = Row("r", 10, 8, -123456, {5, 1, 3, 1, 0, 0});
    EXPECT_EQ(RatingCellText(row, 3, 1), "0.800");
    EXPECT_EQ(RatingCellText(row, 4, 1), "-12.35");
    EXPECT_EQ(RatingCellText(row, 5, 1), "-1.23");
    EXPECT_EQ(RatingCellText(row, 8, 1), "3");
    EXPECT_EQ(RatingCellText(row, 14, remExpected), "1");
    EXPECT_EQ(RatingCellText(row, 14, remAbsolute), "18.077%");
    EXPECT_EQ(RatingCellText(row, 14, remRelative), "251.608%");

    const TRatingRecord empty = Row("e", 0, 0, 0);
    for (int c : {3, 5, 12, 17}) EXPECT_EQ(RatingCellText(empty, c, 1), "") << c;
    EXPECT_EQ(RatingCellText(Row("bad", 1, 0, 0, {2, 0, 0, 0, 0, 0}), 0, 1), RatingBadDataText);
    EXPECT_EQ(RatingCellText(Row("bad", -1, 0, 0), 1, 1), RatingBadDataText);
}

TEST_F(RatingsTest, CsvBytesOfTwoRows) {
    SetDecimalSeparator(',');
    const TRatings rows = {Row("a \"q\"", 2, 3, 15000, {0, 1, 1, 0, 0, 0}),
                           Row("Я", 1, 0, -15000, {1, 0, 0, 0, 0, 0})};
    const std::string expected =
        "\"\xCA\xEE\xEC\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE9\";\"\xD1\xF2\xE0\xE2\xEE\xEA\";"
        "\"\xD3\xE3\xE0\xE4\xE0\xED\xEE\";\"\xD1\xF0\xE5\xE4\xED\xE5\xE5\";"
        "\"\xCF\xF0\xEE\xF4\xE8\xF2\";\"\xD1\xF0. \xEF\xF0\xEE\xF4\xE8\xF2\";"
        "\"0\";\"1\";\"2\";\"3\";\"4\";\"5\";\"E0\";\"E1\";\"E2\";\"E3\";\"E4\";\"E5\"\r\n"
        "\"a \"\"q\"\"\";2;3;1,500;1,50;0,75;0;1;1;0;0;0\r\n"
        "\"\xDF\";1;0;0,000;-1,50;-1,50;1;0;0;0;0;0\r\n";
    EXPECT_EQ(RatingsCsv(rows), expected);
    EXPECT_EQ(RatingsCsv(rows, std::nullopt), expected);

    TRunIdentity identity;
    identity.ArchiveSha256 = "0123456789abcdef";
    identity.DrawsOffset = 3;
    identity.Cost = 5000;
    identity.Profits = {{5, 10000}};
    identity.Version = "9.8.7";
    EXPECT_EQ(RatingsCsv(rows, identity),
              expected + Utf8ToCp1251("# Идентификатор запуска: архив 0123456789ab, смещение 3, "
                                      "стоимость ставки 0,5, выигрыши 5=1, версия 9.8.7\r\n"));
}

TEST_F(RatingsTest, RowsToScenarioLines) {
    struct Case {
        const char* Name;
        std::optional<std::string> Line;
    };
    const Case cases[] = {
        {"01.002: A @ FULL#RAND + x", "FULL#RAND|x| | | | | | |01.002: A"},
        {"@ FULL + a + b", "FULL|a|b| | | | | |"},
        {"FULL + TSD1#NUMS:10", "FULL|TSD1#NUMS:10| | | | | | |"},
        {"Вручную", std::nullopt},
        {"c @ FULL#RAND", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(RatingToScriptLine(c.Name), c.Line) << c.Name;
}

TEST_F(RatingsTest, ChanceAgainstIndependentValues) {
    // Per stake: mean 25/36, variance 4805/9072.
    struct Case {
        TRatingRecord Row;
        double Z, P;
    };
    const Case cases[] = {
        {Row("one, five", 1, 5, 0, {0, 0, 0, 0, 0, 1}), (5 - 25.0 / 36) / std::sqrt(4805.0 / 9072),
         1.0 / 376992},
        {Row("one, none", 1, 0, 0, {1, 0, 0, 0, 0, 0}), -(25.0 / 36) / std::sqrt(4805.0 / 9072),
         1.0},
        {Row("two", 2, 3, 0, {0, 0, 1, 1, 0, 0}), 1.5653639206121415, 0.13906668103849149},
        // The largest exact row: worked out with the whole distribution kept, where it took a
        // good part of a second; the ends cut off since must not show.
        {Row("exact, 2000", 2000, 1500, 0, {500, 1500, 0, 0, 0, 0}), 3.413872659438181,
         0.00037611548659372249},
        {Row("normal", 2001, 1500, 0, {501, 1500, 0, 0, 0, 0}), 3.3916881392456486,
         0.0003473172739599799},
    };
    for (const Case& c : cases) {
        const auto chance = RatingChance(c.Row);
        ASSERT_TRUE(chance) << c.Row.Name;
        EXPECT_NEAR(chance->Z, c.Z, 1e-9) << c.Row.Name;
        EXPECT_NEAR(chance->P, c.P, c.P * 1e-9) << c.Row.Name;
    }
    EXPECT_FALSE(RatingChance(Row("none", 0, 0, 0)));
    EXPECT_EQ(RatingChanceText(Row("two", 2, 3, 0, {0, 0, 1, 1, 0, 0})), "z = 1.565; p = 0.1391");
}

}  // namespace
}  // namespace mv
