#include "engine/session/stake_commands.h"

#include "engine/core/messages.h"
#include "engine/session/rating_commands.h"
#include "engine/support/file_basics.h"
#include "engine/support/file_operations.h"

namespace mv {

class TStakeCommandAccess {
public:
    static TStakesFile& Stakes(TWorkspace& ws) { return ws.m_stakes; }
};

namespace {

class TNotifyStakes {
public:
    explicit TNotifyStakes(const TWorkspace& ws) : m_ws(ws) {}
    ~TNotifyStakes() { m_ws.Notify(chStakes); }
    TNotifyStakes(const TNotifyStakes&) = delete;
    TNotifyStakes& operator=(const TNotifyStakes&) = delete;

private:
    const TWorkspace& m_ws;
};

// The ratings' failures are shown, not thrown: the stakes are checked and stay so.
void FeedRatings(TWorkspace& ws, const std::vector<TStakeRecord>& checked) {
    try {
        AddCheckedStakes(ws, checked);
    } catch (const EError& e) {
        ws.Hooks().ShowMessage(TMessageKind::Error, e.what());
    }
}

TStakeCheckResult Check(TWorkspace& ws) {
    TStakeCheckParams params;
    params.Draws = &ws.DrawArchive();
    params.Stats = &ws.Stats();
    params.LogEnabled = ws.StakesLogEnabled;
    params.LogDir = ws.Paths().Dir;
    // The stakes the check fills in go to the ratings once it has written them all.
    std::vector<TStakeRecord> checked;
    params.AddToRatings = [&checked](const TStakeRecord& rec) { checked.push_back(rec); };
    TStakesFile& file = TStakeCommandAccess::Stakes(ws);
    TStakeCheckResult result;
    try {
        result = CheckStakes(file, params, ws.Hooks());
    } catch (...) {
        // What was written before the failure is checked for good and counts all the same.
        file.ForgetCache();
        FeedRatings(ws, checked);
        throw;
    }
    // What the check wrote is read afresh by every view.
    if (result.Changed) file.ForgetCache();
    FeedRatings(ws, checked);
    return result;
}

}  // namespace

TStakeRecord NewStakeRecord(const TWorkspace& ws, TStakeKind kind,
                            std::span<const std::uint8_t> numbers, const std::string& comment) {
    TStakeRecord rec;
    rec.Kind = kind;
    rec.DrawNumber = ws.NextDrawNumber(ws.DrawsOffset());
    rec.SampleSize = static_cast<std::int32_t>(ws.Combs().CurrentList.Count());
    rec.Numbers.Assign(numbers);
    rec.Matches.Count = -1;
    rec.Profit = ws.Stats().StakeBalance(rec.Numbers.Count, -1);
    rec.Comment = comment;
    return rec;
}

TStakeCheckResult CheckAndRefreshStakes(TWorkspace& ws) {
    TNotifyStakes notify(ws);
    return Check(ws);
}

TStakeCheckResult AddStake(TWorkspace& ws, const TStakeRecord& rec, int draws) {
    TNotifyStakes notify(ws);
    {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::CreateStakeStatus));
        TStakeCommandAccess::Stakes(ws).Add(rec, draws);
    }
    return Check(ws);
}

TStakeCheckResult AddStakeSet(TWorkspace& ws, std::span<const TStakeRecord> recs, int draws) {
    TNotifyStakes notify(ws);
    {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::CreateStakesStatus));
        TStakesFile& file = TStakeCommandAccess::Stakes(ws);
        for (const TStakeRecord& rec : recs) file.Add(rec, draws);
    }
    return Check(ws);
}

void AppendStakesUnchecked(TWorkspace& ws, std::span<const TStakeRecord> recs) {
    TNotifyStakes notify(ws);
    TStakesFile& file = TStakeCommandAccess::Stakes(ws);
    for (const TStakeRecord& rec : recs) file.Add(rec, 1);
}

std::int64_t DeleteStakeRows(TWorkspace& ws, std::int64_t firstRow, std::int64_t lastRow) {
    TNotifyStakes notify(ws);
    std::int64_t removed = 0;
    {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::DeleteStakesStatus));
        removed = DeleteStakeRows(TStakeCommandAccess::Stakes(ws), firstRow, lastRow);
    }
    Check(ws);
    return removed;
}

std::int64_t DeleteStakesByCount(TWorkspace& ws, int condition, int value) {
    TNotifyStakes notify(ws);
    std::int64_t removed = 0;
    {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::DeleteStakesStatus));
        removed = DeleteStakesByCount(TStakeCommandAccess::Stakes(ws), condition, value);
    }
    Check(ws);
    return removed;
}

std::int64_t ClearStakes(TWorkspace& ws) {
    TNotifyStakes notify(ws);
    TStatusGuard status(ws.Hooks(), Msg(TMsg::DeleteStakesStatus));
    TStakesFile& file = TStakeCommandAccess::Stakes(ws);
    const std::int64_t count = file.Count();
    file.Truncate();
    return count;
}

std::optional<TOperation> DeleteStakeLogs(TWorkspace& ws) {
    if (!AnyFileMatches(ws.Paths().Dir, StakeLogMask())) return std::nullopt;
    TStatusGuard status(ws.Hooks(), Msg(TMsg::SearchLogsStatus));
    return DeleteFiles(ws.Paths().Dir / StakeLogMask(), TFileOpParams{});
}

TSystemStakePlan PrepareSystemStakes(TWorkspace& ws, TSystemStakeMode mode) {
    TSystemStakePlan plan;
    plan.Mode = mode;
    std::vector<std::uint8_t> numbers;
    {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::PleaseWaitStatus));
        numbers = DistinctListNumbers(ws.Combs().CurrentList);
    }
    plan.System = LoadSystemCombinations(SystemsFolder(ws.Paths().Dir), numbers, ws.Hooks());
    if (!plan.System.Found) return plan;
    plan.Draw = ws.NextDrawNumber(ws.DrawsOffset());
    plan.Comment = SystemStakeComment(mode, static_cast<int>(numbers.size()), plan.System.Text);
    return plan;
}

std::int64_t MakeSystemStakes(TWorkspace& ws, const TSystemStakePlan& plan) {
    TNotifyStakes notify(ws);
    std::vector<TStakeRecord> stakes;
    {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::CreateStakesStatus));
        TStakesFile& file = TStakeCommandAccess::Stakes(ws);
        if (file.Count() > 0 && file.Read(-1, true).DrawNumber > 0) {
            file.Append(MakeStakeMarker());
        }
        stakes = BuildSystemStakes(plan.System.Combs, ws.Combs().CurrentList, plan.Mode, plan.Draw,
                                   plan.Comment, ws.Stats().StakeBalance(5, -1));
        for (const TStakeRecord& rec : stakes) file.Add(rec, plan.Draws);
    }
    if (!stakes.empty()) Check(ws);
    return static_cast<std::int64_t>(stakes.size());
}

}  // namespace mv

namespace mv {

void AppendStakeRecords(TWorkspace& ws, std::span<const TStakeRecord> recs) {
    TNotifyStakes notify(ws);
    if (!recs.empty()) TStakeCommandAccess::Stakes(ws).AppendMany(recs);
}

}  // namespace mv
