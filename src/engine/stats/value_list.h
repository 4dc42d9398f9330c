#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mv {

// A range may not expand to more values than this; a longer one is refused like any other
// invalid list, so that a typing slip or a hostile scenario cannot exhaust memory.
inline constexpr std::int64_t MaxValueListCount = 100000;

// Reads a value list, the way window lengths and selection thresholds are written:
// - a list of decimal integers separated by "," or ";" ("10, 20; 30"), blanks allowed;
// - or a range "low-high;step" ("1-10;2" is 1, 3, 5, 7, 9; "10-1;-3" is 10, 7, 4, 1), where
//   the number of values is (high - low) / step + 1 truncated toward zero.
// An empty text, a range without a step or with step 0, a part that is not an integer, a
// range that runs the wrong way for its step or holds more than MaxValueListCount values,
// all give an empty list.
std::vector<std::int32_t> ParseValueList(std::string_view text);

// The numbers in decimal joined by the separator.
std::string JoinValueList(const std::vector<std::int32_t>& values, std::string_view separator);

}  // namespace mv
