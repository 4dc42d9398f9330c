#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "engine/core/data_paths.h"
#include "engine/stats/stat_table.h"
#include "engine/support/ui_hooks.h"

namespace mv {

// Full-set comparison files: per statistic method with a norm, how many of the 376,992
// combinations have each of its values. "Prefetchs/<program>_<method code>.dfc" in the data
// directory. Binary, little-endian, no header:
//   records  12 bytes each: K1, K2, K3, K4 (16-bit each), then int32 count; one per value
//            that occurs, keys unique, in SortByKey order (K1 compared unsigned, then K2, K3,
//            K4 compared signed)
//   trailer  12 bytes: int32 smallest count, int32 largest count, int32 0
// A file of zero bytes counts as missing. With no records the trailer holds the largest
// int32 and 0 (the totals of an empty value array).
inline constexpr std::size_t FullSetRecordSize = 12;
inline constexpr const char* FullSetFileExtension = ".dfc";
// Every group that exists (0..12): the "fullrecreate" switch rebuilds all of them.
inline constexpr std::uint16_t AllStatGroupsMask = 8191;
// Groups whose files depend on a setting of the configuration dialog.
inline constexpr std::uint16_t ChannelGroupMask = 1u << 3;
inline constexpr std::uint16_t MatrixGroupMask = 1u << 4;
inline constexpr std::uint16_t SegmentGroupMask = 1u << 5;
inline constexpr std::uint16_t ShreddingGroupMask = 1u << 12;
// The groups to rebuild for a ConfigChangeMask (channel width, matrix columns, segments).
std::uint16_t RebuildGroupsForConfigChange(int changeMask);

std::filesystem::path FullSetFileName(const TDataPaths& paths, const TStatMethod& method);

// The files of the groups that depend on the configuration (ChannelGroupMask,
// MatrixGroupMask, SegmentGroupMask) describe the configuration they were counted with, which
// may since have changed behind the program's back (the INI file edited, another copy of the
// program). Each such file has a record beside it, "<program>_<code>.cfg", holding the
// settings it was counted with, one "Key=value" line each: "ChannelSize=6",
// "MatrixCols=6", "MatrixSegments=<36 digits>"; the shredding methods' files
// (ShreddingGroupMask) likewise record their formula and digit count. The comparison file
// itself keeps its format. A file whose record is missing, unreadable or differs from the
// settings in force counts as missing: it is built again before it is used, and a rebuild
// always includes it.
// The record is removed before its file is written and written after it, so an interrupted
// build leaves a file without a record, which is built again.
inline constexpr const char* FullSetRecordExtension = ".cfg";
std::filesystem::path FullSetRecordName(const TDataPaths& paths, const TStatMethod& method);
// The record a file of group `group` must have under `config`; empty for a group whose files
// do not depend on the configuration (they have no record).
std::string FullSetConfigRecord(int group, const TConfigData& config);
// The record the method's file must have under the registry's settings: the configuration
// record of its group and, for a shredding method, its formula and digit count
// ("Formula=<text>", "Digits=<k>"), which the shredding dialog changes. Empty for a method
// whose file depends on no setting.
std::string FullSetMethodRecord(const TStatMethod& method, const TStatList& registry);
// Whether the method's existing file was counted with other settings than the registry's
// (its record is missing, unreadable or different from FullSetMethodRecord). Always false
// for a method without a record and for a method without a norm (it has no file).
bool FullSetFileStale(const TDataPaths& paths, const TStatMethod& method,
                      const TStatList& registry);

// The counts of the method's values over `count` combinations, as AddCombination gives them,
// ordered with SortByKey, with the smallest and largest count (StatTotals).
TFullSetCounts CountFullSetValues(TCustomStat& stat, const TComb* combs, std::size_t count);
std::string EncodeFullSetFile(const TFullSetCounts& counts);
// Throws EError with the reason when the bytes are not a comparison file (a length that is
// not a multiple of 12, no trailer, a trailer whose third number is not 0).
TFullSetCounts DecodeFullSetFile(std::string_view bytes);
// Throws EError with the reason when decoded counts cannot be the full set's for a method of
// this class: keys out of order or repeated, a count below 1, a trailer that is not the
// smallest and largest count, or counts whose sum is not what the class's values per
// combination give for the 376,992 combinations.
void CheckFullSetCounts(const TFullSetCounts& counts, const TStatClass& statClass);

// What the builders need: the method registry, where the files go, and the hooks that show
// the status texts, the progress window and the error boxes.
struct TFullSetSource {
    const TStatList& Registry;
    const TDataPaths& Paths;
    IUiHooks& Hooks;
};

// Builds the method's file from the full set: status "Создание файла предварительной выборки
// <file>..." while it runs; the Prefetchs directory is created when missing; the file is
// written through a temporary file and renamed into place, and then its configuration record
// when its group has one. On failure the file is deleted,
// the error box "Ошибка создания файла данных для полного набора вариантов!\r\r
// Имя файла: <file>\r\r<reason>" is shown and the result is empty.
std::optional<TFullSetCounts> BuildFullSetFile(const TFullSetSource& source, int methodIndex);

// The method's counts from its file: a missing or zero-byte file, or one counted with another
// configuration (FullSetFileStale), is built first (BuildFullSetFile, and `built` is set). A
// file that cannot be read or fails CheckFullSetCounts shows
// "Ошибка открытия файла данных для полного набора вариантов!\r\rИмя файла: <file>\r\r<reason>"
// and gives nothing; it stays until it is rebuilt. A method outside the registry or without a
// norm gives nothing.
std::optional<TFullSetCounts> ReadOrBuildFullSetFile(const TFullSetSource& source,
                                                     int methodIndex, bool& built);

struct TRebuildResult {
    int Built = 0;   // files written
    int Failed = 0;  // files that could not be built (each reported in its error box)
};
// Builds the files of every method with a norm: a missing (or zero-byte or stale) file always,
// an existing one only when bit g of `groups` is set for the method's group g (a group above 15
// never). Shows the progress window "Создание файлов для полного набора комбинаций..." with
// one step per registered method and the same status text, both cleared at the end. The
// full set is generated once and the methods are counted on every core; the files are the
// same as one by one.
TRebuildResult BuildFullSetFiles(const TFullSetSource& source, std::uint16_t groups);

}  // namespace mv
