#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/core/messages.h"

namespace mv {

// What a person types for a stake: numbers separated by ";" or "," ("3;17;22;30;35").

// The five staked numbers in ascending order: exactly five words (runs of separators count
// as one), each a whole number of 1..36, all different; std::nullopt when any rule fails
// (the dialog then says "Введена некорректная комбинация!").
std::optional<std::vector<std::uint8_t>> ParseStakeEntry(std::string_view text);

// The sum the stake dialog shows while the numbers are typed: every word read as an integer,
// 0 when it is not one.
std::int64_t StakeEntrySum(std::string_view text);

inline constexpr TMsgText InvalidStakeEntryMessage{TMsg::InvalidDrawEntryMessage};
inline constexpr TMsgText EmptyStakeCommentMessage{TMsg::RegularCommentMissing};
// The longest comment the stake dialogs accept, in characters.
inline constexpr int StakeDialogCommentMax = 64;

}  // namespace mv
