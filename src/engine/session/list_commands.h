#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/combs/full_set_files.h"
#include "engine/combs/selection.h"
#include "engine/session/workspace.h"

namespace mv {

// The commands that change a workspace's combination lists. All of them run through one path:
// the undo snapshot when the command has undo ("Создание файла отката..."), the operation
// (which reads UndoList and writes CurrentList), its operations-list row, and chList raised
// afterwards, also when the operation fails. Nothing outside the session layer writes the
// lists. Errors are EError with the texts given; the caller shows them.

// Fills the working list anew. Modes 0..3 enumerate the full set with the mode's test on my
// numbers (the parameter); mode 4 reads the combination file the parameter names, and when
// that fails shows "Ошибка чтения файла \"<file>\"!\r\r<reason>" and keeps what was read
// (nothing). A mode outside 0..4 is mode 0.
// Interactive form: status "Генерация возможных комбинаций..." while it runs; afterwards the
// operations list is cleared and both UndoList and ListBuffer have count 0 (the buffer keeps
// its key, so the next load misses). The silent form (scenarios, the full-set files) only
// refills the list.
// Any other failure throws EError "Ошибка генерации файла комбинаций!\r\r<reason>".
// Returns false when mode 4's file could not be read (its message was shown), else true.
bool GenerateCombinations(TWorkspace& ws, int mode, const std::string& parameter,
                          bool interactive = true);

// Replaces the working list with combinations made elsewhere (a scenario's result, a list
// read by the command line). There is nothing to undo afterwards; the operations list stays.
void ReplaceCombinations(TWorkspace& ws, const std::vector<TComb>& combs);

// With undo: removes from the working list the latest N visible draws. The window ends at the
// draw DrawsOffset before the newest and holds up to N draws (none when N <= 0); every
// combination whose CountMatches with a draw of the window is 5 goes. Status texts "Удаление из
// списка комбинаций %d последних тиражей..." and, about a hundred times, "... ( завершено %.0f
// % )...". Row ("Последние тиражи", N) marked removed.
void ExcludeLastDraws(TWorkspace& ws, int n);

// With undo: removes the selected rows of the working list (rows outside the list and repeated
// rows are ignored). Row ("Выделенные комбинации", the number of selected rows) marked
// removed. Status "Удаление выделенных комбинаций...".
void DeleteSelectedCombinations(TWorkspace& ws, const std::vector<std::size_t>& selectedRows);

// With undo: keeps (removed = false) or removes (removed = true) the combinations having one
// of the selected values, through the statistic's batch filter, judged relative to the latest
// visible draw (archive index High - DrawsOffset, or 0 when that is negative) with
// SortedDraws. Status "Фильтрация комбинаций..." while it runs.
// - An empty selection changes nothing further and returns false.
// - `stat` is a scenario's own statistic (not owned); without one a statistic of the method
//   `methodIndex` is created and freed here ("Не выбран метод расчета статистики!" when there
//   is no such method).
// - An empty list stays empty without an operations row.
// - Otherwise the row (`caption`: the method selector's text, the selection's text) is added.
// A failure of the statistic propagates with CurrentList put back as it was.
bool ApplyStatSelection(TWorkspace& ws, const TStatSelection& selection, bool removed,
                        int methodIndex, const std::string& caption, TCustomStat* stat = nullptr);
// Single-select removal steps of one statistics table made as one edit, with the result of
// running ApplyStatSelection (removed) for each in turn: `firstStep` tells for each number the
// first step whose filter drops the combinations holding it (see CountFirstSteps), `steps`
// holds each step's selection text and the count it left. The list loses what the steps
// drop, UndoList holds the list as it was before the last step, and each step has its row.
// Nothing happens for no steps.
struct TRemovalStep {
    std::string Values;
    std::int32_t Count = 0;
};
void ApplyRemovalSteps(TWorkspace& ws, const TFirstStepTable& firstStep, const std::string& caption,
                       const std::vector<TRemovalStep>& steps);
// The view variants: the same with a statistic of "Числа тиража" (NUMS), which keeps the
// combinations holding at least one of the selected numbers, and the tab caption ("Карта",
// "Схема", "Неделя") as the row caption. An empty set throws EError "В выделенном
// диапазоне нет значений для фильтра!" and leaves CurrentList unchanged.
void ApplyCardSelection(TWorkspace& ws, const std::vector<std::string>& cellTexts, bool removed);
void ApplyLayoutSelection(TWorkspace& ws, const std::vector<std::string>& cellTexts, bool removed);
void ApplyWeekSelection(TWorkspace& ws, int leftColumn, int rightColumn, bool removed);

// The undo action of the combinations tab: the list as it was before the last command and
// the last operations row removed. Does nothing when there is nothing to undo.
void UndoCombinations(TWorkspace& ws);

// The open action: "Загрузка файла \"<file>\"...", the working list replaced by the file's
// combinations. Afterwards there is nothing to undo and the operations list is empty. When
// the file cannot be read the previous list is restored and EError "Ошибка чтения файла..."
// is thrown. Returns the count.
std::size_t OpenCombinationsFile(TWorkspace& ws, const std::filesystem::path& file);
// The save action: "Сохранение файла \"<file>\"...", every combination of the working list
// written (through a temporary file, so a failure leaves the old file). Throws EError
// "Ошибка записи в файл \"<file>\"!\r\r<reason>".
void SaveCombinationsFile(TWorkspace& ws, const std::filesystem::path& file);
// The paste action with the clipboard's text (UTF-8): when it has at least one line the
// working list becomes its combinations, line i parsed into entry i (ParseCombText), and the
// operations list is cleared. On the first bad line the previous list is restored and EError
// "Некорректная комбинация: \"<line>\"!" is thrown. In both cases there is nothing to undo
// afterwards. Returns the number of lines taken (0: nothing happened).
std::size_t PasteCombinations(TWorkspace& ws, std::string_view text);

// Drops the working list's undo copy (a scenario line starts and ends without one); raises
// chList.
void DiscardListUndo(TWorkspace& ws);

// The keyed list buffer (TCombinations::SaveToBuffer / LoadFromBuffer) of the working list.
void SaveListToBuffer(TWorkspace& ws, std::int32_t k1, std::int32_t k2);
bool LoadListFromBuffer(TWorkspace& ws, std::int32_t k1, std::int32_t k2);
void InvalidateListBuffer(TWorkspace& ws);

// The full-set comparison option of the statistics table; raises chSettings when it changes.
void SetPrefetchsEnabled(TWorkspace& ws, bool enabled);

// --- full-set comparison files --------------------------------------------------------------
// Building a file regenerates the full set in place of the user's list and puts the list back
// from the undo copy, so afterwards the list is the same but there is nothing to undo.

// Builds the method's file (BuildFullSetFile); the list loses its undo copy.
std::optional<TFullSetCounts> CreateFullSetFile(TWorkspace& ws, int methodIndex);
// The method's counts for the statistics table: empty unless the comparison option is on and
// the method has a norm; a missing file is built first, a damaged one is reported and not
// used (ReadOrBuildFullSetFile).
std::optional<TFullSetCounts> OpenFullSetFile(TWorkspace& ws, int methodIndex);
// BuildFullSetFiles when `force` or the comparison option is on; otherwise nothing.
TRebuildResult RebuildFullSetFiles(TWorkspace& ws, bool force, std::uint16_t groups);
// The statistics table for the request, with the norm and the "Все возможные комбинации"
// series when the comparison option is on and the method has a norm. `request.Comparison` is
// filled here.
TStatTable ComputeStatTableWithNorm(TWorkspace& ws, TStatTableRequest request);

}  // namespace mv
