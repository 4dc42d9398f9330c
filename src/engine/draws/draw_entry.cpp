#include "engine/draws/draw_entry.h"

#include <bitset>

#include "engine/core/game.h"
#include "engine/core/text_utils.h"

namespace mv {

std::optional<TDrawEntry> ParseDrawEntry(std::string_view text) {
    const auto words = SplitWords(text, ";,");
    if (words.size() != NumbersInDraw + ExtraCount) return std::nullopt;
    TDrawEntry entry;
    std::bitset<MaxNumber + 1> seen;
    for (int i = 0; i < NumbersInDraw; ++i) {
        const std::int32_t n = StrToIntDef(Trim(words[static_cast<std::size_t>(i)]), 0);
        if (n < 1 || n > MaxNumber || seen.test(static_cast<std::size_t>(n))) return std::nullopt;
        seen.set(static_cast<std::size_t>(n));
        entry.Nums[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(n);
    }
    const std::int32_t extra = StrToIntDef(Trim(words.back()), 0);
    if (extra < 1 || extra > MaxNumber) return std::nullopt;
    entry.Extra = static_cast<std::uint8_t>(extra);
    return entry;
}

std::string DrawEntryText(const TDrawRec& draw) {
    return DrawNumbersText(draw) + ";" + std::to_string(draw.Extra);
}

TDrawRec MakeDrawRec(std::int32_t number, const TDrawEntry& entry, const std::string& date) {
    TDrawRec draw;
    draw.Number = number;
    draw.Nums = entry.Nums;
    draw.Extra = entry.Extra;
    draw.SetDate(date);
    return draw;
}

}  // namespace mv
