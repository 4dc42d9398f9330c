#pragma once

#include <string>
#include <vector>

#include "engine/stats/stat_table.h"

namespace mv {

class TWorkspace;

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

// Keeps (removed = false) or removes (removed = true) the combinations having one of the
// selected values. Reads UndoList (take SnapshotForUndo first) and writes the survivors to
// CurrentList through the statistic's batch filter, judged relative to the latest visible
// draw (archive index High - DrawsOffset, or 0 when that is negative) with SortedDraws.
// Status "Фильтрация комбинаций..." while it runs.
// - An empty selection does nothing and returns false.
// - `stat` is a scenario's own statistic (not owned); without one a statistic of the method
//   `methodIndex` is created and freed here.
// - An empty UndoList leaves CurrentList empty without an operations row.
// - Otherwise the operations row (`caption`: the method selector's text, the selection's
//   text) is appended. The view follows in both cases.
// A failure of the statistic propagates with CurrentList put back as UndoList holds it.
bool ApplyStatSelection(TWorkspace& ws, const TStatSelection& selection, bool removed,
                        int methodIndex, const std::string& caption, TCustomStat* stat = nullptr);

// The view variants: the same with a statistic of "Числа тиража" (NUMS), which keeps the
// combinations holding at least one of the selected numbers, and the tab caption ("Карта",
// "Схема", "Неделя") as the row caption. An empty set throws EError "В выделенном
// диапазоне нет значений для фильтра!" and leaves CurrentList unchanged.
void ApplyCardSelection(TWorkspace& ws, const std::vector<std::string>& cellTexts, bool removed);
void ApplyLayoutSelection(TWorkspace& ws, const std::vector<std::string>& cellTexts, bool removed);
void ApplyWeekSelection(TWorkspace& ws, int leftColumn, int rightColumn, bool removed);
inline constexpr const char* EmptyViewSelectionMessage =
    "В выделенном диапазоне нет значений для фильтра!";

}  // namespace mv
