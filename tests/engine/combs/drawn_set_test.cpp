// Whether a combination is one of a set of draws: the look-ups give the answer of
// CountMatches == 5 with every draw, for odd draws and odd combinations alike.
#include "engine/combs/drawn_set.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "engine/core/game.h"

namespace mv::test {
namespace {

using TNums = std::array<std::uint8_t, NumbersInDraw>;

std::vector<const std::uint8_t*> Pointers(const std::vector<TNums>& draws) {
    std::vector<const std::uint8_t*> p;
    for (const TNums& d : draws) p.push_back(d.data());
    return p;
}

bool BruteForce(const std::vector<TNums>& draws, const TNums& comb) {
    return std::any_of(draws.begin(), draws.end(), [&comb](const TNums& d) {
        return CountMatches(comb.data(), d.data()) == NumbersInDraw;
    });
}

TEST(DrawnSet, OddDrawsAndOddCombinations) {
    struct TCase {
        TNums Draw;
        TNums Comb;
        bool Drawn;
    };
    const std::vector<TCase> cases = {
        {{1, 2, 3, 4, 5}, {5, 4, 3, 2, 1}, true},  // unsorted
        {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 6}, false},
        {{1, 2, 3, 4, 9}, {1, 1, 2, 3, 4}, true},  // repeat inside a plain draw
        {{1, 2, 3, 4, 9}, {1, 1, 2, 3, 5}, false},
        {{1, 1, 2, 3, 4}, {1, 2, 3, 4, 9}, true},       // and the other way round
        {{7, 7, 7, 7, 7}, {7, 0, 40, 41, 255}, true},   // 5 x 1
        {{7, 7, 7, 7, 7}, {7, 7, 40, 41, 255}, false},  // 5 x 2
        {{7, 7, 7, 7, 7}, {7, 7, 7, 7, 7}, false},      // 5 x 5
        {{1, 2, 3, 3, 3}, {1, 1, 1, 1, 2}, true},       // 4 + 1
        {{1, 2, 2, 3, 3}, {1, 1, 2, 3, 9}, false},      // 2 + 2 + 2
        {{1, 8, 9, 9, 9}, {1, 1, 1, 1, 8}, true},       // 4 + 1, draw repeats what comb lacks
        {{0, 0, 0, 0, 0}, {0, 1, 2, 3, 4}, true},       // zeros
        {{0, 37, 38, 200, 255}, {255, 200, 38, 37, 0}, true},  // numbers above 36
        {{0, 37, 38, 200, 255}, {0, 37, 38, 200, 200}, true},
        {{0, 37, 38, 200, 255}, {0, 37, 38, 200, 36}, false},
    };
    for (const TCase& c : cases) {
        ASSERT_EQ(BruteForce({c.Draw}, c.Comb), c.Drawn) << "the table itself";
        TDrawnSet set(Pointers({c.Draw}));
        EXPECT_EQ(set.Contains(c.Comb.data()), c.Drawn)
            << CombText(TComb{c.Draw}) << " / " << CombText(TComb{c.Comb});
    }
}

// Random draws and combinations over a few numbers, so that repeats, zeros, large numbers and
// partial overlaps are frequent, against the comparison with every draw.
TEST(DrawnSet, AgreesWithEveryDrawCompared) {
    const std::uint8_t pool[] = {0, 1, 2, 3, 4, 5, 6, 36, 37, 255};
    std::mt19937 random(20240501);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pool)) - 1);
    const auto randomNums = [&] {
        TNums n;
        for (auto& v : n) v = pool[pick(random)];
        return n;
    };
    for (const std::size_t drawCount : {0, 1, 3, 40, 400}) {
        std::vector<TNums> draws;
        for (std::size_t i = 0; i < drawCount; ++i) draws.push_back(randomNums());
        TDrawnSet set(Pointers(draws));
        int drawn = 0;
        for (int i = 0; i < 3000; ++i) {
            const TNums comb = randomNums();
            const bool expected = BruteForce(draws, comb);
            ASSERT_EQ(set.Contains(comb.data()), expected)
                << drawCount << " draws, " << CombText(TComb{comb});
            drawn += expected ? 1 : 0;
        }
        if (drawCount >= 40) {
            EXPECT_GT(drawn, 0) << "the test must meet drawn combinations";
        }
    }
}

}  // namespace
}  // namespace mv::test
