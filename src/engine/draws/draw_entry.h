#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/core/constants.h"
#include "engine/core/messages.h"
#include "engine/core/records.h"

namespace mv {

// What a person types for one draw: the five numbers in drawing order and the extra number.
struct TDrawEntry {
    std::array<std::uint8_t, NumbersInDraw> Nums{};
    std::uint8_t Extra = 0;
    friend bool operator==(const TDrawEntry&, const TDrawEntry&) = default;
};

// Shown when ParseDrawEntry refuses a text.
inline constexpr TMsgText InvalidDrawEntryMessage{TMsg::InvalidDrawEntryMessage};

// Reads "n1;n2;n3;n4;n5;extra": exactly six words separated by ";" or "," (runs of
// separators count as one), each trimmed and read as an integer (0 when it is not one).
// The five numbers must lie in 1..36 and be pairwise different; the extra number must lie in
// 1..36 and may equal one of them. std::nullopt when any rule fails.
std::optional<TDrawEntry> ParseDrawEntry(std::string_view text);

// The text a draw is edited as: the five numbers in stored order, then the extra number,
// joined by ";".
std::string DrawEntryText(const TDrawRec& draw);

// A new record (padding zero) with the entry's numbers and the date text as given (UTF-8,
// cut to the record's 10 characters).
TDrawRec MakeDrawRec(std::int32_t number, const TDrawEntry& entry, const std::string& date);

}  // namespace mv
