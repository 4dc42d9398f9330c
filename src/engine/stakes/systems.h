#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/combs/combs_array.h"
#include "engine/stakes/stake_record.h"
#include "engine/support/ui_hooks.h"

namespace mv {

// System games. A system is a list of 5-number combinations over abstract positions 1..k
// (6 <= k <= 36), kept as a text file in the "Systems" folder of the data directory, named
// "5-<k, two digits>-<block>_<id, four digits>.dat": one combination per line, five
// positions separated by blanks or any of "*+,-./:;=\_|~", lines ending in CR LF.

// "Systems" inside the data directory.
std::filesystem::path SystemsFolder(const std::filesystem::path& dataDir);
// "%d-%.2d-%d_%.4d.dat" of (5, numbers, block, id): 5-12-3_0042.dat.
std::string SystemFileName(int numbers, int block, int id);
// The separators a system line may use between positions.
inline constexpr const char* SystemSeparators = " *+,-./:;=\\_|~";

struct TSystemLookup {
    bool Found = false;
    // One combination per line: the numbers N[position] in the line's order (not sorted).
    TCombsArray Combs;
    // On success the system file's full path; on failure the short "not found" message or
    // the path of the file that failed to load.
    std::string Text;
};

// Reads one system file mapped onto `numbers` (k = numbers.size()): one combination per line,
// N[position] in the line's word order, words past the fifth ignored. Throws EError with the
// reason (the file and line, and what is wrong) when the file cannot be read or a line is not
// five whole numbers within 1..k.
TCombsArray ReadSystemFile(const std::filesystem::path& file,
                           std::span<const std::uint8_t> numbers);
// The same over the file's text in memory; `fileName` is what the messages name.
TCombsArray ParseSystemText(std::string_view text, std::span<const std::uint8_t> numbers,
                            const std::string& fileName);

// LoadSystemCombinations: the first file (in name order) of `folder` matching "5-<k>-*_*.dat"
// for k = numbers.size(), mapped onto `numbers`. Shows an error box through the hooks when no
// system is there ("Система для %d чисел не найдена или не загружена на компьютер!...") and
// when the file cannot be read or holds a line that is not five whole numbers within 1..k
// ("Ошибка загрузки комбинаций системы!\r\r<file, line and what is wrong>"); a file without
// lines fails without a message.
TSystemLookup LoadSystemCombinations(const std::filesystem::path& folder,
                                     std::span<const std::uint8_t> numbers, IUiHooks& hooks);

// The distinct numbers of a list in the order they first appear (each combination read in its
// stored order), at most 36.
std::vector<std::uint8_t> DistinctListNumbers(const TCombsArray& list);

enum class TSystemStakeMode {
    WholeSystem,  // every combination of the system
    ListOnly,     // only the system's combinations that the list holds too
};
// "Системная игра для %d чисел [вся система]: %s" / "... [комбинации]: %s" with the number
// count and the system file's name without folder and extension.
std::string SystemStakeComment(TSystemStakeMode mode, int numbers,
                               const std::filesystem::path& systemFile);

// The stakes of a system game for one draw (kind "Система", ascending numbers, the cost as
// `cost`), in the system's order; in list mode only combinations that `list` holds. Sample
// size: the system's combination count, or the list's length in list mode.
std::vector<TStakeRecord> BuildSystemStakes(const TCombsArray& system, const TCombsArray& list,
                                            TSystemStakeMode mode, std::int32_t draw,
                                            const std::string& comment, TMoney cost);

}  // namespace mv
