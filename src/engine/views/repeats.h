#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/records.h"

namespace mv {

class IUiHooks;

// Common numbers of two draws: the pairs (i, j) with a.Nums[i] == b.Nums[j]; the extra
// numbers are not compared. For draws of five different numbers, the shared numbers 0..5.
int CommonNumbers(const TDrawRec& a, const TDrawRec& b);

// For each draw of a window of the newest `windowLength` draws (newest first), and each
// number m > 0 of common numbers, the earlier draws among the `depth` draws before it that
// share exactly m numbers with it. Rows of one analysed draw stay together in the order
// their m was first met; rows of different draws never merge.
struct TRepeatRow {
    std::int32_t DrawNumber = 0;
    int Common = 0;
    std::vector<std::int32_t> Draws;  // the earlier draws, newest first
    int Count() const { return static_cast<int>(Draws.size()); }
    // The earlier draws' numbers separated by single blanks.
    std::string DrawsText() const;
};

struct TRepeatsResult {
    std::vector<TRepeatRow> Rows;
    int MaxCommon = 0;  // the largest common count of any pair compared
};

// The whole archive; the draws offset does not apply. Shows the progress "Идет сбор
// статистики...." with a step per analysed draw; the progress is closed also on failure.
TRepeatsResult ComputeRepeats(const TDrawsArray& draws, int windowLength, int depth,
                              IUiHooks& hooks);

// The chart of the analysis: one line per m = 1..MaxCommon titled "Совпадений: m", its
// points (draw number, count) from the oldest analysed draw to the newest.
struct TRepeatsLine {
    std::string Title;
    std::vector<std::pair<std::int32_t, int>> Points;
};
std::vector<TRepeatsLine> RepeatsLines(const TRepeatsResult& result);

}  // namespace mv
