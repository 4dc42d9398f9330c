#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mv {

class TIniFile;

// How a report column aligns its cells.
enum TExportAlignment : std::int32_t { eaLeft = 0, eaRight = 1, eaCenter = 2 };

// "по левому краю", "по правому краю", "по центру"; the left text for anything else.
const char* ExportAlignmentText(std::int32_t alignment);

// One column of the export dialog's list: a source column and how the report shows it.
struct TExportField {
    // The source column: for a list 0 is the row's caption and n >= 1 its n-th sub-item; for
    // a grid the column index.
    std::int32_t Id = 0;
    std::int32_t Alignment = eaLeft;
    bool Checked = true;
    std::string Caption;
    // Column width in spreadsheet characters as text with two decimals ("25,00").
    std::string Width;
    // The source column's own heading: what identifies the column in saved parameters.
    std::string PhysicalField;

    friend bool operator==(const TExportField&, const TExportField&) = default;
};

// The width text of a column shown `pixels` wide: pixels / 8 with two decimals in the
// interface's number format (200 gives "25,00").
std::string ExportWidthFromPixels(int pixels);
// The width a width text stands for in characters: the text read tolerantly (10 when it is
// no number), at most 255, never negative.
double ExportColumnWidth(std::string_view widthText);

// Keeps the checked fields before the unchecked ones, each group in its order. Returns the
// new position of the field that was at `index` (-1 stays -1).
int PartitionExportFields(std::vector<TExportField>& fields, int index = -1);

inline constexpr int MinExportFontSize = 1;
inline constexpr int MaxExportFontSize = 100;
inline constexpr std::size_t MaxExportSheetNameLength = 128;  // characters, in the dialog

// Everything the export dialog decides about one report.
struct TExportParams {
    std::string Title;
    std::string Notes;
    bool ShowCreateTime = true;
    std::string SheetName;
    std::int32_t PageOrientation = 0;  // 0 not set, 1 portrait, 2 landscape
    std::int32_t BaseFontSize = 8;
    bool SelectedOnly = false;
    std::vector<TExportField> Fields;
    // Restore these parameters the next time the dialog opens (configuration file only).
    bool RestoreParameters = true;

    friend bool operator==(const TExportParams&, const TExportParams&) = default;
};

// The section that holds a source's parameters: "EXPORT_EXCEL_<WINDOW>.<CONTROL>", both
// names upper-cased.
std::string ExportSectionName(std::string_view window, std::string_view control);

// Where parameters are read from: the configuration file consults "RestoreParameters" and
// keeps a title or notes the caller already has; a parameter file always gives the title.
enum class TExportParamsOrigin { ConfigFile, ParamFile };

// The result of restoring: the messages of fields or files that could not be restored (the
// rest is restored all the same).
struct TExportRestoreResult {
    bool SectionFound = false;
    std::vector<std::string> Errors;
};

// Restores `params` from the section of `ini`. Nothing changes when the section is missing.
// Stored fields are matched with `params.Fields` by id and physical field (without regard to
// case); a stored field moves to its stored position and takes its caption, check mark,
// alignment and width. Stored items that are malformed or match no field are skipped.
TExportRestoreResult RestoreExportParams(const TIniFile& ini, std::string_view section,
                                         TExportParamsOrigin origin, TExportParams& params);
// Replaces the section with the parameters, in a fixed key order; "RestoreParameters" only
// for the configuration file. Writes the file; throws EError
// "Ошибка сохранения параметров экспорта в файле "<file>"!" when it cannot be written.
void SaveExportParams(TIniFile& ini, std::string_view section, TExportParamsOrigin origin,
                      const TExportParams& params);

// The file forms of the two above; reading a file that cannot be read throws EError
// "Ошибка загрузки параметров экспорта из файла "<file>"!".
TExportRestoreResult RestoreExportParams(const std::filesystem::path& file,
                                         std::string_view section, TExportParamsOrigin origin,
                                         TExportParams& params);
void SaveExportParams(const std::filesystem::path& file, std::string_view section,
                      TExportParamsOrigin origin, const TExportParams& params);

// The folder reports were last saved to (configuration file, section "EXPORT_EXCEL", key
// "Folder"); empty when none is stored or the file cannot be read.
std::filesystem::path LoadExportFolder(const std::filesystem::path& configFile);
void SaveExportFolder(const std::filesystem::path& configFile, const std::filesystem::path& folder);

}  // namespace mv
