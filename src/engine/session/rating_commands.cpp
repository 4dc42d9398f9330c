#include "engine/session/rating_commands.h"

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/stakes/stakes_file.h"

namespace mv {

class TRatingCommandAccess {
public:
    static TRatings& Ratings(TWorkspace& ws) { return ws.m_ratings; }
    static int& SaveHolds(TWorkspace& ws) { return ws.m_ratingsSaveHolds; }
    static bool& Unsaved(TWorkspace& ws) { return ws.m_ratingsUnsaved; }
};

namespace {

class TNotifyRatings {
public:
    explicit TNotifyRatings(const TWorkspace& ws) : m_ws(ws) {}
    ~TNotifyRatings() { m_ws.Notify(chRatings); }
    TNotifyRatings(const TNotifyRatings&) = delete;
    TNotifyRatings& operator=(const TNotifyRatings&) = delete;

private:
    const TWorkspace& m_ws;
};

void SortAndSave(TWorkspace& ws) {
    TRatings& rows = TRatingCommandAccess::Ratings(ws);
    {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::SortRatingsStatus));
        SortRatings(rows, ws.RatingsSortColumn, ws.RatingsSortDescending);
    }
    if (TRatingCommandAccess::SaveHolds(ws) > 0) {
        TRatingCommandAccess::Unsaved(ws) = true;
        return;
    }
    TStatusGuard status(ws.Hooks(), Msg(TMsg::SaveRatingsStatus));
    SaveRatings(RatingsPath(ws), rows);
    TRatingCommandAccess::Unsaved(ws) = false;
}

}  // namespace

void LoadRatingsFile(TWorkspace& ws) {
    TNotifyRatings notify(ws);
    {
        TStatusGuard status(ws.Hooks(), Msg(TMsg::LoadRatingsStatus));
        std::error_code ec;
        if (!std::filesystem::exists(RatingsPath(ws), ec)) return;
        TRatingCommandAccess::Ratings(ws) = LoadRatings(RatingsPath(ws));
    }
    SortAndSave(ws);
}

void SortAndSaveRatings(TWorkspace& ws) {
    TNotifyRatings notify(ws);
    SortAndSave(ws);
}

void SortRatingsByColumn(TWorkspace& ws, int column) {
    if (column == ws.RatingsSortColumn) {
        ws.RatingsSortDescending = !ws.RatingsSortDescending;
    } else {
        ws.RatingsSortColumn = column;
        ws.RatingsSortDescending = false;
    }
    SortAndSaveRatings(ws);
}

void RebuildRatingsFromStakes(TWorkspace& ws) {
    TNotifyRatings notify(ws);
    try {
        TRatings rows;
        {
            TStatusGuard status(ws.Hooks(), Msg(TMsg::UpdateRatingsStatus));
            rows = RebuildRatings(ws.Stakes());
        }
        TRatingCommandAccess::Ratings(ws) = std::move(rows);
        SortAndSave(ws);
    } catch (const EError& e) {
        throw EError(std::string(Msg(TMsg::UpdateRatingsError)) + e.what());
    }
}

void AddCheckedStakes(TWorkspace& ws, const std::vector<TStakeRecord>& stakes) {
    TRatings& rows = TRatingCommandAccess::Ratings(ws);
    bool added = false;
    for (const TStakeRecord& stake : stakes) {
        if (stake.Matches.Count < 0) continue;
        AddStakeToRatings(rows, stake);
        added = true;
    }
    if (!added) return;
    TNotifyRatings notify(ws);
    SortAndSave(ws);
}

TRatingsSaveHold::TRatingsSaveHold(TWorkspace& ws) : m_ws(ws) {
    ++TRatingCommandAccess::SaveHolds(m_ws);
}

TRatingsSaveHold::~TRatingsSaveHold() {
    if (--TRatingCommandAccess::SaveHolds(m_ws) > 0 || !TRatingCommandAccess::Unsaved(m_ws)) {
        return;
    }
    try {
        SortAndSave(m_ws);
    } catch (const std::exception& e) {
        m_ws.Hooks().ShowMessage(TMessageKind::Error, e.what());
    }
}

std::string RefusedScriptLineText(const std::string& name) {
    return Msg(TMsg::ScriptLineCannotAddPrefix) + name + Msg(TMsg::ScriptLineCannotAddSuffix);
}

int RatingsToScript(TWorkspace& ws, const std::vector<std::string>& names,
                    const std::function<void(const std::string&)>& refused) {
    int added = 0;
    TStatusGuard status(ws.Hooks(), Msg(TMsg::GenerateScriptLinesStatus));
    for (const std::string& name : names) {
        const auto line = RatingToScriptLine(name);
        if (!line) {
            if (refused) refused(RefusedScriptLineText(name));
            continue;
        }
        ws.EditScript([&](TCurrentScript& script) { return script.AppendLine(*line); });
        ++added;
    }
    return added;
}

}  // namespace mv
