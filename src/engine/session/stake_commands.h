#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/core/messages.h"
#include "engine/session/workspace.h"
#include "engine/stakes/stake_check.h"
#include "engine/stakes/systems.h"
#include "engine/support/operation_log.h"

namespace mv {

// The operations that change the workspace's stakes file. Every one raises chStakes when it
// ends, also after a failure (a failed operation may have added or checked part of its
// records). Errors are EError with the stakes file's texts; the caller shows them. Reading
// (counts, rows, the profit series) goes through ws.Stakes() directly.

// A new stake as the program makes it: `kind`, for the draw after the visible ones
// (NextDrawNumber(DrawsOffset)), the working list's length as sample size, `numbers` in the
// given order, not checked, its cost StakeBalance(count, -1) as profit.
TStakeRecord NewStakeRecord(const TWorkspace& ws, TStakeKind kind,
                            std::span<const std::uint8_t> numbers, const std::string& comment);

// "Check and refresh": CheckStakes over the whole archive with the configured prices, the
// stakes logs when ws.StakesLogEnabled, the ratings' feed; raises chStakes.
TStakeCheckResult CheckAndRefreshStakes(TWorkspace& ws);

// Single form: status "Создание ставки..."; AddStakes for `draws` draws, then check and
// refresh.
TStakeCheckResult AddStake(TWorkspace& ws, const TStakeRecord& rec, int draws);
// Bulk form for a set of stakes: status "Создание ставок..."; AddStakes of each record for
// `draws` draws, stopping at the first failure (which is thrown; the stakes added before it
// stay), then check and refresh. Returns the check's result.
TStakeCheckResult AddStakeSet(TWorkspace& ws, std::span<const TStakeRecord> recs, int draws);

// Appends stakes for one draw each without checking them (a caller that adds many in turn
// checks once at the end); raises chStakes. The first failure is thrown, the stakes added
// before it stay.
void AppendStakesUnchecked(TWorkspace& ws, std::span<const TStakeRecord> recs);

// Status "Удаление ставок..."; the records of grid rows firstRow..lastRow go (row r shows
// record r - 1), then check and refresh. Returns the number removed.
std::int64_t DeleteStakeRows(TWorkspace& ws, std::int64_t firstRow, std::int64_t lastRow);
// Status "Удаление ставок..."; DeleteStakesByCount, then check and refresh.
std::int64_t DeleteStakesByCount(TWorkspace& ws, int condition, int value);
// Status "Удаление ставок..."; empties the stakes file. Returns the number removed.
std::int64_t ClearStakes(TWorkspace& ws);

// "Удалить журналы ставок": std::nullopt when the data folder holds no stakes log (the caller
// shows NoStakeLogsMessage); otherwise status "Поиск файлов журналов..." and the deletion of
// every "Marvolet_5z36-*.log" as a logged file operation, whose result the caller shows.
std::optional<TOperation> DeleteStakeLogs(TWorkspace& ws);
inline constexpr TMsgText NoStakeLogsMessage{TMsg::NoScriptLogsMessage};

// System games from the working list. PrepareSystemStakes collects the list's distinct numbers
// (status "Подождите пожалуйста...") and looks the system up (LoadSystemCombinations, which
// shows its own messages); when found it proposes the draw and the comment for the
// multi-stake dialog.
struct TSystemStakePlan {
    TSystemStakeMode Mode = TSystemStakeMode::WholeSystem;
    TSystemLookup System;
    std::int32_t Draw = 0;
    int Draws = 1;
    std::string Comment;
};
TSystemStakePlan PrepareSystemStakes(TWorkspace& ws, TSystemStakeMode mode);
// Stakes the planned system (with the draw, draws and comment as the dialog left them):
// status "Создание ставок...", a marker when the file's last record is a stake, the stakes
// of every system combination (list mode: those the working list holds) in the bulk form,
// stopping at the first failure, then check and refresh when anything was added. Returns the
// number of stakes made (one per combination, whatever the number of draws).
std::int64_t MakeSystemStakes(TWorkspace& ws, const TSystemStakePlan& plan);

// Scenario stakes: appends the records as they are (markers included), without checking;
// the scenario checks them when its line or pass ends. Raises chStakes.
void AppendStakeRecords(TWorkspace& ws, std::span<const TStakeRecord> recs);

}  // namespace mv
