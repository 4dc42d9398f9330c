#include "engine/stakes/stake_entry.h"

#include <algorithm>
#include <bitset>

#include "engine/core/constants.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {
constexpr std::string_view kSeparators = ";,";
}  // namespace

std::optional<std::vector<std::uint8_t>> ParseStakeEntry(std::string_view text) {
    const std::vector<std::string> words = SplitWords(text, kSeparators);
    if (words.size() != static_cast<std::size_t>(NumbersInDraw)) return std::nullopt;
    std::vector<std::uint8_t> numbers;
    std::bitset<MaxNumber + 1> seen;
    for (const std::string& word : words) {
        const std::int32_t n = StrToIntDef(Trim(word), 0);
        if (n < 1 || n > MaxNumber || seen[static_cast<std::size_t>(n)]) return std::nullopt;
        seen[static_cast<std::size_t>(n)] = true;
        numbers.push_back(static_cast<std::uint8_t>(n));
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

std::int64_t StakeEntrySum(std::string_view text) {
    std::int64_t sum = 0;
    for (const std::string& word : SplitWords(text, kSeparators)) sum += StrToIntDef(Trim(word), 0);
    return sum;
}

}  // namespace mv
