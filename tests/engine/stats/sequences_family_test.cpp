// The sequence family: the runs each method finds in a draw, in drawing order and sorted,
// graphs that count falling steps too, gaps between draws when a draw has several runs of one
// length, Matches, the batch path against Matches, and full-set counts against counts made
// here.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "engine/combs/full_set.h"
#include "engine/combs/full_set_files.h"
#include "engine/stats/families/sequences.h"
#include "engine/stats/stat_list.h"
#include "family_fixture.h"

namespace mv {
namespace {

using Nums = std::array<std::uint8_t, 5>;
using Strings = std::vector<std::string>;

const char* const kCodes[] = {"SEQL", "SEQS", "LENS"};

class SequencesFamilyTest : public test::TFamilyTest {
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

TEST_F(SequencesFamilyTest, ValuesOfOneDraw) {
    const Nums falling = {9, 8, 20, 21, 35};
    struct Case {
        Nums nums;
        bool sorted;
        Strings seql, seqs, lens;
    } cases[] = {
        {{1, 2, 3, 10, 20}, false, {"3x1", "1x2"}, {"1x1"}, {"3x1"}},
        {{5, 6, 12, 13, 30}, false, {"2x2", "1x1"}, {"2x1"}, {"2x1"}},
        {{1, 2, 3, 4, 5}, false, {"5x1"}, {"1x1"}, {"5x1"}},
        {{4, 10, 17, 25, 33}, false, {"1x5"}, {"0x1"}, {"1x1"}},
        {{1, 3, 4, 5, 6}, false, {"1x1", "4x1"}, {"1x1"}, {"4x1"}},  // a run to the end
        {{1, 2, 4, 5, 6}, false, {"2x1", "3x1"}, {"2x1"}, {"3x1"}},
        {{30, 31, 32, 33, 1}, false, {"4x1", "1x1"}, {"1x1"}, {"4x1"}},
        // Drawn in this order: 9, 8 is no sequence in the table, 20, 21 is one.
        {falling, false, {"1x3", "2x1"}, {"1x1"}, {"2x1"}},
        {falling, true, {"2x2", "1x1"}, {"2x1"}, {"2x1"}},
        {{21, 20, 19, 18, 17}, false, {"1x5"}, {"0x1"}, {"1x1"}},
        {{21, 20, 19, 18, 17}, true, {"5x1"}, {"1x1"}, {"5x1"}},
    };
    for (const Case& c : cases) {
        const std::string draw = std::to_string(c.nums[0]) + "," + std::to_string(c.nums[1]) +
                                 (c.sorted ? " sorted" : "");
        EXPECT_EQ(DrawValues("SEQL", c.nums, c.sorted), c.seql) << draw;
        EXPECT_EQ(DrawValues("SEQS", c.nums, c.sorted), c.seqs) << draw;
        EXPECT_EQ(DrawValues("LENS", c.nums, c.sorted), c.lens) << draw;
    }
}

// The graphs take a falling step as part of a sequence, so a draw shown in drawing order can
// have more sequences in its graph than in the table; sorted, both agree.
TEST_F(SequencesFamilyTest, GraphsCountFallingStepsToo) {
    struct Case {
        Nums nums;
        int seqs, lens, seqsSorted, lensSorted;
    } cases[] = {
        {{9, 8, 20, 21, 35}, 2, 2, 2, 2},
        {{21, 20, 19, 18, 17}, 1, 5, 1, 5},
        {{7, 8, 30, 6, 5}, 2, 2, 1, 4},  // sorted: 5, 6, 7, 8, 30
        {{4, 10, 17, 25, 33}, 0, 1, 0, 1},
    };
    for (const Case& c : cases) {
        SetDraws({{1, c.nums}});
        auto seqs = Stat("SEQS");
        auto lens = Stat("LENS");
        auto* seqsGraph = dynamic_cast<TCustomGraphStat*>(seqs.get());
        auto* lensGraph = dynamic_cast<TCustomGraphStat*>(lens.get());
        ASSERT_NE(seqsGraph, nullptr);
        ASSERT_NE(lensGraph, nullptr);
        EXPECT_EQ(seqsGraph->DrawGraphValue(0, 0, false), c.seqs) << int{c.nums[0]};
        EXPECT_EQ(lensGraph->DrawGraphValue(0, 0, false), c.lens) << int{c.nums[0]};
        EXPECT_EQ(seqsGraph->DrawGraphValue(0, 0, true), c.seqsSorted) << int{c.nums[0]};
        EXPECT_EQ(lensGraph->DrawGraphValue(0, 0, true), c.lensSorted) << int{c.nums[0]};
    }
}

TEST_F(SequencesFamilyTest, DescriptorsAndEnumeration) {
    struct Case {
        const char* code;
        const char* caption;
        const char* flags;
        Strings enumerated;
    } cases[] = {
        {"SEQL", "Длина последовательности в тираже", "SN", {"1", "2", "3", "4", "5"}},
        {"SEQS", "Количество последовательностей в тираже", "SNG", {"0", "1", "2"}},
        {"LENS", "Макс. длина последовательности в тираже", "SNG", {"1", "2", "3", "4", "5"}},
    };
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        EXPECT_EQ(stat->GetCaption(), c.caption) << c.code;
        EXPECT_EQ(FlagLetters(stat->Class().FullFlags()), c.flags) << c.code;
        EXPECT_EQ(stat->Class().Group, 6) << c.code;
        EXPECT_TRUE(stat->Class().HasValueList) << c.code;
        EXPECT_EQ(stat->SelectionValue("3"), 3) << c.code;
        TStatDrawArray values;
        stat->InitValues(0, values);
        Strings texts;
        for (const auto& v : values) {
            EXPECT_EQ(v.Count, 0) << c.code;
            texts.push_back(stat->ValueText(v));
        }
        EXPECT_EQ(texts, c.enumerated) << c.code;
    }
}

// A draw with several runs of one length is one occurrence of that length for the gaps
// between draws.
TEST_F(SequencesFamilyTest, GapsWhenADrawHasSeveralRunsOfOneLength) {
    SetDraws({{2, {4, 10, 17, 25, 33}}, {5, {1, 2, 3, 10, 20}}, {11, {5, 6, 12, 13, 30}}});
    auto stat = Stat("SEQL");
    const TStatDrawArray values = Window(*stat);
    struct Case {
        int length, count, periodMin, periodMax, lastDraw;
    } cases[] = {{1, 8, 3, 6, 11}, {2, 2, 0, 0, 11}, {3, 1, 0, 0, 5}};
    for (const Case& c : cases) {
        const auto it = std::find_if(values.begin(), values.end(), [&](const TStatValueRec& v) {
            return v.Key == TValueKey::FromK1(c.length);
        });
        ASSERT_NE(it, values.end()) << c.length;
        EXPECT_EQ(it->Count, c.count) << c.length;
        EXPECT_EQ(it->PeriodMin, c.periodMin) << c.length;
        EXPECT_EQ(it->PeriodMax, c.periodMax) << c.length;
        EXPECT_EQ(it->LastDraw, c.lastDraw) << c.length;
    }
}

// Matches and the batch path on single combinations: K1 is compared, the runs follow the
// order of the numbers.
TEST_F(SequencesFamilyTest, MatchesComparesK1) {
    const Nums a = {1, 2, 3, 10, 20};   // runs 3 1 1
    const Nums b = {9, 8, 20, 21, 35};  // runs 1 1 2 1
    const Nums c = {4, 10, 17, 25, 33};
    struct Case {
        const char* code;
        Nums nums;
        int k1, k2;
        bool matches;
    } cases[] = {
        {"SEQL", a, 3, 0, true},  {"SEQL", a, 1, 0, true}, {"SEQL", a, 2, 0, false},
        {"SEQL", b, 2, 0, true},  {"SEQL", c, 1, 7, true}, {"SEQL", c, 5, 0, false},
        {"SEQS", a, 1, 0, true},  {"SEQS", b, 1, 0, true}, {"SEQS", b, 2, 0, false},
        {"SEQS", c, 0, 0, true},  {"SEQS", c, 0, 3, true}, {"LENS", a, 3, 0, true},
        {"LENS", a, 1, 0, false}, {"LENS", b, 2, 0, true}, {"LENS", c, 1, 0, true},
    };
    for (const Case& t : cases) {
        TStatDrawArray selected(1);
        selected[0].Key = TValueKey::FromK1(t.k1);
        selected[0].Key.SetK(2, t.k2);
        auto stat = Stat(t.code);
        stat->LoadDraws(-1, -1, false);
        EXPECT_EQ(stat->Matches(t.nums.data(), selected, false, false, -1), t.matches)
            << t.code << " " << int{t.nums[0]} << " " << t.k1;
        TComb comb;
        comb.Nums = t.nums;
        EXPECT_EQ(stat->PrepareFilter(selected, false, false, -1)->Apply(&comb, 1, true, &comb),
                  t.matches ? 1u : 0u)
            << t.code << " " << int{t.nums[0]} << " " << t.k1;
    }
}

// Every selection of values (all subsets of the enumerated values and a value no
// combination has): the batch path keeps what Matches keeps on the full set and on a part of
// it with the numbers of each combination in another order.
TEST_F(SequencesFamilyTest, BatchPathEqualsMatchesOnFullSet) {
    const std::vector<TComb> full = FullSet();
    std::vector<TComb> shuffledSet;
    std::mt19937 random(23);
    for (std::size_t i = 0; i < full.size(); i += 8) {
        shuffledSet.push_back(full[i]);
        std::shuffle(shuffledSet.back().Nums.begin(), shuffledSet.back().Nums.end(), random);
    }
    const std::vector<TComb>& shuffled = shuffledSet;
    for (const char* code : kCodes) {
        auto stat = Stat(code);
        auto reference = Stat(code);
        reference->LoadDraws(-1, -1, false);
        for (const unsigned subset : {1u, 2u, 5u, 6u, 12u, 17u, 26u}) {
            TStatDrawArray selected;
            for (int v = 0; v <= 5; ++v) {
                if ((subset >> v) & 1u) {
                    selected.push_back(TStatValueRec{});
                    selected.back().Key = TValueKey::FromK1(v);
                }
            }
            selected.push_back(TStatValueRec{});
            selected.back().Key = TValueKey::FromK1(40);
            for (const std::vector<TComb>* list : {&full, &shuffled}) {
                std::vector<TComb> matching, other;
                for (const TComb& c : *list) {
                    (reference->Matches(c.Nums.data(), selected, false, false, -1) ? matching
                                                                                   : other)
                        .push_back(c);
                }
                for (const bool keep : {true, false}) {
                    std::vector<TComb> batch = *list;
                    batch.resize(stat->PrepareFilter(selected, !keep, false, -1)
                                     ->Apply(batch.data(), batch.size(), keep, batch.data()));
                    EXPECT_TRUE(batch == (keep ? matching : other))
                        << code << " subset " << subset << " keep=" << keep;
                }
            }
        }
    }
}

// The full-set counts against counts made here: run lengths found by walking the five
// numbers, and the closed form C(32, 5) of combinations without two consecutive numbers.
TEST_F(SequencesFamilyTest, FullSetCountsMatchPlainLoops) {
    std::map<std::string, std::map<std::uint64_t, int>> expected;
    int combinations = 0;
    for (int a = 1; a <= 36; ++a) {
        for (int b = a + 1; b <= 36; ++b) {
            for (int c = b + 1; c <= 36; ++c) {
                for (int d = c + 1; d <= 36; ++d) {
                    for (int e = d + 1; e <= 36; ++e) {
                        ++combinations;
                        const int n[] = {a, b, c, d, e};
                        std::vector<int> runs;
                        int start = 0;
                        for (int i = 1; i <= 5; ++i) {
                            if (i == 5 || n[i] != n[i - 1] + 1) {
                                runs.push_back(i - start);
                                start = i;
                            }
                        }
                        for (const int r : runs) ++expected["SEQL"][TValueKey::FromK1(r).Raw];
                        const auto sequences =
                            std::count_if(runs.begin(), runs.end(), [](int r) { return r >= 2; });
                        ++expected["SEQS"][TValueKey::FromK1(static_cast<int>(sequences)).Raw];
                        ++expected["LENS"]
                                  [TValueKey::FromK1(*std::max_element(runs.begin(), runs.end()))
                                       .Raw];
                    }
                }
            }
        }
    }
    ASSERT_EQ(combinations, FullSetSize);
    EXPECT_EQ(expected["LENS"][TValueKey::FromK1(1).Raw], 201376);  // C(32, 5)
    EXPECT_EQ(expected["SEQS"][TValueKey::FromK1(0).Raw], 201376);
    EXPECT_EQ(expected["LENS"][TValueKey::FromK1(5).Raw], 32);

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
