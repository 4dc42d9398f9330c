#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "engine/session/list_commands.h"
#include "engine/session/workspace.h"
#include "test_support.h"

namespace mv::test {

inline TComb Comb(int a, int b, int c, int d, int e) {
    TComb comb;
    comb.Nums = {static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(b),
                 static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(d),
                 static_cast<std::uint8_t>(e)};
    return comb;
}

inline std::vector<TComb> ListOf(const TCombsArray& list) {
    return std::vector<TComb>(list.begin(), list.end());
}

inline void SetList(TCombsArray& list, const std::vector<TComb>& combs) {
    list.Clear();
    for (const TComb& c : combs) list.Append(c);
}

// A workspace over a fresh data directory, with recorded hooks.
class CombsTest : public ::testing::Test {
protected:
    const TCombinations& Combs() const { return Ws.Combs(); }
    // Replaces the working list (nothing to undo afterwards).
    void SetCurrent(const std::vector<TComb>& combs) { ReplaceCombinations(Ws, combs); }
    // Appends a draw with the next number.
    void AddDraw(std::initializer_list<int> nums) {
        TDrawRec draw;
        draw.Number = Ws.DrawCount() + 1;
        std::size_t i = 0;
        for (const int n : nums) draw.Nums[i++] = static_cast<std::uint8_t>(n);
        draw.Extra = 1;
        draw.SetDate("01.02.2024");
        TDrawsArray draws = Ws.DrawArchive();
        draws.push_back(draw);
        Ws.ResetDraws(std::move(draws));
    }

    TTempDir Dir;
    TRecordingHooks Hooks;
    TWorkspace Ws{TDataPaths{Dir.Path()}, Hooks};
};

}  // namespace mv::test
