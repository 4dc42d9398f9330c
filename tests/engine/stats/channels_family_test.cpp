// The channel family: the values each method takes from a draw at the default and at other
// channel sizes, texts, selection, the batch path against Matches, and the full-set counts
// against counts made here by plain loops.
#include <gtest/gtest.h>

#include <map>

#include "engine/combs/full_set.h"
#include "engine/combs/full_set_files.h"
#include "engine/stats/families/channels.h"
#include "engine/stats/stat_list.h"
#include "family_fixture.h"

namespace mv {
namespace {

using Nums = std::array<std::uint8_t, 5>;
using Strings = std::vector<std::string>;

const char* const kCodes[] = {"CHAN", "CHNV", "CHNC", "CHN1", "CHN3", "KCM2",
                              "KCM3", "KCM4", "KCS2", "KCS3", "KCS4"};

TValueKey Key(std::initializer_list<int> parts) {
    TValueKey key;
    int part = 1;
    for (const int p : parts) key.SetK(part++, p);
    return key;
}

class ChannelsFamilyTest : public test::TFamilyTest {
protected:
    void SetSize(int size) {
        m_registry.Config().ChannelSize = size;
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
    Strings DrawValues(const std::string& code, Nums nums, bool sorted = false) {
        SetDraws({{1, nums}});
        auto stat = Stat(code);
        Strings out;
        for (const auto& v : Window(*stat, sorted)) {
            out.push_back(stat->ValueText(v) + "x" + std::to_string(v.Count));
        }
        return out;
    }
    Strings Codes() {
        Strings codes;
        for (int i = 0; i < m_registry.MethodCount(); ++i) {
            const TStatMethod& m = m_registry.Method(i);
            if (m.StatClass->Group == 3) codes.push_back(TStatList::MethodCode(m));
        }
        return codes;
    }
};

TEST_F(ChannelsFamilyTest, ValuesOfOneDraw) {
    const Nums draw = {1, 7, 8, 30, 36};
    const Nums shuffled = {36, 1, 8, 7, 30};
    struct Case {
        int size;
        const char* code;
        Nums nums;
        bool sorted;
        Strings values;
    } cases[] = {
        {6, "CHAN", draw, false, {"01 [1-6]x1", "02 [7-12]x2", "05 [25-30]x1", "06 [31-36]x1"}},
        {6,
         "CHNV",
         draw,
         false,
         {"01 [1-6] x 1x1", "02 [7-12] x 2x1", "03 [13-18] x 0x1", "04 [19-24] x 0x1",
          "05 [25-30] x 1x1", "06 [31-36] x 1x1"}},
        {6, "CHNC", draw, false, {"4x1"}},
        {6, "CHN2", draw, false, {"2x1"}},
        {6, "CHN3", draw, false, {"0x1"}},
        {6, "KCM2", draw, false, {"1:2x2", "1:5x1", "1:6x1", "2:2x1", "2:5x2", "2:6x2", "5:6x1"}},
        {6, "KCS2", draw, false, {"1:2x1", "2:2x1", "2:5x1", "5:6x1"}},
        {6, "KCS4", draw, false, {"1:2:2:5x1", "2:2:5:6x1"}},
        {6, "KCM4", draw, false, {"1:2:2:5x1", "1:2:2:6x1", "1:2:5:6x2", "2:2:5:6x1"}},
        // The tuples follow the order of the draw unless sorted draws are asked for.
        {6, "KCS2", shuffled, false, {"6:1x1", "1:2x1", "2:2x1", "2:5x1"}},
        {6, "KCS2", shuffled, true, {"1:2x1", "2:2x1", "2:5x1", "5:6x1"}},
        {6, "CHAN", shuffled, false, {"06 [31-36]x1", "01 [1-6]x1", "02 [7-12]x2", "05 [25-30]x1"}},
        // Size 5: eight channels, the last one reaching past 36.
        {5, "CHAN", draw, false, {"01 [1-5]x1", "02 [6-10]x2", "06 [26-30]x1", "08 [36-40]x1"}},
        {5,
         "CHNV",
         {1, 2, 3, 4, 5},
         false,
         {"01 [1-5] x 5x1", "02 [6-10] x 0x1", "03 [11-15] x 0x1", "04 [16-20] x 0x1",
          "05 [21-25] x 0x1", "06 [26-30] x 0x1", "07 [31-35] x 0x1", "08 [36-40] x 0x1"}},
        {5, "CHN8", draw, false, {"1x1"}},
        {5, "KCS3", draw, false, {"1:2:2x1", "2:2:6x1", "2:6:8x1"}},
        // Size 2: a draw can touch five channels.
        {2, "CHNC", {1, 3, 5, 7, 9}, false, {"5x1"}},
        {2, "CHAN", {35, 36, 1, 2, 18}, false, {"18 [35-36]x2", "01 [1-2]x2", "09 [17-18]x1"}},
    };
    for (const Case& c : cases) {
        SetSize(c.size);
        EXPECT_EQ(DrawValues(c.code, c.nums, c.sorted), c.values) << c.size << " " << c.code;
    }
}

TEST_F(ChannelsFamilyTest, DescriptorsEnumerationAndTheIndexRange) {
    struct Case {
        const char* code;
        const char* flags;
        bool valueList;
    } cases[] = {{"CHAN", "N", true},  {"CHNV", "N", false}, {"CHNC", "NG", true},
                 {"CHN1", "NG", true}, {"KCM2", "S", false}, {"KCS4", "S", false}};
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        EXPECT_EQ(FlagLetters(stat->Class().FullFlags()), c.flags) << c.code;
        EXPECT_EQ(stat->Class().Group, 3) << c.code;
        EXPECT_EQ(stat->Class().HasValueList, c.valueList) << c.code;
    }
    EXPECT_EQ(Stat("CHN4")->GetCaption(), "Количество чисел в 4 канале");
    EXPECT_EQ(Stat("KCM3")->GetCaption(), "Сочетания из 3 каналов по всем числам тиража");
    EXPECT_EQ(Stat("KCS2")->GetCaption(), "Сочетания из 2 каналов по соседним числам");
    EXPECT_EQ(Stat("CHN4")->Class().HelpCodeFor(4), "CHNx");
    EXPECT_EQ(Stat("CHAN")->ParseValue("01 [1-6]"), 1);
    EXPECT_EQ(Stat("CHAN")->SelectionValue("12 [67-72]"), 12);
    EXPECT_EQ(Stat("CHNV")->SelectionValue("02 [7-12] x 2"), 0);

    // The values enumerated in advance, and the CHN indices, follow the channel size.
    struct Enumerated {
        int size;
        const char* code;
        Strings texts;
    } enumerated[] = {
        {6,
         "CHAN",
         {"01 [1-6]", "02 [7-12]", "03 [13-18]", "04 [19-24]", "05 [25-30]", "06 [31-36]"}},
        {6, "CHNC", {"1", "2", "3", "4", "5"}},
        {6, "CHN2", {"1", "2", "3", "4", "5", "6"}},
        {5,
         "CHAN",
         {"01 [1-5]", "02 [6-10]", "03 [11-15]", "04 [16-20]", "05 [21-25]", "06 [26-30]",
          "07 [31-35]", "08 [36-40]"}},
        {2, "CHNC", {"1", "2"}},
        {2, "CHN18", {"1", "2"}},
        {12,
         "CHNV",
         {"01 [1-12] x 0", "01 [1-12] x 1", "01 [1-12] x 2", "01 [1-12] x 3", "01 [1-12] x 4",
          "01 [1-12] x 5", "02 [13-24] x 0", "02 [13-24] x 1", "02 [13-24] x 2", "02 [13-24] x 3",
          "02 [13-24] x 4", "02 [13-24] x 5", "03 [25-36] x 0", "03 [25-36] x 1", "03 [25-36] x 2",
          "03 [25-36] x 3", "03 [25-36] x 4", "03 [25-36] x 5"}},
        {36,
         "CHNV",
         {"01 [1-36] x 0", "01 [1-36] x 1", "01 [1-36] x 2", "01 [1-36] x 3", "01 [1-36] x 4",
          "01 [1-36] x 5"}},
        {6, "KCM2", {}},
    };
    for (const Enumerated& e : enumerated) {
        SetSize(e.size);
        auto stat = Stat(e.code);
        TStatDrawArray values;
        stat->InitValues(0, values);
        Strings texts;
        for (const auto& v : values) {
            texts.push_back(stat->ValueText(v));
            EXPECT_EQ(v.Count, 0);
        }
        EXPECT_EQ(texts, e.texts) << e.size << " " << e.code;
    }
    SetSize(6);
    EXPECT_EQ(Codes(), (Strings{"CHAN", "CHNV", "CHNC", "KCM2", "KCM3", "KCM4", "KCS2", "KCS3",
                                "KCS4", "CHN1", "CHN2", "CHN3", "CHN4", "CHN5", "CHN6"}));
    SetSize(5);
    EXPECT_EQ(Codes().back(), "CHN8");
    SetSize(36);
    EXPECT_EQ(Codes().back(), "CHN1");
    SetSize(0);
    EXPECT_EQ(Codes().back(), "KCS4") << "no CHN methods without a positive size";
}

TEST_F(ChannelsFamilyTest, GraphValuesFollowTheSize) {
    SetDraws({{1, {1, 7, 8, 30, 36}}});
    struct Case {
        int size;
        const char* code;
        int value;
    } cases[] = {{6, "CHNC", 4},  {6, "CHN2", 2},  {6, "CHN3", 0},
                 {12, "CHNC", 2}, {12, "CHN1", 3}, {3, "CHN3", 2}};
    for (const Case& c : cases) {
        SetSize(c.size);
        auto stat = Stat(c.code);
        auto* graph = dynamic_cast<TCustomGraphStat*>(stat.get());
        ASSERT_NE(graph, nullptr) << c.code;
        EXPECT_EQ(graph->DrawGraphValue(0, 0, false), c.value) << c.size << " " << c.code;
    }
}

// A channel or tuple that repeats inside one draw counts twice but measures its gap once.
TEST_F(ChannelsFamilyTest, GapsWhenADrawRepeatsAValue) {
    SetDraws({{1, {7, 8, 1, 30, 36}}, {4, {9, 10, 2, 31, 33}}, {6, {11, 2, 3, 13, 14}}});
    struct Case {
        const char* code;
        TValueKey key;
        int count, periodMin, periodMax, lastDraw;
    } cases[] = {
        {"CHAN", Key({2}), 5, 2, 3, 6},    {"CHAN", Key({6}), 3, 3, 3, 4},
        {"CHAN", Key({1}), 4, 2, 3, 6},    {"KCM2", Key({2, 6}), 6, 3, 3, 4},
        {"CHNV", Key({2, 2}), 2, 3, 3, 4},
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
TEST_F(ChannelsFamilyTest, MatchesComparesTheStatedKeyParts) {
    const Nums a = {1, 7, 8, 30, 36};  // channels 1 2 2 5 6 (size 6), 1 2 2 6 8 (size 5)
    struct Case {
        int size;
        const char* code;
        Nums nums;
        TValueKey selected;
        bool matches;
    } cases[] = {
        {6, "CHAN", a, Key({5}), true},
        {6, "CHAN", a, Key({3}), false},
        {6, "CHAN", a, Key({2, 7, 7}), true},
        {6, "CHAN", a, Key({256 + 6}), true},  // the first byte names the channel
        {6, "CHNV", a, Key({2, 2}), true},
        {6, "CHNV", a, Key({3, 0}), true},  // an empty channel
        {6, "CHNV", a, Key({2, 1}), false},
        {6, "CHNV", a, Key({2, 2, 5}), true},  // K1 and K2 only
        {6, "CHNV", a, Key({7, 0}), false},    // no seventh channel
        {6, "CHNC", a, Key({4}), true},
        {6, "CHNC", a, Key({5}), false},
        {6, "CHN2", a, Key({2}), true},
        {6, "CHN3", a, Key({0}), true},
        {6, "KCM2", a, Key({2, 6}), true},
        {6, "KCM2", a, Key({6, 2}), false},
        {6, "KCM2", a, Key({2, 6, 0, 1}), false},  // the whole key
        {6, "KCS2", a, Key({2, 6}), false},
        {6, "KCS3", a, Key({2, 5, 6}), true},
        {6, "KCM4", a, Key({1, 2, 5, 6}), true},
        {6, "KCS4", a, Key({1, 2, 5, 6}), false},
        {5, "CHAN", a, Key({8}), true},
        {5, "CHNV", a, Key({7, 0}), true},
        {5, "CHNC", a, Key({4}), true},
        {5, "KCS2", a, Key({6, 8}), true},
        {5, "KCS2", a, Key({5, 6}), false},
    };
    for (const Case& t : cases) {
        SetSize(t.size);
        TStatDrawArray selected(1);
        selected[0].Key = t.selected;
        auto stat = Stat(t.code);
        stat->LoadDraws(-1, -1, false);
        EXPECT_EQ(stat->Matches(t.nums.data(), selected, false, false, -1), t.matches)
            << t.size << " " << t.code << " " << t.selected.Raw;
        TComb comb;
        comb.Nums = t.nums;
        EXPECT_EQ(stat->PrepareFilter(selected, false, false, -1)->Apply(&comb, 1, true, &comb),
                  t.matches ? 1u : 0u)
            << t.size << " " << t.code << " " << t.selected.Raw;
    }
}

// Selections made of the values of a few combinations, with keys no combination has mixed
// in: the batch path keeps exactly what Matches keeps, in both modes, at sizes other than
// the default (the generic test of every method covers the default); size 1 gives 36
// channels, too many for the compact tuple table.
TEST_F(ChannelsFamilyTest, BatchPathEqualsMatchesOnFullSet) {
    const std::vector<TComb> full = FullSet();
    for (const int size : {1, 5}) {
        SetSize(size);
        for (const char* code : kCodes) {
            // At size 1 only the tuples differ from the numbers family.
            if (size == 1 && code[0] != 'K') continue;
            auto stat = Stat(code);
            // The first value of a few combinations: all of a combination's channels would
            // select nearly every combination.
            TStatDrawArray selected;
            const Nums unsorted = {30, 2, 17, 9, 33};
            for (const std::uint8_t* nums :
                 {full[250000].Nums.data(), full[376000].Nums.data(), unsorted.data()}) {
                TStatDrawArray values;
                stat->AddCombination(nums, values);
                values.resize(std::min<std::size_t>(values.size(), 1));
                selected.insert(selected.end(), values.begin(), values.end());
            }
            for (const TValueKey key : {Key({-3}), Key({300}), Key({40, 1, 1, 1}), Key({3, 0})}) {
                selected.push_back(TStatValueRec{});
                selected.back().Key = key;
            }
            auto reference = Stat(code);
            reference->LoadDraws(-1, -1, false);
            std::vector<bool> matched(full.size());
            for (std::size_t i = 0; i < full.size(); ++i) {
                matched[i] = reference->Matches(full[i].Nums.data(), selected, false, false, -1);
            }
            for (const bool keep : {true, false}) {
                std::vector<TComb> batch = full;
                batch.resize(stat->PrepareFilter(selected, !keep, false, -1)
                                 ->Apply(batch.data(), batch.size(), keep, batch.data()));
                std::vector<TComb> expected;
                for (std::size_t i = 0; i < full.size(); ++i) {
                    if (matched[i] == keep) expected.push_back(full[i]);
                }
                EXPECT_GT(expected.size(), 0u) << size << " " << code << " keep=" << keep;
                EXPECT_TRUE(batch == expected) << size << " " << code << " keep=" << keep;
            }
        }
    }
}

// The full-set counts of the methods with a norm, at size 5 and 6, against counts made here
// from the five numbers by plain loops.
TEST_F(ChannelsFamilyTest, FullSetCountsMatchPlainLoops) {
    const std::vector<TComb> full = FullSet();
    for (const int size : {5, 6}) {
        SetSize(size);
        const int channels = (36 + size - 1) / size;
        int chan[9] = {};
        int values[9][6] = {};
        int distinct[6] = {};
        int second[6] = {};
        for (int a = 1; a <= 36; ++a) {
            for (int b = a + 1; b <= 36; ++b) {
                for (int c = b + 1; c <= 36; ++c) {
                    for (int d = c + 1; d <= 36; ++d) {
                        for (int e = d + 1; e <= 36; ++e) {
                            int inChannel[9] = {};
                            for (const int n : {a, b, c, d, e}) ++inChannel[(n - 1) / size + 1];
                            int occupied = 0;
                            for (int ch = 1; ch <= channels; ++ch) {
                                chan[ch] += inChannel[ch];
                                ++values[ch][inChannel[ch]];
                                occupied += inChannel[ch] > 0 ? 1 : 0;
                            }
                            ++distinct[occupied];
                            ++second[inChannel[2]];
                        }
                    }
                }
            }
        }
        std::map<std::string, std::map<std::uint64_t, int>> expected;
        for (int ch = 1; ch <= channels; ++ch) {
            expected["CHAN"][Key({ch}).Raw] = chan[ch];
            for (int k = 0; k <= 5; ++k) {
                if (values[ch][k] > 0) expected["CHNV"][Key({ch, k}).Raw] = values[ch][k];
            }
        }
        for (int k = 0; k <= 5; ++k) {
            if (distinct[k] > 0) expected["CHNC"][Key({k}).Raw] = distinct[k];
            if (second[k] > 0) expected["CHN2"][Key({k}).Raw] = second[k];
        }
        for (const auto& [code, counts] : expected) {
            auto stat = Stat(code);
            const TFullSetCounts made = CountFullSetValues(*stat, full.data(), full.size());
            std::map<std::uint64_t, int> got;
            for (const TStatValueRec& r : made.Records) got[r.Key.Raw] = r.Count;
            EXPECT_EQ(got, counts) << size << " " << code;
            EXPECT_NO_THROW(CheckFullSetCounts(made, stat->Class())) << size << " " << code;
        }
    }
}

// The statistic takes the size when it is created: a changed configuration gives the next
// statistic new values, and the one already made keeps its own.
TEST_F(ChannelsFamilyTest, StatisticsTakeTheSizeWhenCreated) {
    SetDraws({{1, {1, 7, 8, 30, 36}}});
    auto before = Stat("CHAN");
    SetSize(12);
    auto after = Stat("CHAN");
    EXPECT_EQ(before->ValueText(Window(*before).front()), "01 [1-6]");
    EXPECT_EQ(after->ValueText(Window(*after).back()), "03 [25-36]");
    EXPECT_EQ(Window(*after).size(), 2u);
}

}  // namespace
}  // namespace mv
