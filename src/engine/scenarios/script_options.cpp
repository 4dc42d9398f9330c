#include "engine/scenarios/script_options.h"

#include <array>
#include <vector>

#include "engine/core/messages.h"
#include "engine/core/text_utils.h"

namespace mv {
namespace {

struct TModeTexts {
    const char* Keyword;
    TMsgText Caption;
    TMsgText Short;
};

const std::array<TModeTexts, ScriptListModeCount> kListModes = {{
    {"FULL", TMsg::SourceFullLong, TMsg::SourceFullShort},
    {"EXCL", TMsg::SourceExcludeLong, TMsg::SourceExcludeShort},
    {"CURR", TMsg::SourceCurrentLong, TMsg::SourceCurrentShort},
}};

const std::array<TModeTexts, ScriptStakeModeCount> kStakeModes = {{
    {"RAND", TMsg::StakeRandomLong, TMsg::StakeRandomShort},
    {"FIRST", TMsg::StakeFirstLong, TMsg::StakeFirstShort},
    {"LAST", TMsg::StakeLastLong, TMsg::ColumnLast},
    {"ALL", TMsg::StakeAllLong, TMsg::StakeAllShort},
    {"SYSA", TMsg::StakeSystemAllLong, TMsg::StakeSystemAllShort},
    {"SYSC", TMsg::StakeSystemCombsLong, TMsg::StakeSystemCombsShort},
    {"STOP", TMsg::StakeStopLong, TMsg::StakeStopShort},
    {"SKIP", TMsg::StakeSkipLong, TMsg::StakeSkipShort},
    {"NONE", TMsg::StakeNoneLong, TMsg::StakeNoneShort},
}};

constexpr const char* kClearKeyword = "CLR";
constexpr const char* kNewOnlyKeyword = "NEX";
constexpr TMsgText kClearShort{TMsg::ClearStakesShort};
constexpr TMsgText kNewOnlyShort{TMsg::NewOnlyShort};
constexpr TMsgText kAllStakesShort{TMsg::AllStakesShort};

template <std::size_t N>
const TModeTexts* Find(const std::array<TModeTexts, N>& table, int mode) {
    return mode >= 0 && mode < static_cast<int>(N) ? &table[static_cast<std::size_t>(mode)]
                                                   : nullptr;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

void ReadListWord(const std::string& word, TScriptOptions& options) {
    for (int mode = 0; mode < ScriptListModeCount; ++mode) {
        if (StartsWithNoCase(word, kListModes[static_cast<std::size_t>(mode)].Keyword)) {
            options.ListMode = static_cast<std::uint8_t>(mode);
            break;
        }
    }
    const auto parts = SplitWords(word, ":");
    options.ExcludeDraws = parts.size() > 1 ? StrToIntDef(Trim(parts[1]), 0) : 0;
}

void ReadStakeWord(const std::string& word, TScriptOptions& options) {
    for (int mode = 0; mode < ScriptStakeModeCount; ++mode) {
        if (EqualsNoCase(word, kStakeModes[static_cast<std::size_t>(mode)].Keyword)) {
            options.StakeMode = static_cast<std::uint8_t>(mode);
            return;
        }
    }
}

}  // namespace

const char* ListModeKeyword(int mode) {
    const TModeTexts* t = Find(kListModes, mode);
    return t ? t->Keyword : "";
}
const char* StakeModeKeyword(int mode) {
    const TModeTexts* t = Find(kStakeModes, mode);
    return t ? t->Keyword : "";
}
const char* ListModeCaption(int mode) {
    const TModeTexts* t = Find(kListModes, mode);
    return t ? t->Caption.c_str() : ScriptModeErrorText;
}
const char* StakeModeCaption(int mode) {
    const TModeTexts* t = Find(kStakeModes, mode);
    return t ? t->Caption.c_str() : ScriptModeErrorText;
}
const char* ListModeShortText(int mode) {
    const TModeTexts* t = Find(kListModes, mode);
    return t ? t->Short.c_str() : ScriptModeErrorText;
}
const char* StakeModeShortText(int mode) {
    const TModeTexts* t = Find(kStakeModes, mode);
    return t ? t->Short.c_str() : ScriptModeErrorText;
}

TScriptOptions ReadScriptOptions(std::string_view text) {
    TScriptOptions options;
    const auto words = SplitWords(text, "#");
    if (!words.empty()) ReadListWord(Trim(words[0]), options);
    if (words.size() > 1) ReadStakeWord(Trim(words[1]), options);
    for (std::size_t i = 2; i < words.size(); ++i) {
        const std::string word = Trim(words[i]);
        if (EqualsNoCase(word, kClearKeyword)) options.ClearStakes = true;
        if (EqualsNoCase(word, kNewOnlyKeyword)) options.NewOnly = true;
    }
    return options;
}

std::string ScriptOptionsText(const TScriptOptions& options) {
    std::string text = std::string(ListModeKeyword(options.ListMode)) + ":" +
                       std::to_string(options.ExcludeDraws) + "#" +
                       StakeModeKeyword(options.StakeMode);
    if (options.ClearStakes) text += std::string("#") + kClearKeyword;
    if (options.NewOnly) text += std::string("#") + kNewOnlyKeyword;
    return text;
}

std::string OptionsText(const TScriptOptions& options) {
    std::string text =
        Fmt(ListModeShortText(options.ListMode), {std::to_string(options.ExcludeDraws)});
    text += std::string("; ") + StakeModeShortText(options.StakeMode);
    if (options.ClearStakes) text += std::string("; ") + kClearShort;
    text += std::string("; ") + (options.NewOnly ? kNewOnlyShort : kAllStakesShort);
    return text;
}

std::string ScriptVariantKey(const TScriptOptions& options) {
    std::string key = ListModeKeyword(options.ListMode);
    if (options.ListMode == slmExclude) key += ":" + std::to_string(options.ExcludeDraws);
    key += std::string("#") + StakeModeKeyword(options.StakeMode);
    if (options.NewOnly) key += std::string("#") + kNewOnlyKeyword;
    return key;
}

}  // namespace mv
