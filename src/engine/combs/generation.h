#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/combs/combs_array.h"
#include "engine/support/ui_hooks.h"

namespace mv {

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

// Fills `list` anew for a generation mode (outside 0..4: mode 0). Modes 0..3 enumerate the
// full set with the mode's test on my numbers (the parameter); mode 4 reads the combination
// file the parameter names, and when that fails shows "Ошибка чтения файла \"<file>\"!\r\r
// <reason>" through `hooks`, keeps what was read (nothing) and returns false.
bool FillGeneratedList(int mode, const std::string& parameter, TCombsArray& list,
                       IUiHooks& hooks);

// Copies to `target` every combination of `source` that is none of `draws`, a combination
// counting as a draw when CountMatches with it is 5. `progress(done, total)` is called about
// a hundred times.
void CopyUndrawn(const TCombsArray& source, const std::vector<const std::uint8_t*>& draws,
                 TCombsArray& target,
                 const std::function<void(std::size_t, std::size_t)>& progress);

// Copies to `target` every row of `source` that is not selected; rows outside the list and
// repeated rows are ignored. Returns the number of distinct selected rows inside the list.
std::size_t CopyUnselectedRows(const TCombsArray& source,
                               const std::vector<std::size_t>& selectedRows, TCombsArray& target);

}  // namespace mv
