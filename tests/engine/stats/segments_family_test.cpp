// The segment family: the values each method takes from a draw under the default layout and
// under others, texts, captions and index ranges that follow the layout, gaps between draws
// when a draw yields a value several times, Matches, the batch path against Matches on the
// whole set of combinations, and full-set counts against counts made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "engine/combs/full_set.h"
#include "engine/combs/full_set_files.h"
#include "engine/core/game.h"
#include "engine/stats/families/segments.h"
#include "engine/stats/stat_list.h"
#include "engine/support/config_file.h"
#include "family_fixture.h"

namespace mv {
namespace {

using Nums = std::array<std::uint8_t, 5>;
using Strings = std::vector<std::string>;

const char* const kCodes[] = {"SGMS", "SGMV", "SGMC", "SGM1", "SGM2", "SGM3",
                              "KGM2", "KGM3", "KGM4", "KGS2", "KGS3", "KGS4"};

// Layouts as the configuration stores them: digit i is the segment of number i + 1.
const char* const kDefault = "";
const char* const kHalves = "111111111111111111222222222222222222";  // 1..18, 19..36
const std::string kOnlyOneAndNine = std::string(35, '1') + "9";
// Three segments of different sizes met in the order 3, 1, 2: segment 3 holds 1..12 and
// 34..36, segment 1 holds 13..24, segment 2 holds 25..33.
const std::string kThree =
    std::string(12, '3') + std::string(12, '1') + std::string(9, '2') + std::string(3, '3');

TValueKey Key(std::initializer_list<int> parts) {
    TValueKey key;
    int part = 1;
    for (const int p : parts) key.SetK(part++, p);
    return key;
}

class SegmentsFamilyTest : public test::TFamilyTest {
protected:
    void SetLayout(const std::string& layout) {
        m_registry.Config().MatrixSegments = ParseSegmentsText(layout);
        m_registry.BuildMethods();
    }
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
    Strings Codes() const {
        Strings codes;
        for (int i = 0; i < m_registry.MethodCount(); ++i) {
            const TStatMethod& m = m_registry.Method(i);
            if (m.StatClass->Group == 5) codes.push_back(TStatList::MethodCode(m));
        }
        return codes;
    }
};

TEST_F(SegmentsFamilyTest, ValuesOfOneDraw) {
    const Nums draw = {3, 19, 20, 30, 36};
    const Nums shuffled = {30, 3, 19, 36, 20};
    struct Case {
        std::string layout;
        const char* code;
        Nums nums;
        bool sorted;
        Strings values;
    } cases[] = {
        // Every number in segment 1.
        {kDefault, "SGMS", draw, false, {"1x5"}},
        {kDefault, "SGMV", draw, false, {"1 x 5x1"}},
        {kDefault, "SGMC", draw, false, {"1x1"}},
        {kDefault, "SGM1", draw, false, {"5x1"}},
        {kDefault, "KGM2", draw, false, {"1:1x10"}},
        {kDefault, "KGM3", draw, false, {"1:1:1x10"}},
        {kDefault, "KGM4", draw, false, {"1:1:1:1x5"}},
        {kDefault, "KGS2", draw, false, {"1:1x4"}},
        {kDefault, "KGS4", draw, false, {"1:1:1:1x2"}},
        // 1..18 and 19..36.
        {kHalves, "SGMS", draw, false, {"1x1", "2x4"}},
        {kHalves, "SGMV", draw, false, {"1 x 1x1", "2 x 4x1"}},
        {kHalves, "SGMC", draw, false, {"2x1"}},
        {kHalves, "SGM1", draw, false, {"1x1"}},
        {kHalves, "SGM2", draw, false, {"4x1"}},
        {kHalves, "KGM2", draw, false, {"1:2x4", "2:2x6"}},
        {kHalves, "KGM3", draw, false, {"1:2:2x6", "2:2:2x4"}},
        {kHalves, "KGM4", draw, false, {"1:2:2:2x4", "2:2:2:2x1"}},
        {kHalves, "KGS2", draw, false, {"1:2x1", "2:2x3"}},
        {kHalves, "KGS3", draw, false, {"1:2:2x1", "2:2:2x2"}},
        {kHalves, "KGS4", draw, false, {"1:2:2:2x1", "2:2:2:2x1"}},
        {kHalves, "SGMV", {1, 2, 3, 4, 5}, false, {"1 x 5x1", "2 x 0x1"}},
        {kHalves, "SGMC", {1, 2, 3, 4, 5}, false, {"1x1"}},
        {kHalves, "SGM2", {1, 2, 3, 4, 5}, false, {"0x1"}},
        // Drawn in another order: the combinations follow it, the rest does not.
        {kHalves, "KGS2", shuffled, false, {"2:1x1", "1:2x1", "2:2x2"}},
        {kHalves, "KGM2", shuffled, false, {"2:1x1", "2:2x6", "1:2x3"}},
        {kHalves, "KGS2", shuffled, true, {"1:2x1", "2:2x3"}},
        {kHalves, "SGMS", shuffled, false, {"2x4", "1x1"}},
        {kHalves, "SGMV", shuffled, false, {"1 x 1x1", "2 x 4x1"}},
        // Segments follow the layout's order of first appearance, empty ones included.
        {kThree, "SGMV", {1, 2, 13, 30, 31}, false, {"3 x 2x1", "1 x 1x1", "2 x 2x1"}},
        {kThree, "SGMV", {1, 2, 3, 34, 36}, false, {"3 x 5x1", "1 x 0x1", "2 x 0x1"}},
        {kThree, "SGMS", {1, 2, 13, 30, 31}, false, {"3x2", "1x1", "2x2"}},
        {kThree, "SGMC", {1, 2, 13, 30, 31}, false, {"3x1"}},
        {kThree, "KGS3", {1, 2, 13, 30, 31}, false, {"3:3:1x1", "3:1:2x1", "1:2:2x1"}},
        {kOnlyOneAndNine, "SGM9", {1, 2, 3, 4, 36}, false, {"1x1"}},
        {kOnlyOneAndNine, "SGM5", {1, 2, 3, 4, 36}, false, {"0x1"}},
        {kOnlyOneAndNine, "SGMC", {1, 2, 3, 4, 36}, false, {"2x1"}},
    };
    for (const Case& c : cases) {
        SetLayout(c.layout);
        EXPECT_EQ(DrawValues(c.code, c.nums, c.sorted), c.values)
            << c.layout << " " << c.code << " " << c.sorted;
    }
}

TEST_F(SegmentsFamilyTest, DescriptorsEnumerationAndGraphs) {
    struct Case {
        const char* code;
        const char* caption;
        const char* flags;
        bool valueList;
    } cases[] = {
        {"SGMS", "Сегменты матрицы", "N", true},
        {"SGMV", "Количество чисел в сегменте матрицы", "N", false},
        {"SGMC", "Количество не пустых сегментов в матрице", "NG", true},
        {"SGM1", "Количество чисел в 1 сегменте матрицы", "NG", true},
        {"KGM2", "Сочетания из 2 сегментов по всем числам тиража", "S", false},
        {"KGM3", "Сочетания из 3 сегментов по всем числам тиража", "S", false},
        {"KGM4", "Сочетания из 4 сегментов по всем числам тиража", "S", false},
        {"KGS2", "Сочетания из 2 сегментов по соседним числам", "S", false},
        {"KGS3", "Сочетания из 3 сегментов по соседним числам", "S", false},
        {"KGS4", "Сочетания из 4 сегментов по соседним числам", "S", false},
    };
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        EXPECT_EQ(stat->GetCaption(), c.caption) << c.code;
        EXPECT_EQ(FlagLetters(stat->Class().FullFlags()), c.flags) << c.code;
        EXPECT_EQ(stat->Class().Group, 5) << c.code;
        EXPECT_EQ(stat->Class().HasValueList, c.valueList) << c.code;
    }
    EXPECT_EQ(Stat("SGM1")->Class().HelpCodeFor(1), "SGMx");
    EXPECT_EQ(Codes(), (Strings{"SGMS", "SGMV", "SGMC", "KGM2", "KGM3", "KGM4", "KGS2", "KGS3",
                                "KGS4", "SGM1"}));

    // The index range runs from the lowest to the highest segment of the layout.
    SetLayout(kOnlyOneAndNine);
    const Strings indexed = {"SGM1", "SGM2", "SGM3", "SGM4", "SGM5",
                             "SGM6", "SGM7", "SGM8", "SGM9"};
    Strings codes = Codes();
    EXPECT_EQ(Strings(codes.end() - 9, codes.end()), indexed);
    SetLayout(std::string(35, '2') + "3");  // segments 2 and 3 only
    codes = Codes();
    EXPECT_EQ(Strings(codes.end() - 2, codes.end()), (Strings{"SGM2", "SGM3"}));

    // Only SGMS enumerates values: each segment of the layout once, in order of appearance.
    SetLayout(kThree);
    for (const char* code : kCodes) {
        auto stat = Stat(code);
        TStatDrawArray values;
        stat->InitValues(0, values);
        Strings texts;
        for (const auto& v : values)
            texts.push_back(stat->ValueText(v) + "x" + std::to_string(v.Count));
        EXPECT_EQ(texts, std::string(code) == "SGMS" ? (Strings{"3x0", "1x0", "2x0"}) : Strings{})
            << code;
    }

    SetDraws({{1, {30, 3, 19, 36, 20}}});
    struct Graph {
        const char* code;
        int value;
    } graphs[] = {{"SGMC", 3}, {"SGM1", 2}, {"SGM2", 1}, {"SGM3", 2}};
    for (const Graph& g : graphs) {
        auto stat = Stat(g.code);
        auto* graph = dynamic_cast<TCustomGraphStat*>(stat.get());
        ASSERT_NE(graph, nullptr) << g.code;
        EXPECT_EQ(graph->DrawGraphValue(0, 0, false), g.value) << g.code;
        EXPECT_EQ(graph->DrawGraphValue(0, 0, true), g.value) << g.code;
    }
}

// A statistic works with the layout of its creation; the next one sees a changed layout.
TEST_F(SegmentsFamilyTest, AStatisticKeepsTheLayoutItWasCreatedWith) {
    SetDraws({{1, {3, 19, 20, 30, 36}}});
    auto before = Stat("SGMV");
    m_registry.Config().MatrixSegments = ParseSegmentsText(kHalves);
    const auto texts = [](TCustomStat& stat, const TStatDrawArray& values) {
        Strings out;
        for (const auto& v : values) out.push_back(stat.ValueText(v));
        return out;
    };
    EXPECT_EQ(texts(*before, Window(*before)), (Strings{"1 x 5"}));
    auto after = Stat("SGMV");
    EXPECT_EQ(texts(*after, Window(*after)), (Strings{"1 x 1", "2 x 4"}));
}

// A value repeated in one draw is one occurrence for the gaps between draws: without that a
// gap of 0 against the same draw would be recorded as the shortest period.
TEST_F(SegmentsFamilyTest, GapsWhenADrawYieldsAValueSeveralTimes) {
    SetLayout(kHalves);
    SetDraws({{1, {1, 2, 3, 19, 20}}, {3, {4, 5, 6, 7, 8}}, {7, {1, 20, 21, 22, 23}}});
    struct Case {
        const char* code;
        TValueKey key;
        int count, periodMin, periodMax, lastDraw;
    } cases[] = {
        {"SGMS", Key({1}), 9, 2, 4, 7},     {"SGMS", Key({2}), 6, 6, 6, 7},
        {"KGM2", Key({1, 1}), 13, 2, 2, 3}, {"KGS2", Key({2, 2}), 4, 6, 6, 7},
        {"SGMV", Key({2, 0}), 1, 0, 0, 3},
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
TEST_F(SegmentsFamilyTest, MatchesComparesTheStatedKeyParts) {
    SetLayout(kHalves);
    const Nums a = {3, 19, 20, 30, 36};  // segments 1 2 2 2 2
    const Nums b = {1, 2, 3, 4, 5};      // 1 1 1 1 1
    const Nums c = {30, 3, 19, 36, 20};  // 2 1 2 2 2
    struct Case {
        const char* code;
        Nums nums;
        TValueKey selected;
        bool matches;
    } cases[] = {
        {"SGMS", a, Key({1}), true},           {"SGMS", b, Key({2}), false},
        {"SGMS", b, Key({1, 7, 7}), true},  // K1 only
        {"SGMV", a, Key({2, 4}), true},        {"SGMV", a, Key({1, 1}), true},
        {"SGMV", b, Key({2, 0}), true},  // an empty segment is a value too
        {"SGMV", a, Key({2, 3}), false},       {"SGMV", a, Key({2, 4, 1}), false},  // whole key
        {"SGMV", a, Key({3, 0}), false},       {"SGMC", a, Key({2}), true},
        {"SGMC", b, Key({2}), false},          {"SGMC", b, Key({1, 5}), true},
        {"SGM1", a, Key({1}), true},           {"SGM2", a, Key({4}), true},
        {"SGM2", b, Key({0}), true},           {"SGM2", b, Key({5}), false},
        {"KGM2", a, Key({1, 2}), true},        {"KGM2", a, Key({2, 1}), false},
        {"KGM2", c, Key({2, 1}), true},        {"KGM2", a, Key({1, 2, 2}), false},
        {"KGM3", a, Key({1, 2, 2}), true},     {"KGM3", c, Key({2, 1, 2}), true},
        {"KGM3", c, Key({1, 1, 2}), false},    {"KGM4", c, Key({2, 1, 2, 2}), true},
        {"KGM4", c, Key({1, 2, 2, 2}), true},  // positions 2..5
        {"KGM4", c, Key({2, 2, 2, 1}), false}, {"KGS2", c, Key({2, 1}), true},
        {"KGS2", c, Key({2, 2}), true},        {"KGS3", c, Key({2, 1, 2}), true},
        {"KGS3", c, Key({2, 2, 2}), true},     {"KGS3", c, Key({2, 1, 1}), false},
        {"KGS4", c, Key({1, 2, 2, 2}), true},  {"KGS4", c, Key({2, 2, 2, 2}), false},
        {"KGS4", a, Key({2, 2, 2, 2}), true},
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

// Selections made of keys no combination has or that only some parts of a key match, and of
// the values of a few combinations: the batch path keeps exactly what Matches keeps, in both
// modes, for every class under a layout of segments of different sizes met out of order, on
// the full set and on a part of it with the numbers of each combination in another order.
TEST_F(SegmentsFamilyTest, BatchPathEqualsMatchesOnFullSet) {
    SetLayout(kThree);
    const std::vector<TComb> full = FullSet();
    std::vector<TComb> shuffledSet;
    std::mt19937 random(17);
    for (std::size_t i = 0; i < full.size(); i += 8) {
        shuffledSet.push_back(full[i]);
        std::shuffle(shuffledSet.back().Nums.begin(), shuffledSet.back().Nums.end(), random);
    }
    const std::vector<TComb>& shuffled = shuffledSet;
    const std::vector<std::vector<const TComb*>> sources = {
        {&full[250000], &full[376000], &shuffled[1234]},
        {&full[1000]},
        {&shuffled[5], &shuffled[40000], &full[120000], &full[300000]}};
    for (const char* code : kCodes) {
        auto stat = Stat(code);
        auto reference = Stat(code);
        reference->LoadDraws(-1, -1, false);
        for (const auto& source : sources) {
            TStatDrawArray selected;
            for (const TValueKey key : {Key({-3}), Key({300}), Key({4, 1}), Key({3, 2, 3, 3}),
                                        Key({3, 6}), Key({10, 1, 1})}) {
                selected.push_back(TStatValueRec{});
                selected.back().Key = key;
            }
            const std::size_t fixed = selected.size();
            for (const TComb* c : source) stat->AddCombination(c->Nums.data(), selected);
            // Few values cover every combination; the selection must split the set for both
            // modes to be put to the test.
            const auto coversAll = [&] {
                return std::all_of(full.begin(), full.end(), [&](const TComb& c) {
                    return reference->Matches(c.Nums.data(), selected, false, false, -1);
                });
            };
            while (selected.size() > fixed + 1 && coversAll()) selected.pop_back();
            for (const std::vector<TComb>* list : {&full, &shuffled}) {
                std::vector<TComb> matching, other;
                for (const TComb& c : *list) {
                    (reference->Matches(c.Nums.data(), selected, false, false, -1) ? matching
                                                                                   : other)
                        .push_back(c);
                }
                EXPECT_GT(matching.size(), 0u) << code;
                EXPECT_GT(other.size(), 0u) << code;
                for (const bool keep : {true, false}) {
                    std::vector<TComb> batch = *list;
                    batch.resize(stat->PrepareFilter(selected, !keep, false, -1)
                                     ->Apply(batch.data(), batch.size(), keep, batch.data()));
                    EXPECT_TRUE(batch == (keep ? matching : other))
                        << code << " keep=" << keep << " list of " << list->size();
                }
            }
        }
    }
}

// The full-set counts of the methods with a norm, against counts made here from the layout
// by plain loops, and for SGM the closed form C(m, k) * C(36 - m, 5 - k) of a segment of m
// numbers.
TEST_F(SegmentsFamilyTest, FullSetCountsMatchPlainLoops) {
    SetLayout(kThree);
    const auto segment = [](int n) { return kThree[static_cast<std::size_t>(n - 1)] - '0'; };
    std::map<std::string, std::map<std::uint64_t, int>> expected;
    int combinations = 0;
    for (int a = 1; a <= 36; ++a) {
        for (int b = a + 1; b <= 36; ++b) {
            for (int c = b + 1; c <= 36; ++c) {
                for (int d = c + 1; d <= 36; ++d) {
                    for (int e = d + 1; e <= 36; ++e) {
                        ++combinations;
                        std::map<int, int> perSegment = {{1, 0}, {2, 0}, {3, 0}};
                        for (const int n : {a, b, c, d, e}) {
                            ++expected["SGMS"][Key({segment(n)}).Raw];
                            ++perSegment[segment(n)];
                        }
                        int occupied = 0;
                        for (const auto& [s, k] : perSegment) {
                            ++expected["SGMV"][Key({s, k}).Raw];
                            occupied += k > 0 ? 1 : 0;
                        }
                        ++expected["SGMC"][Key({occupied}).Raw];
                    }
                }
            }
        }
    }
    ASSERT_EQ(combinations, FullSetSize);
    for (const auto& [code, m] : std::initializer_list<std::pair<const char*, int>>{
             {"SGM1", 12}, {"SGM2", 9}, {"SGM3", 15}}) {
        for (int k = 0; k <= 5; ++k) {
            expected[code][Key({k}).Raw] =
                static_cast<int>(Binomial(m, k) * Binomial(36 - m, 5 - k));
        }
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
