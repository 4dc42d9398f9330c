// The sum family: the values each method takes from a draw (the change methods against the
// window's latest draw), texts and captions, Matches, the batch path against Matches on the
// whole set of combinations, and full-set counts against a plain count.
#include <gtest/gtest.h>

#include <map>

#include "engine/combs/full_set.h"
#include "engine/combs/full_set_files.h"
#include "engine/core/game.h"
#include "engine/stats/families/sums.h"
#include "engine/stats/stat_list.h"
#include "family_fixture.h"

namespace mv {
namespace {

using Nums = std::array<std::uint8_t, 5>;
using Strings = std::vector<std::string>;

// Five distinct numbers of 1..36 with the sum s (25..170).
Nums WithSum(int s) {
    const int x = (s - 10) / 5;
    const int r = (s - 10) % 5;
    return {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(x + 1),
            static_cast<std::uint8_t>(x + 2), static_cast<std::uint8_t>(x + 3),
            static_cast<std::uint8_t>(x + 4 + r)};
}

TStatValueRec Selected(std::int32_t k1k2, std::int32_t k3k4 = 0) {
    TStatValueRec v;
    v.Key.SetK1K2(k1k2);
    v.Key.SetK3K4(k3k4);
    return v;
}

class SumsFamilyTest : public test::TFamilyTest {
protected:
    void SetDraws(const std::vector<Nums>& draws) {
        m_draws.assign(draws.size(), TDrawRec{});
        for (std::size_t i = 0; i < draws.size(); ++i) {
            m_draws[i].Number = static_cast<std::int32_t>(i + 1);
            m_draws[i].Nums = draws[i];
        }
    }
    // The table of a method over the whole archive as "text x count" in key order.
    Strings WindowValues(const std::string& code) {
        auto stat = Stat(code);
        TStatDrawArray values = Window(*stat);
        SortByKey(values);
        Strings out;
        for (const auto& v : values) {
            out.push_back(stat->ValueText(v) + "x" + std::to_string(v.Count));
        }
        return out;
    }
};

TEST_F(SumsFamilyTest, ClassesTheirCodesCaptionsAndFlags) {
    struct Case {
        const char* code;
        const char* caption;
        const char* flags;
        bool valueList;
    } cases[] = {
        {"SUMS", "Сумма тиража: все значения", "NG", true},
        {"SUM1", "Сумма тиража: диапазон 1 (1/3)", "NG", false},
        {"SUM2", "Сумма тиража: диапазон 2 (1/2)", "NG", false},
        {"SUM3", "Сумма тиража: диапазон 3 (2/3)", "NG", false},
        {"SUMC", "Сумма тиража: изменения (точно)", "DG", false},
        {"SUMV", "Сумма тиража: изменения (диапазон)", "D", false},
        {"SUMT", "Сумма тиража: направление изменения", "DG", false},
        {"SUME", "Сумма тиража: только четные", "NG", true},
        {"SUMP", "Сумма тиража: только простые", "NG", true},
        {"S2T3", "Сумма двух чисел тиража равна третьему числу", "NG", true},
    };
    int previous = -1;
    for (const Case& c : cases) {
        const int i = m_registry.FindMethod(c.code);
        ASSERT_GE(i, 0) << c.code;
        EXPECT_GT(i, previous) << c.code << " keeps its place in the list";
        previous = i;
        const TStatMethod& method = m_registry.Method(i);
        EXPECT_EQ(method.StatClass->Group, 1) << c.code;
        EXPECT_EQ(m_registry.MethodName(method), c.caption) << c.code;
        EXPECT_EQ(FlagLetters(method.StatClass->FullFlags()), c.flags) << c.code;
        EXPECT_EQ(method.StatClass->HasValueList, c.valueList) << c.code;
    }
    EXPECT_LT(m_registry.FindMethod("PRMV"), m_registry.FindMethod("SUMS"));
    EXPECT_GT(m_registry.FindMethod("POS1"), m_registry.FindMethod("S2T3"));
    EXPECT_EQ(m_registry.FindMethod("SUM4"), -1);
}

TEST_F(SumsFamilyTest, ValuesOfOneDraw) {
    struct Case {
        const char* code;
        Nums nums;
        Strings values;
    } cases[] = {
        {"SUMS", {1, 2, 3, 4, 5}, {"15x1"}},
        {"SUME", {1, 2, 3, 4, 5}, {"6x1"}},
        {"SUMP", {1, 2, 3, 4, 5}, {"11x1"}},  // 1, 2, 3 and 5
        {"S2T3", {1, 2, 3, 4, 5}, {"4x1"}},   // 1+2=3, 1+3=4, 1+4=5, 2+3=5
        {"S2T3", {5, 10, 15, 20, 25}, {"4x1"}},
        {"S2T3", {25, 5, 20, 15, 10}, {"4x1"}},  // order does not matter
        {"S2T3", {1, 2, 4, 8, 16}, {"0x1"}},
        {"SUM1", {1, 2, 3, 4, 5}, {"Остальныеx1"}},
        {"SUM1", {32, 33, 34, 35, 36}, {"Остальныеx1"}},
        {"SUM1", {1, 2, 3, 4, 49 - 10}, {"Остальныеx1"}},
        {"SUM1", WithSum(59), {"59-127x1"}},
        {"SUM1", WithSum(127), {"59-127x1"}},
        {"SUM1", WithSum(128), {"Остальныеx1"}},
        {"SUM2", WithSum(65), {"Остальныеx1"}},
        {"SUM2", WithSum(66), {"66-119x1"}},
        {"SUM3", WithSum(113), {"72-113x1"}},
        {"SUM3", WithSum(114), {"Остальныеx1"}},
        {"SUME", {2, 4, 6, 8, 36}, {"56x1"}},
        {"SUMP", {4, 6, 8, 9, 10}, {"0x1"}},
    };
    for (const Case& c : cases) {
        SetDraws({c.nums});
        EXPECT_EQ(WindowValues(c.code), c.values) << c.code << " " << DrawSum(m_draws[0]);
    }
}

TEST_F(SumsFamilyTest, ChangesFollowDrawsLikeTheLatest) {
    struct Case {
        std::vector<int> sums;  // of the archive's draws; the last one is the latest
        const char* code;
        Strings values;
    } cases[] = {
        // 90 -> 100 follows a sum equal to the latest (90); 100 -> 80 and 80 -> 90 do not.
        {{90, 100, 80, 90}, "SUMC", {"+10 : 90 + 10 = 100x1"}},
        {{90, 100, 80, 90}, "SUMT", {"+x1"}},
        // Within 15 of 90: 90 (twice, +10 each) and 100 (-20); the first draw follows 0.
        {{90, 100, 80, 90}, "SUMV", {"+10x2", "- 20x1"}},
        {{100, 95, 112}, "SUMV", {"- 05x1"}},
        {{90, 85, 90}, "SUMC", {"- 05 : 90 - 5 = 85x1"}},
        {{90, 85, 90}, "SUMT", {"-x1"}},
        {{90, 90, 90}, "SUMT", {"=x2"}},
        {{90, 90, 90}, "SUMC", {"+00 : 90 + 0 = 90x2"}},
        // No draw with the latest draw's sum before another: empty tables.
        {{50, 60, 90}, "SUMC", {}},
        {{50, 60, 90}, "SUMT", {}},
        {{50, 60, 90}, "SUMV", {}},
        // The first draw follows a sum of 0, which no latest draw has.
        {{90}, "SUMC", {}},
        {{25}, "SUMV", {}},
    };
    for (const Case& c : cases) {
        std::vector<Nums> draws;
        for (const int s : c.sums) draws.push_back(WithSum(s));
        SetDraws(draws);
        EXPECT_EQ(WindowValues(c.code), c.values) << c.code << " " << c.sums.size();
    }
}

TEST_F(SumsFamilyTest, EnumeratedValuesAndTexts) {
    struct Case {
        const char* code;
        std::vector<std::int32_t> keys;  // K1K2 of the enumerated values, in order
    } cases[] = {{"SUM2", {0, 1}}, {"SUMT", {0, 1, -1}}, {"SUMC", {}}, {"SUMV", {}},
                 {"SUME", {}},     {"SUMP", {}},         {"S2T3", {}}};
    for (const Case& c : cases) {
        TStatDrawArray values;
        Stat(c.code)->InitValues(0, values);
        std::vector<std::int32_t> keys;
        for (const auto& v : values) keys.push_back(v.Key.K1K2());
        EXPECT_EQ(keys, c.keys) << c.code;
    }
    TStatDrawArray sums;
    Stat("SUMS")->InitValues(0, sums);
    ASSERT_EQ(sums.size(), 156u);
    EXPECT_EQ(sums.front().Key.Raw, 15u);
    EXPECT_EQ(sums.back().Key.Raw, 170u);

    EXPECT_EQ(Stat("SUMT")->ValueText(Selected(1)), "+");
    EXPECT_EQ(Stat("SUMT")->ValueText(Selected(0)), "=");
    EXPECT_EQ(Stat("SUMV")->ValueText(Selected(0)), "+00");
    EXPECT_EQ(Stat("SUMV")->ValueText(Selected(-123)), "- 123");
    EXPECT_EQ(Stat("SUMC")->ValueText(Selected(15, 170)), "+155 : 15 + 155 = 170");
    EXPECT_EQ(Stat("SUMS")->ValueText(Selected(101)), "101");
    // Without a value list a row's text does not select by value.
    EXPECT_EQ(Stat("SUMT")->SelectionValue("+"), 0);
    EXPECT_EQ(Stat("SUMS")->SelectionValue("101"), 101);
}

TEST_F(SumsFamilyTest, GraphValues) {
    SetDraws({WithSum(90), WithSum(100), WithSum(80), {1, 2, 3, 4, 5}});
    struct Case {
        const char* code;
        int drawIndex;
        std::int32_t value;
    } cases[] = {
        {"SUMS", 1, 100}, {"SUMC", 0, 90}, {"SUMC", 1, 10}, {"SUMC", 2, -20},
        {"SUMT", 0, 1},   {"SUMT", 2, -1}, {"SUM1", 1, 1},  {"SUM1", 3, 0},
        {"SUME", 3, 6},   {"SUMP", 3, 11}, {"S2T3", 3, 4},
    };
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        auto* graph = dynamic_cast<TCustomGraphStat*>(stat.get());
        ASSERT_NE(graph, nullptr) << c.code;
        EXPECT_EQ(graph->DrawGraphValue(c.drawIndex, 0, false), c.value)
            << c.code << " " << c.drawIndex;
    }
    EXPECT_EQ(dynamic_cast<TCustomGraphStat*>(Stat("SUMV").get()), nullptr);
}

TEST_F(SumsFamilyTest, Matches) {
    SetDraws({WithSum(80), WithSum(90)});  // the latest sum is 90
    struct Case {
        const char* code;
        TStatDrawArray selected;
        Nums comb;
        bool matches;
    } cases[] = {
        {"SUMS", {Selected(15)}, {1, 2, 3, 4, 5}, true},
        {"SUMS", {Selected(16)}, {1, 2, 3, 4, 5}, false},
        {"SUMS", {Selected(15, 1)}, {1, 2, 3, 4, 5}, false},  // K3 must be 0
        {"SUME", {Selected(6)}, {1, 2, 3, 4, 5}, true},
        {"SUMP", {Selected(11)}, {1, 2, 3, 4, 5}, true},
        {"S2T3", {Selected(4)}, {5, 10, 15, 20, 25}, true},
        {"S2T3", {Selected(0)}, {5, 10, 15, 20, 25}, false},
        // The range row keeps the sums inside, alone or with the other row; else outside.
        {"SUM1", {Selected(1)}, WithSum(100), true},
        {"SUM1", {Selected(1)}, WithSum(40), false},
        {"SUM1", {Selected(0)}, WithSum(40), true},
        {"SUM1", {Selected(0)}, WithSum(100), false},
        {"SUM1", {Selected(0), Selected(1)}, WithSum(100), true},
        {"SUM1", {Selected(0), Selected(1)}, WithSum(40), false},
        {"SUM1", {}, WithSum(40), true},
        // The change methods judge a combination as the draw after the latest.
        {"SUMC", {Selected(90, 100)}, WithSum(100), true},
        {"SUMC", {Selected(90, 100)}, WithSum(101), false},
        {"SUMT", {Selected(1)}, WithSum(91), true},
        {"SUMT", {Selected(1)}, WithSum(90), false},
        {"SUMT", {Selected(0)}, WithSum(90), true},
        {"SUMT", {Selected(-1)}, WithSum(89), true},
        {"SUMV", {Selected(-20)}, WithSum(70), true},
        {"SUMV", {Selected(-20)}, WithSum(110), false},
        {"SUMV", {Selected(20)}, WithSum(110), true},
    };
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        stat->LoadDraws(-1, 1, false);
        EXPECT_EQ(stat->Matches(c.comb.data(), c.selected, false, false, 1), c.matches)
            << c.code << " " << NumbersSum(c.comb);
    }
}

// Hand-made selections of every class of the family, both modes: the batch path keeps exactly
// what Matches keeps, over the whole set of combinations.
TEST_F(SumsFamilyTest, BatchPathEqualsMatchesOnFullSet) {
    SetDraws({WithSum(80), WithSum(90), WithSum(100)});  // the latest sum is 100
    const std::vector<TComb> full = FullSet();
    const std::map<std::string, std::vector<TStatDrawArray>> selections = {
        {"SUMS", {{Selected(15)}, {Selected(100), Selected(101), Selected(170)}, {}}},
        {"SUM1", {{Selected(1)}, {Selected(0)}, {Selected(0), Selected(1)}}},
        {"SUM3", {{Selected(1)}, {Selected(0)}}},
        {"SUMC", {{Selected(100, 90)}, {Selected(100, 60), Selected(100, 130)}}},
        {"SUMV", {{Selected(-10)}, {Selected(0), Selected(15), Selected(-70)}}},
        {"SUMT", {{Selected(1)}, {Selected(0), Selected(-1)}}},
        {"SUME", {{Selected(0)}, {Selected(40), Selected(60)}}},
        {"SUMP", {{Selected(11)}, {Selected(0), Selected(31)}}},
        {"S2T3", {{Selected(0)}, {Selected(1), Selected(3)}}},
    };
    for (const auto& [code, list] : selections) {
        for (std::size_t k = 0; k < list.size(); ++k) {
            const TStatDrawArray& selected = list[k];
            for (const bool keep : {true, false}) {
                auto stat = Stat(code);
                std::vector<TComb> batch = full;
                batch.resize(stat->PrepareFilter(selected, !keep, false, 2)
                                 ->Apply(batch.data(), batch.size(), keep, batch.data()));
                auto reference = Stat(code);
                reference->LoadDraws(-1, 2, false);
                std::vector<TComb> expected;
                for (const TComb& c : full) {
                    if (reference->Matches(c.Nums.data(), selected, !keep, false, 2) == keep) {
                        expected.push_back(c);
                    }
                }
                if (!selected.empty()) {  // a selection that keeps something
                    EXPECT_GT(expected.size(), 0u) << code << " " << k << " keep=" << keep;
                }
                EXPECT_TRUE(batch == expected) << code << " " << k << " keep=" << keep;
            }
        }
    }
}

// The comparison counts of a few methods equal a plain count over all combinations, and pass
// the check of values per combination.
TEST_F(SumsFamilyTest, FullSetCountsEqualAPlainCount) {
    const std::vector<TComb> full = FullSet();
    struct Case {
        const char* code;
        int (*value)(const TComb&);
    } cases[] = {
        {"SUMS", [](const TComb& c) { return NumbersSum(c.Nums); }},
        {"SUM2",
         [](const TComb& c) {
             const int s = NumbersSum(c.Nums);
             return s >= 66 && s <= 119 ? 1 : 0;
         }},
        {"SUME",
         [](const TComb& c) {
             int s = 0;
             for (const int n : c.Nums) s += n % 2 == 0 ? n : 0;
             return s;
         }},
        {"S2T3",
         [](const TComb& c) {
             int count = 0;
             for (int i = 0; i < 5; ++i) {
                 for (int j = 0; j < 5; ++j) {
                     for (int k = 0; k < 5; ++k) {
                         if (i != j && i != k && j < k && c.Nums[j] + c.Nums[k] == c.Nums[i]) {
                             ++count;
                         }
                     }
                 }
             }
             return count;
         }},
    };
    for (const Case& c : cases) {
        std::map<int, std::int32_t> plain;
        for (const TComb& comb : full) ++plain[c.value(comb)];
        auto stat = Stat(c.code);
        const TFullSetCounts counts = CountFullSetValues(*stat, full.data(), full.size());
        std::map<int, std::int32_t> got;
        for (const auto& r : counts.Records) {
            EXPECT_EQ(r.Key.K3K4(), 0) << c.code;
            got[r.Key.K1K2()] = r.Count;
        }
        EXPECT_EQ(got, plain) << c.code;
        EXPECT_NO_THROW(CheckFullSetCounts(counts, stat->Class())) << c.code;
    }
    // Known totals: 156 sums, symmetric around 92.5.
    auto sums = Stat("SUMS");
    const TFullSetCounts counts = CountFullSetValues(*sums, full.data(), full.size());
    ASSERT_EQ(counts.Records.size(), 156u);
    EXPECT_EQ(counts.Records.front().Count, 1);
    EXPECT_EQ(counts.Records.front().Count, counts.Records.back().Count);
}

}  // namespace
}  // namespace mv
