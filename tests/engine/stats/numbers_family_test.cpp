// The number family: the values each method takes from one draw, its texts, and filtering,
// through the batch path checked against Matches on the whole set of combinations.
#include <gtest/gtest.h>

#include "engine/combs/full_set.h"
#include "engine/stats/stat_list.h"
#include "family_fixture.h"

namespace mv {
namespace {

class NumbersFamilyTest : public test::TFamilyTest {
protected:
    // The values a method adds for one draw, as "text x count" in key order.
    std::vector<std::string> DrawValues(const std::string& code, std::array<std::uint8_t, 5> nums,
                                        bool sorted = false) {
        m_draws.assign(1, TDrawRec{});
        m_draws[0].Number = 1;
        m_draws[0].Nums = nums;
        m_draws[0].Extra = 9;
        auto stat = Stat(code);
        TStatDrawArray values;
        TLastValueArray last;
        TStatScratch scratch{};
        stat->AddDraw(0, 0, last, scratch, values, sorted);
        SortByKey(values);
        std::vector<std::string> out;
        for (const auto& v : values) out.push_back(stat->ValueText(v) + "x" + std::to_string(v.Count));
        return out;
    }
};

using Strings = std::vector<std::string>;

TEST_F(NumbersFamilyTest, ValuesOfOneDraw) {
    struct Case {
        const char* code;
        std::array<std::uint8_t, 5> nums;
        bool sorted;
        Strings values;
    } cases[] = {
        {"NUMS", {1, 2, 3, 4, 5}, false, {"1x1", "2x1", "3x1", "4x1", "5x1"}},
        {"EVEN", {1, 2, 3, 4, 5}, false, {"2:3x1"}},
        {"PRIM", {1, 2, 3, 4, 5}, false, {"4:1x1"}},
        {"SMAL", {1, 2, 3, 4, 5}, false, {"5:0x1"}},
        {"PRMV", {1, 2, 3, 4, 5}, false, {"ПППСП (029)x1"}},
        {"DIGS", {10, 20, 30, 31, 36}, false, {"0x3", "1x2", "2x1", "3x3", "6x1"}},
        {"EVNV", {2, 4, 6, 8, 10}, false, {"ЧЧЧЧЧ (000)x1"}},
        {"SMLV", {36, 1, 19, 2, 20}, false, {"21212 (021)x1"}},
        {"SMLV", {36, 1, 19, 2, 20}, true, {"11222 (007)x1"}},
        {"POS5", {30, 3, 36, 17, 22}, true, {"36x1"}},
        {"POS5", {30, 3, 36, 17, 22}, false, {"22x1"}},
        {"POE1", {30, 3, 36, 17, 22}, false, {"9x1"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DrawValues(c.code, c.nums, c.sorted), c.values) << c.code;
    }
}

TEST_F(NumbersFamilyTest, EnumeratedValuesAndTexts) {
    struct Case {
        const char* code;
        std::size_t enumerated;
    } cases[] = {{"NUMS", 36}, {"DIGS", 0}, {"EVEN", 5}, {"EVNV", 32}, {"SMAL", 5},
                 {"SMLV", 0},  {"PRIM", 5}, {"PRMV", 32}, {"POS1", 36}, {"POE1", 0}};
    for (const Case& c : cases) {
        TStatDrawArray values;
        Stat(c.code)->InitValues(0, values);
        EXPECT_EQ(values.size(), c.enumerated) << c.code;
        for (const auto& v : values) EXPECT_EQ(v.Count, 0);
    }
    auto even = Stat("EVEN");
    EXPECT_EQ(even->ParseValue("2:3"), 2);
    EXPECT_EQ(even->SelectionValue("2:3"), 2);
    auto pattern = Stat("EVNV");
    for (int p = 0; p < 32; ++p) {
        TStatValueRec v;
        v.Key.SetK1K2(p);
        EXPECT_EQ(pattern->ParseValue(pattern->ValueText(v)), p);
    }
    EXPECT_EQ(Stat("NUMS")->ParseValue("x"), 0);
}

TEST_F(NumbersFamilyTest, GraphValues) {
    m_draws.assign(1, TDrawRec{});
    m_draws[0].Number = 1;
    m_draws[0].Nums = {30, 3, 36, 17, 22};
    m_draws[0].Extra = 9;
    auto pos = Stat("POS2");
    auto* graph = dynamic_cast<TCustomGraphStat*>(pos.get());
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->DrawGraphValue(0, 0, false), 3);
    EXPECT_EQ(graph->DrawGraphValue(0, 0, true), 17);
    auto extra = Stat("POE1");
    EXPECT_EQ(dynamic_cast<TCustomGraphStat*>(extra.get())->DrawGraphValue(0, 0, false), 9);
    auto even = Stat("EVEN");
    EXPECT_EQ(dynamic_cast<TCustomGraphStat*>(even.get())->DrawGraphValue(0, 0, false), 3);
}

// For every method of the list, several selections, both modes: the batch path keeps exactly
// the combinations that per-combination Matches keeps.
TEST_F(NumbersFamilyTest, BatchPathEqualsMatchesOnFullSet) {
    m_draws.assign(3, TDrawRec{});
    for (int i = 0; i < 3; ++i) {
        m_draws[i].Number = i + 1;
        m_draws[i].Nums = {static_cast<std::uint8_t>(i + 1), 12, 23, 30, 35};
    }
    const std::vector<TComb> full = FullSet();
    for (int m = 0; m < m_registry.MethodCount(); ++m) {
        const std::string code = TStatList::MethodCode(m_registry.Method(m));
        auto stat = m_registry.CreateStat(m_registry.Method(m));
        // Selections: the values of two combinations, and an arbitrary key outside the range.
        TStatDrawArray selected;
        stat->AddCombination(full[12345].Nums.data(), selected);
        stat->AddCombination(full[300000].Nums.data(), selected);
        TStatValueRec odd;
        odd.Key.SetK(1, 400);
        selected.push_back(odd);
        for (const bool keep : {true, false}) {
            std::vector<TComb> batch = full;
            auto filter = stat->PrepareFilter(selected, !keep, false, 2);
            batch.resize(filter->Apply(batch.data(), batch.size(), keep, batch.data()));

            auto reference = m_registry.CreateStat(m_registry.Method(m));
            reference->LoadDraws(-1, 2, false);
            std::vector<TComb> expected;
            for (const TComb& c : full) {
                if (reference->Matches(c.Nums.data(), selected, !keep, false, 2) == keep) {
                    expected.push_back(c);
                }
            }
            EXPECT_EQ(batch.size(), expected.size()) << code << " keep=" << keep;
            EXPECT_TRUE(batch == expected) << code << " keep=" << keep;
        }
    }
}

TEST_F(NumbersFamilyTest, FilterEdgeCases) {
    const std::vector<TComb> full = FullSet();
    // Pattern 0 of EVNV (all even): exactly the C(18,5) all-even combinations.
    auto even = Stat("EVNV");
    TStatDrawArray allEven(1);
    allEven[0].Key.SetK1K2(0);
    auto filter = even->PrepareFilter(allEven, false, false, -1);
    std::vector<TComb> list = full;
    EXPECT_EQ(filter->Apply(list.data(), list.size(), true, list.data()), 8568u);
    list = full;
    EXPECT_EQ(filter->Apply(list.data(), list.size(), false, list.data()),
              static_cast<std::size_t>(FullSetSize - 8568));
    // The extra number never filters: keep empties the list, delete keeps it whole.
    auto extra = Stat("POE1");
    TStatDrawArray nine(1);
    nine[0].Key = TValueKey::FromK1(9);
    list = full;
    EXPECT_EQ(extra->PrepareFilter(nine, false, false, -1)->Apply(list.data(), list.size(), true,
                                                                 list.data()),
              0u);
    list = full;
    EXPECT_EQ(extra->PrepareFilter(nine, true, false, -1)->Apply(list.data(), list.size(), false,
                                                                list.data()),
              static_cast<std::size_t>(FullSetSize));
}

}  // namespace
}  // namespace mv
