#include "engine/views/repeats.h"

#include <algorithm>
#include <array>
#include <bit>

#include "engine/core/constants.h"
#include "engine/core/game.h"
#include "engine/core/messages.h"
#include "engine/support/progress_guard.h"
#include "engine/support/ui_hooks.h"

namespace mv {
namespace {

// The numbers of a draw as a bit set, when they are five different numbers of 1..36: then
// the common numbers of two such draws are the bits they share. Otherwise 0, and the pairs
// are counted one by one.
std::uint64_t DistinctMask(const TDrawRec& draw) {
    std::uint64_t mask = 0;
    for (const std::uint8_t n : draw.Nums) {
        if (n < 1 || n > MaxNumber || ((mask >> n) & 1U)) return 0;
        mask |= std::uint64_t{1} << n;
    }
    return mask;
}

}  // namespace

int CommonNumbers(const TDrawRec& a, const TDrawRec& b) {
    return CountMatches(a.Nums.data(), b.Nums.data());
}

std::string TRepeatRow::DrawsText() const {
    std::string text;
    for (const std::int32_t d : Draws) {
        if (!text.empty()) text += ' ';
        text += std::to_string(d);
    }
    return text;
}

TRepeatsResult ComputeRepeats(const TDrawsArray& draws, int windowLength, int depth,
                              IUiHooks& hooks) {
    TRepeatsResult result;
    const int last = static_cast<int>(draws.size()) - 1;
    if (last < 0) return result;
    const int first = std::max(0, last - std::max(windowLength, 1) + 1);
    std::vector<std::uint64_t> masks(draws.size());
    for (std::size_t i = 0; i < draws.size(); ++i) masks[i] = DistinctMask(draws[i]);

    TProgressGuard progress(hooks, Msg(TMsg::CollectStatsStatus), last - first + 1);
    // The earlier draws of the analysed draw by common count, and the counts in the order
    // they were first met; reused from draw to draw so that each row allocates once.
    std::array<std::vector<std::int32_t>, NumbersInDraw * NumbersInDraw + 1> byCommon;
    std::vector<int> order;
    for (int p = last; p >= first; --p) {
        const auto pi = static_cast<std::size_t>(p);
        for (int k = p - 1; k >= std::max(0, p - depth); --k) {
            const auto ki = static_cast<std::size_t>(k);
            const int m = masks[pi] && masks[ki] ? std::popcount(masks[pi] & masks[ki])
                                                 : CommonNumbers(draws[pi], draws[ki]);
            result.MaxCommon = std::max(result.MaxCommon, m);
            if (m == 0) continue;
            auto& list = byCommon[static_cast<std::size_t>(m)];
            if (list.empty()) order.push_back(m);
            list.push_back(draws[ki].Number);
        }
        for (const int m : order) {
            auto& list = byCommon[static_cast<std::size_t>(m)];
            result.Rows.push_back({draws[pi].Number, m, list});
            list.clear();
        }
        order.clear();
        hooks.StepProgress(1);
    }
    return result;
}

std::vector<TRepeatsLine> RepeatsLines(const TRepeatsResult& result) {
    std::vector<TRepeatsLine> lines(static_cast<std::size_t>(result.MaxCommon));
    for (int m = 1; m <= result.MaxCommon; ++m) {
        lines[static_cast<std::size_t>(m - 1)].Title =
            Msg(TMsg::MatchesTitlePrefix) + std::to_string(m);
    }
    for (auto row = result.Rows.rbegin(); row != result.Rows.rend(); ++row) {
        if (row->Common < 1 || row->Common > result.MaxCommon) continue;
        lines[static_cast<std::size_t>(row->Common - 1)].Points.emplace_back(row->DrawNumber,
                                                                             row->Count());
    }
    return lines;
}

}  // namespace mv
