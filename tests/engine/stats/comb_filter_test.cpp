// The compacting loop of the batch filters: every run length (the last combination takes its
// own path), in place and into a buffer of exactly the run's size, both modes; and every
// method's batch path on combinations holding bytes outside 1..36, which the pair tables
// must judge as Matches does.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "engine/stats/comb_filter.h"
#include "engine/stats/stat_list.h"
#include "engine/support/config_file.h"

namespace mv {
namespace {

std::vector<TComb> RandomCombs(std::size_t count, std::uint32_t seed, int maxByte) {
    std::mt19937 random(seed);
    std::vector<TComb> combs(count);
    for (TComb& c : combs) {
        for (auto& n : c.Nums) n = static_cast<std::uint8_t>(random() % (maxByte + 1));
    }
    return combs;
}

std::vector<TComb> Reference(const std::vector<TComb>& in, bool keep,
                             const std::function<bool(const std::uint8_t*)>& matches) {
    std::vector<TComb> out;
    for (const TComb& c : in) {
        if (matches(c.Nums.data()) == keep) out.push_back(c);
    }
    return out;
}

TEST(CombFilter, EveryRunLengthInPlaceAndIntoAnotherBuffer) {
    // Kept when the second and the fifth number are both odd.
    const auto matches = [](const std::uint8_t* n) { return (n[1] & n[4] & 1) != 0; };
    const auto filter = MakeCombFilter([](TCombNums n) { return (n[1] & n[4] & 1) != 0; });
    const auto pointerFilter = MakeCombFilter(matches);  // the pointer form of a predicate
    for (std::size_t count = 0; count <= 9; ++count) {
        const std::vector<TComb> in = RandomCombs(count, static_cast<std::uint32_t>(count), 255);
        for (const bool keep : {true, false}) {
            const std::vector<TComb> expected = Reference(in, keep, matches);
            for (const TCombFilter* f : {filter.get(), pointerFilter.get()}) {
                std::vector<TComb> list = in;
                list.resize(f->Apply(list.data(), list.size(), keep, list.data()));
                EXPECT_EQ(list, expected) << count << " keep=" << keep;
                // A separate buffer of exactly `count` combinations (no slack to write into).
                std::vector<TComb> out(count);
                out.resize(f->Apply(in.data(), in.size(), keep, out.data()));
                EXPECT_EQ(out, expected) << count << " keep=" << keep;
            }
        }
    }
}

TEST(CombFilter, AscendingDiffsOfAWord) {
    struct Case {
        std::array<std::uint8_t, 5> Nums;
        bool Ascending;
        std::uint32_t Diffs;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5}, true, 0x01010101u},
        {{1, 3, 6, 10, 36}, true, 0x1A040302u},
        {{0, 1, 2, 3, 127}, true, 0x7C010101u},
        {{1, 1, 2, 3, 4}, false, 0},      // equal neighbours
        {{2, 1, 3, 4, 5}, false, 0},      // a step down
        {{1, 2, 3, 4, 128}, false, 0},    // beyond 127
        {{36, 30, 20, 10, 1}, false, 0},  // descending
    };
    for (const Case& c : cases) {
        std::uint64_t word = 0xFFFFFF0000000000ull;  // the next combination's bytes
        for (int i = 0; i < 5; ++i) {
            word |= std::uint64_t{c.Nums[static_cast<std::size_t>(i)]} << (8 * i);
        }
        std::uint32_t diffs = 0;
        EXPECT_EQ(TCombNums(word).AscendingDiffs(diffs), c.Ascending) << int(c.Nums[0]);
        if (c.Ascending) {
            EXPECT_EQ(diffs, c.Diffs) << int(c.Nums[0]);
        }
    }
}

// Every method at the default configuration; the methods of the groups that read the
// configuration (channels, matrix, segments) also at settings far from it.
TEST(CombFilter, BatchPathEqualsMatchesOnOddBytes) {
    TDrawsArray draws(3);
    for (int i = 0; i < 3; ++i) {
        draws[static_cast<std::size_t>(i)].Number = i + 1;
        draws[static_cast<std::size_t>(i)].Nums = {static_cast<std::uint8_t>(i + 1), 12, 23, 30,
                                                   35};
    }
    const std::vector<TComb> odd = RandomCombs(20000, 7, 255);
    const std::vector<TComb> valid = RandomCombs(20, 11, 36);
    TConfigData small;
    small.ChannelSize = 2;
    small.MatrixCols = 1;
    small.MatrixSegments = ParseSegmentsText("123456789123456789123456789123456789");
    TConfigData large;
    large.ChannelSize = 36;
    large.MatrixCols = 36;
    large.MatrixSegments = ParseSegmentsText("1111111119");
    const TConfigData configs[] = {TConfigData{}, small, large};
    for (std::size_t config = 0; config < std::size(configs); ++config) {
        TStatList registry;
        registry.Config() = configs[config];
        registry.SetDraws(&draws);
        registry.BuildMethods();
        for (int m = 0; m < registry.MethodCount(); ++m) {
            const int group = registry.Method(m).StatClass->Group;
            if (config > 0 && (group < 3 || group > 5)) continue;
            const std::string code =
                TStatList::MethodCode(registry.Method(m)) + " config " + std::to_string(config);
            auto stat = registry.CreateStat(registry.Method(m));
            // Values of ordinary combinations and of odd ones (numbers such as 0, 100, 255).
            TStatDrawArray selected;
            for (std::size_t k = 0; k < 4; ++k) {
                stat->AddCombination(valid[k].Nums.data(), selected);
                stat->AddCombination(odd[k].Nums.data(), selected);
            }
            for (const bool keep : {true, false}) {
                std::vector<TComb> batch = odd;
                batch.resize(stat->PrepareFilter(selected, !keep, false, 2)
                                 ->Apply(batch.data(), batch.size(), keep, batch.data()));
                auto reference = registry.CreateStat(registry.Method(m));
                reference->LoadDraws(-1, 2, false);
                const auto expected = Reference(odd, keep, [&](const std::uint8_t* n) {
                    return reference->Matches(n, selected, !keep, false, 2);
                });
                EXPECT_EQ(batch.size(), expected.size()) << code << " keep=" << keep;
                EXPECT_TRUE(batch == expected) << code << " keep=" << keep;
            }
        }
    }
}

// The same under a configuration other than the default, which the methods that read it
// copy when they are created, on combinations of mostly valid numbers in any order with a
// few bytes just outside 1..36.
TEST(CombFilter, BatchPathEqualsMatchesUnderAnotherConfiguration) {
    TDrawsArray draws(3);
    for (int i = 0; i < 3; ++i) {
        draws[static_cast<std::size_t>(i)].Number = i + 1;
        draws[static_cast<std::size_t>(i)].Nums = {static_cast<std::uint8_t>(i + 1), 12, 23, 30,
                                                   35};
    }
    TStatList registry;
    registry.SetDraws(&draws);
    registry.Config().ChannelSize = 5;
    registry.Config().MatrixCols = 4;
    for (int n = 1; n <= MaxNumber; ++n) {
        registry.Config().MatrixSegments[static_cast<std::size_t>(n - 1)] =
            static_cast<std::uint8_t>(n * 7 % 9 + 1);
    }
    registry.BuildMethods();
    const std::vector<TComb> combs = RandomCombs(20000, 5, 40);
    for (int m = 0; m < registry.MethodCount(); ++m) {
        const std::string code = TStatList::MethodCode(registry.Method(m));
        auto stat = registry.CreateStat(registry.Method(m));
        TStatDrawArray selected;
        for (std::size_t k = 0; k < 3; ++k) stat->AddCombination(combs[k].Nums.data(), selected);
        for (const bool keep : {true, false}) {
            std::vector<TComb> batch = combs;
            batch.resize(stat->PrepareFilter(selected, !keep, false, 2)
                             ->Apply(batch.data(), batch.size(), keep, batch.data()));
            auto reference = registry.CreateStat(registry.Method(m));
            reference->LoadDraws(-1, 2, false);
            const auto expected = Reference(combs, keep, [&](const std::uint8_t* n) {
                return reference->Matches(n, selected, !keep, false, 2);
            });
            EXPECT_EQ(batch.size(), expected.size()) << code << " keep=" << keep;
            EXPECT_TRUE(batch == expected) << code << " keep=" << keep;
        }
    }
}

}  // namespace
}  // namespace mv
