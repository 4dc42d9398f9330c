#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/combs/combs_array.h"
#include "engine/core/records.h"
#include "engine/stats/stat_list.h"
#include "engine/support/ui_hooks.h"

namespace mv {

// The archive look-up of one combination: the draws holding all five of its numbers
// (CountMatches 5), newest first, each as DrawLineText, at most 26 of them (the scan stops
// once more than 25 were found).
struct TArchiveLookup {
    std::vector<std::string> Lines;
    // The information box: "Выделенная комбинация найдена в следующих тиражах:", an empty
    // line and the lines; or "Выделенная комбинация не найдена архиве тиражей!".
    std::string Message() const;
};
inline constexpr std::size_t ArchiveLookupLimit = 26;
// Status "Поиск по архиву тиражей..." while it runs. The whole archive is scanned, hidden
// draws included.
TArchiveLookup FindInArchive(const TDrawsArray& draws, const TComb& comb, IUiHooks& hooks);

// "В текущем списке комбинаций содержится %d уникальных номеров" for the working list
// (status "Подождите пожалуйста..." while counting).
std::string UniqueNumbersMessage(const TCombsArray& list, IUiHooks& hooks);

// The statistic rows of the combination information dialog: each listed graph method's name
// and its graph value for the five numbers, with SortedDraws and DrawsOffset as the position
// argument, in method-list order.
std::vector<std::pair<std::string, std::int32_t>> CombinationInfoValues(
    const TStatList& registry, const TComb& comb, int drawsOffset, bool sorted);

}  // namespace mv
