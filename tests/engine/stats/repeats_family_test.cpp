// The repeat family: the rows and counts a window of draws gives, shifts that wrap around,
// windows at the start of the archive, and the batch path against Matches over the full set
// for draw-dependent selections.
#include <gtest/gtest.h>

#include <random>

#include "engine/combs/full_set.h"
#include "engine/stats/families/repeats.h"
#include "family_fixture.h"

namespace mv {
namespace {

using Nums = std::array<std::uint8_t, 5>;
using Strings = std::vector<std::string>;

class RepeatsFamilyTest : public test::TFamilyTest {
protected:
    void SetDraws(const std::vector<Nums>& draws) {
        m_draws.assign(draws.size(), TDrawRec{});
        for (std::size_t i = 0; i < draws.size(); ++i) {
            m_draws[i].Number = static_cast<int>(i) + 1;
            m_draws[i].Nums = draws[i];
        }
    }
    // The rows of a window over the whole archive, values enumerated first, as "text x count"
    // in the order they were added.
    Strings Rows(const std::string& code) {
        auto stat = Stat(code);
        TStatDrawArray values;
        stat->InitValues(static_cast<int>(m_draws.size()) - 1, values);
        for (const TStatValueRec& v : Window(*stat)) AddValue(values, v, true);
        Strings out;
        for (const auto& v : values)
            out.push_back(stat->ValueText(v) + "x" + std::to_string(v.Count));
        return out;
    }
    bool Matches(const std::string& code, Nums comb, const std::vector<int>& selection) {
        auto stat = Stat(code);
        const int last = static_cast<int>(m_draws.size()) - 1;
        stat->LoadDraws(-1, last, false);
        return stat->Matches(comb.data(), Selection(selection), false, false, last);
    }
    static TStatDrawArray Selection(const std::vector<int>& values) {
        TStatDrawArray selected;
        for (const int v : values) {
            selected.push_back(TStatValueRec{});
            selected.back().Key = TValueKey::FromK1(v);
        }
        return selected;
    }
};

TEST_F(RepeatsFamilyTest, ShiftWrapsAround) {
    struct Case {
        int n, shift, expected;
    } cases[] = {{1, -1, 36}, {35, 2, 1}, {36, 1, 1}, {1, -2, 35}, {17, 0, 17}, {34, 2, 36}};
    for (const Case& c : cases) {
        EXPECT_EQ(ShiftNumber(static_cast<std::uint8_t>(c.n), c.shift), c.expected)
            << c.n << " " << c.shift;
    }
}

// A window of three draws, the first at the archive start. Each method's rows, with the
// values enumerated in advance first.
TEST_F(RepeatsFamilyTest, RowsOfAWindow) {
    SetDraws({{1, 8, 20, 33, 36}, {3, 8, 15, 22, 30}, {8, 11, 22, 29, 35}});
    struct Case {
        const char* code;
        Strings rows;
    } cases[] = {
        // 8 came back twice (into the second and the latest draw), 22 once.
        {"RPV2", {"8x2", "11x0", "22x1", "29x0", "35x0"}},
        // Two draws later: 8 of the first draw is in the latest one.
        {"PRV2O1", {"8x1", "11x0", "22x0", "29x0", "35x0"}},
        {"PRV2O2", {"8x0", "11x0", "22x0", "29x0", "35x0"}},
        // The latest numbers plus one; no earlier number n is followed by n + 1.
        {"PRV+1", {"9x0", "12x0", "23x0", "30x0", "36x0"}},
        {"PRV-1", {"7x0", "10x0", "21x0", "28x0", "34x0"}},
        // Counts per draw: the first draw has no earlier draw and counts 0.
        {"RPC2", {"1x1", "2x1", "3x0", "4x0", "5x0", "0x1"}},
        {"RPO1", {"1x1", "2x0", "3x0", "4x0", "5x0", "0x2"}},
        {"PRC2O3", {"1x0", "2x0", "3x0", "4x0", "5x0", "0x3"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Rows(c.code), c.rows) << c.code;
}

TEST_F(RepeatsFamilyTest, ShiftedRepeats) {
    SetDraws({{5, 10, 20, 30, 35}, {5, 6, 12, 18, 24}});
    EXPECT_EQ(Rows("PRV+1"), (Strings{"6x1", "7x0", "13x0", "19x0", "25x0"}));
    EXPECT_EQ(Rows("PRC+1"), (Strings{"1x1", "2x0", "3x0", "4x0", "5x0", "0x1"}));
    // 6 of the latest draw less one is 5, which the draw before had and the latest too.
    EXPECT_EQ(Rows("PRV-1"), (Strings{"4x0", "5x0", "11x0", "17x0", "23x0"}));
    EXPECT_EQ(Rows("PRC-2"), (Strings{"1x1", "2x0", "3x0", "4x0", "5x0", "0x1"}));  // 20 - 2
    // A combination is counted against the latest draw shifted: 6, 7, 13, 19, 25.
    EXPECT_TRUE(Matches("PRC+1", {6, 7, 8, 9, 10}, {2}));
    EXPECT_FALSE(Matches("PRC+1", {6, 7, 8, 9, 10}, {1}));
    EXPECT_TRUE(Matches("PRC-1", {4, 5, 11, 30, 31}, {3}));
    EXPECT_TRUE(Matches("PRV+1", {1, 2, 3, 4, 6}, {6}));
    EXPECT_FALSE(Matches("PRV+1", {1, 2, 3, 4, 5}, {6}));
}

TEST_F(RepeatsFamilyTest, ThreeDraws) {
    SetDraws({{1, 2, 3, 4, 5}, {1, 2, 10, 11, 12}, {1, 10, 20, 21, 22}});
    EXPECT_EQ(Rows("RPV3"), (Strings{"1x1", "10x0", "20x0", "21x0", "22x0"}));
    EXPECT_EQ(Rows("PRL2"), (Strings{"1x1", "10x1", "20x0", "21x0", "22x0"}));
    EXPECT_EQ(Rows("RPC3"), (Strings{"1x1", "2x0", "3x0", "4x0", "5x0", "0x2"}));
    EXPECT_EQ(Rows("PRB2"), (Strings{"1x1", "2x1", "3x0", "4x0", "5x0", "0x1"}));
    // Against the latest draw and the one before: 1 and 10 are in both, 20, 21, 22 only in
    // the latest.
    EXPECT_TRUE(Matches("RPC3", {1, 2, 3, 4, 5}, {1}));
    EXPECT_TRUE(Matches("RPC3", {1, 10, 11, 12, 13}, {2}));
    EXPECT_TRUE(Matches("PRB2", {1, 2, 3, 4, 5}, {0}));
    EXPECT_TRUE(Matches("PRB2", {1, 2, 20, 21, 36}, {2}));
}

// The batch path against Matches over the full set, the draws of the window fixed for the
// pass; RPC2 with 0 keeps exactly the combinations sharing no number with the latest draw.
TEST_F(RepeatsFamilyTest, BatchPathEqualsMatchesOnFullSet) {
    SetDraws({{1, 8, 20, 33, 36}, {3, 8, 15, 22, 30}, {2, 9, 16, 22, 31}, {8, 11, 22, 29, 35}});
    const std::vector<TComb> full = FullSet();
    const int last = 3;
    const std::vector<std::vector<int>> selections = {{0}, {1, 2}, {0, 3, 5}, {8, 22}, {36, 1}};
    for (int m = 0; m < m_registry.MethodCount(); ++m) {
        if (m_registry.Method(m).StatClass->Group != 7) continue;
        const std::string code = TStatList::MethodCode(m_registry.Method(m));
        for (const auto& values : selections) {
            const TStatDrawArray selected = Selection(values);
            auto stat = m_registry.CreateStat(m_registry.Method(m));
            auto reference = m_registry.CreateStat(m_registry.Method(m));
            reference->LoadDraws(-1, last, false);
            std::vector<TComb> matching;
            for (const TComb& c : full) {
                if (reference->Matches(c.Nums.data(), selected, false, false, last))
                    matching.push_back(c);
            }
            std::vector<TComb> batch = full;
            batch.resize(stat->PrepareFilter(selected, false, false, last)
                             ->Apply(batch.data(), batch.size(), true, batch.data()));
            EXPECT_TRUE(batch == matching) << code << " " << values[0];
            if (code == "RPC2" && values.size() == 1 && values[0] == 0) {
                EXPECT_EQ(batch.size(), 169911u);  // C(31, 5)
            }
        }
    }
}

}  // namespace
}  // namespace mv
