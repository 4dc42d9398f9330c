#include "engine/stats/value_list.h"

#include <limits>
#include <optional>

#include "engine/core/text_utils.h"

namespace mv {
namespace {

std::optional<std::int32_t> ReadInt32(std::string_view text) {
    const std::string word = Trim(text);
    const auto value = StrToInt64(word);
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*value);
}

// "1, 2; 3": every word between the separators must be an integer.
std::optional<std::vector<std::int32_t>> ParseListForm(std::string_view text) {
    std::vector<std::int32_t> values;
    for (const std::string& word : SplitWords(text, ",;")) {
        const auto value = ReadInt32(word);
        if (!value) return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

// "low-high;step". The first character may be the sign of low, so the "-" between the
// bounds is searched from the second character on.
std::vector<std::int32_t> ParseRangeForm(std::string_view untrimmed) {
    const std::string trimmed = Trim(untrimmed);
    const std::string_view text = trimmed;
    const std::size_t dash = text.size() > 1 ? text.find('-', 1) : std::string_view::npos;
    const std::string_view lowText = text.substr(0, dash);
    std::string_view rest =
        dash == std::string_view::npos ? std::string_view() : text.substr(dash + 1);
    const std::size_t sep = rest.find_first_of(",;");
    const std::string_view highText = rest.substr(0, sep);
    const std::string_view stepText =
        sep == std::string_view::npos ? std::string_view() : rest.substr(sep + 1);

    const auto low = ReadInt32(lowText);
    const auto high = ReadInt32(highText);
    const auto step = ReadInt32(stepText);
    if (!low || !high || !step || *step == 0) return {};
    const std::int64_t count = (std::int64_t{*high} - *low) / *step + 1;
    if (count <= 0 || count > MaxValueListCount) return {};
    std::vector<std::int32_t> values;
    values.reserve(static_cast<std::size_t>(count));
    // Every value lies between low and high, so none leaves the int32 range.
    for (std::int64_t i = 0; i < count; ++i) {
        values.push_back(static_cast<std::int32_t>(*low + i * *step));
    }
    return values;
}

}  // namespace

std::vector<std::int32_t> ParseValueList(std::string_view text) {
    if (text.empty()) return {};
    if (auto list = ParseListForm(text)) return std::move(*list);
    return ParseRangeForm(text);
}

std::string JoinValueList(const std::vector<std::int32_t>& values, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) text += separator;
        text += std::to_string(values[i]);
    }
    return text;
}

}  // namespace mv
