#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/core/constants.h"

namespace mv {

// Whether a combination is one of a set of draws: CountMatches(comb, draw) == 5 for at least
// one draw, CountMatches counting every pair of equal numbers. For five different numbers on
// both sides that is plain equality of the two sets. Lists and archives read from damaged or
// foreign files may also repeat a number or hold 0 or numbers above 36, and then a
// combination can be "one of" a draw it does not equal (1 1 2 3 4 is one of the draw
// 1 2 3 4 9). The answers are those of comparing with every draw, found by look-ups: building
// is linear in the draws and each question takes a bounded number of look-ups, whatever the
// draws hold.
// Not thread-safe: Contains remembers its answers for combinations with a repeated number.
class TDrawnSet {
public:
    // The five numbers of each draw, in any order; the pointers are read here only.
    explicit TDrawnSet(const std::vector<const std::uint8_t*>& draws);
    bool Contains(const std::uint8_t* comb);

    // Up to five numbers with how often each occurs, the numbers ascending and different.
    struct TCounted {
        std::array<std::uint8_t, NumbersInDraw> Value{};
        std::array<std::uint8_t, NumbersInDraw> Times{};
        int Count = 0;
    };

private:
    bool ContainsIrregular(const TCounted& comb);
    void BuildSubsetCounts();

    // The sets of different numbers of the draws, and which sizes (1..5) occur among them.
    std::unordered_set<std::uint64_t> m_supports;
    unsigned m_supportSizes = 0;
    std::vector<TCounted> m_draws;
    // Built on the first combination with a repeated number: for every draw and every
    // non-empty part of its different numbers, the draw's numbers of that part (repeats
    // included), with how many draws give each.
    std::unordered_map<std::uint64_t, std::int64_t> m_subsetCounts;
    bool m_subsetCountsBuilt = false;
    std::unordered_map<std::uint64_t, bool> m_irregularAnswers;
};

}  // namespace mv
