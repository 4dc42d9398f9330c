#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/core/messages.h"
#include "engine/core/records.h"
#include "engine/stakes/stakes_file.h"
#include "engine/stats/stat_list.h"
#include "engine/support/ui_hooks.h"

namespace mv {

// What checking needs besides the file.
struct TStakeCheckParams {
    // The whole archive (hidden draws of the view offset included).
    const TDrawsArray* Draws = nullptr;
    // Prices the stakes (StakeBalance with the configured cost and profit table).
    const TStatList* Stats = nullptr;
    // The stakes logs: one line per checked stake into LogDir/"Marvolet_5z36-<matches>.log".
    bool LogEnabled = false;
    std::filesystem::path LogDir;
    // The ratings' feed: called once for every stake the check fills in, after it has been
    // written back. Empty while nothing keeps ratings.
    std::function<void(const TStakeRecord&)> AddToRatings;
};

struct TStakeCheckResult {
    // Whether any stake was filled in (the caller then refreshes what depends on stakes).
    bool Changed = false;
    std::int64_t CheckedCount = 0;
    // The sum of the balances of the stakes checked now.
    TMoney CheckedProfit = 0;
};

// CheckStakes: every record that is not checked, is for a draw (DrawNumber > 0) and holds at
// least five numbers, and whose draw is in the archive, gets the draw's numbers, its matched
// numbers (ascending) and its balance, and is written back in place. Status "Проверка
// результатов ставок..." and, about a hundred times, "Проверка результатов ставок
// ( завершено %.0f %% )...". Log lines that cannot be written are shown as errors and the
// check goes on. Throws EError "Ошибка проверки ставок!\r\r<reason>"; records written before
// the failure stay checked.
TStakeCheckResult CheckStakes(TStakesFile& file, const TStakeCheckParams& params, IUiHooks& hooks);

// The log file of a match count: dir/"Marvolet_5z36-<matches>.log".
std::filesystem::path StakeLogPath(const std::filesystem::path& dir, int matches);
// The mask that finds every stakes log: "Marvolet_5z36-*.log".
std::string StakeLogMask();
// A log file larger than this is deleted before the next line is written.
inline constexpr std::int64_t StakeLogSizeLimit = std::int64_t{256} * 1024 * 1024;
// Appends the line of a checked stake (nothing for an unchecked one), in Windows-1251 with
// CR LF: "yyyy.mm.dd hh:nn:ss: Тираж № ... Профит: %.2f.". `now` is the local time in the
// program's date form. Throws EError "Ошибка удаления файла \"%s\"!\r\r..." or "Ошибка
// записи в файл \"%s\"!\r\r...".
void WriteStakeLog(const std::filesystem::path& dir, const TStakeRecord& rec, double now);
// The line without its end.
std::string StakeLogLine(const TStakeRecord& rec, double now);

// DeleteStakeRows: removes the records shown in grid rows firstRow..lastRow (row r shows
// record r - 1; row 0 is the header). Returns the number removed; errors as Rewrite.
std::int64_t DeleteStakeRows(TStakesFile& file, std::int64_t firstRow, std::int64_t lastRow);

// The comparisons of "Удаление по условию", in the order the dialog lists them.
enum TStakeCondition : int {
    scEqual = 0,       // "Равно [ = ]"
    scGreater = 1,     // "Более [ > ]"
    scNotLess = 2,     // "Не менее [ >= ]"
    scLess = 3,        // "Менее [ < ]"
    scNotGreater = 4,  // "Не более [ <= ]"
};
inline constexpr int StakeConditionCount = 5;
const char* StakeConditionCaption(int condition);
// Whether `matches` compared with `value` by the condition holds (false outside 0..4).
bool StakeConditionHolds(int condition, int matches, int value);
// DeleteStakesByCount: removes every stake whose match count (-1 while unchecked) satisfies
// the condition; markers always stay. Returns the number removed.
std::int64_t DeleteStakesByCount(TStakesFile& file, int condition, int value);

// One point of the profit-by-draw chart: the draw, the sum of its stakes' profits (checked:
// the balance; unchecked: the negative cost), the mean of those sums over all draws, and the
// running total up to this draw; in currency units.
struct TStakeProfitPoint {
    std::int32_t Draw = 0;
    double Profit = 0;
    double Average = 0;
    double Accumulated = 0;
};
// Every record with DrawNumber >= 0, grouped by draw in the order the draws first appear.
// Throws EError "Для построения графиков необходимо, ..." when there is no such record.
std::vector<TStakeProfitPoint> StakeProfitByDraw(const TStakesFile& file);
// The chart's title also serves the desktop as a C string (a command's hint), so it converts
// to const char* (and reads as a byte range); a TMsgText could not, since a second conversion
// would make std::string(text) ambiguous. Read at each use, like every catalogue text.
struct TStakesGraphTitleText {
    const std::string& Str() const { return Msg(TMsg::StakesGraphTitle); }
    operator const char*() const { return Str().c_str(); }  // NOLINT: implicit by design
    const char* data() const { return Str().data(); }
    std::size_t size() const { return Str().size(); }
    const char* begin() const { return data(); }
    const char* end() const { return data() + size(); }
};
inline constexpr TStakesGraphTitleText StakesGraphTitle{};
inline constexpr TMsgText StakesGraphProfitSeries{TMsg::StakesGraphProfitSeries};
inline constexpr TMsgText StakesGraphAverageSeries{TMsg::StakesGraphAverageSeries};
inline constexpr TMsgText StakesGraphAccumulatedSeries{TMsg::StakesGraphAccumulatedSeries};

}  // namespace mv
