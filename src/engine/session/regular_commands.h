#pragma once

#include <optional>
#include <vector>

#include "engine/ratings/regulars.h"
#include "engine/session/workspace.h"
#include "engine/stakes/stake_record.h"

namespace mv {

// The regulars live with their view (the tab owns the array); these operations work on it and
// the workspace's stakes.

inline std::filesystem::path RegularsPath(const TWorkspace& ws) {
    return ws.Paths().Dir / RegularsFileName;
}

// The next stake of a regular at the workspace's offset: `advanced` is the regular as it will
// be once the stake is made, `stake` a kind-2 stake for NextDrawNumber(offset) with the
// regular's comment. nullopt when a last-draw regular has no draw to start from.
struct TRegularStake {
    TTableRecord Advanced;
    TStakeRecord Stake;
};
std::optional<TRegularStake> PrepareRegularStake(const TWorkspace& ws, const TTableRecord& rec,
                                                 int offset);

// The test of regulars over n past draws: for k = n down to 1 the offset is set to k, and each
// selected regular (indexes in list order) is advanced and its stake for NextDrawNumber(k)
// appended. The first failed addition ends the test (and is thrown after the clean-up). In
// every case the offset returns to its earlier value and the regulars are saved; when every
// addition succeeded, the stakes are checked. Returns the number of stakes added.
int TestRegulars(TWorkspace& ws, TRegulars& regulars, const std::vector<int>& selected, int n);

}  // namespace mv
