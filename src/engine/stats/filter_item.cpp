#include "engine/stats/filter_item.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/core/text_utils.h"

namespace mv {
namespace {

// Words between separators (runs of separators count as one), each trimmed.
std::vector<std::string> TrimmedWords(std::string_view text, std::string_view separators) {
    std::vector<std::string> words = SplitWords(text, separators);
    for (std::string& word : words) word = Trim(word);
    return words;
}

// The second ":"-word of a token, trimmed; empty when there is none.
std::string SecondPart(std::string_view token) {
    const auto words = TrimmedWords(token, ":");
    return words.size() > 1 ? words[1] : std::string();
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The column after the three letters. A second digit is taken when the two make a column
// (10..19) - a single digit could not carry those columns through the text.
std::int32_t ReadSortColumn(std::string_view word) {
    if (word.size() < 4 || !IsDigit(word[3])) return 1;
    const int first = word[3] - '0';
    if (word.size() >= 5 && IsDigit(word[4])) {
        const int both = first * 10 + (word[4] - '0');
        if (first > 0 && both < StatColumnCount) return both;
    }
    return first;
}

void ReadLevel(std::string_view word, TFilterItem& item) {
    for (int mode = 0; mode < LevelModeCount; ++mode) {
        if (StartsWithNoCase(word, LevelCode(mode))) {
            item.LevelMode = static_cast<std::uint8_t>(mode);
            item.LevelText = SecondPart(word);
            return;
        }
    }
}

void ReadStop(std::string_view word, TFilterItem& item) {
    for (int mode = 0; mode < StopModeCount; ++mode) {
        if (StartsWithNoCase(word, StopCode(mode))) {
            item.StopMode = static_cast<std::uint8_t>(mode);
            break;
        }
    }
    item.StopValue = StrToIntDef(SecondPart(word), 1);
}

void ReadWeights(std::string_view word, TFilterItem& item) {
    item.OverrideWeights = true;
    const auto parts = TrimmedWords(word, ":");
    const auto part = [&parts](std::size_t i) {
        return i < parts.size() ? parts[i] : std::string();
    };
    item.Weights.CoefCount = ReadCoefficient(part(0));
    item.Weights.CoefDeviation = ReadCoefficient(part(1));
    item.Weights.CoefLevel = ReadCoefficient(part(2));
    item.Weights.UsePercents = part(3) == "1";
    item.Weights.UseAbsValues = part(4) == "1";
}

std::string FlagsText(bool bottomUp, bool multiSelect, bool keep) {
    return std::string(bottomUp ? "B" : "T") + (multiSelect ? "M" : "S") + (keep ? "F" : "D");
}

std::string LevelToken(int mode, const std::string& text) {
    return std::string(LevelCode(mode)) + ":" + text;
}

std::string StopToken(int mode, std::int32_t value) {
    return std::string(StopCode(mode)) + ":" + std::to_string(value);
}

}  // namespace

std::string CoefficientText(long double value) {
    if (!std::isfinite(value) || value == 0) return "0";
    // 15 significant digits, the precision a coefficient is kept to in texts: the shortest
    // of those forms is exact for every value typed with up to 15 digits, and a value that
    // went through a double on its way still comes out as typed.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14Le", value);
    const std::string_view scientific(buffer);
    const bool negative = scientific.front() == '-';
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (const char c : scientific.substr(0, e)) {
        if (IsDigit(c)) digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const int exponent = std::atoi(buffer + e + 1);
    // Fixed notation: the lenient reader would drop an exponent's "e".
    std::string text;
    if (exponent < 0) {
        text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            text = digits + std::string(whole - digits.size(), '0');
        } else {
            text = digits.substr(0, whole) + "." + digits.substr(whole);
        }
    }
    return negative ? "-" + text : text;
}

long double ReadCoefficient(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (IsDigit(c) || c == '-' || c == '.' || c == ',') kept += c;
    }
    return ParseFloat(kept).value_or(0.0L);
}

std::string WeightsText(const TWeightCoefs& weights) {
    return CoefficientText(weights.CoefCount) + ":" + CoefficientText(weights.CoefDeviation) + ":" +
           CoefficientText(weights.CoefLevel) + ":" + (weights.UsePercents ? "1" : "0") + ":" +
           (weights.UseAbsValues ? "1" : "0");
}

std::string ItemToText(const TFilterItem& item) {
    if (!item.Active) return {};
    std::string text = FlagsText(item.BottomUp, item.MultiSelect, item.Keep) +
                       std::to_string(item.SortColumn) + "#";
    const std::string code =
        item.Method ? TStatList::MethodCode(*item.Method) + ":" + item.WindowText : item.CodeText;
    // Runs of "#" read as one, so an empty method token would shift the selection and stop
    // tokens into its place; ":" names no method and reads back as itself.
    text += code.empty() ? ":" : code;
    text += "#" + LevelToken(item.LevelMode, item.LevelText);
    text += "#" + StopToken(item.StopMode, item.StopValue);
    if (item.OverrideWeights) text += "#" + WeightsText(item.Weights);
    return text;
}

TFilterItem TextToItem(std::string_view text, const TStatList& registry) {
    TFilterItem item;
    const auto words = TrimmedWords(Trim(text), "#");
    if (words.empty()) return item;
    item.Active = true;
    const std::string& flags = words[0];
    item.SortColumn = ReadSortColumn(flags);
    item.BottomUp = flags.find('B') != std::string::npos;
    item.MultiSelect = flags.find('M') != std::string::npos;
    item.Keep = flags.find('F') != std::string::npos;
    if (words.size() > 1) {
        item.CodeText = words[1];
        const int index = registry.FindMethod(item.CodeText);
        if (index >= 0) {
            item.Method = &registry.Method(index);
            item.WindowText = SecondPart(item.CodeText);
        }
    }
    if (words.size() > 2) ReadLevel(words[2], item);
    if (words.size() > 3) ReadStop(words[3], item);
    if (words.size() > 4) ReadWeights(words[4], item);
    return item;
}

std::string NormalizeItemText(std::string_view text, const TStatList& registry) {
    return ItemToText(TextToItem(text, registry));
}

std::string PartToText(const TFilterPart& part) {
    if (!part.Active) return {};
    std::string text = FlagsText(part.BottomUp, part.MultiSelect, part.Keep) + "#";
    text += (part.Method ? TStatList::MethodCode(*part.Method) : std::string()) + ":" +
            std::to_string(part.WindowLength);
    text += "#" + LevelToken(part.LevelMode, part.LevelText);
    text += "#" + StopToken(part.StopMode, part.StopValue);
    if (part.OverrideWeights) text += "#" + WeightsText(part.Weights);
    return text;
}

std::string StepToText(const TFilterRec& step) {
    std::string text;
    for (const TFilterPart& part : step) {
        const std::string description = PartToText(part);
        if (description.empty()) continue;
        if (!text.empty()) text += " + ";
        text += description;
    }
    return text;
}

}  // namespace mv
