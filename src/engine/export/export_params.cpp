#include "engine/export/export_params.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <optional>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_codec.h"
#include "engine/core/text_utils.h"
#include "engine/support/ini_file.h"

namespace mv {

namespace {

constexpr const char* kFolderSection = "EXPORT_EXCEL";
constexpr const char* kFolderKey = "Folder";
constexpr double kDefaultWidth = 10;
constexpr double kMaxWidth = 255;

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// A field item splits into exactly its six words: empty words count, so that an empty caption
// reads back, and a caption holding ";" makes the item unreadable rather than misread.
std::vector<std::string> SplitItem(std::string_view text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(';', start);
        words.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return words;
        start = end + 1;
    }
}

// A boolean text as stored ("-1", "0", any integer, "true", "false").
std::optional<bool> ParseBoolText(std::string_view text) {
    const std::string t = Trim(text);
    if (EqualsNoCase(t, "true")) return true;
    if (EqualsNoCase(t, "false")) return false;
    if (const auto n = StrToInt64(t)) return *n != 0;
    return std::nullopt;
}

std::string ItemKey(std::size_t i) {
    return "Item_" + std::to_string(i);
}

std::string FileError(std::string_view pattern, const std::filesystem::path& file) {
    return Fmt(pattern, {file.string()});
}

constexpr TMsgText kLoadError{TMsg::ExportParamsLoadError};
constexpr TMsgText kSaveError{TMsg::ExportParamsSaveError};
constexpr TMsgText kFieldError{TMsg::ExportFieldLoadError};

}  // namespace

const char* ExportAlignmentText(std::int32_t alignment) {
    switch (alignment) {
        case eaRight:
            return Msg(TMsg::AlignRight).c_str();
        case eaCenter:
            return Msg(TMsg::AlignCenter).c_str();
        default:
            return Msg(TMsg::AlignLeft).c_str();
    }
}

std::string ExportWidthFromPixels(int pixels) {
    return FormatFloat(static_cast<long double>(pixels) / 8, 2);
}

double ExportColumnWidth(std::string_view widthText) {
    const double width = ReadNumberTolerant(widthText, kDefaultWidth);
    if (!(width > 0)) return 0;
    return std::min(width, kMaxWidth);
}

int PartitionExportFields(std::vector<TExportField>& fields, int index) {
    std::vector<std::size_t> order(fields.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_partition(order.begin(), order.end(),
                          [&](std::size_t i) { return fields[i].Checked; });
    std::vector<TExportField> sorted;
    sorted.reserve(fields.size());
    int moved = -1;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (static_cast<int>(order[i]) == index) moved = static_cast<int>(i);
        sorted.push_back(std::move(fields[order[i]]));
    }
    fields = std::move(sorted);
    return moved;
}

std::string ExportSectionName(std::string_view window, std::string_view control) {
    return "EXPORT_EXCEL_" + Upper(window) + "." + Upper(control);
}

TExportRestoreResult RestoreExportParams(const TIniFile& ini, std::string_view section,
                                         TExportParamsOrigin origin, TExportParams& params) {
    TExportRestoreResult result;
    if (!ini.SectionExists(section)) return result;
    result.SectionFound = true;
    if (origin == TExportParamsOrigin::ConfigFile) {
        params.RestoreParameters =
            ini.ReadBool(section, "RestoreParameters", params.RestoreParameters);
        if (!params.RestoreParameters) return result;
        if (Trim(params.Title).empty())
            params.Title = ini.ReadString(section, "Title", params.Title);
    } else {
        params.Title = ini.ReadString(section, "Title", params.Title);
    }
    if (Trim(params.Notes).empty()) params.Notes = ini.ReadString(section, "Notes", params.Notes);
    params.ShowCreateTime = ini.ReadBool(section, "ShowCreateTime", params.ShowCreateTime);
    params.SheetName = ini.ReadString(section, "SheetName", params.SheetName);
    const std::int32_t orientation =
        ini.ReadInteger(section, "PageOrientation", params.PageOrientation);
    if (orientation >= 0 && orientation <= 2) params.PageOrientation = orientation;
    const std::int32_t size = ini.ReadInteger(section, "BaseFontSize", params.BaseFontSize);
    if (size >= MinExportFontSize && size <= MaxExportFontSize) params.BaseFontSize = size;

    std::vector<TExportField>& fields = params.Fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        try {
            const std::vector<std::string> words =
                SplitItem(ini.ReadString(section, ItemKey(i), ""));
            if (words.size() != 6) continue;
            const auto id = StrToInt64(Trim(words[0]));
            if (!id) continue;
            const auto found = std::find_if(fields.begin(), fields.end(),
                                            [&](const TExportField& f) { return f.Id == *id; });
            if (found == fields.end() ||
                !EqualsNoCaseUtf8(Trim(found->PhysicalField), Trim(words[1]))) {
                continue;
            }
            // Move the field to position i; the fields in between shift down by one.
            const auto from = static_cast<std::size_t>(found - fields.begin());
            TExportField field = std::move(fields[from]);
            fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(from));
            fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(std::min(i, fields.size())),
                          std::move(field));
            TExportField& f = fields[std::min(i, fields.size() - 1)];
            f.Caption = words[2];
            if (const auto checked = ParseBoolText(words[3])) f.Checked = *checked;
            if (const auto alignment = StrToInt64(Trim(words[4]));
                alignment && *alignment >= eaLeft && *alignment <= eaCenter) {
                f.Alignment = static_cast<std::int32_t>(*alignment);
            }
            f.Width = Trim(words[5]);
        } catch (const std::exception&) {
            result.Errors.push_back(Fmt(kFieldError, {std::to_string(i)}));
        }
    }
    return result;
}

void SaveExportParams(TIniFile& ini, std::string_view section, TExportParamsOrigin origin,
                      const TExportParams& params) {
    try {
        // One write of the file for the whole section.
        ini.BeginUpdate();
        ini.EraseSection(section);
        if (origin == TExportParamsOrigin::ConfigFile) {
            ini.WriteBool(section, "RestoreParameters", params.RestoreParameters);
        }
        ini.WriteString(section, "Title", params.Title);
        ini.WriteString(section, "Notes", params.Notes);
        ini.WriteBool(section, "ShowCreateTime", params.ShowCreateTime);
        ini.WriteString(section, "SheetName", params.SheetName);
        ini.WriteInteger(section, "PageOrientation", params.PageOrientation);
        ini.WriteInteger(section, "BaseFontSize", params.BaseFontSize);
        for (std::size_t i = 0; i < params.Fields.size(); ++i) {
            const TExportField& f = params.Fields[i];
            ini.WriteString(section, ItemKey(i),
                            std::to_string(f.Id) + ";" + Trim(f.PhysicalField) + ";" + f.Caption +
                                ";" + (f.Checked ? "-1" : "0") + ";" + std::to_string(f.Alignment) +
                                ";" + f.Width);
        }
        ini.EndUpdate();
    } catch (const std::exception& e) {
        throw EError(OperationMessage(FileError(kSaveError, ini.FileName()), e.what()));
    }
}

TExportRestoreResult RestoreExportParams(const std::filesystem::path& file,
                                         std::string_view section, TExportParamsOrigin origin,
                                         TExportParams& params) {
    std::optional<TIniFile> ini;
    try {
        ini.emplace(file);
    } catch (const std::exception& e) {
        throw EError(OperationMessage(FileError(kLoadError, file), e.what()));
    }
    return RestoreExportParams(*ini, section, origin, params);
}

void SaveExportParams(const std::filesystem::path& file, std::string_view section,
                      TExportParamsOrigin origin, const TExportParams& params) {
    std::optional<TIniFile> ini;
    try {
        ini.emplace(file);
    } catch (const std::exception& e) {
        throw EError(OperationMessage(FileError(kSaveError, file), e.what()));
    }
    SaveExportParams(*ini, section, origin, params);
}

std::filesystem::path LoadExportFolder(const std::filesystem::path& configFile) {
    try {
        const TIniFile ini(configFile);
        return std::filesystem::path(ini.ReadString(kFolderSection, kFolderKey, ""));
    } catch (const std::exception&) {
        return {};
    }
}

void SaveExportFolder(const std::filesystem::path& configFile,
                      const std::filesystem::path& folder) {
    try {
        TIniFile ini(configFile);
        ini.WriteString(kFolderSection, kFolderKey, folder.string());
    } catch (const std::exception& e) {
        throw EError(OperationMessage(FileError(kSaveError, configFile), e.what()));
    }
}

}  // namespace mv
