#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "gui/support/tr.h"
#include "gui/support/window_settings.h"

namespace mv {

// The settings the main window keeps in its section ("TFormMain") of the window-settings
// file, by name, so that the desktop program reads and writes them through this table.

enum class TSettingKind { Integer, Boolean };
enum class TSettingWritten { AtExit, WhenChanged, AtFirstStart };

struct TSettingKey {
    const char* Name;
    TSettingKind Kind;
    std::int32_t Default;  // 0/1 for booleans; unused when DesignedDefault
    // The default is the size the window's layout gives the element before any setting.
    bool DesignedDefault;
    TSettingWritten Written;
};

namespace MainWindowKey {
using K = TSettingKind;
using W = TSettingWritten;
// clang-format off
inline constexpr TSettingKey LeftPanelWidth      {"LeftPanelWidth",      K::Integer, 0,    true,  W::AtExit};
inline constexpr TSettingKey DrawsExclude        {"DrawsExclude",        K::Integer, 0,    false, W::AtExit};
inline constexpr TSettingKey DrawsStatLen        {"DrawsStatLen",        K::Integer, 1000, false, W::AtExit};
inline constexpr TSettingKey DrawsStatHeight     {"DrawsStatHeight",     K::Integer, 0,    true,  W::AtExit};
inline constexpr TSettingKey DrawsGraphLen       {"DrawsGraphLen",       K::Integer, 100,  false, W::AtExit};
inline constexpr TSettingKey FiltersHeight       {"FiltersHeight",       K::Integer, 0,    true,  W::AtExit};
inline constexpr TSettingKey LayoutLen           {"LayoutLen",           K::Integer, 100,  false, W::AtExit};
inline constexpr TSettingKey LayoutCompareLen1   {"LayoutCompareLen1",   K::Integer, 50,   false, W::AtExit};
inline constexpr TSettingKey LayoutCompareLen2   {"LayoutCompareLen2",   K::Integer, 100,  false, W::AtExit};
inline constexpr TSettingKey LayoutCompareLen3   {"LayoutCompareLen3",   K::Integer, 200,  false, W::AtExit};
inline constexpr TSettingKey LayoutCompareLen4   {"LayoutCompareLen4",   K::Integer, 300,  false, W::AtExit};
inline constexpr TSettingKey LayoutCompareLen5   {"LayoutCompareLen5",   K::Integer, 400,  false, W::AtExit};
inline constexpr TSettingKey WeekLen             {"WeekLen",             K::Integer, 1000, false, W::AtExit};
inline constexpr TSettingKey WeekHeight          {"WeekHeight",          K::Integer, 0,    true,  W::AtExit};
inline constexpr TSettingKey WeekChartMode       {"WeekChartMode",       K::Integer, 0,    false, W::WhenChanged};
inline constexpr TSettingKey WeekChartType       {"WeekChartType",       K::Boolean, 0,    false, W::WhenChanged};
inline constexpr TSettingKey AutoUpdates         {"AutoUpdates",         K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey DownloadDrawsOnStart{"DownloadDrawsOnStart",K::Integer, 0,    false, W::WhenChanged};
inline constexpr TSettingKey ScriptLogEnabled    {"ScriptLogEnabled",    K::Boolean, 0,    false, W::WhenChanged};
inline constexpr TSettingKey StakesLogEnabled    {"StakesLogEnabled",    K::Boolean, 0,    false, W::WhenChanged};
inline constexpr TSettingKey StakesScrollEnabled {"StakesScrollEnabled", K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey StakesCheckOnLine   {"StakesCheckOnLine",   K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey ColorDraws          {"ColorDraws",          K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey ColorCombs          {"ColorCombs",          K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey ColorCard           {"ColorCard",           K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey ColorCardSequences  {"ColorCardSequences",  K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey LayoutGradient      {"LayoutGradient",      K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey SortedDraws         {"SortedDraws",         K::Boolean, 0,    false, W::WhenChanged};
inline constexpr TSettingKey PrefetchsEnabled    {"PrefetchsEnabled",    K::Boolean, 0,    false, W::WhenChanged};
inline constexpr TSettingKey PrefetchsInit       {"PrefetchsInit",       K::Boolean, 0,    false, W::AtFirstStart};
inline constexpr TSettingKey ShowTotalLine       {"ShowTotalLine",       K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey RatingsEffMode      {"RatingsEffMode",      K::Integer, 1,    false, W::WhenChanged};
inline constexpr TSettingKey LayoutCompareHeight {"LayoutCompareHeight", K::Integer, 0,    true,  W::AtExit};
inline constexpr TSettingKey ScriptLibraryOn     {"ScriptLibraryOn",     K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey ScriptLibraryHeight {"ScriptLibraryHeight", K::Integer, 0,    true,  W::AtExit};
inline constexpr TSettingKey ScriptLibraryFilter {"ScriptLibraryFilter", K::Integer, 2,    false, W::AtExit};
inline constexpr TSettingKey TabGraphs           {"TabGraphs",           K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey TabCard             {"TabCard",             K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey TabLayout           {"TabLayout",           K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey TabWeek             {"TabWeek",             K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey TabTables           {"TabTables",           K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey SystemsEnabled      {"SystemsEnabled",      K::Boolean, 1,    false, W::WhenChanged};
inline constexpr TSettingKey Language            {"Language",            K::Integer, 1049, false, W::WhenChanged};
inline constexpr TSettingKey FirstRun            {"FirstRun",            K::Boolean, 0,    false, W::WhenChanged};
// clang-format on

inline constexpr std::array All = {
    LeftPanelWidth,
    DrawsExclude,
    DrawsStatLen,
    DrawsStatHeight,
    DrawsGraphLen,
    FiltersHeight,
    LayoutLen,
    LayoutCompareLen1,
    LayoutCompareLen2,
    LayoutCompareLen3,
    LayoutCompareLen4,
    LayoutCompareLen5,
    WeekLen,
    WeekHeight,
    WeekChartMode,
    WeekChartType,
    AutoUpdates,
    DownloadDrawsOnStart,
    ScriptLogEnabled,
    StakesLogEnabled,
    StakesScrollEnabled,
    StakesCheckOnLine,
    ColorDraws,
    ColorCombs,
    ColorCard,
    ColorCardSequences,
    LayoutGradient,
    SortedDraws,
    PrefetchsEnabled,
    PrefetchsInit,
    ShowTotalLine,
    RatingsEffMode,
    LayoutCompareHeight,
    ScriptLibraryOn,
    ScriptLibraryHeight,
    ScriptLibraryFilter,
    TabGraphs,
    TabCard,
    TabLayout,
    TabWeek,
    TabTables,
    SystemsEnabled,
    Language,
    FirstRun,
};
}  // namespace MainWindowKey

// The lists and the grid of the main window whose column widths are stored at exit.
inline constexpr std::array MainWindowLists = {
    "lvDraws",  "lvCombs",   "lvFilters", "lvDrawsStat",     "lvRatings",
    "lvTables", "lvSystems", "lvScript",  "lvOnlineScripts", "sgStakes",
};

// A main-window setting with its default; `designed` is the default of a size whose default
// is the designed one. Booleans read as 0 or 1.
std::int32_t ReadMainSetting(const TWindowSettings& settings, const TSettingKey& key,
                             std::int32_t designed = 0);
bool ReadMainFlag(const TWindowSettings& settings, const TSettingKey& key);
// Writes one setting (a boolean as "1"/"0") and flushes the file, unless a batch is open.
void WriteMainSetting(TWindowSettings& settings, const TSettingKey& key, std::int32_t value);

// The statistics-table columns that show the comparison with the full set.
inline constexpr std::array ComparisonColumnCaptions = {
    gui::TrNoop("Норма"), gui::TrNoop("Отклонение"), gui::TrNoop("Откл-ие в %")};
inline constexpr int ComparisonColumnWidth = 80;

// The first start of the program in a data directory (stored "PrefetchsInit" false): stores
// "PrefetchsInit" = true and "PrefetchsEnabled" = comparisonEnabled (one write), and returns
// the width the three comparison columns get: 80 with comparison on, 0 with it off.
// Returns std::nullopt on every later start, when nothing is to be done.
std::optional<int> ApplyFirstStart(TWindowSettings& settings, bool comparisonEnabled);

}  // namespace mv
