#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/core/messages.h"

namespace mv {

// Starting list of a scenario line.
enum TScriptListMode : std::uint8_t { slmFull = 0, slmExclude = 1, slmCurrent = 2 };
inline constexpr int ScriptListModeCount = 3;

// What a line does with the combinations its filters leave.
enum TScriptStakeMode : std::uint8_t {
    ssmRandom = 0,
    ssmFirst = 1,
    ssmLast = 2,
    ssmAll = 3,
    ssmSystemAll = 4,
    ssmSystemCombs = 5,
    ssmStop = 6,
    ssmSkip = 7,
    ssmNone = 8,
};
inline constexpr int ScriptStakeModeCount = 9;

// The options field of a scenario line, parsed.
struct TScriptOptions {
    std::int32_t ExcludeDraws = 0;  // N: last draws removed from the starting list (EXCL)
    std::uint8_t ListMode = slmFull;
    std::uint8_t StakeMode = ssmRandom;
    bool ClearStakes = false;  // CLR
    bool NewOnly = false;      // NEX
    friend bool operator==(const TScriptOptions&, const TScriptOptions&) = default;
};

inline constexpr const char* ScriptModeErrorText = "# ERROR #";

// Keywords ("FULL", "EXCL", "CURR"; "RAND", "FIRST", ...); "" outside the tables.
const char* ListModeKeyword(int mode);
const char* StakeModeKeyword(int mode);
// Texts of the line dialog's combo boxes; "# ERROR #" outside the tables.
const char* ListModeCaption(int mode);
const char* StakeModeCaption(int mode);
// Short texts of the "Опции" column; the EXCL text holds a "%d" for N.
const char* ListModeShortText(int mode);
const char* StakeModeShortText(int mode);

inline constexpr TMsgText ClearStakesCaption{TMsg::ClearStakesCaption};
inline constexpr TMsgText NewOnlyCaption{TMsg::NewOnlyCaption};

// Reads an options field: words separated by "#" (runs count as one). Word 1 gives the list
// mode (the first keyword it begins with, any case; FULL otherwise) and N after a ":" (0 when
// absent or not a number); word 2 the stake mode (the keyword it equals, any case; RAND
// otherwise); later words set CLR and NEX (any case). Never fails.
TScriptOptions ReadScriptOptions(std::string_view text);

// The options as the line dialog writes them: "LIST:N#STAKE", then "#CLR" and "#NEX" when
// set; N always written, e.g. "FULL:0#RAND" or "EXCL:3#FIRST#NEX".
std::string ScriptOptionsText(const TScriptOptions& options);

// The "Опции" column, e.g. "Исключить 3 тиражей; Первая; Все создаваемые ставки".
std::string OptionsText(const TScriptOptions& options);

// The short key of a line's options in stake comments and the execution log: the list
// keyword (with ":N" for EXCL only), "#" and the stake keyword, "#NEX" when set; CLR is never
// written. E.g. "FULL#RAND", "EXCL:3#FIRST#NEX".
std::string ScriptVariantKey(const TScriptOptions& options);

}  // namespace mv
