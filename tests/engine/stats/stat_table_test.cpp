// The statistics table of a hand-computed window: ten draws with a gap in their numbering,
// an offset of two hidden draws and a window of six.
#include "engine/stats/stat_table.h"

#include <gtest/gtest.h>

#include "engine/core/text_utils.h"

namespace mv {
namespace {

TDrawsArray TenDraws() {
    const std::int32_t numbers[] = {1, 2, 3, 5, 6, 7, 8, 9, 10, 11};  // draw 4 is missing
    const std::uint8_t nums[10][5] = {{1, 2, 3, 4, 5},      {6, 7, 8, 9, 10},
                                      {1, 12, 13, 14, 15},  {1, 2, 16, 17, 18},
                                      {19, 20, 21, 22, 23}, {24, 25, 26, 27, 28},
                                      {2, 29, 30, 31, 32},  {33, 34, 35, 36, 1},
                                      {2, 3, 4, 5, 6},      {7, 8, 9, 10, 11}};
    TDrawsArray draws(10);
    for (int i = 0; i < 10; ++i) {
        draws[i].Number = numbers[i];
        std::copy(nums[i], nums[i] + 5, draws[i].Nums.begin());
        draws[i].Extra = 1;
    }
    return draws;
}

class StatTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        m_registry.SetDraws(&m_draws);
        m_registry.BuildMethods();
    }
    TStatTable Compute(const std::string& code, int offset = 2, int window = 6) {
        TStatTableRequest request;
        request.Registry = &m_registry;
        request.MethodIndex = m_registry.FindMethod(code);
        request.Draws = &m_draws;
        request.DrawsOffset = offset;
        request.WindowLength = window;
        return ComputeStatTable(request);
    }
    static const TStatRow& Row(const TStatTable& table, const std::string& value) {
        for (const TStatRow& r : table.Rows) {
            if (r.Texts[scValue] == value) return r;
        }
        throw std::runtime_error("no row " + value);
    }
    static std::vector<std::string> Texts(const TStatRow& row) {
        return {row.Texts.begin(), row.Texts.end()};
    }

    TDrawsArray m_draws = TenDraws();
    TStatList m_registry;
};

using Strings = std::vector<std::string>;

TEST_F(StatTableTest, NumbersColumnByColumn) {
    const TStatTable t = Compute("NUMS");
    EXPECT_EQ(t.FirstIndex, 2);
    EXPECT_EQ(t.LastIndex, 7);
    EXPECT_EQ(t.WindowDraws, 6);
    EXPECT_EQ(t.Totals.Total, 30);
    EXPECT_EQ(t.Totals.MaxDepth, 6);
    ASSERT_EQ(t.Rows.size(), 36u);
    // Seen three times, the last time in the window's last draw; the gap in numbering
    // (draws 3 and 5) gives the shortest period 2.
    EXPECT_EQ(Texts(Row(t, "1")),
              (Strings{"1", "3", "10,00000", "-", "-", "-", "1", "16,67", "1,00", "9", "2",
                       "2,0000", "4", "11", "12", "12", "-", "-", "-", "-"}));
    // "Факт" finds the first hidden draw holding the value.
    EXPECT_EQ(Texts(Row(t, "2")),
              (Strings{"2", "2", "6,66667", "-", "-", "-", "2", "33,33", "2,00", "8", "3",
                       "3,0000", "3", "11", "12", "12", "10", "+1", "+2", "+2"}));
    // Drawn once: no periods, no ПРД, but СТФ and КРН.
    EXPECT_EQ(Texts(Row(t, "36")),
              (Strings{"36", "1", "3,33333", "-", "-", "-", "1", "16,67", "1,00", "9", "-", "-",
                       "-", "-", "18", "15", "-", "-", "-", "-"}));
    // Enumerated but not drawn in the window.
    EXPECT_EQ(Texts(Row(t, "4")),
              (Strings{"4", "0", "0,00000", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-",
                       "-", "-", "-", "-", "-", "-", "-"}));
}

TEST_F(StatTableTest, EvenCountColumnByColumn) {
    const TStatTable t = Compute("EVEN");
    ASSERT_EQ(t.Rows.size(), 5u);  // 1..5 enumerated; 0 never occurred
    EXPECT_EQ(t.Rows.front().Texts[scValue], "1:4");
    EXPECT_EQ(Texts(Row(t, "2:3")),
              (Strings{"2:3", "3", "50,00000", "-", "-", "-", "1", "50,00", "1,00", "9", "3",
                       "2,0000", "3", "11", "12", "12", "11", "0", "+1", "+1"}));
    EXPECT_EQ(Texts(Row(t, "3:2")),
              (Strings{"3:2", "3", "50,00000", "-", "-", "-", "2", "100,00", "2,00", "8", "1",
                       "2,0000", "2", "10", "11", "11", "10", "0", "+1", "+1"}));
    // The chart without comparison: one point per row in key order.
    ASSERT_EQ(t.Actual.size(), 5u);
    EXPECT_EQ(t.Actual[1].Label, "2:3");
    EXPECT_EQ(t.Actual[1].Y, 3);
}

TEST_F(StatTableTest, WindowLongerThanArchiveAndNoOffset) {
    const TStatTable t = Compute("NUMS", 0, 1000);
    EXPECT_EQ(t.FirstIndex, 0);
    EXPECT_EQ(t.WindowDraws, 10);
    for (const TStatRow& row : t.Rows) EXPECT_EQ(row.Texts[scFact], "-") << row.Texts[scValue];
}

TEST_F(StatTableTest, NormAndDeviationWithComparison) {
    // Every value equally frequent over the full set: the scale takes the table's mean count.
    TFullSetCounts counts;
    for (int n = 1; n <= 36; ++n) {
        TStatValueRec r;
        r.Key = TValueKey::FromK1(n);
        r.Count = 52360;
        counts.Records.push_back(r);
    }
    counts.Smallest = counts.Largest = 52360;
    TStatTableRequest request;
    request.Registry = &m_registry;
    request.MethodIndex = m_registry.FindMethod("NUMS");
    request.Draws = &m_draws;
    request.DrawsOffset = 2;
    request.WindowLength = 6;
    request.Comparison = &counts;
    const TStatTable t = ComputeStatTable(request);
    ASSERT_TRUE(t.HasComparison);
    // min 0, max 3: scale = 1.5 / 52360, so every norm is R(1.5) = 2.
    const TStatRow& one = Row(t, "1");
    EXPECT_EQ(one.Texts[scNorm], "2");
    EXPECT_EQ(one.Texts[scDeviation], "1");
    EXPECT_EQ(one.Texts[scDeviationPercent], "50,00000");
    // Default weight = depth - deviation.
    EXPECT_EQ(one.Texts[scWeight], "0,00");
    EXPECT_EQ(t.AllCombinations.size(), 36u);
    EXPECT_EQ(t.Actual.size(), 36u);
}

// A damaged archive may number its draws up to the int32 limit: every column is still
// computed without overflow.
TEST_F(StatTableTest, DrawNumbersAtTheInt32Limit) {
    const std::int32_t numbers[] = {2147483646, 2147483647, 5};
    m_draws.resize(3);
    for (int i = 0; i < 3; ++i) {
        m_draws[i].Number = numbers[i];
        m_draws[i].Nums = {1, 2, 3, 4, 5};
    }
    const TStatTable t = Compute("NUMS", 1, 10);
    EXPECT_EQ(Texts(Row(t, "1")),
              (Strings{"1",          "2",      "20,00000",    "-",           "-",
                       "-",          "1",      "100,00",      "1,00",        "2147483647",
                       "1",          "1,0000", "1",           "2147483648",  "3221225470",
                       "2863311531", "5",      "+2147483643", "+3221225465", "+2863311526"}));
}

// Counts that no full set gives (a count far above the rest, a smallest count above the
// largest) make huge norms: they are held in the int32 range instead of wrapping into
// negative ones, and the deviation columns do not overflow.
TEST_F(StatTableTest, AbsurdComparisonCountsDoNotOverflow) {
    TFullSetCounts counts;
    for (int n = 1; n <= 36; ++n) {
        TStatValueRec r;
        r.Key = TValueKey::FromK1(n);
        r.Count = n == 1 ? 715827883 : 1;  // x 3 would wrap to -2147483647
        counts.Records.push_back(r);
    }
    counts.Smallest = 5;
    counts.Largest = 1;
    TStatTableRequest request;
    request.Registry = &m_registry;
    request.MethodIndex = m_registry.FindMethod("NUMS");
    request.Draws = &m_draws;
    request.DrawsOffset = 2;
    request.WindowLength = 6;
    request.Comparison = &counts;
    const TStatTable t = ComputeStatTable(request);
    ASSERT_TRUE(t.HasComparison);  // scale = largest table count 3 / 1
    const TStatRow& one = Row(t, "1");
    EXPECT_EQ(one.Texts[scNorm], "2147483647");
    EXPECT_EQ(one.Texts[scDeviation], "-2147483644");
    EXPECT_EQ(one.Texts[scDeviationPercent], "-100,00000");
    EXPECT_EQ(Row(t, "2").Texts[scNorm], "3");
}

TEST(StatWeight, DefaultsAndSwitches) {
    const TWeightCoefs defaults;
    EXPECT_EQ(StatWeight(defaults, 5, 3, 2, 30, 6, true), 3 - (5 - 2));
    EXPECT_EQ(StatWeight(defaults, 5, 3, 2, 30, 6, false), 3);
    TWeightCoefs k{1, 1, 1, true, true};
    // x = 5*100/50 = 10, y = |(5-10)*100/10| = 50, z = 3*100/6 = 50
    EXPECT_EQ(StatWeight(k, 5, 3, 10, 50, 6, true), 110);
    // Zero guards: total, norm and maximum depth of 0 give 0 parts.
    EXPECT_EQ(StatWeight(k, 5, 3, 0, 0, 0, true), 0);
}

}  // namespace
}  // namespace mv
