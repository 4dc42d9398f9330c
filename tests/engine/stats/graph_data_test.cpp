#include <gtest/gtest.h>

#include "engine/core/errors.h"
#include "engine/core/text_codec.h"
#include "engine/stats/graph_data.h"
#include "family_fixture.h"

namespace mv::test {
namespace {

TGraphSeries FromValues(std::initializer_list<std::int32_t> values) {
    TGraphSeries s;
    std::int32_t n = 1;
    for (const std::int32_t v : values) s.Values.push_back({n++, v});
    GraphMeanAndMode(s);
    return s;
}

TEST(GraphMeanAndMode, TiesGoToTheValueSeenFirst) {
    struct Case {
        std::initializer_list<std::int32_t> Values;
        double Mean;
        std::int32_t Mode;
    };
    const Case cases[] = {
        {{5, 7, 7, 5}, 6.0, 5},        {{7, 5, 5, 7}, 6.0, 7}, {{1, 2, 2}, 5.0 / 3.0, 2},
        {{-3, -3, 4}, -2.0 / 3.0, -3}, {{}, 0.0, 0},
    };
    for (const Case& c : cases) {
        const TGraphSeries s = FromValues(c.Values);
        EXPECT_DOUBLE_EQ(s.Mean, c.Mean);
        EXPECT_EQ(s.Mode, c.Mode);
    }
}

class GraphSeriesTest : public TFamilyTest {
protected:
    // Draws numbered 101.. whose sums are 15 + k (numbers 1, 2, 3, 4, 5 + k).
    void Fill(std::initializer_list<int> ks) {
        std::int32_t number = 101;
        for (const int k : ks) {
            TDrawRec d;
            d.Number = number++;
            d.Nums = {1, 2, 3, 4, static_cast<std::uint8_t>(5 + k)};
            m_draws.push_back(d);
        }
    }
    TGraphSeries Sums(int offset, int window) {
        return ComputeGraphSeries(m_registry, m_registry.FindMethod("SUMS"), m_draws, offset,
                                  window, false);
    }
};

TEST_F(GraphSeriesTest, WindowEndsAtTheOffsetAndStopsAtTheFirstDraw) {
    Fill({0, 1, 2, 3, 4, 5, 6});
    const TGraphSeries all = Sums(0, 1000);
    ASSERT_EQ(all.Values.size(), 7u);
    EXPECT_EQ(all.Values.front().DrawNumber, 101);
    EXPECT_EQ(all.Values.front().Value, 15);
    EXPECT_DOUBLE_EQ(all.Mean, 18.0);

    // Offset 3: the last plotted draw is the fourth from the end.
    const TGraphSeries shifted = Sums(3, 2);
    ASSERT_EQ(shifted.Values.size(), 2u);
    EXPECT_EQ(shifted.Values[0].DrawNumber, 103);
    EXPECT_EQ(shifted.Values[1].DrawNumber, 104);
    EXPECT_EQ(shifted.Values[1].Value, 18);

    EXPECT_TRUE(Sums(7, 10).Values.empty());
}

TEST_F(GraphSeriesTest, MethodsWithoutGraphAreRefused) {
    Fill({0});
    const int numbers = m_registry.FindMethod("NUMS");
    ASSERT_GE(numbers, 0);
    ASSERT_FALSE(m_registry.Method(numbers).StatClass->HasGraph);
    EXPECT_THROW(ComputeGraphSeries(m_registry, numbers, m_draws, 0, 10, false), EError);
    EXPECT_THROW(ComputeGraphSeries(m_registry, -1, m_draws, 0, 10, false), EError);
}

TEST(ChartLines, TitlesMatchWithoutRegardToCase) {
    TChartLines chart;
    bool created = false;
    EXPECT_EQ(chart.AddGraphPoint(10, "Сумма", 1.5, true, true, 0xFF0000, &created), 0u);
    EXPECT_TRUE(created);
    EXPECT_EQ(chart.AddGraphPoint(11, "сумма", 2.5, false, false, 0, &created), 0u);
    EXPECT_FALSE(created);
    EXPECT_EQ(chart.AddGraphPoint(11, "Прибыль", 3, false, false, 0, &created), 1u);
    EXPECT_TRUE(created);

    const TChartLine& sum = chart.Lines()[0];
    EXPECT_EQ(sum.Title, "Сумма");
    EXPECT_EQ(sum.Colour, 0xFF0000u);  // the first call decides the look
    ASSERT_EQ(sum.Points.size(), 2u);
    EXPECT_EQ(sum.Points[1].Label, "11");
    EXPECT_DOUBLE_EQ(sum.Points[1].Y, 2.5);

    // The marks box reaches only lines created with visible labels.
    chart.SetMarksVisible(false);
    EXPECT_FALSE(chart.Lines()[0].LabelsVisible);
    chart.SetMarksVisible(true);
    EXPECT_TRUE(chart.Lines()[0].LabelsVisible);
    EXPECT_FALSE(chart.Lines()[1].LabelsVisible);
}

TEST(TextCodec, EqualsNoCaseUtf8) {
    EXPECT_TRUE(EqualsNoCaseUtf8("Ёлка Tree", "ёЛКА tree"));
    EXPECT_FALSE(EqualsNoCaseUtf8("Сумма", "Сумм"));
    // Characters outside Windows-1251 must not all fold into "?".
    EXPECT_FALSE(EqualsNoCaseUtf8("\xE2\x86\x91", "\xE2\x86\x93"));
    EXPECT_TRUE(EqualsNoCaseUtf8("\xE2\x86\x91", "\xE2\x86\x91"));
}

}  // namespace
}  // namespace mv::test
