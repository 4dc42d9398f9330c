// The transition family: the values each shape takes from a draw whose predecessors show the
// latest draw's state, the sorted-draws option where positions count, the counts listed in
// advance, the inside-channel kinds and their texts, Matches on the "after" part, and for
// every method of the serial, period and transition groups the batch path against Matches
// over the full set on selections taken from a window.
#include <gtest/gtest.h>

#include <random>

#include "engine/combs/full_set.h"
#include "engine/support/config_file.h"
#include "family_fixture.h"

namespace mv {
namespace {

using Nums = std::array<std::uint8_t, 5>;
using Strings = std::vector<std::string>;

TValueKey Key(std::initializer_list<int> parts) {
    TValueKey key;
    int part = 1;
    for (const int p : parts) key.SetK(part++, p);
    return key;
}

class TransitionsFamilyTest : public test::TFamilyTest {
protected:
    void SetDraws(const std::vector<Nums>& draws) {
        m_draws.assign(draws.size(), TDrawRec{});
        for (std::size_t i = 0; i < draws.size(); ++i) {
            m_draws[i].Number = static_cast<int>(i) + 1;
            m_draws[i].Nums = draws[i];
        }
    }
    // "text x count" of every value of the window, in the order added.
    Strings Values(const std::string& code, bool sorted = false) {
        auto stat = Stat(code);
        Strings out;
        for (const auto& v : Window(*stat, sorted)) {
            out.push_back(stat->ValueText(v) + " x" + std::to_string(v.Count));
        }
        return out;
    }
};

TEST_F(TransitionsFamilyTest, ValuesOfTheWindow) {
    // The latest draw is {3, 8, 15, 22, 30}; the draw before the second holds 8 and 30.
    const std::vector<Nums> anywhere = {{8, 30, 1, 2, 4}, {5, 6, 7, 9, 10}, {3, 8, 15, 22, 30}};
    // Drawn out of order: 30 is first in the predecessor and in the latest draw, last when
    // sorted.
    const std::vector<Nums> positions = {{30, 1, 2, 4, 5}, {9, 10, 11, 12, 13}, {30, 3, 8, 15, 22}};
    // Two predecessors matching the latest two draws at the first position.
    const std::vector<Nums> three = {{1, 2, 3, 4, 5},
                                     {6, 7, 8, 9, 10},
                                     {11, 12, 13, 14, 15},
                                     {1, 20, 21, 22, 23},
                                     {6, 24, 25, 26, 27}};
    // Channel size 6. The latest draw holds 7 (channel 2); its predecessor's predecessor too.
    const std::vector<Nums> insideHit = {
        {7, 20, 21, 22, 23}, {8, 11, 25, 26, 27}, {7, 30, 31, 32, 33}};
    const std::vector<Nums> insideMiss = {
        {7, 20, 21, 22, 23}, {1, 2, 25, 26, 27}, {7, 30, 31, 32, 33}};
    // Two numbers of the predecessor in channel 2, which the latest draw occupies.
    const std::vector<Nums> twice = {{7, 8, 1, 2, 3}, {1, 13, 19, 25, 31}, {9, 30, 31, 32, 33}};
    struct Case {
        const std::vector<Nums>* draws;
        const char* code;
        bool sorted;
        Strings values;
    } cases[] = {
        {&anywhere,
         "SDV2",
         false,
         {"8 -> 5 x1", "8 -> 6 x1", "8 -> 7 x1", "8 -> 9 x1", "8 -> 10 x1", "30 -> 5 x1",
          "30 -> 6 x1", "30 -> 7 x1", "30 -> 9 x1", "30 -> 10 x1"}},
        {&anywhere, "SDP2", false, {}},
        {&positions, "SDP2", false, {"30 -> 9 x1"}},
        {&positions, "SDP2", true, {"30 -> 13 x1"}},
        {&positions, "SDN1", false, {"30 -> 9 x1"}},
        {&positions, "SDN1", true, {}},
        {&positions, "SDN5", true, {"30 -> 13 x1"}},
        {&positions,
         "SDV2",
         true,
         {"30 -> 9 x1", "30 -> 10 x1", "30 -> 11 x1", "30 -> 12 x1", "30 -> 13 x1"}},
        {&positions, "SCP2", false, {"05 -> 02 x1", "01 -> 02 x1", "02 -> 02 x1"}},
        {&positions, "SSP2", false, {"1 -> 1 x10"}},  // one segment: every position
        {&three, "SDP3", false, {"1-6 -> 11 x1"}},
        {&three, "SDM1", false, {"1-6 -> 11 x1"}},
        {&three, "SDM2", false, {}},
        {&three, "SCM1", false, {"01-01 -> 02 x1"}},
        // Channel 1 holds 5, 1, 0, 1, 1 numbers of the five draws.
        {&three, "SC2C1", false, {"1 -> 0 x1", "1 -> 1 x1"}},
        {&three, "SC3C1", false, {}},
        {&three, "SS3C1", false, {"5-5 -> 5 x3"}},
        {&insideHit, "SDA2", false, {"07 -> 08 x1", "07 -> 11 x1"}},
        {&insideHit, "SDG2", false, {"07 -> 08 x1", "07 -> 11 x1"}},
        {&insideHit, "SDZ2", false, {}},
        {&insideHit, "SDC2", false, {"7 -> 2 x1"}},
        {&insideMiss, "SDA2", false, {"07 -> 00 x1"}},
        {&insideMiss, "SDG2", false, {}},
        {&insideMiss, "SDZ2", false, {"07 -> 00 x1"}},
        {&insideMiss, "SDC2", false, {"7 -> 0 x1"}},
        {&twice,
         "SCV2",
         false,
         {"02 -> 01 x2", "02 -> 03 x2", "02 -> 04 x2", "02 -> 05 x2", "02 -> 06 x2", "05 -> 02 x1",
          "05 -> 05 x1", "05 -> 06 x3", "06 -> 02 x1", "06 -> 05 x1", "06 -> 06 x3"}},
    };
    for (const Case& c : cases) {
        SetDraws(*c.draws);
        EXPECT_EQ(Values(c.code, c.sorted), c.values) << c.code << " sorted=" << c.sorted;
    }
}

TEST_F(TransitionsFamilyTest, OldestDrawsHaveNoPredecessor) {
    const std::vector<Nums> same = {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}};
    for (int m = 0; m < m_registry.MethodCount(); ++m) {
        const TStatMethod& method = m_registry.Method(m);
        if (method.StatClass->Group != 10) continue;
        const std::string code = TStatList::MethodCode(method);
        const bool threeDraws =
            std::string(method.StatClass->Name).find("Chain3") != std::string::npos;
        for (std::size_t length = 1; length <= 3; ++length) {
            SetDraws(std::vector<Nums>(same.begin(), same.begin() + static_cast<long>(length)));
            const bool expectSome = length >= (threeDraws ? 3u : 2u);
            auto stat = m_registry.CreateStat(method);
            // A repeated draw is its own predecessor's state everywhere but in the inside
            // methods' failures and in counts of a channel or segment it misses.
            const bool mayBeEmpty = code == "SDZ2";
            if (!expectSome || !mayBeEmpty) {
                EXPECT_EQ(!Window(*stat).empty(), expectSome) << code << " " << length;
            }
        }
    }
}

TEST_F(TransitionsFamilyTest, DescriptorsAndCountsListedInAdvance) {
    struct Case {
        const char* code;
        const char* caption;
        const char* flags;
    } cases[] = {
        {"SDV2", "Переходы чисел между 2 тиражами без учета позиции", "D"},
        {"SDP2", "Переходы чисел между 2 тиражами с учетом позиции", "SD"},
        {"SDN3", "Переходы чисел между 2 тиражами в 3 позиции", "SD"},
        {"SDM5", "Переходы чисел между 3 тиражами в 5 позиции", "SD"},
        {"SCV2", "Переходы каналов между 2 тиражами без учета позиции", "D"},
        {"SC2C4", "Переходы кол-ва чисел в 4 канале между 2 тиражами", "D"},
        {"SC3C6", "Переходы кол-ва чисел в 6 канале между 3 тиражами", "D"},
        {"SDG2", "Переходы чисел в пределах каналов (N-M, удачные)", "D"},
        {"SDZ2", "Переходы чисел в пределах каналов (N-0, не удачные)", "D"},
        {"SSM2", "Переходы сегментов между 3 тиражами в 2 позиции", "SD"},
        {"SS3C1", "Переходы кол-ва чисел в 1 сегменте между 3 тиражами", "D"},
    };
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        EXPECT_EQ(stat->GetCaption(), c.caption) << c.code;
        EXPECT_EQ(FlagLetters(stat->Class().FullFlags()), c.flags) << c.code;
        EXPECT_EQ(stat->Class().Group, 10) << c.code;
        EXPECT_FALSE(stat->Class().HasValueList) << c.code;
    }
    EXPECT_EQ(Stat("SC2C4")->Class().HelpCodeFor(4), "SC2Cx");
    EXPECT_EQ(m_registry.FindMethod("SC2C7"), -1);
    EXPECT_EQ(m_registry.FindMethod("SS2C2"), -1);

    // The latest draw has two numbers in channel 3 and one in the first segment.
    SetDraws({{1, 2, 3, 4, 5}, {13, 14, 20, 30, 36}});
    const auto init = [&](const char* code) {
        auto stat = Stat(code);
        TStatDrawArray values;
        stat->InitValues(1, values);
        Strings texts;
        for (const auto& v : values)
            texts.push_back(stat->ValueText(v) + " x" + std::to_string(v.Count));
        return texts;
    };
    EXPECT_EQ(init("SC2C3"), (Strings{"2 -> 0 x0", "2 -> 1 x0", "2 -> 2 x0", "2 -> 3 x0",
                                      "2 -> 4 x0", "2 -> 5 x0", "2 -> 6 x0"}));
    EXPECT_EQ(init("SC3C1").front(), "5-0 -> 0 x0");
    EXPECT_EQ(init("SS2C1"), (Strings{"5 -> 0 x0"}));
    EXPECT_EQ(init("SS3C1"), (Strings{"5-5 -> 0 x0"}));
    EXPECT_TRUE(init("SDV2").empty());
    EXPECT_TRUE(init("SDC2").empty());

    // The channel count methods follow the configured channel size.
    m_registry.Config().ChannelSize = 12;
    m_registry.BuildMethods();
    EXPECT_GE(m_registry.FindMethod("SC2C3"), 0);
    EXPECT_EQ(m_registry.FindMethod("SC2C4"), -1);
    EXPECT_EQ(init("SC2C2").size(), 13u);
}

TEST_F(TransitionsFamilyTest, MatchesComparesTheAfterPart) {
    SetDraws({{1, 2, 3, 4, 5}, {7, 20, 21, 22, 23}});  // latest holds 7 (channel 2)
    const Nums with8 = {1, 8, 20, 30, 36};
    const Nums with12 = {12, 13, 14, 15, 16};
    const Nums none = {1, 2, 13, 25, 36};
    struct Case {
        const char* code;
        Nums nums;
        TValueKey selected;
        bool matches;
    } cases[] = {
        {"SDV2", with8, Key({99, 8}), true},  // K1 is not compared
        {"SDV2", with8, Key({8, 2}), false},
        {"SDP3", with8, Key({1, 2, 36}), true},
        {"SDP3", with8, Key({1, 36, 2}), false},
        {"SCV2", with12, Key({2, 2}), true},
        {"SCV2", none, Key({2, 2}), false},
        {"SSN1", none, Key({3, 1}), true},
        {"SC2C1", with12, Key({1, 0}), true},  // no number of 1..6
        {"SC2C1", none, Key({1, 0}), false},
        {"SC3C6", none, Key({0, 0, 1}), true},
        // Inside methods: a selected pair, an "N-0" row for the whole channel, any row of the
        // count method for the channel of its number; the number must be in the latest draw.
        {"SDA2", with8, Key({7, 8}), true},
        {"SDA2", with12, Key({7, 8}), false},
        {"SDA2", with12, Key({7, 0}), true},
        {"SDZ2", none, Key({7, 0}), false},
        {"SDG2", with8, Key({8, 8}), false},
        {"SDC2", with12, Key({7, 0}), true},
        {"SDC2", with12, Key({7, 3}), true},
        {"SDC2", none, Key({7, 0}), false},
    };
    for (const Case& t : cases) {
        TStatDrawArray selected(1);
        selected[0].Key = t.selected;
        auto stat = Stat(t.code);
        stat->LoadDraws(-1, 1, false);
        EXPECT_EQ(stat->Matches(t.nums.data(), selected, false, false, 1), t.matches)
            << t.code << " " << t.selected.Raw;
        TComb comb;
        comb.Nums = t.nums;
        EXPECT_EQ(stat->PrepareFilter(selected, false, false, 1)->Apply(&comb, 1, true, &comb),
                  t.matches ? 1u : 0u)
            << t.code << " " << t.selected.Raw;
    }
}

// Every method of the serial, period and transition groups: selections made of window values,
// with the window ending at the latest draw (keep mode) and before it (delete mode), give
// the same combinations through the batch path as through Matches.
TEST_F(TransitionsFamilyTest, BatchPathEqualsMatchesOnFullSet) {
    std::mt19937 random(31);
    std::vector<Nums> draws;
    for (int i = 0; i < 40; ++i) {
        std::vector<std::uint8_t> pool;
        for (int n = 1; n <= MaxNumber; ++n) pool.push_back(static_cast<std::uint8_t>(n));
        std::shuffle(pool.begin(), pool.end(), random);
        draws.push_back({pool[0], pool[1], pool[2], pool[3], pool[4]});
    }
    SetDraws(draws);
    // Three segments, so that segments come and go.
    m_registry.Config().MatrixSegments =
        ParseSegmentsText(std::string(12, '1') + std::string(12, '2') + std::string(12, '3'));
    m_registry.BuildMethods();
    const std::vector<TComb> full = FullSet();
    for (int m = 0; m < m_registry.MethodCount(); ++m) {
        const TStatMethod& method = m_registry.Method(m);
        if (method.StatClass->Group < 8 || method.StatClass->Group > 10) continue;
        const std::string code = TStatList::MethodCode(method);
        for (const int last : {39, 30}) {
            auto stat = m_registry.CreateStat(method);
            TStatDrawArray values;
            TLastValueArray lastValues;
            TStatScratch scratch{};
            stat->InitValues(last, values);
            for (int i = 0; i <= last; ++i)
                stat->AddDraw(i, last, lastValues, scratch, values, false);
            // A window without values (a position that never repeated) gets keys of every part.
            if (values.empty()) {
                for (const int k : {1, 3, 8, 20}) {
                    values.push_back(TStatValueRec{});
                    values.back().Key = Key({k, k, k});
                }
            }
            // The first few values with the window at the latest draw, every third before it.
            TStatDrawArray selected;
            for (std::size_t i = 0; i < values.size() && selected.size() < 4;
                 i += last == 39 ? 1 : 3) {
                selected.push_back(values[i]);
            }
            {
                // Keep mode at the latest draw, delete mode before it.
                for (const bool keep : {last == 39}) {
                    auto reference = m_registry.CreateStat(method);
                    reference->LoadDraws(-1, last, false);
                    std::vector<TComb> expected;
                    for (const TComb& c : full) {
                        if (reference->Matches(c.Nums.data(), selected, !keep, false, last) ==
                            keep) {
                            expected.push_back(c);
                        }
                    }
                    std::vector<TComb> batch = full;
                    batch.resize(stat->PrepareFilter(selected, !keep, false, last)
                                     ->Apply(batch.data(), batch.size(), keep, batch.data()));
                    EXPECT_TRUE(batch == expected)
                        << code << " last=" << last << " keep=" << keep << " " << batch.size()
                        << " vs " << expected.size();
                }
            }
        }
    }
}

}  // namespace
}  // namespace mv
