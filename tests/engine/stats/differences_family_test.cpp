// The difference family: the values each method takes from a draw, gaps between occurrences
// when a draw yields several values, selection, the batch path against Matches, and the
// full-set counts against counts made here by plain loops.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "engine/combs/full_set.h"
#include "engine/combs/full_set_files.h"
#include "engine/stats/stat_list.h"
#include "family_fixture.h"

namespace mv {
namespace {

using Nums = std::array<std::uint8_t, 5>;
using Strings = std::vector<std::string>;

const char* const kCodes[] = {"DIFA", "DIFM", "DIFD", "DIFO", "DIFK", "KDS2", "KDS3", "KDS4"};

TValueKey Key(std::initializer_list<int> parts) {
    TValueKey key;
    int part = 1;
    for (const int p : parts) key.SetK(part++, p);
    return key;
}

class DifferencesFamilyTest : public test::TFamilyTest {
protected:
    void SetDraws(const std::vector<std::pair<int, Nums>>& draws) {
        m_draws.assign(draws.size(), TDrawRec{});
        for (std::size_t i = 0; i < draws.size(); ++i) {
            m_draws[i].Number = draws[i].first;
            m_draws[i].Nums = draws[i].second;
        }
    }
    // The values one draw adds, as "text x count" in the order they were added.
    Strings DrawValues(const std::string& code, Nums nums, bool sorted) {
        SetDraws({{1, nums}});
        auto stat = Stat(code);
        Strings out;
        for (const auto& v : Window(*stat, sorted)) {
            out.push_back(stat->ValueText(v) + "x" + std::to_string(v.Count));
        }
        return out;
    }
};

TEST_F(DifferencesFamilyTest, ValuesOfOneDraw) {
    const Nums draw = {3, 10, 12, 20, 27};
    const Nums shuffled = {27, 3, 20, 10, 12};
    struct Case {
        const char* code;
        Nums nums;
        bool sorted;
        Strings values;
    } cases[] = {
        {"DIFA", draw, false, {"7x2", "2x1", "8x1"}},
        {"DIFM", draw, false, {"8x1"}},
        {"DIFD", draw, false, {"24x1"}},
        {"DIFO", draw, false, {"7 x 2x1", "2 x 1x1", "8 x 1x1"}},
        {"DIFK", draw, false, {"2x1"}},
        {"KDS2", draw, false, {"7:2x1", "2:8x1", "8:7x1"}},
        {"KDS3", draw, false, {"7:2:8x1", "2:8:7x1"}},
        {"KDS4", draw, false, {"7:2:8:7x1"}},
        // Drawn in another order: the differences follow it, the spread does not.
        {"DIFA", shuffled, false, {"24x1", "17x1", "10x1", "2x1"}},
        {"DIFD", shuffled, false, {"24x1"}},
        {"KDS4", shuffled, false, {"24:17:10:2x1"}},
        {"DIFA", shuffled, true, {"7x2", "2x1", "8x1"}},
        {"KDS2", shuffled, true, {"7:2x1", "2:8x1", "8:7x1"}},
        {"DIFO", {1, 2, 3, 4, 5}, false, {"1 x 4x1"}},
        {"DIFK", {1, 2, 3, 4, 5}, false, {"4x1"}},
        {"DIFK", {1, 2, 4, 7, 11}, false, {"1x1"}},
        {"DIFM", {1, 2, 3, 4, 36}, false, {"32x1"}},
        {"DIFD", {1, 2, 3, 4, 36}, false, {"35x1"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DrawValues(c.code, c.nums, c.sorted), c.values) << c.code << " " << c.sorted;
    }
}

TEST_F(DifferencesFamilyTest, DescriptorsEnumerationAndGraphs) {
    struct Case {
        const char* code;
        const char* flags;
        bool valueList;
        std::size_t enumerated;
    } cases[] = {{"DIFA", "SN", true, 35}, {"DIFM", "SNG", true, 35}, {"DIFD", "NG", true, 35},
                 {"DIFO", "SN", false, 0}, {"DIFK", "SNG", true, 4},  {"KDS2", "S", false, 0},
                 {"KDS3", "S", false, 0},  {"KDS4", "S", false, 0}};
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        EXPECT_EQ(FlagLetters(stat->Class().FullFlags()), c.flags) << c.code;
        EXPECT_EQ(stat->Class().Group, 2) << c.code;
        EXPECT_EQ(stat->Class().HasValueList, c.valueList) << c.code;
        TStatDrawArray values;
        stat->InitValues(0, values);
        ASSERT_EQ(values.size(), c.enumerated) << c.code;
        for (std::size_t i = 0; i < values.size(); ++i) {
            EXPECT_EQ(values[i].Key, TValueKey::FromK1(static_cast<int>(i) + 1)) << c.code;
            EXPECT_EQ(values[i].Count, 0) << c.code;
        }
    }
    EXPECT_EQ(Stat("KDS3")->GetCaption(), "Сочетания из 3 разностей между числами");
    EXPECT_EQ(Stat("DIFO")->SelectionValue("3 x 2"), 0);
    EXPECT_EQ(Stat("DIFA")->SelectionValue("17"), 17);

    SetDraws({{1, {27, 3, 20, 10, 12}}});
    struct Graph {
        const char* code;
        int unsorted, sorted;
    } graphs[] = {{"DIFM", 24, 8}, {"DIFD", 24, 24}, {"DIFK", 1, 2}};
    for (const Graph& g : graphs) {
        auto stat = Stat(g.code);
        auto* graph = dynamic_cast<TCustomGraphStat*>(stat.get());
        ASSERT_NE(graph, nullptr) << g.code;
        EXPECT_EQ(graph->DrawGraphValue(0, 0, false), g.unsorted) << g.code;
        EXPECT_EQ(graph->DrawGraphValue(0, 0, true), g.sorted) << g.code;
    }
}

// A difference that repeats inside one draw must not record a gap of 0, so DIFA and the runs
// measure gaps on a draw's first value only; DIFO's values of one draw are distinct, and it
// measures every one.
TEST_F(DifferencesFamilyTest, GapsWhenADrawAddsSeveralValues) {
    SetDraws({{1, {3, 10, 12, 20, 27}},  // 7 2 8 7
              {2, {1, 8, 9, 20, 21}},    // 7 1 11 1
              {5, {1, 2, 9, 10, 20}}});  // 1 7 1 10
    struct Case {
        const char* code;
        TValueKey key;
        int count, periodMin, periodMax, lastDraw;
    } cases[] = {
        {"DIFA", Key({7}), 4, 1, 1, 5},  // 1 -> 2 measured; the later 7s are not first
        {"DIFA", Key({1}), 4, 3, 3, 5},  // 2 -> 5 measured by draw 5's first difference
        {"DIFA", Key({10}), 1, 0, 0, 5},
        {"KDS2", Key({7, 1}), 2, 0, 0, 5},  // second run of draw 5: not measured
        {"KDS2", Key({7, 2}), 1, 0, 0, 1},
        {"DIFO", Key({7, 1}), 2, 3, 3, 5},  // second value of draw 5, measured
        {"DIFO", Key({1, 2}), 2, 3, 3, 5},
        {"DIFO", Key({7, 2}), 1, 0, 0, 1},
    };
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        const TStatDrawArray values = Window(*stat);
        const auto it = std::find_if(values.begin(), values.end(),
                                     [&](const TStatValueRec& v) { return v.Key == c.key; });
        ASSERT_NE(it, values.end()) << c.code << " " << c.key.Raw;
        EXPECT_EQ(it->Count, c.count) << c.code << " " << c.key.Raw;
        EXPECT_EQ(it->PeriodMin, c.periodMin) << c.code << " " << c.key.Raw;
        EXPECT_EQ(it->PeriodMax, c.periodMax) << c.code << " " << c.key.Raw;
        EXPECT_EQ(it->LastDraw, c.lastDraw) << c.code << " " << c.key.Raw;
    }
}

// Matches and the batch path on single combinations: which key parts take part.
TEST_F(DifferencesFamilyTest, MatchesComparesTheStatedKeyParts) {
    const Nums a = {1, 2, 4, 7, 11};     // 1 2 3 4
    const Nums b = {3, 10, 12, 20, 27};  // 7 2 8 7
    const Nums c = {1, 2, 3, 4, 36};     // 1 1 1 32
    struct Case {
        const char* code;
        Nums nums;
        TValueKey selected;
        bool matches;
    } cases[] = {
        {"DIFA", a, Key({4}), true},  // any one of the four differences
        {"DIFA", a, Key({1}), true},           {"DIFA", a, Key({5}), false},
        {"DIFA", a, Key({4, 9, 9}), true},  // K1 only
        {"DIFM", c, Key({32}), true},          {"DIFM", c, Key({1}), false},
        {"DIFM", c, Key({32, 1}), true},       {"DIFD", c, Key({35}), true},
        {"DIFD", b, Key({24, 0, 0, 5}), true}, {"DIFD", b, Key({17}), false},
        {"DIFK", c, Key({3}), true},           {"DIFK", a, Key({1}), true},
        {"DIFK", b, Key({1}), false},          {"DIFO", b, Key({7, 2}), true},
        {"DIFO", b, Key({8, 1}), true},        {"DIFO", b, Key({7, 1}), false},  // the whole key
        {"DIFO", b, Key({7}), false},          {"DIFO", b, Key({7, 2, 1}), false},
        {"DIFO", c, Key({1, 3}), true},        {"KDS2", b, Key({2, 8}), true},
        {"KDS2", b, Key({8, 7}), true},        {"KDS2", b, Key({8, 2}), false},
        {"KDS2", b, Key({2, 8, 7}), false},    {"KDS3", b, Key({2, 8, 7}), true},
        {"KDS3", b, Key({7, 2, 7}), false},    {"KDS3", b, Key({7, 2}), false},
        {"KDS4", b, Key({7, 2, 8, 7}), true},  {"KDS4", b, Key({7, 2, 8}), false},
        {"KDS4", c, Key({1, 1, 1, 32}), true},
    };
    for (const Case& t : cases) {
        TStatDrawArray selected(1);
        selected[0].Key = t.selected;
        auto stat = Stat(t.code);
        stat->LoadDraws(-1, -1, false);
        EXPECT_EQ(stat->Matches(t.nums.data(), selected, false, false, -1), t.matches)
            << t.code << " " << t.selected.Raw;
        TComb comb;
        comb.Nums = t.nums;
        EXPECT_EQ(stat->PrepareFilter(selected, false, false, -1)->Apply(&comb, 1, true, &comb),
                  t.matches ? 1u : 0u)
            << t.code << " " << t.selected.Raw;
    }
}

// Selections made of the values of a few draws and combinations, with keys no combination
// has mixed in: the batch path keeps exactly what Matches keeps, in both modes.
TEST_F(DifferencesFamilyTest, BatchPathEqualsMatchesOnFullSet) {
    const std::vector<TComb> full = FullSet();
    for (const char* code : kCodes) {
        auto stat = Stat(code);
        TStatDrawArray selected;
        for (const std::size_t k : {250000u, 376000u}) {
            stat->AddCombination(full[k].Nums.data(), selected);
        }
        const Nums unsorted = {30, 2, 17, 9, 33};
        stat->AddCombination(unsorted.data(), selected);
        for (const TValueKey key : {Key({-3}), Key({300}), Key({40, 1, 1, 1}), Key({33, 5})}) {
            selected.push_back(TStatValueRec{});
            selected.back().Key = key;
        }
        for (const bool keep : {true, false}) {
            std::vector<TComb> batch = full;
            batch.resize(stat->PrepareFilter(selected, !keep, false, -1)
                             ->Apply(batch.data(), batch.size(), keep, batch.data()));
            auto reference = Stat(code);
            reference->LoadDraws(-1, -1, false);
            std::vector<TComb> expected;
            for (const TComb& c : full) {
                if (reference->Matches(c.Nums.data(), selected, !keep, false, -1) == keep) {
                    expected.push_back(c);
                }
            }
            // The selection splits the set, so that both modes are put to the test.
            EXPECT_GT(expected.size(), 0u) << code << " keep=" << keep;
            EXPECT_TRUE(batch == expected) << code << " keep=" << keep;
        }
    }
}

// The full-set counts of the methods with a norm, against counts made here from the five
// numbers by plain loops (and, for the spread, the closed form (36 - s) * C(s - 1, 3)).
TEST_F(DifferencesFamilyTest, FullSetCountsMatchPlainLoops) {
    std::map<std::string, std::map<std::uint64_t, int>> expected;
    int combinations = 0;
    for (int a = 1; a <= 36; ++a) {
        for (int b = a + 1; b <= 36; ++b) {
            for (int c = b + 1; c <= 36; ++c) {
                for (int d = c + 1; d <= 36; ++d) {
                    for (int e = d + 1; e <= 36; ++e) {
                        ++combinations;
                        const int diffs[4] = {b - a, c - b, d - c, e - d};
                        int largest = 0;
                        int same = 0;
                        for (const int x : diffs) {
                            ++expected["DIFA"][Key({x}).Raw];
                            largest = std::max(largest, x);
                            const int m = static_cast<int>(std::count(diffs, diffs + 4, x));
                            same = std::max(same, m);
                        }
                        ++expected["DIFM"][Key({largest}).Raw];
                        ++expected["DIFK"][Key({same}).Raw];
                        std::map<int, int> distinct;
                        for (const int x : diffs) ++distinct[x];
                        for (const auto& [x, m] : distinct) ++expected["DIFO"][Key({x, m}).Raw];
                    }
                }
            }
        }
    }
    ASSERT_EQ(combinations, FullSetSize);
    for (int s = 4; s <= 35; ++s) {
        expected["DIFD"][Key({s}).Raw] = (36 - s) * (s - 1) * (s - 2) * (s - 3) / 6;
    }

    const std::vector<TComb> full = FullSet();
    for (const auto& [code, counts] : expected) {
        auto stat = Stat(code);
        const TFullSetCounts made = CountFullSetValues(*stat, full.data(), full.size());
        std::map<std::uint64_t, int> got;
        for (const TStatValueRec& r : made.Records) got[r.Key.Raw] = r.Count;
        EXPECT_EQ(got, counts) << code;
        EXPECT_NO_THROW(CheckFullSetCounts(made, stat->Class())) << code;
    }
}

}  // namespace
}  // namespace mv
