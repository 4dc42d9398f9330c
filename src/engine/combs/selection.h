#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/combs/combs_array.h"
#include "engine/core/messages.h"
#include "engine/stats/stat_table.h"

namespace mv {

// A selection turned into what a filter needs: the value records (only their keys count)
// and the values text of the operations row.
struct TStatSelection {
    TStatDrawArray Values;
    std::string Text;
    bool Empty() const { return Values.empty(); }
};

// The selected rows of a computed statistics table, in the order given (the view's row
// order): each row's own value record; the text is the rows' value texts joined by "; ".
// Indices outside the table are skipped.
TStatSelection TableSelection(const TStatTable& table, const std::vector<std::size_t>& rows);
// Card cells, visited column by column from the selection's left column to its right one and
// top to bottom within a column: every non-empty cell gives K1 = its text as an integer (0
// when it is not one); a K1 already in the set is skipped; the text joins the cell texts
// taken, by "; ".
TStatSelection CardSelection(const std::vector<std::string>& cellTexts);
// Layout cells in the same order: every non-empty cell is split into words at ","; each word
// loses its "[" and "]" and is trimmed, then counts as a card cell.
TStatSelection LayoutSelection(const std::vector<std::string>& cellTexts);
// Week columns `left`..`right`: K1 = the column index; the text joins the indices by "; ".
TStatSelection WeekSelection(int leftColumn, int rightColumn);

// Writes to `target` the combinations of `source` that the statistic's batch filter keeps:
// those having one of the selected values (removed = false) or none of them (removed =
// true), judged relative to archive index `lastIndex` with `sorted`. When the statistic
// fails, `target` becomes a copy of `source` and the failure propagates.
void FilterCombinations(TCustomStat& stat, const TStatDrawArray& values, bool removed,
                        bool sorted, int lastIndex, const TCombsArray& source,
                        TCombsArray& target);

// A run of removal steps whose filters each drop the combinations holding a number the
// step marks (TCombFilter::NumberHits), judged in one pass instead of one per step: a
// combination goes at the first step that marks one of its numbers. `firstStep[n]` is that
// step for number n (0-based; NoRemovalStep: no step marks it).
inline constexpr std::uint16_t NoRemovalStep = 0xFFFF;
using TFirstStepTable = std::array<std::uint16_t, 256>;
// How many combinations of `list` go at each of the steps 0 .. steps - 1.
std::vector<std::size_t> CountFirstSteps(const TCombsArray& list, const TFirstStepTable& firstStep,
                                         std::size_t steps);
// After the first `steps` steps (at least 1): `kept` receives the combinations of `source`
// that none of them drops, and `source` keeps, in place, those that none but the last drops
// (the list as it was before the last step). Orders are kept.
void SplitAtRemovalStep(TCombsArray& source, const TFirstStepTable& firstStep, std::size_t steps,
                        TCombsArray& kept);

inline constexpr TMsgText EmptyViewSelectionMessage{TMsg::NoFilterValuesInSelection};

}  // namespace mv
