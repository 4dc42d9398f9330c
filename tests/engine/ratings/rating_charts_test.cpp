#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/core/errors.h"
#include "engine/core/game.h"
#include "engine/ratings/rating_charts.h"
#include "engine/stakes/stakes_file.h"
#include "engine/support/data_lock.h"
#include "test_support.h"

namespace mv {
namespace {

using P = TRatingChartPoint;

class StakeChartTest : public ::testing::Test {
protected:
    test::TTempDir m_dir;
    TDataLock m_lock;
    TStakesFile m_file{m_lock};

    void SetUp() override { m_lock.Acquire(m_dir / "Marvolet_5z36.lsk"); }
    void Add(std::int32_t draw, const std::string& comment, int matches, TMoney profit,
             bool checked = true) {
        TStakeRecord rec;
        rec.Kind = skManual;
        rec.DrawNumber = draw;
        rec.Checked = checked ? 1 : 0;
        rec.Numbers = {5, {1, 2, 3, 4, 5}};
        rec.Matches.Count = checked ? matches : -1;
        rec.Profit = profit;
        rec.Comment = comment;
        m_file.Append(rec);
    }
};

TEST_F(StakeChartTest, PointsOfTheNamedRowsByDraw) {
    Add(7, "abc", 1, -15000);
    m_file.Append(MakeStakeMarker());
    Add(7, "other", 3, 135000);
    Add(8, "ABC", 2, -15000);
    Add(8, "abc", 0, 0, false);  // not checked: no point
    Add(9, "x", 3, 135000);
    Add(9, "abc", 3, 135000);

    const auto matches = StakeChartByDraw(m_file, {"x", "Abc"}, TStakeChartValue::Matches);
    ASSERT_EQ(matches.size(), 2u);
    // Lines in the order of their first point, titled with the row's own name.
    EXPECT_EQ(matches[0].Title, "Abc");
    EXPECT_EQ(matches[0].Points, (std::vector<P>{{7, 1}, {8, 2}, {9, 3}}));
    EXPECT_EQ(matches[1].Title, "x");
    EXPECT_EQ(matches[1].Points, (std::vector<P>{{9, 3}}));

    const auto profits = StakeChartByDraw(m_file, {"abc"}, TStakeChartValue::Profit);
    ASSERT_EQ(profits.size(), 1u);
    EXPECT_EQ(profits[0].Points, (std::vector<P>{{7, -1.5}, {8, -1.5}, {9, 13.5}}));
}

TEST_F(StakeChartTest, CoversTheLastHundredDrawsOfCheckedStakes) {
    for (int draw = 1; draw <= StakeChartDrawLimit + 2; ++draw) {
        Add(draw, "a", 1, 0);
        Add(draw, "a", 2, 0);
        Add(draw + 1000, "a", 0, 0, false);  // unchecked stakes do not count as draws
    }
    const auto lines = StakeChartByDraw(m_file, {"a"}, TStakeChartValue::Matches);
    ASSERT_EQ(lines.size(), 1u);
    const auto& points = lines[0].Points;
    ASSERT_EQ(points.size(), 2u * StakeChartDrawLimit);
    EXPECT_EQ(points.front(), (P{3, 1}));
    EXPECT_EQ(points.back(), (P{StakeChartDrawLimit + 2, 2}));

    // Exactly the limit: everything from the first record.
    TDataLock lock;
    TStakesFile exact{lock};
    lock.Acquire(m_dir / "exact.lsk");
    TStakeRecord rec;
    rec.Checked = 1;
    rec.Matches.Count = 1;
    rec.Comment = "a";
    for (int draw = 1; draw <= StakeChartDrawLimit; ++draw) {
        rec.DrawNumber = draw;
        exact.Append(rec);
    }
    EXPECT_EQ(StakeChartByDraw(exact, {"a"}, TStakeChartValue::Matches)[0].Points.front(),
              (P{1, 1}));
}

TEST_F(StakeChartTest, RefusesWithoutNamesOrWithFewerThanTwoDraws) {
    const auto refused = [&](const std::vector<std::string>& names) {
        try {
            StakeChartByDraw(m_file, names, TStakeChartValue::Profit);
        } catch (const EError& e) {
            return std::string(e.what()) == RatingChartsNoDataMessage;
        }
        return false;
    };
    EXPECT_TRUE(refused({"a"}));  // empty file
    Add(5, "a", 1, 0);
    Add(5, "b", 2, 0);
    Add(6, "a", 0, 0, false);
    EXPECT_TRUE(refused({"a"}));  // one draw of checked stakes
    Add(6, "b", 1, 0);
    EXPECT_TRUE(refused({}));
    EXPECT_FALSE(refused({"a"}));
    // A name with no stakes in range gives no line, and that is no error.
    EXPECT_TRUE(StakeChartByDraw(m_file, {"zzz"}, TStakeChartValue::Matches).empty());
}

TEST(RatingMatchChart, ChanceLineForTheLargestRowThenEachHistogram) {
    const std::vector<TRatingRecord> rows = {
        {"a", 10, 9, {3, 5, 2, 0, 0, 0}, 0},
        {"b", 376992, 0, {376992, 0, 0, 0, 0, 0}, 0},
    };
    const auto lines = RatingMatchChart(rows);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Title, RatingsChanceLineTitle);
    // With as many stakes as combinations the chance line is the hit table itself.
    const std::vector<P> chance = {{0, 169911}, {1, 157325}, {2, 44950},
                                   {3, 4650},   {4, 155},    {5, 1}};
    ASSERT_EQ(lines[0].Points.size(), chance.size());
    for (std::size_t i = 0; i < chance.size(); ++i) {
        EXPECT_EQ(lines[0].Points[i].X, chance[i].X);
        EXPECT_NEAR(lines[0].Points[i].Y, chance[i].Y, 1e-6);
        EXPECT_EQ(HitCount(static_cast<int>(i)), static_cast<std::int64_t>(chance[i].Y));
    }
    EXPECT_EQ(lines[1].Title, "a");
    EXPECT_EQ(lines[1].Points, (std::vector<P>{{0, 3}, {1, 5}, {2, 2}, {3, 0}, {4, 0}, {5, 0}}));
    EXPECT_EQ(lines[2].Title, "b");
    EXPECT_EQ(lines[2].Points[0], (P{0, 376992}));
}

}  // namespace
}  // namespace mv
