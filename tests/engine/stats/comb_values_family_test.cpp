// Groups of numbers as values: the groups one draw adds in each shape, position order with
// and without the sorted-draws option, and Matches for groups in another order.
#include <gtest/gtest.h>

#include "engine/stats/families/comb_values.h"
#include "family_fixture.h"

namespace mv {
namespace {

using Nums = std::array<std::uint8_t, 5>;
using Strings = std::vector<std::string>;

class CombValuesFamilyTest : public test::TFamilyTest {
protected:
    Strings DrawValues(const std::string& code, Nums nums, bool sorted = false) {
        m_draws.assign(1, TDrawRec{});
        m_draws[0].Number = 1;
        m_draws[0].Nums = nums;
        auto stat = Stat(code);
        TStatDrawArray init;
        stat->InitValues(0, init);
        EXPECT_TRUE(init.empty()) << code;
        Strings out;
        for (const auto& v : Window(*stat, sorted)) out.push_back(stat->ValueText(v));
        return out;
    }
};

TEST_F(CombValuesFamilyTest, GroupsOfOneDraw) {
    const Nums draw = {4, 9, 17, 25, 31};
    struct Case {
        const char* code;
        Strings groups;
    } cases[] = {
        {"KNM2",
         {"4:9", "4:17", "4:25", "4:31", "9:17", "9:25", "9:31", "17:25", "17:31", "25:31"}},
        {"KNM4", {"4:9:17:25", "4:9:17:31", "4:9:25:31", "4:17:25:31", "9:17:25:31"}},
        {"KNS2", {"4:9", "9:17", "17:25", "25:31"}},
        {"KNS3", {"4:9:17", "9:17:25", "17:25:31"}},
        {"KNP21", {"4:9"}},
        {"KNP23", {"17:25"}},
        {"KNP24", {"25:31"}},
        {"KNP33", {"17:25:31"}},
        {"KNP42", {"9:17:25:31"}},
    };
    for (const Case& c : cases) EXPECT_EQ(DrawValues(c.code, draw), c.groups) << c.code;
    EXPECT_EQ(DrawValues("KNM3", draw).size(), 10u);

    // Drawn in another order the groups keep it, unless the draws are sorted.
    const Nums drawn = {25, 4, 31, 9, 17};
    EXPECT_EQ(DrawValues("KNM2", drawn)[0], "25:4");
    EXPECT_EQ(DrawValues("KNS2", drawn), (Strings{"25:4", "4:31", "31:9", "9:17"}));
    EXPECT_EQ(DrawValues("KNS2", drawn, true), (Strings{"4:9", "9:17", "17:25", "25:31"}));
    EXPECT_EQ(DrawValues("KNP22", drawn), (Strings{"4:31"}));
}

TEST_F(CombValuesFamilyTest, DescriptorsAndList) {
    struct Case {
        const char* code;
        const char* caption;
    } cases[] = {
        {"KNM2", "Сочетания из 2 чисел по всем числам тиража"},
        {"KNS4", "Сочетания из 4 соседних чисел тиража"},
        {"KNP31", "Сочетания из 3-х чисел тиража начиная с 1 позиции"},
        {"KNP42", "Сочетания из 4-х чисел тиража начиная с 2 позиции"},
    };
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        EXPECT_EQ(stat->GetCaption(), c.caption);
        EXPECT_EQ(stat->Class().Group, 0);
        EXPECT_EQ(FlagLetters(stat->Class().FullFlags()), "S");
    }
    EXPECT_EQ(m_registry.Method(m_registry.FindMethod("KNP23")).StatClass->HelpCodeFor(3), "KNP2");
    // Positions run to the last group that fits; the ascending groups never become methods.
    for (const char* code : {"KNP25", "KNP34", "KNP43", "KNO2", "KNO3", "KNO4"}) {
        EXPECT_EQ(m_registry.FindMethod(code), -1) << code;
    }
}

TEST_F(CombValuesFamilyTest, MatchesAGroupOfTheCombination) {
    m_draws.assign(1, TDrawRec{});
    auto key = [](std::initializer_list<int> parts) {
        TStatValueRec v;
        int i = 1;
        for (const int p : parts) v.Key.SetK(i++, p);
        return v;
    };
    struct Case {
        const char* code;
        TStatValueRec selected;
        Nums comb;
        bool matches;
    } cases[] = {
        {"KNM2", key({4, 31}), {4, 9, 17, 25, 31}, true},
        {"KNM2", key({31, 4}), {4, 9, 17, 25, 31}, false},  // never ascending
        {"KNS2", key({4, 17}), {4, 9, 17, 25, 31}, false},
        {"KNS3", key({9, 17, 25}), {4, 9, 17, 25, 31}, true},
        {"KNM4", key({4, 9, 25, 31}), {4, 9, 17, 25, 31}, true},
        {"KNP23", key({17, 25}), {4, 9, 17, 25, 31}, true},
        {"KNP22", key({17, 25}), {4, 9, 17, 25, 31}, false},
        {"KNP42", key({9, 17, 25, 31}), {4, 9, 17, 25, 31}, true},
    };
    for (const Case& c : cases) {
        auto stat = Stat(c.code);
        stat->LoadDraws(-1, 0, false);
        const TStatDrawArray selected = {c.selected};
        EXPECT_EQ(stat->Matches(c.comb.data(), selected, false, false, 0), c.matches) << c.code;
    }
    // The ascending groups sort a combination first.
    TStatList registry;
    TDrawsArray draws(1);
    const TStatEnvironment env{&draws, &registry.Config(), &registry.Shredding};
    auto sorted = CreateStat<TstCombValSort2>(env, 0);
    const Nums drawn = {25, 4, 31, 9, 17};
    const TStatDrawArray selected = {key({4, 9})};
    EXPECT_TRUE(sorted->Matches(drawn.data(), selected, false, false, 0));
}

}  // namespace
}  // namespace mv
