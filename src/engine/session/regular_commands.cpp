#include "engine/session/regular_commands.h"

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/session/stake_commands.h"

namespace mv {

std::optional<TRegularStake> PrepareRegularStake(const TWorkspace& ws, const TTableRecord& rec,
                                                 int offset) {
    TRegularStake out;
    out.Advanced = rec;
    if (!AdvanceRegular(out.Advanced, ws.DrawArchive(), offset)) return std::nullopt;
    out.Stake = NewStakeRecord(ws, skRegular, out.Advanced.Current, rec.Comment);
    out.Stake.DrawNumber = ws.NextDrawNumber(offset);
    return out;
}

int TestRegulars(TWorkspace& ws, TRegulars& regulars, const std::vector<int>& selected, int n) {
    if (n <= 0) return 0;
    const int savedOffset = ws.DrawsOffset();
    int added = 0;
    bool failed = false;
    std::optional<EError> failure;
    {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::CreateRegularStakesStatus));
        try {
            for (int k = n; k >= 1 && !failed; --k) {
                ws.SetDrawsOffset(k);
                for (const int index : selected) {
                    if (index < 0 || static_cast<std::size_t>(index) >= regulars.size()) continue;
                    TTableRecord& rec = regulars[static_cast<std::size_t>(index)];
                    const auto next = PrepareRegularStake(ws, rec, k);
                    if (!next) continue;
                    // The regular moves only with a stake that was really added.
                    AppendStakesUnchecked(ws, {&next->Stake, 1});
                    rec = next->Advanced;
                    ++added;
                }
            }
        } catch (const EError& e) {
            failed = true;
            failure = e;
        }
        ws.SetDrawsOffset(savedOffset);
    }
    SaveRegulars(RegularsPath(ws), regulars);
    if (failure) throw *failure;
    if (added > 0) CheckAndRefreshStakes(ws);
    return added;
}

}  // namespace mv
