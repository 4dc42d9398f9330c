#pragma once

#include <bitset>
#include <cstddef>
#include <string>
#include <vector>

#include "engine/combs/combs_array.h"

namespace mv {

class TWorkspace;

// Generation modes and their dialog texts.
enum TGenerateMode : int {
    gmFullSet = 0,     // every combination
    gmAnyOfMine = 1,   // holding at least one of my numbers
    gmOnlyMine = 2,    // made only of my numbers
    gmNoneOfMine = 3,  // holding none of my numbers
    gmFromFile = 4,    // the combinations of a combination file
};
inline constexpr int GenerateModeCount = 5;
// "Полный список (все возможные для данного лото варианты)", ...
const char* GenerateModeText(int mode);

// My numbers: the text split into words at "," and ";", each trimmed and read as an integer
// (0 when it is not one); values 0..255 are in the set, others are ignored.
std::bitset<256> ParseMyNumbers(const std::string& text);

// Appends to `list` every five-number set of 1..36 in lexicographic order, each ascending,
// that the mode keeps with these numbers (modes 0..3; another mode keeps every set).
void AppendGeneratedSets(int mode, const std::bitset<256>& mine, TCombsArray& list);

// Fills the working list anew. Modes 0..3 enumerate the full set with the mode's test on my
// numbers (the parameter); mode 4 reads the combination file the parameter names, and when
// that fails shows "Ошибка чтения файла \"<file>\"!\r\r<reason>" and keeps what was read
// (nothing). A mode outside 0..4 is mode 0.
// Interactive form: status "Генерация возможных комбинаций..." while it runs; afterwards the
// operations list is cleared, the view follows, and both UndoList and ListBuffer have count
// 0 (the buffer keeps its key, so the next load misses). The silent form (scenarios, the
// full-set files) only refills the list.
// Any other failure throws EError "Ошибка генерации файла комбинаций!\r\r<reason>".
// Returns false when mode 4's file could not be read (its message was shown), else true.
bool GenerateCombinations(TWorkspace& ws, int mode, const std::string& parameter,
                          bool interactive = true);

// Removes from the working list the latest N visible draws: the window ends at the draw
// DrawsOffset before the newest and holds up to N draws (none when N <= 0). Reads UndoList
// (take SnapshotForUndo first) and keeps in CurrentList every combination whose CountMatches
// with each draw of the window is below 5. Status texts "Удаление из списка комбинаций %d
// последних тиражей..." and, about a hundred times, "... ( завершено %.0f %% )...". Adds the
// operations row ("Последние тиражи", N) marked removed.
void ExcludeLastDraws(TWorkspace& ws, int n);

// Removes the selected rows: every row of UndoList (take SnapshotForUndo first; the rows of
// the view are its entries) that is not selected goes to CurrentList. Rows outside the list
// and repeated rows are ignored. Adds the operations row ("Выделенные комбинации", the number
// of selected rows) marked removed. Status "Удаление выделенных комбинаций...".
void DeleteSelectedCombinations(TWorkspace& ws, const std::vector<std::size_t>& selectedRows);

}  // namespace mv
