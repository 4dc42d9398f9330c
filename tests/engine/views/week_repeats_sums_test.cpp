// Week counts, the repeats analysis and the sums distribution.
#include <gtest/gtest.h>

#include <numeric>

#include "engine/core/game.h"
#include "engine/views/repeats.h"
#include "engine/views/sums.h"
#include "engine/views/week.h"
#include "test_support.h"
#include "views_fixture.h"

namespace mv {
namespace {

using test::Draw;

TEST(WeekTest, DaysOfTheWeek) {
    struct TCase {
        const char* Date;
        int Day;
    };
    const TCase cases[] = {{"30.12.1899", 6}, {"01.01.1900", 1}, {"05.01.2024", 5},
                           {"07.01.2024", 7}, {"01.01.1800", 3}, {"29.02.2000", 2}};
    for (const TCase& c : cases) {
        EXPECT_EQ(IsoDayOfWeek(ParseDrawDate(c.Date)), c.Day) << c.Date;
    }
}

TEST(WeekTest, CountsOverTheWindowSkippingUnreadableDates) {
    // 07.01.2024 is a Sunday, 03.01.2024 a Wednesday.
    const TDrawsArray draws = {
        Draw(1, {1, 2, 3, 4, 5}, 9, "03.01.2024"),     Draw(2, {1, 7, 8, 9, 10}, 9, "31.02.2024"),
        Draw(3, {1, 11, 12, 13, 14}, 9, ""),           Draw(4, {1, 15, 16, 17, 18}, 9, "abc"),
        Draw(5, {1, 2, 20, 21, 22}, 36, "03.01.2024"), Draw(6, {5, 6, 20, 33, 36}, 9, "07.01.2024"),
    };
    const TWeekCounts one = ComputeWeekCounts(draws, 0, 1);
    EXPECT_EQ(one.Maximum, 1);
    EXPECT_EQ(one.Skipped, 0);
    for (int n : {5, 6, 20, 33, 36}) EXPECT_EQ(one.Count(n, 7), 1) << n;
    EXPECT_EQ(std::accumulate(one.Counts.begin(), one.Counts.end(), 0,
                              [](int s, const auto& row) {
                                  return s + std::accumulate(row.begin(), row.end(), 0);
                              }),
              5);

    const TWeekCounts all = ComputeWeekCounts(draws, 1, 100);
    EXPECT_EQ(all.Count(1, 3), 2);
    EXPECT_EQ(all.Count(2, 3), 2);
    EXPECT_EQ(all.Count(20, 3), 1);
    EXPECT_EQ(all.Count(36, 3), 0);  // the extra number is not counted
    EXPECT_EQ(all.Count(7, 3), 0);   // its draw has an impossible date
    EXPECT_EQ(all.Count(20, 7), 0);  // hidden by the offset
    EXPECT_EQ(all.Maximum, 2);
    EXPECT_EQ(all.Skipped, 3);
    EXPECT_EQ(all.FirstSkippedDraw, 2);
    EXPECT_EQ(WeekSkippedText(all),
              "Тиражей с неизвестной датой: 3 (первый - тираж № 2); они не учтены");
    EXPECT_EQ(WeekSkippedText(one), "");

    const TWeekCounts none = ComputeWeekCounts({}, 0, 1000);
    EXPECT_EQ(none.Maximum, 0);
}

TEST(WeekTest, ShadesAndChartLines) {
    EXPECT_EQ(WeekCellColour(4, 4), (TRgb{255, 0, 0}));
    EXPECT_EQ(WeekCellColour(1, 2), (TRgb{255, 128, 128}));  // 127.5 -> 128
    EXPECT_EQ(WeekCellColour(1, 6), (TRgb{255, 212, 212}));  // 212.5 -> 212
    EXPECT_FALSE(WeekCellColour(0, 4));
    EXPECT_FALSE(WeekCellColour(0, 0));

    TWeekCounts counts;
    counts.Counts[9][2] = 4;  // number 10 on Wednesday
    counts.Counts[9][6] = 2;
    counts.Counts[0][2] = 3;
    const auto byNumbers = WeekChartPoints(counts, false, 10, 3);
    ASSERT_EQ(byNumbers.size(), 36U);
    EXPECT_EQ(byNumbers[0].Y, 3);
    EXPECT_EQ(byNumbers[9].Y, 4);
    EXPECT_EQ(byNumbers[9].Label, "10");
    const auto byDays = WeekChartPoints(counts, true, 10, 3);
    ASSERT_EQ(byDays.size(), 7U);
    EXPECT_EQ(byDays[2].Y, 4);
    EXPECT_EQ(byDays[6].Y, 2);
    EXPECT_EQ(byDays[6].Label, "Вс");
    EXPECT_EQ(byDays[0].Label, "Пн");
}

TEST(RepeatsTest, RowsPerDrawAndCommonCount) {
    const TDrawsArray draws = {
        Draw(10, {1, 2, 30, 31, 32}),  // d: shares 1 with p
        Draw(11, {1, 2, 20, 21, 22}),  // c
        Draw(12, {1, 2, 23, 24, 25}),  // b
        Draw(13, {1, 2, 26, 27, 28}),  // a
        Draw(14, {1, 3, 6, 7, 8}),     // p is draw 15 below
        Draw(15, {2, 1, 4, 5, 9}),
    };
    test::TRecordingHooks hooks;
    // Draw 15 against draws 14..10: two rows for it, never merged with the rows of draw 14.
    const TRepeatsResult r = ComputeRepeats(draws, 2, 5, hooks);
    ASSERT_GE(r.Rows.size(), 2U);
    EXPECT_EQ(r.Rows[0].DrawNumber, 15);
    EXPECT_EQ(r.Rows[0].Common, 1);
    EXPECT_EQ(r.Rows[0].DrawsText(), "14");
    EXPECT_EQ(r.Rows[1].DrawNumber, 15);
    EXPECT_EQ(r.Rows[1].Common, 2);
    EXPECT_EQ(r.Rows[1].Count(), 4);
    EXPECT_EQ(r.Rows[1].DrawsText(), "13 12 11 10");
    ASSERT_EQ(r.Rows.size(), 3U);
    EXPECT_EQ(r.Rows[2].DrawNumber, 14);
    EXPECT_EQ(r.Rows[2].Common, 1);
    EXPECT_EQ(r.Rows[2].DrawsText(), "13 12 11 10");
    EXPECT_EQ(r.MaxCommon, 2);
    EXPECT_EQ(hooks.Statuses, (std::vector<std::string>{"progress: Идет сбор статистики...."}));

    // Depth 1: one earlier draw each, a count of 1.
    const TRepeatsResult shallow = ComputeRepeats(draws, 100, 1, hooks);
    for (const TRepeatRow& row : shallow.Rows) EXPECT_EQ(row.Count(), 1);
    EXPECT_EQ(shallow.Rows.back().DrawNumber, 11);  // draw 10, index 0, adds no row

    const auto lines = RepeatsLines(r);
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_EQ(lines[0].Title, "Совпадений: 1");
    EXPECT_EQ(lines[0].Points,
              (std::vector<std::pair<std::int32_t, int>>{{14, 4}, {15, 1}}));  // oldest first
    EXPECT_EQ(lines[1].Points, (std::vector<std::pair<std::int32_t, int>>{{15, 4}}));
}

TEST(RepeatsTest, NothingSharedAndRepeatedNumbers) {
    const TDrawsArray apart = {Draw(1, {1, 2, 3, 4, 5}), Draw(2, {6, 7, 8, 9, 10})};
    TSilentUiHooks hooks;
    const TRepeatsResult none = ComputeRepeats(apart, 100, 100, hooks);
    EXPECT_TRUE(none.Rows.empty());
    EXPECT_TRUE(RepeatsLines(none).empty());
    EXPECT_TRUE(ComputeRepeats({}, 100, 100, hooks).Rows.empty());
    // A damaged draw with a repeated number counts pairs, as the plain comparison does.
    const TDrawsArray twice = {Draw(1, {5, 5, 1, 2, 3}), Draw(2, {5, 6, 7, 8, 9})};
    EXPECT_EQ(ComputeRepeats(twice, 100, 100, hooks).Rows.at(0).Common, 2);
}

TEST(SumsTest, TheoreticalDistribution) {
    const auto& t = TheoreticalSums();
    ASSERT_EQ(t.size(), 156U);
    EXPECT_EQ(t.front(), (TSumCount{15, 1}));
    EXPECT_EQ(t.back(), (TSumCount{170, 1}));
    EXPECT_EQ(t[1], (TSumCount{16, 1}));
    EXPECT_EQ(t[2], (TSumCount{17, 2}));
    EXPECT_EQ(std::accumulate(t.begin(), t.end(), 0,
                              [](int s, const TSumCount& c) { return s + c.Count; }),
              376992);
}

TEST(SumsTest, ActualDistributionLevelsAndChart) {
    const TDrawsArray draws = {Draw(1, {1, 2, 3, 4, 5}), Draw(2, {5, 4, 3, 2, 1}),
                               Draw(3, {10, 20, 30, 31, 32})};
    const TSumsDistribution d = ComputeSumsDistribution(draws);
    EXPECT_EQ(d.Actual, (std::vector<TSumCount>{{15, 2}, {123, 1}}));
    EXPECT_EQ(d.MaxA, 2);
    EXPECT_EQ(d.MinT, 1);
    const std::int32_t span = d.MaxT - d.MinT + 1;
    EXPECT_EQ(d.Levels[0].Level, static_cast<std::int32_t>(1 + span / 3.0));
    EXPECT_EQ(d.Levels[2].Level, static_cast<std::int32_t>(1 + 2.0 * span / 3));
    for (const TSumLevel& level : d.Levels) {
        // One band around the peak: every sum inside reaches the level, the ones beside not.
        ASSERT_GT(level.Low, 15);
        ASSERT_LT(level.High, 170);
        const auto& t = d.Theoretical;
        EXPECT_GE(t[static_cast<std::size_t>(level.Low - 15)].Count, level.Level);
        EXPECT_LT(t[static_cast<std::size_t>(level.Low - 16)].Count, level.Level);
        EXPECT_GE(t[static_cast<std::size_t>(level.High - 15)].Count, level.Level);
        EXPECT_LT(t[static_cast<std::size_t>(level.High - 14)].Count, level.Level);
        EXPECT_EQ(level.Low + level.High, 185);  // the distribution is symmetric
    }
    EXPECT_EQ(d.Levels[1].Title, "Диапазон 2 (от 1/2 и выше по оси Y) - суммы " +
                                     std::to_string(d.Levels[1].Low) + "-" +
                                     std::to_string(d.Levels[1].High));
    EXPECT_EQ(ComputeSumsDistribution(draws, 1).Actual, (std::vector<TSumCount>{{123, 1}}));

    const auto points = SumsChartPoints(d);
    ASSERT_EQ(points.size(), 2U + 156U * 4U);
    EXPECT_EQ(points[0].Title, ActualSumsTitle);
    EXPECT_EQ(points[0].Y, 2.0);
    EXPECT_TRUE(points[0].Points && points[0].Labels);
    EXPECT_EQ(points[2].Title, TheoreticalSumsTitle);
    EXPECT_DOUBLE_EQ(points[2].Y, 1.0 / d.MaxT * 2);
    EXPECT_EQ(points[3].Title, d.Levels[0].Title);
    EXPECT_EQ(points[3].Colour, 0x008000U);
    EXPECT_DOUBLE_EQ(points[5].Y, static_cast<double>(d.Levels[2].Level) / d.MaxT * 2);
    // The peak of the theoretical curve stands at the actual peak.
    double peak = 0;
    for (const auto& p : points) {
        if (p.Title == TheoreticalSumsTitle) peak = std::max(peak, p.Y);
    }
    EXPECT_DOUBLE_EQ(peak, 2.0);

    // An empty archive: no actual line, everything else at 0.
    const TSumsDistribution empty = ComputeSumsDistribution({});
    EXPECT_TRUE(empty.Actual.empty());
    for (const auto& p : SumsChartPoints(empty)) EXPECT_EQ(p.Y, 0.0);
}

}  // namespace
}  // namespace mv
