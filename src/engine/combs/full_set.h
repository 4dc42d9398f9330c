#pragma once

#include <vector>

#include "engine/core/records.h"

namespace mv {

// Writes every combination of five numbers out of 1..36, each ascending, in lexicographic
// order, into `out` (room for FullSetSize combinations).
void FillFullSet(TComb* out);
std::vector<TComb> FullSet();

}  // namespace mv
