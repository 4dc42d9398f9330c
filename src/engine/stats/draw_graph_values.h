#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/stats/stat_list.h"

namespace mv {

// The graph value of every listed graph method for archive draw `drawIndex`, computed at the
// draw's own index: pairs of the method's name and its value, in method-list order.
std::vector<std::pair<std::string, std::int32_t>> DrawGraphValues(const TStatList& registry,
                                                                  int drawIndex, bool sorted);
// The same for five numbers that are not a draw (a combination): GraphValue of the numbers
// (ascending when `sorted`) with `position` as the draw-index argument and no extra number.
std::vector<std::pair<std::string, std::int32_t>> CombGraphValues(const TStatList& registry,
                                                                  const std::uint8_t* nums,
                                                                  int position, bool sorted);

}  // namespace mv
