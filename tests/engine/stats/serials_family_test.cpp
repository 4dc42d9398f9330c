// The serial and period families: groups and pauses of the latest draw's items with where
// each run lies, periods between appearances of numbers, channels and segments (a channel met
// twice in one draw once), captions and texts, and the periods' filter that reads the draw a
// selected period points to, in both modes.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/combs/full_set.h"
#include "engine/support/config_file.h"
#include "family_fixture.h"

namespace mv {
namespace {

using Nums = std::array<std::uint8_t, 5>;
using Strings = std::vector<std::string>;

class SerialsFamilyTest : public test::TFamilyTest {
protected:
    void SetUp() override {
        TFamilyTest::SetUp();
        // 7 in two draws, away for one, then in the last three; the numbering has a gap of
        // three after 1003. The latest draw holds 7 and 28..31, which never came before.
        const std::pair<int, Nums> draws[] = {
            {1001, {7, 1, 2, 3, 4}},     {1002, {7, 1, 2, 3, 5}},     {1003, {10, 11, 13, 14, 15}},
            {1006, {7, 20, 21, 22, 23}}, {1007, {7, 24, 25, 26, 27}}, {1008, {7, 28, 29, 30, 31}},
        };
        for (const auto& [number, nums] : draws) {
            m_draws.push_back(TDrawRec{});
            m_draws.back().Number = number;
            m_draws.back().Nums = nums;
        }
    }
    // "text:count:last draw:depth" of every value, in the order added.
    Strings Values(const std::string& code) {
        auto stat = Stat(code);
        Strings out;
        for (const auto& v : Window(*stat)) {
            out.push_back(stat->ValueText(v) + ":" + std::to_string(v.Count) + ":" +
                          std::to_string(v.LastDraw) + ":" + std::to_string(v.Depth));
        }
        return out;
    }
};

TEST_F(SerialsFamilyTest, RunsAndPeriodsOfTheWindow) {
    const std::string halves = "111111111111111111222222222222222222";
    struct Case {
        std::string layout;
        const char* code;
        Strings values;
    } cases[] = {
        // The earlier run of 7 ends at 1003; the open runs end with the window. Numbers 1..3
        // ran twice too but are not in the latest draw.
        {"",
         "GRPV",
         {"7 x 2:1:1002:5", "7 x 3:1:1008:1", "28 x 1:1:1008:1", "29 x 1:1:1008:1",
          "30 x 1:1:1008:1", "31 x 1:1:1008:1"}},
        // 7 stayed away once; 28..31 for the five draws before the latest.
        {"",
         "GRPP",
         {"7 x 1:1:1003:4", "28 x 5:1:1007:2", "29 x 5:1:1007:2", "30 x 5:1:1007:2",
          "31 x 5:1:1007:2"}},
        // Channel 2 (7..12) is in every draw, 5 in the last two, 6 only in the latest.
        {"", "GRCV", {"02 x 6:1:1008:1", "05 x 2:1:1008:1", "06 x 1:1:1008:1"}},
        {"", "GRCP", {"05 x 4:1:1006:3", "06 x 5:1:1007:2"}},
        {"", "GRSV", {"1 x 6:1:1008:1"}},
        {"", "GRSP", {}},
        {halves, "GRSV", {"1 x 6:1:1008:1", "2 x 3:1:1008:1"}},
        {halves, "GRSP", {"2 x 3:1:1003:4"}},
        // Periods in draw numbers: 1002 to 1006 is 4.
        {"",
         "PRDV",
         {"7 x 1:3:1008:1", "1 x 1:1:1002:5", "2 x 1:1:1002:5", "3 x 1:1:1002:5",
          "7 x 4:1:1006:3"}},
        // A channel held by several numbers of a draw gives one period from it.
        {"",
         "PRDC",
         {"02 x 1:4:1008:1", "01 x 1:1:1002:5", "02 x 3:1:1006:3", "04 x 1:1:1007:2",
          "05 x 1:1:1008:1"}},
        {halves, "PRDG", {"1 x 1:4:1008:1", "1 x 3:1:1006:3", "2 x 1:2:1008:1"}},
    };
    for (const Case& c : cases) {
        m_registry.Config().MatrixSegments = ParseSegmentsText(c.layout);
        m_registry.BuildMethods();
        EXPECT_EQ(Values(c.code), c.values) << c.layout << " " << c.code;
    }
}

TEST_F(SerialsFamilyTest, DescriptorsAndChannelSize) {
    struct Case {
        const char* code;
        const char* caption;
        int group;
        const char* flags;
    } cases[] = {
        {"GRPV", "Повторы чисел в нескольких тиражах подряд", 8, "D"},
        {"GRPP", "Интервалы между повторениями чисел", 8, "D"},
        {"GRCV", "Повторы каналов в нескольких тиражах подряд", 8, "D"},
        {"GRCP", "Интервалы между повторениями каналов", 8, "D"},
        {"GRSV", "Повторы сегментов в нескольких тиражах подряд", 8, "D"},
        {"GRSP", "Интервалы между повторениями сегментов", 8, "D"},
        {"PRDV", "Периоды повторения чисел", 9, "P"},
        {"PRDC", "Периоды повторения каналов", 9, "P"},
        {"PRDG", "Периоды повторения сегментов", 9, "P"},
    };
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        EXPECT_EQ(stat->GetCaption(), c.caption) << c.code;
        EXPECT_EQ(stat->Class().Group, c.group) << c.code;
        EXPECT_EQ(FlagLetters(stat->Class().FullFlags()), c.flags) << c.code;
        EXPECT_FALSE(stat->Class().HasValueList) << c.code;
        // Nothing is enumerated in advance, and a bare combination has no value.
        TStatDrawArray values;
        stat->InitValues(5, values);
        stat->AddCombination(m_draws[0].Nums.data(), values);
        EXPECT_TRUE(values.empty()) << c.code;
    }
    // Channels of 12 numbers: 7 and 28..31 lie in channels 1 and 3; 25..27 came before.
    m_registry.Config().ChannelSize = 12;
    m_registry.BuildMethods();
    EXPECT_EQ(Values("GRCV"), (Strings{"01 x 6:1:1008:1", "03 x 2:1:1008:1"}));
}

// A selected period d of an item holds when the draw d - 1 before the latest has that item:
// keep mode keeps the combinations holding an item whose period holds, delete mode removes
// those holding an item whose period does not.
TEST_F(SerialsFamilyTest, PeriodsFilterReadsTheDrawAPeriodPointsTo) {
    const std::vector<TComb> full = FullSet();
    const auto with = [&](std::initializer_list<int> items, int channel) {
        return static_cast<std::size_t>(
            std::count_if(full.begin(), full.end(), [&](const TComb& c) {
                return std::any_of(c.Nums.begin(), c.Nums.end(), [&](std::uint8_t n) {
                    const int item = channel > 0 ? (n + channel - 1) / channel : n;
                    return std::find(items.begin(), items.end(), item) != items.end();
                });
            }));
    };
    const std::size_t all = full.size();
    const int last = static_cast<int>(m_draws.size()) - 1;
    struct Case {
        const char* code;
        std::vector<std::pair<int, int>> selected;  // item, period
        std::size_t kept, keptByDelete;
    } cases[] = {
        // 7 x 3: the draw two before the latest (1006) holds 7; 7 x 4 points to 1003.
        {"PRDV", {{7, 3}}, with({7}, 0), all},
        {"PRDV", {{7, 4}}, 0, all - with({7}, 0)},
        // One confirmed and one not: both modes judge each item by its own period.
        {"PRDV", {{7, 1}, {10, 2}}, with({7}, 0), all - with({10}, 0)},
        // Draw 1003 holds channels 2 and 3, not 1.
        {"PRDC", {{3, 4}, {1, 4}}, with({3}, 6), all - with({1}, 6)},
        // A period beyond the archive points to no draw.
        {"PRDV", {{7, 40}}, 0, all - with({7}, 0)},
    };
    for (const Case& c : cases) {
        TStatDrawArray selected;
        for (const auto& [item, period] : c.selected) {
            selected.push_back(TStatValueRec{});
            selected.back().Key.SetK(1, item);
            selected.back().Key.SetK(2, period);
        }
        for (const bool keep : {true, false}) {
            auto stat = Stat(c.code);
            stat->LoadDraws(-1, last, false);
            std::size_t byMatches = 0;
            for (const TComb& comb : full) {
                byMatches += stat->Matches(comb.Nums.data(), selected, !keep, false, last) == keep;
            }
            std::vector<TComb> batch = full;
            const std::size_t byBatch = stat->PrepareFilter(selected, !keep, false, last)
                                            ->Apply(batch.data(), batch.size(), keep, batch.data());
            EXPECT_EQ(byMatches, keep ? c.kept : c.keptByDelete) << c.code << " keep=" << keep;
            EXPECT_EQ(byBatch, byMatches) << c.code << " keep=" << keep;
        }
    }
}

}  // namespace
}  // namespace mv
