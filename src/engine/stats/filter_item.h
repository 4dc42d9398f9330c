#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/core/records.h"
#include "engine/stats/filter_modes.h"
#include "engine/stats/stat_list.h"

namespace mv {

// One filter item of a scenario line, as stored: compute a method's statistics over a window,
// sort the table by a column, walk it from the top or the bottom, select rows by a selection
// mode and delete (or keep) their combinations until the stop mode says enough.
//
// Text form (ItemToText / TextToItem), tokens joined by "#":
//   flags and sort column   "T"/"B" (top-down / bottom-up), "S"/"M" (single / multi-select),
//                           "D"/"F" (delete / keep), then the column, e.g. "TSD1"
//   method                  code ":" window lengths, e.g. "SUMS:10" or "NUMS:10-50;10"
//   selection               mode code ":" values, e.g. "LNO:" or "CMV:5"
//   stop                    stop code ":" value, e.g. "SF:1"
//   weights (only when overriding)  count:deviation:depth:percentages:absolute, e.g. "0:-1:1:0:0"
struct TFilterItem {
    bool Active = false;
    std::string CodeText;  // the method token exactly as read (code, ":", window lengths)
    // The resolved method, or nullptr. Points into the registry's list and is valid until the
    // list is rebuilt (BuildMethods); re-read the text after a rebuild.
    const TStatMethod* Method = nullptr;
    std::string WindowText;       // window lengths as a value list
    std::int32_t SortColumn = 0;  // statistics-table column (TStatColumn)
    bool BottomUp = false;
    bool MultiSelect = false;
    bool Keep = false;           // keep the selected values' combinations instead of deleting them
    std::uint8_t LevelMode = 0;  // selection mode 0..31
    std::string LevelText;       // the mode's values as a value list
    bool OverrideWeights = false;
    TWeightCoefs Weights;
    std::uint8_t StopMode = 0;  // 0..5
    std::int32_t StopValue = 0;
};

// One variant of an item with every list resolved to a single choice: what a scenario run
// applies.
struct TFilterPart {
    bool Active = false;
    const TStatMethod* Method = nullptr;
    std::int32_t WindowLength = 0;
    std::int32_t SortColumn = 0;
    bool BottomUp = false;
    bool MultiSelect = false;
    bool Keep = false;
    std::uint8_t LevelMode = 0;
    std::string LevelValue;  // compared by the selection mode: one value, or a list joined by ","
    std::string LevelText;   // the item's values as written, for descriptions
    bool OverrideWeights = false;
    TWeightCoefs Weights;
    std::uint8_t StopMode = 0;
    std::int32_t StopValue = 0;
};

inline constexpr int FiltersPerLine = 7;
using TFilterRec = std::array<TFilterPart, FiltersPerLine>;

// The weight block a part puts in place of the configured one (TStatList::UseWeights).
inline TWeightOverride PartWeights(const TFilterPart& part) {
    return {part.OverrideWeights, part.Weights};
}

// The item's text; empty for an inactive item. A resolved method is written with its code as
// the registry writes it; an unresolved one with the token it was read with.
std::string ItemToText(const TFilterItem& item);

// Reads an item's text; an empty (or blank) text gives an inactive item. Never fails: parts
// that cannot be read keep their defaults (see the text form above), and a method code the
// registry does not know leaves Method empty and WindowText empty.
// The sort column is the digit (or two digits, for columns 10..19) after the three letters;
// 1 when there is none. Letters are case-sensitive, codes are not.
TFilterItem TextToItem(std::string_view text, const TStatList& registry);

// The text as the scenario list shows it: read and written again. Blank gives "".
std::string NormalizeItemText(std::string_view text, const TStatList& registry);

// Description of one variant for logs and stake comments, e.g. "TSD#SUMS:10#LNO:#SF:1"; empty
// for an inactive part.
std::string PartToText(const TFilterPart& part);
// The non-empty descriptions of a step's parts joined by " + ".
std::string StepToText(const TFilterRec& step);

// A coefficient as the text form writes it: rounded to 15 significant digits, in the shortest
// decimal form of that (so it reads back exactly when it has no more digits), with "."
// whatever the interface's separator, never with an exponent.
std::string CoefficientText(long double value);
// A coefficient read leniently: digits and "-" kept, "." or "," as the decimal separator,
// anything else ignored; 0 when nothing readable is left.
long double ReadCoefficient(std::string_view text);
// "count:deviation:depth:percentages:absolute".
std::string WeightsText(const TWeightCoefs& weights);

}  // namespace mv
